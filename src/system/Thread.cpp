// Events and worker threads on the C++ standard library, the same on every
// platform.  Threads are joinable underneath: a thread that has ended is
// joined by the next AfxBeginThread or by WaitForWorkerThreads, so no thread
// outlives the library's code.
#include "system/Thread.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <list>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include "system/ProcessExit.h"

namespace corvane {

// ---------------------------------------------------------------- events

namespace {

struct EventObject {
  static constexpr std::uint32_t kMagic = 0x45564E54;  // "EVNT"
  std::atomic<std::uint32_t> magic{kMagic};
  std::atomic<int> references{1};
  std::mutex mutex;
  std::condition_variable changed;
  bool signalled = false;
  bool manualReset = true;
};

// Takes a reference for the length of one call, so that a CloseHandle on
// another thread cannot free the event under it.
EventObject* Acquire(HANDLE handle) {
  auto* event = static_cast<EventObject*>(handle);
  if (!event || event->magic.load(std::memory_order_acquire) != EventObject::kMagic) return nullptr;
  event->references.fetch_add(1, std::memory_order_relaxed);
  return event;
}

void Release(EventObject* event) {
  if (event->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    event->magic.store(0, std::memory_order_relaxed);
    delete event;
  }
}

}  // namespace

HANDLE CreateEventA(LPVOID, BOOL manualReset, BOOL initialState, LPCSTR) {
  auto* event = new (std::nothrow) EventObject;
  if (!event) return nullptr;
  event->manualReset = manualReset != FALSE;
  event->signalled = initialState != FALSE;
  return event;
}

BOOL SetEvent(HANDLE handle) {
  EventObject* event = Acquire(handle);
  if (!event) return FALSE;
  {
    std::lock_guard<std::mutex> lock(event->mutex);
    event->signalled = true;
    if (event->manualReset)
      event->changed.notify_all();
    else
      event->changed.notify_one();
  }
  Release(event);
  return TRUE;
}

BOOL ResetEvent(HANDLE handle) {
  EventObject* event = Acquire(handle);
  if (!event) return FALSE;
  {
    std::lock_guard<std::mutex> lock(event->mutex);
    event->signalled = false;
  }
  Release(event);
  return TRUE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  EventObject* event = Acquire(handle);
  if (!event) return WAIT_FAILED;
  DWORD result = WAIT_OBJECT_0;
  {
    std::unique_lock<std::mutex> lock(event->mutex);
    auto ready = [event] { return event->signalled; };
    if (milliseconds == INFINITE)
      event->changed.wait(lock, ready);
    else if (!event->changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ready))
      result = WAIT_TIMEOUT;
    if (result == WAIT_OBJECT_0 && !event->manualReset) event->signalled = false;
  }
  Release(event);
  return result;
}

BOOL CloseHandle(HANDLE handle) {
  auto* event = static_cast<EventObject*>(handle);
  if (!event || event->magic.load(std::memory_order_acquire) != EventObject::kMagic) return FALSE;
  Release(event);
  return TRUE;
}

// ---------------------------------------------------------------- threads

struct CWinThread::State {
  std::thread thread;
  AFX_THREADPROC proc = nullptr;
  LPVOID param = nullptr;
  bool resumed = false;
  bool finished = false;
};

// Every thread started and not yet joined.  One lock guards all of it; the
// table itself is never destroyed, so threads still running while static
// objects are torn down never meet a dead lock object.
struct ThreadTable {
  std::mutex mutex;
  std::condition_variable changed;
  std::list<CWinThread*> threads;
  DWORD nextId = 1;
  bool failStarts = false;

  static ThreadTable& Get() {
    static ThreadTable* table = new ThreadTable;
    return *table;
  }

  static void Destroy(CWinThread* thread) {
    delete thread->m_pState;
    delete thread;
  }

  static void Run(CWinThread* thread) {
    ThreadTable& table = Get();
    CWinThread::State* state = thread->m_pState;
    AFX_THREADPROC proc;
    LPVOID param;
    {
      std::unique_lock<std::mutex> lock(table.mutex);
      table.changed.wait(lock, [state] { return state->resumed; });
      proc = state->proc;
      param = state->param;
    }
    proc(param);
    std::lock_guard<std::mutex> lock(table.mutex);
    state->finished = true;
    table.changed.notify_all();
  }

  // Joins the threads that have ended (all of them when waitAll is set).
  void Reap(bool waitAll) {
    for (;;) {
      std::vector<CWinThread*> taken;
      {
        std::lock_guard<std::mutex> lock(mutex);
        for (auto it = threads.begin(); it != threads.end();) {
          CWinThread::State* state = (*it)->m_pState;
          const bool self = state->thread.get_id() == std::this_thread::get_id();
          if (!self && (waitAll || state->finished)) {
            if (!state->resumed) {  // never resumed: let it run so it can end
              state->resumed = true;
              changed.notify_all();
            }
            taken.push_back(*it);
            it = threads.erase(it);
          } else {
            ++it;
          }
        }
      }
      for (CWinThread* thread : taken) {
        if (thread->m_pState->thread.joinable()) thread->m_pState->thread.join();
        Destroy(thread);
      }
      if (!waitAll || taken.empty()) return;
    }
  }
};

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int, UINT, DWORD createFlags, LPVOID) {
  if (!proc) return nullptr;
  ThreadTable& table = ThreadTable::Get();
  table.Reap(false);

  CWinThread* thread = new (std::nothrow) CWinThread;
  if (!thread) return nullptr;
  thread->m_pState = new (std::nothrow) CWinThread::State;
  if (!thread->m_pState) {
    delete thread;
    return nullptr;
  }
  thread->m_pState->proc = proc;
  thread->m_pState->param = param;
  thread->m_pState->resumed = (createFlags & CREATE_SUSPENDED) == 0;

  std::lock_guard<std::mutex> lock(table.mutex);
  if (table.failStarts) {
    ThreadTable::Destroy(thread);
    return nullptr;
  }
  try {
    // The new thread blocks on the table lock until this function is done,
    // so it sees a complete entry.
    thread->m_pState->thread = std::thread(&ThreadTable::Run, thread);
  } catch (const std::system_error&) {
    ThreadTable::Destroy(thread);
    return nullptr;
  }
  thread->m_nThreadID = table.nextId++;
  table.threads.push_back(thread);
  return thread;
}

DWORD CWinThread::ResumeThread() {
  ThreadTable& table = ThreadTable::Get();
  std::lock_guard<std::mutex> lock(table.mutex);
  if (m_pState->resumed) return 0;
  m_pState->resumed = true;
  table.changed.notify_all();
  return 1;
}

void WaitForWorkerThreads() { ThreadTable::Get().Reap(true); }

void SetThreadStartFailureForTesting(bool fail) {
  ThreadTable& table = ThreadTable::Get();
  std::lock_guard<std::mutex> lock(table.mutex);
  table.failStarts = fail;
}

namespace {

// Joins what still runs when the library (or the program) goes away, unless
// the process is exiting and its other threads are already gone (they may
// have ended inside the table's lock).
struct WorkerThreadsAtExit {
  ~WorkerThreadsAtExit() {
    if (!ProcessIsExiting()) WaitForWorkerThreads();
  }
} g_workerThreadsAtExit;

}  // namespace

}  // namespace corvane
