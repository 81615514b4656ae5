// Runs one callable on a fixed number of threads and reports, from a waiter thread of its own,
// when they have all ended. Knows nothing of addresses or windows.
#ifndef QUORVANE_BATCH_THREAD_GROUP_H_
#define QUORVANE_BATCH_THREAD_GROUP_H_

#include <cstdint>
#include <functional>

namespace quorvane {

// Runs a copy of fn on a new thread that nobody joins.
void RunDetached(std::function<void()> fn);

class CThreadGroup {
public:
    using Callable = std::function<void()>;

    CThreadGroup();
    // Waits for every waiter this group started (and so for every thread of every launch): no
    // std::thread is destroyed unjoined. The owner must have made the work end first.
    ~CThreadGroup();
    CThreadGroup(const CThreadGroup&) = delete;
    CThreadGroup& operator=(const CThreadGroup&) = delete;

    // Starts ThreadCount() threads running work, then calls onStarted on this thread, then starts
    // a waiter whose Join waits for this launch and calls (a copy of) onFinished on that waiter.
    // If a thread cannot be created: onCreateFailed is called (it must make the work end), the
    // threads already created are joined, neither notification is made, and false is returned.
    // REQUIRES: work is not empty; the previous launch's finished notification has begun.
    bool Launch(Callable work, Callable onStarted, Callable onFinished,
                Callable onCreateFailed = {});

    // Starts one more waiter for the current launch (Stop uses it). Whichever waiter of a launch
    // comes first does the join and the notification; a later one returns at once, and a late
    // one never waits on a later launch's threads.
    void StartJoinWaiter();

    // Blocks until every waiter started so far has returned. Not to be called from a waiter.
    void WaitForWaiters();

    std::uint32_t ThreadCount() const { return m_threadCount; }

private:
    const std::uint32_t m_threadCount = 3;
    // The rest is the implementation's to choose.
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_THREAD_GROUP_H_
