// A whole template read from a damaged or hand-edited template file through
// the exported functions, then written back: the template written, read again
// and written again gives the same bytes, and so does its clone.
#include <cstdio>
#include <string>

#include "corvane/Corvane.h"
#include "support/FuzzSupport.h"
#include "system/AtomicFile.h"
#include "system/ProfileStore.h"

using namespace corvane;

namespace {

std::string WriteTemplate(void* container, const std::string& path) {
  std::remove(path.c_str());
  ProfileStore::Reset();
  ACTWriteContainer(container, path.c_str());
  std::string content;
  ReadWholeFile(path, content);
  return content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static const std::string input = fuzz::ScratchFile("input.tmp");
  static const std::string first = fuzz::ScratchFile("first.tmp");
  static const std::string second = fuzz::ScratchFile("second.tmp");
  ProfileStore::Reset();
  fuzz::WriteBytes(input, std::string_view(reinterpret_cast<const char*>(bytes), size));

  void* read = ACTCreateContainer(CORVANE_TYPE_TEMPLATE);
  FUZZ_CHECK(ACTReadContainer(read, input.c_str()) == 1);
  const int count = ACTGetCount(read);
  FUZZ_CHECK(count >= 0);
  for (int i = 0; i < count; ++i) FUZZ_CHECK(ACTGetAt(read, i) != nullptr);
  FUZZ_CHECK(ACTGetAt(read, count) == nullptr);

  const std::string written = WriteTemplate(read, first);
  void* reread = ACTCreateContainer(CORVANE_TYPE_TEMPLATE);
  ProfileStore::Reset();
  FUZZ_CHECK(ACTReadContainer(reread, first.c_str()) == 1);
  FUZZ_CHECK(ACTGetCount(reread) == count);
  FUZZ_CHECK(WriteTemplate(reread, second) == written);

  void* copy = ACTClone(read);
  FUZZ_CHECK(copy != nullptr && ACTGetCount(copy) == count);
  FUZZ_CHECK(WriteTemplate(copy, second) == written);

  ACTDeleteContainer(copy);
  ACTDeleteContainer(reread);
  ACTDeleteContainer(read);
  return 0;
}
