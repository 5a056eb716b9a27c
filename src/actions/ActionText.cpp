#include "actions/ActionText.h"

#include <cstring>
#include <new>

#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {

namespace {

constexpr UINT kTextTypeName = 63;
constexpr DWORD kPasteWait = 500;
const WORD kPasteKeys[] = {VK_CONTROL, 'V', 'V' | KEYWORD_RELEASE, VK_CONTROL | KEYWORD_RELEASE, 0};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

CString FirstLine(const CString& text) {
  const std::string& s = text.str();
  const size_t cut = s.find_first_of("\r\n");
  return cut == std::string::npos ? text : CString(s.substr(0, cut));
}

CString TrimBlanks(const CString& text) {
  const std::string& s = text.str();
  size_t begin = 0, end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return CString(s.substr(begin, end - begin));
}

// True when the plain "Text" value would not give the text back.
bool NeedsEscaping(const CString& text) {
  if (text.IsEmpty()) return false;
  if (text.Find('\r') >= 0 || text.Find('\n') >= 0) return true;
  return IsBlank(text[0]) || IsBlank(text[text.GetLength() - 1]);
}

// Puts the text and its terminating zero on the open clipboard.
bool SetClipboardText(const CString& text) {
  const SIZE_T bytes = static_cast<SIZE_T>(text.GetLength()) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_DDESHARE, bytes);
  if (!memory) return false;
  void* data = GlobalLock(memory);
  if (!data) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(data, text.GetString(), bytes);
  GlobalUnlock(memory);
  if (!SetClipboardData(CF_OEMTEXT, memory)) {
    GlobalFree(memory);  // not taken: still ours
    return false;
  }
  return true;
}

}  // namespace

CString EscapeProfileText(const CString& text) {
  std::string out;
  const std::string& s = text.str();
  out.reserve(s.size() + 8);
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case ' ':
        out += (i == 0 || i + 1 == s.size()) ? "\\s" : " ";
        break;
      default: out += c;
    }
  }
  return CString(std::move(out));
}

CString UnescapeProfileText(const CString& text) {
  std::string out;
  const std::string& s = text.str();
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    switch (s[i + 1]) {
      case '\\': out += '\\'; break;
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 's': out += ' '; break;
      default:
        out += '\\';  // not an escape: the backslash stands for itself
        continue;
    }
    ++i;
  }
  return CString(std::move(out));
}

bool PutTextOnClipboard(const CString& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const bool done = text.IsEmpty() || SetClipboardText(text);
  CloseClipboard();
  return done;
}

CActionText::CActionText() : CAction(ACTION_TEXT) {}

CActionText::CActionText(const CActionText& source) : CAction(source), m_strText(source.m_strText) {
  m_wKind = ACTION_TEXT;
}

CActionText::~CActionText() = default;

CContainer* CActionText::Clone() { return new (std::nothrow) CActionText(*this); }

int CActionText::ReadContainer(const CString& file, const CString& section) {
  CAction::ReadContainer(file, section);
  const CString plain = ReadProfileText(file, section, "Text");
  const CString escaped = ReadProfileText(file, section, "TextEscaped");
  if (!escaped.IsEmpty()) {
    CString whole = UnescapeProfileText(escaped);
    // A "Text" written since by a program that knows only that key wins.
    if (TrimBlanks(FirstLine(whole)) == plain) {
      m_strText = whole;
      return 1;
    }
  }
  if (!plain.IsEmpty()) m_strText = plain;
  return 1;
}

void CActionText::WriteContainer(const CString& file, const CString& section) {
  CAction::WriteContainer(file, section);
  WritePrivateProfileStringA(section, "Text", FirstLine(m_strText), file);
  if (NeedsEscaping(m_strText)) {
    WritePrivateProfileStringA(section, "TextEscaped", EscapeProfileText(m_strText), file);
  } else {
    // Keys are never deleted; an escaped text of an earlier save must not
    // come back in place of this one.
    char probe[2] = "";
    if (GetPrivateProfileStringA(section, "TextEscaped", "", probe, sizeof probe, file) > 0)
      WritePrivateProfileStringA(section, "TextEscaped", "", file);
  }
}

int CActionText::Execute(HWND) {
  if (!OpenClipboard(nullptr)) return 0;
  EmptyClipboard();
  if (m_strText.IsEmpty()) {
    CloseClipboard();
    return 1;
  }
  const bool placed = SetClipboardText(m_strText);
  CloseClipboard();
  if (!placed) return 0;
  PlayKeys(kPasteKeys);
  Sleep(kPasteWait);
  return 1;
}

int CActionText::GetDescription(HKEY, CString& out, int) {
  // One line: each line break of the text shows as one blank.
  std::string text = m_strText.str();
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += ' ';
    } else {
      line += text[i];
    }
  }
  out = GetTypeName() + " -- " + CString(std::move(line));
  return out.GetLength();
}

CString CActionText::GetTypeName() { return LoadResString(kTextTypeName); }

}  // namespace corvane
