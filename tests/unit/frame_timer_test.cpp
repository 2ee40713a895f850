// The frame clock on simulated time: deltas, freezing and resuming.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "shell/frame_timer.h"

namespace {
class FrameTimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platformSimulateClock(1000);
        resetFrameTimer();
        frameTimer(timerStart);
    }
};
}  // namespace

TEST_F(FrameTimerTest, DeltaMeasuresTimeSinceLastReading)
{
    platformAdvanceSimulatedClock(0.25);
    EXPECT_DOUBLE_EQ(frameTimer(timerDelta), 0.25);
    EXPECT_DOUBLE_EQ(frameTimer(timerDelta), 0.0);  // nothing passed in between
    platformAdvanceSimulatedClock(1.0 / 128);
    EXPECT_DOUBLE_EQ(frameTimer(timerDelta), 1.0 / 128);
}

TEST_F(FrameTimerTest, FrozenClockReadsZeroUntilResumed)
{
    platformAdvanceSimulatedClock(0.5);
    frameTimer(timerFreeze);
    platformAdvanceSimulatedClock(3.0);
    EXPECT_DOUBLE_EQ(frameTimer(timerDelta), 0.0);
    frameTimer(timerFreeze);  // a second freeze keeps the first time
    platformAdvanceSimulatedClock(2.0);
    EXPECT_DOUBLE_EQ(frameTimer(timerDelta), 0.0);
    frameTimer(timerStart);
    platformAdvanceSimulatedClock(0.125);
    // Only the time since the resume counts: no jump after the background.
    EXPECT_DOUBLE_EQ(frameTimer(timerDelta), 0.125);
}

TEST_F(FrameTimerTest, AbsoluteTimeAdvancesWhileFrozen)
{
    frameTimer(timerFreeze);
    const double before = frameTimer(timerNow);
    platformAdvanceSimulatedClock(1.5);
    EXPECT_DOUBLE_EQ(frameTimer(timerNow) - before, 1.5);
}

TEST_F(FrameTimerTest, UnknownModeChangesNothing)
{
    platformAdvanceSimulatedClock(0.5);
    EXPECT_EQ(frameTimer(4), -1);
    EXPECT_EQ(frameTimer(-1), -1);
    EXPECT_DOUBLE_EQ(frameTimer(timerDelta), 0.5);
}

TEST(SimulatedTicks, FollowSimulatedMilliseconds)
{
    platformSimulateClock(4000000000u);
    EXPECT_EQ(platformTicks(), 4000000000u);
    platformAdvanceSimulatedClock(0.0015);
    EXPECT_EQ(platformTicks(), 4000000001u);  // whole milliseconds, rounded down
    platformAdvanceSimulatedClock(400000.0);  // wraps like a real tick count
    EXPECT_EQ(uint32_t(platformTicks() - 4000000000u), 400000001u);
}
