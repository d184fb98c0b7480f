#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

namespace guivarna::test {
namespace {

TEST(CliScalePositions, PrintsOnePositionALine)
{
    const std::vector<std::string> threeNotes = Lines(
        runCli({"scale-positions", "--name", "major", "--root", "G", "--system", "3nps"}).out);
    ASSERT_EQ(threeNotes.size(), 7u);
    // Starts on G at fret 3 of string 6.
    EXPECT_EQ(threeNotes[0],
        "position=1 frets=3-8 1:5/1,7/3,8/4 2:5/1,7/3,8/4 3:4/1,5/2,7/4 4:4/1,5/2,7/4 "
        "5:3/1,5/2,7/4 6:3/1,5/2,7/4");

    const std::vector<std::string> boxes =
        Lines(runCli({"scale-positions", "--name", "minor pentatonic", "--root", "A"}).out);
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0],
        "position=1 frets=5-8 1:5/1,8/4 2:5/1,8/4 3:5/1,7/3 4:5/1,7/3 5:5/1,7/3 6:5/1,8/4");

    // Notes instead of a name, another tuning, a fret range, and strings left without a note.
    ExpectPrints({"scale-positions", "--notes", "C,D,E,F,G,A,B", "--frets", "0-4"},
        "position=3 frets=0-3 1:0/0,1/1,3/3 2:0/0,1/1,3/3 3:0/0,2/2 4:0/0,2/2,3/3 "
        "5:0/0,2/2,3/3 6:0/0,1/1,3/3\n");
    ExpectPrints({"scale-positions", "--notes", "C,D,E,F,G,A,B", "--tuning", "69,64,60,67",
                     "--frets", "1-6"},
        "position=2 frets=2-5 1:2/1,3/2,5/4 2:3/2,5/4 3:2/1,4/3,5/4 4:-\n"
        "position=6 frets=1-4 1:2/2,3/3 2:1/1,3/3 3:2/2,4/4 4:2/2\n"
        "position=7 frets=3-5 1:3/1,5/3 2:3/1,5/3 3:4/2,5/3 4:4/2\n");
    ExpectPrints({"scale-positions", "--name", "major", "--frets", "3-5"}, "");
}

TEST(CliScalePositions, BadInputIsStatusTwoWithTheReason)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"--name", "minor pentatonic", "--root", "A", "--system", "3nps"},
            "--system 3nps: three notes per string needs a scale of at least 6 notes; this one "
            "has 5"},
        {{"--name", "major", "--system", "box"},
            "'box' is not a system (accepted: position, 3nps)"},
        {{"--name", "majr"}, "closest: major"},
        {{"--name", "major", "--root", "H"}, "--root: 'H' is not a note name"},
        {{"--notes", "C,E,G", "--name", "major"}, "--notes goes without --name and --root"},
        {{}, "--name (with --root) or --notes is required"},
        {{"--name", "major", "--frets", "9-2"}, "is above the highest fret"},
        {{"--name", "major", "--tuning", "64,x"}, "--tuning"},
    };
    for (const Case& c : cases)
        ExpectRefused(WithCommand("scale-positions", c.args), c.mentions);
}

}  // namespace
}  // namespace guivarna::test
