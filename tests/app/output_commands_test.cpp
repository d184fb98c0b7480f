#include "app/output_commands.h"

#include "app/kova_view.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "board/settings_store.h"
#include "output/board_picture.h"
#include "tests/support/pdf_pages.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageLayout>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace guivarna {
namespace {

using board::BoardCollection;

class OutputCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_ = std::make_unique<board::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
        objects_ = std::make_unique<ProgramObjects>(*store_);
        view_ = std::make_unique<KovaView>(*objects_);
        view_->resize(900, 700);
        view_->show();
        view_->InitialUpdate();
        commands_ = std::make_unique<OutputCommands>(*objects_, *view_, nullptr);
    }
    void TearDown() override
    {
        commands_.reset();
        view_.reset();
        objects_.reset();
        store_.reset();
    }

    // Positions of every board and panel, in scene units.
    std::vector<QPoint> ScenePositions()
    {
        std::vector<QPoint> positions;
        for (int i = 0; i < objects_->boards.BoardCount(); ++i)
            positions.push_back(objects_->boards.Board(i).Position());
        Scene& scene = view_->GetScene();
        for (const board::DrawableItem* panel :
            {&scene.ChordInformation(), &scene.ChordNames(), &scene.ScaleInformation()})
            positions.push_back(panel->Position());
        return positions;
    }

    // Loads C E G and selects the first fingering of the standard guitar, (8, 5, 0).
    void SelectFirstCEGFingering()
    {
        theory::MusicTheory& theory = objects_->theory;
        theory.ClearSelection();
        theory.SetRootName("C");
        for (const char* note : {"C", "E", "G"})
            theory.AddNote(note);
        theory::SearchEngine& engine = objects_->engine;
        engine.ClearChordResults();
        engine.ResetChordSearch();
        theory::ChordFingering first;
        ASSERT_TRUE(engine.FindNextChord(first));
        engine.SetCurrentChord(0);
    }

    QTemporaryDir dir_;
    std::unique_ptr<board::SettingsStore> store_;
    std::unique_ptr<ProgramObjects> objects_;
    std::unique_ptr<KovaView> view_;
    std::unique_ptr<OutputCommands> commands_;
};

TEST_F(OutputCommandsTest, PrintsOnePageAndLeavesTheScreenLayoutAlone)
{
    view_->PlaceItems();
    const std::vector<QPoint> before = ScenePositions();

    const QString path = dir_.filePath(QStringLiteral("scene.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    EXPECT_EQ(commands_->PrintScene(printer), QString());

    const test::PdfPages pages = test::ReadPdfPages(path);
    EXPECT_EQ(pages.count, 1);
    EXPECT_NEAR(pages.firstPageSize.width(), 595, 1);
    EXPECT_NEAR(pages.firstPageSize.height(), 842, 1);
    EXPECT_EQ(ScenePositions(), before);
}

TEST_F(OutputCommandsTest, PageSetupResizesThePaperAndTheScrollArea)
{
    const output::Paper& paper = view_->GetScene().Paper();
    ASSERT_LT(paper.Width(), paper.Height());
    const int portraitRange = view_->horizontalScrollBar()->maximum();

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
        QMarginsF(5, 7, 5, 7), QPageLayout::Millimeter));
    commands_->ResizePaperFromPrinter(printer);

    EXPECT_EQ(paper.Width(), 2970);
    EXPECT_EQ(paper.Height(), 2100);
    EXPECT_EQ(paper.PrintableOffset(), QPoint(50, 70));
    EXPECT_EQ(paper.PrintableSize(), QSize(2870, 1960));
    EXPECT_GT(view_->horizontalScrollBar()->maximum(), portraitRange);
}

TEST_F(OutputCommandsTest, CopyPutsExactlyTheBoardPictureOnTheClipboard)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const int board : {BoardCollection::kScaleBoard, BoardCollection::kChordBoard}) {
        SCOPED_TRACE(board);
        clipboard->setText(QStringLiteral("previous contents"));
        objects_->boards.Board(board).Row(1).SetDot(3, true);
        commands_->CopyBoard(board);

        const QImage copied = clipboard->image();
        const QImage alone = output::BoardPicture(objects_->boards.Board(board), view_->Mapping());
        ASSERT_EQ(copied.size(), objects_->boards.Board(board).DeviceSizeInt(view_->Mapping()));
        EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), alone);
        EXPECT_TRUE(clipboard->text().isEmpty());
    }
}

TEST_F(OutputCommandsTest, DefaultPictureNamesFollowTheCurrentResults)
{
    EXPECT_EQ(commands_->DefaultPictureName(BoardCollection::kChordBoard), QString());
    EXPECT_EQ(commands_->DefaultPictureName(BoardCollection::kScaleBoard), QString());

    SelectFirstCEGFingering();
    EXPECT_EQ(commands_->DefaultPictureName(BoardCollection::kChordBoard),
        QStringLiteral("C1(8)_E2(5)_G3(0)"));

    theory::SearchEngine& engine = objects_->engine;
    engine.SetToneCount(7);
    engine.ResetScaleSearch();
    std::vector<theory::Note> scale;
    ASSERT_TRUE(engine.FindNextScale(scale));
    engine.SetCurrentScale(0);
    EXPECT_EQ(commands_->DefaultPictureName(BoardCollection::kScaleBoard),
        QStringLiteral("C - Db - D - Eb - E - F - Gb"));
}

TEST_F(OutputCommandsTest, SavesTheBoardAsAJpegOrReportsWhyNot)
{
    const QString path = dir_.filePath(QStringLiteral("C1(8)_E2(5)_G3(0).jpg"));
    EXPECT_EQ(commands_->SaveBoardPicture(BoardCollection::kChordBoard, path), QString());
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    EXPECT_EQ(reader.size(),
        objects_->boards.Board(BoardCollection::kChordBoard).DeviceSizeInt(view_->Mapping()));

    QFile blocker(dir_.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = blocker.fileName() + QStringLiteral("/board.jpg");
    const QString error = commands_->SaveBoardPicture(BoardCollection::kScaleBoard, target);
    EXPECT_TRUE(error.contains(target)) << error.toStdString();
}

}  // namespace
}  // namespace guivarna
