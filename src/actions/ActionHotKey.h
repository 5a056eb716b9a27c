// CActionHotKey: presses one key combination (any of Control, Alt and Shift
// held around one key) in the foreground window.
#pragma once

#include "actions/Action.h"

namespace corvane {

class CActionHotKey : public CAction {
 public:
  CActionHotKey();
  CActionHotKey(const CActionHotKey& source);
  ~CActionHotKey() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  int WriteRegistry(HKEY parent, int index) override;
  int ReadRegistry(HKEY parent, int index) override;
  int Execute(HWND window) override;
  int GetDescription(HKEY context, CString& out, int flag) override;
  CString GetTypeName() override;

  // The registry word: bits 0-7 the key, bit 9 Shift, bit 10 Alt, bit 11 Ctrl.
  WORD GetRegistryWord() const;
  void SetFromRegistryWord(WORD word);

  int m_bCtrl = 0;
  int m_bAlt = 0;
  int m_bShift = 0;
  BYTE m_cKey = 0x30;
};

}  // namespace corvane
