#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

namespace guivarna::test {
namespace {

TEST(CliStack, PrintsMarkedPositionsInBoardOrder)
{
    struct Case {
        std::vector<std::string> options;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"--intervals", "7", "--root-string", "6", "--strings", "6"}, "6:0\n6:11\n6:22\n"},
        // Strings come out in board order whatever order they are given in.
        {{"--intervals", "7", "--strings", "6,1"}, "1:9\n1:20\n6:0\n6:11\n6:22\n"},
        {{"--intervals", "5", "--tuning", "60,55", "--positions", "3", "--root-string", "1",
             "--root-fret", "2"},
            "1:2\n2:0\n"},
        {{"--intervals", "b2", "--tuning", "50", "--positions", "3"}, "1:0\n1:1\n1:2\n"},
    };
    for (const Case& c : cases)
        ExpectPrints(WithCommand("stack", c.options), c.out);
}

TEST(CliStack, BadInputIsOneLineOnStderrAndStatusTwo)
{
    struct Case {
        std::vector<std::string> options;
        std::string mentions;
    };
    const std::string twentyOne = "2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2";
    const std::vector<Case> cases = {
        {{}, "--intervals is required"},
        {{"--intervals", ""}, "at least one interval"},
        {{"--intervals", "2,#4"}, "'#4' is not an interval name"},
        {{"--intervals", "2,,2"}, "'' is not an interval name"},
        {{"--intervals", twentyOne}, "at most 20 intervals, got 21"},
        {{"--intervals", "2", "--root-string", "7"}, "--root-string: '7'"},
        {{"--intervals", "2", "--root-string", "0"}, "--root-string: '0'"},
        {{"--intervals", "2", "--root-fret", "25"}, "--root-fret: '25'"},
        {{"--intervals", "2", "--positions", "12", "--root-fret", "12"}, "--root-fret: '12'"},
        {{"--intervals", "2", "--strings", "1,9"}, "--strings: '9'"},
        {{"--intervals", "2", "--strings", "x"}, "--strings: 'x'"},
        {{"--intervals", "2", "--tuning", "64,abc"}, "--tuning: 'abc'"},
        {{"--intervals", "2", "--positions", "0"}, "--positions: '0'"},
        {{"--intervals", "2", "--positions", "100000000"}, "--positions: '100000000'"},
        {{"--intervals", "2", "--frets", "0-5"}, "unknown option '--frets'"},
    };
    for (const Case& c : cases)
        ExpectRefused(WithCommand("stack", c.options), c.mentions);
}

TEST(CliStack, HelpListsTheSubcommand)
{
    const CliRun run = runCli({"--help"});
    EXPECT_NE(run.out.find("stack --intervals 2,2,b2,2,2,2,b2"), std::string::npos);
}

}  // namespace
}  // namespace guivarna::test
