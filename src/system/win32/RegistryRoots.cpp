// The predefined roots, with the platform's values so that they pass to the
// registry functions unchanged.  Kept apart from the backend because
// <windows.h> makes these names macros.
#include <cstdint>

#include "system/Registry.h"

namespace corvane {

const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u));
const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u));

}  // namespace corvane
