// The headless driver end to end: a clean run, repeatable screenshots, clear
// errors for bad scripts, run parameters carried by the script, frame times.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "e2e_support.h"
#include "shell/shell.h"
#include "test_support.h"

namespace {
// Runs the driver and returns its exit status; stderr goes to errFile.
int replay(const std::string& args, const std::string& errFile = "/dev/null")
{
    const std::string command = std::string(PLUMBRIX_REPLAY) + " " + args + " 2>" + errFile;
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(Replay, RunsHeadlessAndRepeatsItsPictureExactly)
{
    ScratchDir scratch;
    const std::string& dir = scratch.path();
    const std::string script = dir + "/script";
    std::ofstream(script) << "# wander about and click\n"
                             "10 move 300 440\n"
                             "20 click 320 440\n"
                             "100 move 500 100\n";
    const std::string args = "--data " PLUMBRIX_DATA " --frames 300 --ticks 1234 --script " + script;
    ASSERT_EQ(replay(args + " --shot 299:" + dir + "/a.bmp"), 0);
    ASSERT_EQ(replay(args + " --shot 299:" + dir + "/b.bmp"), 0);
    const std::string a = readFileText(dir + "/a.bmp");
    ASSERT_EQ(a.size(), 54u + 640u * 480u * 3u);  // a 24-bit 640x480 picture
    EXPECT_EQ(a, readFileText(dir + "/b.bmp"));
}

TEST(Replay, BadScriptLineIsNamed)
{
    ScratchDir scratch;
    const std::string& dir = scratch.path();
    const std::string script = dir + "/script";
    std::ofstream(script) << "1 move 1 2\n\n2 jump\n";
    EXPECT_EQ(replay("--data " PLUMBRIX_DATA " --script " + script, dir + "/err"), 2);
    EXPECT_NE(readFileText(dir + "/err").find("line 3"), std::string::npos);
}

TEST(Replay, KeyAndControllerLinesTakeOnlyTheNamesTheGameReads)
{
    ScratchDir scratch;
    const std::string& dir = scratch.path();
    const std::string script = dir + "/script";
    std::ofstream(script) << "1 key left\n2 key return\n3 key enter\n4 pad dpleft\n5 pad start\n6 pad x\n";
    EXPECT_EQ(replay("--data " PLUMBRIX_DATA " --script " + script, dir + "/err"), 2);
    EXPECT_NE(readFileText(dir + "/err").find("line 6: unknown event 'pad x'"), std::string::npos)
        << readFileText(dir + "/err");
    std::ofstream(script) << "1 key tab\n";
    EXPECT_EQ(replay("--data " PLUMBRIX_DATA " --script " + script, dir + "/err"), 2);
    EXPECT_NE(readFileText(dir + "/err").find("line 1"), std::string::npos);
}

TEST(Replay, CloseEndsTheRunCleanly)
{
    ScratchDir scratch;
    const std::string& dir = scratch.path();
    const std::string script = dir + "/script";
    std::ofstream(script) << "5 close\n";
    EXPECT_EQ(replay("--data " PLUMBRIX_DATA " --frames 100000 --script " + script), 0);
}

TEST(Replay, ScriptHeaderCarriesTheRunAndTheCommandLineOverridesIt)
{
    ScratchDir scratch;
    const std::string& dir = scratch.path();
    std::ofstream(dir + "/script") << "#! frames 60\n#! ticks 1234\n#! dt 0.05\n"
                                      "  #! shots 10 59\n#! states 59\n10 click 320 440\n";
    const std::string run = "--data " PLUMBRIX_DATA " --script " + dir + "/script --out " + dir;
    ASSERT_EQ(replay(run), 0);
    EXPECT_EQ(readFileText(dir + "/shot-10.bmp").size(), 54u + 640u * 480u * 3u);
    EXPECT_FALSE(readFileText(dir + "/shot-59.bmp").empty());
    // The same run spelled out on the command line.
    ASSERT_EQ(replay("--data " PLUMBRIX_DATA " --frames 60 --ticks 1234 --dt 0.05 --script " + dir +
                     "/script --state 59:" + dir + "/spelled.txt"),
              0);
    EXPECT_EQ(readFileText(dir + "/spelled.txt"), readFileText(dir + "/state-59.txt"));
    // Three seconds of frames: the title's transition has ended.
    EXPECT_NE(readFileText(dir + "/spelled.txt").find("transitionActive 0"), std::string::npos);

    std::remove((dir + "/state-59.txt").c_str());
    ASSERT_EQ(replay(run + " --frames 30"), 0);
    EXPECT_TRUE(readFileText(dir + "/state-59.txt").empty());  // the run ended before it
}

TEST(Replay, BadHeaderLineIsNamed)
{
    ScratchDir scratch;
    const std::string& dir = scratch.path();
    std::ofstream(dir + "/script") << "#! ticks 5\n# a comment\n#! frame 10\n";
    EXPECT_EQ(replay("--data " PLUMBRIX_DATA " --script " + dir + "/script", dir + "/err"), 2);
    EXPECT_NE(readFileText(dir + "/err").find("line 3"), std::string::npos);
}

// The title's transition takes about two seconds of frame time, however many
// frames that needs.
TEST(Replay, FrameTimeHoldsFromItsFrameOn)
{
    ScratchDir scratch;
    const std::string& dir = scratch.path();
    ASSERT_TRUE(linkGameData(dir));
    const std::string slow = "0 dt 0.001\n10 click 320 440\n";
    GameState state;
    ASSERT_EQ(runGame(dir, slow + "100 dt 0.05\n", 100, state), 0);
    EXPECT_EQ(stateInt(state, "transitionActive"), 1);  // not yet faster
    ASSERT_EQ(runGame(dir, slow + "100 dt 0.05\n", 150, state), 0);
    EXPECT_EQ(stateInt(state, "transitionActive"), 0);
    EXPECT_EQ(stateInt(state, "currentScreen"), screenMainMenu);
    ASSERT_EQ(runGame(dir, slow, 150, state), 0);
    EXPECT_EQ(stateInt(state, "transitionActive"), 1);
}
