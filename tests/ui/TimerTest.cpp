#include "UiFixture.h"

#include <array>
#include <optional>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class TimerTest : public UiTest {
protected:
  void SetUp() override { form = MakeForm("MainForm"); }

  // Starts Timer1 with the interval; each tick records the virtual time it ran at.
  void StartTimer1(std::uint32_t interval) {
    form->Timer1->SetInterval(interval);
    form->Timer1->SetOnTimer([this](TObject*) { ticks.push_back(desktop.Now()); });
  }

  TTestForm* form = nullptr;
  std::vector<std::int64_t> ticks;
};

TEST_F(TimerTest, AnIntervalOfZeroNeverFires) {
  StartTimer1(0);
  Wait(10000);
  Pump();
  EXPECT_THAT(ticks, IsEmpty());
  EXPECT_FALSE(form->Timer1->Running());
}

TEST_F(TimerTest, AnIntervalSetToZeroStopsARunningTimer) {
  StartTimer1(100);
  Wait(250);
  Step([this](HeadlessDesktop& d) {
    form->Timer1->SetInterval(0);
    d.UserWait(1000);
  });
  Pump();
  EXPECT_THAT(ticks, ElementsAre(100, 200));
}

TEST_F(TimerTest, ANewIntervalRestartsThePeriodFromTheChange) {
  StartTimer1(100);
  Wait(250);
  Step([this](HeadlessDesktop& d) {
    form->Timer1->SetInterval(300);
    d.UserWait(700);
  });
  Pump();
  EXPECT_THAT(ticks, ElementsAre(100, 200, 550, 850));
}

TEST_F(TimerTest, ANewIntervalSetInsideItsOwnHandlerCountsFromThatTick) {
  form->Timer1->SetInterval(100);
  form->Timer1->SetOnTimer([this](TObject*) {
    ticks.push_back(desktop.Now());
    form->Timer1->SetInterval(250);
  });
  Wait(700);
  Pump();
  EXPECT_THAT(ticks, ElementsAre(100, 350, 600));
}

TEST_F(TimerTest, SettingTheSameIntervalDoesNotRestartThePeriod) {
  StartTimer1(100);
  Wait(50);
  Step([this](HeadlessDesktop& d) {
    form->Timer1->SetInterval(100);
    d.UserWait(200);
  });
  Pump();
  EXPECT_THAT(ticks, ElementsAre(100, 200));
}

TEST_F(TimerTest, DisablingStopsItAndEnablingStartsAFullPeriod) {
  StartTimer1(100);
  Wait(150);
  Step([this](HeadlessDesktop& d) {
    form->Timer1->SetEnabled(false);
    d.UserWait(250);
  });
  Step([this](HeadlessDesktop& d) {
    form->Timer1->SetEnabled(true);
    d.UserWait(100);
  });
  Pump();
  EXPECT_THAT(ticks, ElementsAre(100, 500));
}

// The timers are created in the reverse of their order in memory and started in yet another
// order, so neither the address nor the start decides who fires first at a shared moment.
TEST_F(TimerTest, TimersDueAtTheSameMomentFireInCreationOrder) {
  std::array<std::optional<TTimer>, 3> timers;
  const std::array<std::uint32_t, 3> intervals = {300, 150, 100};
  for (int i = 2; i >= 0; --i)
    timers[i].emplace(nullptr);
  std::vector<std::string> fired;
  for (int i : {1, 0, 2}) {
    timers[i]->SetInterval(intervals[i]);
    timers[i]->SetOnTimer(
        [&, i](TObject*) { fired.push_back(std::to_string(desktop.Now()) + ":" + char('A' + i)); });
  }
  Wait(300);
  Pump();
  EXPECT_THAT(fired, ElementsAre("100:C", "150:B", "200:C", "300:C", "300:B", "300:A"));
}

} // namespace
