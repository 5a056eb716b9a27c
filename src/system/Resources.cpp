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

}  // namespace corvane
