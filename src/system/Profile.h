// Windows profile (INI) files: the three Win32 functions the library uses.
// On Linux they run on the project's own INI engine: files are parsed once and
// kept until they change on disk, and every save replaces the file atomically
// (temporary file in the same folder, then rename).
#pragma once

#include "system/Win32.h"

namespace corvane {

// Copies the value of key in section of file into buffer (cut to size - 1
// characters), or the default when the file, section or key is missing.
// Answers the number of characters copied.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size,
                               LPCSTR file);

// The decimal integer the value starts with; the default when the key is missing.
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file);

// Creates file, section and key as needed and sets the key's value.
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);

}  // namespace corvane
