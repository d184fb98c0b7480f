#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace guivarna::test {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// The text as the UTF-16 little-endian bytes of the page.
std::string Utf16Le(const std::string& ascii)
{
    std::string bytes;
    for (const char c : ascii)
        bytes += std::string{c, '\0'};
    return bytes;
}

class CliSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
            ("guivarna-cli-save-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

TEST_F(CliSave, WritesTheListFilesAndPrintsNothing)
{
    // The same bytes the printed list gives, with CR LF line ends.
    const CliRun printed = runCli({"chords", "--notes", "C,E,G", "--frets", "0-5"});
    ASSERT_EQ(printed.status, 0) << printed.err;
    std::string crlf;
    for (const char c : printed.out)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);

    struct Case {
        std::vector<std::string> args;
        std::string expected;
    };
    const Case cases[] = {
        {{"chords", "--notes", "C,E,G", "--frets", "0-5", "--save-text"}, crlf},
        {{"scales", "--tones", "11", "--save-text"},
            "C - Db - D - Eb - E - F - Gb - G - Ab - A - Bb\r\n"
            "C - Db - D - Eb - E - F - Gb - G - Ab - A - B\r\n"
            "C - Db - D - Eb - E - F - Gb - G - Ab - Bb - B\r\n"
            "C - Db - D - Eb - E - F - Gb - G - A - Bb - B\r\n"
            "C - Db - D - Eb - E - F - Gb - Ab - A - Bb - B\r\n"
            "C - Db - D - Eb - E - F - G - Ab - A - Bb - B\r\n"
            "C - Db - D - Eb - E - Gb - G - Ab - A - Bb - B\r\n"
            "C - Db - D - Eb - F - Gb - G - Ab - A - Bb - B\r\n"
            "C - Db - D - E - F - Gb - G - Ab - A - Bb - B\r\n"
            "C - Db - Eb - E - F - Gb - G - Ab - A - Bb - B\r\n"
            "C - D - Eb - E - F - Gb - G - Ab - A - Bb - B\r\n"
            "Db - D - Eb - E - F - Gb - G - Ab - A - Bb - B\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const fs::path file = dir_ / "out.txt";
        std::vector<std::string> args = c.args;
        args.push_back(file.string());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(ReadFile(file), c.expected);
    }
}

TEST_F(CliSave, ThePageShowsTheGivenChordWithItsRoot)
{
    const fs::path file = dir_ / "chords.html";
    const CliRun run = runCli({"chords", "--notes", "E,G,C", "--root", "C", "--strings", "4,5,6",
        "--frets", "0-2", "--save-html", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string page = ReadFile(file);
    ASSERT_GE(page.size(), 2u);
    EXPECT_EQ(page.substr(0, 2), std::string("<\0", 2));
    // Notes from the root upwards, one traditional name per note, the root's first.
    EXPECT_NE(
        page.find(Utf16Le("<td class=\"content\">C - E - G</td><td class=\"content\">C<br />")),
        std::string::npos);
    EXPECT_NE(page.find(Utf16Le("</td></tr></table></body></html>")), std::string::npos);
    EXPECT_EQ(page.size() - page.rfind(Utf16Le("</html>")), Utf16Le("</html>").size());
}

TEST_F(CliSave, AFileThatCannotBeWrittenIsOneLineOnStderrAndKeepsTheOldFile)
{
    const fs::path file = dir_ / "list.txt";
    const std::string old = "the old list\r\n";
    struct Case {
        const char* name;
        std::vector<std::string> args;
        long sizeLimit;
        const char* cause;
    };
    const Case cases[] = {
        // 1184 lines do not fit in 4 KiB: the write fails part-way.
        {"size limit", {"chords", "--notes", "C,E,G", "--save-text", file.string()}, 4096,
            "too large"},
        {"size limit, page", {"chords", "--notes", "C,E,G", "--save-html", file.string()}, 4096,
            "too large"},
        {"missing folder", {"scales", "--tones", "7", "--save-text", (dir_ / "no/x.txt").string()},
            -1, "No such file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(file, old);
        const CliRun run = runCli(c.args, {}, c.sizeLimit);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(c.args.back()), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.cause), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(file), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
            << "a partial file was left behind";
    }
}

TEST_F(CliSave, BadFileOptionsAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"chords", "--notes", "C,E,G", "--save-text"},
        {"chords", "--notes", "C,E,G", "--save-text", ""},
        {"chords", "--notes", "C,E,G", "--count", "--save-html", "x.html"},
        {"scales", "--tones", "7", "--save-html", "x.html"},
        {"names", "--notes", "C,E,G", "--save-text", "x.txt"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.back());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

}  // namespace
}  // namespace guivarna::test
