#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

namespace guivarna::test {
namespace {

TEST(CliNameCommands, PrintChordAndScaleNotes)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"chord", "--symbol", "Cmaj7"}, "C - E - G - B\n"},
        {{"chord", "--symbol", "C^7"}, "C - E - G - B\n"},
        {{"chord", "--symbol", "F#m7b5/E"}, "Gb - A - C - E\n"},
        {{"scale", "--name", "dorian", "--root", "D"}, "D - E - F - G - A - B - C\n"},
        {{"scale", "--name", "Minor Pentatonic", "--root", "A"}, "A - C - D - E - G\n"},
        {{"scale", "--name", "blues", "--root", "E"}, "E - G - A - Bb - B - D\n"},
        {{"scale-names", "--notes", "A,C,E,G,D"},
            "C major pentatonic\nA minor pentatonic\nD suspended pentatonic\n"},
        {{"scale-names", "--notes", "C,Db"}, ""},
        // --chord stands wherever --notes does.
        {{"names", "--chord", "C"}, "C\nE-(b6) (no 5)\nGsus4(6) (no 5)\n"},
        {{"chords", "--chord", "Cmaj7", "--count"},
            runCli({"chords", "--notes", "C,E,G,B", "--count"}).out},
    };
    for (const Case& c : cases)
        ExpectPrints(c.args, c.out);

    const std::vector<std::string> names =
        Lines(runCli({"scale-names", "--notes", "C,D,E,F,G,A,B"}).out);
    ASSERT_GE(names.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 7),
        (std::vector<std::string>{"C major", "D dorian", "E phrygian", "F lydian", "G mixolydian",
            "A minor", "B locrian"}));

    const std::vector<std::string> list = Lines(runCli({"scale", "--list"}).out);
    EXPECT_GE(list.size(), 40u);
    EXPECT_EQ(list.front(), "major");
}

TEST(CliNameCommands, BadNamesAreOneLineOnStderrAndStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"chord", "--symbol", "Cmaj7x"}, "cannot read 'x' in 'Cmaj7x' at character 6"},
        {{"chord", "--symbol", ""}, "at character 1"},
        {{"chord"}, "--symbol is required"},
        {{"scale", "--name", "doryan", "--root", "D"}, "closest: dorian"},
        {{"scale", "--name", "dorian", "--root", "H"}, "--root: 'H' is not a note name"},
        {{"scale", "--list", "--name", "dorian"}, "--list goes without"},
        {{"chords", "--chord", "Q7"}, "--chord: no root note"},
        {{"chords", "--chord", "C", "--notes", "C"}, "cannot be used together"},
        {{"scale-names"}, "--notes is required"},
    };
    for (const Case& c : cases)
        ExpectRefused(c.args, c.mentions);
}

}  // namespace
}  // namespace guivarna::test
