#include "settings/SetForm.h"

TSetDialog* SetDialog = nullptr;

TSetDialog::TSetDialog(TComponent* owner) : TForm(owner) {
  SetName("SetDialog");
  SetCaption("SetDialog");
  SetBorderStyle(TBorderStyle::bsDialog);
  SetBounds(0, 0, 394, 225);
  SetBorderIcons(biHelp);
  SetPosition(TPosition::poScreenCenter);
}
