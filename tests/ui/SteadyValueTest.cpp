#include "UiFixture.h"

namespace {

using SteadyValueTest = UiTest;

// Each case sets a property to the value it already has, which must reach the desktop as
// nothing, then to another value, which must reach it (so the count is known to be watched).
TEST_F(SteadyValueTest, APropertySetToItsCurrentValueSendsNothingToTheDesktop) {
  struct Case {
    const char* name;
    std::function<void(TTestForm&)> prepare;
    std::function<void(TTestForm&)> same;
    std::function<void(TTestForm&)> other;
  };
  const auto gaugeAt = [](int progress) {
    return [progress](TTestForm& f) { f.Gauge1->SetProgress(progress); };
  };
  const Case cases[] = {
      {"form caption", nullptr, [](TTestForm& f) { f.SetCaption("Test window"); },
       [](TTestForm& f) { f.SetCaption("Other"); }},
      {"label caption", nullptr, [](TTestForm& f) { f.Label1->SetCaption("&Free"); },
       [](TTestForm& f) { f.Label1->SetCaption("&Used"); }},
      {"visible", nullptr, [](TTestForm& f) { f.SetVisible(true); },
       [](TTestForm& f) { f.SetVisible(false); }},
      {"left", nullptr, [](TTestForm& f) { f.SetLeft(100); }, [](TTestForm& f) { f.SetLeft(101); }},
      {"gauge progress", gaugeAt(40), gaugeAt(40), gaugeAt(41)},
      {"gauge progress clamped to the maximum it is at", gaugeAt(100), gaugeAt(250), gaugeAt(99)},
      {"gauge progress clamped to the minimum it is at", nullptr, gaugeAt(-5), gaugeAt(1)},
      {"menu item caption", nullptr, [](TTestForm& f) { f.File1->SetCaption("&File"); },
       [](TTestForm& f) { f.File1->SetCaption("&Fichier"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestForm* form = MakeForm(c.name);
    if (c.prepare) c.prepare(*form);
    int before = desktop.ChangeCount();
    c.same(*form);
    EXPECT_EQ(desktop.ChangeCount(), before);
    c.other(*form);
    EXPECT_GT(desktop.ChangeCount(), before);
  }
}

TEST_F(SteadyValueTest, ATrayHintSetToTheSameTextSendsNoTrayModify) {
  TTrayIcon* tray = nullptr;
  MakeForm("MainForm", true, [&](TTestForm& f) { tray = new TTrayIcon(&f); });
  tray->SetHint("Free 80%");
  ASSERT_EQ(desktop.TrayModifyCount(), 1);
  tray->SetHint("Free 80%");
  EXPECT_EQ(desktop.TrayModifyCount(), 1);
  tray->SetHint("Free 79%");
  EXPECT_EQ(desktop.TrayModifyCount(), 2);
  EXPECT_EQ(desktop.TrayTip(), "Free 79%");
}

} // namespace
