#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

namespace guivarna::test {
namespace {

TEST(CliChords, PrintsEachFingeringInTheChordListLayout)
{
    const CliRun run = runCli({"chords", "--notes", "C,E,G"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1184u);
    EXPECT_EQ(lines[0], "1 - 2 - 3\t\t8 - 5 - 0\t\tC - E - G");
    EXPECT_EQ(lines[1], "1 - 2 - 3\t\t8 - 5 - 12\t\tC - E - G");
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(CliChords, CountsAndFilters)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"--notes", "C,D,E,F,G,Bb", "--count"}, "59616\n"},
        {{"--notes", "C,E,G", "--count"}, "1184\n"},
        {{"--notes", "C,E,G", "--strings", "2,3,4", "--frets", "0-5", "--span", "4"},
            "2 - 3 - 4\t\t1 - 0 - 2\t\tC - G - E\n"
            "2 - 3 - 4\t\t5 - 5 - 5\t\tE - C - G\n"},
        {{"--notes", "E,B,E", "--strings", "1,2,3", "--frets", "5-8", "--open", "must"}, ""},
        {{"--notes", "E,B,E", "--strings", "4,5,6", "--frets", "1-2", "--open", "may"},
            "4 - 5 - 6\t\t2 - 2 - 0\t\tE - B - E\n"},
        {{"--notes", "A", "--tuning", "45", "--frets", "0-12"}, "1\t\t0\t\tA\n1\t\t12\t\tA\n"},
        {{"--notes", "C,E,G", "--permutation", "G,E,C", "--frets", "0-3"},
            "1 - 4 - 5\t\t3 - 2 - 3\t\tG - E - C\n3 - 4 - 5\t\t0 - 2 - 3\t\tG - E - C\n"},
        {{"--notes", "C,E,G", "--melody", "E", "--frets", "0-3", "--count"}, "5\n"},
    };
    for (const Case& c : cases)
        ExpectPrints(WithCommand("chords", c.args), c.out);
}

TEST(CliChords, AnyNumberOfThreadsPrintsAndCountsTheSame)
{
    const std::vector<std::vector<std::string>> searches = {
        {"--notes", "C,D,E,F,G,Bb"},
        {"--notes", "C,D,E,F,G,Bb", "--count"},
        {"--notes", "C,E,G,Bb", "--playable", "--sort", "difficulty"},
        {"--notes", "C,E,G", "--strings", "2,3,4", "--frets", "0-5", "--span", "4"},
        {"--notes", "E,B,E", "--strings", "1,2,3", "--frets", "5-8", "--open", "must"},
    };
    for (const std::vector<std::string>& search : searches) {
        std::vector<std::string> single = WithCommand("chords", search);
        single.insert(single.end(), {"--threads", "1"});
        const CliRun one = runCli(single);
        ASSERT_EQ(one.status, 0) << one.err;
        for (const char* threads : {"2", "3", "8"}) {
            SCOPED_TRACE(search[1] + std::string(" on ") + threads + " threads");
            std::vector<std::string> args = WithCommand("chords", search);
            args.insert(args.end(), {"--threads", threads});
            ExpectPrints(args, one.out);
        }
        // Without --threads, one per core.
        ExpectPrints(WithCommand("chords", search), one.out);
    }
}

TEST(CliScales, PrintsEachScaleAndCounts)
{
    const CliRun all = runCli({"scales", "--tones", "7"});
    ASSERT_EQ(all.status, 0) << all.err;
    const auto lines = Lines(all.out);
    ASSERT_EQ(lines.size(), 792u);
    EXPECT_EQ(lines.front(), "C - Db - D - Eb - E - F - Gb");
    EXPECT_EQ(lines.back(), "F - Gb - G - Ab - A - Bb - B");

    EXPECT_EQ(runCli({"scales", "--tones", "7", "--count"}).out, "792\n");
    EXPECT_EQ(
        runCli({"scales", "--tones", "7", "--must", "C,E,G", "--run-limit", "-1", "--count"}).out,
        "126\n");
    EXPECT_EQ(runCli({"scales", "--tones", "12"}).out, "");
    EXPECT_EQ(runCli({"scales", "--tones", "12", "--run-limit", "-1"}).out,
        "C - Db - D - Eb - E - F - Gb - G - Ab - A - Bb - B\n");
    const CliRun major = runCli({"scales", "--tones", "7", "--run-limit", "0", "--must", "C,E"});
    EXPECT_EQ(major.out, "");  // seven notes cannot avoid every semitone
    const CliRun wholeTone = runCli({"scales", "--tones", "6", "--run-limit", "0"});
    EXPECT_EQ(wholeTone.out, "C - D - E - Gb - Ab - Bb\nDb - Eb - F - G - A - B\n");
}

TEST(CliSearchErrors, BadInputIsOneLineOnStderrAndStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"chords"}, "--notes is required"},
        {{"chords", "--notes", "C,H,G"}, "'H' is not a note name"},
        {{"chords", "--notes", "C,E,G", "--root", "c"}, "'c' is not a note name"},
        {{"chords", "--notes", "C,D,E,F,G,A,B"}, "7 notes do not fit on 6 strings"},
        {{"chords", "--notes", "C,D,E", "--tuning", "64,59"}, "3 notes do not fit on 2 strings"},
        {{"chords", "--notes", "C", "--tuning", "64,x"}, "--tuning: 'x'"},
        {{"chords", "--notes", "C", "--tuning", "128"}, "--tuning: '128'"},
        {{"chords", "--notes", "C", "--tuning",
             "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25"},
            "at most 24 strings"},
        {{"chords", "--notes", "C,E,G", "--strings", "1,7"}, "--strings: '7'"},
        {{"chords", "--notes", "C,E,G", "--frets", "5"}, "is not a fret range"},
        {{"chords", "--notes", "C,E,G", "--frets", "0-25"}, "--frets: '25'"},
        {{"chords", "--notes", "C,E,G", "--frets", "8-3"}, "above the highest fret"},
        {{"chords", "--notes", "C,E,G", "--span", "0"}, "--span: '0'"},
        {{"chords", "--notes", "C,E,G", "--open", "sometimes"}, "not an open-string policy"},
        {{"chords", "--notes", "C,E,G", "--permutation", "C,E"}, "not an arrangement"},
        {{"chords", "--notes", "C,E,E", "--permutation", "C,E,C"}, "not an arrangement"},
        {{"chords", "--notes", "C,E,G", "--permutation", "C,E,G", "--melody", "E"},
            "cannot be used together"},
        {{"chords", "--notes", "C,E,G", "--melody", "E#"}, "'E#' is not a note name"},
        {{"chords", "--notes", "C,E,G", "--threads", "0"}, "--threads: '0'"},
        {{"chords", "--notes", "C,E,G", "--threads", "257"}, "--threads: '257'"},
        {{"chords", "--notes", "C,E,G", "--threads", "two"}, "--threads: 'two'"},
        {{"scales"}, "--tones is required"},
        {{"scales", "--tones", "0"}, "--tones: '0'"},
        {{"scales", "--tones", "13"}, "--tones: '13'"},
        {{"scales", "--tones", "7", "--run-limit", "-2"}, "--run-limit: '-2'"},
        {{"scales", "--tones", "7", "--must", "C,Fb"}, "'Fb' is not a note name"},
        {{"scales", "--tones", "7", "--count", "--count"}, "given twice"},
    };
    for (const Case& c : cases)
        ExpectRefused(c.args, c.mentions);
}

}  // namespace
}  // namespace guivarna::test
