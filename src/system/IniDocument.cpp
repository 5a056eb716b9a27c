#include "system/IniDocument.h"

namespace corvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// The first line of a value: text up to the first CR or LF.
std::string_view FirstLine(std::string_view value) {
  size_t cut = value.find_first_of("\r\n");
  return cut == std::string_view::npos ? value : value.substr(0, cut);
}

}  // namespace

std::string IniDocument::Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") {
    doc.m_bom = true;
    text.remove_prefix(3);
  }
  // Keep the file's own line ends: LF-only files stay LF-only.
  size_t firstLf = text.find('\n');
  if (firstLf != std::string_view::npos && (firstLf == 0 || text[firstLf - 1] != '\r')) doc.m_lineEnd = "\n";
  doc.m_sections.push_back(Section{});  // lines before the first section header
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    std::string_view line = end == std::string_view::npos ? text.substr(start) : text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    doc.AddParsedLine(line);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return doc;
}

void IniDocument::AddParsedLine(std::string_view line) {
  std::string_view trimmed = Trim(line);
  if (!trimmed.empty() && trimmed.front() == '[') {
    // A header; a missing closing bracket takes the rest of the line as name.
    std::string_view name = trimmed.substr(1);
    size_t close = name.find(']');
    if (close != std::string_view::npos) name = name.substr(0, close);
    Section section;
    section.lowerName = Lower(Trim(name));
    section.hasHeader = true;
    section.lines.push_back(Line{std::string(line), {}, 0, 0, false});
    m_sectionIndex.emplace(section.lowerName, m_sections.size());
    m_sections.push_back(std::move(section));
    return;
  }
  Section& section = m_sections.back();
  Line entry{std::string(line), {}, 0, 0, false};
  size_t equals = line.find('=');
  if (section.hasHeader && equals != std::string_view::npos) {
    std::string_view key = Trim(line.substr(0, equals));
    if (!key.empty()) {
      std::string_view rest = line.substr(equals + 1);
      std::string_view value = Trim(rest);
      entry.isKey = true;
      entry.lowerKey = Lower(key);
      entry.valueOffset = value.empty() ? line.size() : static_cast<size_t>(value.data() - line.data());
      entry.valueLength = value.size();
      section.keys.emplace(entry.lowerKey, section.lines.size());
    }
  }
  section.lines.push_back(std::move(entry));
}

std::string IniDocument::Serialize() const {
  std::string out;
  if (m_bom) out += "\xEF\xBB\xBF";
  for (const Section& section : m_sections)
    for (const Line& line : section.lines) {
      out += line.text;
      out += m_lineEnd;
    }
  return out;
}

IniDocument::Section* IniDocument::FindSection(std::string_view lowerName) {
  auto it = m_sectionIndex.find(std::string(lowerName));
  return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const IniDocument::Section* IniDocument::FindSection(std::string_view lowerName) const {
  auto it = m_sectionIndex.find(std::string(lowerName));
  return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

bool IniDocument::HasSection(std::string_view section) const {
  return FindSection(Lower(Trim(section))) != nullptr;
}

size_t IniDocument::KeyCount() const {
  size_t count = 0;
  for (const Section& section : m_sections) count += section.keys.size();
  return count;
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const {
  static thread_local std::string value;
  const Section* found = FindSection(Lower(Trim(section)));
  if (!found) return nullptr;
  auto it = found->keys.find(Lower(Trim(key)));
  if (it == found->keys.end()) return nullptr;
  const Line& line = found->lines[it->second];
  value.assign(line.text, line.valueOffset, line.valueLength);
  return &value;
}

IniDocument::Line IniDocument::MakeKeyLine(std::string_view key, std::string_view value) {
  Line line;
  line.text.reserve(key.size() + value.size() + 1);
  line.text.append(key);
  line.text += '=';
  line.valueOffset = line.text.size();
  std::string_view trimmed = Trim(value);
  line.text.append(trimmed);
  line.valueLength = trimmed.size();
  line.lowerKey = Lower(key);
  line.isKey = true;
  return line;
}

void IniDocument::Set(std::string_view sectionName, std::string_view keyName, std::string_view value) {
  sectionName = FirstLine(Trim(sectionName));
  keyName = FirstLine(Trim(keyName));
  value = FirstLine(value);
  // A key cannot hold "=" (it would end at it) and a section name cannot hold "]".
  if (size_t eq = keyName.find('='); eq != std::string_view::npos) keyName = Trim(keyName.substr(0, eq));
  if (size_t br = sectionName.find(']'); br != std::string_view::npos) sectionName = Trim(sectionName.substr(0, br));
  if (keyName.empty()) return;

  const std::string lowerSection = Lower(sectionName);
  Section* section = FindSection(lowerSection);
  if (!section) {
    // A blank line between sections keeps hand-edited files readable.
    Section& last = m_sections.back();
    bool fileEmpty = m_sections.size() == 1 && last.lines.empty();
    if (!fileEmpty && !(last.lines.size() && Trim(last.lines.back().text).empty()))
      last.lines.push_back(Line{});
    Section created;
    created.lowerName = lowerSection;
    created.hasHeader = true;
    created.lines.push_back(Line{"[" + std::string(sectionName) + "]", {}, 0, 0, false});
    m_sectionIndex.emplace(lowerSection, m_sections.size());
    m_sections.push_back(std::move(created));
    section = &m_sections.back();
  }
  Line line = MakeKeyLine(keyName, value);
  auto it = section->keys.find(line.lowerKey);
  if (it != section->keys.end()) {
    section->lines[it->second] = std::move(line);
    return;
  }
  // A new key goes after the section's last key, before trailing blank lines
  // and comments.
  size_t position = section->lines.size();
  while (position > 1 && !section->lines[position - 1].isKey && Trim(section->lines[position - 1].text).empty())
    --position;
  if (position < section->lines.size()) {
    for (auto& entry : section->keys)
      if (entry.second >= position) ++entry.second;
  }
  section->keys.emplace(line.lowerKey, position);
  section->lines.insert(section->lines.begin() + static_cast<long>(position), std::move(line));
}

}  // namespace corvane
