// CMacroAction: a container of single actions that stores itself in a
// profile section (one numbered section per action) and, when it has a
// registry key, under that key (one numbered subkey per action); fills a
// four-column list view; and plays its actions one after another on a worker
// thread of its own, 200 ms apart.
//
// One playback per macro at a time: the manual-reset idle event is signalled
// while the macro is idle.  Play and the destructor wait for a running
// playback to end.  Play must be called from one thread only (the host's).
#pragma once

#include "container/Container.h"
#include "system/Thread.h"
#include "system/Win32.h"

namespace corvane {

class CAction;

// The container type code of macros and action lists.
constexpr int CONTAINER_MACRO = 18;

// The pause before each action of a playback, in milliseconds.
constexpr DWORD kMacroActionPause = 200;

// The most actions a macro reads from a profile section or a registry key,
// whatever count is stored there (the registry keeps the count in 16 bits).
constexpr int kMaxMacroActions = 65535;

// List view of a macro's actions: the columns' headings (string ids), widths
// and the column that shows the action's alias.
constexpr UINT IDS_COLUMN_ACTION = 53;
constexpr UINT IDS_COLUMN_TYPE = 55;
constexpr UINT IDS_COLUMN_ACTION_ALIAS = 56;
constexpr UINT IDS_COLUMN_ACTION_DESCRIPTION = 57;

class CMacroAction : public CContainer {
 public:
  CMacroAction();
  CMacroAction(const CMacroAction& source);
  ~CMacroAction() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  void ControlSetup(CListCtrl* list) override;
  void ControlInsertItem(CListCtrl* list, int index) override;
  void ControlItemChanged(CListCtrl* list, int column, int index) override;
  int GetAliasField(CListCtrl* list) override;
  int OnInsertNew(int index) override;
  int OnEditItem(int index, int preset) override;
  void Play(void* parameter) override;

  // The five operations a macro adds, in this order.
  // The registry key of the macro (create 0: open for reading, otherwise
  // create for writing), or null; the caller closes it.  A plain macro has none.
  virtual HKEY OpenRegistryKey(int create);
  // Lets the user build a new action in the action sheet; answers it (owned
  // by the caller) or null.
  virtual CAction* EditAction(CAction* action, int preset);
  // Appends the actions stored under the registry key; answers the stored count.
  virtual int LoadFromRegistry();
  // Stores the actions under the registry key; answers 1, or 0 without a key.
  virtual int SaveToRegistry();
  // Runs every action at once on the calling thread, without a window and
  // without pauses; answers the last action's answer (0 for none).
  virtual int ExecuteAll();

  // Waits until the macro is idle, then plays it on a new worker thread
  // with window as every action's target.
  void StartPlayback(HWND window);
  // True while no playback runs.
  bool IsIdle() const;

  int m_nID = -1;
  // The playback thread while one runs, else null.  Written by the thread
  // that starts a playback and by the playback thread as it ends; read it
  // only while the macro is known to be idle.
  CWinThread* m_pThread = nullptr;
  HANDLE m_hIdleEvent = nullptr;
  // The window given to the actions during a playback; null when idle.
  HWND m_hTargetWnd = nullptr;

 protected:
  // The action at a position, or null when there is none or the child there
  // is not an action.
  CAction* ActionAt(int index);
  // Blocks until no playback runs.  Every destructor of the macro classes
  // calls it first, so that a playback never meets a half-destroyed macro.
  void WaitUntilIdle();

 private:
  static UINT PlaybackThread(LPVOID macro);
};

}  // namespace corvane
