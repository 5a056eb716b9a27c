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
// restores the previous setting afterwards.  On Windows, where the registry is
// the platform's, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of the process are
// redirected to a fresh private key instead (deleted with the object), so
// tests start from an empty registry there too.
class ScopedRegistryFile {
 public:
  explicit ScopedRegistryFile(const std::string& path);
  ~ScopedRegistryFile();
  ScopedRegistryFile(const ScopedRegistryFile&) = delete;
  ScopedRegistryFile& operator=(const ScopedRegistryFile&) = delete;

 private:
  std::string m_previous;  // on Windows: the private key's path under HKEY_CURRENT_USER
  bool m_hadPrevious;
};

}  // namespace corvane::test
