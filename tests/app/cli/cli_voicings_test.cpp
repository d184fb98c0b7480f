#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace guivarna::test {
namespace {

std::vector<std::string> FretsOf(const std::string& out)
{
    std::vector<std::string> frets;
    for (const std::string& line : Lines(out))
        frets.push_back(line.substr(0, line.find(' ')));
    return frets;
}

TEST(CliVoicings, BookShapesComeWithinTheFirstRows)
{
    struct Case {
        std::vector<std::string> args;
        std::string shape;
    };
    const std::vector<Case> cases = {
        {{"--chord", "C", "--frets", "0-3"}, "0,1,0,2,3,x"},
        {{"--chord", "F"}, "1,1,2,3,3,1"},
        {{"--notes", "G,B,D"}, "3,0,0,0,2,3"},
        {{"--chord", "A9", "--tuning", "69,64,60,67"}, "2,0,1,0"},
        {{"--chord", "C/E"}, "0,1,0,2,3,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        std::vector<std::string> args = WithCommand("voicings", c.args);
        args.insert(args.end(), {"--limit", "3"});
        const CliRun run = runCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> first = FretsOf(run.out);
        EXPECT_EQ(first.size(), 3u);
        EXPECT_NE(std::find(first.begin(), first.end(), c.shape), first.end()) << run.out;
    }
    // Each line: the frets, then the fields the fingers subcommand prints.
    const std::string line = Lines(runCli({"voicings", "--chord", "F", "--limit", "2"}).out)[1];
    const std::string fingers = Lines(runCli({"fingers", "--frets", "1,1,2,3,3,1"}).out)[0];
    EXPECT_EQ(line, "1,1,2,3,3,1 fingers=" + fingers);
}

TEST(CliVoicings, BadInputIsOneLineOnStderrAndStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"--chord", "C", "--bass", "D"}, "give a slash chord such as --chord C/D"},
        {{"--chord", "C", "--omit", "7"}, "--omit: '7'"},
        {{"--chord", "Cq"}, "--chord:"},
        {{"--chord", "C", "--notes", "C,E"}, "cannot be used together"},
        {{}, "--chord or --notes is required"},
        {{"--chord", "C", "--min-strings", "7"}, "--min-strings"},
        {{"--chord", "C", "--frets", "5-2"}, "--frets"},
        {{"--chord", "C", "--tuning",
             "64,64,64,64,64,64,64,64,64,64,64,64,64,64,64,64,64,64,64,64,64,64,64,64"},
            "too many shapes to rank on 24 strings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliRun run = runCli(WithCommand("voicings", c.args));
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace guivarna::test
