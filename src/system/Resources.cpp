#include "system/Resources.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

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

LANGID UserInterfaceLanguage() {
  // The first of LC_ALL, LC_MESSAGES, LANG that is set and not empty decides.
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return LanguageFromLocaleName(value);
  }
  return LANG_ENGLISH_US;
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
