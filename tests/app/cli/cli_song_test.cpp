#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The lines of a written song with the block of chosen defines (marker to end marker) taken out,
// and the define lines of that block.
struct SplitSong {
    std::string rest;
    std::vector<std::string> chosen;
};

SplitSong SplitChosenDefines(const std::string& text)
{
    SplitSong split;
    bool inBlock = false;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        const std::string line = text.substr(at, next - at);
        if (line.rfind("# Chord shapes chosen", 0) == 0)
            inBlock = true;
        else if (line.rfind("# End of the chosen", 0) == 0)
            inBlock = false;
        else if (inBlock)
            split.chosen.push_back(line.substr(0, line.find_first_of("\r\n")));
        else
            split.rest += line;
        at = next;
    }
    return split;
}

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
    // Untouched but voiced: the same bytes, and a block with a define per distinct readable chord.
    const CliRun same = runCli({"song", Path("song.cho"), "--chordpro", Path("same.cho")});
    EXPECT_EQ(same.status, 0) << same.err;
    const SplitSong voiced = SplitChosenDefines(ReadFile(Path("same.cho")));
    EXPECT_EQ(voiced.rest, kSong);
    ASSERT_EQ(voiced.chosen.size(), 4u);
    const std::vector<std::string> names = {"G", "C", "D/F#", "Em"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(voiced.chosen[i].rfind("{define: " + names[i] + " base-fret ", 0), 0u)
            << voiced.chosen[i];
        // The fingers of the finger assignment, not a blank list.
        const std::string fingers = voiced.chosen[i].substr(voiced.chosen[i].find(" fingers "));
        EXPECT_NE(fingers.find_first_of("1234"), std::string::npos) << voiced.chosen[i];
    }

    const CliRun moved = runCli({"song", Path("song.cho"), "--transpose", "2", "--capo", "1",
        "--chordpro", Path("up.cho")});
    EXPECT_EQ(moved.status, 0) << moved.err;
    EXPECT_EQ(moved.out, "");
    const SplitSong up = SplitChosenDefines(ReadFile(Path("up.cho")));
    EXPECT_EQ(up.rest,
        "{title: Test Song}\r\n{artist: Nobody}\r\n{key: A}\r\n{capo: 1}\r\n\r\n{soc}\r\n"
        "[A]Sing it [D]lo[E/G#]ud\r\n{eoc}\r\n[F#m]  [N.C.]\r\n{c: twice}");
    EXPECT_EQ(up.chosen.size(), 4u);
}

TEST_F(CliSong, KeepsTheUsersOwnDefineAndChoosesTheRest)
{
    const std::string own = "{define: G base-fret 1 frets 3 2 0 0 3 3}";
    Write("own.cho", "{title: Own}\n" + own + "\n[G]one [C]two [G]three [Solo]\n");
    const CliRun run = runCli({"song", Path("own.cho"), "--chordpro", Path("out.cho")});
    EXPECT_EQ(run.status, 0) << run.err;
    const SplitSong written = SplitChosenDefines(ReadFile(Path("out.cho")));
    EXPECT_EQ(written.rest, "{title: Own}\n" + own + "\n[G]one [C]two [G]three [Solo]\n");
    ASSERT_EQ(written.chosen.size(), 1u);
    EXPECT_EQ(written.chosen[0].rfind("{define: C ", 0), 0u) << written.chosen[0];
}

TEST_F(CliSong, ChoosesTheBestCapoAndNamesItFirst)
{
    // A bad line is still reported, after the capo.
    Write("capo.cho", "{title: Capo}\n{capo: 5}\n[Eb]a [Ab]b [Bb]c [Cm]d [Fm]e\n[G open\n");
    const CliRun run = runCli(
        {"song", Path("capo.cho"), "--capo", "best", "--chordpro", Path("out.cho"), "--text"});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 2u) << run.err;
    ASSERT_EQ(lines[0].rfind("capo ", 0), 0u) << run.err;
    const int capo = std::stoi(lines[0].substr(5));
    EXPECT_GE(capo, 0);
    EXPECT_LE(capo, 7);
    EXPECT_EQ(lines[1].rfind("line 4: ", 0), 0u) << lines[1];
    const std::string written = ReadFile(Path("out.cho"));
    EXPECT_NE(written.find("{capo: " + std::to_string(capo) + "}\n"), std::string::npos) << written;
    EXPECT_NE(run.out.find("Capo: " + std::to_string(capo)), std::string::npos) << run.out;
    EXPECT_EQ(SplitChosenDefines(written).chosen.size(), 5u) << written;
}

TEST_F(CliSong, ASongOfUnreadableChordsIsWrittenAsItWas)
{
    const std::string text = "{title: Talk}\n[N.C.]spoken [Solo]\n";
    Write("talk.cho", text);
    const CliRun run = runCli({"song", Path("talk.cho"), "--capo", "best", "--chordpro",
        Path("out.cho"), "--pdf", Path("talk.pdf")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "capo 0\n");
    EXPECT_EQ(ReadFile(Path("out.cho")), text);
    EXPECT_EQ(ReadFile(Path("talk.pdf")).rfind("%PDF-", 0), 0u);
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
        {{"song", song, "--text", "--capo", "worst"}, "capo"},
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
