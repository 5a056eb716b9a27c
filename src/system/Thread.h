// Worker threads and event objects, with the Win32 and MFC names the library
// uses: CreateEventA / SetEvent / ResetEvent / WaitForSingleObject /
// CloseHandle, and AfxBeginThread with its self-deleting CWinThread.
#pragma once

#include "system/Win32.h"

namespace corvane {

typedef void* HANDLE;

constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 0x102;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

// An event: manual-reset events stay signalled until reset; auto-reset
// events release one waiter and reset themselves.  Answers null when it
// cannot be made.  The security attributes and the name are not supported
// (a name is ignored).
HANDLE CreateEventA(LPVOID security, BOOL manualReset, BOOL initialState, LPCSTR name);
BOOL SetEvent(HANDLE event);
BOOL ResetEvent(HANDLE event);
// WAIT_OBJECT_0 once the event is signalled, WAIT_TIMEOUT after the given
// milliseconds (INFINITE waits without limit), WAIT_FAILED for a null or
// closed handle.
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
// Closes the handle.  A thread still inside SetEvent or a wait on it keeps
// the event alive until it leaves.
BOOL CloseHandle(HANDLE handle);

typedef UINT (*AFX_THREADPROC)(LPVOID);

constexpr int THREAD_PRIORITY_NORMAL = 0;
constexpr DWORD CREATE_SUSPENDED = 0x4;

class CWinThread;

// Starts proc(param) on a new thread and answers its thread object, or null
// when no thread can be started.  The object belongs to the thread: it goes
// away by itself after proc returns.  With CREATE_SUSPENDED the thread waits
// for ResumeThread before it calls proc, so the caller can store the object
// before the thread can finish.  Priority, stack size and security are
// accepted for the caller's sake; threads run with the defaults.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD createFlags = 0, LPVOID security = nullptr);

class CWinThread {
 public:
  // Lets a thread started suspended run.  Answers the previous suspend
  // count (1 the first time, 0 when it already ran), or (DWORD)-1 on failure.
  DWORD ResumeThread();
  DWORD m_nThreadID = 0;

 private:
  friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD, LPVOID);
  friend struct ThreadTable;
  CWinThread() = default;
  ~CWinThread() = default;
  CWinThread(const CWinThread&) = delete;
  CWinThread& operator=(const CWinThread&) = delete;
  struct State;
  State* m_pState = nullptr;
};

// Waits until every thread started with AfxBeginThread has ended.  The
// library calls it when it is unloaded; it must not be called from one of
// those threads.
void WaitForWorkerThreads();

// Test support only: while set, AfxBeginThread fails as it does when the
// system has no room for another thread.
void SetThreadStartFailureForTesting(bool fail);

}  // namespace corvane
