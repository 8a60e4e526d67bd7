#include "UiFixture.h"

namespace {

class ControlsTest : public UiTest {
protected:
  void SetUp() override { form = MakeForm("MainForm"); }
  TTestForm* form = nullptr;
};

TEST_F(ControlsTest, AGaugeClampsItsProgressAndShowsThePercentDone) {
  struct Case {
    int min, max, set;
    int progress;
    const char* text;
  };
  const Case cases[] = {
      {0, 100, 42, 42, "42%"},   {0, 100, 150, 100, "100%"}, {0, 100, -5, 0, "0%"},
      {0, 200, 50, 50, "25%"},   {0, 3, 1, 1, "33%"},        {-50, 50, 0, 0, "50%"},
      {-50, 50, -80, -50, "0%"}, {10, 20, 20, 20, "100%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.min) + ".." + std::to_string(c.max) + " set " +
                 std::to_string(c.set));
    TGauge gauge(nullptr);
    gauge.SetMaxValue(c.max);
    gauge.SetMinValue(c.min);
    gauge.SetProgress(c.set);
    EXPECT_EQ(gauge.Progress(), c.progress);
    EXPECT_EQ(gauge.Text(), c.text);
  }
}

TEST_F(ControlsTest, ALabelShowsDoubledAmpersandsOnceAndTakesTheMarkedAccelerator) {
  struct Case {
    const char* caption;
    const char* shown;
    char accelerator;
  };
  const Case cases[] = {
      {"&File", "File", 'f'}, {"Save && Exit", "Save & Exit", 0},
      {"&&&Go", "&Go", 'g'},  {"E&xit", "Exit", 'x'},
      {"Plain", "Plain", 0},  {"Trailing&", "Trailing", 0},
      {"&設定", "設定", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    form->Label1->SetCaption(c.caption);
    EXPECT_EQ(form->Label1->DisplayText(), c.shown);
    EXPECT_EQ(form->Label1->Accelerator(), c.accelerator);
    // An auto-sized label measures what it shows, not the marks.
    EXPECT_EQ(form->Label1->Width(), desktop.TextWidth(form->Label1->Font(), c.shown));
  }
}

TEST_F(ControlsTest, ATrayTipKeeps63BytesWithoutSplittingACharacter) {
  const std::string a = "あ"; // three bytes
  struct Case {
    const char* name;
    std::string hint;
    std::string tip;
  };
  const Case cases[] = {
      {"70 ASCII bytes", std::string(70, 'x'), std::string(63, 'x')},
      {"exactly 63 bytes", std::string(63, 'x'), std::string(63, 'x')},
      {"a character over bytes 62..64", std::string(62, 'x') + a + "yz", std::string(62, 'x')},
      {"a character over bytes 61..63", std::string(61, 'x') + a + "yz", std::string(61, 'x')},
      {"a character ending at byte 62", std::string(60, 'x') + a + "yz", std::string(60, 'x') + a},
      {"short Japanese text", "空き 80%", "空き 80%"},
  };
  TTrayIcon* tray = new TTrayIcon(form);
  tray->Loaded();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8Prefix(c.hint, TTrayIcon::TipBytes), c.tip);
    tray->SetHint(c.hint);
    EXPECT_EQ(tray->Tip(), c.tip);
    EXPECT_EQ(desktop.TrayTip(), c.tip);
  }
}

} // namespace
