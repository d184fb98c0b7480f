#include "page/page_painter.h"
#include "page/text_panel.h"

#include "theory/notes/music_theory.h"
#include "theory/search/chord_fingering.h"
#include "theory/search/search_engine.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace guivarna::page {
namespace {

using board::DeviceMapping;

using Kind = TextPanel::Kind;
using Line = TextPanel::Line;

class TextPanelTest : public ::testing::Test {
protected:
    void SelectCMajor()
    {
        theory_.SetRootName("C");
        for (const char* note : {"C", "E", "G"})
            theory_.AddNote(note);
    }

    theory::MusicTheory theory_;
    theory::SearchEngine engine_;
};

TEST_F(TextPanelTest, NothingToDescribeGivesNoLinesAtAll)
{
    for (Kind kind : {Kind::ChordInformation, Kind::ChordNames, Kind::ScaleInformation})
        EXPECT_TRUE(TextPanel(kind, {}).Lines(theory_, engine_).empty());
}

TEST_F(TextPanelTest, ChordInformationListsTheNotesAndTheMelodyNoteOfTheCurrentFingering)
{
    SelectCMajor();
    const TextPanel panel(Kind::ChordInformation, {30, 1500});
    EXPECT_EQ(panel.Lines(theory_, engine_),
        (std::vector<Line>{{QStringLiteral("Chord information:"), true, 0},
            {QStringLiteral("Chordnotes: C - E - G"), false, 1}}));

    engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40});
    theory::ChordSearchRequest request;
    theory::TakeChord(request, theory_);
    engine_.Chords().SetRequest(request);
    theory::ChordFingering first;
    ASSERT_TRUE(engine_.Chords().StartRun()->Next(first));
    engine_.Chords().SetCurrent(0);
    const std::vector<Line> lines = panel.Lines(theory_, engine_);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[2].text,
        QStringLiteral("Melody note: ") +
            QString::fromStdString(theory::NoteName(first.StringNotes.front())));
    EXPECT_EQ(lines[2].lineIndex, 2);
}

TEST_F(TextPanelTest, ChordNamesPutTheLogicalCaptionTwoLinesBelowTheLastTraditionalName)
{
    SelectCMajor();
    const std::vector<Line> lines =
        TextPanel(Kind::ChordNames, {1050, 1500}).Lines(theory_, engine_);
    const auto traditional = theory_.SuggestChordNames(theory::kTraditionalNames);
    const auto logical = theory_.SuggestChordNames(theory::kSemitoneNames);
    ASSERT_EQ(traditional.size(), 3U);  // one suggestion per selected note
    ASSERT_EQ(lines.size(), 1 + traditional.size() + 1 + logical.size());

    EXPECT_EQ(lines[0], (Line{QStringLiteral("Traditional chordnames:"), true, 0}));
    for (std::size_t i = 0; i < traditional.size(); ++i)
        EXPECT_EQ(lines[1 + i], (Line{QString::fromStdString(traditional[i]), false, int(i) + 1}));
    EXPECT_EQ(lines[4], (Line{QStringLiteral("Logical chordnames:"), true, 3 + 2}));
    for (std::size_t i = 0; i < logical.size(); ++i)
        EXPECT_EQ(lines[5 + i], (Line{QString::fromStdString(logical[i]), false, int(i) + 6}));
}

TEST_F(TextPanelTest, ScaleInformationShowsTheCurrentScale)
{
    const TextPanel panel(Kind::ScaleInformation, {30, 1100});
    engine_.Scales().SetRequest({.toneCount = 7});
    const std::unique_ptr<theory::ScaleRun> run = engine_.Scales().StartRun();
    std::vector<theory::Note> scale;
    ASSERT_TRUE(run->Next(scale));
    EXPECT_TRUE(panel.Lines(theory_, engine_).empty());  // found, but not shown yet

    engine_.Scales().SetCurrent(0);
    const std::vector<Line> lines = panel.Lines(theory_, engine_);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], (Line{QStringLiteral("Scale information:"), true, 0}));
    EXPECT_EQ(lines[1].text,
        QStringLiteral("Scalenotes: ") +
            QString::fromStdString(engine_.Scales().CurrentScaleText()));
}

// Pixels that are not white in the image.
int Ink(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++ink;
    return ink;
}

TEST_F(TextPanelTest, DrawsNothingWithoutASelectionAndItsCaptionWithOne)
{
    TextPanel panel(Kind::ChordInformation, {30, 1500});
    panel.SetPosition(100, 100);
    auto render = [&] {
        QImage image(500, 200, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawPanelLines(painter, DeviceMapping::ForDevice(image), panel.Lines(theory_, engine_),
            panel.LineSize(), panel.Position());
        return image;
    };
    EXPECT_EQ(Ink(render()), 0);

    SelectCMajor();
    const QImage drawn = render();
    const DeviceMapping m(96.0);
    const int top = int(m.SceneToDeviceY(100));
    const int left = int(m.SceneToDeviceX(100));
    const int line = int(m.SceneToDeviceY(TextPanel::kDefaultLineSize));
    // The caption line and the notes line carry ink; nothing lies left of or above the panel.
    EXPECT_GT(Ink(drawn.copy(left, top, 300, line)), 20);
    EXPECT_GT(Ink(drawn.copy(left, top + line, 300, line)), 20);
    EXPECT_EQ(Ink(drawn.copy(0, 0, left - 1, 200)), 0);
    EXPECT_EQ(Ink(drawn.copy(0, 0, 500, top - 1)), 0);
}

}  // namespace
}  // namespace guivarna::page
