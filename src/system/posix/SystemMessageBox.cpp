// Linux has no message box of its own here: the caller prints the message.
#include "system/dialogs/SystemMessageBox.h"

namespace corvane {

int ShowSystemMessageBox(const char*, const char*, UINT) { return 0; }

}  // namespace corvane
