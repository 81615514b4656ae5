// Synchronous calls from other threads into the window's thread, built on the window's
// fire-and-forget PostToWindowThread. The window's thread can also run the pending calls itself,
// so it may block waiting for a thread that is blocked in CallOnWindowThread without deadlock.
#ifndef QUORVANE_UI_WINDOW_CALL_MAILBOX_H_
#define QUORVANE_UI_WINDOW_CALL_MAILBOX_H_

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "ui/window_port.h"

namespace quorvane {

// Always owned through a std::shared_ptr (use Create): what it posts to the window holds only a
// weak reference, so a post that runs after the owner is gone does nothing.
class CWindowCallMailbox : public std::enable_shared_from_this<CWindowCallMailbox> {
  public:
    // REQUIRES: window outlives every CallOnWindowThread that starts before Detach().
    static std::shared_ptr<CWindowCallMailbox> Create(IWindowPort& window);
    CWindowCallMailbox(const CWindowCallMailbox&) = delete;
    CWindowCallMailbox& operator=(const CWindowCallMailbox&) = delete;

    // Any thread but the window's: queues fn, asks the window to run the queue, and returns once
    // fn has run on the window's thread (by a post or by DrainUntil). After Detach() nothing is
    // posted any more: fn runs only when the window's thread drains the queue itself.
    void CallOnWindowThread(std::function<void()> fn);

    // Window's thread: runs every call queued so far. What a post runs.
    void DrainPending();

    // Window's thread: runs queued calls as they arrive until done() is true. done is evaluated
    // on this thread, before waiting and after each call run, so it must become true only
    // through a call run here (or be true already).
    void DrainUntil(const std::function<bool()>& done);

    // Window's thread: the window is going away; posts stop. Calls already posted and still in
    // the window's queue find nothing to do.
    void Detach();

  private:
    struct Call {
        std::function<void()> fn;
        bool done = false;
    };

    explicit CWindowCallMailbox(IWindowPort& window) : m_window(&window) {}

    // REQUIRES: lock holds m_mutex; m_pending not empty. Runs the oldest call with the lock
    // released and marks it done.
    void RunOne(std::unique_lock<std::mutex>& lock);

    std::mutex m_mutex;
    std::condition_variable m_changed;  // a call was queued or one was completed
    std::deque<std::shared_ptr<Call>> m_pending;
    IWindowPort* m_window;  // null once detached; posts happen under m_mutex
};

}  // namespace quorvane

#endif  // QUORVANE_UI_WINDOW_CALL_MAILBOX_H_
