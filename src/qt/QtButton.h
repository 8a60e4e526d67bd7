#pragma once

#include "qt/QtPeer.h"
#include "qt/QtPeerContext.h"

#include <QPushButton>

class TButton;

// A push button; a press is queued as the button's click.
class QtButton : public QPushButton, public QtPeer {
public:
  QtButton(TButton& button, QWidget* parent, QtPeerContext& context);
  QWidget& Widget() override { return *this; }
  void Apply(Change what) override;

private:
  TButton& FButton;
};
