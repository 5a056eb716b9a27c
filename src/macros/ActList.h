// CActList: the macro of one tablet function key.  Its registry key is the
// one the tablet driver keeps for that key, so its actions are stored where
// the driver finds them.
#pragma once

#include "macros/MacroAction.h"

namespace corvane {

class CActList : public CMacroAction {
 public:
  CActList();
  CActList(const CActList& source);
  ~CActList() override;

  CContainer* Clone() override;
  HKEY OpenRegistryKey(int create) override;

  // Added after the macro's five: the five-page variant of the action sheet.
  virtual CAction* EditListAction(CAction* action);

  // Change counter: raised when the list's settings change, cleared when
  // they have been written.
  int m_nModified = 0;
  // The tablet function key the list belongs to.
  int m_nFKeyID = 0;
};

}  // namespace corvane
