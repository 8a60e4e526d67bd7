#pragma once

#include "qt/QtPeer.h"
#include "qt/QtPeerContext.h"

#include <QWidget>

// The peer of a control kind the Qt desktop does not know yet: an empty area at its bounds.
class QtPlaceholder : public QWidget, public QtPeer {
public:
  QtPlaceholder(TControl& control, QWidget* parent, QtPeerContext& context);
  QWidget& Widget() override { return *this; }
  void Apply(Change what) override;

private:
  TControl& FControl;
};
