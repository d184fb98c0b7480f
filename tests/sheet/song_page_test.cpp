#include "sheet/song_page.h"
#include "tests/support/pdf_pages.h"
#include "theory/song/song_reader.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace guivarna::sheet {
namespace {

const char* const kSong = "{title: River}\n{artist: Band}\n{key: G}\n"
                          "{define: G base-fret 1 frets 3 2 0 0 0 3}\n"
                          "{define: C base-fret 1 frets x 3 2 0 1 0}\n"
                          "\n\n[G]Walking [Cmaj7]down the [C]road\n\n{soc}\n[C]ri[G]ver [N.C.]\n"
                          "{eoc}\n{c: fade}\n\n";

TEST(SongPage, DiagramsFollowFirstUseAndOnlyKnownShapesHaveOne)
{
    const std::vector<SongDiagram> diagrams = DiagramsFromDefines(theory::ReadSong(kSong));
    ASSERT_EQ(diagrams.size(), 3u);
    EXPECT_EQ(diagrams[0].symbol, "G");
    EXPECT_EQ(diagrams[1].symbol, "Cmaj7");
    EXPECT_EQ(diagrams[2].symbol, "C");
    EXPECT_TRUE(diagrams[0].shape.has_value());
    EXPECT_FALSE(diagrams[1].shape.has_value());
    EXPECT_EQ(diagrams[2].shape->frets, (std::vector<int>{0, 1, 0, 2, 3, -1}));
}

TEST(SongPage, ChordsStandOverTheirSyllablesAndTheChorusIsSetApart)
{
    const theory::Song song = theory::ReadSong(kSong);
    const SongPageLayout layout(song, DiagramsFromDefines(song), 1900);
    using Kind = SongRow::Kind;
    std::vector<Kind> kinds;
    for (const SongRow& row : layout.Rows())
        kinds.push_back(row.kind);
    // Runs of blank lines are one gap; none opens or closes the body.
    EXPECT_EQ(kinds,
        (std::vector<Kind>{Kind::Lyrics, Kind::Gap, Kind::Label, Kind::Lyrics, Kind::Comment}));
    const SongRow& verse = layout.Rows()[0];
    ASSERT_EQ(verse.pieces.size(), 3u);
    EXPECT_EQ(verse.pieces[0].chord, QStringLiteral("G"));
    EXPECT_EQ(verse.pieces[0].lyrics, QStringLiteral("Walking "));
    EXPECT_EQ(verse.pieces[1].chord, QStringLiteral("Cmaj7"));
    EXPECT_EQ(verse.pieces[1].lyrics, QStringLiteral("down the "));
    EXPECT_EQ(verse.line, 7);
    EXPECT_EQ(verse.pieces[1].chordIndex, 1);
    EXPECT_LT(verse.pieces[0].x, verse.pieces[1].x);
    EXPECT_LT(verse.pieces[1].x, verse.pieces[2].x);
    EXPECT_FALSE(verse.chorus);
    EXPECT_TRUE(layout.Rows()[2].chorus);
    EXPECT_TRUE(layout.Rows()[3].chorus);
    EXPECT_FALSE(layout.Rows()[4].chorus);
    // A line of chords only is shorter than one with lyrics under them.
    const theory::Song chordsOnly = theory::ReadSong("[G]    [C]\n[G]la\n");
    const SongPageLayout two(chordsOnly, {}, 1900);
    EXPECT_LT(two.Rows()[0].height, two.Rows()[1].height);
}

TEST(SongPage, ALongSongRunsOverPagesWithTheHeaderOnTheFirst)
{
    std::string text = "{title: Long}\n";
    for (int i = 0; i < 200; ++i)
        text += "[G]line [C]" + std::to_string(i) + "\n";
    const theory::Song song = theory::ReadSong(text);
    const SongPageLayout layout(song, {}, 1900);
    const int height = 2770;
    const std::vector<SongPagePart> parts = layout.Pages(height);
    ASSERT_GT(parts.size(), 2u);
    int next = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(parts[i].header, i == 0);
        EXPECT_EQ(parts[i].first, next);
        EXPECT_LE(layout.PartHeight(parts[i]), height);
        next = parts[i].last;
    }
    EXPECT_EQ(next, 200);
    EXPECT_EQ(layout.Pages(0).size(), 1u);
}

TEST(SongPage, ExportsPdfPagesAndOnePngPicture)
{
    QTemporaryDir dir;
    std::string text = "{title: Long}\n";
    for (int i = 0; i < 120; ++i)
        text += "[G]line [C]" + std::to_string(i) + "\n";
    const theory::Song song = theory::ReadSong(text);
    const QString pdf = dir.filePath(QStringLiteral("song.pdf"));
    ASSERT_EQ(ExportSongPdf(pdf, song, DiagramsFromDefines(song), SheetPaper()), QString());
    EXPECT_GT(test::ReadPdfPages(pdf).count, 1);

    const theory::Song short_ = theory::ReadSong(kSong);
    const QString png = dir.filePath(QStringLiteral("song.png"));
    ASSERT_EQ(
        ExportSongPng(png, short_, DiagramsFromDefines(short_), SheetPaper(), 100), QString());
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    // As wide as A4's printable 190 mm with its margins, at 100 dpi.
    EXPECT_EQ(image.width(), static_cast<int>(std::ceil((1900 + 200) * 100 / 254.0)));
    EXPECT_NE(ExportSongPng(png, short_, {}, SheetPaper(), 5), QString());
}

}  // namespace
}  // namespace guivarna::sheet
