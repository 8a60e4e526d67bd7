#include "qt/QtGaugeWidget.h"

#include "qt/QtConvert.h"
#include "ui/Gauge.h"

#include <QPainter>

#include <algorithm>

QtGaugeWidget::QtGaugeWidget(TGauge& gauge, QWidget* parent, QtPeerContext&)
    : QWidget(parent), FGauge(gauge) {
  // Every pixel is ours: nothing behind needs painting first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void QtGaugeWidget::Apply(Change what) {
  ApplyCommon(*this, FGauge, what);
  // The model reports a new value only when the shown percentage changed; other changes
  // (a caption, say) leave the picture as it is.
  if (what == Change::Value || what == Change::Color || what == Change::Font) update();
}

void QtGaugeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect all = rect();
  painter.fillRect(all, Qt::white);
  if (all.width() < 2 || all.height() < 2) return;

  // Sunken: shadow on the top and left edges, light on the bottom and right.
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(all.topLeft(), all.topRight());
  painter.drawLine(all.topLeft(), all.bottomLeft());
  painter.setPen(Qt::white);
  painter.drawLine(all.bottomLeft(), all.bottomRight());
  painter.drawLine(all.topRight(), all.bottomRight());

  QRect face = all.adjusted(1, 1, -1, -1);
  int percent = std::clamp(FGauge.PercentDone(), 0, 100);
  int filledWidth = face.width() * percent / 100;
  QRect filled(face.left(), face.top(), filledWidth, face.height());
  QRect empty(face.left() + filledWidth, face.top(), face.width() - filledWidth, face.height());
  painter.fillRect(filled, ToQColor(FGauge.ForeColor(), palette()));
  if (!FGauge.ShowText()) return;

  // The text twice, each time clipped to one part, so that it reads on both.
  QString text = ToQString(FGauge.Text());
  painter.setFont(ToQFont(FGauge.Font()));
  painter.setClipRect(empty);
  painter.setPen(Qt::black);
  painter.drawText(face, Qt::AlignCenter, text);
  painter.setClipRect(filled);
  painter.setPen(Qt::white);
  painter.drawText(face, Qt::AlignCenter, text);
}
