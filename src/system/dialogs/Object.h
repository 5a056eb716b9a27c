// Run-time class information and message maps, the two pieces of the class
// library's object model that the dialog classes rely on.
//
// A class that wants to be recognised at run time declares DECLARE_DYNAMIC in
// its body and IMPLEMENT_DYNAMIC(Class, Base) in its source; RUNTIME_CLASS,
// IsKindOf and DYNAMIC_DOWNCAST then work as one would expect.
//
// A command target declares DECLARE_MESSAGE_MAP and lists its handlers
// between BEGIN_MESSAGE_MAP(Class, Base) and END_MESSAGE_MAP; a control's
// notification reaches the first entry that matches, searched from the most
// derived class to the base.
#pragma once

#include "system/Win32.h"
#include "system/dialogs/WindowStyles.h"

namespace corvane {

struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  const CRuntimeClass* m_pBaseClass;

  BOOL IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
 public:
  static const CRuntimeClass classCObject;

  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* cls) const;

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                         \
 public:                                                    \
  static const ::corvane::CRuntimeClass class##class_name;  \
  const ::corvane::CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                   \
  const ::corvane::CRuntimeClass class_name::class##class_name = {#class_name, int(sizeof(class_name)), \
                                                                  RUNTIME_CLASS(base_class_name)};      \
  const ::corvane::CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

// The object as a pointer to the class when it is of that class (or derived
// from it), else null.
template <class T>
T* DynamicDowncast(CObject* object, const CRuntimeClass* cls) {
  return object && object->IsKindOf(cls) ? static_cast<T*>(object) : nullptr;
}
#define DYNAMIC_DOWNCAST(class_name, object) \
  (::corvane::DynamicDowncast<class_name>(object, RUNTIME_CLASS(class_name)))

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // WM_COMMAND for control notifications, WM_PAINT ...
  UINT nCode;     // notification code
  UINT nID;       // first control id
  UINT nLastID;   // last control id of the range
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  // Calls the handler of the command or notification; answers whether one
  // was found.
  virtual BOOL OnCmdMsg(UINT id, int code);
  // Calls the handler of a window message without parameters (WM_PAINT).
  BOOL DispatchMessageEntry(UINT message);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

 private:
  const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT code, UINT id) const;
};

#define DECLARE_MESSAGE_MAP()                                 \
 protected:                                                   \
  static const ::corvane::AFX_MSGMAP* GetThisMessageMap();    \
  const ::corvane::AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
  const ::corvane::AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }   \
  const ::corvane::AFX_MSGMAP* theClass::GetThisMessageMap() {                                    \
    typedef theClass ThisClass;                                                                   \
    typedef baseClass TheBaseClass;                                                               \
    static const ::corvane::AFX_MSGMAP_ENTRY _messageEntries[] = {
#define ON_CONTROL(code, id, memberFxn)                                            \
  {::corvane::WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id),                    \
   static_cast<::corvane::AFX_PMSG>(&ThisClass::memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(::corvane::BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(::corvane::EN_CHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(::corvane::CBN_SELCHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(::corvane::LBN_SELCHANGE, id, memberFxn)
#define ON_WM_PAINT() {::corvane::WM_PAINT, 0, 0, 0, static_cast<::corvane::AFX_PMSG>(&ThisClass::OnPaint)},
#define END_MESSAGE_MAP()                                                   \
  {0, 0, 0, 0, nullptr}                                                     \
  }                                                                         \
  ;                                                                         \
  static const ::corvane::AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                       \
  }

}  // namespace corvane
