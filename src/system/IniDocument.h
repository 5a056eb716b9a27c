// An INI file in memory, with the Win32 profile semantics the library relies
// on: sections and keys compared without letter case (ASCII), the first of
// duplicate sections or keys wins, a value runs from after the "=" to the end
// of its line (blanks and tabs around it trimmed, quote marks kept), and every
// line that is not touched by a write is written back exactly as it was read.
//
// A section header is "[" name "]" with the name up to the last "]" of the
// line; a header without its closing bracket takes the rest of the line as
// its name.  Lines before the first header, and lines without "=", hold no
// key but are kept.  A new file gets CRLF line ends; a file whose first line
// ends in a bare LF keeps LF line ends; a UTF-8 byte-order mark is kept.
//
// The text of every line lives in one buffer (the file's content, followed by
// the lines that writes add), and lines are offsets into it, so parsing a file
// allocates per section, not per line.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane {

class IniDocument {
 public:
  // An empty document (the file does not exist yet).
  IniDocument();
  IniDocument(IniDocument&&) noexcept;
  IniDocument& operator=(IniDocument&&) noexcept;
  ~IniDocument();

  // Parses any bytes: CRLF or LF line ends, an optional UTF-8 byte-order
  // mark, lines without brackets or equals signs, no final line end.
  static IniDocument Parse(std::string_view text);
  static IniDocument Parse(std::string&& text);
  static IniDocument Parse(const char* text) { return Parse(std::string_view(text ? text : "")); }
  std::string Serialize() const;

  // The value of key in section; false when either is missing.  The view
  // stays valid until the document changes.
  bool Find(std::string_view section, std::string_view key, std::string_view& value) const;
  // The same, as a pointer to a copy that lives until the next call on this
  // thread; null when missing.
  const std::string* Find(std::string_view section, std::string_view key) const;

  // Sets a key's value, creating the section and key as needed.  A value is
  // one line: a trailing line end is dropped, and a value that holds a line
  // break keeps only the text before it, so no value can add lines.  Names are
  // trimmed and cut at a line break; a key is cut at "=".  Answers false,
  // changing nothing, for a key that is then empty or starts with "[" (it
  // would read back as a section header).  changed (when given) tells
  // whether the document differs afterwards: writing the value a key already
  // has changes nothing.
  bool Set(std::string_view section, std::string_view key, std::string_view value, bool* changed = nullptr);
  // The same for zero-terminated texts (none may be null).
  bool Set(const char* section, const char* key, const char* value, bool* changed = nullptr);

  bool HasSection(std::string_view section) const;
  size_t KeyCount() const;

 private:
  struct Line {
    size_t offset = 0;        // into m_text
    size_t length = 0;        // without the line end
    unsigned keyStart = 0;    // key lines, relative to offset: the trimmed key
    unsigned keyLength = 0;
    unsigned valueStart = 0;  // and the trimmed value
    unsigned valueLength = 0;
    unsigned keyHash = 0;     // KeyHash of the key
    bool isKey = false;       // (a line too long for these fields holds no key)
  };
  struct Section {
    std::string lowerName;         // empty for the lines before the first header
    bool hasHeader = false;
    std::vector<Line> lines;       // the header line (if any) first
    std::vector<Line> trailing;    // blank lines after the last other line
    size_t keyCount = 0;
    // Lower-case key -> position in lines, first occurrence; built once the
    // section holds more keys than a short scan handles well.
    std::unique_ptr<std::unordered_map<std::string, size_t>> keyIndex;
  };

  std::string_view Text(const Line& line) const { return std::string_view(m_text).substr(line.offset, line.length); }
  std::string_view KeyOf(const Line& line) const {
    return std::string_view(m_text).substr(line.offset + line.keyStart, line.keyLength);
  }
  static unsigned KeyHash(std::string_view key);
  const Section* FindSection(std::string_view name) const;
  const Line* FindKey(const Section& section, std::string_view key, unsigned hash) const;
  void AddParsedLine(size_t offset, size_t length);
  bool SetCleaned(std::string_view section, std::string_view key, std::string_view value, bool* changed);
  Line AppendKeyLine(std::string_view key, std::string_view value, unsigned hash);
  void IndexKey(Section& section, size_t position);
  void CompactIfWasteful();

  std::string m_text;
  size_t m_wasted = 0;  // bytes of m_text no line uses any more
  std::vector<Section> m_sections;
  std::unordered_map<std::string, size_t> m_sectionIndex;  // lower-case name, first occurrence
  size_t m_lastWritten = static_cast<size_t>(-1);          // the section of the last Set
  std::string m_lastWrittenName;                           // and its name as given
  std::string m_lineEnd = "\r\n";
  bool m_bom = false;
};

}  // namespace corvane
