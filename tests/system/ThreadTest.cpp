#include "system/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace corvane {
namespace {

TEST(Event, ManualResetStaysSignalledUntilReset) {
  HANDLE event = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(event, INFINITE), WAIT_OBJECT_0);  // still signalled
  EXPECT_TRUE(ResetEvent(event));
  EXPECT_EQ(WaitForSingleObject(event, 10), WAIT_TIMEOUT);
  EXPECT_TRUE(SetEvent(event));
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
  EXPECT_TRUE(CloseHandle(event));
}

TEST(Event, AutoResetReleasesOneWait) {
  HANDLE event = CreateEventA(nullptr, FALSE, TRUE, nullptr);
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
  CloseHandle(event);
}

TEST(Event, NullHandleFails) {
  EXPECT_EQ(WaitForSingleObject(nullptr, INFINITE), WAIT_FAILED);
  EXPECT_FALSE(SetEvent(nullptr));
  EXPECT_FALSE(ResetEvent(nullptr));
  EXPECT_FALSE(CloseHandle(nullptr));
}

TEST(Event, WaitEndsWhenAnotherThreadSignals) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread signaller([event] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    SetEvent(event);
  });
  EXPECT_EQ(WaitForSingleObject(event, INFINITE), WAIT_OBJECT_0);
  signaller.join();
  CloseHandle(event);
}

// The waiter closes the event as soon as its wait returns, while the
// signalling thread may still be inside SetEvent: the event must outlive
// that call (the sanitizer builds catch a use after free here).
TEST(Event, CloseRightAfterWaitWhileSignallerLeaves) {
  for (int round = 0; round < 300; ++round) {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread signaller([event] { SetEvent(event); });
    ASSERT_EQ(WaitForSingleObject(event, INFINITE), WAIT_OBJECT_0);
    CloseHandle(event);
    signaller.join();
  }
}

UINT Count(LPVOID param) {
  static_cast<std::atomic<int>*>(param)->fetch_add(1);
  return 0;
}

TEST(WorkerThread, RunsProcWithItsParameter) {
  std::atomic<int> calls{0};
  for (int i = 0; i < 5; ++i) ASSERT_NE(AfxBeginThread(&Count, &calls), nullptr);
  WaitForWorkerThreads();
  EXPECT_EQ(calls.load(), 5);
}

struct Gate {
  std::atomic<bool> ran{false};
};

UINT MarkRan(LPVOID param) {
  static_cast<Gate*>(param)->ran = true;
  return 0;
}

TEST(WorkerThread, SuspendedThreadWaitsForResume) {
  Gate gate;
  CWinThread* thread = AfxBeginThread(&MarkRan, &gate, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  ASSERT_NE(thread, nullptr);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_FALSE(gate.ran.load());
  EXPECT_EQ(thread->ResumeThread(), 1u);
  WaitForWorkerThreads();
  EXPECT_TRUE(gate.ran.load());
}

TEST(WorkerThread, StartFailureAnswersNullAndRunsNothing) {
  Gate gate;
  SetThreadStartFailureForTesting(true);
  CWinThread* thread = AfxBeginThread(&MarkRan, &gate);
  SetThreadStartFailureForTesting(false);
  EXPECT_EQ(thread, nullptr);
  WaitForWorkerThreads();
  EXPECT_FALSE(gate.ran.load());
  EXPECT_EQ(AfxBeginThread(nullptr, nullptr), nullptr);
}

}  // namespace
}  // namespace corvane
