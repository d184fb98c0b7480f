#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

namespace guivarna::test {
namespace {

TEST(CliNames, PrintsOneSuggestionPerNote)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"names", "--notes", "C,E,G"}, "C\nE-(b6) (no 5)\nGsus4(6) (no 5)\n"},
        {{"names", "--notes", "C,E,G", "--mode", "semitones"},
            "C (0, 4, 7)\nE (0, 3, 8)\nG (0, 5, 9)\n"},
        {{"names", "--notes", "C,E,G", "--mode", "intervals"}, "C (3, 5)\nE (b3, b6)\nG (4, 6)\n"},
        {{"names", "--notes", "C,E,G", "--mode", "1"}, "C (3, 5)\nE (b3, b6)\nG (4, 6)\n"},
        {{"names", "--notes", "C,E,G", "--mode", "2"}, "C\nE\nG\n"},
        // The root decides where the mask starts: E G C read from E lists E first.
        {{"names", "--notes", "C,E,G", "--root", "E"}, "E-(b6) (no 5)\nGsus4(6) (no 5)\nC\n"},
        {{"names", "--notes", "Eb,Gb,A"}, "Eb\u00BA\nGb-(6) (no 5)\nA(#4)(6) (no 3, no 5)\n"},
        {{"names", "--notes", "B,B"}, "B (no 3, no 5)\n"},
    };
    for (const Case& c : cases)
        ExpectPrints(c.args, c.out);
}

TEST(CliNames, BadInputIsOneLineOnStderrAndStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"names", "--notes", "C,C#,G"},
            "'C#' is not a note name (accepted: C, Db, D, Eb, E, F, Gb"},
        {{"names", "--notes", "c,e,g"}, "'c' is not a note name"},
        {{"names", "--notes", ""}, "--notes needs at least one note name"},
        {{"names", "--notes", "C,,G"}, "'' is not a note name"},
        {{"names"}, "--notes is required"},
        {{"names", "--notes", "C", "--root", "H"}, "--root: 'H' is not a note name"},
        {{"names", "--notes", "C", "--mode", "fancy"}, "'fancy' is not a naming mode"},
        {{"names", "--notes", "C", "--mode", "99999999999"},
            "--mode: '99999999999' is not a whole number"},
        {{"names", "--notes", "C", "--loud"}, "unknown option '--loud'"},
        {{"names", "--notes"}, "option '--notes' needs a value"},
    };
    for (const Case& c : cases)
        ExpectRefused(c.args, c.mentions);
}

}  // namespace
}  // namespace guivarna::test
