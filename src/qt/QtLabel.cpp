#include "qt/QtLabel.h"

#include "qt/QtConvert.h"
#include "ui/StdCtrls.h"

QtLabel::QtLabel(TLabel& label, QWidget* parent, QtPeerContext&)
    : QLabel(parent), FLabel(label), FDefaultPalette(palette()) {
  // A QLabel without a buddy would show the "&" marks literally, so it gets the display text.
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void QtLabel::Apply(Change what) {
  bool all = what == Change::Created;
  if (all || what == Change::Caption) setText(ToQString(FLabel.DisplayText()));
  if (all || what == Change::Font) {
    setFont(ToQFont(FLabel.Font()));
    QPalette colours = FDefaultPalette;
    colours.setColor(QPalette::WindowText, ToQColor(FLabel.Font().Color, FDefaultPalette));
    setPalette(colours);
  }
  ApplyCommon(*this, FLabel, what);
}
