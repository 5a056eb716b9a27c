// Profile files: reading every key of a large file, and many writes inside
// one export call, each against the plain work it cannot avoid.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "system/AtomicFile.h"
#include "system/Profile.h"
#include "system/ProfileStore.h"
#include "system/WriteBatch.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

fs::path BenchFolder() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / ("corvane-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(path);
    return path;
  }();
  return folder;
}

struct KeyName {
  std::string section, key;
};

// 100 sections of 100 keys, with values in the library's formats.
const std::vector<KeyName>& LargeFileKeys() {
  static const std::vector<KeyName> keys = [] {
    std::vector<KeyName> out;
    for (int s = 1; s <= 100; ++s)
      for (int k = 1; k <= 100; ++k) {
        char section[32], key[32];
        std::snprintf(section, sizeof section, "Macro.%02d", s);
        std::snprintf(key, sizeof key, "Key%03d", k);
        out.push_back({section, key});
      }
    return out;
  }();
  return keys;
}

std::string ValueFor(size_t i) {
  switch (i % 4) {
    case 0: return std::to_string(i);
    case 1: return "255,128," + std::to_string(i % 256);
    case 2: return "10,20," + std::to_string(i) + ",400";
    default: return "Arial,-13,700,1,0,0," + std::to_string(i % 256);
  }
}

const std::string& LargeFile() {
  static const std::string path = [] {
    std::string text;
    std::string current;
    const auto& keys = LargeFileKeys();
    for (size_t i = 0; i < keys.size(); ++i) {
      if (keys[i].section != current) {
        if (!current.empty()) text += "\r\n";
        current = keys[i].section;
        text += "[" + current + "]\r\n";
      }
      text += keys[i].key + "=" + ValueFor(i) + "\r\n";
    }
    std::string file = (BenchFolder() / "large.ini").string();
    ReplaceFileContent(file, text);
    return file;
  }();
  return path;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
  return out;
}

// What any reader of the file has to do once: read it and split it into
// sections, keys and values, kept in a hash map by lower-case names.
void ProfileReadEveryKey_Baseline(benchmark::State& state) {
  const std::string& file = LargeFile();
  for (auto _ : state) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    std::unordered_map<std::string, std::string> values;
    std::string section;
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string_view line(text.data() + start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (!line.empty() && line.front() == '[') {
        section = Lower(line.substr(1, line.find(']') - 1));
      } else if (size_t eq = line.find('='); eq != std::string_view::npos) {
        values.emplace(section + '\n' + Lower(line.substr(0, eq)), std::string(line.substr(eq + 1)));
      }
      start = end + 1;
    }
    benchmark::DoNotOptimize(values.size());
  }
}
BENCHMARK(ProfileReadEveryKey_Baseline)->Unit(benchmark::kMillisecond);

// Every key read through the profile function inside one export call's batch,
// starting from an empty cache (so the file is read and parsed each time).
void ProfileReadEveryKey(benchmark::State& state) {
  const std::string& file = LargeFile();
  const auto& keys = LargeFileKeys();
  char buffer[512];
  for (auto _ : state) {
    ProfileStore::Reset();
    WriteBatch batch;
    size_t total = 0;
    for (const KeyName& name : keys)
      total += GetPrivateProfileStringA(name.section.c_str(), name.key.c_str(), "", buffer, sizeof buffer, file.c_str());
    benchmark::DoNotOptimize(total);
  }
  state.counters["goal"] = 3;
}
BENCHMARK(ProfileReadEveryKey)->Unit(benchmark::kMillisecond);

// 5,000 writes: 500 action sections of 10 keys each, as a macro writes them.
struct WriteCall {
  std::string section, key, value;
};

const std::vector<WriteCall>& WriteCalls() {
  static const std::vector<WriteCall> calls = [] {
    std::vector<WriteCall> out;
    static const char* names[] = {"Type", "Alias", "Key", "Flags", "Delay", "Text", "Color", "Rect", "Font", "Icon"};
    for (int s = 1; s <= 500; ++s) {
      char section[32];
      std::snprintf(section, sizeof section, "Macro.%02d", s);
      for (int k = 0; k < 10; ++k) out.push_back({section, names[k], ValueFor(static_cast<size_t>(s * 10 + k)) + "\n"});
    }
    return out;
  }();
  return calls;
}

std::string WriteTarget() { return (BenchFolder() / "written.ini").string(); }

void ProfileWriteInOneCall(benchmark::State& state) {
  const std::string file = WriteTarget();
  const auto& calls = WriteCalls();
  for (auto _ : state) {
    state.PauseTiming();
    std::remove(file.c_str());
    ProfileStore::Reset();
    state.ResumeTiming();
    WriteBatch batch;
    for (const WriteCall& call : calls)
      WritePrivateProfileStringA(call.section.c_str(), call.key.c_str(), call.value.c_str(), file.c_str());
  }
  state.counters["goal"] = 3;
}
BENCHMARK(ProfileWriteInOneCall)->Unit(benchmark::kMillisecond);

// The same bytes written once with a stream to a temporary file that is
// renamed over the target.
void ProfileWriteInOneCall_Baseline(benchmark::State& state) {
  const std::string file = WriteTarget();
  std::remove(file.c_str());
  ProfileStore::Reset();
  {
    WriteBatch batch;
    for (const WriteCall& call : WriteCalls())
      WritePrivateProfileStringA(call.section.c_str(), call.key.c_str(), call.value.c_str(), file.c_str());
  }
  std::string content;
  ReadWholeFile(file, content);
  const std::string temporary = file + ".tmp";
  for (auto _ : state) {
    {
      std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
      out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    std::rename(temporary.c_str(), file.c_str());
  }
}
BENCHMARK(ProfileWriteInOneCall_Baseline)->Unit(benchmark::kMillisecond);

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
