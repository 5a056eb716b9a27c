#include "system/dialogs/Object.h"

namespace corvane {

const CRuntimeClass CObject::classCObject = {"CObject", int(sizeof(CObject)), nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* cls = this; cls; cls = cls->m_pBaseClass)
    if (cls == base) return TRUE;
  return FALSE;
}

BOOL CObject::IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn; ++entry) {
      if (entry->nMessage != message) continue;
      if (message == WM_COMMAND && (entry->nCode != code || id < entry->nID || id > entry->nLastID)) continue;
      return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code) {
  const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, static_cast<UINT>(code), id);
  if (!entry) return FALSE;
  (this->*(entry->pfn))();
  return TRUE;
}

BOOL CCmdTarget::DispatchMessageEntry(UINT message) {
  const AFX_MSGMAP_ENTRY* entry = FindEntry(message, 0, 0);
  if (!entry) return FALSE;
  (this->*(entry->pfn))();
  return TRUE;
}

}  // namespace corvane
