#pragma once

// A small window on the Qt desktop, built the way the program builds its own: a label, a gauge,
// a progress bar, a button, a menu bar and a popup menu, with handlers that record what reached
// them. Every event the sink receives is also written down by name.

#include "qt/QtDesktop.h"
#include "ui/Application.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/Gauge.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"
#include "ui/TrayIcon.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class TTestForm : public TForm {
public:
  TLabel* Label1;
  TGauge* Gauge1;
  TProgressBar* ProgressBar1;
  TButton* Button1;
  TMainMenu* MainMenu1;
  TMenuItem *File1, *Open1, *N1, *Radio1, *Check1;
  TPopupMenu* PopupMenu1;
  TMenuItem *Alpha1, *Beta1;

  int Clicks = 0;
  int Closes = 0;
  std::vector<std::string> Chosen;

  explicit TTestForm(TComponent* owner) : TForm(owner) {
    SetName("TestForm");
    SetCaption("Test window");
    SetBorderStyle(TBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    TControl::SetBounds(120, 90, 310, 162);

    Label1 = Place(new TLabel(this), "Label1", 4, 2, 0, 0);
    Label1->SetCaption("Free &resources");
    Label1->SetFont(TFont{"ＭＳ Ｐゴシック", 20, true, clWindowText});
    Gauge1 = Place(new TGauge(this), "Gauge1", 10, 24, 289, 17);
    ProgressBar1 = Place(new TProgressBar(this), "ProgressBar1", 8, 48, 289, 16);
    Button1 = Place(new TButton(this), "Button1", 232, 112, 75, 25);
    Button1->SetCaption("&Go");
    Button1->OnClick = [this](TObject*) { ++Clicks; };
    OnClose = [this](TObject*, TCloseAction&) { ++Closes; };

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    File1 = Item(MainMenu1->Items(), "File1", "&File");
    Open1 = Item(*File1, "Open1", "&Open");
    N1 = Item(*File1, "N1", "-");
    Radio1 = Item(*File1, "Radio1", "&Radio");
    Radio1->SetRadioItem(true);
    Radio1->SetChecked(true);
    Check1 = Item(*File1, "Check1", "&Check");
    Check1->SetChecked(true);
    SetMenu(MainMenu1);

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    Alpha1 = Item(PopupMenu1->Items(), "Alpha1", "Alpha");
    Beta1 = Item(PopupMenu1->Items(), "Beta1", "Beta");
  }

private:
  template <class T>
  T* Place(T* control, const char* name, int left, int top, int width, int height) {
    control->SetName(name);
    control->SetParent(this);
    control->SetBounds(left, top, width, height);
    return control;
  }

  TMenuItem* Item(TMenuItem& parent, const char* name, const char* caption) {
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = [this, item](TObject*) { Chosen.push_back(item->Name()); };
    parent.Add(item);
    return item;
  }
};

// Writes down each event by kind and name, then hands it to the application.
class RecordingSink : public DesktopSink {
public:
  explicit RecordingSink(DesktopSink& next) : FNext(next) {}
  std::vector<std::string> Events;

  void TimerFired(TTimer& timer) override {
    Events.push_back("timer");
    FNext.TimerFired(timer);
  }
  void ControlClicked(TControl& control) override {
    Events.push_back("click " + control.Name());
    FNext.ControlClicked(control);
  }
  void MenuItemChosen(TMenuItem& item) override {
    Events.push_back("menu " + item.Name());
    FNext.MenuItemChosen(item);
  }
  void PopupDismissed(TPopupMenu& menu) override {
    Events.push_back("dismissed " + menu.Name());
    FNext.PopupDismissed(menu);
  }
  void CloseRequested(TForm& form) override {
    Events.push_back("close " + form.Name());
    FNext.CloseRequested(form);
  }
  void FormMoved(TForm& form, int left, int top) override {
    Events.push_back("moved " + form.Name());
    FNext.FormMoved(form, left, top);
  }
  void MinimizeRequested() override {
    Events.push_back("minimize");
    FNext.MinimizeRequested();
  }
  void RestoreRequested() override {
    Events.push_back("restore");
    FNext.RestoreRequested();
  }
  void TaskbarCloseRequested() override {
    Events.push_back("taskbar close");
    FNext.TaskbarCloseRequested();
  }
  void BoxClosed(int box) override {
    Events.push_back("box closed " + std::to_string(box));
    FNext.BoxClosed(box);
  }
  void TrayMouseEvent(TTrayIcon& icon, TrayMouse event, int x, int y) override {
    Events.push_back("tray");
    FNext.TrayMouseEvent(icon, event, x, y);
  }

private:
  DesktopSink& FNext;
};

class QtFixture : public ::testing::Test {
protected:
  void SetUp() override {
    app.CreateForm(form);
    desktop.SetSink(&sink);
  }

  template <class W> W* WidgetOf(const TControl& control) {
    return qobject_cast<W*>(desktop.WidgetOf(control));
  }

  // Everything that reaches the sink from what has happened so far: a click on the button is
  // posted to Qt behind it, and the events are dispatched until that click arrives.
  std::vector<std::string> Drain() {
    std::size_t first = sink.Events.size();
    auto* button = WidgetOf<QAbstractButton>(*form->Button1);
    QMetaObject::invokeMethod(
        button, [button] { button->click(); }, Qt::QueuedConnection);
    while (sink.Events.empty() || sink.Events.size() <= first ||
           sink.Events.back() != "click Button1")
      desktop.WaitAndDispatch();
    return {sink.Events.begin() + static_cast<std::ptrdiff_t>(first), sink.Events.end() - 1};
  }

  QtDesktop desktop;
  TApplication app{desktop};
  RecordingSink sink{app};
  TTestForm* form = nullptr;
};
