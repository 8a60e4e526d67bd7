#include "about/help.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(TComponent* owner) : TForm(owner) {
  SetName("Form4");
  SetCaption("ヘルプ");
  SetBorderStyle(TBorderStyle::bsDialog);
  SetBounds(0, 0, 489, 331);
  SetBorderIcons(biSystemMenu);
}
