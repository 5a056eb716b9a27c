#include "installer/InstallerApp.h"

#include <string>

#include "system/Files.h"
#include "system/Registry.h"
#include "system/ShellFolder.h"
#include "system/WriteBatch.h"

namespace corvane {

namespace {

constexpr const char* kRegistryKey = "TALVORA";
constexpr const char* kAppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Scribora.exe";
constexpr const char* kPathValue = "Path";
constexpr const char* kTemplateName = "Scribora.dot";
constexpr const char* kFolderName = "Scribora";

constexpr const char* kVersionSection = "Version";
constexpr const char* kMainEntry = "Main";
constexpr const char* kExtendEntry = "Extend";
constexpr const char* kBrandEntry = "Brand";
constexpr int kMainVersion = 2;
constexpr int kExtendVersion = 10;
constexpr const char* kBrand = "NO";

// A "Path" longer than this is no folder name but a damaged value.
constexpr DWORD kMaxPathValue = 32768;

}  // namespace

CInstallerApp::CInstallerApp() : CWinApp(nullptr) {}

CInstallerApp::~CInstallerApp() = default;

BOOL CInstallerApp::InitInstance() {
  SetRegistryKey(kRegistryKey);
  InstallTemplate();
  return FALSE;
}

CString CInstallerApp::GetSiblingPath() {
  CString path;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return path;
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExA(key, kPathValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size <= kMaxPathValue) {
    // One byte more than asked for, so the text ends in a zero even when
    // the stored value has none.
    std::string text(size + 1, '\0');
    DWORD got = size;
    if (RegQueryValueExA(key, kPathValue, nullptr, &type, reinterpret_cast<LPBYTE>(text.data()), &got) ==
            ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
      text.erase(text.find('\0'));
      path = CString(std::move(text));
    }
  }
  RegCloseKey(key);
  return path;
}

int CInstallerApp::InstallTemplate() {
  const CString productFolder = GetSiblingPath();
  if (productFolder.IsEmpty()) return 0;

  // The "Path" value is expected to end with a separator; none is added.
  const CString source = productFolder + kTemplateName;

  char appData[MAX_PATH] = {};
  // Without the user's data folder there is nowhere to copy to.
  if (!SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, TRUE)) return 1;
  const CString folder = CString(appData) + PATH_SEPARATOR + kFolderName;
  const CString target = folder + PATH_SEPARATOR + kTemplateName;

  const bool copy = GetFileAttributesA(target) == INVALID_FILE_ATTRIBUTES || !IsInstalledVersionCurrent();
  if (copy) {
    CreateDirectoryA(folder, nullptr);  // it may well exist already
    if (CopyFileA(source, target, FALSE)) RecordInstalledVersion();
  }
  return 1;
}

bool CInstallerApp::IsInstalledVersionCurrent() {
  const UINT main = GetProfileInt(kVersionSection, kMainEntry, 0);
  const UINT extend = GetProfileInt(kVersionSection, kExtendEntry, 0);
  const CString brand = GetProfileString(kVersionSection, kBrandEntry, "");
  return main == static_cast<UINT>(kMainVersion) && extend == static_cast<UINT>(kExtendVersion) && brand == kBrand;
}

void CInstallerApp::RecordInstalledVersion() {
  // The three values reach the settings store together.
  WriteBatch batch;
  WriteProfileInt(kVersionSection, kMainEntry, kMainVersion);
  WriteProfileInt(kVersionSection, kExtendEntry, kExtendVersion);
  WriteProfileString(kVersionSection, kBrandEntry, kBrand);
}

}  // namespace corvane
