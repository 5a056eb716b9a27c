// Playback overhead: a whole playback of a macro (Play, the worker thread,
// the pause before each action, the idle event) against the least the same
// work needs (one thread that makes the same pauses and calls), both on the
// recording desktop, whose pauses cost nothing.  Times are the process's
// CPU time, both threads included.
#include <benchmark/benchmark.h>

#include <thread>
#include <vector>

#include "actions/Action.h"
#include "macros/MacroAction.h"
#include "system/Desktop.h"
#include "system/RecordingDesktop.h"
#include "system/Thread.h"

namespace corvane {
namespace {

constexpr int kActions = 20;

class NullAction : public CAction {
 public:
  int Execute(HWND) override { return 1; }
};

struct Recording {
  Recording() { desktop.SetRecordLimit(256); desktop.SetActive(WindowFromNumber(0x10)); }
  RecordingDesktop desktop;
  ScopedDesktopBackend scope{desktop};
};

void MacroPlayback(benchmark::State& state) {
  Recording recording;
  CMacroAction macro;
  for (int i = 0; i < kActions; ++i) macro.Add(new NullAction);
  for (auto _ : state) {
    macro.Play(nullptr);
    WaitForSingleObject(macro.m_hIdleEvent, INFINITE);
  }
  state.SetItemsProcessed(state.iterations() * kActions);
  // A playback is a thread start and a handful of wake-ups; several times
  // the bare thread would mean needless waiting or copying on the way.
  state.counters["goal"] = 4;
}

void MacroPlayback_Baseline(benchmark::State& state) {
  Recording recording;
  std::vector<CAction*> actions;
  for (int i = 0; i < kActions; ++i) actions.push_back(new NullAction);
  const HWND window = GetActiveWindow();
  for (auto _ : state) {
    std::thread worker([&] {
      for (CAction* action : actions) {
        Sleep(kMacroActionPause);
        action->Execute(window);
      }
    });
    worker.join();
  }
  for (CAction* action : actions) delete action;
  state.SetItemsProcessed(state.iterations() * kActions);
}

BENCHMARK(MacroPlayback)->MeasureProcessCPUTime();
BENCHMARK(MacroPlayback_Baseline)->MeasureProcessCPUTime();

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
