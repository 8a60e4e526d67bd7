#include "qt/QtPlaceholder.h"

QtPlaceholder::QtPlaceholder(TControl& control, QWidget* parent, QtPeerContext&)
    : QWidget(parent), FControl(control) {}

void QtPlaceholder::Apply(Change what) {
  ApplyCommon(*this, FControl, what);
}
