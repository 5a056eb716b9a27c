// The system layer's core vocabulary: the public value types plus the Win32
// names and constants that the subsystems use.  Subsystem code includes this
// (and the other headers of src/system) instead of any platform header.
#pragma once

#include <cstddef>

#include "corvane/CString.h"
#include "corvane/Geometry.h"
#include "corvane/Types.h"

namespace corvane {

typedef long LSTATUS;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;

constexpr LSTATUS ERROR_SUCCESS = 0;
constexpr LSTATUS ERROR_FILE_NOT_FOUND = 2;
constexpr LSTATUS ERROR_ACCESS_DENIED = 5;
constexpr LSTATUS ERROR_INVALID_HANDLE = 6;
constexpr LSTATUS ERROR_INVALID_PARAMETER = 87;
constexpr LSTATUS ERROR_MORE_DATA = 234;

constexpr int MAX_PATH = 260;

}  // namespace corvane
