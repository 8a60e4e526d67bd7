#pragma once

// A headless desktop and an application object per test, with scripted user input and a small
// window built the way the program builds its own.

#include "headless/HeadlessDesktop.h"
#include "ui/Application.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/Gauge.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"
#include "ui/TrayIcon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

// User input for whichever loop waits next: one step per call, a session end when none is left.
class ScriptedInput : public HeadlessInput {
public:
  using Step = std::function<void(HeadlessDesktop&)>;
  void Add(Step step) { FSteps.push_back(std::move(step)); }
  bool Empty() const { return FSteps.empty(); }
  void Next(HeadlessDesktop& desktop) override {
    if (FSteps.empty()) throw SessionEnd();
    Step step = std::move(FSteps.front());
    FSteps.pop_front();
    step(desktop);
  }

private:
  std::deque<Step> FSteps;
};

// A window with a label, a button, a gauge, a timer and a menu bar; handlers are set per test.
class TTestForm : public TForm {
public:
  // Runs at the end of the constructor, as the designer's settings would; tests set it before
  // CreateForm so that OnCreate and DesignVisible are in place when the window is loaded.
  static inline std::function<void(TTestForm&)> Design;

  TLabel* Label1;
  TButton* Button1;
  TGauge* Gauge1;
  TTimer* Timer1;
  TMainMenu* MainMenu1;
  TMenuItem* File1;

  explicit TTestForm(TComponent* owner) : TForm(owner) {
    SetName("TestForm");
    SetCaption("Test window");
    TControl::SetBounds(100, 80, 300, 150);
    Label1 = Place(new TLabel(this), "Label1");
    Label1->SetCaption("&Free");
    Button1 = Place(new TButton(this), "Button1");
    Button1->SetCaption("OK");
    Gauge1 = Place(new TGauge(this), "Gauge1");
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    File1 = new TMenuItem(this);
    File1->SetName("File1");
    File1->SetCaption("&File");
    MainMenu1->Items().Add(File1);
    SetMenu(MainMenu1);
    if (Design) Design(*this);
  }

private:
  template <typename T> T* Place(T* control, const std::string& name) {
    control->SetName(name);
    control->SetParent(this);
    return control;
  }
};

class UiTest : public ::testing::Test {
protected:
  UiTest() : desktop(&trace), app(desktop) {
    desktop.SetInput(&input);
    app.SetTitle("Velmora");
  }
  ~UiTest() override { TTestForm::Design = nullptr; }

  // A test window of that name, created by the application (the first one is the main window)
  // and shown on creation unless asked otherwise.
  TTestForm* MakeForm(const std::string& name, bool show = true,
                      std::function<void(TTestForm&)> design = nullptr) {
    TTestForm::Design = [&](TTestForm& form) {
      form.SetName(name);
      form.DesignVisible = show;
      if (design) design(form);
    };
    TTestForm* form = nullptr;
    app.CreateForm(form);
    TTestForm::Design = nullptr;
    return form;
  }

  // Queues user input.
  void Step(ScriptedInput::Step step) { input.Add(std::move(step)); }
  void Wait(std::int64_t ms) {
    Step([ms](HeadlessDesktop& d) { d.UserWait(ms); });
  }
  void Ok() {
    Step([](HeadlessDesktop& d) { d.UserOk(); });
  }
  void Click(TControl& control, const std::string& what) {
    Step([&control, what](HeadlessDesktop& d) { d.UserClick(control, what); });
  }

  // Dispatches events until the queued input is used up. The test is the outermost loop, so the
  // application is not terminated and the next phase of a test can queue more input.
  void Pump() {
    try {
      for (;;)
        desktop.WaitAndDispatch();
    } catch (const SessionEnd&) {
    }
  }

  // The trace lines written since the last call.
  std::vector<std::string> TakeTrace() {
    std::vector<std::string> lines;
    std::istringstream in(trace.str());
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    trace.str("");
    return lines;
  }

  std::ostringstream trace;
  HeadlessDesktop desktop;
  ScriptedInput input;
  TApplication app;
};

// The error box as the trace shows it at a virtual time.
inline std::string ErrorBox(std::int64_t at, const std::string& text) {
  return std::to_string(at) + " box \"Velmora\" " + Quoted(text) + " 0x0010";
}
