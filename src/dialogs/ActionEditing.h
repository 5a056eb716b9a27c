// The two arrangements of the action sheet that edit one action: the full
// sheet of seven pages with a Default button, and the list sheet of five
// pages (with Load Template) without one.
#pragma once

#include "actions/Action.h"

namespace corvane {

// The page the sheet opens on for an action (null: the first page).
int GetActionSheetStartPage(const CAction* action, bool listSheet);

// Runs the sheet modally on the action (null for a new one) and answers the
// new action, owned by the caller, or null when the user cancelled or the
// front page built nothing.  The action given is never changed.
CAction* EditActionInSheet(CAction* action, int preset);
CAction* EditListActionInSheet(CAction* action);

}  // namespace corvane
