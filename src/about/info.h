#pragma once

#include "ui/Form.h"

// The about window.
class TForm2 : public TForm {
public:
  explicit TForm2(TComponent* owner);
};

extern TForm2* Form2;
