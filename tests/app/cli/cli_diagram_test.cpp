#include "tests/support/cli/cli_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace guivarna::test {
namespace {

namespace fs = std::filesystem;

class CliDiagram : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
            ("guivarna-diagram-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

TEST_F(CliDiagram, PrintsTheChordProDefine)
{
    ExpectPrints({"diagram", "--frets", "0,1,0,2,3,x", "--chordpro"},
        "{define: C base-fret 1 frets x 3 2 0 1 0 fingers 0 3 2 0 1 0}\n");
    ExpectPrints({"diagram", "--frets", "8,8,9,10,10,8", "--name", "C barre", "--chordpro"},
        "{define: \"C barre\" base-fret 8 frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1}\n");
    // A ukulele, string 1 (A) first: ChordPro lists string 4 (G) first.
    ExpectPrints(
        {"diagram", "--frets", "2,3,2,0", "--tuning", "69,64,60,67", "--name", "G", "--chordpro"},
        "{define: G base-fret 1 frets 0 2 3 2 fingers 0 1 3 2}\n");
}

TEST_F(CliDiagram, MistakesAreStatusTwo)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"diagram", "--chordpro"}, "--frets is required"},
        {{"diagram", "--frets", "0,1,0,2,3"}, "5 frets given for 6 strings"},
        {{"diagram", "--frets", "0,1,0,2,3,x"}, "give exactly one of"},
        {{"diagram", "--frets", "0,1,0,2,3,x", "--svg", "a", "--pdf", "b"}, "exactly one"},
        {{"diagram", "--frets", "0,1,0,2,3,x", "--svg", "a", "--dpi", "90"}, "--png only"},
        {{"diagram", "--frets", "0,1,0,2,3,x", "--png", "a", "--dpi", "9"}, "dpi"},
        {{"diagram", "--frets", "x,x,x,x,x,x", "--chordpro"}, "no string is played"},
        {{"sheet", "--svg", "a"}, "--chordpro FILE is required"},
    };
    for (const auto& [args, mentions] : cases)
        ExpectRefused(args, mentions);
}

TEST_F(CliDiagram, WritesFilesAndKeepsTheOldOneOnAFailure)
{
    for (const char* kind : {"svg", "png", "pdf"}) {
        SCOPED_TRACE(kind);
        const std::string path = Path((std::string("c.") + kind).c_str());
        const CliRun run =
            runCli({"diagram", "--frets", "0,1,0,2,3,x", std::string("--") + kind, path});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_GT(fs::file_size(path), 500u);
        // A size limit stops the write part-way: status 1, one line naming the file.
        std::ofstream(path, std::ios::trunc) << "old";
        const CliRun limited =
            runCli({"diagram", "--frets", "0,1,0,2,3,x", std::string("--") + kind, path}, {}, 200);
        EXPECT_EQ(limited.status, 1);
        EXPECT_EQ(std::count(limited.err.begin(), limited.err.end(), '\n'), 1) << limited.err;
        EXPECT_NE(limited.err.find(path), std::string::npos);
        EXPECT_EQ(ReadFile(path), "old");
    }
}

TEST_F(CliDiagram, RendersASavedSheetAndNamesItsBadLines)
{
    std::ofstream(Path("s.cho")) << "{title: Two}\n{define: C frets x 3 2 0 1 0}\n{define: ?}\n"
                                    "{define: G frets 3 2 0 0 0 3}\n";
    const CliRun run = runCli({"sheet", "--chordpro", Path("s.cho"), "--svg", Path("s.svg")});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("line 3: the definition has no frets"), std::string::npos) << run.err;
    const std::string svg = ReadFile(Path("s.svg"));
    EXPECT_NE(svg.find(">Two</text>"), std::string::npos);
    EXPECT_NE(svg.find(">G</text>"), std::string::npos);
    const CliRun missing = runCli({"sheet", "--chordpro", Path("none.cho"), "--pdf", Path("x")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.cho"), std::string::npos);
}

}  // namespace
}  // namespace guivarna::test

namespace guivarna::test {
namespace {

TEST_F(CliDiagram, DrawsAScalePosition)
{
    ExpectPrints({"diagram", "--scale", "--name", "minor pentatonic", "--root", "A", "--position",
                     "1", "--chordpro"},
        "{x_guivarna_scale: \"A minor pentatonic, position 1\" root 9 position 1 tuning 40 45 50 "
        "55 59 64 notes 5/1,8/4 5/1,7/3 5/1,7/3 5/1,7/3 5/1,8/4 5/1,8/4}\n");
    for (const char* kind : {"svg", "png", "pdf"}) {
        SCOPED_TRACE(kind);
        const std::string out = Path((std::string("scale.") + kind).c_str());
        ExpectPrints({"diagram", "--scale", "--notes", "C,D,E,F,G,A,B", "--system", "3nps",
                         "--position", "2", "--horizontal", std::string("--") + kind, out},
            "");
        EXPECT_FALSE(ReadFile(out).empty());
    }
    EXPECT_NE(ReadFile(Path("scale.svg")).find(">C - D - E - F - G - A - B, position 2</text>"),
        std::string::npos);
    const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes = {
        {{"diagram", "--scale", "--name", "minor pentatonic", "--position", "6", "--chordpro"},
            "no position 6 here (it has 1, 2, 3, 4, 5)"},
        {{"diagram", "--scale", "--name", "minor pentatonic", "--system", "3nps", "--chordpro"},
            "needs a scale of at least 6 notes"},
        {{"diagram", "--scale", "--name", "major", "--frets", "3-5", "--chordpro"},
            "no position within frets 3-5"},
        {{"diagram", "--frets", "0,1,0,2,3,x", "--position", "2", "--chordpro"},
            "--position goes with --scale only"},
    };
    for (const auto& [args, mentions] : mistakes)
        ExpectRefused(args, mentions);
}

}  // namespace
}  // namespace guivarna::test
