#pragma once

#include "ui/Form.h"

// The settings dialog.
class TSetDialog : public TForm {
public:
  explicit TSetDialog(TComponent* owner);
};

extern TSetDialog* SetDialog;
