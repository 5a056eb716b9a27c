// Templates at the scale users have them: saving a template of 100 macros,
// loading a collection of 50 such templates (about 260,000 keys), the memory
// a process needs for that collection, and whether create/clone/delete cycles
// leave memory behind.
//
// Everything goes through the exported functions, as a host calls them.  Each
// template holds 100 macros of 7 hot-key actions (5,205 keys).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "corvane/Corvane.h"
#include "system/AtomicFile.h"
#include "system/Profile.h"
#include "system/ProfileStore.h"
#include "system/WriteBatch.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

constexpr int kMacros = 100;
constexpr int kActionsPerMacro = 7;
constexpr int kTemplates = 50;

fs::path BenchFolder() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / ("corvane-template-bench-" + std::to_string(::getpid()));
    fs::create_directories(path);
    return path;
  }();
  return folder;
}

// The text of a template file as the library writes one.
std::string TemplateText(int number) {
  std::string text;
  char line[160];
  std::snprintf(line, sizeof line,
                "[Template]\r\nTemplateName=Application %d\r\nExeName=APP%d.EXE\r\nModuleName=APP%d\r\n"
                "ClassName=AppWindow%d\r\nCount=%d\r\n",
                number, number, number, number, kMacros);
  text += line;
  for (int m = 1; m <= kMacros; ++m) {
    std::snprintf(line, sizeof line, "\r\n[MacroSection.%d]\r\nID=%d\r\nAlias=Macro %d of %d\r\nCount=%d\r\n", m, m,
                  m, number, kActionsPerMacro);
    text += line;
    for (int a = 1; a <= kActionsPerMacro; ++a) {
      std::snprintf(line, sizeof line,
                    "\r\n[MacroSection.%d.%02d]\r\nAlias=Step %d\r\nType=3\r\nExtraType=0\r\nCtrl=1\r\nAlt=0\r\n"
                    "Shift=%d\r\nchar=%d\r\n",
                    m, a, a, a & 1, 'A' + a);
      text += line;
    }
  }
  return text;
}

const std::vector<std::string>& CollectionFiles() {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> out;
    fs::create_directories(BenchFolder() / "collection");
    for (int t = 0; t < kTemplates; ++t) {
      const std::string path = (BenchFolder() / "collection" / (t ? "app" + std::to_string(t) + ".tmp" : "base.tmp")).string();
      ReplaceFileContent(path, TemplateText(t));
      out.push_back(path);
    }
    return out;
  }();
  return files;
}

std::string CollectionFolder() {
  CollectionFiles();
  return (BenchFolder() / "collection").string();
}

// A template read from one of the collection's files.
void* LoadTemplate(int index) {
  void* templ = ACTCreateContainer(CORVANE_TYPE_TEMPLATE);
  ACTReadContainer(templ, CollectionFiles()[static_cast<size_t>(index)].c_str());
  return templ;
}

// ---- Saving a 100-macro template (one export call), against writing its
// bytes once with a stream and a rename.

void TemplateSave(benchmark::State& state) {
  void* templ = LoadTemplate(1);
  const std::string target = (BenchFolder() / "saved.tmp").string();
  ACTWriteContainer(templ, target.c_str());
  for (auto _ : state) ACTWriteContainer(templ, target.c_str());
  state.counters["goal"] = 3;
  state.counters["keys"] = kMacros * (3 + 7 * kActionsPerMacro) + 5;
  state.counters["macros"] = ACTGetCount(templ);
  ACTDeleteContainer(templ);
}
BENCHMARK(TemplateSave)->Unit(benchmark::kMillisecond)->UseRealTime();

void TemplateSave_Baseline(benchmark::State& state) {
  std::string content;
  ReadWholeFile(CollectionFiles()[1], content);
  const std::string target = (BenchFolder() / "baseline.tmp").string();
  const std::string temporary = target + ".new";
  for (auto _ : state) {
    {
      std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
      out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    std::rename(temporary.c_str(), target.c_str());
  }
}
BENCHMARK(TemplateSave_Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- Loading the 50-template collection from a cold cache.

void CollectionLoad(benchmark::State& state) {
  const std::string folder = CollectionFolder();
  const double keys = static_cast<double>(kTemplates) * (kMacros * (3 + 7 * kActionsPerMacro) + 5);
  double seconds = 0;
  int templates = 0;
  for (auto _ : state) {
    ProfileStore::Reset();
    const auto start = std::chrono::steady_clock::now();
    void* collection = ACTCreateContainer(CORVANE_TYPE_TEMPLATE_COLLECTION);
    ACTReadContainer(collection, folder.c_str());
    templates = ACTGetCount(collection);
    ACTDeleteContainer(collection);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["templates"] = templates;
  state.counters["keys"] = keys;
  state.counters["per_key"] = seconds / (static_cast<double>(state.iterations()) * keys);
  state.counters["limit_s"] = 1.0;
}
BENCHMARK(CollectionLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

// What any reader must do: read the 50 files' bytes.
void CollectionLoad_Baseline(benchmark::State& state) {
  for (auto _ : state) {
    size_t total = 0;
    for (const std::string& path : CollectionFiles()) {
      std::string content;
      ReadWholeFile(path, content);
      total += content.size();
    }
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(CollectionLoad_Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- Memory.

// The peak resident size of a fresh process (forked from this one before
// anything is loaded in it) that loads the collection, and of one that does
// nothing, as the baseline.
long PeakResidentKiB(bool load) {
  const std::string folder = CollectionFolder();
  const pid_t child = ::fork();
  if (child == 0) {
    if (load) {
      ProfileStore::Reset();
      void* collection = ACTCreateContainer(CORVANE_TYPE_TEMPLATE_COLLECTION);
      ACTReadContainer(collection, folder.c_str());
      ACTDeleteContainer(collection);
    }
    ::_exit(0);
  }
  int status = 0;
  struct rusage usage {};
  ::wait4(child, &status, 0, &usage);
  return usage.ru_maxrss;
}

void CollectionPeakMemory(benchmark::State& state) {
  CollectionFiles();
  long loaded = 0, idle = 0;
  for (auto _ : state) {
    idle = PeakResidentKiB(false);
    loaded = PeakResidentKiB(true);
  }
  state.counters["peak_rss_mb"] = static_cast<double>(loaded) / 1024.0;
  state.counters["idle_rss_mb"] = static_cast<double>(idle) / 1024.0;
  state.counters["limit_peak_rss_mb"] = 64;
}
BENCHMARK(CollectionPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// 10,000 cycles of create, clone and delete of a loaded template: the heap in
// use afterwards must not have grown.
void TemplateCycles(benchmark::State& state) {
  void* source = LoadTemplate(2);
  auto cycle = [&] {
    void* fresh = ACTCreateContainer(CORVANE_TYPE_TEMPLATE);
    void* copy = ACTClone(source);
    ACTDeleteContainer(copy);
    ACTDeleteContainer(fresh);
  };
  for (int i = 0; i < 100; ++i) cycle();  // warm the allocator
  const size_t before = mallinfo2().uordblks;
  for (auto _ : state)
    for (int i = 0; i < 10000; ++i) cycle();
  const size_t after = mallinfo2().uordblks;
  ACTDeleteContainer(source);
  state.counters["heap_growth_bytes"] = static_cast<double>(after) - static_cast<double>(before);
  state.counters["limit_heap_growth_bytes"] = 0;
}
BENCHMARK(TemplateCycles)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

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
