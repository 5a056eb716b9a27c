// CAction: the base of the single actions (hot key, menu, text, system
// function, run, sound, internet).  A container without children that adds a
// kind code, a sub-kind and an alias text, their storage in a profile section
// and in a registry subkey, and six operations every action answers.
#pragma once

#include "container/Container.h"
#include "system/Win32.h"

namespace corvane {

// Kind codes, stored as "Type".
constexpr WORD ACTION_BASE = 1;
constexpr WORD ACTION_RUN = 2;
constexpr WORD ACTION_HOTKEY = 3;
constexpr WORD ACTION_TEXT = 4;
constexpr WORD ACTION_SYSTEM = 5;
constexpr WORD ACTION_INTERNET = 7;
constexpr WORD ACTION_SOUND = 9;
constexpr WORD ACTION_MENU = 10;

// The container type of every action.
constexpr int CONTAINER_ACTION = 1;

// Key words, the unit of PlayKeys: bits 0-7 the virtual-key code, bit 8 the
// extended-key flag, bit 15 set for a release.  A key list ends with 0.
constexpr WORD KEYWORD_EXTENDED = 0x0100;
constexpr WORD KEYWORD_RELEASE = 0x8000;

class CAction : public CContainer {
 public:
  CAction();
  CAction(const CAction& source);
  ~CAction() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;

  // The six operations every action adds, in this order.
  virtual int DeleteRegistry(HKEY parent, int index);
  virtual int WriteRegistry(HKEY parent, int index);
  virtual int ReadRegistry(HKEY parent, int index);
  // Performs the action now, on the calling thread; window is the window that
  // was active when playback started (null for a direct run).  Nonzero when
  // the action was performed.
  virtual int Execute(HWND window);
  // A one-line description into out; answers its length, 0 for none.  The
  // context (the owning list's registry key) and the flag (1 for a list view)
  // are passed along for the kinds; none reads them.
  virtual int GetDescription(HKEY context, CString& out, int flag);
  virtual CString GetTypeName();

  // Plays a zero-terminated list of key words with keybd_event, back to back.
  // A null list plays nothing.
  void PlayKeys(const WORD* keys);

  WORD m_wKind;
  LONG m_dwExtraType = 0;
  CString m_strActionAlias;

 protected:
  // For the kinds: sets the kind code (and everything else as the default
  // constructor does).
  explicit CAction(WORD kind);
};

// Reads a profile value of any length (the empty text when it is missing).
CString ReadProfileText(const CString& file, const CString& section, LPCSTR key);

// Builds a new, default action of the kind that the low byte of type names,
// or answers null (also for kind 1, the plain base).  Owned by the caller.
CAction* CreateAction(int type);

}  // namespace corvane
