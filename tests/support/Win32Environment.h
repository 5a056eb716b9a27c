// The POSIX environment functions that tests use, for the Windows build
// (the C runtime there has _putenv_s only).  Included into every test source
// of that build.
#pragma once

#if defined(_WIN32) && defined(__cplusplus)
extern "C++" {
int setenv(const char* name, const char* value, int overwrite);
int unsetenv(const char* name);
}
#endif
