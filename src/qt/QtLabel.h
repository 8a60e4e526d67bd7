#pragma once

#include "qt/QtPeer.h"
#include "qt/QtPeerContext.h"

#include <QLabel>

class TLabel;

// A label: its text without the accelerator marks, in its font and colour, at the top left of
// its bounds.
class QtLabel : public QLabel, public QtPeer {
public:
  QtLabel(TLabel& label, QWidget* parent, QtPeerContext& context);
  QWidget& Widget() override { return *this; }
  void Apply(Change what) override;

private:
  TLabel& FLabel;
  QPalette FDefaultPalette;
};
