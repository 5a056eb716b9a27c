// An INI file in memory, with the Win32 profile semantics the library relies
// on: sections and keys compared without letter case (ASCII), the first of
// duplicate sections or keys wins, a value runs from after the "=" to the end
// of its line (blanks and tabs around it trimmed), and every line that is not
// touched by a write is written back exactly as it was read.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane {

class IniDocument {
 public:
  IniDocument() = default;

  // Parses any bytes: CRLF or LF line ends, an optional UTF-8 byte-order
  // mark, lines without brackets or equals signs, no final line end.
  static IniDocument Parse(std::string_view text);
  std::string Serialize() const;

  // The value of key in section, or null when either is missing.
  const std::string* Find(std::string_view section, std::string_view key) const;
  // Sets a key's value, creating the section and key as needed.  A value is
  // one line: a trailing line end is dropped, and a value that holds a line
  // break keeps only the text before it, so no value can add lines.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  bool HasSection(std::string_view section) const;
  size_t KeyCount() const;

 private:
  struct Line {
    std::string text;         // the whole line without its line end
    std::string lowerKey;     // for key lines: the key in lower case
    size_t valueOffset = 0;   // for key lines: where the trimmed value starts
    size_t valueLength = 0;
    bool isKey = false;
  };
  struct Section {
    std::string lowerName;    // empty for the lines before the first header
    std::vector<Line> lines;  // the header line (if any) first
    std::unordered_map<std::string, size_t> keys;  // first occurrence wins
    bool hasHeader = false;
  };

  static std::string Lower(std::string_view text);
  static Line MakeKeyLine(std::string_view key, std::string_view value);
  void AddParsedLine(std::string_view line);
  Section* FindSection(std::string_view lowerName);
  const Section* FindSection(std::string_view lowerName) const;

  std::vector<Section> m_sections;
  std::unordered_map<std::string, size_t> m_sectionIndex;  // first occurrence wins
  std::string m_lineEnd = "\r\n";
  bool m_bom = false;
};

}  // namespace corvane
