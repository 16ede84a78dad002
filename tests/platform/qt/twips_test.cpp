#include "platform/qt/twips.h"

#include <gtest/gtest.h>

namespace quarvel::qt {
namespace {

TEST(TwipScale, FifteenTwipsArePixelAtNinetySixDotsPerInch) {
    TwipScale scale(96);
    EXPECT_EQ(scale.pixels(15), 1);
    EXPECT_EQ(scale.pixels(11775), 785);
    EXPECT_EQ(scale.pixels(10590), 706);
    EXPECT_EQ(scale.pixels(-120), -8);
}

TEST(TwipScale, FollowsTheScreensResolution) {
    EXPECT_EQ(TwipScale(144).pixels(1440), 144);
    EXPECT_EQ(TwipScale(120).pixels(2280), 190);
}

TEST(TwipScale, ControlsThatTouchInTwipsTouchOnScreen) {
    // At 120 dots per inch neither 1575 nor 3960 twips is a whole number of pixels.
    TwipScale scale(120);
    Bounds memory = scale.pixels(Bounds{3960, 480, 1575, 1620});
    Bounds speed = scale.pixels(Bounds{5535, 480, 1575, 1620});
    EXPECT_EQ(memory.left + memory.width, speed.left);
}

}  // namespace
}  // namespace quarvel::qt
