#include "ui/window_call_mailbox.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/ui/fake_window.h"

namespace quorvane {
namespace {

using test::FakeWindow;

TEST(WindowCallMailbox, WindowThreadDrainsItselfAfterDetachAndStalePostsDoNothing) {
    FakeWindow window;
    auto mailbox = CWindowCallMailbox::Create(window);
    // One call posted before the detach, two after it: all three run by DrainUntil alone.
    int ran = 0;
    std::thread first([&] { mailbox->CallOnWindowThread([&] { ++ran; }); });
    ASSERT_TRUE(window.WaitForPost());
    mailbox->Detach();
    const std::size_t postsAtDetach = window.PostedCount();
    std::thread later([&] {
        mailbox->CallOnWindowThread([&] { ++ran; });
        mailbox->CallOnWindowThread([&] { ++ran; });
    });
    mailbox->DrainUntil([&] { return ran == 3; });
    first.join();
    later.join();
    EXPECT_EQ(ran, 3);
    EXPECT_EQ(window.PostedCount(), postsAtDetach);  // nothing posted after Detach

    mailbox.reset();
    window.RunPosted();  // the mailbox is gone: the stale post must not touch it
    EXPECT_EQ(ran, 3);
}

}  // namespace
}  // namespace quorvane
