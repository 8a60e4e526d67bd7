#pragma once

#include "ui/Desktop.h"

class QWidget;

// A control's widget on the Qt desktop. It reads every value from its model, which tells it
// what changed; user input it only queues.
class QtPeer {
public:
  virtual ~QtPeer() = default;
  virtual QWidget& Widget() = 0;
  // Where the widgets of child controls go.
  virtual QWidget& Container() { return Widget(); }
  // Applies one change; Created applies the complete state.
  virtual void Apply(Change what) = 0;

protected:
  // Name, place, visibility, enablement and cursor of a control inside its parent; other
  // changes are left to the kind.
  static void ApplyCommon(QWidget& widget, const TControl& control, Change what);
};
