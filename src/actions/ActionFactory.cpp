// The action factory: the class of an action from its stored kind code.
#include <new>

#include "actions/Action.h"
#include "actions/ActionHotKey.h"
#include "actions/ActionMenu.h"
#include "actions/ActionSystem.h"
#include "actions/ActionText.h"

namespace corvane {

CAction* CreateAction(int type) {
  switch (type & 0xFF) {
    case ACTION_HOTKEY: return new (std::nothrow) CActionHotKey;
    case ACTION_TEXT: return new (std::nothrow) CActionText;
    case ACTION_SYSTEM: return new (std::nothrow) CActionSystem;
    case ACTION_MENU: return new (std::nothrow) CActionMenu;
    default:
      // 1 (the plain base), the codes that name no kind, and the kinds not
      // built into this library.
      return nullptr;
  }
}

}  // namespace corvane
