// What the tests need to drive the fake tablet driver: where its two builds
// are, and setting the environment variable it reads its description from.
#pragma once

#include <cstdlib>
#include <string>

namespace corvane::test {

// The full driver and the one without "SetFunctionKeys".
inline const char* FakeTabletDriver() { return CORVANE_FAKE_TABLET_DRIVER; }
inline const char* FakeTabletDriverPartial() { return CORVANE_FAKE_TABLET_DRIVER_PARTIAL; }

// Sets an environment variable of the process (null value: removes it).
inline void SetEnvironment(const char* name, const char* value) {
#if defined(_WIN32)
  _putenv_s(name, value ? value : "");
#else
  if (value)
    setenv(name, value, 1);
  else
    unsetenv(name);
#endif
}

}  // namespace corvane::test
