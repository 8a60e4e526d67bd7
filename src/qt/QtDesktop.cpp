#include "qt/QtDesktop.h"

#include "qt/ProgramIcon.h"
#include "qt/QtButton.h"
#include "qt/QtConvert.h"
#include "qt/QtFormWindow.h"
#include "qt/QtGaugeWidget.h"
#include "qt/QtLabel.h"
#include "qt/QtProgressBar.h"
#include "ui/Exception.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/Gauge.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"
#include "ui/TrayIcon.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

#include <algorithm>
#include <climits>

QtDesktop::QtDesktop() {
  QApplication::setWindowIcon(ProgramIcon());
  // Menus and message boxes in the designs' default face and size, as the Japanese desktop
  // the designs were made on shows them; the desktop's own default font is wider and would
  // push the main window's menu items out of its menu bar.
  QApplication::setFont(ToQFont(TFont{}));
  // One line per control kind; a derived kind before its base.
  FFactory.Register<TForm, QtFormWindow>();
  FFactory.Register<TLabel, QtLabel>();
  FFactory.Register<TButton, QtButton>();
  FFactory.Register<TGauge, QtGaugeWidget>();
  FFactory.Register<TProgressBar, QtProgressBar>();
}

QtDesktop::~QtDesktop() {
  for (auto& [id, box] : FBoxes)
    box->disconnect();
  FBoxes.clear();
  for (auto& [menu, popup] : FPopups)
    popup.menu->disconnect();
  FPopups.clear();
  FTrays.clear();
  FTimers.clear();
  // Normally the application has destroyed every control by now. Should some be left, a
  // control's widget is its peer and belongs to its parent's widget, which deletes it.
  for (auto& [control, peer] : FPeers)
    if (peer->Widget().parentWidget()) (void)peer.release();
  FPeers.clear();
}

QWidget* QtDesktop::WidgetOf(const TControl& control) const {
  auto it = FPeers.find(&control);
  return it == FPeers.end() ? nullptr : &it->second->Widget();
}

void QtDesktop::WaitAndDispatch() {
  for (;;) {
    // What Qt did last time is sorted out before anything is delivered, so that a popup's
    // dismissal is queued in its place.
    SettlePopups();
    CheckFrames();
    // The session's end is noticed here, on our stack, never inside a Qt callback.
    if (FSession.Ended()) throw SessionEnd();
    if (!FEvents.Empty()) break;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  QtEventQueue::Event event = FEvents.Pop();
  if (auto* closed = std::get_if<QtEventQueue::BoxClosed>(&event)) FBoxes.erase(closed->box);
  if (FSink) QtEventQueue::Deliver(event, *FSink);
}

// --- controls ---

void QtDesktop::ControlChanged(TControl& control, Change what) {
  switch (what) {
  case Change::Created:
    if (FPeers.count(&control)) DestroyPeer(control);
    CreatePeer(control);
    break;
  case Change::Destroyed:
    DestroyPeer(control);
    break;
  default:
    if (auto it = FPeers.find(&control); it != FPeers.end()) it->second->Apply(what);
    break;
  }
}

void QtDesktop::CreatePeer(TControl& control) {
  QWidget* parent = nullptr;
  if (TControl* parentControl = control.Parent()) {
    auto it = FPeers.find(parentControl);
    if (it == FPeers.end()) return;
    parent = &it->second->Container();
  } else if (!dynamic_cast<TForm*>(&control)) {
    return; // only a form stands alone on the screen
  }
  std::unique_ptr<QtPeer> peer = FFactory.Make(control, parent, FContext);
  QtPeer& made = *peer;
  FPeers[&control] = std::move(peer);
  // Children first, so that a window shows complete.
  for (TControl* child : control.Controls())
    CreatePeer(*child);
  made.Apply(Change::Created);
}

void QtDesktop::DestroyPeer(TControl& control) {
  // A control leaving its parent takes its children along with one report; their widgets go
  // before the parent's, which would otherwise delete them under our feet.
  for (TControl* child : control.Controls())
    DestroyPeer(*child);
  FEvents.Purge(&control);
  FPeers.erase(&control);
}

void QtDesktop::MenuItemChanged(TMenuItem& item, Change) {
  FMenus.Update(item);
}

FrameExtents QtDesktop::FrameOf(const TForm& form) {
  FrameExtents frame = FFrames.For(form.BorderStyle());
  const TMainMenu* menu = form.Menu();
  if (!menu || menu->Items().Items().empty()) return frame;
  auto it = FPeers.find(&form);
  auto* window = it == FPeers.end() ? nullptr : dynamic_cast<QtFormWindow*>(it->second.get());
  frame.top += window ? window->MenuBarHeight() : ProbeMenuBarHeight();
  return frame;
}

int QtDesktop::ProbeMenuBarHeight() {
  // Before a form has its window, a one-row menu bar of the style in use.
  if (FMenuBarHeight < 0) {
    QMenuBar probe;
    probe.addMenu(QStringLiteral("&File"));
    FMenuBarHeight = probe.sizeHint().height();
  }
  return FMenuBarHeight;
}

void QtDesktop::CheckFrames() {
  for (auto& [control, peer] : FPeers)
    if (auto* window = dynamic_cast<QtFormWindow*>(peer.get())) window->CheckFrame();
}

int QtDesktop::TextWidth(const TFont& font, const std::string& text) {
  return QFontMetrics(ToQFont(font)).horizontalAdvance(ToQString(text));
}

int QtDesktop::TextHeight(const TFont& font) {
  return QFontMetrics(ToQFont(font)).height();
}

// --- popup menus ---

void QtDesktop::OpenPopup(TPopupMenu& menu, int x, int y) {
  ClosePopup(menu);
  Popup& popup = FPopups[&menu];
  popup.menu = std::make_unique<QMenu>();
  QMenu& shown = *popup.menu;
  FMenus.Fill(shown, menu.Items());
  // Qt hides a menu before it triggers the chosen action, so a hide alone tells nothing yet;
  // SettlePopups decides once Qt has returned.
  QObject::connect(&shown, &QMenu::aboutToHide, [&popup] { popup.hidden = true; });
  QObject::connect(&shown, &QMenu::triggered, [&popup] { popup.chosen = true; });
  shown.popup(QPoint(x, y));
}

void QtDesktop::ClosePopup(TPopupMenu& menu) {
  auto it = FPopups.find(&menu);
  if (it == FPopups.end()) return;
  it->second.menu->disconnect();
  it->second.menu->hide();
  FPopups.erase(it);
}

void QtDesktop::SettlePopups() {
  for (auto it = FPopups.begin(); it != FPopups.end();) {
    if (!it->second.hidden) {
      ++it;
      continue;
    }
    if (!it->second.chosen)
      FEvents.Push(QtEventQueue::PopupDismissed{const_cast<TPopupMenu*>(it->first)});
    it->second.menu->disconnect();
    it = FPopups.erase(it);
  }
}

// --- timers ---

void QtDesktop::StartTimer(TTimer& timer) {
  std::unique_ptr<QTimer>& qtimer = FTimers[&timer];
  if (!qtimer) {
    qtimer = std::make_unique<QTimer>();
    qtimer->setTimerType(Qt::CoarseTimer);
    QObject::connect(qtimer.get(), &QTimer::timeout,
                     [this, &timer] { FEvents.Push(QtEventQueue::TimerFired{&timer}); });
  }
  qtimer->start(static_cast<int>(std::min<std::uint32_t>(timer.Interval(), INT_MAX)));
}

void QtDesktop::StopTimer(TTimer& timer) {
  FTimers.erase(&timer);
  FEvents.Purge(&timer);
}

// --- message boxes ---

int QtDesktop::OpenBox(const std::string& text, const std::string& caption, unsigned flags) {
  int id = FNextBox++;
  auto box = std::make_unique<QMessageBox>();
  box->setWindowTitle(ToQString(caption));
  box->setTextFormat(Qt::PlainText);
  box->setText(ToQString(text));
  switch (flags & 0xF0) {
  case MB_ICONSTOP:
    box->setIcon(QMessageBox::Critical);
    break;
  case MB_ICONEXCLAMATION:
    box->setIcon(QMessageBox::Warning);
    break;
  case MB_ICONINFORMATION:
    box->setIcon(QMessageBox::Information);
    break;
  default:
    break;
  }
  box->setStandardButtons(QMessageBox::Ok);
  // Modality is the windowing layer's: it disables the other windows while a box is open.
  box->setModal(false);
  box->setWindowModality(Qt::NonModal);
  if (flags & MB_SYSTEMMODAL) box->setWindowFlag(Qt::WindowStaysOnTopHint);
  // OK, Escape and the close box all finish the box; it stays ours until the report is
  // delivered.
  QObject::connect(box.get(), &QDialog::finished,
                   [this, id] { FEvents.Push(QtEventQueue::BoxClosed{id}); });
  box->show();
  FBoxes[id] = std::move(box);
  return id;
}

void QtDesktop::CloseBox(int box) {
  auto it = FBoxes.find(box);
  if (it == FBoxes.end()) return;
  it->second->disconnect();
  FBoxes.erase(it);
  FEvents.PurgeBox(box);
}

// --- tray icon ---

bool QtDesktop::TrayAdd(TTrayIcon& icon) {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  auto tray = std::make_unique<QSystemTrayIcon>(ProgramIcon());
  tray->setToolTip(ToQString(icon.Tip()));
  // No context menu of Qt's: the layer decides when the popup opens and opens it itself.
  QObject::connect(tray.get(), &QSystemTrayIcon::activated,
                   [this, &icon](QSystemTrayIcon::ActivationReason reason) {
                     using M = DesktopSink::TrayMouse;
                     QPoint at = QCursor::pos();
                     auto push = [&](M mouse) {
                       FEvents.Push(QtEventQueue::TrayMouseEvent{&icon, mouse, at.x(), at.y()});
                     };
                     switch (reason) {
                     case QSystemTrayIcon::Trigger:
                       push(M::LeftDown);
                       push(M::LeftUp);
                       break;
                     case QSystemTrayIcon::DoubleClick:
                       push(M::LeftDouble);
                       break;
                     case QSystemTrayIcon::Context:
                       push(M::RightDown);
                       push(M::RightUp);
                       break;
                     default:
                       break;
                     }
                   });
  tray->show();
  FTrays[&icon] = std::move(tray);
  return true;
}

void QtDesktop::TrayModify(TTrayIcon& icon) {
  if (auto it = FTrays.find(&icon); it != FTrays.end())
    it->second->setToolTip(ToQString(icon.Tip()));
}

void QtDesktop::TrayDelete(TTrayIcon& icon) {
  auto it = FTrays.find(&icon);
  if (it == FTrays.end()) return;
  it->second->hide();
  FTrays.erase(it);
  FEvents.Purge(&icon);
}

// --- the rest ---

void QtDesktop::TaskbarEntry(bool, const std::string&) {
  // On X11 a window's taskbar entry is the window itself, and the layer has hidden or shown
  // the windows already. The application display name is left alone on purpose: Qt appends it
  // to every window title on X11 ("Velmora Ver0.11 — Velmora"), which would change the
  // captions the program sets.
}

int QtDesktop::ScreenWidth() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 0;
}

int QtDesktop::ScreenHeight() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 0;
}

void QtDesktop::OpenLink(const std::string& target) {
  // As one argument, never through a shell.
  QProcess::startDetached(QStringLiteral("xdg-open"), {ToQString(target)});
}
