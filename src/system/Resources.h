// The library's own resources: string tables by id and language.  The
// language follows the user's interface language (LANG / LC_ALL /
// LC_MESSAGES on Linux) and falls back to English.
#pragma once

#include <cstddef>
#include <vector>

#include "system/Win32.h"

namespace corvane {

constexpr LANGID LANG_ENGLISH_US = 1033;
constexpr LANGID LANG_CHINESE_TAIWAN = 1028;
constexpr LANGID LANG_KOREAN = 1042;
constexpr LANGID LANG_CHINESE_PRC = 2052;

// The interface language the library's resources are chosen by: one of the
// four above (anything else reads as English).
LANGID GetResourceLanguage();
// Forces the resource language (tests, hosts with their own setting);
// 0 goes back to the user's interface language.
void SetResourceLanguage(LANGID language);
// Maps a locale name such as "zh_TW.UTF-8" to one of the four languages.
LANGID LanguageFromLocaleName(const char* locale);

// The system's default language as a Windows language identifier (primary
// language in the low 10 bits, sublanguage above): on Linux taken from the
// locale (LC_ALL, else LANG), 0x0409 when that says nothing.  Hosts and
// tests may set it; 0 goes back to the locale.
LANGID GetSystemDefaultLangID();
void SetSystemDefaultLangID(LANGID language);
LANGID LangIdFromLocaleName(const char* locale);

// The text of a string resource in the resource language, falling back to
// English; empty when the id is unknown.
CString LoadResString(UINT id);
CString LoadResString(UINT id, LANGID language);
// True when the string exists in that exact language.
bool HasResString(UINT id, LANGID language);

struct StringResource {
  UINT id;
  LANGID language;
  const char* text;  // UTF-8
};

// Each resource source file registers its table with a static object of this
// class; tables may be registered in any order.
class StringTableRegistration {
 public:
  StringTableRegistration(const StringResource* entries, std::size_t count);
};

// Dialog templates: one record per dialog and language, with its controls in
// tab order.  Positions and sizes are in dialog units; styles are the Win32
// window, control and dialog style bits, so that the same record can become a
// real dialog on Windows and the headless model elsewhere.
enum class DialogControlKind {
  Label,          // static text
  Picture,        // static bitmap (imageId)
  Frame,          // static frame or rectangle
  GroupBox,
  PushButton,     // may show a bitmap (imageId) instead of text
  DefPushButton,
  CheckBox,       // automatic check box
  RadioButton,    // automatic radio button
  Edit,
  ComboBox,       // drop-down list
  ListBox,
  ListView,
};

struct DialogItemResource {
  int id;  // -1 for controls the code never addresses
  DialogControlKind kind;
  DWORD style;  // control style bits besides WS_CHILD | WS_VISIBLE
  const char* text;  // UTF-8, may be null
  short x, y, cx, cy;
  UINT imageId;  // bitmap resource of a picture or a bitmap button; 0 none
  const char* initialItems;  // list entries of the template's initial data, separated by '\n'; may be null
};

struct DialogResource {
  UINT id;
  LANGID language;
  const char* title;  // caption, the tab title of a property page
  short cx, cy;
  const char* fontFace;
  short fontPoints;
  const DialogItemResource* items;
  std::size_t count;
};

class DialogTemplateRegistration {
 public:
  DialogTemplateRegistration(const DialogResource* templates, std::size_t count);
};

// The template in that language, else in English, else in the one language
// it exists in; null when the id is unknown.
const DialogResource* FindDialogResource(UINT id, LANGID language);
const DialogResource* FindDialogResource(UINT id);
bool HasDialogResource(UINT id, LANGID language);

// Bitmap resources: small 16-colour pictures (the standard 16-colour
// palette), kept as rows of hexadecimal palette indexes, top row first.
struct BitmapResource {
  UINT id;
  int width;
  int height;
  const char* const* rows;  // height rows of width characters 0-9, A-F
};

class BitmapTableRegistration {
 public:
  BitmapTableRegistration(const BitmapResource* bitmaps, std::size_t count);
};

// The bitmap as a packed device-independent bitmap (BITMAPINFOHEADER, 16
// palette entries, 4-bit rows bottom-up); empty when the id is unknown or
// its rows are malformed.
std::vector<BYTE> LoadBitmapResourceDib(UINT id);

}  // namespace corvane
