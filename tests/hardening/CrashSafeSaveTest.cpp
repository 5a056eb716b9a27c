// Saves that are killed: a child process saves over and over and is killed
// with SIGKILL at a random moment, a thousand times.  After every kill the
// file must hold either the complete old or the complete new content, never
// a mix, never a cut and never nothing.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "corvane/Corvane.h"
#include "system/Files.h"
#include "system/IniDocument.h"
#include "system/Profile.h"
#include "system/ProfileStore.h"
#include "system/Registry.h"
#include "system/RegistryFile.h"
#include "system/RegistryStore.h"
#include "system/WriteBatch.h"

namespace corvane {
namespace {

// CORVANE_CRASH_KILLS overrides the number of kills (e.g. for a longer soak).
int KillCount() {
  const char* text = std::getenv("CORVANE_CRASH_KILLS");
  const int count = text ? std::atoi(text) : 0;
  return count > 0 ? count : 1000;
}

// Shared with the child: how far it got before it was killed.
struct ChildState {
  std::atomic<int> phase;  // 0 starting, 1 saving
  std::atomic<long> saves;  // saves completed
};

struct KillStats {
  int kills = 0;
  int inFirstSave = 0;   // killed before its first save was complete
  int afterASave = 0;    // killed after at least one complete save
  int mostStrayTemporaries = 0;   // temporaries left at once after a kill
  int strayWithFileExtension = 0;  // strays whose name ends like the file's
};

// Forks a child that runs save(state) in a loop, kills it after a random
// delay, and calls check() on the file; repeats count times.  The delay range
// is tuned to the measured length of one save so that kills land during and
// between saves.
KillStats KillRepeatedly(int count, double saveMicros, const std::function<void(ChildState&)>& saveLoop,
                         const std::function<void()>& check, const std::filesystem::path& folder) {
  auto* state = static_cast<ChildState*>(
      ::mmap(nullptr, sizeof(ChildState), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  EXPECT_NE(state, MAP_FAILED);
  std::mt19937 random(12345);
  const int maxDelay = static_cast<int>(saveMicros * 1.5) + 50;
  std::uniform_int_distribution<int> delay(0, maxDelay);
  KillStats stats;
  for (int i = 0; i < count; ++i) {
    state->phase = 0;
    state->saves = 0;
    const pid_t child = ::fork();
    if (child == 0) {
      saveLoop(*state);
      ::_exit(0);
    }
    // The delay counts from the start of the first save, so that the kills
    // fall inside and between saves rather than into the child's start.
    for (int waited = 0; state->phase == 0 && waited < 100000; ++waited) ::usleep(20);
    ::usleep(static_cast<useconds_t>(delay(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the child ended by itself";
    ++stats.kills;
    if (state->saves == 0)
      ++stats.inFirstSave;
    else
      ++stats.afterASave;
    check();
    if (::testing::Test::HasFailure()) break;
    // Temporaries a kill left behind stay: the next save must remove them.
    int strays = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (name.find(".~") == std::string::npos) continue;
      ++strays;
      if (name.ends_with(".tmp") || name.ends_with(".tmt")) ++stats.strayWithFileExtension;
    }
    stats.mostStrayTemporaries = std::max(stats.mostStrayTemporaries, strays);
  }
  ::munmap(state, sizeof(ChildState));
  std::printf("[   info   ] %d kills: %d in the first save, %d after a complete save; at most %d stray temporary"
              " files at once (one save takes %.0f us)\n",
              stats.kills, stats.inFirstSave, stats.afterASave, stats.mostStrayTemporaries, saveMicros);
  return stats;
}

// The temporary files in a folder (after a complete save there are none:
// each save removes those that killed ones left behind).
std::vector<std::string> Temporaries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().find(".~") != std::string::npos)
      names.push_back(entry.path().filename().string());
  return names;
}

double MicrosOf(const std::function<void()>& work, int repeats) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repeats; ++i) work();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / repeats;
}

// A template of 100 macros of two hot-key actions each, saved through the
// exported functions, as a host saves one.  Every save marks each macro's
// alias with the generation that wrote it.
constexpr int kMacros = 100;
constexpr int kActions = 2;

std::string TemplateText() {
  std::string text = "[Template]\r\nTemplateName=Word\r\nExeName=WINWORD.EXE\r\nModuleName=WINWORD\r\n"
                     "ClassName=OpusApp\r\nCount=" + std::to_string(kMacros) + "\r\n";
  char section[200];
  for (int m = 1; m <= kMacros; ++m) {
    std::snprintf(section, sizeof section, "\r\n[MacroSection.%d]\r\nID=%d\r\nAlias=Macro %d\r\nCount=%d\r\n", m, m, m,
                  kActions);
    text += section;
    for (int a = 1; a <= kActions; ++a) {
      std::snprintf(section, sizeof section,
                    "\r\n[MacroSection.%d.%02d]\r\nType=3\r\nExtraType=0\r\nCtrl=1\r\nAlt=0\r\nShift=0\r\nchar=%d\r\n", m, a,
                    'A' + a);
      text += section;
    }
  }
  return text;
}

void MarkTemplate(void* templ, const std::string& generation) {
  for (int m = 0; m < ACTGetCount(templ); ++m)
    ACTSetAliasString(ACTGetAt(templ, m), CString(("Macro " + std::to_string(m + 1) + " of " + generation).c_str()));
}

void SaveTemplate(void* templ, const std::string& file, long generation) {
  MarkTemplate(templ, std::to_string(generation));
  ACTWriteContainer(templ, file.c_str());
}

long GenerationOf(const std::string& content) {
  const std::string* alias = IniDocument::Parse(content).Find("MacroSection.1", "Alias");
  if (!alias || alias->rfind("Macro 1 of ", 0) != 0) return -1;
  return std::atol(alias->c_str() + 11);
}

TEST(CrashSafeSave, KilledTemplateSaveLeavesTheOldOrTheNewFileWhole) {
  test::TempDir dir;
  const std::string file = dir.file("word.tmp");
  test::WriteFile(file, TemplateText());
  ProfileStore::Reset();
  void* templ = ACTCreateContainer(CORVANE_TYPE_TEMPLATE);
  ASSERT_EQ(ACTReadContainer(templ, file.c_str()), 1);
  ASSERT_EQ(ACTGetCount(templ), kMacros);

  // The bytes a save of a generation must leave: written once with a marker
  // in place of the generation, which is then filled in.
  const std::string patternFile = dir.file("pattern.tmp");
  test::WriteFile(patternFile, TemplateText());
  SaveTemplate(templ, patternFile, 0);
  MarkTemplate(templ, "#");
  ACTWriteContainer(templ, patternFile.c_str());
  const std::string pattern = test::ReadFile(patternFile);
  std::filesystem::remove(patternFile);
  auto expected = [&](long generation) {
    std::string out;
    for (char c : pattern) {
      if (c == '#')
        out += std::to_string(generation);
      else
        out += c;
    }
    return out;
  };

  SaveTemplate(templ, file, 0);
  long generation = 0;
  const double saveMicros = MicrosOf([&] { SaveTemplate(templ, file, ++generation); }, 20);
  long current = generation;
  ASSERT_EQ(test::ReadFile(file), expected(current));

  const KillStats stats = KillRepeatedly(
      KillCount(), saveMicros,
      [&](ChildState& state) {
        // Read the file first (its parse is not part of a save).  The child
        // is a copy of this process: it knows the generation the last check
        // found, and holds the same template.
        (void)GetPrivateProfileIntA("Template", "Count", 0, file.c_str());
        for (long next = current + 1;; ++next) {
          state.phase = 1;
          SaveTemplate(templ, file, next);
          ++state.saves;
        }
      },
      [&] {
        const std::string content = test::ReadFile(file);
        ASSERT_FALSE(content.empty()) << "the file was left empty";
        const long found = GenerationOf(content);
        ASSERT_GE(found, 0) << "the file lost its first macro";
        ASSERT_EQ(content, expected(found)) << "the file mixes or cuts generation " << found;
        current = found;
      },
      dir.path());
  // A complete save leaves no temporary behind, also none of the killed ones.
  SaveTemplate(templ, file, current + 1);
  EXPECT_EQ(test::ReadFile(file), expected(current + 1));
  EXPECT_EQ(Temporaries(dir.path()), std::vector<std::string>());
  ACTDeleteContainer(templ);
  // The kills must have hit both the middle of a save and the time after one
  // (or the test proved nothing), and a temporary left by a kill must never
  // look like a template.
  EXPECT_GT(stats.inFirstSave, 0);
  EXPECT_GT(stats.afterASave, 0);
  EXPECT_EQ(stats.strayWithFileExtension, 0);
}

// The registry store: 100 function-key keys with an action subkey each, all
// values marked with the generation, saved in one batch.
constexpr int kRegistryKeys = 100;

std::string RegistryKeyName(int k) {
  char name[64];
  std::snprintf(name, sizeof name, "Software\\Corvane\\KillTest\\FKey%02d", k);
  return name;
}

void SaveRegistry(long generation) {
  WriteBatch batch;
  const DWORD g = static_cast<DWORD>(generation);
  for (int k = 1; k <= kRegistryKeys; ++k) {
    HKEY key = nullptr, action = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, RegistryKeyName(k).c_str(), &key) != ERROR_SUCCESS) continue;
    RegSetValueExA(key, "ID", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&g), sizeof g);
    const BYTE count[2] = {1, 0};
    RegSetValueExA(key, "Count", 0, REG_BINARY, count, sizeof count);
    if (RegCreateKeyA(key, "Action01", &action) == ERROR_SUCCESS) {
      RegSetValueExA(action, "Type", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&g), sizeof g);
      RegCloseKey(action);
    }
    RegCloseKey(key);
  }
}

std::string ExpectedRegistry(long generation) {
  RegistryFile hives;
  const DWORD g = static_cast<DWORD>(generation);
  const std::string number(reinterpret_cast<const char*>(&g), sizeof g);
  for (int k = 1; k <= kRegistryKeys; ++k) {
    RegistryKey& key = hives.Create("HKEY_CURRENT_USER", RegistryFile::SplitPath(RegistryKeyName(k)));
    key.SetValue("ID", REG_DWORD, number);
    key.SetValue("Count", REG_BINARY, std::string("\x01\x00", 2));
    key.CreateChild("Action01").SetValue("Type", REG_DWORD, number);
  }
  return hives.Serialize();
}

long RegistryGeneration(const std::string& content) {
  const RegistryFile hives = RegistryFile::Parse(content);
  const RegistryKey* key = hives.Find("HKEY_CURRENT_USER", RegistryFile::SplitPath(RegistryKeyName(1)));
  const RegistryValue* id = key ? key->FindValue("ID") : nullptr;
  if (!id || id->data.size() != 4) return -1;
  DWORD g = 0;
  std::memcpy(&g, id->data.data(), 4);
  return static_cast<long>(g);
}

TEST(CrashSafeSave, KilledRegistrySaveLeavesTheOldOrTheNewFileWhole) {
  test::TempDir dir;
  const std::string file = dir.file("registry.reg");
  test::ScopedRegistryFile useFile(file);
  RegistryStore::Reset();
  SaveRegistry(0);
  long generation = 0;
  const double saveMicros = MicrosOf([&] { SaveRegistry(++generation); }, 10);
  RegistryStore::Reset();
  long current = generation;
  ASSERT_EQ(test::ReadFile(file), ExpectedRegistry(current));

  const KillStats stats = KillRepeatedly(
      KillCount(), saveMicros,
      [&](ChildState& state) {
        DWORD size = 0;
        HKEY key = nullptr;
        // Read first, so that the kills fall into saves rather than the parse.
        if (RegOpenKeyExA(HKEY_CURRENT_USER, RegistryKeyName(1).c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
          RegQueryValueExA(key, "ID", nullptr, nullptr, nullptr, &size);
          RegCloseKey(key);
        }
        for (long next = current + 1;; ++next) {
          state.phase = 1;
          SaveRegistry(next);
          ++state.saves;
        }
      },
      [&] {
        const std::string content = test::ReadFile(file);
        ASSERT_FALSE(content.empty()) << "the registry file was left empty";
        const long found = RegistryGeneration(content);
        ASSERT_GE(found, 0) << "the registry file lost its keys";
        ASSERT_EQ(content, ExpectedRegistry(found)) << "the file mixes or cuts generation " << found;
        current = found;
      },
      dir.path());
  EXPECT_GT(stats.inFirstSave, 0);
  EXPECT_GT(stats.afterASave, 0);
  EXPECT_FALSE(std::filesystem::exists(file + ".damaged")) << "a complete file was taken for a damaged one";
  SaveRegistry(current + 1);
  EXPECT_EQ(Temporaries(dir.path()), std::vector<std::string>());
}

// The installer's file copy (CopyFileA, which replaces the target through a
// temporary beside it), with templates of 64 and 48 KiB.
TEST(CrashSafeSave, KilledCopyLeavesTheOldOrTheNewFileWhole) {
  test::TempDir dir;
  const std::string target = dir.file("Scribora.dot");
  const std::string sources[2] = {dir.file("source-a"), dir.file("source-b")};
  const std::string contents[2] = {std::string(64 * 1024, 'a') + "end a", std::string(48 * 1024, 'b') + "end b"};
  for (int i = 0; i < 2; ++i) test::WriteFile(sources[i], contents[i]);
  ASSERT_TRUE(CopyFileA(sources[0].c_str(), target.c_str(), FALSE));

  const double copyMicros = MicrosOf([&] { CopyFileA(sources[1].c_str(), target.c_str(), FALSE); }, 10);
  const KillStats copied = KillRepeatedly(
      KillCount(), copyMicros,
      [&](ChildState& state) {
        for (int i = 0;; i ^= 1) {
          state.phase = 1;
          CopyFileA(sources[i].c_str(), target.c_str(), FALSE);
          ++state.saves;
        }
      },
      [&] {
        const std::string content = test::ReadFile(target);
        ASSERT_TRUE(content == contents[0] || content == contents[1])
            << "the file holds " << content.size() << " bytes of neither version";
      },
      dir.path());
  EXPECT_GT(copied.inFirstSave, 0);
  EXPECT_GT(copied.afterASave, 0);
  ASSERT_TRUE(CopyFileA(sources[0].c_str(), target.c_str(), FALSE));
  EXPECT_EQ(Temporaries(dir.path()), std::vector<std::string>());
}

}  // namespace
}  // namespace corvane
