#pragma once

#include "ui/Form.h"

// The information window: hardware and system facts.
class TForm3 : public TForm {
public:
  explicit TForm3(TComponent* owner);
};

extern TForm3* Form3;
