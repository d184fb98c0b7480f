#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace guivarna::test {
namespace {

TEST(CliTunings, ListsEveryPresetAsNameTabAndOpenNotes)
{
    const CliRun run = runCli({"tunings"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const std::vector<std::string> all = Lines(run.out);
    ASSERT_EQ(all.size(), 11U);
    EXPECT_EQ(all.front(), "Guitar (standard)\t64,59,55,50,45,40");
    for (const std::string expected :
        {"Drop D\t64,59,55,50,45,38", "4-string bass\t43,38,33,28", "Ukulele\t69,64,60,67",
            "Mandolin\t76,69,62,55", "8-string guitar\t64,59,55,50,45,40,35,30"}) {
        EXPECT_NE(std::find(all.begin(), all.end(), expected), all.end()) << expected;
    }
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(CliTunings, TakesNoOptions)
{
    const CliRun run = runCli({"tunings", "--bass"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("guivarna-cli tunings: "), std::string::npos) << run.err;
}

}  // namespace
}  // namespace guivarna::test
