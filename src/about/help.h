#pragma once

#include "ui/Form.h"

// The help window.
class TForm4 : public TForm {
public:
  explicit TForm4(TComponent* owner);
};

extern TForm4* Form4;
