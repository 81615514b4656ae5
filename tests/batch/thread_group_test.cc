#include "batch/thread_group.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

namespace quorvane {
namespace {

// A one-shot gate that threads wait on until the test opens it.
class Gate {
  public:
    void Open() {
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_open = true;
        }
        m_changed.notify_all();
    }
    void Wait() {
        std::unique_lock<std::mutex> guard(m_lock);
        m_changed.wait(guard, [this] { return m_open; });
    }

  private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_open = false;
};

// Counts notifications and lets the test wait for a given number of finishes.
class Notifications {
  public:
    CThreadGroup::Callable Started() {
        return [this] { ++started; };
    }
    CThreadGroup::Callable Finished() {
        return [this] {
            {
                std::lock_guard<std::mutex> guard(m_lock);
                ++m_finished;
                // Started must have come first, on the launching thread.
                m_order_ok = m_order_ok && started.load() >= m_finished;
                m_changed.notify_all();
            }
        };
    }
    void WaitFinished(int count) {
        std::unique_lock<std::mutex> guard(m_lock);
        m_changed.wait(guard, [&] { return m_finished >= count; });
    }
    int finished() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_finished;
    }
    bool order_ok() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_order_ok;
    }

    std::atomic<int> started{0};

  private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    int m_finished = 0;
    bool m_order_ok = true;
};

// Waits, without depending on timing for the outcome, until predicate holds; gives up after a
// generous limit so that a fault fails the test instead of hanging it.
template <typename Predicate>
bool EventuallyTrue(Predicate predicate) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!predicate()) {
        if (std::chrono::steady_clock::now() > limit) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(ThreadGroupTest, InstantWorkStillNotifiesOnceEach) {
    Notifications notes;
    std::atomic<int> runs{0};
    std::mutex idsLock;
    std::set<std::thread::id> ids;
    CThreadGroup group;
    ASSERT_TRUE(group.Launch(
        [&] {
            ++runs;
            std::lock_guard<std::mutex> guard(idsLock);
            ids.insert(std::this_thread::get_id());
        },
        notes.Started(), notes.Finished()));
    EXPECT_EQ(notes.started.load(), 1) << "started runs on the launching thread, inside Launch";
    notes.WaitFinished(1);
    group.WaitForWaiters();
    EXPECT_EQ(runs.load(), 3);
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_EQ(notes.finished(), 1);
    EXPECT_TRUE(notes.order_ok());
}

TEST(ThreadGroupTest, SecondJoinReturnsAtOnceWithoutNotifying) {
    Notifications notes;
    Gate release;
    CThreadGroup group;
    ASSERT_TRUE(group.Launch([&] { release.Wait(); }, notes.Started(), notes.Finished()));
    group.StartJoinWaiter();
    group.StartJoinWaiter();
    // Two of the three waiters find the mark taken and end while the workers still block.
    EXPECT_TRUE(EventuallyTrue([&] { return group.RunningWaiters() == 1; }));
    EXPECT_EQ(notes.finished(), 0);
    release.Open();
    notes.WaitFinished(1);
    group.WaitForWaiters();
    EXPECT_EQ(notes.finished(), 1);
    EXPECT_EQ(group.RunningWaiters(), 0u);
}

TEST(ThreadGroupTest, LaunchesInARowEachNotifyOnce) {
    Notifications notes;
    std::atomic<int> runs{0};
    CThreadGroup group;
    for (int launch = 1; launch <= 3; ++launch) {
        ASSERT_TRUE(group.Launch([&] { ++runs; }, notes.Started(), notes.Finished()));
        notes.WaitFinished(launch);
        EXPECT_EQ(runs.load(), 3 * launch);
        EXPECT_EQ(notes.started.load(), launch);
    }
    group.WaitForWaiters();
    EXPECT_EQ(notes.finished(), 3);
    EXPECT_TRUE(notes.order_ok());
}

// A new launch may begin inside the previous finished notification (the frame re-enables Start
// there); the notification still running must not be destroyed under it.
TEST(ThreadGroupTest, RelaunchWhileFinishedNotificationRuns) {
    CThreadGroup group;
    Gate inNotification;
    Gate relaunched;
    Notifications second;
    std::atomic<int> firstFinished{0};
    ASSERT_TRUE(
        group.Launch([] {}, {},
                     [&] {
                         inNotification.Open();
                         relaunched.Wait();
                         ++firstFinished;  // touches the callable's captures after the relaunch
                     }));
    inNotification.Wait();
    ASSERT_TRUE(group.Launch([] {}, second.Started(), second.Finished()));
    relaunched.Open();
    second.WaitFinished(1);
    group.WaitForWaiters();
    EXPECT_EQ(firstFinished.load(), 1);
    EXPECT_EQ(second.finished(), 1);
}

// Stop's waiter of launch 1 that runs only after launch 2 began must not take launch 2's join.
TEST(ThreadGroupTest, LateJoinNeverWaitsOnALaterLaunch) {
    CThreadGroup group;
    Notifications first;
    Notifications second;
    Gate releaseFirst;
    Gate releaseLateWaiter;
    Gate releaseSecond;

    ASSERT_TRUE(group.Launch([&] { releaseFirst.Wait(); }, first.Started(), first.Finished()));
    CThreadGroup::SetWaiterHookForTesting([&] { releaseLateWaiter.Wait(); });
    group.StartJoinWaiter();  // the Stop waiter, held back before its join
    CThreadGroup::SetWaiterHookForTesting({});

    releaseFirst.Open();
    first.WaitFinished(1);
    ASSERT_TRUE(group.Launch([&] { releaseSecond.Wait(); }, second.Started(), second.Finished()));
    // Launch 2's threads block; the late waiter must still get through.
    releaseLateWaiter.Open();
    EXPECT_TRUE(EventuallyTrue([&] { return group.RunningWaiters() == 1; }))
        << "the late waiter is waiting on launch 2's threads";
    EXPECT_EQ(first.finished(), 1);
    EXPECT_EQ(second.finished(), 0);

    releaseSecond.Open();
    second.WaitFinished(1);
    group.WaitForWaiters();
    EXPECT_EQ(first.finished(), 1);
    EXPECT_EQ(second.finished(), 1);
}

// Creations 1..3 are the workers, 4 is the waiter; each failure rolls the launch back.
TEST(ThreadGroupTest, CreationFailureRollsBack) {
    for (int failing = 1; failing <= 4; ++failing) {
        SCOPED_TRACE(failing);
        CThreadGroup group;
        Notifications notes;
        std::atomic<bool> stop{false};
        std::atomic<int> ran{0};
        int createFailed = 0;
        CThreadGroup::FailThreadCreationForTesting(failing);
        const bool launched = group.Launch(
            [&] {
                ++ran;
                while (!stop) {
                    std::this_thread::yield();
                }
            },
            notes.Started(), notes.Finished(),
            [&] {
                ++createFailed;
                stop = true;
            });
        CThreadGroup::FailThreadCreationForTesting(0);
        EXPECT_FALSE(launched);
        EXPECT_EQ(createFailed, 1);
        EXPECT_EQ(ran.load(), std::min(failing - 1, 3)) << "the threads made were joined";
        EXPECT_EQ(notes.started.load(), 0);
        EXPECT_EQ(group.RunningWaiters(), 0u);
        group.StartJoinWaiter();  // nothing to join: no waiter, no notification
        group.WaitForWaiters();
        EXPECT_EQ(notes.finished(), 0);

        // The group is usable again afterwards.
        stop = true;
        ASSERT_TRUE(group.Launch([] {}, notes.Started(), notes.Finished()));
        notes.WaitFinished(1);
        group.WaitForWaiters();  // before notes goes away
    }
}

}  // namespace
}  // namespace quorvane
