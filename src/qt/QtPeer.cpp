#include "qt/QtPeer.h"

#include "qt/QtConvert.h"
#include "ui/Control.h"

#include <QWidget>

void QtPeer::ApplyCommon(QWidget& widget, const TControl& control, Change what) {
  bool all = what == Change::Created;
  // Tests and the end-to-end scripts find widgets by the design's names.
  if (all) widget.setObjectName(ToQString(control.Name()));
  if (all || what == Change::Bounds)
    widget.setGeometry(control.Left(), control.Top(), control.Width(), control.Height());
  if (all || what == Change::Enabled) widget.setEnabled(control.Enabled());
  if (all || what == Change::Cursor) {
    if (control.Cursor() == TCursor::crHandPoint)
      widget.setCursor(Qt::PointingHandCursor);
    else
      widget.unsetCursor();
  }
  if (all || what == Change::Visible) widget.setVisible(control.Visible());
}
