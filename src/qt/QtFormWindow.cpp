#include "qt/QtFormWindow.h"

#include "qt/QtConvert.h"
#include "qt/QtEventQueue.h"
#include "qt/QtFrameProbe.h"
#include "qt/QtMenuActions.h"
#include "ui/Form.h"
#include "ui/Menus.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMoveEvent>
#include <QWindow>

#include <algorithm>

QtFormWindow::QtFormWindow(TForm& form, QWidget*, QtPeerContext& context)
    : QWidget(nullptr, FlagsFor(form.BorderStyle(), form.BorderIcons(), form.Topmost())),
      FForm(form), FContext(context), FClient(new QWidget(this)) {}

Qt::WindowFlags QtFormWindow::FlagsFor(TBorderStyle style, TBorderIcons icons, bool topmost) {
  Qt::WindowFlags flags = Qt::Window;
  if (style == TBorderStyle::bsNone) {
    flags |= Qt::FramelessWindowHint;
  } else {
    if (style == TBorderStyle::bsDialog) flags = Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    // The boxes come with the system menu; a dialog frame has no minimise or maximise box.
    if (icons & biSystemMenu) {
      flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      if (style != TBorderStyle::bsDialog) {
        if (icons & biMinimize) flags |= Qt::WindowMinimizeButtonHint;
        if (icons & biMaximize) flags |= Qt::WindowMaximizeButtonHint;
      }
    }
  }
  if (topmost) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

void QtFormWindow::Apply(Change what) {
  switch (what) {
  case Change::Created:
    setObjectName(ToQString(FForm.Name()));
    setWindowTitle(ToQString(FForm.Caption()));
    FClient->setFont(ToQFont(FForm.Font()));
    BuildMenuBar();
    ApplyGeometry();
    setEnabled(FForm.Enabled());
    if (FForm.Visible()) Apply(Change::Visible);
    break;
  case Change::Caption:
    setWindowTitle(ToQString(FForm.Caption()));
    break;
  case Change::Font:
    FClient->setFont(ToQFont(FForm.Font()));
    break;
  case Change::Cursor:
    if (FForm.Cursor() == TCursor::crHandPoint)
      FClient->setCursor(Qt::PointingHandCursor);
    else
      FClient->unsetCursor();
    break;
  case Change::Bounds:
    ApplyGeometry();
    break;
  case Change::Visible:
    if (FForm.Visible()) {
      ApplyGeometry();
      // A window the window manager minimised comes back in its normal state.
      setWindowState(windowState() & ~Qt::WindowMinimized);
      show();
    } else {
      hide();
    }
    break;
  case Change::Enabled:
    setEnabled(FForm.Enabled());
    break;
  case Change::Style:
    ApplyFlags();
    break;
  case Change::Menu:
    BuildMenuBar();
    ApplyGeometry();
    break;
  case Change::Activate:
    raise();
    activateWindow();
    break;
  default:
    break;
  }
}

void QtFormWindow::ApplyFlags() {
  Qt::WindowFlags flags = FlagsFor(FForm.BorderStyle(), FForm.BorderIcons(), FForm.Topmost());
  if (flags == windowFlags()) {
    ApplyGeometry();
    return;
  }
  // New flags hide a window; a shown one is shown again with them.
  bool shown = isVisible();
  setWindowFlags(flags);
  ApplyGeometry();
  if (shown) show();
}

void QtFormWindow::ApplyGeometry() {
  int menu = MenuBarHeight();
  int width = std::max(0, FForm.ClientWidth());
  int height = std::max(0, FForm.ClientHeight());
  QSize size(width, height + menu);
  if (FForm.BorderStyle() == TBorderStyle::bsSizeable ||
      FForm.BorderStyle() == TBorderStyle::bsNone) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    setFixedSize(size);
  }
  // Qt places a window by its client area; the model gives the frame's outer corner.
  FrameExtents frame = FContext.frames.For(FForm.BorderStyle());
  FPlacedFrame = QMargins(frame.left, frame.top, frame.right, frame.bottom);
  setGeometry(FForm.Left() + frame.left, FForm.Top() + frame.top, size.width(), size.height());
  if (FMenuBar) FMenuBar->setGeometry(0, 0, width, menu);
  FClient->setGeometry(0, menu, width, height);
}

void QtFormWindow::BuildMenuBar() {
  delete FMenuBar;
  FMenuBar = nullptr;
  TMainMenu* menu = FForm.Menu();
  if (!menu || menu->Items().Items().empty()) return;
  FMenuBar = new QMenuBar(this);
  // Inside the window, above the client area, even where a desktop offers a global menu.
  FMenuBar->setNativeMenuBar(false);
  FContext.menus.Fill(*FMenuBar, menu->Items());
  FMenuBar->show();
}

int QtFormWindow::MenuBarHeight() const {
  if (!FMenuBar) return 0;
  // Items that do not fit the width wrap onto further rows.
  int height = FMenuBar->heightForWidth(std::max(1, FForm.ClientWidth()));
  return height > 0 ? height : FMenuBar->sizeHint().height();
}

void QtFormWindow::CheckFrame() {
  if (!isVisible() || FForm.BorderStyle() == TBorderStyle::bsNone || !windowHandle()) return;
  QMargins margins = windowHandle()->frameMargins();
  // No margins yet: the window manager has not framed the window (or there is none).
  if (margins.isNull() || margins == FPlacedFrame) return;
  FContext.frames.Observed(FForm.BorderStyle(),
                           {margins.left(), margins.top(), margins.right(), margins.bottom()});
  ApplyGeometry();
}

void QtFormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  // A disabled window (a modal one is up) takes no input.
  if (FForm.Visible() && FForm.Enabled())
    FContext.events.Push(QtEventQueue::CloseRequested{&FForm});
}

void QtFormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // Only the user's moves are news to the model; our own placing lands where it says.
  if (!event->spontaneous() || !isVisible()) return;
  const QPoint corner = frameGeometry().topLeft();
  if (corner.x() != FForm.Left() || corner.y() != FForm.Top())
    FContext.events.Push(QtEventQueue::FormMoved{&FForm, corner.x(), corner.y()});
}

void QtFormWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
    // The application minimises as a whole by hiding its windows, and the window comes back
    // in its normal state when shown; a refused minimise is undone at once.
    if (FForm.Visible() && FForm.Enabled())
      FContext.events.Push(QtEventQueue::MinimizeRequested{});
    else
      setWindowState(windowState() & ~Qt::WindowMinimized);
  }
  QWidget::changeEvent(event);
}
