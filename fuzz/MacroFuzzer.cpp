// A macro and its actions of every kind read from a damaged or hand-edited
// profile file, then played on the recording desktop (every action's Execute,
// without pauses) and written back.  What a macro writes must read back as
// the same macro: writing the re-read macro again gives the same bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <string>

#include "macros/MacroAction.h"
#include "support/FuzzSupport.h"
#include "system/AtomicFile.h"
#include "system/Desktop.h"
#include "system/ProfileStore.h"
#include "system/RecordingDesktop.h"
#include "system/WriteBatch.h"

using namespace corvane;

namespace {

constexpr const char* kSection = "MacroSection.1";

std::string WriteMacro(CMacroAction& macro, const std::string& path) {
  std::remove(path.c_str());
  ProfileStore::Reset();
  {
    WriteBatch batch;
    macro.WriteContainer(CString(path.c_str()), CString(kSection));
  }
  std::string content;
  ReadWholeFile(path, content);
  return content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static const std::string input = fuzz::ScratchFile("input.tmp");
  static const std::string first = fuzz::ScratchFile("first.tmp");
  static const std::string second = fuzz::ScratchFile("second.tmp");
  FuzzedDataProvider data(bytes, size);
  const bool play = data.ConsumeBool();
  const std::string text = data.ConsumeRemainingBytesAsString();
  ProfileStore::Reset();
  fuzz::WriteBytes(input, text);

  CMacroAction macro;
  {
    WriteBatch batch;
    const int count = macro.ReadContainer(CString(input.c_str()), CString(kSection));
    FUZZ_CHECK(count == macro.GetCount() && count >= 0 && count <= kMaxMacroActions);
  }
  if (play) {
    RecordingDesktop desktop;
    ScopedDesktopBackend use(desktop);
    macro.ExecuteAll();
  }

  const std::string written = WriteMacro(macro, first);
  CMacroAction reread;
  {
    WriteBatch batch;
    reread.ReadContainer(CString(first.c_str()), CString(kSection));
  }
  FUZZ_CHECK(reread.m_nID == macro.m_nID);
  FUZZ_CHECK(reread.GetCount() == macro.GetCount());
  const std::string again = WriteMacro(reread, second);
  FUZZ_CHECK(again == written);

  // A copy writes the same.
  CContainer* copy = macro.Clone();
  FUZZ_CHECK(copy != nullptr);
  FUZZ_CHECK(WriteMacro(*static_cast<CMacroAction*>(copy), second) == written);
  delete copy;
  return 0;
}
