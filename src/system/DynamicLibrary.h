// Run-time loading of libraries: LoadLibraryA, GetProcAddress, FreeLibrary.
//
// On Linux a Windows library name is mapped to a shared object:
// - a name that contains a '/' is a path and is loaded as it stands;
// - "WINTAB32.DLL", the tablet driver, is taken from the file that the
//   environment variable CORVANE_TABLET_DRIVER names when it is set and not
//   empty;
// - otherwise "NAME.DLL" becomes "libname.so" (lower case), looked up on the
//   library search path (LD_LIBRARY_PATH, the run path, the system folders).
#pragma once

#include "system/Win32.h"

#ifndef WINAPI
#if defined(_WIN32)
#define WINAPI __stdcall
#else
#define WINAPI
#endif
#endif

namespace corvane {

typedef void (*FARPROC)();

// A handle to the loaded library, or null when it cannot be loaded.  Every
// successful load must be matched by a FreeLibrary.
HMODULE LoadLibraryA(LPCSTR fileName);
// The exported function of that name, or null when the library has none.
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
BOOL FreeLibrary(HMODULE module);

// The file that LoadLibraryA would load for a name on this platform (for
// messages and tests): the path as given, the override, or the mapped name.
CString MapLibraryName(LPCSTR fileName);

}  // namespace corvane
