#include "actions/KeyTable.h"

#include <cstdio>
#include <mutex>
#include <vector>

namespace corvane {
namespace {

std::vector<CString> g_keyNames;
std::vector<BYTE> g_keyCodes;
std::once_flag g_keyTableBuilt;

struct NamedKey {
  BYTE code;
  const char* name;
};
constexpr NamedKey kNamedKeys[] = {
    {8, "Back Space"},  {9, "TAB"},        {13, "Return"},      {19, "Pause"},        {27, "ESC"},
    {32, "Space"},      {33, "Page Up"},   {34, "Page Down"},   {35, "End"},          {36, "Home"},
    {37, "Left Arrow"}, {38, "Up Arrow"},  {39, "Right Arrow"}, {40, "Down Arrow"},   {45, "Insert"},
    {46, "Delete"},     {44, "Print Screen"},
};

void Fill() {
  g_keyNames.clear();
  g_keyCodes.clear();
  g_keyNames.reserve(kKeyTableSize);
  g_keyCodes.reserve(kKeyTableSize);
  for (BYTE code = 0x30; code <= 0x39; ++code) {
    g_keyCodes.push_back(code);
    g_keyNames.emplace_back(static_cast<char>(code));
  }
  for (BYTE code = 0x41; code <= 0x5A; ++code) {
    g_keyCodes.push_back(code);
    g_keyNames.emplace_back(static_cast<char>(code));
  }
  for (BYTE code = 0x70; code <= 0x7B; ++code) {
    char name[8];
    std::snprintf(name, sizeof name, "F%d", code - 0x6F);
    g_keyCodes.push_back(code);
    g_keyNames.emplace_back(name);
  }
  for (const NamedKey& key : kNamedKeys) {
    g_keyCodes.push_back(key.code);
    g_keyNames.emplace_back(key.name);
  }
}

}  // namespace

void BuildKeyTable() { std::call_once(g_keyTableBuilt, Fill); }

BYTE GetKeyCodeAt(int position) {
  BuildKeyTable();
  if (position < 0 || position >= static_cast<int>(g_keyCodes.size())) return 0;
  return g_keyCodes[static_cast<size_t>(position)];
}

int GetKeyNameAt(CString& name, int position) {
  BuildKeyTable();
  if (position < 0 || position >= static_cast<int>(g_keyNames.size())) {
    name.Empty();
    return 0;
  }
  name = g_keyNames[static_cast<size_t>(position)];
  return name.GetLength();
}

int FindKeyCode(BYTE code) {
  BuildKeyTable();
  for (size_t i = 0; i < g_keyCodes.size(); ++i)
    if (g_keyCodes[i] == code) return static_cast<int>(i);
  return -1;
}

}  // namespace corvane
