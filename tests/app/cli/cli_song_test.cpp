#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace guivarna::test {
namespace {

namespace fs = std::filesystem;

const std::string kSong = "{title: Test Song}\r\n"
                          "{artist: Nobody}\r\n"
                          "{key: G}\r\n"
                          "\r\n"
                          "{soc}\r\n"
                          "[G]Sing it [C]lo[D/F#]ud\r\n"
                          "{eoc}\r\n"
                          "[Em]  [N.C.]\r\n"
                          "{c: twice}";

class CliSong : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
            ("guivarna-cli-song-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        Write("song.cho", kSong);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }

    fs::path dir_;
};

TEST_F(CliSong, PrintsChordsOverLyrics)
{
    ExpectPrints({"song", Path("song.cho"), "--text"},
        "Test Song\nNobody\nKey: G\n\n"
        "  Chorus:\n"
        "  G       C D/F#\n"
        "  Sing it loud\n"
        "Em N.C.\n"
        "(twice)\n");
    ExpectPrints({"song", Path("song.cho"), "--text", "--transpose", "-2", "--capo", "3"},
        "Test Song\nNobody\nKey: F   Capo: 3\n\n"
        "  Chorus:\n"
        "  F       Bb C/E\n"
        "  Sing it lo-ud\n"
        "Dm N.C.\n"
        "(twice)\n");
}

TEST_F(CliSong, WritesTheSongBackWithOnlyTheChangesRewritten)
{
    const CliRun same = runCli({"song", Path("song.cho"), "--chordpro", Path("same.cho")});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(ReadFile(Path("same.cho")), kSong);

    const CliRun moved = runCli({"song", Path("song.cho"), "--transpose", "2", "--capo", "1",
        "--chordpro", Path("up.cho")});
    EXPECT_EQ(moved.status, 0) << moved.err;
    EXPECT_EQ(moved.out, "");
    EXPECT_EQ(ReadFile(Path("up.cho")),
        "{title: Test Song}\r\n{artist: Nobody}\r\n{key: A}\r\n{capo: 1}\r\n\r\n{soc}\r\n"
        "[A]Sing it [D]lo[E/G#]ud\r\n{eoc}\r\n[F#m]  [N.C.]\r\n{c: twice}");
}

TEST_F(CliSong, NamesBadLinesAndGoesOn)
{
    Write("bad.cho", "{title: Bad}\n[G open\n[C]fine\n{capo: x}\n");
    const CliRun run = runCli({"song", Path("bad.cho"), "--text"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Bad\n\n[G open\nC\nfine\n");
    const std::vector<std::string> lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 2u) << run.err;
    EXPECT_EQ(lines[0].rfind("line 2: ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("line 4: ", 0), 0u) << lines[1];
}

TEST_F(CliSong, RefusesBadCommandLines)
{
    const std::string song = Path("song.cho");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"song"}, "FILE"},
        {{"song", "--text"}, "FILE"},
        {{"song", song}, "--text"},
        {{"song", Path("missing.cho"), "--text"}, "cannot open"},
        {{"song", song, "--text", "--transpose", "x"}, "transpose"},
        {{"song", song, "--text", "--transpose", "49"}, "transpose"},
        {{"song", song, "--text", "--capo", "25"}, "capo"},
        {{"song", song, "--text", "--capo", "best"}, "not built yet"},
        {{"song", song, "--png", Path("out.png"), "--dpi", "5"}, "dpi"},
        {{"song", song, "--text", "--dpi", "100"}, "--dpi"},
        {{"song", song, "--text", "--tuning", "1000"}, "tuning"},
        {{"song", song, "--chordpro", ""}, "file name"},
        {{"song", song, "--text", "extra"}, "extra"},
    };
    for (const auto& [args, mentions] : cases) {
        SCOPED_TRACE(args.size() > 2 ? args[2] : args.back());
        ExpectRefused(args, mentions);
    }
    EXPECT_FALSE(fs::exists(Path("out.png")));
}

TEST_F(CliSong, WritesTheSongbookPageAsPdfAndPng)
{
    const CliRun run = runCli({"song", Path("song.cho"), "--transpose", "1", "--pdf",
        Path("song.pdf"), "--png", Path("song.png"), "--dpi", "60"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFile(Path("song.pdf")).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(ReadFile(Path("song.png")).rfind("\x89PNG", 0), 0u);

    // A file that cannot be written is named, with status 1.
    const CliRun refused =
        runCli({"song", Path("song.cho"), "--pdf", Path("no-such-folder/song.pdf")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("no-such-folder"), std::string::npos) << refused.err;
}

}  // namespace
}  // namespace guivarna::test
