#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace guivarna::test {
namespace {

TEST(CliDispatch, HelpExplainsItselfOnStdout)
{
    const CliRun run = runCli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: guivarna-cli"), std::string::npos);
    EXPECT_TRUE(run.err.empty());
}

TEST(CliDispatch, MistakesExitWithStatusTwoAndOneLineOnStderr)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"frobnicate"}, "unknown subcommand 'frobnicate'"},
        {{"--verbose"}, "unknown option '--verbose'"},
        {{}, "no subcommand given"},
        // Control characters in a quoted argument are escaped, so the message stays one line.
        {{"fro\nb\x01"}, "unknown subcommand 'fro\\nb\\x01'"},
        {{"names", "--notes", "C,E\r\n"}, "'E\\r\\n' is not a note name"},
    };
    for (const Case& c : cases)
        ExpectRefused(c.args, c.mentions);
}

TEST(CliDispatch, OutputThatCannotBeWrittenIsAFailure)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full to write to";
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"names", "--notes", "C,E,G"}, {"scales", "--tones", "7"}, {"--help"}}) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CliRun run = runCli(args, "/dev/full");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "guivarna-cli: cannot write the output\n");
    }
}

}  // namespace
}  // namespace guivarna::test
