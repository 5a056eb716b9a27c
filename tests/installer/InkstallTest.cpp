// The built inkstall program, run against a private registry file and a
// private data folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TestSupport.h"
#include "system/Registry.h"
#include "system/RegistryStore.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

constexpr const char* kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Scribora.exe";
constexpr const char* kVersionKey = "Software\\TALVORA\\Scribora\\Version";

// Everything under a folder: each path with its content ("<dir>" for a
// folder).
std::map<std::string, std::string> Tree(const fs::path& root) {
  std::map<std::string, std::string> tree;
  if (!fs::exists(root)) return tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).string();
    tree[name] = entry.is_directory() ? "<dir>" : ReadFile(entry.path().string());
  }
  return tree;
}

// A file's identity: a replacement gives another inode, a rewrite another
// modification time.
struct FileIdentity {
  ino_t inode = 0;
  struct timespec modified = {};
  std::string content;
  bool operator==(const FileIdentity& other) const {
    return inode == other.inode && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec && content == other.content;
  }
};

std::optional<FileIdentity> Identify(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{info.st_ino, info.st_mtim, ReadFile(path)};
}

struct Inkstall : ::testing::Test {
  test::TempDir dir;
  std::string registry = dir.file("registry.reg");
  test::ScopedRegistryFile scoped{registry};
  std::string product = dir.file("Program Files/Scribora") + "/";
  std::string dataHome = dir.file("home/data");
  std::string folder = dataHome + "/Scribora";
  std::string target = folder + "/Scribora.dot";
  std::vector<std::string> extraEnvironment;
  long fileSizeLimit = 0;

  void SetUp() override {
    fs::create_directories(product);
    WriteFile(product + "Scribora.dot", "template 2.10");
  }
  void TearDown() override { RegistryStore::Reset(); }

  static void SetValue(HKEY root, const char* path, const char* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(root, path, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  static void SetPath(const std::string& path) {
    SetValue(HKEY_LOCAL_MACHINE, kAppPaths, "Path", REG_SZ, path + '\0');
  }
  // Type and bytes of a version value; nullopt when it is missing.
  static std::optional<std::pair<DWORD, std::string>> Version(const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kVersionKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    BYTE buffer[64];
    DWORD type = 0, size = sizeof buffer;
    const LSTATUS status = RegQueryValueExA(key, name, nullptr, &type, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return std::make_pair(type, std::string(reinterpret_cast<char*>(buffer), size));
  }
  static void ExpectRecordedVersion() {
    EXPECT_EQ(Version("Main"), std::make_pair(REG_DWORD, std::string("\x02\x00\x00\x00", 4)));
    EXPECT_EQ(Version("Extend"), std::make_pair(REG_DWORD, std::string("\x0A\x00\x00\x00", 4)));
    EXPECT_EQ(Version("Brand"), std::make_pair(REG_SZ, std::string("NO\0", 3)));
  }
  static void ExpectNoVersion() {
    EXPECT_EQ(Version("Main"), std::nullopt);
    EXPECT_EQ(Version("Extend"), std::nullopt);
    EXPECT_EQ(Version("Brand"), std::nullopt);
  }

  // Runs the program with only the environment it needs; answers its exit
  // code (-1 when it did not exit normally).
  int Run() {
    RegistryStore::Flush();
    std::vector<std::string> environment = {
        "CORVANE_REGISTRY=" + registry,
        "XDG_DATA_HOME=" + dataHome,
        "HOME=" + dir.file("home"),
        "LANG=C",
    };
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = INKSTALL_PROGRAM;
    char* argv[] = {program.data(), nullptr};

    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
      if (fileSizeLimit > 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit limit = {static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
      }
      ::execve(argv[0], argv, envp.data());
      ::_exit(127);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
  }
};

TEST_F(Inkstall, FirstRunCopiesTheTemplateAndRecordsTheVersion) {
  SetPath(product);
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(ReadFile(target), "template 2.10");
  EXPECT_EQ(Tree(dataHome), (std::map<std::string, std::string>{{"Scribora", "<dir>"},
                                                                 {"Scribora/Scribora.dot", "template 2.10"}}));
  ExpectRecordedVersion();
  // The product's side is only read.
  EXPECT_EQ(Tree(dir.file("Program Files")), (std::map<std::string, std::string>{
                                                 {"Scribora", "<dir>"}, {"Scribora/Scribora.dot", "template 2.10"}}));
}

TEST_F(Inkstall, TheTitleIsTheSameInEveryLanguage) {
  SetPath(product);
  extraEnvironment = {"LC_ALL=ko_KR.UTF-8"};
  ASSERT_EQ(Run(), 0);
  ExpectRecordedVersion();
}

TEST_F(Inkstall, ASecondRunWithTheSameVersionChangesNothing) {
  SetPath(product);
  ASSERT_EQ(Run(), 0);
  WriteFile(target, "edited by the user");
  WriteFile(product + "Scribora.dot", "a newer template");
  const auto registryBefore = Identify(registry);
  const auto targetBefore = Identify(target);
  ASSERT_TRUE(registryBefore && targetBefore);

  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(Identify(target), targetBefore);
  EXPECT_EQ(Identify(registry), registryBefore);
  EXPECT_EQ(Tree(folder).size(), 1u);
}

TEST_F(Inkstall, ADeletedTargetIsCopiedAgain) {
  SetPath(product);
  ASSERT_EQ(Run(), 0);
  fs::remove(target);
  WriteFile(product + "Scribora.dot", "template 2.10, rebuilt");
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(ReadFile(target), "template 2.10, rebuilt");
  ExpectRecordedVersion();
  // Also when the whole folder went.
  fs::remove_all(folder);
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(ReadFile(target), "template 2.10, rebuilt");
}

TEST_F(Inkstall, AStaleRecordedVersionMakesItCopyAndRecordAgain) {
  struct Case {
    const char* name;
    DWORD type;
    std::string bytes;
  };
  const Case cases[] = {
      {"Brand", REG_SZ, std::string("no\0", 3)},
      {"Main", REG_DWORD, std::string("\x01\x00\x00\x00", 4)},
      {"Extend", REG_DWORD, std::string("\x09\x00\x00\x00", 4)},
      {"Main", REG_SZ, std::string("2\0", 2)},
  };
  SetPath(product);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(product + "Scribora.dot", std::string("template for ") + c.name);
    fs::create_directories(folder);
    WriteFile(target, "an older template");
    SetValue(HKEY_CURRENT_USER, kVersionKey, "Main", REG_DWORD, std::string("\x02\x00\x00\x00", 4));
    SetValue(HKEY_CURRENT_USER, kVersionKey, "Extend", REG_DWORD, std::string("\x0A\x00\x00\x00", 4));
    SetValue(HKEY_CURRENT_USER, kVersionKey, "Brand", REG_SZ, std::string("NO\0", 3));
    SetValue(HKEY_CURRENT_USER, kVersionKey, c.name, c.type, c.bytes);
    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(ReadFile(target), std::string("template for ") + c.name);
    ExpectRecordedVersion();
  }
  // An existing target with no recorded version at all.
  RegistryStore::Reset();
  fs::remove(registry);
  SetPath(product);
  WriteFile(target, "an older template");
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(ReadFile(target), "template for Main");
  ExpectRecordedVersion();
}

TEST_F(Inkstall, AFailedCopyRecordsNothingAndTheNextRunTriesAgain) {
  // No separator at the end of "Path": the source is ".../ScriboraScribora.dot".
  SetPath(dir.file("Program Files/Scribora"));
  ASSERT_EQ(Run(), 0);
  EXPECT_FALSE(fs::exists(target));
  EXPECT_TRUE(fs::is_directory(folder));  // created before the copy failed
  ExpectNoVersion();

  // The product's folder without its template.
  SetPath(product);
  fs::remove(product + "Scribora.dot");
  ASSERT_EQ(Run(), 0);
  EXPECT_FALSE(fs::exists(target));
  ExpectNoVersion();

  WriteFile(product + "Scribora.dot", "template 2.10");
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(ReadFile(target), "template 2.10");
  ExpectRecordedVersion();
}

TEST_F(Inkstall, AnInterruptedCopyKeepsTheOldTemplateWhole) {
  SetPath(product);
  SetValue(HKEY_CURRENT_USER, kVersionKey, "Brand", REG_SZ, std::string("no\0", 3));
  fs::create_directories(folder);
  WriteFile(target, "an older template");
  WriteFile(product + "Scribora.dot", std::string(4 << 20, 't'));
  fileSizeLimit = 1 << 20;  // the disk fills up halfway through the copy
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(Tree(folder), (std::map<std::string, std::string>{{"Scribora.dot", "an older template"}}));
  EXPECT_EQ(Version("Brand"), std::make_pair(REG_SZ, std::string("no\0", 3)));
  EXPECT_EQ(Version("Main"), std::nullopt);
}

TEST_F(Inkstall, SomethingInTheWayOfTheTargetFolderIsLeftAlone) {
  SetPath(product);
  fs::create_directories(dataHome);
  WriteFile(folder, "a file named like the folder");
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(ReadFile(folder), "a file named like the folder");
  ExpectNoVersion();
}

TEST_F(Inkstall, WithoutTheProductNothingIsTouched) {
  struct Case {
    const char* what;
    std::function<void(Inkstall&)> prepare;
  };
  const std::vector<Case> cases = {
      {"no registry file", [](Inkstall&) {}},
      {"no App Paths entry",
       [](Inkstall&) { SetValue(HKEY_CURRENT_USER, "Software\\Other", "x", REG_SZ, std::string("y\0", 2)); }},
      {"no Path value",
       [](Inkstall&) { SetValue(HKEY_LOCAL_MACHINE, kAppPaths, "", REG_SZ, std::string("C:\\x.exe\0", 9)); }},
      {"an empty Path", [](Inkstall&) { SetPath(""); }},
      {"a Path of another type",
       [](Inkstall& t) { SetValue(HKEY_LOCAL_MACHINE, kAppPaths, "Path", REG_BINARY, t.product); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RegistryStore::Reset();
    fs::remove(registry);
    c.prepare(*this);
    RegistryStore::Flush();
    const auto registryBefore = Identify(registry);
    const auto treeBefore = Tree(dir.path());
    ASSERT_EQ(Run(), 0);
    EXPECT_EQ(Identify(registry), registryBefore);
    EXPECT_EQ(Tree(dir.path()), treeBefore);
    EXPECT_FALSE(fs::exists(dir.file("home")));  // not even the data folder was asked for
  }
}

}  // namespace
}  // namespace corvane
