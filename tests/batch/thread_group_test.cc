#include "batch/thread_group.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <system_error>
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

// Counts finished notifications and lets the test wait for a given number of them.
class Notifications {
  public:
    CThreadGroup::Callable Finished() {
        return [this] {
            std::lock_guard<std::mutex> guard(m_lock);
            ++m_finished;
            m_changed.notify_all();
        };
    }
    void WaitFinished(int count) {
        std::unique_lock<std::mutex> guard(m_lock);
        m_changed.wait(guard, [&] { return m_finished >= count; });
    }
    int FinishedCount() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_finished;
    }

  private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    int m_finished = 0;
};

// Makes the group's threads: counts those it made and those whose body has returned, and can
// hold the next one back before its body runs. Called only on the launching thread.
class Threads {
  public:
    CThreadGroup::ThreadStarter Starter() {
        return [this](CThreadGroup::Callable body) {
            if (++made == failAt) {
                throw std::system_error(EAGAIN, std::generic_category(), "thread refused");
            }
            CThreadGroup::Callable hold = std::move(holdNext);
            holdNext = {};
            return std::thread([this, body = std::move(body), hold = std::move(hold)] {
                if (hold) {
                    hold();
                }
                body();
                ++ended;
            });
        };
    }

    int made = 0;
    int failAt = 0;                   // the creation that fails (1 = the first); 0: none
    CThreadGroup::Callable holdNext;  // run first by the next thread made
    std::atomic<int> ended{0};
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
        notes.Finished()));
    notes.WaitFinished(1);
    group.WaitForWaiters();
    EXPECT_EQ(runs.load(), 3);
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_EQ(notes.FinishedCount(), 1);
}

TEST(ThreadGroupTest, SecondJoinReturnsAtOnceWithoutNotifying) {
    Notifications notes;
    Gate release;
    Threads threads;
    CThreadGroup group(threads.Starter());
    ASSERT_TRUE(group.Launch([&] { release.Wait(); }, notes.Finished()));
    group.StartJoinWaiter();
    group.StartJoinWaiter();
    // Two of the three waiters find the mark taken and end while the workers still block.
    EXPECT_TRUE(EventuallyTrue([&] { return threads.ended == 2; }));
    EXPECT_EQ(notes.FinishedCount(), 0);
    release.Open();
    notes.WaitFinished(1);
    group.WaitForWaiters();
    EXPECT_EQ(notes.FinishedCount(), 1);
    EXPECT_EQ(threads.ended.load(), 6);
}

TEST(ThreadGroupTest, LaunchesInARowEachNotifyOnce) {
    Notifications notes;
    std::atomic<int> runs{0};
    CThreadGroup group;
    for (int launch = 1; launch <= 3; ++launch) {
        ASSERT_TRUE(group.Launch([&] { ++runs; }, notes.Finished()));
        notes.WaitFinished(launch);
        EXPECT_EQ(runs.load(), 3 * launch);
    }
    group.WaitForWaiters();
    EXPECT_EQ(notes.FinishedCount(), 3);
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
        group.Launch([] {},
                     [&] {
                         inNotification.Open();
                         relaunched.Wait();
                         ++firstFinished;  // touches the callable's captures after the relaunch
                     }));
    inNotification.Wait();
    ASSERT_TRUE(group.Launch([] {}, second.Finished()));
    relaunched.Open();
    second.WaitFinished(1);
    group.WaitForWaiters();
    EXPECT_EQ(firstFinished.load(), 1);
    EXPECT_EQ(second.FinishedCount(), 1);
}

// Stop's waiter of launch 1 that runs only after launch 2 began must not take launch 2's join.
TEST(ThreadGroupTest, LateJoinNeverWaitsOnALaterLaunch) {
    Threads threads;
    CThreadGroup group(threads.Starter());
    Notifications first;
    Notifications second;
    Gate releaseFirst;
    Gate releaseLateWaiter;
    Gate releaseSecond;

    ASSERT_TRUE(group.Launch([&] { releaseFirst.Wait(); }, first.Finished()));
    threads.holdNext = [&] { releaseLateWaiter.Wait(); };
    group.StartJoinWaiter();  // the Stop waiter, held back before its join

    releaseFirst.Open();
    first.WaitFinished(1);
    ASSERT_TRUE(group.Launch([&] { releaseSecond.Wait(); }, second.Finished()));
    // Launch 2's threads block; the late waiter must still get through: launch 1's three workers
    // and two waiters end.
    releaseLateWaiter.Open();
    EXPECT_TRUE(EventuallyTrue([&] { return threads.ended == 5; }))
        << "the late waiter is waiting on launch 2's threads";
    EXPECT_EQ(first.FinishedCount(), 1);
    EXPECT_EQ(second.FinishedCount(), 0);

    releaseSecond.Open();
    second.WaitFinished(1);
    group.WaitForWaiters();
    EXPECT_EQ(first.FinishedCount(), 1);
    EXPECT_EQ(second.FinishedCount(), 1);
}

// Creations 1..3 are the workers, 4 is the waiter; each failure rolls the launch back.
TEST(ThreadGroupTest, CreationFailureRollsBack) {
    for (int failing = 1; failing <= 4; ++failing) {
        SCOPED_TRACE(failing);
        Threads threads;
        threads.failAt = failing;
        CThreadGroup group(threads.Starter());
        Notifications notes;
        std::atomic<bool> stop{false};
        std::atomic<int> ran{0};
        int createFailed = 0;
        const bool launched = group.Launch(
            [&] {
                ++ran;
                while (!stop) {
                    std::this_thread::yield();
                }
            },
            notes.Finished(),
            [&] {
                ++createFailed;
                stop = true;
            });
        EXPECT_FALSE(launched);
        EXPECT_EQ(createFailed, 1);
        EXPECT_EQ(ran.load(), std::min(failing - 1, 3)) << "the threads made were joined";
        EXPECT_EQ(threads.ended.load(), failing - 1);
        group.StartJoinWaiter();  // nothing to join: no waiter, no notification
        group.WaitForWaiters();
        EXPECT_EQ(threads.made, failing) << "no thread made after the failure";
        EXPECT_EQ(notes.FinishedCount(), 0);

        // The group is usable again afterwards.
        stop = true;
        ASSERT_TRUE(group.Launch([] {}, notes.Finished()));
        notes.WaitFinished(1);
        group.WaitForWaiters();  // before notes goes away
    }
}

}  // namespace
}  // namespace quorvane
