// The information panel's journey through its window, step by step.
#include "core/about/InfoScroller.h"

#include <gtest/gtest.h>

using namespace vq::about;

namespace {

struct Step {
    int top;
    int interval;
    bool playfield;
};

Step StepOf(const InfoScroller& s) { return {s.Top(), s.Interval(), s.PlayfieldEnabled()}; }

// Ticks until the panel's top is `top` (at most a full round) and returns the state then.
Step TickUntil(InfoScroller& s, int top) {
    for (int i = 0; i < 400 && s.Top() != top; ++i)
        s.Tick(false);
    return StepOf(s);
}

}  // namespace

TEST(InfoScrollerTest, StartsAtTheFirstRestWithALongerFirstWait) {
    InfoScroller s;
    EXPECT_EQ(s.Top(), -1);
    EXPECT_EQ(s.Interval(), 2000);
    EXPECT_EQ(s.Tag(), 1);
    EXPECT_FALSE(s.PlayfieldEnabled());
}

// A full round: rests of 5 s at -1 and -111 and below the window, 40 ms steps in between.
TEST(InfoScrollerTest, OneRound) {
    InfoScroller s;
    s.Tick(false);
    EXPECT_EQ(s.Top(), -2);
    EXPECT_EQ(s.Interval(), kInfoStepInterval);

    Step at = TickUntil(s, -110);
    EXPECT_EQ(at.interval, kInfoStepInterval);
    EXPECT_EQ(s.Tag(), 0);
    s.Tick(false);
    EXPECT_EQ(s.Top(), -111);
    EXPECT_EQ(s.Interval(), kInfoPauseInterval);  // resting with the introduction in view
    s.Tick(false);
    EXPECT_EQ(s.Top(), -112);
    EXPECT_EQ(s.Interval(), kInfoStepInterval);

    at = TickUntil(s, -218);
    EXPECT_EQ(at.interval, kInfoStepInterval);
    EXPECT_FALSE(at.playfield);
    s.Tick(false);  // out of the window: parked below it, the playfield alone and clickable
    EXPECT_EQ(s.Top(), 90);
    EXPECT_EQ(s.Interval(), kInfoPauseInterval);
    EXPECT_TRUE(s.PlayfieldEnabled());
    s.Tick(false);
    EXPECT_EQ(s.Top(), 89);
    EXPECT_EQ(s.Interval(), kInfoStepInterval);
    EXPECT_FALSE(s.PlayfieldEnabled());

    at = TickUntil(s, 0);
    EXPECT_EQ(at.interval, kInfoStepInterval);
    s.Tick(false);
    EXPECT_EQ(s.Top(), -1);
    EXPECT_EQ(s.Interval(), kInfoPauseInterval);  // resting with the labels in view
}

TEST(InfoScrollerTest, SentAwayItParksAtTheNextStep) {
    InfoScroller s;
    s.Tick(false);
    s.SendAway();
    EXPECT_EQ(s.Top(), -218);
    s.Tick(false);
    EXPECT_EQ(s.Top(), 90);
    EXPECT_EQ(s.Interval(), kInfoPauseInterval);
    EXPECT_TRUE(s.PlayfieldEnabled());
}

TEST(InfoScrollerTest, StandsStillWhileHeld) {
    InfoScroller s;
    s.SendAway();
    s.Tick(false);
    for (int i = 0; i < 10; ++i)
        s.Tick(true);
    EXPECT_EQ(s.Top(), 90);
    EXPECT_EQ(s.Interval(), kInfoPauseInterval);
    EXPECT_TRUE(s.PlayfieldEnabled());
    s.Resume();
    EXPECT_EQ(s.Interval(), kInfoStepInterval);
    s.Tick(false);
    EXPECT_EQ(s.Top(), 89);
}
