// The action factory: the class of an action from its stored kind code.
#include <new>

#include "actions/Action.h"
#include "actions/ActionHotKey.h"
#include "actions/ActionInternet.h"
#include "actions/ActionMenu.h"
#include "actions/ActionRun.h"
#include "actions/ActionSound.h"
#include "actions/ActionSystem.h"
#include "actions/ActionText.h"

namespace corvane {

CAction* CreateAction(int type) {
  switch (type & 0xFF) {
    case ACTION_RUN: return new (std::nothrow) CActionRun;
    case ACTION_HOTKEY: return new (std::nothrow) CActionHotKey;
    case ACTION_TEXT: return new (std::nothrow) CActionText;
    case ACTION_SYSTEM: return new (std::nothrow) CActionSystem;
    case ACTION_INTERNET: return new (std::nothrow) CActionInternet;
    case ACTION_SOUND: return new (std::nothrow) CActionSound;
    case ACTION_MENU: return new (std::nothrow) CActionMenu;
    default:
      // 1 (the plain base) and the codes that name no kind.
      return nullptr;
  }
}

}  // namespace corvane
