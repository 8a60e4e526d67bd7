#include "UiFixture.h"

#include <stdexcept>

using ::testing::ElementsAre;

namespace {

class GuardTest : public UiTest {
protected:
  void SetUp() override {
    form = MakeForm("MainForm");
    TakeTrace();
  }
  TTestForm* form = nullptr;
};

TEST_F(GuardTest, AFailingHandlerShowsTheErrorBoxSkipsItsRestAndTheNextTickRuns) {
  int entered = 0, completed = 0;
  form->Timer1->SetInterval(100);
  form->Timer1->SetOnTimer([&](TObject*) {
    ++entered;
    if (entered == 1) throw Exception("Disk full");
    if (entered == 2) throw std::runtime_error("bad reading");
    ++completed;
  });
  Wait(100);
  Ok();
  Wait(100);
  Ok();
  Wait(100);
  Pump();
  EXPECT_THAT(TakeTrace(), ElementsAre(ErrorBox(100, "Disk full."), "100 box closed",
                                       ErrorBox(200, "bad reading."), "200 box closed"));
  EXPECT_EQ(entered, 3);
  EXPECT_EQ(completed, 1);
}

TEST_F(GuardTest, TheErrorBoxEndsTheMessageWithAFullStopUnlessItHasOne) {
  const std::pair<std::string, std::string> cases[] = {
      {"Disk full", "Disk full."},
      {"範囲ﾁｪｯｸｴﾗｰ", "範囲ﾁｪｯｸｴﾗｰ."},
      {"Stopped.", "Stopped."},
  };
  for (const auto& [message, shown] : cases) {
    SCOPED_TRACE(message);
    Ok();
    app.Guarded([&] { throw Exception(message); });
    EXPECT_THAT(TakeTrace(), ElementsAre(ErrorBox(0, shown), "0 box closed"));
  }
}

TEST_F(GuardTest, AnIdenticalErrorBoxIsNotStackedButADifferentOneIs) {
  form->Timer1->SetInterval(100);
  form->Timer1->SetOnTimer([](TObject*) { throw Exception("Disk full"); });
  TTimer* sensor = new TTimer(form);
  sensor->SetInterval(150);
  sensor->SetOnTimer([sensor](TObject*) {
    sensor->SetEnabled(false);
    throw Exception("Sensor lost");
  });
  // At 200 the identical box is open beneath the other one: still not stacked.
  Wait(250);
  Ok();
  Ok();
  Pump();
  EXPECT_THAT(TakeTrace(), ElementsAre(ErrorBox(100, "Disk full."), ErrorBox(150, "Sensor lost."),
                                       "250 box closed", "250 box closed"));
  EXPECT_FALSE(app.BoxOpen());
}

TEST_F(GuardTest, AMessageBoxFromATimerKeepsItFiringAndTheHandlerGoesOnAfterOk) {
  std::vector<std::string> log;
  int entered = 0;
  form->Timer1->SetInterval(100);
  form->Timer1->SetOnTimer([&](TObject*) {
    log.push_back("tick " + std::to_string(desktop.Now()));
    if (++entered != 1) return;
    app.MessageBox("Low memory", "Velmora", MB_OK | MB_ICONEXCLAMATION);
    log.push_back("after box " + std::to_string(desktop.Now()));
  });
  Wait(350);
  Ok();
  Wait(100);
  Pump();
  EXPECT_THAT(log, ElementsAre("tick 100", "tick 200", "tick 300", "after box 350", "tick 400"));
  EXPECT_THAT(TakeTrace(),
              ElementsAre("100 box \"Velmora\" \"Low memory\" 0x0030", "350 box closed"));
}

TEST_F(GuardTest, WindowsTakeNoInputWhileAMessageBoxIsOpen) {
  int clicks = 0;
  form->Button1->OnClick = [&](TObject*) { ++clicks; };
  Step([this](HeadlessDesktop&) { app.MessageBox("Hello", "Velmora", MB_OK); });
  Click(*form->Button1, "click MainForm.Button1");
  Ok();
  Click(*form->Button1, "click MainForm.Button1");
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_THAT(TakeTrace(), ElementsAre("0 box \"Velmora\" \"Hello\" 0x0000",
                                       "0 dropped click MainForm.Button1", "0 box closed"));
}

} // namespace
