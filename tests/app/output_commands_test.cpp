#include "app/output_commands.h"
#include "tests/app/app_test_fixture.h"

#include "app/kova_view.h"
#include "app/main_frame.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "output/board_picture.h"
#include "settings/settings_store.h"
#include "tests/support/pdf_pages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace guivarna {
namespace {

using board::BoardCollection;

class OutputCommandsTest : public test::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        commands_ = std::make_unique<OutputCommands>(*objects_, MakeView({900, 700}), nullptr);
    }
    void TearDown() override
    {
        commands_.reset();
        AppTest::TearDown();
    }

    // Positions of every board and panel, in scene units.
    std::vector<QPoint> ScenePositions()
    {
        std::vector<QPoint> positions;
        for (int i = 0; i < objects_->boards.BoardCount(); ++i)
            positions.push_back(objects_->boards.Board(i).Position());
        page::PageScene& scene = view_->GetScene();
        for (const board::DrawableItem* panel :
            {&scene.ChordInformation(), &scene.ChordNames(), &scene.ScaleInformation()})
            positions.push_back(panel->Position());
        return positions;
    }

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
    const page::Paper& paper = view_->GetScene().Paper();
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

TEST_F(OutputCommandsTest, ThePrinterStartsOnThePageOfTheStoredSheet)
{
    // Default (A4 portrait) first, then a stored landscape sheet from an earlier Print Setup.
    EXPECT_EQ(commands_->Printer().pageLayout().orientation(), QPageLayout::Portrait);

    struct Case {
        int width;
        int height;
        QPageSize::PageSizeId size;
        QPageLayout::Orientation orientation;
    };
    const Case cases[] = {
        {2970, 2100, QPageSize::A4, QPageLayout::Landscape},
        {2159, 2794, QPageSize::Letter, QPageLayout::Portrait},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        for (const auto& [key, value] : {std::pair{"\\Paper\\X", 0},
                 std::pair{"\\Paper\\Width", c.width}, std::pair{"\\Paper\\Height", c.height}})
            store_->WriteInt(QString::fromLatin1(key), value);
        KovaView view(*objects_);
        OutputCommands commands(*objects_, view, nullptr);
        const QPageLayout layout = commands.Printer().pageLayout();
        EXPECT_EQ(layout.pageSize().id(), c.size);
        EXPECT_EQ(layout.orientation(), c.orientation);
    }
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

    test::SelectFirstFingering(*objects_, {"C", "E", "G"});  // (8, 5, 0)
    EXPECT_EQ(commands_->DefaultPictureName(BoardCollection::kChordBoard),
        QStringLiteral("C1(8)_E2(5)_G3(0)"));

    test::SelectFirstSevenToneScale(*objects_);
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

// The commands as the user reaches them: from the menus and by their shortcuts.
class OutputMenuTest : public test::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        MakeFrame();
    }

    QImage Picture(int board) const { return frame_->Output()->BoardImage(board); }

    // Runs `answer` on the next modal dialog as soon as it opens.
    template <typename Dialog, typename Answer> static void AnswerNextDialog(Answer answer)
    {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
    }
};

TEST_F(OutputMenuTest, MenusCarryTheOutputCommandsWithTheirShortcuts)
{
    struct Row {
        CommandId id;
        MenuId menu;
        const char* text;
        const char* shortcut;
    };
    const Row rows[] = {
        {CommandId::FilePrint, MenuId::File, "&Print...", "Ctrl+P"},
        {CommandId::FilePrintSetup, MenuId::File, "P&rint Setup...", ""},
        {CommandId::CopyChordBoard, MenuId::ChordBoard, "Copy ChordBoard", "Ctrl+Shift+C"},
        {CommandId::SaveChordBoard, MenuId::ChordBoard, "Save ChordBoard", "Ctrl+Shift+S"},
        {CommandId::CopyScaleBoard, MenuId::ScaleBoard, "Copy ScaleBoard", "Ctrl+C"},
        {CommandId::SaveScaleBoard, MenuId::ScaleBoard, "Save ScaleBoard", "Ctrl+S"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        QAction* action = frame_->action(row.id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromUtf8(row.shortcut)));
        EXPECT_TRUE(frame_->menu(row.menu)->actions().contains(action));
        EXPECT_TRUE(action->isEnabled());
    }
}

TEST_F(OutputMenuTest, CopyShortcutsPutTheRightBoardOnTheClipboard)
{
    using board::BoardCollection;
    objects_->boards.Board(BoardCollection::kChordBoard).Row(2).SetDot(7, true);
    QClipboard* clipboard = QGuiApplication::clipboard();

    QTest::keyClick(frame_.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->image().convertToFormat(QImage::Format_RGB32),
        Picture(BoardCollection::kChordBoard));

    QTest::keyClick(frame_.get(), Qt::Key_C, Qt::ControlModifier);
    const QImage scale = clipboard->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(scale, Picture(BoardCollection::kScaleBoard));
    EXPECT_NE(scale, Picture(BoardCollection::kChordBoard));
}

TEST_F(OutputMenuTest, SaveShortcutProposesTheScaleNameAndWritesTheJpeg)
{
    test::SelectFirstSevenToneScale(*objects_);

    const QString folder = dir_.path();
    QString proposed;
    AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
        proposed = QFileInfo(dialog.selectedFiles().value(0)).fileName();
        dialog.setDirectory(folder);
        dialog.selectFile(QStringLiteral("scale"));
        static_cast<QDialog&>(dialog).accept();  // QFileDialog hides accept()
    });
    QTest::keyClick(frame_.get(), Qt::Key_S, Qt::ControlModifier);

    EXPECT_EQ(proposed, QStringLiteral("C - Db - D - Eb - E - F - Gb.jpg"));
    QImageReader reader(dir_.filePath(QStringLiteral("scale.jpg")));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    EXPECT_EQ(reader.size(), Picture(board::BoardCollection::kScaleBoard).size());
}

TEST_F(OutputMenuTest, AFailedSaveIsReportedInAMessageBoxNamingTheFile)
{
    QFile blocker(dir_.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = blocker.fileName() + QStringLiteral("/board.jpg");

    QString reported;
    AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(target);
        AnswerNextDialog<QMessageBox>([&](QMessageBox& box) {
            reported = box.text();
            box.accept();
        });
        static_cast<QDialog&>(dialog).accept();  // QFileDialog hides accept()
    });
    frame_->action(CommandId::SaveChordBoard)->trigger();

    EXPECT_TRUE(reported.contains(target)) << reported.toStdString();
    EXPECT_FALSE(QFile::exists(target));
}

}  // namespace
}  // namespace guivarna
