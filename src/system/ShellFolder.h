// The shell's special folders: where per-user data of programs belongs.
#pragma once

#include "system/Win32.h"

namespace corvane {

// The per-user folder of application data.  On Linux: $XDG_DATA_HOME when it
// is set to an absolute path, else ~/.local/share.
constexpr int CSIDL_APPDATA = 0x001A;

// Copies the path of the special folder csidl into path, which must hold
// MAX_PATH characters, without a trailing separator.  With create, the folder
// and any missing parent are created.  FALSE (and an empty path) when the
// folder is unknown, does not exist and was not created, or does not fit
// MAX_PATH characters.
BOOL SHGetSpecialFolderPathA(HWND owner, LPSTR path, int csidl, BOOL create);

}  // namespace corvane
