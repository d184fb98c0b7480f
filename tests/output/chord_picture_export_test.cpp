#include "output/chord_picture_export.h"

#include "board/board_collection.h"
#include "board/drawing/device_mapping.h"
#include "board/scene_notifier.h"
#include "output/board_picture.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace guivarna::output {
namespace {

using board::BoardCollection;
using theory::ChordFingering;

// The picture names "index.htm" shows, in page order; the page must be complete.
QStringList PagePictures(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<no page>")};
    const QByteArray bytes = file.readAll();
    const QString page =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    EXPECT_TRUE(page.endsWith(QStringLiteral("</td></tr></table></body></html>")));
    QStringList names;
    static const QRegularExpression img(
        QStringLiteral("<img src=\"([^\"]*)\\.jpg \"/><br /><br />"));
    for (const QRegularExpressionMatch& m : img.globalMatch(page))
        names << m.captured(1);
    return names;
}

QStringList JpegFiles(const QDir& folder)
{
    return folder.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
}

class ChordPictureExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_ =
            std::make_unique<settings::SettingsStore>(settings_.filePath(QStringLiteral("s.conf")));
        boards_.Load(*store_);
        folder_ = QDir(dir_.path());
    }
    void TearDown() override { boards_.DeleteAll(); }

    QImage ChordBoardPicture()
    {
        return BoardPicture(boards_.Board(BoardCollection::kChordBoard), mapping_);
    }

    // Runs an export to the end and returns its summary.
    ChordPictureExport::Summary Export(const ChordResults& results, bool withPage)
    {
        ChordPictureExport exporter(
            boards_.Board(BoardCollection::kChordBoard), mapping_, results, folder_);
        if (withPage)
            exporter.WritePage({"C - E - G", {"C"}});
        while (exporter.Step()) { }
        return exporter.Finish();
    }

    QTemporaryDir settings_;
    QTemporaryDir dir_;
    QDir folder_;
    std::unique_ptr<settings::SettingsStore> store_;
    BoardCollection boards_;
    const board::DeviceMapping mapping_{96.0};
};

const ChordFingering kFirst{{1, 2, 3}, {60, 64, 67}, {8, 5, 0}};
const ChordFingering kSecond{{2, 3, 4}, {67, 60, 64}, {1, 0, 2}};
const ChordFingering kThird{{4, 5, 6}, {67, 60, 64}, {5, 3, 0}};

TEST_F(ChordPictureExportTest, OnePicturePerFingeringNameAndThePageListsEveryResultInOrder)
{
    const ChordResultVector results({kFirst, kSecond, kFirst, kThird});
    const auto summary = Export(results, true);

    EXPECT_EQ(summary.results, 4u);
    EXPECT_EQ(summary.written, 4u);
    EXPECT_EQ(summary.failed, 0u);
    EXPECT_TRUE(summary.complete);
    EXPECT_EQ(summary.pageError, QString());
    EXPECT_EQ(JpegFiles(folder_),
        (QStringList{QStringLiteral("C1(8)_E2(5)_G3(0).jpg"),
            QStringLiteral("G2(1)_C3(0)_E4(2).jpg"), QStringLiteral("G4(5)_C5(3)_E6(0).jpg")}));
    EXPECT_EQ(PagePictures(folder_.filePath(QStringLiteral("index.htm"))),
        (QStringList{QStringLiteral("C1(8)_E2(5)_G3(0)"), QStringLiteral("G2(1)_C3(0)_E4(2)"),
            QStringLiteral("C1(8)_E2(5)_G3(0)"), QStringLiteral("G4(5)_C5(3)_E6(0)")}));

    // Each file is the ChordBoard showing that fingering.
    boards_.ShowFingering(BoardCollection::kChordBoard, kSecond);
    const QImage expected = ChordBoardPicture();
    QImageReader reader(folder_.filePath(QStringLiteral("G2(1)_C3(0)_E4(2).jpg")));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    EXPECT_EQ(reader.size(), expected.size());
}

TEST_F(ChordPictureExportTest, TheChordBoardTheUserSeesIsNeverTouched)
{
    const ChordResultVector results({kFirst, kSecond});
    boards_.ShowFingering(BoardCollection::kChordBoard, kThird);
    boards_.Board(BoardCollection::kChordBoard).Row(0).SetDot(11, true);  // a mark set by hand
    const QImage before = ChordBoardPicture();
    board::SceneNotifier notifier;
    int changes = 0;
    QObject::connect(&notifier, &board::SceneNotifier::itemChanged, [&] { ++changes; });
    boards_.SetNotifier(&notifier);

    Export(results, false);
    EXPECT_EQ(ChordBoardPicture(), before);
    EXPECT_EQ(changes, 0);
    boards_.SetNotifier(nullptr);
    EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("index.htm"))));
}

TEST_F(ChordPictureExportTest, StoppingEarlyLeavesACompletePageOfThePicturesWritten)
{
    const ChordResultVector results({kFirst, kSecond, kThird});
    {
        ChordPictureExport exporter(
            boards_.Board(BoardCollection::kChordBoard), mapping_, results, folder_);
        exporter.WritePage({});
        ASSERT_TRUE(exporter.Step());
        ASSERT_TRUE(exporter.Step());
        const auto summary = exporter.Finish();
        EXPECT_FALSE(summary.complete);
        EXPECT_EQ(summary.written, 2u);
        EXPECT_FALSE(exporter.Step());
    }
    EXPECT_EQ(JpegFiles(folder_).size(), 2u);
    EXPECT_EQ(PagePictures(folder_.filePath(QStringLiteral("index.htm"))),
        (QStringList{QStringLiteral("C1(8)_E2(5)_G3(0)"), QStringLiteral("G2(1)_C3(0)_E4(2)")}));
}

TEST_F(ChordPictureExportTest, PicturesThatCannotBeWrittenAreSkippedCountedAndLeftOffThePage)
{
    // A folder in the way of the second picture; a fingering on a string the board lacks.
    ASSERT_TRUE(folder_.mkdir(QStringLiteral("G2(1)_C3(0)_E4(2).jpg")));
    const ChordFingering offTheBoard{{9}, {60}, {1}};
    const ChordResultVector results({kFirst, kSecond, offTheBoard, kThird});

    const auto summary = Export(results, true);
    EXPECT_EQ(summary.written, 2u);
    EXPECT_EQ(summary.failed, 2u);
    EXPECT_TRUE(summary.firstError.contains(QStringLiteral("G2(1)_C3(0)_E4(2).jpg")))
        << summary.firstError.toStdString();
    EXPECT_EQ(PagePictures(folder_.filePath(QStringLiteral("index.htm"))),
        (QStringList{QStringLiteral("C1(8)_E2(5)_G3(0)"), QStringLiteral("G4(5)_C5(3)_E6(0)")}));
}

TEST_F(ChordPictureExportTest, APageThatCannotBeWrittenIsReported)
{
    ASSERT_TRUE(folder_.mkdir(QStringLiteral("index.htm")));
    const ChordResultVector results({kFirst});
    const auto summary = Export(results, true);
    EXPECT_EQ(summary.written, 1u);
    EXPECT_TRUE(summary.pageError.contains(QStringLiteral("index.htm")))
        << summary.pageError.toStdString();
}

}  // namespace
}  // namespace guivarna::output
