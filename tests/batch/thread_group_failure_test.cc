// Launch under failures that come from outside the group: every allocation Launch makes, in turn,
// fails. Runs in the program that replaces the global
// allocation functions (failing_allocation.h).
#include <gtest/gtest.h>

#include <atomic>
#include <new>

#include "batch/thread_group.h"
#include "failing_allocation.h"

namespace quorvane {
namespace {

struct Outcome {
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
            test::FailAllocation(failing);
            try {
                launched = group.Launch([&] { ++outcome.ran; }, [&] { ++outcome.finished; },
                                        [&] { ++outcome.createFailed; });
            } catch (const std::bad_alloc&) {
                threw = true;
            }
            const bool reached = test::AllocationFailureReached();
            group.WaitForWaiters();
            if (!reached) {
                EXPECT_TRUE(launched);
                EXPECT_EQ(outcome.finished.load(), 1);
                break;
            }
        }  // the group's destructor must return
        if (launched) {
            EXPECT_EQ(outcome.finished.load(), 1);
            EXPECT_EQ(outcome.ran.load(), 3);
        } else {
            EXPECT_EQ(outcome.finished.load(), 0);
            EXPECT_EQ(outcome.createFailed.load(), threw ? 0 : 1);
            sawRollBack = sawRollBack || !threw;
        }
        ASSERT_LT(failing, 1000) << "Launch never ran out of allocations to fail";
    }
    EXPECT_TRUE(sawRollBack) << "no allocation failure reached a thread creation";
}

}  // namespace
}  // namespace quorvane
