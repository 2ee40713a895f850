// The headless driver end to end: a clean run, repeatable screenshots, and
// clear errors for bad scripts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "test_support.h"

namespace {
std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

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
    const std::string a = readFile(dir + "/a.bmp");
    ASSERT_EQ(a.size(), 54u + 640u * 480u * 3u);  // a 24-bit 640x480 picture
    EXPECT_EQ(a, readFile(dir + "/b.bmp"));
}

TEST(Replay, BadScriptLineIsNamed)
{
    ScratchDir scratch;
    const std::string& dir = scratch.path();
    const std::string script = dir + "/script";
    std::ofstream(script) << "1 move 1 2\n\n2 jump\n";
    EXPECT_EQ(replay("--data " PLUMBRIX_DATA " --script " + script, dir + "/err"), 2);
    EXPECT_NE(readFile(dir + "/err").find("line 3"), std::string::npos);
}

TEST(Replay, CloseEndsTheRunCleanly)
{
    ScratchDir scratch;
    const std::string& dir = scratch.path();
    const std::string script = dir + "/script";
    std::ofstream(script) << "5 close\n";
    EXPECT_EQ(replay("--data " PLUMBRIX_DATA " --frames 100000 --script " + script), 0);
}
