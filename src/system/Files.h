// The Win32 file functions the installer uses: attributes of a path, folder
// creation and copying a file.  On Linux a copy never leaves a half-written
// target: it goes to a temporary file beside the target, which is then
// renamed over it.
#pragma once

#include "system/Win32.h"

namespace corvane {

constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

// The character that separates the parts of a path on this platform.
#if defined(_WIN32)
constexpr char PATH_SEPARATOR = '\\';
#else
constexpr char PATH_SEPARATOR = '/';
#endif

struct SECURITY_ATTRIBUTES {
  DWORD nLength;
  LPVOID lpSecurityDescriptor;
  BOOL bInheritHandle;
};
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

// The attributes of a file or folder (symbolic links are followed), or
// INVALID_FILE_ATTRIBUTES when the path does not exist or cannot be reached.
// On Linux: FILE_ATTRIBUTE_DIRECTORY for a folder, FILE_ATTRIBUTE_READONLY for
// what the caller may not write, FILE_ATTRIBUTE_HIDDEN for a name that starts
// with a dot, FILE_ATTRIBUTE_NORMAL when none of these applies.
DWORD GetFileAttributesA(LPCSTR path);

// Creates one folder (its parent must exist).  FALSE when it could not be
// created, among others because something of that name exists already.
BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security);

// Copies the regular file source to target.  With failIfExists, an existing
// target is left alone and the answer is FALSE; otherwise it is replaced.
// The copy takes the source's permissions and modification time.  On any
// failure (source missing, unreadable or not a file, target folder missing,
// disk full) the answer is FALSE and an existing target is untouched.
BOOL CopyFileA(LPCSTR source, LPCSTR target, BOOL failIfExists);

}  // namespace corvane
