#include "system/Resources.h"

#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

#include "system/UserLanguage.h"

namespace corvane {

namespace {

struct StringTables {
  std::mutex mutex;
  std::map<std::pair<UINT, LANGID>, const char*> entries;
};

struct DialogTables {
  std::mutex mutex;
  std::map<std::pair<UINT, LANGID>, const DialogResource*> entries;
};

DialogTables& Dialogs() {
  static DialogTables tables;
  return tables;
}

StringTables& Tables() {
  static StringTables tables;  // built on first use, so registration order does not matter
  return tables;
}

std::atomic<LANGID> g_forcedLanguage{0};

LANGID Normalize(LANGID language) {
  switch (language) {
    case LANG_CHINESE_TAIWAN:
    case LANG_KOREAN:
    case LANG_CHINESE_PRC:
      return language;
    default:
      return LANG_ENGLISH_US;
  }
}

}  // namespace

LANGID LanguageFromLocaleName(const char* locale) {
  if (!locale) return LANG_ENGLISH_US;
  auto starts = [locale](const char* prefix) { return std::strncmp(locale, prefix, std::strlen(prefix)) == 0; };
  if (starts("ko")) return LANG_KOREAN;
  if (starts("zh_TW") || starts("zh-TW") || starts("zh_HK") || starts("zh-HK") || starts("zh_MO") ||
      starts("zh-MO") || starts("zh-Hant") || starts("zh_Hant"))
    return LANG_CHINESE_TAIWAN;
  if (starts("zh")) return LANG_CHINESE_PRC;
  return LANG_ENGLISH_US;
}

namespace {
std::atomic<LANGID> g_forcedSystemLanguage{0};
}  // namespace

LANGID LangIdFromLocaleName(const char* locale) {
  if (!locale || !*locale || std::strcmp(locale, "C") == 0 || std::strcmp(locale, "POSIX") == 0) return 0x0409;
  struct Entry {
    const char* prefix;
    LANGID id;
  };
  // Longest prefixes first: a country decides the sublanguage where it
  // matters to the library (Chinese), else the language's main form.
  static const Entry kTable[] = {
      {"zh_TW", 0x0404}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_MO", 0x1404}, {"zh", 0x0804},
      {"en_GB", 0x0809}, {"en", 0x0409},    {"es", 0x0C0A},    {"it", 0x0410},    {"pl", 0x0415},
      {"de", 0x0407},    {"fr", 0x040C},    {"ja", 0x0411},    {"ko", 0x0412},    {"nl", 0x0413},
      {"pt_BR", 0x0416}, {"pt", 0x0816},    {"ru", 0x0419},    {"sv", 0x041D},    {"da", 0x0406},
      {"fi", 0x040B},    {"nb", 0x0414},    {"no", 0x0414},    {"cs", 0x0405},    {"hu", 0x040E},
      {"tr", 0x041F},    {"el", 0x0408},    {"ar", 0x0401},    {"he", 0x040D},    {"th", 0x041E},
  };
  for (const Entry& entry : kTable)
    if (std::strncmp(locale, entry.prefix, std::strlen(entry.prefix)) == 0) return entry.id;
  return 0x0409;
}

LANGID GetSystemDefaultLangID() {
  const LANGID forced = g_forcedSystemLanguage.load();
  if (forced) return forced;
  for (const char* name : {"LC_ALL", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return LangIdFromLocaleName(value);
  }
  return 0x0409;
}

void SetSystemDefaultLangID(LANGID language) { g_forcedSystemLanguage.store(language); }

LANGID GetResourceLanguage() {
  const LANGID forced = g_forcedLanguage.load();
  return forced ? Normalize(forced) : UserInterfaceLanguage();
}

void SetResourceLanguage(LANGID language) { g_forcedLanguage.store(language); }

bool HasResString(UINT id, LANGID language) {
  StringTables& tables = Tables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  return tables.entries.count({id, language}) != 0;
}

CString LoadResString(UINT id, LANGID language) {
  StringTables& tables = Tables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  auto it = tables.entries.find({id, language});
  if (it == tables.entries.end()) it = tables.entries.find({id, LANG_ENGLISH_US});
  return it == tables.entries.end() ? CString() : CString(it->second);
}

CString LoadResString(UINT id) { return LoadResString(id, GetResourceLanguage()); }

StringTableRegistration::StringTableRegistration(const StringResource* entries, std::size_t count) {
  StringTables& tables = Tables();
  std::lock_guard<std::mutex> lock(tables.mutex);
  for (std::size_t i = 0; i < count; ++i) tables.entries[{entries[i].id, entries[i].language}] = entries[i].text;
}

DialogTemplateRegistration::DialogTemplateRegistration(const DialogResource* templates, std::size_t count) {
  DialogTables& tables = Dialogs();
  std::lock_guard<std::mutex> lock(tables.mutex);
  for (std::size_t i = 0; i < count; ++i) tables.entries[{templates[i].id, templates[i].language}] = &templates[i];
}

const DialogResource* FindDialogResource(UINT id, LANGID language) {
  DialogTables& tables = Dialogs();
  std::lock_guard<std::mutex> lock(tables.mutex);
  auto it = tables.entries.find({id, language});
  if (it == tables.entries.end()) it = tables.entries.find({id, LANG_ENGLISH_US});
  if (it == tables.entries.end()) {
    it = tables.entries.lower_bound({id, 0});
    if (it != tables.entries.end() && it->first.first != id) it = tables.entries.end();
  }
  return it == tables.entries.end() ? nullptr : it->second;
}

const DialogResource* FindDialogResource(UINT id) { return FindDialogResource(id, GetResourceLanguage()); }

bool HasDialogResource(UINT id, LANGID language) {
  DialogTables& tables = Dialogs();
  std::lock_guard<std::mutex> lock(tables.mutex);
  return tables.entries.count({id, language}) != 0;
}

namespace {

struct BitmapTables {
  std::mutex mutex;
  std::map<UINT, const BitmapResource*> entries;
};

BitmapTables& Bitmaps() {
  static BitmapTables tables;
  return tables;
}

// The standard 16-colour palette, as blue, green, red, reserved.
const BYTE kPalette16[16][4] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},   {0, 128, 0, 0},   {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0}, {128, 128, 0, 0}, {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},   {0, 255, 0, 0},   {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0},
};

void PutLE(std::vector<BYTE>& out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<BYTE>(value >> (8 * i));
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

BitmapTableRegistration::BitmapTableRegistration(const BitmapResource* bitmaps, std::size_t count) {
  BitmapTables& tables = Bitmaps();
  std::lock_guard<std::mutex> lock(tables.mutex);
  for (std::size_t i = 0; i < count; ++i) tables.entries[bitmaps[i].id] = &bitmaps[i];
}

std::vector<BYTE> LoadBitmapResourceDib(UINT id) {
  const BitmapResource* bitmap = nullptr;
  {
    BitmapTables& tables = Bitmaps();
    std::lock_guard<std::mutex> lock(tables.mutex);
    auto it = tables.entries.find(id);
    if (it != tables.entries.end()) bitmap = it->second;
  }
  if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0 || bitmap->width > 256 || bitmap->height > 256)
    return {};
  const std::size_t stride = ((static_cast<std::size_t>(bitmap->width) * 4 + 31) / 32) * 4;
  const std::size_t headerSize = 40, paletteSize = 16 * 4;
  std::vector<BYTE> dib(headerSize + paletteSize + stride * static_cast<std::size_t>(bitmap->height), 0);
  PutLE(dib, 0, 40, 4);
  PutLE(dib, 4, static_cast<std::uint32_t>(bitmap->width), 4);
  PutLE(dib, 8, static_cast<std::uint32_t>(bitmap->height), 4);
  PutLE(dib, 12, 1, 2);
  PutLE(dib, 14, 4, 2);
  PutLE(dib, 20, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(bitmap->height)), 4);
  PutLE(dib, 32, 16, 4);
  for (int i = 0; i < 16; ++i)
    for (int j = 0; j < 4; ++j) dib[headerSize + static_cast<std::size_t>(i * 4 + j)] = kPalette16[i][j];
  for (int y = 0; y < bitmap->height; ++y) {
    const char* row = bitmap->rows[y];
    if (!row || std::strlen(row) != static_cast<std::size_t>(bitmap->width)) return {};
    BYTE* line = dib.data() + headerSize + paletteSize + stride * static_cast<std::size_t>(bitmap->height - 1 - y);
    for (int x = 0; x < bitmap->width; ++x) {
      int value = HexValue(row[x]);
      if (value < 0) return {};
      line[x / 2] |= static_cast<BYTE>(x % 2 ? value : value << 4);
    }
  }
  return dib;
}

}  // namespace corvane
