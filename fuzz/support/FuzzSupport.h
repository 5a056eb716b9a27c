// Helpers shared by the fuzz targets.
#pragma once

#include <string>
#include <string_view>

namespace corvane::fuzz {

// Stops the run with a message when an invariant does not hold; libFuzzer
// then saves the input that broke it.
[[noreturn]] void Fail(const char* file, int line, const char* what);
#define FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : ::corvane::fuzz::Fail(__FILE__, __LINE__, #condition))

// A private folder for the files a target writes, removed at exit.  Under
// /dev/shm when it exists, so file round trips stay fast.
const std::string& ScratchDir();
std::string ScratchFile(std::string_view name);

// Writes bytes to a file (whole replacement, not atomic: scratch files only).
void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace corvane::fuzz
