#include "system/RegistryFile.h"

#include <cstdio>

namespace corvane {

namespace {

constexpr DWORD kRegSz = 1;
constexpr DWORD kRegBinary = 3;
constexpr DWORD kRegDword = 4;
constexpr size_t kHexLineWidth = 77;  // regedit's width for wrapped hex values

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view text) {
  size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  return text.substr(begin);
}

std::string_view TrimRight(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char a = text[i], b = prefix[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses 1 to maxDigits hex digits making up all of text.
bool ParseHexNumber(std::string_view text, size_t maxDigits, DWORD& out) {
  if (text.empty() || text.size() > maxDigits) return false;
  DWORD value = 0;
  for (char c : text) {
    int digit = HexDigit(c);
    if (digit < 0) return false;
    value = (value << 4) | static_cast<DWORD>(digit);
  }
  out = value;
  return true;
}

// Reads a quoted text starting after its opening quote mark, with \\ and \"
// as escapes.  Answers the position after the closing quote mark, or npos
// when the text runs to the end of the line without one.
size_t ReadQuoted(std::string_view text, size_t pos, std::string& out) {
  out.clear();
  while (pos < text.size()) {
    char c = text[pos];
    if (c == '"') return pos + 1;
    if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"')) {
      out += text[pos + 1];
      pos += 2;
      continue;
    }
    out += c;
    ++pos;
  }
  return std::string_view::npos;
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

// A REG_SZ that can be written between quote marks and read back unchanged.
bool IsPlainString(const std::string& data) {
  if (data.empty() || data.back() != '\0') return false;
  for (size_t i = 0; i + 1 < data.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(data[i]);
    if (c < 0x20 && c != '\t') return false;
    if (c == 0x7F) return false;
  }
  return true;
}

// Names of keys and values never hold line breaks (the API refuses them), so
// they are always safe between quote marks or brackets.
void AppendValue(std::string& out, const RegistryValue& value) {
  std::string line;
  if (value.name.empty())
    line = "@";
  else
    AppendQuoted(line, value.name);
  line += '=';
  if (value.type == kRegSz && IsPlainString(value.data)) {
    AppendQuoted(line, std::string_view(value.data).substr(0, value.data.size() - 1));
    out += line;
    out += "\r\n";
    return;
  }
  if (value.type == kRegDword && value.data.size() == 4) {
    DWORD number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[static_cast<size_t>(i)]);
    char text[24];
    std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(number));
    out += line;
    out += text;
    out += "\r\n";
    return;
  }
  if (value.type == kRegBinary) {
    line += "hex:";
  } else {
    char text[24];
    std::snprintf(text, sizeof text, "hex(%x):", static_cast<unsigned>(value.type));
    line += text;
  }
  static const char digits[] = "0123456789abcdef";
  for (size_t i = 0; i < value.data.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(value.data[i]);
    char token[3] = {digits[byte >> 4], digits[byte & 15], ','};
    size_t length = i + 1 < value.data.size() ? 3 : 2;
    if (line.size() + length > kHexLineWidth && line.back() == ',') {
      out += line;
      out += "\\\r\n";
      line = "  ";
    }
    line.append(token, length);
  }
  out += line;
  out += "\r\n";
}

// A root gets its header when it has values, or when it is empty (otherwise
// it would not be in the text at all and would be lost by a save); under a
// root with only subkeys, the subkeys' headers name it.
void AppendKey(std::string& out, const RegistryKey& key, const std::string& path, bool isRoot) {
  if (!isRoot || !key.Values().empty() || key.Children().empty()) {
    out += '[';
    out += path;
    out += "]\r\n";
    for (const RegistryValue& value : key.Values()) AppendValue(out, value);
    out += "\r\n";
  }
  for (const auto& child : key.Children()) AppendKey(out, *child, path + "\\" + child->Name(), false);
}

// The lines of a file: split at LF, a CR before the LF dropped.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    std::string_view line = end == std::string_view::npos ? text.substr(start) : text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

// Parses the comma-separated bytes of a hex value; a line that ends with a
// backslash continues on the next one (index advances over the lines used).
bool ParseHexBytes(std::string_view first, const std::vector<std::string_view>& lines, size_t& index,
                   std::string& out) {
  out.clear();
  std::string_view text = TrimRight(first);
  for (;;) {
    bool continues = !text.empty() && text.back() == '\\';
    if (continues) text.remove_suffix(1);
    size_t start = 0;
    while (start <= text.size()) {
      size_t comma = text.find(',', start);
      std::string_view token =
          Trim(comma == std::string_view::npos ? text.substr(start) : text.substr(start, comma - start));
      if (token.empty()) {
        // Only the end of a line may leave an empty token (a trailing comma
        // before the continuation or an empty value).
        if (comma != std::string_view::npos) return false;
      } else {
        DWORD byte = 0;
        if (!ParseHexNumber(token, 2, byte)) return false;
        out += static_cast<char>(byte);
      }
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
    if (!continues || index + 1 >= lines.size()) return true;
    // Only a line of hex digits continues the value; a key header or another
    // value after a stray backslash is left for the caller to read.
    const std::string_view next = Trim(lines[index + 1]);
    if (next.empty() || HexDigit(next.front()) < 0) return true;
    text = next;
    ++index;
  }
}

}  // namespace

std::string RegistryFile::Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::vector<std::string> RegistryFile::SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find('\\', start);
    std::string_view part = slash == std::string_view::npos ? path.substr(start) : path.substr(start, slash - start);
    if (!part.empty()) parts.emplace_back(part);
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  return parts;
}

RegistryKey* RegistryKey::FindChild(std::string_view name) const {
  auto it = m_childIndex.find(RegistryFile::Lower(name));
  return it == m_childIndex.end() ? nullptr : it->second;
}

RegistryKey& RegistryKey::CreateChild(std::string_view name) {
  std::string lower = RegistryFile::Lower(name);
  auto it = m_childIndex.find(lower);
  if (it != m_childIndex.end()) return *it->second;
  m_children.push_back(std::make_unique<RegistryKey>(std::string(name)));
  RegistryKey* child = m_children.back().get();
  m_childIndex.emplace(std::move(lower), child);
  return *child;
}

bool RegistryKey::RemoveChild(std::string_view name) {
  auto it = m_childIndex.find(RegistryFile::Lower(name));
  if (it == m_childIndex.end()) return false;
  RegistryKey* child = it->second;
  m_childIndex.erase(it);
  for (auto pos = m_children.begin(); pos != m_children.end(); ++pos)
    if (pos->get() == child) {
      m_children.erase(pos);
      break;
    }
  return true;
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const {
  auto it = m_valueIndex.find(RegistryFile::Lower(name));
  return it == m_valueIndex.end() ? nullptr : &m_values[it->second];
}

void RegistryKey::SetValue(std::string_view name, DWORD type, std::string data) {
  std::string lower = RegistryFile::Lower(name);
  auto it = m_valueIndex.find(lower);
  if (it != m_valueIndex.end()) {
    RegistryValue& value = m_values[it->second];
    value.type = type;
    value.data = std::move(data);
    return;
  }
  m_valueIndex.emplace(std::move(lower), m_values.size());
  m_values.push_back(RegistryValue{std::string(name), type, std::move(data)});
}

RegistryKey* RegistryFile::Find(std::string_view root, const std::vector<std::string>& path) const {
  auto it = m_rootIndex.find(Lower(root));
  if (it == m_rootIndex.end()) return nullptr;
  RegistryKey* key = it->second;
  for (const std::string& part : path) {
    key = key->FindChild(part);
    if (!key) return nullptr;
  }
  return key;
}

RegistryKey& RegistryFile::Create(std::string_view root, const std::vector<std::string>& path) {
  std::string lower = Lower(root);
  auto it = m_rootIndex.find(lower);
  RegistryKey* key;
  if (it != m_rootIndex.end()) {
    key = it->second;
  } else {
    m_roots.push_back(std::make_unique<RegistryKey>(std::string(root)));
    key = m_roots.back().get();
    m_rootIndex.emplace(std::move(lower), key);
  }
  for (const std::string& part : path) key = &key->CreateChild(part);
  return *key;
}

RegistryKey* RegistryFile::FindParent(std::string_view root, const std::vector<std::string>& path) const {
  if (path.empty()) return nullptr;
  std::vector<std::string> parent(path.begin(), path.end() - 1);
  return Find(root, parent);
}

RegistryFile RegistryFile::Parse(std::string_view text) {
  RegistryFile file;
  if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::vector<std::string_view> lines = SplitLines(text);
  RegistryKey* current = nullptr;
  bool sawSignature = false;
  for (size_t index = 0; index < lines.size(); ++index) {
    std::string_view line = Trim(lines[index]);
    if (line.empty() || line.front() == ';') continue;
    if (!sawSignature && (line == "REGEDIT4" || StartsWithNoCase(line, "Windows Registry Editor"))) {
      sawSignature = true;
      continue;
    }
    // A key header, also when one of its brackets is missing.
    if (line.front() == '[' || StartsWithNoCase(line, "HKEY_")) {
      std::string_view name = line;
      bool damaged = false;
      if (name.front() == '[')
        name.remove_prefix(1);
      else
        damaged = true;
      if (!name.empty() && name.front() == '-') {  // a deletion entry of an import file
        current = nullptr;
        continue;
      }
      // Between the brackets a key's name is exact: blanks at its end are
      // part of it (only blanks before the root are dropped).
      size_t close = name.rfind(']');
      if (close != std::string_view::npos)
        name = name.substr(0, close);
      else
        damaged = true;
      std::vector<std::string> parts = SplitPath(TrimLeft(name));
      if (parts.empty() || !StartsWithNoCase(parts.front(), "HKEY_")) {
        ++file.m_damagedLines;
        current = nullptr;
        continue;
      }
      if (damaged) ++file.m_damagedLines;
      std::string root = parts.front();
      parts.erase(parts.begin());
      current = &file.Create(root, parts);
      continue;
    }
    if (line.front() != '"' && line.front() != '@') {
      ++file.m_damagedLines;
      continue;
    }
    // A value: "name"=data or @=data.
    std::string name;
    size_t pos;
    if (line.front() == '@') {
      pos = 1;
    } else {
      pos = ReadQuoted(line, 1, name);
      if (pos == std::string_view::npos) {
        ++file.m_damagedLines;
        continue;
      }
    }
    std::string_view rest = TrimLeft(line.substr(pos));
    if (rest.empty() || rest.front() != '=') {
      ++file.m_damagedLines;
      continue;
    }
    rest = TrimLeft(rest.substr(1));
    DWORD type = 0;
    std::string data;
    bool ok = true;
    if (!rest.empty() && rest.front() == '"') {
      type = kRegSz;
      size_t end = ReadQuoted(rest, 1, data);
      if (end == std::string_view::npos) ++file.m_damagedLines;  // no closing quote: the rest of the line
      data += '\0';
    } else if (StartsWithNoCase(rest, "dword:")) {
      type = kRegDword;
      DWORD number = 0;
      ok = ParseHexNumber(Trim(rest.substr(6)), 8, number);
      for (int i = 0; i < 4; ++i) data += static_cast<char>((number >> (8 * i)) & 0xFF);
    } else if (StartsWithNoCase(rest, "hex:")) {
      type = kRegBinary;
      ok = ParseHexBytes(rest.substr(4), lines, index, data);
    } else if (StartsWithNoCase(rest, "hex(")) {
      size_t close = rest.find("):");
      ok = close != std::string_view::npos && ParseHexNumber(rest.substr(4, close - 4), 8, type) &&
           ParseHexBytes(rest.substr(close + 2), lines, index, data);
    } else if (rest == "-") {
      continue;  // a deletion entry of an import file
    } else {
      ok = false;
    }
    if (!ok || !current) {
      ++file.m_damagedLines;
      continue;
    }
    current->SetValue(name, type, std::move(data));
  }
  return file;
}

std::string RegistryFile::Serialize() const {
  std::string out = "REGEDIT4\r\n\r\n";
  for (const auto& root : m_roots) AppendKey(out, *root, root->Name(), true);
  return out;
}

}  // namespace corvane
