#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

namespace guivarna::test {
namespace {

TEST(CliIdentify, PrintsWhatNamesPrintsForTheShape)
{
    struct Case {
        std::vector<std::string> shape;  // identify arguments
        std::vector<std::string> chord;  // the names arguments of the same chord
    };
    const std::vector<Case> cases = {
        {{"--frets", "0,1,0,2,3,x"}, {"--notes", "C,E,G"}},
        {{"--frets", "0,1,0,2,3,x", "--mode", "semitones"},
            {"--notes", "C,E,G", "--mode", "semitones"}},
        {{"--frets", "0,1,0,2,3,x", "--mode", "intervals"},
            {"--notes", "C,E,G", "--mode", "intervals"}},
        {{"--frets", "0,0,1,2,2,0"}, {"--notes", "E,B,Ab"}},
        {{"--frets", "0,1,2,2,0,x"}, {"--notes", "A,E,C"}},
        {{"--frets", "x,x,x,x,x,3"}, {"--notes", "G"}},
        // Drop D: the open low string is now the root.
        {{"--frets", "0,0,1,2,2,0", "--tuning", "64,59,55,50,45,38"}, {"--notes", "D,B,E,Ab"}},
        {{"--frets", "x,x,x,0,0,0", "--tuning", "64,59,55,50,45,38"}, {"--notes", "D,A"}},
        // Four strings, the highest fretted higher than the rest.
        {{"--frets", "12,x,x,0", "--tuning", "67,62,57,52"}, {"--notes", "E,G"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.shape));
        const CliRun expected = runCli(WithCommand("names", c.chord));
        ASSERT_FALSE(expected.out.empty());
        ExpectPrints(WithCommand("identify", c.shape), expected.out);
    }
    EXPECT_EQ(runCli({"identify", "--frets", "0,1,0,2,3,x"}).out.substr(0, 2), "C\n");
}

TEST(CliIdentify, BadInputIsOneLineOnStderrAndStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"identify", "--frets", "x,x,x,x,x,x"}, "no string is played"},
        {{"identify", "--frets", "0,1,0,2,3"}, "5 frets given for 6 strings"},
        {{"identify", "--frets", "0,1,0", "--tuning", "64,59"}, "3 frets given for 2 strings"},
        {{"identify", "--frets", "0,1,0,2,3,a"}, "'a' is neither a fret number nor x"},
        {{"identify", "--frets", "0,1,0,2,-3,x"}, "'-3' is neither a fret number nor x"},
        {{"identify", "--frets", "0,1,,2,3,x"}, "'' is neither a fret number nor x"},
        {{"identify", "--frets", "0,1,0,2,25,x"},
            "--frets: '25' is not a whole number from 0 to 24"},
        {{"identify", "--frets", "0,1,0,2,99999999999999999999,x"}, "not a whole number"},
        {{"identify", "--frets", ""}, "--frets needs one fret or x per string"},
        {{"identify"}, "--frets is required"},
        {{"identify", "--frets", "0,1,0,2,3,x", "--mode", "fancy"}, "'fancy' is not a naming mode"},
    };
    for (const Case& c : cases) {
        const CliRun run = ExpectRefused(c.args, c.mentions);
        EXPECT_EQ(run.err.find("guivarna-cli identify: "), 0u) << run.err;
    }
}

}  // namespace
}  // namespace guivarna::test
