#include "batch/thread_group.h"

#include <utility>

namespace quorvane {

// Everything one launch needs, shared by the group and that launch's waiters, so a waiter of an
// earlier launch keeps its own threads and notification however often the group launches again.
struct CThreadGroup::LaunchState {
    Callable m_work;
    Callable m_onFinished;
    std::vector<std::thread> m_threads;  // complete before any waiter is made
    std::atomic<bool> m_joined{false};   // the join mark: exactly one waiter takes it

    void Join() {
        if (m_joined.exchange(true)) {
            return;
        }
        for (std::thread& thread : m_threads) {
            thread.join();
        }
        if (m_onFinished) {
            m_onFinished();
        }
    }
};

CThreadGroup::CThreadGroup(ThreadStarter starter)
    : m_startThread(starter ? std::move(starter)
                            : [](Callable body) { return std::thread(std::move(body)); }) {}

CThreadGroup::~CThreadGroup() {
    // Each launch's threads are joined by its waiter, or inside Launch when it failed.
    WaitForWaiters();
}

bool CThreadGroup::Launch(Callable work, Callable onFinished, Callable onCreateFailed) {
    ReapWaiters();

    auto state = std::make_shared<LaunchState>();
    state->m_work = std::move(work);
    state->m_onFinished = std::move(onFinished);
    state->m_threads.reserve(m_threadCount);
    // Workers reach the callable through a plain pointer: the state, which holds their own
    // std::thread objects, must never be released on one of them.
    const Callable* sharedWork = &state->m_work;

    // Any failure here (a refused thread, memory for a thread or its record) happens while no
    // std::thread can be lost: the threads vector has its room reserved and StartWaiter records
    // its thread without allocating.
    try {
        for (std::uint32_t i = 0; i < m_threadCount; ++i) {
            state->m_threads.push_back(m_startThread([sharedWork] { (*sharedWork)(); }));
        }
        StartWaiter(state);
    } catch (...) {
        if (onCreateFailed) {
            onCreateFailed();
        }
        for (std::thread& thread : state->m_threads) {
            thread.join();
        }
        return false;
    }
    std::lock_guard<std::mutex> guard(m_mutex);
    m_current = std::move(state);
    return true;
}

void CThreadGroup::StartJoinWaiter() {
    std::shared_ptr<LaunchState> state;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        state = m_current;
    }
    if (!state) {
        return;
    }
    ReapWaiters();
    try {
        StartWaiter(state);
    } catch (...) {
        // The launch's own waiter does the join and the notification anyway.
    }
}

void CThreadGroup::StartWaiter(const std::shared_ptr<LaunchState>& state) {
    auto done = std::make_shared<std::atomic<bool>>(false);
    Callable body = [state, done] {
        state->Join();
        done->store(true);
    };
    // The room for the record is made before the thread exists, and the lock is held until the
    // thread is recorded, so that nothing can throw between the two: a std::thread destroyed
    // while joinable ends the program.
    std::lock_guard<std::mutex> guard(m_mutex);
    m_waiters.reserve(m_waiters.size() + 1);
    m_waiters.push_back(Waiter{m_startThread(std::move(body)), std::move(done)});
}

void CThreadGroup::ReapWaiters() {
    std::vector<Waiter> finished;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        for (auto it = m_waiters.begin(); it != m_waiters.end();) {
            if (it->done->load()) {
                finished.push_back(std::move(*it));
                it = m_waiters.erase(it);
            } else {
                ++it;
            }
        }
    }
    // Their work is over; each join waits at most for the thread's own exit.
    for (Waiter& waiter : finished) {
        waiter.thread.join();
    }
}

void CThreadGroup::WaitForWaiters() {
    for (;;) {
        std::vector<Waiter> waiters;
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            waiters.swap(m_waiters);
        }
        if (waiters.empty()) {
            return;
        }
        for (Waiter& waiter : waiters) {
            waiter.thread.join();
        }
    }
}

}  // namespace quorvane
