#include "ui/window_call_mailbox.h"

#include <utility>

namespace quorvane {

std::shared_ptr<CWindowCallMailbox> CWindowCallMailbox::Create(IWindowPort& window) {
    // The constructor is private so that no mailbox exists outside a shared_ptr.
    return std::shared_ptr<CWindowCallMailbox>(new CWindowCallMailbox(window));
}

void CWindowCallMailbox::CallOnWindowThread(std::function<void()> fn) {
    auto call = std::make_shared<Call>();
    call->fn = std::move(fn);
    std::unique_lock lock(m_mutex);
    m_pending.push_back(call);
    m_changed.notify_all();
    if (m_window != nullptr) {
        // Posting under the lock: once Detach() has returned, no thread is inside the window's
        // interface on our behalf, so the window may be destroyed.
        std::weak_ptr<CWindowCallMailbox> weak = weak_from_this();
        m_window->PostToWindowThread([weak] {
            if (auto self = weak.lock()) {
                self->DrainPending();
            }
        });
    }
    m_changed.wait(lock, [&] { return call->done; });
}

void CWindowCallMailbox::RunOne(std::unique_lock<std::mutex>& lock) {
    std::shared_ptr<Call> call = std::move(m_pending.front());
    m_pending.pop_front();
    lock.unlock();
    // Whatever fn does, its caller must be released, or a waiter would hang for good.
    struct Release {
        CWindowCallMailbox* self;
        std::unique_lock<std::mutex>& lock;
        Call& call;
        ~Release() {
            lock.lock();
            call.done = true;
            self->m_changed.notify_all();
        }
    } release{this, lock, *call};
    call->fn();
}

void CWindowCallMailbox::DrainPending() {
    std::unique_lock lock(m_mutex);
    while (!m_pending.empty()) {
        RunOne(lock);
    }
}

void CWindowCallMailbox::DrainUntil(const std::function<bool()>& done) {
    std::unique_lock lock(m_mutex);
    for (;;) {
        while (!m_pending.empty()) {
            RunOne(lock);
        }
        lock.unlock();
        const bool finished = done();
        lock.lock();
        if (finished) {
            return;
        }
        m_changed.wait(lock, [&] { return !m_pending.empty(); });
    }
}

void CWindowCallMailbox::Detach() {
    std::lock_guard lock(m_mutex);
    m_window = nullptr;
}

}  // namespace quorvane
