// Faults found in play, each replayed from its script in tests/replays/ and
// checked against what the player should have seen.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "base/screen_state.h"
#include "e2e_support.h"
#include "test_support.h"

namespace {
class PlayFault : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(linkGameData(folder));
    }

    // Replays a script of tests/replays/ with its own header; its states
    // land in the scratch folder.
    int replay(const std::string& name, const std::string& extra = "")
    {
        const std::string command = std::string(PLUMBRIX_REPLAY) + " --data " + folder + " --script " +
                                    PLUMBRIX_REPLAYS + "/" + name + " --out " + folder + " " + extra + " 2>" +
                                    folder + "/stderr.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    GameState state(long frame) const
    {
        return readGameState(folder + "/state-" + std::to_string(frame) + ".txt");
    }

    static double number(const GameState& s, const std::string& key)
    {
        const auto it = s.find(key);
        return it == s.end() ? -9999 : std::atof(it->second.c_str());
    }

    ScratchDir scratch;
    const std::string folder = scratch.path();
};
}  // namespace

// An empty untimed bar used to drop every gain below 1 on the next frame, so
// with six kinds a run of three left it empty.
TEST_F(PlayFault, UntimedBarKeepsTheGainsOfARunOfThree)
{
    ASSERT_EQ(replay("untimed_first_gain.script"), 0);
    EXPECT_EQ(stateInt(state(450), "score"), 0);
    const GameState firstPass = state(451);
    EXPECT_EQ(stateInt(firstPass, "score"), 5);
    EXPECT_NEAR(number(firstPass, "bar"), 0.6, 1e-6);
    EXPECT_EQ(number(firstPass, "shownBar"), 0);  // a whole part of 0 shows nothing yet
    const GameState secondPass = state(461);
    EXPECT_EQ(stateInt(secondPass, "score"), 10);
    EXPECT_NEAR(number(secondPass, "bar"), 1.2, 1e-6);
    const GameState settled = state(519);
    EXPECT_EQ(stateInt(settled, "falling"), 0);
    EXPECT_EQ(stateInt(settled, "score"), 10);
    EXPECT_NEAR(number(settled, "bar"), 1.2, 1e-6);
    EXPECT_NEAR(number(settled, "shownBar"), 1.2, 1e-6);
}

// The driver used to apply a line whose frame had passed at the next line's
// frame, so a script edited out of order played a different game.
TEST_F(PlayFault, ScriptLinesOutOfOrderPlayInFrameOrder)
{
    ASSERT_EQ(replay("out_of_order.script"), 0);
    const GameState s = state(299);
    EXPECT_EQ(stateInt(s, "currentScreen"), screenSetUp);
    EXPECT_EQ(stateInt(s, "gameMode"), 0);
}
