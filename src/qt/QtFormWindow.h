#pragma once

#include "qt/QtPeer.h"
#include "qt/QtPeerContext.h"
#include "ui/Types.h"

#include <QWidget>

class QMenuBar;
class TForm;

// A form: a top-level window whose client area sits below its menu bar. The model's Left and
// Top are the outer corner of the frame; its client size is the area below the menu bar. The
// close box and the minimise box are queued as requests; the window itself neither closes nor
// minimises, the application decides.
class QtFormWindow : public QWidget, public QtPeer {
public:
  QtFormWindow(TForm& form, QWidget* parent, QtPeerContext& context);
  QWidget& Widget() override { return *this; }
  QWidget& Container() override { return *FClient; }
  void Apply(Change what) override;

  // The window flags of a form with this border style, these border icons and this topmost
  // state.
  static Qt::WindowFlags FlagsFor(TBorderStyle style, TBorderIcons icons, bool topmost);
  // The height of the menu bar above the client area; 0 without one.
  int MenuBarHeight() const;
  // Once the window manager has framed the shown window: a frame other than the one it was
  // placed by is learnt, and the window placed again so that its outer corner is the model's.
  void CheckFrame();

protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

private:
  void ApplyFlags();
  void ApplyGeometry();
  void BuildMenuBar();

  TForm& FForm;
  QtPeerContext& FContext;
  QWidget* FClient;
  QMenuBar* FMenuBar = nullptr;
  QMargins FPlacedFrame;
};
