// Shared helpers for the test programs.
#pragma once

#include <filesystem>
#include <string>

namespace corvane::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return m_path; }
  std::string file(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

// Points the registry store at a private file for the object's lifetime and
// restores the previous setting afterwards.
class ScopedRegistryFile {
 public:
  explicit ScopedRegistryFile(const std::string& path);
  ~ScopedRegistryFile();
  ScopedRegistryFile(const ScopedRegistryFile&) = delete;
  ScopedRegistryFile& operator=(const ScopedRegistryFile&) = delete;

 private:
  std::string m_previous;
  bool m_hadPrevious;
};

}  // namespace corvane::test
