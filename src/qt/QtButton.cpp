#include "qt/QtButton.h"

#include "qt/QtConvert.h"
#include "qt/QtEventQueue.h"
#include "ui/StdCtrls.h"

QtButton::QtButton(TButton& button, QWidget* parent, QtPeerContext& context)
    : QPushButton(parent), FButton(button) {
  connect(this, &QPushButton::clicked, [&events = context.events, &button] {
    events.Push(QtEventQueue::ControlClicked{&button});
  });
}

void QtButton::Apply(Change what) {
  bool all = what == Change::Created;
  // Qt marks the accelerator with "&" as our captions do.
  if (all || what == Change::Caption) setText(ToQString(FButton.Caption()));
  if (all || what == Change::Font) setFont(ToQFont(FButton.Font()));
  if (all) setDefault(FButton.Default());
  ApplyCommon(*this, FButton, what);
}
