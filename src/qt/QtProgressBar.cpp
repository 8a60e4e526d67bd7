#include "qt/QtProgressBar.h"

#include "ui/Gauge.h"

QtProgressBar::QtProgressBar(TProgressBar& bar, QWidget* parent, QtPeerContext&)
    : QProgressBar(parent), FBar(bar) {
  setTextVisible(false);
}

void QtProgressBar::Apply(Change what) {
  if (what == Change::Created || what == Change::Value) {
    setRange(FBar.Min(), FBar.Max());
    setValue(FBar.Position());
  }
  ApplyCommon(*this, FBar, what);
}
