#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace guivarna::test {
namespace {

// The first two fields of every voicings line of a chord: "FRETS fingers=F".
std::vector<std::string> VoicingRows(const std::string& symbol)
{
    std::vector<std::string> rows;
    for (const std::string& line : Lines(runCli({"voicings", "--chord", symbol}).out))
        rows.push_back(line.substr(0, line.find(' ', line.find(" fingers=") + 1)));
    return rows;
}

TEST(CliProgression, PrintsAVoicingOfEachChordThenTheTotal)
{
    const std::vector<std::string> symbols = {"C", "Am", "F", "G"};
    const CliRun run = runCli(WithCommand("progression", symbols));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "C 0,1,0,2,3,x fingers=0,1,0,2,3,x difficulty=5 move=0");
    EXPECT_EQ(lines[1].rfind("Am 0,1,2,2,0,x fingers=0,1,3,2,0,x difficulty=4 move=", 0), 0u);
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        ASSERT_EQ(lines[i].rfind(symbols[i] + ' ', 0), 0u);
        const std::string shape = lines[i].substr(symbols[i].size() + 1);
        const std::string row = shape.substr(0, shape.find(" difficulty="));
        const std::vector<std::string> rows = VoicingRows(symbols[i]);
        EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end());
        EXPECT_NE(shape.find(" move="), std::string::npos);
    }
    EXPECT_EQ(lines[4].rfind("total=", 0), 0u);
}

TEST(CliProgression, RepeatsCapoAndTheirOptions)
{
    // A chord played again keeps its shape; --vary-repeats may only lower the total.
    const std::vector<std::string> song = {"G", "C", "G", "D", "G", "Em", "G", "C"};
    const std::vector<std::string> held = Lines(runCli(WithCommand("progression", song)).out);
    std::vector<std::string> args = WithCommand("progression", song);
    args.push_back("--vary-repeats");
    const std::vector<std::string> varied = Lines(runCli(args).out);
    ASSERT_EQ(held.size(), 9u);
    ASSERT_EQ(varied.size(), 9u);
    const auto shapeOf = [](const std::string& line) {
        return line.substr(line.find(' ') + 1, line.find(" move=") - line.find(' ') - 1);
    };
    EXPECT_EQ(shapeOf(held[0]), shapeOf(held[2]));
    EXPECT_EQ(shapeOf(held[1]), shapeOf(held[7]));
    EXPECT_LE(std::stoll(varied[8].substr(6)), std::stoll(held[8].substr(6)));

    // Capo 3 plays Eb Bb Cm Ab with the shapes of C G Am F; best names its capo on stderr.
    const CliRun capo3 = runCli({"progression", "Eb", "Bb", "Cm", "Ab", "--capo", "3"});
    const CliRun open = runCli({"progression", "C", "G", "Am", "F"});
    ASSERT_EQ(capo3.status, 0) << capo3.err;
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(shapeOf(Lines(capo3.out)[i]), shapeOf(Lines(open.out)[i]));
    const CliRun best = runCli({"progression", "Eb", "Bb", "Cm", "Ab", "--capo", "best"});
    EXPECT_EQ(best.status, 0);
    EXPECT_EQ(best.err, "capo 3\n");
    EXPECT_EQ(best.out, capo3.out);
}

TEST(CliProgression, BadInputIsOneLineOnStderrAndStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"C", "Hm7", "G"}, "'Hm7' is not a chord symbol"},
        {{"C", "N.C."}, "'N.C.' is not a chord symbol"},
        {{}, "give the chord symbols"},
        {{"C", "--capo", "13"}, "--capo"},
        {{"C", "--capo", "worst"}, "--capo"},
        {{"C", "Am", "--bass", "G"}, "G is not a tone of Am"},
        {{"C", "--omit", "7"}, "--omit: '7'"},
        {{"C", "--frets", "9-9", "--min-strings", "6"}, "no voicing of C"},
        {{"C", "--chord", "G"}, "unknown option '--chord'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        ExpectRefused(WithCommand("progression", c.args), c.mentions);
    }
}

}  // namespace
}  // namespace guivarna::test
