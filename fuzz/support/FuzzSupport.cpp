#include "support/FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace corvane::fuzz {

void Fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
  std::abort();
}

namespace {

struct Scratch {
  std::string path;
  Scratch() {
    std::filesystem::path base = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                    : std::filesystem::temp_directory_path();
    path = (base / ("corvane-fuzz-" + std::to_string(::getpid()))).string();
    std::filesystem::create_directories(path);
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

const std::string& ScratchDir() {
  static Scratch scratch;
  return scratch.path;
}

std::string ScratchFile(std::string_view name) { return ScratchDir() + "/" + std::string(name); }

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace corvane::fuzz
