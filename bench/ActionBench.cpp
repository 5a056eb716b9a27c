// Actions: loading many from a profile file and playing one on the recording
// desktop, each against the plain work it cannot avoid.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "actions/ActionHotKey.h"
#include "system/AtomicFile.h"
#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/RecordingDesktop.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

constexpr int kActions = 500;

std::string SectionName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "Macro.%02d", i);
  return name;
}

fs::path BenchFolder() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / ("corvane-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(path);
    return path;
  }();
  return folder;
}

// kActions hot-key sections, as a macro of that many actions stores them.
const std::string& HotKeyFile() {
  static const std::string path = [] {
    const fs::path folder = BenchFolder();
    std::string text;
    for (int i = 1; i <= kActions; ++i) {
      text += "[" + SectionName(i) + "]\r\nAlias=Action " + std::to_string(i) +
              "\r\nType=3\r\nExtraType=0\r\nCtrl=1\r\nAlt=0\r\nShift=" + std::to_string(i % 2) + "\r\nchar=" +
              std::to_string(65 + i % 26) + "\r\n\r\n";
    }
    std::string file = (folder / "hotkeys.tmp").string();
    ReplaceFileContent(file, text);
    return file;
  }();
  return path;
}

// The profile reads a hot key's loading cannot avoid: one for each key.
void ActionLoadHotKeys_Baseline(benchmark::State& state) {
  const std::string& file = HotKeyFile();
  char buffer[512];
  for (auto _ : state) {
    int sum = 0;
    for (int i = 1; i <= kActions; ++i) {
      const std::string section = SectionName(i);
      GetPrivateProfileStringA(section.c_str(), "Alias", "", buffer, sizeof buffer, file.c_str());
      sum += static_cast<int>(GetPrivateProfileIntA(section.c_str(), "ExtraType", 0, file.c_str()));
      sum += static_cast<int>(GetPrivateProfileIntA(section.c_str(), "Ctrl", 0, file.c_str()));
      sum += static_cast<int>(GetPrivateProfileIntA(section.c_str(), "Alt", 0, file.c_str()));
      sum += static_cast<int>(GetPrivateProfileIntA(section.c_str(), "Shift", 0, file.c_str()));
      sum += static_cast<int>(GetPrivateProfileIntA(section.c_str(), "char", 65, file.c_str()));
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(ActionLoadHotKeys_Baseline)->Unit(benchmark::kMicrosecond);

void ActionLoadHotKeys(benchmark::State& state) {
  const CString file = HotKeyFile().c_str();
  for (auto _ : state) {
    for (int i = 1; i <= kActions; ++i) {
      CActionHotKey action;
      action.ReadContainer(file, SectionName(i).c_str());
      benchmark::DoNotOptimize(action.m_cKey);
    }
  }
  state.counters["goal"] = 1.5;
}
BENCHMARK(ActionLoadHotKeys)->Unit(benchmark::kMicrosecond);

// The desktop calls a Ctrl+Shift+S hot key makes, made directly.
void ActionPlayHotKey_Baseline(benchmark::State& state) {
  RecordingDesktop desktop;
  desktop.SetRecordLimit(4096);
  ScopedDesktopBackend scope(desktop);
  for (auto _ : state) {
    HWND window = GetForegroundWindow();
    SetForegroundWindow(window);
    for (BYTE vk : {VK_CONTROL, VK_SHIFT, BYTE('S')}) keybd_event(vk, 0, 0, 0);
    for (BYTE vk : {VK_CONTROL, VK_SHIFT, BYTE('S')}) keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
    Sleep(300);
  }
}
BENCHMARK(ActionPlayHotKey_Baseline);

void ActionPlayHotKey(benchmark::State& state) {
  RecordingDesktop desktop;
  desktop.SetRecordLimit(4096);
  ScopedDesktopBackend scope(desktop);
  CActionHotKey action;
  action.m_bCtrl = 1;
  action.m_bShift = 1;
  action.m_cKey = 'S';
  for (auto _ : state) benchmark::DoNotOptimize(action.Execute(nullptr));
  state.counters["goal"] = 2;
}
BENCHMARK(ActionPlayHotKey);

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code error;
  std::filesystem::remove_all(corvane::BenchFolder(), error);
  return 0;
}
