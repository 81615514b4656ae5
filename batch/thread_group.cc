#include "batch/thread_group.h"

#include <cerrno>
#include <condition_variable>
#include <system_error>
#include <utility>

namespace quorvane {

namespace {

std::atomic<int> g_failCountdown{0};
std::mutex g_waiterHookLock;
CThreadGroup::Callable g_waiterHook;

// Every thread of this file is created here, so the test hook sees each creation.
std::thread CreateThread(std::function<void()> body) {
    int countdown = g_failCountdown.load();
    while (countdown > 0 && !g_failCountdown.compare_exchange_weak(countdown, countdown - 1)) {
    }
    if (countdown == 1) {
        throw std::system_error(EAGAIN, std::generic_category(), "thread creation refused");
    }
    return std::thread(std::move(body));
}

CThreadGroup::Callable CurrentWaiterHook() {
    std::lock_guard<std::mutex> guard(g_waiterHookLock);
    return g_waiterHook;
}

}  // namespace

// Everything one launch needs, shared by the group and that launch's waiters, so a waiter of an
// earlier launch keeps its own threads and notification however often the group launches again.
struct CThreadGroup::LaunchState {
    Callable m_work;
    Callable m_onFinished;
    std::vector<std::thread> m_threads;  // complete before any waiter is created
    std::atomic<bool> m_joined{false};   // the join mark: exactly one waiter takes it

    // The waiters wait here until the launch has called its started notification, so the
    // finished notification can never come first.
    std::mutex m_gateLock;
    std::condition_variable m_gateOpened;
    bool m_gateOpen = false;

    void OpenGate() {
        {
            std::lock_guard<std::mutex> guard(m_gateLock);
            m_gateOpen = true;
        }
        m_gateOpened.notify_all();
    }

    void Join() {
        {
            std::unique_lock<std::mutex> guard(m_gateLock);
            m_gateOpened.wait(guard, [this] { return m_gateOpen; });
        }
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

CThreadGroup::CThreadGroup() = default;

CThreadGroup::~CThreadGroup() {
    WaitForWaiters();
    // Every launch has a waiter that joined its threads, or was rolled back inside Launch; this
    // only guards against a thread being destroyed joinable should that ever change.
    if (m_current) {
        for (std::thread& thread : m_current->m_threads) {
            if (thread.joinable()) {
                thread.join();
            }
        }
    }
}

bool CThreadGroup::Launch(Callable work, Callable onStarted, Callable onFinished,
                          Callable onCreateFailed) {
    ReapWaiters();

    auto state = std::make_shared<LaunchState>();
    state->m_work = std::move(work);
    state->m_onFinished = std::move(onFinished);
    state->m_threads.reserve(m_threadCount);
    // Workers reach the callable through a plain pointer: the state, which holds their own
    // std::thread objects, must never be released on one of them.
    const Callable* sharedWork = &state->m_work;

    auto rollBack = [&] {
        if (onCreateFailed) {
            onCreateFailed();
        }
        for (std::thread& thread : state->m_threads) {
            thread.join();
        }
    };

    // Any failure here (a refused thread, memory for a thread or its record) happens while no
    // std::thread can be lost: the threads vector has its room reserved and StartWaiter records
    // its thread without allocating.
    try {
        for (std::uint32_t i = 0; i < m_threadCount; ++i) {
            state->m_threads.push_back(CreateThread([sharedWork] { (*sharedWork)(); }));
        }
        StartWaiter(state);
    } catch (...) {
        rollBack();
        return false;
    }

    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_current = state;
    }
    // The gate opens however onStarted ends: a waiter left waiting on it would never join the
    // workers, and the destructor would wait for that waiter for ever.
    struct GateOpener {
        LaunchState& state;
        ~GateOpener() { state.OpenGate(); }
    } opener{*state};
    if (onStarted) {
        onStarted();
    }
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
    Callable body = [state, done, hook = CurrentWaiterHook()] {
        if (hook) {
            hook();
        }
        state->Join();
        done->store(true);
    };
    // The room for the record is made before the thread exists, and the lock is held until the
    // thread is recorded, so that nothing can throw between the two: a std::thread destroyed
    // while joinable ends the program.
    std::lock_guard<std::mutex> guard(m_mutex);
    m_waiters.reserve(m_waiters.size() + 1);
    m_waiters.push_back(Waiter{CreateThread(std::move(body)), std::move(done)});
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

std::size_t CThreadGroup::RunningWaiters() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    std::size_t running = 0;
    for (const Waiter& waiter : m_waiters) {
        if (!waiter.done->load()) {
            ++running;
        }
    }
    return running;
}

void CThreadGroup::FailThreadCreationForTesting(int n) {
    g_failCountdown.store(n < 0 ? 0 : n);
}

void CThreadGroup::SetWaiterHookForTesting(Callable hook) {
    std::lock_guard<std::mutex> guard(g_waiterHookLock);
    g_waiterHook = std::move(hook);
}

}  // namespace quorvane
