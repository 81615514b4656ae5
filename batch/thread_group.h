// Runs one callable on a fixed number of threads and reports, from a waiter thread of its own,
// when they have all ended. Knows nothing of addresses or windows.
#ifndef QUORVANE_BATCH_THREAD_GROUP_H_
#define QUORVANE_BATCH_THREAD_GROUP_H_

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quorvane {

class CThreadGroup {
  public:
    using Callable = std::function<void()>;

    CThreadGroup();
    // Waits for every waiter this group started (and so for every thread of every launch): no
    // std::thread is destroyed unjoined. The owner must have made the work end first.
    ~CThreadGroup();
    CThreadGroup(const CThreadGroup&) = delete;
    CThreadGroup& operator=(const CThreadGroup&) = delete;

    // Starts ThreadCount() threads running work and a waiter for them, then calls onStarted on
    // this thread. Only after onStarted has returned does the waiter join this launch's threads
    // and call onFinished on its own thread, holding no lock; onFinished stays alive until it
    // returns even if a new Launch begins meanwhile. If a thread cannot be created (refused by
    // the system, or no memory for it or its record): onCreateFailed is called (it must make the
    // work end), the threads already created are joined, neither notification is made, and false
    // is returned. If onStarted throws, the exception propagates but the launch goes on: its
    // finished notification still follows. REQUIRES: work is not empty; the previous launch's
    // finished notification has begun; onCreateFailed does not throw.
    bool Launch(Callable work, Callable onStarted, Callable onFinished,
                Callable onCreateFailed = {});

    // Starts one more waiter for the current launch (Stop uses it). Whichever waiter of a launch
    // comes first does the join and the notification; a later one returns at once, and a late
    // one never waits on a later launch's threads.
    void StartJoinWaiter();

    // Blocks until every waiter started so far has returned. Not to be called from a waiter, nor
    // while a finished notification may be waiting for the calling thread.
    void WaitForWaiters();

    std::uint32_t ThreadCount() const { return m_threadCount; }

    // Waiters started by this group whose join has not returned yet (diagnostics and tests).
    std::size_t RunningWaiters() const;

    // Test hooks, process-wide. FailThreadCreationForTesting(n): the n-th thread creation from
    // now on (1 = the next one; workers of a launch come first, then its waiter) fails as if the
    // system had refused it; 0 disables. SetWaiterHookForTesting(hook): every waiter started
    // from now on calls hook first, on its own thread (an empty hook disables).
    static void FailThreadCreationForTesting(int n);
    static void SetWaiterHookForTesting(Callable hook);

  private:
    struct LaunchState;
    struct Waiter {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;  // set by the waiter as its last step
    };

    // Joins the waiters that have finished their work, so finished threads do not pile up.
    void ReapWaiters();
    // Starts a waiter for state and records it. Throws, leaving no thread behind, when either
    // cannot be done.
    void StartWaiter(const std::shared_ptr<LaunchState>& state);

    const std::uint32_t m_threadCount = 3;
    mutable std::mutex m_mutex;  // guards m_current and m_waiters; never held while joining
    std::shared_ptr<LaunchState> m_current;
    std::vector<Waiter> m_waiters;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_THREAD_GROUP_H_
