#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "MacroFixture.h"
#include "actions/ActionHotKey.h"
#include "corvane/Corvane.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;
using namespace std::chrono_literals;

// Waits for the end of the macro's playback.
void WaitIdle(CMacroAction& macro) { ASSERT_EQ(WaitForSingleObject(macro.m_hIdleEvent, INFINITE), WAIT_OBJECT_0); }

TEST_F(MacroTest, ThreeActionsRunInOrderEach200MsAfterThePrevious) {
  CMacroAction macro;
  for (int tag : {1, 2, 3}) macro.Add(new Probe(tag));
  macro.Play(nullptr);
  WaitIdle(macro);
  EXPECT_EQ(Trace(), (Strings{"@0 sleep 200", "@200 run 1 hwnd 20816", "@200 sleep 200", "@400 run 2 hwnd 20816",
                              "@400 sleep 200", "@600 run 3 hwnd 20816"}));
  EXPECT_EQ(macro.m_pThread, nullptr);
  EXPECT_EQ(macro.m_hTargetWnd, nullptr);
}

TEST_F(MacroTest, ThePauseComesOnTopOfTheActionsOwnTime) {
  CMacroAction macro;
  macro.Add(new Probe(1, 300));
  macro.Add(new Probe(2, 300));
  macro.Play(nullptr);
  WaitIdle(macro);
  EXPECT_EQ(Trace(), (Strings{"@0 sleep 200", "@200 run 1 hwnd 20816", "@200 sleep 300", "@500 sleep 200",
                              "@700 run 2 hwnd 20816", "@700 sleep 300"}));
  EXPECT_EQ(desktop.Now(), 1000u);
}

TEST_F(MacroTest, NoActiveWindowPlaysNothingAndLeavesTheMacroIdle) {
  desktop.SetActive(nullptr);
  CMacroAction macro;
  macro.Add(new Probe(1));
  macro.Play(nullptr);
  macro.Play(nullptr);  // not blocked by the first
  WaitIdle(macro);
  EXPECT_TRUE(Trace().empty());
  desktop.SetActive(WindowFromNumber(kActive));
  macro.Play(nullptr);
  WaitIdle(macro);
  EXPECT_EQ(Trace(), (Strings{"@0 sleep 200", "@200 run 1 hwnd 20816"}));
}

// An action that takes real time, so that overlapping playbacks would mix
// their entries in the log.
class SlowProbe : public Probe {
 public:
  SlowProbe(int tag, std::mutex& mutex, std::vector<int>& log) : Probe(tag), m_mutex(mutex), m_log(log) {}
  int Execute(HWND) override {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_log.push_back(m_tag);
    }
    std::this_thread::sleep_for(3ms);
    return 1;
  }
  std::mutex& m_mutex;
  std::vector<int>& m_log;
};

TEST_F(MacroTest, PlayWhilePlayingWaitsAndPlaysAgainAfterwards) {
  std::mutex mutex;
  std::vector<int> log;
  CMacroAction macro;
  for (int tag : {1, 2, 3}) macro.Add(new SlowProbe(tag, mutex, log));
  macro.Play(nullptr);
  macro.Play(nullptr);  // returns only once the first playback has ended
  {
    std::lock_guard<std::mutex> lock(mutex);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(std::vector<int>(log.begin(), log.begin() + 3), (std::vector<int>{1, 2, 3}));
  }
  WaitIdle(macro);
  EXPECT_EQ(log, (std::vector<int>{1, 2, 3, 1, 2, 3}));
}

// An action that holds the playback until the test lets it go.
class GateProbe : public Probe {
 public:
  GateProbe(std::atomic<bool>& entered, std::atomic<bool>& release, std::atomic<bool>& finished, int& deaths)
      : Probe(1), m_entered(entered), m_release(release), m_finished(finished), m_deaths(deaths) {}
  ~GateProbe() override { ++m_deaths; }
  int Execute(HWND) override {
    m_entered = true;
    while (!m_release) std::this_thread::sleep_for(1ms);
    m_finished = true;
    return 1;
  }
  std::atomic<bool>& m_entered;
  std::atomic<bool>& m_release;
  std::atomic<bool>& m_finished;
  int& m_deaths;
};

bool WaitFor(const std::atomic<bool>& flag) {
  for (int i = 0; i < 10000 && !flag; ++i) std::this_thread::sleep_for(1ms);
  return flag;
}

TEST_F(MacroTest, DeletingAPlayingMacroBlocksUntilThePlaybackEnds) {
  std::atomic<bool> entered{false}, release{false}, finished{false}, deleted{false};
  int deaths = 0;
  void* macro = ACTCreateContainer(18);
  ACTAdd(macro, new GateProbe(entered, release, finished, deaths));
  ACTPlay(macro, nullptr);
  ASSERT_TRUE(WaitFor(entered));

  std::thread deleter([&] {
    ACTDeleteContainer(macro);
    deleted = true;
  });
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(deleted.load());
  release = true;
  deleter.join();
  EXPECT_TRUE(finished.load());
  EXPECT_EQ(deaths, 1);  // the action went with the macro, after it had run
}

TEST_F(MacroTest, DeletingAPlayingActionListBlocksToo) {
  std::atomic<bool> entered{false}, release{false}, finished{false}, deleted{false};
  int deaths = 0;
  auto* list = new CActList;
  list->Add(new GateProbe(entered, release, finished, deaths));
  list->Play(nullptr);
  ASSERT_TRUE(WaitFor(entered));
  std::thread deleter([&] {
    delete list;
    deleted = true;
  });
  std::this_thread::sleep_for(20ms);
  EXPECT_FALSE(deleted.load());
  release = true;
  deleter.join();
  EXPECT_EQ(deaths, 1);
}

TEST_F(MacroTest, AThreadThatCannotStartLeavesTheMacroIdle) {
  CMacroAction macro;
  macro.Add(new Probe(1));
  SetThreadStartFailureForTesting(true);
  macro.Play(nullptr);
  SetThreadStartFailureForTesting(false);
  EXPECT_TRUE(macro.IsIdle());
  EXPECT_EQ(macro.m_pThread, nullptr);
  EXPECT_EQ(macro.m_hTargetWnd, nullptr);
  EXPECT_TRUE(Trace().empty());
  macro.Play(nullptr);  // and it plays again
  WaitIdle(macro);
  EXPECT_EQ(Trace().size(), 2u);
}

TEST_F(MacroTest, DifferentMacrosPlayAtTheSameTime) {
  std::atomic<bool> entered{false}, release{false}, finished{false};
  int deaths = 0;
  CMacroAction held;
  held.Add(new GateProbe(entered, release, finished, deaths));
  held.Play(nullptr);
  ASSERT_TRUE(WaitFor(entered));
  CMacroAction other;
  other.Add(new Probe(7));
  other.Play(nullptr);  // not blocked by the other macro
  WaitIdle(other);
  EXPECT_FALSE(finished.load());
  release = true;
  WaitIdle(held);
}

TEST_F(MacroTest, PlaybackSkipsChildrenThatAreNotActions) {
  CMacroAction macro;
  macro.Add(new Probe(1));
  macro.Add(new CMacroAction);  // a host may put anything in
  macro.Add(new Probe(3));
  macro.Play(nullptr);
  WaitIdle(macro);
  EXPECT_EQ(Trace(), (Strings{"@0 sleep 200", "@200 run 1 hwnd 20816", "@200 sleep 200", "@400 sleep 200",
                              "@600 run 3 hwnd 20816"}));
  EXPECT_EQ(macro.ExecuteAll(), 3);
}

TEST_F(MacroTest, ExecuteAllRunsEverythingAtOnceWithoutAWindow) {
  CMacroAction macro;
  EXPECT_EQ(macro.ExecuteAll(), 0);
  macro.Add(new Probe(4));
  macro.Add(new Probe(5));
  EXPECT_EQ(macro.ExecuteAll(), 5);
  EXPECT_EQ(Trace(), (Strings{"@0 run 4 hwnd 0", "@0 run 5 hwnd 0"}));
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// The typical event end to end: the host plays a macro of two real hot keys
// and waits for the end by deleting it.
TEST_F(MacroTest, HostPlaysHotKeysWithTheirOwnTimingOnTopOfThePauses) {
  void* macro = ACTCreateContainer(18);
  for (BYTE key : {BYTE{'S'}, BYTE{'W'}}) {
    auto* hotKey = new CActionHotKey;
    hotKey->m_bCtrl = 1;
    hotKey->m_cKey = key;
    ACTAdd(macro, hotKey);
  }
  ACTPlay(macro, nullptr);
  ACTDeleteContainer(macro);

  std::vector<std::string> presses;
  for (const auto& call : desktop.Calls())
    if (call.fn == "keybd_event" && !(call.Number("flags") & KEYEVENTF_KEYUP))
      presses.push_back("@" + std::to_string(call.t) + " " + std::to_string(call.Number("vk")));
  EXPECT_EQ(presses, (Strings{"@200 17", "@200 83", "@700 17", "@700 87"}));
  EXPECT_TRUE(desktop.AllReleased());
  EXPECT_EQ(desktop.Now(), 1000u);  // two pauses of 200 ms and two hot keys of 300 ms
}

}  // namespace
}  // namespace corvane
