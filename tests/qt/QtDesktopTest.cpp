#include "QtFixture.h"

#include "qt/QtFormWindow.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <csignal>

namespace {

using QtDesktopTest = QtFixture;

QRect ModelBounds(const TControl& control) {
  return {control.Left(), control.Top(), control.Width(), control.Height()};
}

QMessageBox* OpenMessageBox() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) return box;
  return nullptr;
}

TEST_F(QtDesktopTest, ControlsStandAtTheModelsBoundsInTheMappedFont) {
  auto* label = WidgetOf<QLabel>(*form->Label1);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Free resources");
  EXPECT_EQ(label->geometry(), ModelBounds(*form->Label1));
  EXPECT_EQ(label->font().family(), "IPAPGothic");
  EXPECT_EQ(label->font().pixelSize(), 20);
  EXPECT_TRUE(label->font().bold());
  EXPECT_EQ(QFontInfo(label->font()).family(), "IPAPGothic") << "the IPA font is installed";
  // The label sized itself by the desktop's metrics of that font.
  EXPECT_EQ(form->Label1->Height(), QFontMetrics(label->font()).height());

  for (TControl* control :
       {static_cast<TControl*>(form->Gauge1), static_cast<TControl*>(form->ProgressBar1),
        static_cast<TControl*>(form->Button1)}) {
    QWidget* widget = desktop.WidgetOf(*control);
    ASSERT_NE(widget, nullptr) << control->Name();
    EXPECT_EQ(widget->geometry(), ModelBounds(*control)) << control->Name();
    EXPECT_EQ(widget->objectName().toStdString(), control->Name());
  }
  EXPECT_EQ(WidgetOf<QPushButton>(*form->Button1)->text(), "&Go");

  QWidget* window = desktop.WidgetOf(*form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->windowTitle(), "Test window");
  EXPECT_FALSE(window->isVisible()) << "a form shows only when the model says so";
  EXPECT_EQ(label->parentWidget()->size(), QSize(310, 162)) << "the client area";
}

TEST_F(QtDesktopTest, ModelChangesReachTheWidgets) {
  form->Show();
  form->Label1->SetCaption("A && B");
  form->Gauge1->SetBounds(5, 30, 200, 20);
  form->Button1->SetVisible(false);
  form->ProgressBar1->SetRange(10, 20);
  form->ProgressBar1->SetPosition(15);
  form->SetCaption("Renamed");

  EXPECT_EQ(WidgetOf<QLabel>(*form->Label1)->text(), "A & B");
  EXPECT_EQ(WidgetOf<QLabel>(*form->Label1)->width(), form->Label1->Width());
  EXPECT_EQ(desktop.WidgetOf(*form->Gauge1)->geometry(), QRect(5, 30, 200, 20));
  EXPECT_FALSE(desktop.WidgetOf(*form->Button1)->isVisible());
  auto* bar = WidgetOf<QProgressBar>(*form->ProgressBar1);
  EXPECT_EQ(bar->minimum(), 10);
  EXPECT_EQ(bar->maximum(), 20);
  EXPECT_EQ(bar->value(), 15);
  QWidget* window = desktop.WidgetOf(*form);
  EXPECT_EQ(window->windowTitle(), "Renamed");
  EXPECT_TRUE(window->isVisible());

  form->SetEnabled(false);
  EXPECT_FALSE(window->isEnabled());
  form->Hide();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(QtDesktopTest, UserInputReachesHandlersOnlyThroughTheLoop) {
  form->Show();
  WidgetOf<QPushButton>(*form->Button1)->click();
  desktop.WidgetOf(*form)->close();
  EXPECT_EQ(form->Clicks, 0) << "a Qt callback never runs a handler";
  EXPECT_EQ(form->Closes, 0);

  desktop.WaitAndDispatch();
  EXPECT_EQ(form->Clicks, 1);
  EXPECT_EQ(form->Closes, 0);
  desktop.WaitAndDispatch();
  EXPECT_EQ(form->Closes, 1);
  EXPECT_TRUE(app.Terminated()) << "closing the main window ends the application";
  EXPECT_TRUE(desktop.WidgetOf(*form)->isVisible()) << "Qt did not close it";
}

TEST_F(QtDesktopTest, DisabledWindowRefusesItsCloseBox) {
  form->Show();
  form->SetEnabled(false);
  desktop.WidgetOf(*form)->close();
  form->SetEnabled(true);
  EXPECT_TRUE(desktop.WidgetOf(*form)->isVisible());
  EXPECT_EQ(Drain(), std::vector<std::string>{});
}

TEST_F(QtDesktopTest, MinimiseBoxHidesTheApplicationAndRestoreShowsTheWindowNormal) {
  form->Show();
  QWidget* window = desktop.WidgetOf(*form);
  window->setWindowState(Qt::WindowMinimized);
  EXPECT_FALSE(app.Minimized());

  desktop.WaitAndDispatch();
  EXPECT_EQ(sink.Events, std::vector<std::string>{"minimize"});
  EXPECT_TRUE(app.Minimized());
  EXPECT_FALSE(window->isVisible());

  app.Restore();
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isMinimized());
}

TEST_F(QtDesktopTest, MessageBoxKeepsTimersFiringUntilItsOkIsPressed) {
  form->Show();
  int ticks = 0;
  bool boxReturned = false;
  QMessageBox* seen = nullptr;
  auto* timer = new TTimer(form);
  timer->SetInterval(5);
  timer->SetOnTimer([&](TObject*) {
    ++ticks;
    if (ticks == 1) {
      app.MessageBox("Low on resources", "Velmora:info", MB_ICONINFORMATION | MB_SYSTEMMODAL);
      boxReturned = true;
    } else if (ticks == 4 && !boxReturned) {
      seen = OpenMessageBox();
      ASSERT_NE(seen, nullptr);
      seen->button(QMessageBox::Ok)->click();
    }
  });
  while (!boxReturned)
    app.HandleMessage();

  EXPECT_GE(ticks, 4) << "ticks ran nested inside the box's loop";
  ASSERT_NE(seen, nullptr);
  EXPECT_EQ(OpenMessageBox(), nullptr);
  EXPECT_TRUE(desktop.WidgetOf(*form)->isEnabled()) << "the box's loop enabled the window again";
}

TEST_F(QtDesktopTest, MessageBoxShowsCaptionTextAndIconAndReportsItsClosing) {
  struct Case {
    unsigned flags;
    QMessageBox::Icon icon;
    bool onTop;
  };
  for (const Case& c : {Case{MB_ICONSTOP, QMessageBox::Critical, false},
                        Case{MB_ICONEXCLAMATION | MB_SYSTEMMODAL, QMessageBox::Warning, true},
                        Case{MB_ICONINFORMATION, QMessageBox::Information, false}}) {
    int id = desktop.OpenBox("Text", "Caption", c.flags);
    QMessageBox* box = OpenMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Caption");
    EXPECT_EQ(box->text(), "Text");
    EXPECT_EQ(box->icon(), c.icon);
    EXPECT_EQ(bool(box->windowFlags() & Qt::WindowStaysOnTopHint), c.onTop);
    EXPECT_FALSE(box->isModal());
    // Escape counts as OK.
    box->reject();
    EXPECT_EQ(Drain(), std::vector<std::string>{"box closed " + std::to_string(id)});
  }
  // A box the program closes itself reports nothing.
  int id = desktop.OpenBox("Text", "Caption", MB_OK);
  OpenMessageBox()->button(QMessageBox::Ok)->click();
  desktop.CloseBox(id);
  desktop.CloseBox(id);
  EXPECT_EQ(OpenMessageBox(), nullptr);
  EXPECT_EQ(Drain(), std::vector<std::string>{});
}

TEST_F(QtDesktopTest, FrameAddsTheMenuBarAndTheWindowSitsWhereTheModelSays) {
  QWidget* window = desktop.WidgetOf(*form);
  auto* bar = window->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  int menuHeight = bar->height();
  EXPECT_GT(menuHeight, 0);
  FrameExtents withMenu = desktop.FrameOf(*form);

  form->Show();
  // Outer corner as the model says, client area below the menu bar.
  EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(form->Left(), form->Top()));
  EXPECT_EQ(window->frameGeometry().width(), form->Width());
  EXPECT_EQ(window->frameGeometry().height(), form->Height());
  QWidget* client = desktop.WidgetOf(*form->Label1)->parentWidget();
  EXPECT_EQ(client->geometry(), QRect(0, menuHeight, 310, 162));

  form->SetMenu(nullptr);
  FrameExtents without = desktop.FrameOf(*form);
  EXPECT_EQ(withMenu.top - without.top, menuHeight);
  EXPECT_EQ(withMenu.bottom, without.bottom);
  EXPECT_EQ(window->findChild<QMenuBar*>(), nullptr);
  EXPECT_EQ(window->height(), 162);
  EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(form->Left(), form->Top()));
}

TEST_F(QtDesktopTest, WindowFlagsFollowBorderStyleIconsAndTopmost) {
  struct Case {
    TBorderStyle style;
    TBorderIcons icons;
    bool topmost;
    Qt::WindowFlags present, absent;
  };
  const Case cases[] = {
      {TBorderStyle::bsSingle, biSystemMenu | biMinimize | biHelp, false,
       Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowTitleHint,
       Qt::WindowMaximizeButtonHint | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint},
      {TBorderStyle::bsDialog, biSystemMenu | biMinimize, false, Qt::WindowCloseButtonHint,
       Qt::WindowMinimizeButtonHint},
      {TBorderStyle::bsDialog, biHelp, false, Qt::WindowTitleHint,
       Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint},
      {TBorderStyle::bsNone,
       biSystemMenu,
       true,
       Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint,
       {}},
  };
  for (const Case& c : cases) {
    Qt::WindowFlags flags = QtFormWindow::FlagsFor(c.style, c.icons, c.topmost);
    EXPECT_EQ(flags & c.present, c.present) << static_cast<int>(c.style);
    EXPECT_EQ(flags & c.absent, Qt::WindowFlags{}) << static_cast<int>(c.style);
  }
  EXPECT_EQ(QtFormWindow::FlagsFor(TBorderStyle::bsDialog, 0, false) & Qt::WindowType_Mask,
            Qt::Dialog);

  // Staying on top is changed on a shown window, which stays shown where it was.
  form->Show();
  form->SetFormStyle(TFormStyle::fsStayOnTop);
  QWidget* window = desktop.WidgetOf(*form);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(form->Left(), form->Top()));
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "a single frame is not resizable";
}

class QtSessionEndTest : public QtFixture, public ::testing::WithParamInterface<int> {};

TEST_P(QtSessionEndTest, SignalEndsTheWaitingLoop) {
  std::raise(GetParam());
  EXPECT_THROW(desktop.WaitAndDispatch(), SessionEnd);
  EXPECT_THROW(desktop.WaitAndDispatch(), SessionEnd) << "every loop on the way out ends";
}

INSTANTIATE_TEST_SUITE_P(Signals, QtSessionEndTest, ::testing::Values(SIGTERM, SIGHUP));

TEST_F(QtDesktopTest, SessionManagersQuitEndsTheLoopWithoutClosingWindows) {
  form->Show();
  QEvent quit(QEvent::Quit);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
  EXPECT_THROW(desktop.WaitAndDispatch(), SessionEnd);
  EXPECT_EQ(form->Closes, 0);
  EXPECT_TRUE(desktop.WidgetOf(*form)->isVisible());
}

} // namespace
