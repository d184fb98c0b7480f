#include "theory/formats/chord_pro.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/scale_catalogue.h"

#include <gtest/gtest.h>

namespace guivarna::theory {
namespace {

std::vector<int> Reversed(const std::vector<int>& list)
{
    return {list.rbegin(), list.rend()};
}

ChordShape Shape(std::vector<int> fretsHighFirst, const std::string& name)
{
    const std::vector<int> tuning(kStandardTuningNotes.begin(), kStandardTuningNotes.end());
    return ShapeFromFrets(fretsHighFirst, tuning, name);
}

TEST(ChordPro, DefineLinesAsChordBooksPrintThem)
{
    struct Case {
        std::vector<int> frets;  // string 1 first
        std::string name;
        std::string define;
    };
    const std::vector<Case> cases = {
        {{0, 1, 0, 2, 3, -1}, "C", "{define: C base-fret 1 frets x 3 2 0 1 0 fingers 0 3 2 0 1 0}"},
        {{1, 1, 2, 3, 3, 1}, "F", "{define: F base-fret 1 frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1}"},
        // Above the fifth fret the shape gets a base fret, its frets counted from it.
        {{8, 8, 9, 10, 10, 8}, "C",
            "{define: C base-fret 8 frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1}"},
        // Up to the fifth fret it stays at the first, barres and all.
        {{2, 4, 4, 4, 2, -1}, "B", "{define: B base-fret 1 frets x 2 4 4 4 2 fingers 0 1 2 3 4 1}"},
        // A name with spaces is quoted; open strings stay 0 under a base fret.
        {{0, 8, 9, 10, -1, -1}, "D (no 3)",
            "{define: \"D (no 3)\" base-fret 8 frets x x 3 2 1 0 fingers 0 0 3 2 1 0}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.define);
        const ChordShape shape = Shape(c.frets, c.name);
        EXPECT_EQ(ChordProDefine(shape), c.define);
        std::string error;
        const std::string body = c.define.substr(9, c.define.size() - 10);
        ChordShape read = ReadChordProDefine(body, error);
        EXPECT_EQ(error, "");
        read.tuning = shape.tuning;
        EXPECT_EQ(read, shape);
    }
}

TEST(ChordPro, ReadsTheFormsOtherProgramsWrite)
{
    struct Case {
        std::string definition;
        std::vector<int> frets;  // lowest string first
        std::vector<int> fingers;
    };
    const std::vector<Case> cases = {
        // The oldest form: base fret and frets without keywords; fingers worked out.
        {"Am 1 x 0 2 2 1 0", {-1, 0, 2, 2, 1, 0}, {0, 0, 2, 3, 1, 0}},
        {"Bb base-fret 0 frets X 1 3 3 3 1 keys 0 4 7 display Bb", {-1, 1, 3, 3, 3, 1},
            {0, 1, 2, 3, 4, 1}},
        {"G base-fret 3 frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1 diagram on", {3, 5, 5, 4, 3, 3},
            {1, 3, 4, 2, 1, 1}},
        // N and - are strings not played; a finger on an open string is dropped.
        {"D7 frets N - 0 2 1 2 fingers 0 0 3 2 1 3", {-1, -1, 0, 2, 1, 2}, {0, 0, 0, 2, 1, 3}},
        {"C frets 0 3 2 0 1 0 fingers T 3 2 0 1 0", {0, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.definition);
        std::string error;
        const ChordShape shape = ReadChordProDefine(c.definition, error);
        EXPECT_EQ(error, "");
        EXPECT_EQ(shape.frets, Reversed(c.frets));
        EXPECT_EQ(shape.fingers, Reversed(c.fingers));
    }
}

TEST(ChordPro, AFileWithBadLinesLoadsTheGoodOnesAndNamesTheBad)
{
    const std::string text =
        "\xEF\xBB\xBF{title: Songs for Sunday}\r\n"
        "[C]Lyrics with [G]chords are skipped\n"
        "{define: C base-fret 1 frets x 3 2 0 1 0}\n"
        "{x_guivarna_tuning: 40 45 50 55 59 64}\n"
        "{define: Q frets 1 2 z}\n"
        "{define: E frets 0 2 2 1 0 0 fingers 2 3 1}\n"
        "{define: broken frets 0 2\n"
        "{define: \"open quote frets 1}\n"
        "{define: far base-fret 45 frets 9 9}\n"
        "{define: Am 2147483647 x 0 2 2 1 0}\n"
        "{x_guivarna_tuning: 40 45}\n"
        "{comment: anything}\n"
        "{define Em frets 0 2 2 0 0 0}\n"
        // 25 strings, the last not played.
        "{define: wide frets 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 x}\n";
    const ChordProSheet sheet = ReadChordPro(text);
    EXPECT_EQ(sheet.title, "Songs for Sunday");
    ASSERT_EQ(sheet.chords.size(), 2u);
    EXPECT_EQ(sheet.chords[0].name, "C");
    EXPECT_EQ(sheet.chords[0].tuning, (std::vector<int>{64, 59, 55, 50, 45, 40}));
    EXPECT_EQ(sheet.chords[1].name, "Em");
    std::vector<int> lines;
    for (const ChordProError& error : sheet.errors)
        lines.push_back(error.line);
    EXPECT_EQ(lines, (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 14}));
}

TEST(ChordPro, ASavedSheetReadsBackTheSame)
{
    std::vector<ChordShape> shapes = {Shape({0, 1, 0, 2, 3, -1}, "C"),
        Shape({8, 8, 9, 10, 10, 8}, "C"), Shape({0, 8, 9, 10, -1, -1}, "a \"quoted\" {name}"),
        Shape({12, 12, 13, 14, 14, 12}, "D"),
        // Far up a long neck, and renamed to nothing.
        Shape({30, 31, 32, -1, -1, -1}, "")};
    shapes[3].tuning.clear();
    const ChordProSheet sheet = ReadChordPro(WriteChordPro("Title with } brace", shapes));
    EXPECT_TRUE(sheet.errors.empty());
    EXPECT_EQ(sheet.title, "Title with ) brace");
    EXPECT_EQ(sheet.chords, shapes);
}

TEST(ChordPro, BarresComeFromTheHandOrFromTheFilesOwnFingers)
{
    struct Case {
        std::string definition;
        std::vector<Barre> barres;  // finger, fret, strings from 1 (string 1 the highest)
    };
    const std::vector<Case> cases = {
        {"F frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1", {{1, 1, 1, 6}}},
        // No fingers given: the hand's barre lies across the string not played, damping it.
        {"G frets 8 x 10 9 10 8", {{1, 8, 1, 6}}},
        // Fingers of the file's own: a barre where one finger holds a fret on every string
        // between, none where a string between is open.
        {"B frets x 2 4 4 4 2 fingers 0 1 3 3 3 1", {{1, 2, 1, 5}, {3, 4, 2, 4}}},
        {"X frets 1 0 1 x fingers 1 0 1 0", {}},
        {"Y frets 3 3 fingers 2 3", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.definition);
        std::string error;
        EXPECT_EQ(ReadChordProDefine(c.definition, error).barres, c.barres);
    }
}

TEST(ChordShape, NamesOnTheLowestNoteAndAsPlayersNameShapes)
{
    const std::vector<Note> tuning(kStandardTuningNotes.begin(), kStandardTuningNotes.end());
    struct Case {
        std::vector<int> fretsHighFirst;
        PitchClass preferredRoot;
        std::string firstName;  // the command line's diagram name
        std::string shapeName;  // the chord sheet's
    };
    const std::vector<Case> cases = {
        {{0, 1, 0, 2, 3, -1}, kNoPitchClass, "C", "C"},
        // G-C-E with G lowest (xx555x and 010xxx).
        {{-1, 5, 5, 5, -1, -1}, kNoPitchClass, "Gsus4(6) (no 5)", "C/G"},
        {{0, 1, 0, -1, -1, -1}, kNoPitchClass, "Gsus4(6) (no 5)", "C/G"},
        {{0, 1, 0, -1, -1, -1}, 0, "C", "C/G"},
        {{0, 1, 0, -1, -1, -1}, 2, "Gsus4(6) (no 5)", "C/G"},  // D is not in the chord
        // A-C-E-G: on A it is A-7, over C the simpler C(6).
        {{0, 1, 0, 2, 0, -1}, kNoPitchClass, "A-7", "A-7"},
        {{3, 1, 2, 2, 3, -1}, kNoPitchClass, "C(6)", "C(6)"},
        {{0, 0, 1, 2, 2, 0}, kNoPitchClass, "E", "E"},
        {{-1, -1, -1, -1, -1, -1}, 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(
            ::testing::PrintToString(c.fretsHighFirst) + " " + std::to_string(c.preferredRoot));
        EXPECT_EQ(FirstTraditionalName(c.fretsHighFirst, tuning, c.preferredRoot), c.firstName);
        EXPECT_EQ(ShapeName(c.fretsHighFirst, tuning, c.preferredRoot), c.shapeName);
    }
}

}  // namespace
}  // namespace guivarna::theory

namespace guivarna::theory {
namespace {

TEST(ChordPro, ScaleDiagramsReadBackBesideChords)
{
    const std::vector<Note> guitar = StandardTuning();
    const auto positions = ScalePositions(
        {69, FindScale("minor pentatonic")->mask}, guitar, FingeringSystem::Position);
    ASSERT_EQ(positions.size(), 5u);
    std::vector<ChordShape> shapes = {
        ShapeFromScalePosition(positions[0], guitar, 69, "A minor pentatonic, position 1"),
        ShapeFromFrets(
            std::vector<int>{0, 1, 0, 2, 3, -1}, std::vector<int>{64, 59, 55, 50, 45, 40}, "C"),
        ShapeFromScalePosition(positions[4], guitar, 69, "box 5", true)};
    const std::string text = WriteChordPro("Scales", shapes);
    EXPECT_NE(text.find("{x_guivarna_scale: \"A minor pentatonic, position 1\" root 9 position 1 "
                        "tuning 40 45 50 55 59 64 notes 5/1,8/4 5/1,7/3 5/1,7/3 5/1,7/3 5/1,8/4 "
                        "5/1,8/4}\n"),
        std::string::npos)
        << text;
    const ChordProSheet sheet = ReadChordPro(text);
    EXPECT_TRUE(sheet.errors.empty());
    EXPECT_EQ(sheet.chords, shapes);
    EXPECT_TRUE(sheet.chords[2].scale->horizontal);
}

TEST(ChordPro, BadScaleDirectivesAreNamedAndSkipped)
{
    const char* bad[] = {
        "",  // no name
        "X root 12 tuning 40 notes 1/1",
        "X tuning 40 45 notes 1/1",  // a string without notes
        "X tuning 40 notes 3/1,1/2",  // frets must rise
        "X tuning 40 notes 3/5",  // a fifth finger
        "X tuning 400 notes 3/1",
        "X notes 3/1",
        "X tuning 40 notes 3/1 sideways",
    };
    for (const char* text : bad) {
        std::string error;
        ReadChordProScale(text, error);
        EXPECT_FALSE(error.empty()) << text;
    }
    const ChordProSheet sheet =
        ReadChordPro("{x_guivarna_scale: X tuning 40 notes 3/1,1/2}\n{define: C frets 0}\n");
    ASSERT_EQ(sheet.errors.size(), 1u);
    EXPECT_EQ(sheet.errors[0].line, 1);
    EXPECT_EQ(sheet.chords.size(), 1u);
}

}  // namespace
}  // namespace guivarna::theory
