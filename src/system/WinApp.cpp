#include "system/WinApp.h"

#include <string>

#include "system/Files.h"
#include "system/Registry.h"
#include "system/Resources.h"

namespace corvane {

namespace {

CWinApp* g_application = nullptr;

// A text setting longer than this is taken for damage, not for a value.
constexpr DWORD kMaxTextSetting = 1u << 20;

class KeyCloser {
 public:
  explicit KeyCloser(HKEY key) : m_key(key) {}
  ~KeyCloser() {
    if (m_key) RegCloseKey(m_key);
  }
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;

 private:
  HKEY m_key;
};

// The file name of a program path without its folder and extension.
CString ProgramName(LPCSTR programPath) {
  std::string name = programPath ? programPath : "";
  const size_t slash = name.find_last_of(PATH_SEPARATOR == '/' ? "/" : "\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return CString(name);
}

}  // namespace

CWinApp::CWinApp(LPCSTR appName)
    : m_pszAppName(nullptr), m_pszRegistryKey(nullptr), m_pszProfileName(nullptr), m_pszExeName(nullptr) {
  if (appName) {
    m_strAppName = appName;
    m_pszAppName = m_strAppName.GetString();
  }
  g_application = this;
}

CWinApp::~CWinApp() {
  if (g_application == this) g_application = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() { return ExitInstance(); }

int CWinApp::ExitInstance() { return 0; }

CWinApp* AfxGetApp() { return g_application; }

void CWinApp::SetDefaultAppName(LPCSTR programPath) {
  m_strExeName = ProgramName(programPath);
  m_pszExeName = m_strExeName.GetString();
  if (m_pszAppName) return;
  m_strAppName = LoadResString(AFX_IDS_APP_TITLE);
  if (m_strAppName.IsEmpty()) m_strAppName = m_strExeName;
  m_pszAppName = m_strAppName.GetString();
}

void CWinApp::SetRegistryKey(LPCSTR key) {
  if (!key || !*key) return;
  m_strRegistryKey = key;
  m_pszRegistryKey = m_strRegistryKey.GetString();
  m_strProfileName = m_pszAppName ? m_pszAppName : "";
  m_pszProfileName = m_strProfileName.GetString();
}

HKEY CWinApp::GetAppRegistryKey(bool create) {
  if (!m_pszRegistryKey || !m_pszProfileName || !*m_pszProfileName) return nullptr;
  const CString path = CString("Software\\") + m_pszRegistryKey + "\\" + m_pszProfileName;
  HKEY key = nullptr;
  const LSTATUS status =
      create ? RegCreateKeyA(HKEY_CURRENT_USER, path, &key) : RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
  return status == ERROR_SUCCESS ? key : nullptr;
}

HKEY CWinApp::GetSectionKey(LPCSTR section, bool create) {
  if (!section || !*section) return nullptr;
  HKEY application = GetAppRegistryKey(create);
  if (!application) return nullptr;
  KeyCloser closer(application);
  HKEY key = nullptr;
  const LSTATUS status =
      create ? RegCreateKeyA(application, section, &key) : RegOpenKeyExA(application, section, 0, KEY_READ, &key);
  return status == ERROR_SUCCESS ? key : nullptr;
}

UINT CWinApp::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) {
  const UINT fallback = static_cast<UINT>(defaultValue);
  if (!entry) return fallback;
  HKEY key = GetSectionKey(section, false);
  if (!key) return fallback;
  KeyCloser closer(key);
  DWORD type = REG_NONE;
  BYTE data[4] = {};
  DWORD size = sizeof data;
  if (RegQueryValueExA(key, entry, nullptr, &type, data, &size) != ERROR_SUCCESS || type != REG_DWORD ||
      size != sizeof data)
    return fallback;
  return static_cast<UINT>(data[0]) | (static_cast<UINT>(data[1]) << 8) | (static_cast<UINT>(data[2]) << 16) |
         (static_cast<UINT>(data[3]) << 24);
}

BOOL CWinApp::WriteProfileInt(LPCSTR section, LPCSTR entry, int value) {
  if (!entry) return FALSE;
  HKEY key = GetSectionKey(section, true);
  if (!key) return FALSE;
  KeyCloser closer(key);
  const DWORD number = static_cast<DWORD>(value);
  const BYTE data[4] = {static_cast<BYTE>(number), static_cast<BYTE>(number >> 8), static_cast<BYTE>(number >> 16),
                        static_cast<BYTE>(number >> 24)};
  return RegSetValueExA(key, entry, 0, REG_DWORD, data, sizeof data) == ERROR_SUCCESS ? TRUE : FALSE;
}

CString CWinApp::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) {
  const CString fallback(defaultValue);
  if (!entry) return fallback;
  HKEY key = GetSectionKey(section, false);
  if (!key) return fallback;
  KeyCloser closer(key);
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return fallback;
  // The value may change between the two questions; ask again when it grew.
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (type != REG_SZ || size > kMaxTextSetting) return fallback;
    std::string text(size, '\0');
    DWORD got = size;
    const LSTATUS status =
        RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<LPBYTE>(text.data()), &got);
    if (status == ERROR_MORE_DATA) {
      size = got;
      continue;
    }
    if (status != ERROR_SUCCESS || type != REG_SZ) return fallback;
    text.resize(got < size ? got : size);
    const size_t zero = text.find('\0');
    if (zero != std::string::npos) text.erase(zero);
    return CString(std::move(text));
  }
  return fallback;
}

BOOL CWinApp::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) {
  if (!entry || !value) return FALSE;
  HKEY key = GetSectionKey(section, true);
  if (!key) return FALSE;
  KeyCloser closer(key);
  const CString text(value);
  return RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()),
                        static_cast<DWORD>(text.GetLength()) + 1) == ERROR_SUCCESS
             ? TRUE
             : FALSE;
}

int AfxWinMain(int argc, char** argv) {
  CWinApp* application = AfxGetApp();
  if (!application) return 1;
  try {
    application->SetDefaultAppName(argc > 0 && argv ? argv[0] : nullptr);
    if (!application->InitInstance()) return application->ExitInstance();
    return application->Run();
  } catch (...) {
    return 1;
  }
}

}  // namespace corvane
