// The US keyboard layout, for desktops that have no layout of their own to
// ask (the recording backend).
#pragma once

#include "system/Win32.h"

namespace corvane {

// What VkKeyScanA answers on a US layout: the virtual-key code in the low
// byte and the shift state in the high byte (1 Shift, 2 Control); -1 for a
// character that no key gives.
SHORT UsLayoutVkKeyScan(char ch);

}  // namespace corvane
