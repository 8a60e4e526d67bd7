#include "about/info.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  SetName("Form2");
  SetCaption("このプログラムについて");
  SetBorderStyle(TBorderStyle::bsNone);
  SetBounds(0, 0, 427, 251);
}
