// Playback on the recording desktop, whose Sleep only advances a virtual
// clock: what remains of a playback's time is the library's own overhead
// (worker thread, idle event, the actions' Execute and key synthesis) beyond
// the 200 ms pauses and the actions' own sleeps.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "macros/MacroAction.h"
#include "system/AtomicFile.h"
#include "system/Desktop.h"
#include "system/ProfileStore.h"
#include "system/RecordingDesktop.h"
#include "system/WriteBatch.h"

namespace corvane {
namespace {

constexpr int kActions = 50;

// A macro of 50 hot-key actions (Ctrl+Shift+letter), read from a file.
void LoadMacro(CMacroAction& macro) {
  std::string text = "[M]\r\nID=1\r\nCount=" + std::to_string(kActions) + "\r\n";
  for (int a = 1; a <= kActions; ++a) {
    char section[160];
    std::snprintf(section, sizeof section, "[M.%02d]\r\nType=3\r\nCtrl=1\r\nShift=1\r\nAlt=0\r\nchar=%d\r\n", a,
                  'A' + a % 26);
    text += section;
  }
  const std::string file =
      (std::filesystem::temp_directory_path() / ("corvane-playback-" + std::to_string(::getpid()) + ".tmp")).string();
  ReplaceFileContent(file, text);
  {
    WriteBatch batch;
    macro.ReadContainer(CString(file.c_str()), CString("M"));
  }
  std::remove(file.c_str());
}

void MacroPlaybackOverhead(benchmark::State& state) {
  RecordingDesktop desktop;
  desktop.SetRecordLimit(1000);
  ScopedDesktopBackend use(desktop);
  CMacroAction macro;
  LoadMacro(macro);
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    macro.Play(nullptr);
    while (!macro.IsIdle()) std::this_thread::yield();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  state.counters["actions"] = kActions;
  state.counters["per_action"] = seconds / static_cast<double>(state.iterations() * kActions);
  state.counters["limit_per_action"] = 0.001;
}
BENCHMARK(MacroPlaybackOverhead)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same actions run one after another on this thread, without the worker
// thread and the pauses.
void MacroPlaybackOverhead_Baseline(benchmark::State& state) {
  RecordingDesktop desktop;
  desktop.SetRecordLimit(1000);
  ScopedDesktopBackend use(desktop);
  CMacroAction macro;
  LoadMacro(macro);
  for (auto _ : state) benchmark::DoNotOptimize(macro.ExecuteAll());
}
BENCHMARK(MacroPlaybackOverhead_Baseline)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
