#pragma once

#include "qt/QtPeer.h"
#include "qt/QtPeerContext.h"

#include <QWidget>

class TGauge;

// The gauge, painted as the classic one: a white face in a sunken frame, filled from the left
// in the fore colour, with the percentage centred, black over the empty part and white over
// the filled part.
class QtGaugeWidget : public QWidget, public QtPeer {
public:
  QtGaugeWidget(TGauge& gauge, QWidget* parent, QtPeerContext& context);
  QWidget& Widget() override { return *this; }
  void Apply(Change what) override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  TGauge& FGauge;
};
