#include "actions/Action.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "actions/ActionRegKey.h"
#include "container/ProfileValue.h"
#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/Registry.h"

namespace corvane {

namespace {
// Texts read back from the registry or a profile are at most this long; a
// longer registry text is refused and leaves the field as it was.
constexpr DWORD kLongestRegistryText = 1 << 20;
}  // namespace

CString ReadProfileText(const CString& file, const CString& section, LPCSTR key) {
  std::vector<char> buffer(1024);
  for (;;) {
    buffer[0] = '\0';
    const DWORD read = GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()), file);
    // A full buffer means the value may have been cut: try again with more room.
    if (read + 1 < buffer.size() || buffer.size() >= kLongestRegistryText) return CString(buffer.data(), static_cast<int>(read));
    buffer.resize(buffer.size() * 4);
  }
}

CAction::CAction() : CAction(ACTION_BASE) {}

CAction::CAction(WORD kind) : m_wKind(kind) { m_nContainerType = CONTAINER_ACTION; }

CAction::CAction(const CAction& source)
    : CContainer(source),
      m_wKind(static_cast<WORD>(source.m_wKind & 0xFF)),
      m_dwExtraType(source.m_dwExtraType),
      m_strActionAlias(source.m_strActionAlias) {}

CAction::~CAction() = default;

CContainer* CAction::Clone() { return new (std::nothrow) CAction(*this); }

int CAction::ReadContainer(const CString& file, const CString& section) {
  // Read whole: an alias longer than the shared value buffer is not cut.
  m_strActionAlias = ReadProfileText(file, section, "Alias");
  m_dwExtraType = static_cast<LONG>(GetPrivateProfileIntA(section, "ExtraType", 0, file));
  return 1;
}

void CAction::WriteContainer(const CString& file, const CString& section) {
  if (!m_strActionAlias.IsEmpty()) WritePrivateProfileStringA(section, "Alias", m_strActionAlias, file);
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kIntFormat, static_cast<int>(m_wKind));
  WritePrivateProfileStringA(section, "Type", g_profileBuffer, file);
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kIntFormat, static_cast<int>(m_dwExtraType));
  WritePrivateProfileStringA(section, "ExtraType", g_profileBuffer, file);
}

int CAction::DeleteRegistry(HKEY parent, int index) { return static_cast<int>(DeleteActionKey(parent, index)); }

int CAction::WriteRegistry(HKEY parent, int index) {
  CActionRegKey key(parent, index, TRUE);
  if (key.IsOpen()) {
    const BYTE kind[2] = {static_cast<BYTE>(m_wKind & 0xFF), static_cast<BYTE>(m_wKind >> 8)};
    key.SetValue("Type", REG_BINARY, kind, sizeof kind);
    const DWORD extra = static_cast<DWORD>(m_dwExtraType);
    const BYTE extraBytes[4] = {static_cast<BYTE>(extra), static_cast<BYTE>(extra >> 8),
                                static_cast<BYTE>(extra >> 16), static_cast<BYTE>(extra >> 24)};
    key.SetValue("ExtraType", REG_BINARY, extraBytes, sizeof extraBytes);
    key.SetValue(nullptr, REG_SZ, m_strActionAlias.GetString(), static_cast<DWORD>(m_strActionAlias.GetLength()));
  }
  key.Close();
  return 1;
}

int CAction::ReadRegistry(HKEY parent, int index) {
  CActionRegKey key(parent, index, FALSE);
  const DWORD size = key.QueryValue(nullptr, REG_SZ, nullptr, 0);
  if (size != 0 && size <= kLongestRegistryText) {
    // Room for 256 bytes as a rule; a longer alias is read whole rather than
    // lost.
    std::vector<char> text(size < 256 ? 256 : size, '\0');
    const DWORD read = key.QueryValue(nullptr, REG_SZ, text.data(), static_cast<DWORD>(text.size()));
    if (read != 0) {
      const char* end = static_cast<const char*>(std::memchr(text.data(), '\0', read));
      m_strActionAlias = CString(text.data(), static_cast<int>(end ? end - text.data() : read));
    }
  }
  BYTE extra[4] = {0, 0, 0, 0};
  if (key.QueryValue("ExtraType", REG_BINARY, extra, sizeof extra) == sizeof extra) {
    m_dwExtraType = static_cast<LONG>(static_cast<DWORD>(extra[0]) | (static_cast<DWORD>(extra[1]) << 8) |
                                      (static_cast<DWORD>(extra[2]) << 16) | (static_cast<DWORD>(extra[3]) << 24));
  } else {
    m_dwExtraType = 0;  // missing, unreadable or of another size
  }
  key.Close();
  return 1;
}

int CAction::Execute(HWND) { return 0; }

int CAction::GetDescription(HKEY, CString& out, int) {
  if (m_strActionAlias.IsEmpty()) return 0;
  out = m_strActionAlias;
  return out.GetLength();
}

CString CAction::GetTypeName() { return CString("Action"); }

void CAction::PlayKeys(const WORD* keys) {
  if (!keys) return;
  for (; *keys != 0; ++keys) {
    const WORD word = *keys;
    const BYTE vk = static_cast<BYTE>(word & 0xFF);
    const BYTE scan = static_cast<BYTE>(VkKeyScanA(static_cast<CHAR>(vk)) & 0xFF);
    DWORD flags = 0;
    if (word & KEYWORD_RELEASE) flags |= KEYEVENTF_KEYUP;
    if (word & KEYWORD_EXTENDED) flags |= KEYEVENTF_EXTENDEDKEY;
    keybd_event(vk, scan, flags, 0);
  }
}

}  // namespace corvane
