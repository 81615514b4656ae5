// Launch under failures that come from outside the group: every allocation Launch makes, in turn,
// fails; and a started notification that throws. This program replaces the global allocation
// functions, so it runs apart from the other batch tests.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "batch/thread_group.h"

namespace {

// Allocations on the arming thread count down; the one that reaches zero throws.
thread_local int t_allocationsLeft = 0;

void* Allocate(std::size_t size) {
    if (t_allocationsLeft > 0 && --t_allocationsLeft == 0) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace quorvane {
namespace {

struct Outcome {
    std::atomic<int> started{0};
    std::atomic<int> finished{0};
    std::atomic<int> createFailed{0};
    std::atomic<int> ran{0};
};

// Each pass fails the n-th allocation of one Launch, until a Launch makes fewer than n. Whatever
// fails, no thread may be lost (that ends the program) and nothing may hang: a rolled-back launch
// notifies nothing, a thrown one left nothing behind, a started one finishes.
TEST(ThreadGroupFailureTest, EveryAllocationOfLaunchMayFail) {
    bool sawRollBack = false;
    for (int failing = 1;; ++failing) {
        SCOPED_TRACE(failing);
        Outcome outcome;
        bool launched = false;
        bool threw = false;
        {
            CThreadGroup group;
            t_allocationsLeft = failing;
            try {
                launched =
                    group.Launch([&] { ++outcome.ran; }, [&] { ++outcome.started; },
                                 [&] { ++outcome.finished; }, [&] { ++outcome.createFailed; });
            } catch (const std::bad_alloc&) {
                threw = true;
            }
            const bool reached = t_allocationsLeft == 0;
            t_allocationsLeft = 0;
            group.WaitForWaiters();
            if (!reached) {
                EXPECT_TRUE(launched);
                EXPECT_EQ(outcome.finished.load(), 1);
                break;
            }
        }  // the group's destructor must return
        if (launched) {
            EXPECT_EQ(outcome.started.load(), 1);
            EXPECT_EQ(outcome.finished.load(), 1);
            EXPECT_EQ(outcome.ran.load(), 3);
        } else {
            EXPECT_EQ(outcome.started.load(), 0);
            EXPECT_EQ(outcome.finished.load(), 0);
            EXPECT_EQ(outcome.createFailed.load(), threw ? 0 : 1);
            sawRollBack = sawRollBack || !threw;
        }
        ASSERT_LT(failing, 1000) << "Launch never ran out of allocations to fail";
    }
    EXPECT_TRUE(sawRollBack) << "no allocation failure reached a thread creation";
}

TEST(ThreadGroupFailureTest, ThrowingStartedNotificationStillFinishes) {
    Outcome outcome;
    {
        CThreadGroup group;
        EXPECT_THROW(
            group.Launch([&] { ++outcome.ran; }, [] { throw std::runtime_error("started failed"); },
                         [&] { ++outcome.finished; }),
            std::runtime_error);
        group.WaitForWaiters();
        EXPECT_EQ(outcome.finished.load(), 1);
        EXPECT_EQ(outcome.ran.load(), 3);

        // The group launches again afterwards.
        EXPECT_TRUE(group.Launch([] {}, {}, [&] { ++outcome.finished; }));
    }  // the destructor must not wait for ever on a gate nobody opened
    EXPECT_EQ(outcome.finished.load(), 2);
}

}  // namespace
}  // namespace quorvane
