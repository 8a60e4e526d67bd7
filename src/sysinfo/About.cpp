#include "sysinfo/About.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* owner) : TForm(owner) {
  SetName("Form3");
  SetCaption("Information");
  SetBorderStyle(TBorderStyle::bsDialog);
  SetBounds(0, 0, 409, 121);
  SetBorderIcons(biSystemMenu);
}
