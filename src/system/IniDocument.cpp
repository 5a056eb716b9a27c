#include "system/IniDocument.h"

#include <algorithm>
#include <cstring>

namespace corvane {

namespace {

// Sections with up to this many keys are searched by a scan of their lines;
// larger ones get a hash index.
constexpr size_t kScanLimit = 16;
// Longer lines cannot hold a key (their offsets would not fit the fields).
constexpr size_t kMaxKeyLineLength = 0x7FFFFFFF;

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

inline std::string_view Trim(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// The first line of a text (up to the first CR or LF), without the blanks
// around it; with stopAtEquals also cut at the first "=" (a key ends there).
struct StopTable {
  bool value[256] = {};  // CR, LF and the zero byte end a value or a name
  bool key[256] = {};    // and "=" ends a key
  constexpr StopTable() {
    value[0] = value[static_cast<unsigned char>('\r')] = value[static_cast<unsigned char>('\n')] = true;
    key[0] = key[static_cast<unsigned char>('\r')] = key[static_cast<unsigned char>('\n')] = true;
    key[static_cast<unsigned char>('=')] = true;
  }
};
constexpr StopTable kStops;

inline std::string_view CleanFirstLine(std::string_view text, bool stopAtEquals = false) {
  const bool* stops = stopAtEquals ? kStops.key : kStops.value;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end && IsBlank(*p)) ++p;
  const char* stop = p;
  while (stop < end && (!stops[static_cast<unsigned char>(*stop)] || *stop == '\0')) ++stop;
  while (stop > p && IsBlank(stop[-1])) --stop;
  return std::string_view(p, static_cast<size_t>(stop - p));
}

// The same for a zero-terminated text.
inline std::string_view CleanFirstLine(const char* text, bool stopAtEquals = false) {
  const char* p = text;
  while (IsBlank(*p)) ++p;
  const char* stop = p + std::strcspn(p, stopAtEquals ? "\r\n=" : "\r\n");
  while (stop > p && IsBlank(stop[-1])) --stop;
  return std::string_view(p, static_cast<size_t>(stop - p));
}

char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void LowerInto(std::string& out, std::string_view text) {
  out.resize(text.size());
  for (size_t i = 0; i < text.size(); ++i) out[i] = LowerChar(text[i]);
}

std::string Lower(std::string_view text) {
  std::string out;
  LowerInto(out, text);
  return out;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && LowerChar(a[i]) != LowerChar(b[i])) return false;
  return true;
}

// A lower-case copy of a name in a per-thread buffer, for lookups that should
// not allocate.
const std::string& LowerScratch(std::string_view text) {
  static thread_local std::string scratch;
  LowerInto(scratch, text);
  return scratch;
}

}  // namespace

IniDocument::IniDocument() { m_sections.emplace_back(); }
IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;
IniDocument::~IniDocument() = default;

IniDocument IniDocument::Parse(std::string_view text) { return Parse(std::string(text)); }

IniDocument IniDocument::Parse(std::string&& text) {
  IniDocument doc;
  doc.m_text = std::move(text);
  const std::string_view all(doc.m_text);
  size_t start = 0;
  if (all.substr(0, 3) == "\xEF\xBB\xBF") {
    doc.m_bom = true;
    start = 3;
  }
  // Keep the file's own line ends: LF-only files stay LF-only.
  const size_t firstLf = all.find('\n', start);
  if (firstLf != std::string_view::npos && (firstLf == start || all[firstLf - 1] != '\r')) doc.m_lineEnd = "\n";
  while (start < all.size()) {
    size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    size_t length = end - start;
    // Every CR before the line end belongs to it ("\r\r\n" is a damaged
    // CRLF): a line's text never ends in a CR, which a save that writes the
    // line with the document's line end would turn into part of that end.
    while (length > 0 && all[start + length - 1] == '\r') --length;
    doc.AddParsedLine(start, length);
    start = end + 1;
  }
  return doc;
}

void IniDocument::AddParsedLine(size_t offset, size_t length) {
  const std::string_view line = std::string_view(m_text).substr(offset, length);
  const std::string_view trimmed = Trim(line);
  Line entry;
  entry.offset = offset;
  entry.length = length;
  if (!trimmed.empty() && trimmed.front() == '[') {
    // A header: the name runs to the last "]", or to the end of the line.
    std::string_view name = trimmed.substr(1);
    if (size_t close = name.rfind(']'); close != std::string_view::npos) name = name.substr(0, close);
    Section section;
    section.lowerName = Lower(Trim(name));
    section.hasHeader = true;
    section.lines.push_back(entry);
    m_sectionIndex.emplace(section.lowerName, m_sections.size());
    m_sections.push_back(std::move(section));
    return;
  }
  Section& section = m_sections.back();
  if (trimmed.empty()) {
    section.trailing.push_back(entry);
    return;
  }
  // Blank lines followed by another line belong inside the section.
  section.lines.insert(section.lines.end(), section.trailing.begin(), section.trailing.end());
  section.trailing.clear();
  const size_t equals = line.find('=');
  if (section.hasHeader && equals != std::string_view::npos && length <= kMaxKeyLineLength) {
    const std::string_view key = Trim(line.substr(0, equals));
    if (!key.empty()) {
      const std::string_view value = Trim(line.substr(equals + 1));
      entry.isKey = true;
      entry.keyStart = static_cast<unsigned>(key.data() - line.data());
      entry.keyLength = static_cast<unsigned>(key.size());
      entry.valueStart = static_cast<unsigned>(value.empty() ? length : static_cast<size_t>(value.data() - line.data()));
      entry.valueLength = static_cast<unsigned>(value.size());
      entry.keyHash = KeyHash(key);
    }
  }
  section.lines.push_back(entry);
  if (entry.isKey) IndexKey(section, section.lines.size() - 1);
}

void IniDocument::IndexKey(Section& section, size_t position) {
  ++section.keyCount;
  if (section.keyIndex) {
    section.keyIndex->emplace(Lower(KeyOf(section.lines[position])), position);
    return;
  }
  if (section.keyCount <= kScanLimit) return;
  section.keyIndex = std::make_unique<std::unordered_map<std::string, size_t>>();
  section.keyIndex->reserve(section.keyCount * 2);
  for (size_t i = 0; i < section.lines.size(); ++i)
    if (section.lines[i].isKey) section.keyIndex->emplace(Lower(KeyOf(section.lines[i])), i);
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
  auto it = m_sectionIndex.find(LowerScratch(name));
  return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

// A hash of the key without letter case, so that a scan compares one number
// per line.
unsigned IniDocument::KeyHash(std::string_view key) {
  unsigned hash = 2166136261u;
  for (char c : key) hash = (hash ^ static_cast<unsigned char>(LowerChar(c))) * 16777619u;
  return hash;
}

const IniDocument::Line* IniDocument::FindKey(const Section& section, std::string_view key, unsigned hash) const {
  if (section.keyIndex) {
    auto it = section.keyIndex->find(LowerScratch(key));
    return it == section.keyIndex->end() ? nullptr : &section.lines[it->second];
  }
  for (const Line& line : section.lines)
    if (line.keyHash == hash && line.isKey && line.keyLength == key.size() && EqualNoCase(KeyOf(line), key))
      return &line;
  return nullptr;
}

std::string IniDocument::Serialize() const {
  size_t lines = 0;
  for (const Section& section : m_sections) lines += section.lines.size() + section.trailing.size();
  std::string out;
  out.reserve(m_text.size() - m_wasted + lines * m_lineEnd.size() + 3);
  if (m_bom) out += "\xEF\xBB\xBF";
  // Lines that follow each other in the text, each with the document's line
  // end after it (untouched lines of the file, lines added in a row), are
  // copied as one run.
  const std::string_view text(m_text);
  const size_t endSize = m_lineEnd.size();
  size_t runStart = 0, runEnd = 0;
  auto emit = [&](const Line& line) {
    const size_t end = line.offset + line.length;
    const bool ended = text.substr(end, endSize) == m_lineEnd;
    if (ended && line.offset == runEnd && runEnd != runStart) {
      runEnd = end + endSize;
      return;
    }
    out.append(text.substr(runStart, runEnd - runStart));
    if (ended) {
      runStart = line.offset;
      runEnd = end + endSize;
    } else {
      runStart = runEnd = 0;
      out.append(Text(line));
      out.append(m_lineEnd);
    }
  };
  for (const Section& section : m_sections) {
    for (const Line& line : section.lines) emit(line);
    for (const Line& line : section.trailing) emit(line);
  }
  out.append(text.substr(runStart, runEnd - runStart));
  return out;
}

bool IniDocument::HasSection(std::string_view section) const { return FindSection(Trim(section)) != nullptr; }

size_t IniDocument::KeyCount() const {
  size_t count = 0;
  for (const Section& section : m_sections) count += section.keyCount;
  return count;
}

bool IniDocument::Find(std::string_view section, std::string_view key, std::string_view& value) const {
  const Section* found = FindSection(Trim(section));
  if (!found) return false;
  const std::string_view name = Trim(key);
  const Line* line = FindKey(*found, name, KeyHash(name));
  if (!line) return false;
  value = std::string_view(m_text).substr(line->offset + line->valueStart, line->valueLength);
  return true;
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const {
  static thread_local std::string copy;
  std::string_view value;
  if (!Find(section, key, value)) return nullptr;
  copy.assign(value);
  return &copy;
}

IniDocument::Line IniDocument::AppendKeyLine(std::string_view key, std::string_view value, unsigned hash) {
  Line line;
  line.offset = m_text.size();
  line.isKey = true;
  line.keyStart = 0;
  line.keyLength = static_cast<unsigned>(key.size());
  line.valueStart = static_cast<unsigned>(key.size() + 1);
  line.valueLength = static_cast<unsigned>(value.size());
  line.keyHash = hash;
  line.length = key.size() + 1 + value.size();
  // The line end follows in the text, so that Serialize copies runs of lines.
  m_text.resize(line.offset + line.length + m_lineEnd.size());
  char* out = m_text.data() + line.offset;
  std::memcpy(out, key.data(), key.size());
  out[key.size()] = '=';
  if (!value.empty()) std::memcpy(out + key.size() + 1, value.data(), value.size());
  std::memcpy(out + line.length, m_lineEnd.data(), m_lineEnd.size());
  return line;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value, bool* changed) {
  return SetCleaned(CleanFirstLine(section), CleanFirstLine(key, true), CleanFirstLine(value), changed);
}

bool IniDocument::Set(const char* section, const char* key, const char* value, bool* changed) {
  return SetCleaned(CleanFirstLine(section), CleanFirstLine(key, true), CleanFirstLine(value), changed);
}

bool IniDocument::SetCleaned(std::string_view sectionName, std::string_view keyName, std::string_view value,
                             bool* changed) {
  if (changed) *changed = false;
  // A key line that starts with "[" would read back as a section header and
  // carry the keys after it into a new section.
  if (keyName.empty() || keyName.front() == '[') return false;
  if (keyName.size() + value.size() + 1 > kMaxKeyLineLength) return false;
  // Arguments that point into this document's own text are copied first,
  // since the text grows below.
  std::string copy;
  const char* const textBegin = m_text.data();
  const char* const textEnd = textBegin + m_text.size();
  auto inside = [&](std::string_view text) { return text.data() >= textBegin && text.data() < textEnd; };
  if (!m_text.empty() && (inside(sectionName) || inside(keyName) || inside(value))) {
    copy.append(sectionName).append(keyName).append(value);
    sectionName = std::string_view(copy).substr(0, sectionName.size());
    keyName = std::string_view(copy).substr(sectionName.size(), keyName.size());
    value = std::string_view(copy).substr(sectionName.size() + keyName.size());
  }

  // Writes come in runs on one section: try the section of the last write
  // before the index.
  // (Writes only ever go to the first of duplicate sections.)
  Section* section = nullptr;
  if (m_lastWritten < m_sections.size() &&
      (sectionName == m_lastWrittenName || EqualNoCase(m_sections[m_lastWritten].lowerName, sectionName)))
    section = &m_sections[m_lastWritten];
  if (!section) section = const_cast<Section*>(FindSection(sectionName));
  if (!section) {
    // A blank line between sections keeps the file readable by people.
    Section& last = m_sections.back();
    const bool fileEmpty = m_sections.size() == 1 && last.lines.empty() && last.trailing.empty();
    if (!fileEmpty && last.trailing.empty()) {
      Line blank;
      blank.offset = m_text.size();
      m_text += m_lineEnd;
      last.trailing.push_back(blank);
    }
    Section created;
    created.lowerName = Lower(sectionName);
    created.hasHeader = true;
    created.lines.reserve(16);
    Line header;
    header.offset = m_text.size();
    header.length = sectionName.size() + 2;
    m_text += '[';
    m_text += sectionName;
    m_text += ']';
    m_text += m_lineEnd;
    created.lines.push_back(header);
    m_sectionIndex.emplace(created.lowerName, m_sections.size());
    m_sections.push_back(std::move(created));
    section = &m_sections.back();
  }
  const size_t sectionIndex = static_cast<size_t>(section - m_sections.data());
  if (sectionIndex != m_lastWritten) {
    m_lastWritten = sectionIndex;
    m_lastWrittenName.assign(sectionName);
  }
  const unsigned hash = KeyHash(keyName);
  if (const Line* found = FindKey(*section, keyName, hash)) {
    Line& existing = const_cast<Line&>(*found);
    if (std::string_view(m_text).substr(existing.offset + existing.valueStart, existing.valueLength) == value)
      return true;
    // The key keeps the spelling it has in the file.
    const std::string spelling(KeyOf(existing));
    m_wasted += existing.length + m_lineEnd.size();
    existing = AppendKeyLine(spelling, value, KeyHash(spelling));
  } else {
    // A new key goes after the section's last line, before its trailing
    // blank lines.
    section->lines.push_back(AppendKeyLine(keyName, value, hash));
    IndexKey(*section, section->lines.size() - 1);
  }
  if (changed) *changed = true;
  CompactIfWasteful();
  return true;
}

void IniDocument::CompactIfWasteful() {
  if (m_wasted < (1u << 20) || m_wasted < m_text.size() / 2) return;
  std::string text;
  text.reserve(m_text.size() - std::min(m_wasted, m_text.size()));
  auto move = [&](Line& line) {
    const size_t offset = text.size();
    text.append(Text(line));
    text.append(m_lineEnd);
    line.offset = offset;
  };
  for (Section& section : m_sections) {
    for (Line& line : section.lines) move(line);
    for (Line& line : section.trailing) move(line);
  }
  m_text = std::move(text);
  m_wasted = 0;
}

}  // namespace corvane
