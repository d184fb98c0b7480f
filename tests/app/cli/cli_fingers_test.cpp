#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace guivarna::test {
namespace {

// The first field and the barre field of a fingers line, without the difficulty.
std::string WithoutDifficulty(const std::string& line)
{
    return line.substr(0, line.find(" difficulty="));
}

TEST(CliFingers, PrintsFingersBarresAndDifficulty)
{
    struct Case {
        std::vector<std::string> args;
        std::string start;  // the line up to " difficulty="
    };
    const std::vector<Case> cases = {
        {{"--frets", "0,1,0,2,3,x"}, "0,1,0,2,3,x"},
        {{"--frets", "1,1,2,3,3,1"}, "1,1,2,4,3,1 barre=1"},
        {{"--frets", "2,4,4,4,2,x"}, "1,4,3,2,1,x barre=2"},
        {{"--frets", "3,0,0,0,2,3"}, "3,0,0,0,1,2"},
        {{"--frets", "3,0,0,0", "--tuning", "69,64,60,67"}, "3,0,0,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliRun run = runCli(WithCommand("fingers", c.args));
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(Lines(run.out).size(), 1u);
        EXPECT_EQ(WithoutDifficulty(Lines(run.out)[0]), c.start);
        EXPECT_NE(run.out.find(" difficulty="), std::string::npos);
    }
    ExpectPrints({"fingers", "--frets", "8,x,x,x,x,1"}, "unplayable\n");
}

TEST(CliFingers, StandardInputGivesOneLinePerPatternInOrder)
{
    const std::vector<std::string> patterns = {
        "0,1,0,2,3,x", "1,1,2,3,3,1", "8,x,x,x,x,1", "0,0,0,0,0,0", "x,x,x,x,x,x"};
    std::string input;
    std::string expected;
    for (const std::string& p : patterns) {
        input += p + "\n";
        expected += runCli({"fingers", "--frets", p}).out;
    }
    ExpectPrints({"fingers"}, "");  // no input at all: nothing to print
    const CliRun run = runCliWithInput({"fingers"}, input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected);
    // CR LF lines and a last line without its line end.
    EXPECT_EQ(runCliWithInput({"fingers"}, "0,1,0,2,3,x\r\n1,1,2,3,3,1").out,
        Lines(expected)[0] + "\n" + Lines(expected)[1] + "\n");
}

TEST(CliFingers, BadInputIsOneLineOnStderrAndStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"--frets", "0,1,0,2,3"}, "", "--frets: 5 frets given for 6 strings"},
        {{"--frets", "0,1,0,2,3,a"}, "", "--frets: 'a' is neither x nor a fret from 0 to 24"},
        {{"--frets", "0,1,0,2,25,x"}, "", "'25' is neither x nor a fret"},
        {{"--frets", ""}, "", "--frets needs one fret or x per string"},
        {{"--frets", "0,1", "--tuning", "64"}, "", "2 frets given for 1 strings"},
        {{"--tuning", "64,x"}, "", "--tuning"},
        {{"--frame", "1"}, "", "unknown option '--frame'"},
        {{}, "0,1,0,2,3,x\n0,1,0,2,3,y\n", "line 2: 'y' is neither x nor a fret"},
        {{}, "0,1,0,2,3,x\n\n", "line 2 needs one fret or x per string"},
        {{"--tuning", "69,64,60,67"}, "0,0,0,3\n0,0,3\n", "line 2: 3 frets given for 4 strings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args) + c.input);
        const CliRun run = runCliWithInput(WithCommand("fingers", c.args), c.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("guivarna-cli fingers: "), 0u) << run.err;
    }
}

TEST(CliChords, PlayableAndSortByDifficulty)
{
    const std::vector<std::string> search = {"chords", "--notes", "C,E,G", "--frets", "0-12"};
    const std::vector<std::string> all = Lines(runCli(search).out);
    std::vector<std::string> args = search;
    args.push_back("--sort");
    args.push_back("difficulty");
    const std::vector<std::string> sorted = Lines(runCli(args).out);
    // The same rows, another order.
    ASSERT_EQ(sorted.size(), all.size());
    EXPECT_NE(sorted, all);
    EXPECT_TRUE(std::is_permutation(sorted.begin(), sorted.end(), all.begin()));

    args = search;
    args.push_back("--playable");
    const std::vector<std::string> playable = Lines(runCli(args).out);
    EXPECT_FALSE(playable.empty());
    EXPECT_LT(playable.size(), all.size());
    // In search order: each row found after the one before.
    auto at = all.begin();
    for (const std::string& row : playable) {
        at = std::find(at, all.end(), row);
        ASSERT_NE(at, all.end()) << row;
    }
    ExpectRefused({"chords", "--notes", "C,E,G", "--sort", "name"}, "'name' is not a sort order");
}

}  // namespace
}  // namespace guivarna::test
