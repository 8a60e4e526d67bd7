#pragma once

#include "qt/QtPeer.h"
#include "qt/QtPeerContext.h"

#include <QProgressBar>

class TProgressBar;

// The common progress bar: Position within Min..Max, no text.
class QtProgressBar : public QProgressBar, public QtPeer {
public:
  QtProgressBar(TProgressBar& bar, QWidget* parent, QtPeerContext& context);
  QWidget& Widget() override { return *this; }
  void Apply(Change what) override;

private:
  TProgressBar& FBar;
};
