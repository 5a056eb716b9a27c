#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace corvane::test {

TempDir::TempDir() {
  std::random_device device;
  std::mt19937_64 random(device());
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = std::filesystem::temp_directory_path() / ("corvane-test-" + std::to_string(random()));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      m_path = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code error;
  std::filesystem::remove_all(m_path, error);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

#if !defined(_WIN32)
ScopedRegistryFile::ScopedRegistryFile(const std::string& path) {
  const char* previous = std::getenv("CORVANE_REGISTRY");
  m_hadPrevious = previous != nullptr;
  if (previous) m_previous = previous;
  setenv("CORVANE_REGISTRY", path.c_str(), 1);
}

ScopedRegistryFile::~ScopedRegistryFile() {
  if (m_hadPrevious)
    setenv("CORVANE_REGISTRY", m_previous.c_str(), 1);
  else
    unsetenv("CORVANE_REGISTRY");
}
#endif

}  // namespace corvane::test

// Under LeakSanitizer: fontconfig (under the raster surface's text layout)
// keeps its font caches for the life of the process by design.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
