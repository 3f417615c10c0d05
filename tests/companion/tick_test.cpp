// The main loop on the virtual desktop: what a tick does on line and off line, the task slots
// across pause and resume, the alert reminder, and the tick count's wrap.
#include <gtest/gtest.h>

#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using testing::Harness;

constexpr const char* Reminder = "SystemAsterisk";

TEST(TickTest, OffLineTicksOnlyWatchTheWindowsAndBeginPlayStopsTheReminder) {
  Harness h("OffLineTicks");
  h.WriteIni("AlertTime=1\r\n");
  ASSERT_TRUE(h.Start());
  ASSERT_TRUE(h.program->rightClickControl("frmZ", "cmdBid"));  // reminder armed, 1 s
  for (int i = 0; i < 6; ++i) h.Tick();
  EXPECT_EQ(h.SoundsOf(Reminder), 0);
  EXPECT_EQ(h.app().counters.TickCounter, 0);
  // Pausing is ignored off line.
  cmdTimer_Click(h.app());
  EXPECT_EQ(h.app().flags.PauseStartTick, 0u);
  // On line, the start of the play stops the reminder.
  h.GoOnline();
  BeginPlay(h.app());
  for (int i = 0; i < 6; ++i) h.Tick();
  EXPECT_EQ(h.SoundsOf(Reminder), 0);
}

TEST(TickTest, TakeOverTickOnlySetsTheInterval) {
  Harness h("TakeOverTick");
  h.WriteIni("AlertTime=1\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.program->rightClickControl("frmZ", "cmdBid");  // the reminder is overdue at the take-over
  h.desktop.runFor(2000);
  app.frmZ.Timer1->setInterval(100);  // as the bidding board leaves it
  h.GoOnline();
  EXPECT_EQ(app.loop.OnlineState, Online);
  EXPECT_EQ(app.counters.TickCounter, 1);
  EXPECT_EQ(app.frmZ.Timer1->interval(), 500);
  EXPECT_EQ(h.SoundsOf(Reminder), 0);
  EXPECT_FALSE(app.loop.AlertMarkShown);
  h.Tick();
  EXPECT_EQ(h.SoundsOf(Reminder), 1);
  EXPECT_TRUE(app.loop.AlertMarkShown);
}

TEST(TickTest, ReminderComesAfterAlertTimeAndRepeatsUntilCaptureIsOn) {
  Harness h("Reminder");
  h.WriteIni("AlertTime=5\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.GoOnline();
  h.Tick();
  h.program->rightClickControl("frmZ", "cmdBid");
  EXPECT_FALSE(app.settings.autoCaptBid);
  EXPECT_FALSE(app.loop.slots.Armed(SlotBidCapture));
  for (int i = 0; i < 9; ++i) h.Tick();  // 4.5 s
  EXPECT_EQ(h.SoundsOf(Reminder), 0);
  h.Tick();
  h.Tick();  // past 5 s
  EXPECT_GE(h.SoundsOf(Reminder), 1);
  const int sounds = h.SoundsOf(Reminder);
  h.Tick();
  EXPECT_EQ(h.SoundsOf(Reminder), sounds + 1);
  // The red mark is on the window.
  const Image shown = h.program->formImage("frmZ");
  EXPECT_EQ(shown.at(170, 81), AlertMarkColor);
  h.program->rightClickControl("frmZ", "cmdBid");
  EXPECT_FALSE(app.loop.AlertMarkShown);
  EXPECT_NE(h.program->formImage("frmZ").at(170, 81), AlertMarkColor);
  h.Tick();
  h.Tick();
  EXPECT_EQ(h.SoundsOf(Reminder), sounds + 1);
}

TEST(TickTest, BidSwitchTwiceKeepsTheSlotsWithNewDueTimes) {
  Harness h("BidSwitchTwice");
  ASSERT_TRUE(h.Start());
  TaskSlots& slots = h.app().loop.slots;
  const TaskSlots before = slots;
  h.desktop.runFor(1234);
  h.program->rightClickControl("frmZ", "cmdBid");
  h.program->rightClickControl("frmZ", "cmdBid");
  EXPECT_EQ(slots.TaskArmed[SlotAlertReminder], before.TaskArmed[SlotAlertReminder]);
  EXPECT_EQ(slots.TaskArmed[SlotBidCapture], before.TaskArmed[SlotBidCapture]);
  EXPECT_EQ(slots.TaskDue[SlotBidCapture], before.TaskDue[SlotBidCapture] + 1234);
  // The menu item does the same as the right click.
  h.program->clickMenu("frmZ", "menuBid");
  EXPECT_FALSE(h.program->menuChecked("frmZ", "menuBid"));
  EXPECT_TRUE(slots.Armed(SlotAlertReminder));
}

TEST(TickTest, HandSwitchArmsTheTrickStepOnlyWhenCardsAreRead) {
  Harness h("HandSwitch");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.program->rightClickControl("frmZ", "cmdHand");  // off
  EXPECT_FALSE(app.loop.slots.Armed(SlotTrickStep));
  EXPECT_FALSE(app.frmZ.cmdHand->font().bold);
  h.program->rightClickControl("frmZ", "cmdHand");  // on, trick step not selected
  EXPECT_FALSE(app.loop.slots.Armed(SlotTrickStep));
  app.flags.trickStepCards = true;
  h.program->clickMenu("frmZ", "menuHand");
  h.program->clickMenu("frmZ", "menuHand");
  EXPECT_TRUE(app.loop.slots.Armed(SlotTrickStep));
  EXPECT_EQ(app.loop.slots.TaskDue[SlotTrickStep], h.desktop.now() + 1000);
  // A left click is no switch.
  h.program->clickControl("frmZ", "cmdHand");
  EXPECT_TRUE(app.settings.autoCaptHand);
}

TEST(TickTest, PhaseChangesArmTheirSlotsAndColours) {
  Harness h("Phases");
  h.WriteIni("WaitTime Hand=7\r\nWaitTime Bid=2\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  TaskSlots& slots = app.loop.slots;
  app.flags.trickStepCards = true;
  BeginPlay(app);
  const std::uint32_t now = h.desktop.now();
  EXPECT_FALSE(slots.Armed(SlotBidCapture));
  EXPECT_TRUE(slots.Armed(SlotTrickStep));
  EXPECT_EQ(slots.TaskDue[SlotTrickStep], now + 300);
  EXPECT_TRUE(slots.Armed(SlotLastHand));
  EXPECT_EQ(slots.TaskDue[SlotLastHand], now + 7000);
  EXPECT_EQ(app.frmZ.cmdHand->backColor(), ArmedColor);
  EXPECT_NE(app.frmZ.cmdBid->backColor(), ArmedColor);
  app.counters.MyTurnSeen = 1;  // the user's turn was seen during this deal's play
  BeginDeal(app);
  EXPECT_EQ(app.counters.MyTurnSeen, 0) << "a new deal watches for the user's turn again";
  EXPECT_TRUE(slots.Armed(SlotBidCapture));
  EXPECT_EQ(slots.TaskDue[SlotBidCapture], now + 2000);
  EXPECT_FALSE(slots.Armed(SlotTrickStep));
  EXPECT_FALSE(slots.Armed(SlotLastHand));
  EXPECT_EQ(app.frmZ.cmdBid->backColor(), ArmedColor);
}

TEST(TickTest, PauseKeepsTheTimeLeftOnSlotsOneToThree) {
  Harness h("PauseResume");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.GoOnline();
  TaskSlots& slots = app.loop.slots;
  std::uint32_t now = h.desktop.now();
  slots.Arm(SlotTrickStep, now, 700);
  slots.Arm(SlotLastHand, now, 5000);
  slots.Arm(SlotScore, now, -100);  // already overdue
  ASSERT_TRUE(h.program->clickControl("frmZ", "cmdTimer"));
  EXPECT_EQ(h.Caption("cmdTimer"), "0");
  EXPECT_TRUE(app.frmZ.cmdTimer->font().bold);
  EXPECT_FALSE(app.frmZ.remBox->visible());
  EXPECT_TRUE(app.frmZ.form->topmost());
  EXPECT_EQ(slots.TaskRemaining[SlotTrickStep], 700);
  EXPECT_EQ(slots.TaskRemaining[SlotScore], 0);
  for (int i = 0; i < 20; ++i) h.Tick();
  EXPECT_EQ(h.Caption("cmdTimer"), "10");
  EXPECT_EQ(app.counters.TickCounter, 1);  // paused ticks do not count
  now = h.desktop.now();
  ASSERT_TRUE(h.program->clickControl("frmZ", "cmdTimer"));
  EXPECT_EQ(h.Caption("cmdTimer"), "Pause");
  EXPECT_EQ(app.frmZ.cmdTimer->font().size, 10);
  EXPECT_TRUE(app.frmZ.cmdTimer->font().bold);  // a button once paused stays bold
  EXPECT_EQ(app.flags.PauseStartTick, 0u);
  EXPECT_EQ(slots.TaskDue[SlotTrickStep], now + 700);
  EXPECT_EQ(slots.TaskDue[SlotLastHand], now + 5000);
  EXPECT_EQ(slots.TaskDue[SlotScore], now);
  EXPECT_FALSE(app.frmZ.form->topmost());
}

TEST(TickTest, PauseRemindsAtTwoAndThreeMinutes) {
  Harness h("PauseReminder");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.GoOnline();
  h.program->clickControl("frmZ", "cmdTimer");
  const std::uint32_t start = app.flags.PauseStartTick;
  auto tickAt = [&](std::uint32_t ms) {
    h.desktop.runFor(start + ms - h.desktop.now());
    Timer1_Timer(app);
  };
  tickAt(119000);
  EXPECT_EQ(h.Caption("cmdTimer"), "119");
  EXPECT_EQ(h.SoundsOf(Reminder), 0);
  tickAt(120000);
  EXPECT_EQ(h.SoundsOf(Reminder), 1);
  EXPECT_TRUE(app.loop.AlertMarkShown);
  tickAt(121000);
  tickAt(179000);
  EXPECT_EQ(h.SoundsOf(Reminder), 1);
  tickAt(180000);
  EXPECT_EQ(h.SoundsOf(Reminder), 2);
  h.program->clickControl("frmZ", "cmdTimer");
  EXPECT_FALSE(app.loop.AlertMarkShown);
}

TEST(TickTest, TableLeftWhilePausedIsGivenUp) {
  Harness h("PausedOff");
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  h.program->clickControl("frmZ", "cmdTimer");
  h.desktop.destroyWindow(h.table);
  h.Tick();
  EXPECT_EQ(h.app().loop.OnlineState, WentOffline);
  EXPECT_EQ(h.app().flags.PauseStartTick, 0u);
  for (bool armed : h.app().loop.slots.TaskArmed) EXPECT_FALSE(armed);
  // At the next table the first click pauses again.
  EXPECT_EQ(h.Caption("cmdTimer"), "Pause");
  h.GoOnline();
  h.program->clickControl("frmZ", "cmdTimer");
  EXPECT_NE(h.app().flags.PauseStartTick, 0u);
}

TEST(TickTest, DueTimesSurviveTheTickCountWrap) {
  VirtualDesktopConfig config;
  config.startTick = 0xFFFFFFFFu - 60000u;
  Harness h("TickWrap", config);
  h.WriteIni("AlertTime=30\r\n");
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  h.Tick();
  h.desktop.runFor(0xFFFFFFFFu - 10000u - h.desktop.now());
  h.program->rightClickControl("frmZ", "cmdBid");  // due 20 s after the wrap
  for (int i = 0; i < 50; ++i) h.Tick();            // 25 s: across the wrap, not yet due
  EXPECT_LT(h.desktop.now(), 100000u);
  EXPECT_EQ(h.SoundsOf(Reminder), 0);
  for (int i = 0; i < 12; ++i) h.Tick();
  EXPECT_GE(h.SoundsOf(Reminder), 1);
}

TEST(TickTest, CountersAreClearedASecondAfterTheHand) {
  Harness h("CounterHide");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.GoOnline();
  app.windows.counter = CounterSide::Right;
  ScheduleCounterHide(app);
  h.Tick(400);
  EXPECT_EQ(app.windows.counter, CounterSide::Right);
  h.Tick(700);
  EXPECT_EQ(app.windows.counter, CounterSide::None);
  EXPECT_FALSE(app.loop.counterHideArmed);
}

TEST(TickTest, BusyStepsSkipTheTick) {
  Harness h("Busy");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  app.loop.busy.bidCapture = true;
  h.OpenTableWindow();
  h.Tick();
  EXPECT_EQ(app.loop.OnlineState, NeverOnline);
  app.loop.busy.bidCapture = false;
  app.loop.busy.MainMinimised = 1;
  h.Tick();
  EXPECT_EQ(app.loop.OnlineState, NeverOnline);
  app.loop.busy.MainMinimised = 0;
  h.Tick();
  EXPECT_EQ(app.loop.OnlineState, Online);
}

TEST(TaskSlotsTest, FreezeAndThawAcrossTheWrap) {
  TaskSlots slots;
  const std::uint32_t now = 0xFFFFFF00u;
  slots.Arm(SlotTrickStep, now, 700);  // due after the wrap
  slots.Arm(SlotLastHand, now - 50, 10);  // overdue
  slots.Freeze(now);
  EXPECT_EQ(slots.TaskRemaining[SlotTrickStep], 700);
  EXPECT_EQ(slots.TaskRemaining[SlotLastHand], 0);
  slots.Thaw(1000);
  EXPECT_EQ(slots.TaskDue[SlotTrickStep], 1700u);
  EXPECT_FALSE(slots.Due(SlotTrickStep, 1700));
  EXPECT_TRUE(slots.Due(SlotTrickStep, 1701));
  EXPECT_TRUE(IsPast(5, 0xFFFFFFF0u));
  EXPECT_FALSE(IsPast(0xFFFFFFF0u, 5));
}

}  // namespace
}  // namespace scorlet::companion
