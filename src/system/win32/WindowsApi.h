// The one place where the Windows headers come in.  Backend files include
// the system layer's own headers first and this one last: <windows.h> defines
// macros (RGB, MAX_PATH, REG_SZ, HKEY_CURRENT_USER ...) that would otherwise
// rewrite the layer's declarations of the same names.  After it, the layer's
// names that are also macros there (ERROR_SUCCESS, REG_SZ ...) are used
// through those macros, whose values are the same, and the platform's
// functions and types are written with "::".
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>
