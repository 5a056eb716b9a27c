#include "actions/ActionInternet.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "actions/ActionRegKey.h"
#include "actions/ServiceTable.h"
#include "container/ProfileValue.h"
#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {

namespace {

constexpr UINT kInternetTypeName = 49;

void WriteIntKey(const CString& file, const CString& section, LPCSTR key, int value) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, "%d", value);
  WritePrivateProfileStringA(section, key, g_profileBuffer, file);
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsSchemeChar(char c) { return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'; }

}  // namespace

bool AddressHasScheme(const CString& address) {
  for (int service = 0; service < kPrefixedServiceCount; ++service) {
    const char* prefix = GetServicePrefixAt(service);
    const int length = static_cast<int>(std::strlen(prefix));
    if (address.Left(length).CompareNoCase(prefix) == 0 && address.GetLength() >= length) return true;
  }
  // scheme = letter *( letter / digit / "+" / "-" / "." ), then "://".
  if (!IsAsciiLetter(address[0])) return false;
  int i = 1;
  while (i < address.GetLength() && IsSchemeChar(address[i])) ++i;
  return address.Mid(i, 3) == "://";
}

CString ComposeInternetAddress(int service, const CString& address) {
  if (AddressHasScheme(address)) return address;
  return GetServicePrefixAt(service) + address;
}

void SplitInternetAddress(const CString& text, int& service, CString& address) {
  for (int candidate = 0; candidate < kPrefixedServiceCount; ++candidate) {
    const char* prefix = GetServicePrefixAt(candidate);
    const int length = static_cast<int>(std::strlen(prefix));
    if (text.Left(length) != prefix) continue;
    const CString rest = text.Mid(length);
    // "http://mailto:x" is not the web service with "mailto:x": that would
    // open "mailto:x".
    if (ComposeInternetAddress(candidate, rest) != text) break;
    service = candidate;
    address = rest;
    return;
  }
  service = SERVICE_OTHER;
  address = text;
}

CActionInternet::CActionInternet() : CAction(ACTION_INTERNET) { BuildServiceTable(); }

CActionInternet::CActionInternet(const CActionInternet& source)
    : CAction(source), m_nService(source.m_nService), m_strAddress(source.m_strAddress) {
  m_wKind = ACTION_INTERNET;
}

CActionInternet::~CActionInternet() = default;

CContainer* CActionInternet::Clone() { return new (std::nothrow) CActionInternet(*this); }

int CActionInternet::ReadContainer(const CString& file, const CString& section) {
  CAction::ReadContainer(file, section);
  // The key's name is spelt this way in every file.
  m_nService = static_cast<int>(GetPrivateProfileIntA(section, "Protocal", 0, file));
  // A missing or empty key keeps the address that was set.
  CString address = ReadProfileText(file, section, "URL");
  if (!address.IsEmpty()) m_strAddress = address;
  return 1;
}

void CActionInternet::WriteContainer(const CString& file, const CString& section) {
  CAction::WriteContainer(file, section);
  WriteIntKey(file, section, "Protocal", m_nService);
  WritePrivateProfileStringA(section, "URL", m_strAddress, file);
}

CString CActionInternet::GetFullAddress() const { return ComposeInternetAddress(m_nService, m_strAddress); }

int CActionInternet::WriteRegistry(HKEY parent, int index) {
  CActionRegKey key(parent, index, TRUE);
  const CString text = GetFullAddress();
  key.SetValue("Action", REG_SZ, text.GetString(), static_cast<DWORD>(text.GetLength()));
  const int result = CAction::WriteRegistry(parent, index);
  key.Close();
  return result;
}

int CActionInternet::ReadRegistry(HKEY parent, int index) {
  CActionRegKey key(parent, index, FALSE);
  const int result = CAction::ReadRegistry(parent, index);
  CString text;
  // A missing "Action" keeps the service and the address as they were.
  if (key.QueryText("Action", text)) SplitInternetAddress(text, m_nService, m_strAddress);
  key.Close();
  return result;
}

int CActionInternet::Execute(HWND window) {
  const CString address = GetFullAddress();
  // The web service's prefix alone opens the browser on its start page.
  if (address == GetServicePrefixAt(SERVICE_WEB))
    ShellExecuteA(window, "open", kBrowserProgram, nullptr, nullptr, SW_SHOWNORMAL);
  else
    ShellExecuteA(window, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
  return 1;
}

int CActionInternet::GetDescription(HKEY, CString& out, int) {
  if (m_nService >= 0 && m_nService < kPrefixedServiceCount) {
    CString name;
    GetServiceNameAt(name, m_nService);
    out = name + "(" + m_strAddress + ")";
  } else {
    out = m_strAddress;
  }
  return out.GetLength();
}

CString CActionInternet::GetTypeName() { return LoadResString(kInternetTypeName); }

}  // namespace corvane
