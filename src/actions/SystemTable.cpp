#include "actions/SystemTable.h"

#include <cstdio>
#include <mutex>
#include <vector>

#include "system/Resources.h"

namespace corvane {
namespace {

constexpr UINT kFirstSystemName = 71;
constexpr UINT kFirstVerticalScrollText = 89;
constexpr UINT kFirstHorizontalScrollText = 93;

const char* const kDateFormats[] = {
    "%m/%d/%y", "%#m.%d.%y", "%#m/%d/%Y", "%#m.%d.%Y", "%#d/%m/%y", "%#d.%m.%y", "%#d/%m/%Y", "%#d.%m.%y",
};
// Formats 4 to 7 are 12-hour clocks, followed by AM or PM.
const char* const kTimeFormats[] = {
    "%#H:%M", "%#H:%M:%S", "%#H.%M", "%#H.%M.%S", "%#I:%M", "%#I.%M", "%#I:%M:%S", "%#I.%M.%S",
};

// The names follow the resource language; they are loaded again when it
// changes.
std::mutex g_systemTableMutex;
std::vector<int> g_systemIds;
std::vector<CString> g_systemNames;
bool g_systemTableBuilt = false;
LANGID g_systemTableLanguage = 0;

void BuildLocked() {
  const LANGID language = GetResourceLanguage();
  if (g_systemTableBuilt && language == g_systemTableLanguage) return;
  g_systemIds.clear();
  g_systemNames.clear();
  for (int id = 0; id < kSystemTableSize; ++id) {
    g_systemIds.push_back(id);
    g_systemNames.push_back(LoadResString(kFirstSystemName + static_cast<UINT>(id)));
  }
  g_systemTableLanguage = language;
  g_systemTableBuilt = true;
}

void AppendNumber(std::string& out, int value, int digits, bool dropZeros) {
  char text[16];
  if (dropZeros)
    std::snprintf(text, sizeof text, "%d", value);
  else
    std::snprintf(text, sizeof text, "%0*d", digits, value);
  out += text;
}

}  // namespace

void BuildSystemTable() {
  std::lock_guard lock(g_systemTableMutex);
  BuildLocked();
}

int FindSystemIndex(int id) {
  std::lock_guard lock(g_systemTableMutex);
  BuildLocked();
  for (size_t i = 0; i < g_systemIds.size(); ++i)
    if (g_systemIds[i] == id) return static_cast<int>(i);
  return 0;
}

int GetSystemIdAt(int position) {
  std::lock_guard lock(g_systemTableMutex);
  BuildLocked();
  if (position < 0 || position >= static_cast<int>(g_systemIds.size())) return 0;
  return g_systemIds[static_cast<size_t>(position)];
}

int GetSystemNameAt(CString& name, int position) {
  std::lock_guard lock(g_systemTableMutex);
  BuildLocked();
  if (position < 0 || position >= static_cast<int>(g_systemNames.size())) {
    name.Empty();
    return 0;
  }
  name = g_systemNames[static_cast<size_t>(position)];
  return name.GetLength();
}

bool HasSystemParam(int id) {
  return id == SYSTEM_VSCROLL || id == SYSTEM_HSCROLL || id == SYSTEM_PAUSE || id == SYSTEM_DATE ||
         id == SYSTEM_TIME;
}

int GetSystemParamText(CString& text, int id, int param) {
  BuildSystemTable();
  text.Empty();
  switch (id) {
    case SYSTEM_VSCROLL:
      if (param >= 0 && param <= 3) text = LoadResString(kFirstVerticalScrollText + static_cast<UINT>(param));
      break;
    case SYSTEM_HSCROLL:
      if (param >= 0 && param <= 3) text = LoadResString(kFirstHorizontalScrollText + static_cast<UINT>(param));
      break;
    case SYSTEM_PAUSE:
      if (param >= 0 && param <= 9) text.Format("%d", param + 1);
      break;
    case SYSTEM_DATE:
      FormatDateText(text, param);
      break;
    case SYSTEM_TIME:
      FormatTimeText(text, param);
      break;
    default:
      return 0;
  }
  return text.GetLength();
}

CString FormatSystemTime(const SYSTEMTIME& time, const char* format) {
  std::string out;
  if (!format) return CString();
  for (const char* p = format; *p; ++p) {
    if (*p != '%') {
      out += *p;
      continue;
    }
    const char* start = p;
    bool dropZeros = false;
    if (p[1] == '#') {
      dropZeros = true;
      ++p;
    }
    const int hour12 = time.wHour % 12 == 0 ? 12 : time.wHour % 12;
    switch (p[1]) {
      case 'd': AppendNumber(out, time.wDay, 2, dropZeros); break;
      case 'm': AppendNumber(out, time.wMonth, 2, dropZeros); break;
      case 'y': AppendNumber(out, time.wYear % 100, 2, dropZeros); break;
      case 'Y': AppendNumber(out, time.wYear, 4, dropZeros); break;
      case 'H': AppendNumber(out, time.wHour, 2, dropZeros); break;
      case 'I': AppendNumber(out, hour12, 2, dropZeros); break;
      case 'M': AppendNumber(out, time.wMinute, 2, dropZeros); break;
      case 'S': AppendNumber(out, time.wSecond, 2, dropZeros); break;
      case '%': out += '%'; break;
      default:
        // Not a code this formatter knows (or the format ends): copy it.
        out.append(start, static_cast<size_t>(p - start) + 1);
        continue;
    }
    ++p;
  }
  return CString(std::move(out));
}

CString FormatDate(const SYSTEMTIME& time, int format) {
  if (format < 0 || format > 7) return CString();
  return FormatSystemTime(time, kDateFormats[format]);
}

CString FormatTime(const SYSTEMTIME& time, int format) {
  if (format < 0 || format > 7) return CString();
  CString text = FormatSystemTime(time, kTimeFormats[format]);
  if (format >= 4) text += time.wHour < 12 ? "AM" : "PM";
  return text;
}

int FormatDateText(CString& text, int format) {
  SYSTEMTIME now{};
  if (format >= 0 && format <= 7) GetLocalTime(&now);
  text = FormatDate(now, format);
  return text.GetLength();
}

int FormatTimeText(CString& text, int format) {
  SYSTEMTIME now{};
  if (format >= 0 && format <= 7) GetLocalTime(&now);
  text = FormatTime(now, format);
  return text.GetLength();
}

}  // namespace corvane
