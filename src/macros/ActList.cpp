#include "macros/ActList.h"

#include <new>

#include "dialogs/ActionEditing.h"
#include "surface/TabletDriver.h"

namespace corvane {

CActList::CActList() = default;

CActList::CActList(const CActList& source)
    : CMacroAction(source), m_nModified(source.m_nModified), m_nFKeyID(source.m_nFKeyID) {}

CActList::~CActList() { WaitUntilIdle(); }

CContainer* CActList::Clone() { return new (std::nothrow) CActList(*this); }

HKEY CActList::OpenRegistryKey(int create) { return GetFunctionKeyRegistryKey(m_nFKeyID, create != 0 ? 1 : 0); }

CAction* CActList::EditListAction(CAction* action) { return EditListActionInSheet(action); }

}  // namespace corvane
