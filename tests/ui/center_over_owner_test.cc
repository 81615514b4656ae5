#include "ui/center_over_owner.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

const ScreenRect kWorkArea{0, 0, 1920, 1040};

TEST(CenterOverOwnerTest, CentresOnWorkAreaWithoutOwner) {
    EXPECT_EQ(CenterOverOwner(std::nullopt, kWorkArea, 750, 450), (ScreenPoint{585, 295}));
    // Each half is truncated on its own: 1041 / 2 = 520 and 451 / 2 = 225.
    EXPECT_EQ(CenterOverOwner(std::nullopt, ScreenRect{0, 0, 1041, 1041}, 451, 451),
              (ScreenPoint{295, 295}));
}

TEST(CenterOverOwnerTest, CentresOverOwnerRectangle) {
    const ScreenRect owner{100, 200, 850, 650};  // 750 x 450
    EXPECT_EQ(CenterOverOwner(owner, kWorkArea, 300, 200), (ScreenPoint{325, 325}));
}

TEST(CenterOverOwnerTest, TruncatesTowardZeroOnNegativeCoordinates) {
    // A monitor left of the primary one: (-1001 + 0) / 2 is -500, not -501.
    const ScreenRect leftMonitor{-1001, -601, 0, 0};
    EXPECT_EQ(CenterOverOwner(std::nullopt, leftMonitor, 101, 101), (ScreenPoint{-550, -350}));
}

TEST(CenterOverOwnerTest, OwnerPartlyOffTheWorkAreaKeepsTheWindowInside) {
    // Owner hanging over the right and bottom edges.
    EXPECT_EQ(CenterOverOwner(ScreenRect{1700, 900, 2450, 1350}, kWorkArea, 300, 200),
              (ScreenPoint{1620, 840}));
    // Owner hanging over the left and top edges.
    EXPECT_EQ(CenterOverOwner(ScreenRect{-700, -400, 50, 50}, kWorkArea, 300, 200),
              (ScreenPoint{0, 0}));
}

TEST(CenterOverOwnerTest, WindowLargerThanWorkAreaGoesToLeftAndTopEdges) {
    const ScreenRect small{100, 50, 700, 450};  // 600 x 400, smaller than 750 x 450
    EXPECT_EQ(CenterOverOwner(std::nullopt, small, 750, 450), (ScreenPoint{100, 50}));
    // Larger in one direction only: the other one is still centred.
    EXPECT_EQ(CenterOverOwner(std::nullopt, ScreenRect{0, 0, 1000, 400}, 750, 450),
              (ScreenPoint{125, 0}));
}

TEST(CenterOverOwnerTest, ExactFitTouchesBothEdges) {
    EXPECT_EQ(CenterOverOwner(std::nullopt, ScreenRect{10, 20, 760, 470}, 750, 450),
              (ScreenPoint{10, 20}));
}

}  // namespace
}  // namespace quorvane
