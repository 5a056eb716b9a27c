// The INI engine: parse arbitrary bytes, then run a random sequence of reads
// and writes, checked against a model of what each key must hold.  Half the
// inputs run on the in-memory document, half through the profile functions
// on a real file (cache, atomic save, re-read from disk).  At the end the
// saved text is parsed again: every key read or written must read the same,
// and saving the parsed text twice gives the same bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "support/FuzzSupport.h"
#include "system/AtomicFile.h"
#include "system/IniDocument.h"
#include "system/Profile.h"
#include "system/ProfileStore.h"
#include "system/WriteBatch.h"

using namespace corvane;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string FirstLine(std::string_view text) { return std::string(text.substr(0, text.find_first_of("\r\n"))); }

// How a read looks a name up.
std::string ReadName(std::string_view name) { return Lower(Trim(name)); }

// The name a write stores: one line, a key up to "=", blanks trimmed.  (A
// section header's name runs to the last "]" of its line, so a section name
// may hold "]".)
std::string WrittenName(std::string_view name, char stop) {
  std::string line = Trim(FirstLine(Trim(name)));
  if (size_t cut = line.find(stop); cut != std::string::npos) line = Trim(line.substr(0, cut));
  return line;
}

using Key = std::pair<std::string, std::string>;

// CORVANE_FUZZ_TRACE=1 prints every step (to replay a finding by hand).
bool Tracing() {
  static const bool on = std::getenv("CORVANE_FUZZ_TRACE") != nullptr;
  return on;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out + "\"";
}

void Trace(const char* what, const std::string& section, const std::string& key, const std::string* value) {
  if (Tracing())
    std::fprintf(stderr, "%s [%s] %s = %s\n", what, Quoted(section).c_str(), Quoted(key).c_str(),
                 value ? Quoted(*value).c_str() : "(missing)");
}

// The engine under test, either in memory or as a file behind the profile
// functions.
class Store {
 public:
  Store(bool onDisk, const std::string& text) : m_onDisk(onDisk) {
    if (m_onDisk) {
      m_path = fuzz::ScratchFile("profile.ini");
      ProfileStore::Reset();
      std::remove(m_path.c_str());
      // An empty input stands for a file that does not exist yet.
      if (!text.empty()) fuzz::WriteBytes(m_path, text);
    } else {
      m_doc = IniDocument::Parse(text);
    }
  }

  std::optional<std::string> Find(const std::string& section, const std::string& key) {
    if (!m_onDisk) {
      const std::string* value = m_doc.Find(section, key);
      return value ? std::optional<std::string>(*value) : std::nullopt;
    }
    // Two reads with different defaults tell a missing key from a value that
    // equals the default.
    static char buffer[1 << 16];
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "\x01", buffer, sizeof buffer, m_path.c_str());
    FUZZ_CHECK(n < sizeof buffer && buffer[n] == '\0');
    std::string first(buffer, n);
    if (first != "\x01") return first;
    n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "\x02", buffer, sizeof buffer, m_path.c_str());
    std::string second(buffer, n);
    return second == "\x02" ? std::nullopt : std::optional<std::string>(second);
  }

  void Set(const std::string& section, const std::string& key, const std::string& value) {
    if (!m_onDisk) {
      m_doc.Set(section, key, value);
      return;
    }
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), m_path.c_str());
  }

  // Short reads: the copy is cut to size - 1 characters, zero-terminated,
  // and nothing is written past the buffer.
  void ProbeCut(const std::string& section, const std::string& key, DWORD size) {
    if (!m_onDisk) return;
    char buffer[80];
    std::memset(buffer, 0x5A, sizeof buffer);
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "default", buffer, size, m_path.c_str());
    if (size == 0) {
      FUZZ_CHECK(n == 0 && static_cast<unsigned char>(buffer[0]) == 0x5A);
      return;
    }
    FUZZ_CHECK(n <= size - 1 && buffer[n] == '\0');
    for (size_t i = size; i < sizeof buffer; ++i) FUZZ_CHECK(static_cast<unsigned char>(buffer[i]) == 0x5A);
    (void)GetPrivateProfileIntA(section.c_str(), key.c_str(), 7, m_path.c_str());
  }

  // The saved text.
  std::string Text() {
    if (!m_onDisk) return m_doc.Serialize();
    FUZZ_CHECK(ProfileStore::Flush());
    std::string content;
    ReadWholeFile(m_path, content);
    return content;
  }

  void BeginBatch() {
    if (m_onDisk && !m_batch) m_batch.emplace();
  }
  void EndBatch() { m_batch.reset(); }

 private:
  bool m_onDisk;
  std::string m_path;
  IniDocument m_doc;
  std::optional<WriteBatch> m_batch;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const bool onDisk = data.ConsumeBool();
  const std::string text = data.ConsumeRandomLengthString(8192);
  Store store(onDisk, text);

  // What each key must read: a value, or missing.
  std::map<Key, std::optional<std::string>> model;
  std::string names[4];
  for (auto& name : names) name = data.ConsumeRandomLengthString(12);

  auto pickName = [&]() -> std::string {
    const uint8_t choice = data.ConsumeIntegral<uint8_t>();
    return choice < 128 ? names[choice % 4] : data.ConsumeRandomLengthString(12);
  };

  for (int step = 0; step < 64 && data.remaining_bytes() > 0; ++step) {
    const std::string section = pickName();
    const std::string key = pickName();
    switch (data.ConsumeIntegral<uint8_t>() % 6) {
      case 0:
      case 1: {
        // The profile functions take zero-terminated names.
        if (onDisk && (section.find('\0') != std::string::npos || key.find('\0') != std::string::npos)) break;
        const Key id{ReadName(section), ReadName(key)};
        std::optional<std::string> value = store.Find(section, key);
        Trace("read", section, key, value ? &*value : nullptr);
        auto [it, fresh] = model.try_emplace(id, value);
        if (!fresh) FUZZ_CHECK(it->second == value);
        break;
      }
      case 2:
      case 3: {
        if (section.find('\0') != std::string::npos || key.find('\0') != std::string::npos) break;
        std::string value = data.ConsumeRandomLengthString(64);
        value = value.substr(0, value.find('\0'));
        store.Set(section, key, value);
        Trace("write", section, key, &value);
        const std::string storedSection = WrittenName(section, '\0');
        const std::string storedKey = WrittenName(key, '=');
        // A key that would read back as a section header is refused.
        if (storedKey.empty() || storedKey[0] == '[') break;
        model[Key{Lower(storedSection), Lower(storedKey)}] = Trim(FirstLine(value));
        break;
      }
      case 4: store.ProbeCut(section, key, data.ConsumeIntegralInRange<DWORD>(0, 40)); break;
      case 5:
        if (data.ConsumeBool())
          store.BeginBatch();
        else
          store.EndBatch();
        break;
    }
  }
  store.EndBatch();

  // Everything read or written so far must read the same after a save and a
  // fresh parse, and a second save must not change a byte.
  const std::string saved = store.Text();
  if (Tracing()) std::fprintf(stderr, "input %s\nsaved %s\n", Quoted(text).c_str(), Quoted(saved).c_str());
  IniDocument reparsed = IniDocument::Parse(saved);
  for (const auto& [id, expected] : model) {
    const std::string* value = reparsed.Find(id.first, id.second);
    Trace("reread", id.first, id.second, value);
    FUZZ_CHECK(expected.has_value() == (value != nullptr));
    // The profile read hands a value over as a zero-terminated text.
    if (value) FUZZ_CHECK((onDisk ? value->substr(0, value->find('\0')) : *value) == *expected);
  }
  // (A file that was never written keeps its bytes, final line end or not.)
  const std::string again = reparsed.Serialize();
  FUZZ_CHECK(IniDocument::Parse(again).Serialize() == again);
  return 0;
}
