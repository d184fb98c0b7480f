#include "app/kova_view.h"
#include "app/main_frame.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "settings/settings_store.h"
#include "tests/app/app_test_fixture.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace guivarna {
namespace {

using board::BoardCollection;

constexpr int kScale = BoardCollection::kScaleBoard;
constexpr int kChord = BoardCollection::kChordBoard;

// Scene geometry of the default boards, independent of the code under test: the paper sits
// 25 units from the top, its printable area 10 units in, the ScaleBoard 10 and the ChordBoard
// 500 units below that; cells are 80 x 50 units.
constexpr int kPaperY = 25;
constexpr int kPrintableOffset = 10;
constexpr int kBoardOffsetY[] = {10, 500};

class KovaViewTest : public test::AppTest {
protected:
    // The paper's x in scene units for a viewport of the given pixel width.
    static int PaperX(const KovaView& view)
    {
        const int client =
            int(view.Mapping().DeviceToScene(QSizeF(view.viewport()->width(), 0)).width());
        return 2100 < client ? (client - 2100) / 2 : 25;
    }
    // The viewport pixel at the centre of a cell, computed from the layout rules.
    static QPoint CellCentre(const KovaView& view, int board, int string, int fret)
    {
        const QPointF scene(PaperX(view) + kPrintableOffset + fret * 80 + 40,
            kPaperY + kPrintableOffset + kBoardOffsetY[board] + string * 50 + 25);
        return view.Mapping().SceneToDevice(scene).toPoint() - view.ScrollPosition();
    }

    std::set<std::pair<int, int>> Marked(int board) const
    {
        std::set<std::pair<int, int>> marked;
        const board::FretBoard& b = objects_->boards.Board(board);
        for (int s = 0; s < b.RowCount(); ++s)
            for (int f = 0; f < b.Row(s).CellCount(); ++f)
                if (b.Row(s).Cell(f).Marked())
                    marked.insert({s, f});
        return marked;
    }
    std::set<std::pair<int, int>> PositionsOfPitchClasses(int board, std::set<int> classes) const
    {
        std::set<std::pair<int, int>> positions;
        const board::FretBoard& b = objects_->boards.Board(board);
        for (int s = 0; s < b.StringCount(); ++s)
            for (int f = 0; f < b.Row(s).CellCount(); ++f)
                if (classes.count((b.Row(s).OpenNote() + f) % 12))
                    positions.insert({s, f});
        return positions;
    }

    void Click(KovaView& view, QPoint at)
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
};

TEST_F(KovaViewTest, WideWindowCentresThePaperAndAClickMarksExactlyTheCellUnderIt)
{
    KovaView& view = MakeView({1300, 900});
    ASSERT_GT(view.viewport()->width(), view.Mapping().SceneToDeviceX(2100));
    EXPECT_EQ(view.GetScene().Paper().X(), PaperX(view));
    EXPECT_GT(PaperX(view), 25);
    EXPECT_EQ(view.GetScene().Paper().Y(), 25);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.horizontalScrollBar()->isVisible());

    Click(view, CellCentre(view, kScale, 2, 5));
    EXPECT_EQ(Marked(kScale), (std::set<std::pair<int, int>>{{2, 5}}));
    EXPECT_TRUE(Marked(kChord).empty());

    Click(view, CellCentre(view, kChord, 5, 0));
    EXPECT_EQ(Marked(kChord), (std::set<std::pair<int, int>>{{5, 0}}));

    Click(view, CellCentre(view, kScale, 2, 5));
    EXPECT_TRUE(Marked(kScale).empty());
}

TEST_F(KovaViewTest, AtEveryZoomAClickMarksTheCellDrawnUnderThePointer)
{
    KovaView& view = MakeView({900, 700});
    for (const double zoom : {0.25, 0.6, 1.37, 2.0, 4.0}) {
        SCOPED_TRACE(zoom);
        view.SetZoom(zoom);
        objects_->boards.Clear(kScale);
        objects_->boards.Clear(kChord);
        // Scroll the cell into view, as the user would.
        const QPoint at = CellCentre(view, kChord, 4, 9) + view.ScrollPosition();
        view.horizontalScrollBar()->setValue(at.x() - 100);
        view.verticalScrollBar()->setValue(at.y() - 100);
        Click(view, CellCentre(view, kChord, 4, 9));
        EXPECT_EQ(Marked(kChord), (std::set<std::pair<int, int>>{{4, 9}}));
        EXPECT_TRUE(Marked(kScale).empty());
    }
}

TEST_F(KovaViewTest, ZoomStepsStopAtTheirEndsAndTheZoomIsRestoredOnTheNextStart)
{
    KovaView& view = MakeView({900, 700});
    EXPECT_FALSE(view.ZoomStored());
    EXPECT_EQ(view.Zoom(), 1.0);
    struct Step {
        void (KovaView::*zoom)();
        double expected;
    };
    const Step steps[] = {{&KovaView::ZoomIn, 1.1}, {&KovaView::ZoomIn, 1.25},
        {&KovaView::ZoomOut, 1.1}, {&KovaView::ZoomOut, 1.0}, {&KovaView::ZoomOut, 0.9}};
    for (const Step& step : steps) {
        (view.*step.zoom)();
        EXPECT_DOUBLE_EQ(view.Zoom(), step.expected);
    }
    view.SetZoom(0.01);
    EXPECT_DOUBLE_EQ(view.Zoom(), 0.25);
    view.ZoomOut();
    EXPECT_DOUBLE_EQ(view.Zoom(), 0.25);
    view.SetZoom(9.0);
    EXPECT_DOUBLE_EQ(view.Zoom(), 4.0);
    view.ZoomIn();
    EXPECT_DOUBLE_EQ(view.Zoom(), 4.0);
    view.SetZoom(1.5);

    KovaView again(*objects_);
    EXPECT_TRUE(again.ZoomStored());
    EXPECT_DOUBLE_EQ(again.Zoom(), 1.5);
}

TEST_F(KovaViewTest, CtrlWheelZoomsAndAPlainWheelScrolls)
{
    KovaView& view = MakeView({500, 400});
    auto wheel = [&](Qt::KeyboardModifiers modifiers, int delta) {
        QWheelEvent event(QPointF(100, 100), view.viewport()->mapToGlobal(QPointF(100, 100)),
            QPoint(), QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.viewport(), &event);
    };
    wheel(Qt::ControlModifier, 120);
    EXPECT_DOUBLE_EQ(view.Zoom(), 1.1);
    wheel(Qt::ControlModifier, -120);
    wheel(Qt::ControlModifier, -120);
    EXPECT_DOUBLE_EQ(view.Zoom(), 0.9);
    wheel(Qt::NoModifier, -120);
    EXPECT_DOUBLE_EQ(view.Zoom(), 0.9);
    EXPECT_GT(view.verticalScrollBar()->value(), 0);
}

TEST_F(KovaViewTest, FitCommandsAndTheFirstStartZoomShowWhatTheySay)
{
    KovaView& view = MakeView({1000, 600});
    view.FitWidth();
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(view.Mapping().SceneToDeviceX(2100), 0.9 * view.viewport()->width());
    view.FitPage();
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);
    EXPECT_GT(view.Mapping().SceneToDeviceY(2970), 0.9 * view.viewport()->height());

    // The panels' last lines come into view without scrolling, down to a readable 60 %.
    view.FitContentForFirstStart();
    const page::PageScene& scene = view.GetScene();
    EXPECT_LE(view.Mapping().SceneToDeviceY(scene.ContentBottom()), view.viewport()->height());
    view.resize(1000, 200);
    view.FitContentForFirstStart();
    EXPECT_DOUBLE_EQ(view.Zoom(), 0.6);
}

TEST_F(KovaViewTest, NarrowScrolledWindowStillMarksTheCellUnderThePointer)
{
    KovaView& view = MakeView({500, 400});
    EXPECT_EQ(view.GetScene().Paper().X(), 25);
    EXPECT_EQ(view.GetScene().Paper().Y(), 25);
    ASSERT_GT(view.horizontalScrollBar()->maximum(), 0);
    ASSERT_GT(view.verticalScrollBar()->maximum(), 0);

    view.horizontalScrollBar()->setValue(300);
    view.verticalScrollBar()->setValue(150);
    ASSERT_EQ(view.ScrollPosition(), QPoint(300, 150));

    const QPoint at = CellCentre(view, kChord, 3, 14);
    ASSERT_TRUE(view.viewport()->rect().contains(at));
    Click(view, at);
    EXPECT_EQ(Marked(kChord), (std::set<std::pair<int, int>>{{3, 14}}));
    EXPECT_TRUE(Marked(kScale).empty());
}

TEST_F(KovaViewTest, ScrollableAreaIsThePaperPlusTwentyFivePixels)
{
    KovaView& view = MakeView({500, 400});
    const QSizeF paper = view.Mapping().SceneToDevice(QSizeF(2100, 2970));
    EXPECT_EQ(
        view.horizontalScrollBar()->maximum(), int(paper.width()) + 25 - view.viewport()->width());
    EXPECT_EQ(
        view.verticalScrollBar()->maximum(), int(paper.height()) + 25 - view.viewport()->height());
}

TEST_F(KovaViewTest, ClickOffTheBoardsChangesNothing)
{
    KovaView& view = MakeView({1300, 900});
    Click(view, QPoint(3, 3));  // grey margin
    // The fret-number row of the ScaleBoard.
    Click(view, CellCentre(view, kScale, 6, 5));
    EXPECT_TRUE(Marked(kScale).empty());
    EXPECT_TRUE(Marked(kChord).empty());
}

TEST_F(KovaViewTest, RenderedViewShowsADotOfTheDotColourOnlyOnMarkedCells)
{
    KovaView& view = MakeView({1300, 900});
    view.SetDotColor(QColor(0x20, 0x90, 0x30, 0x40));  // made opaque
    EXPECT_EQ(objects_->boards.Board(kScale).Row(1).Cell(7).DotColour(), 0xFF209030U);
    EXPECT_EQ(objects_->boards.Board(kChord).Row(1).Cell(7).DotColour(), 0xFF209030U);

    Click(view, CellCentre(view, kScale, 1, 7));
    const QImage image = view.viewport()->grab().toImage();
    const double r = view.Mapping().SceneToDeviceY(25);
    const QPoint offCentre(int(-r * 0.55), int(-r * 0.45));
    EXPECT_EQ(
        image.pixelColor(CellCentre(view, kScale, 1, 7) + offCentre), QColor(0x20, 0x90, 0x30));
    EXPECT_EQ(image.pixelColor(CellCentre(view, kScale, 1, 8) + offCentre), QColor(Qt::white));
    // The background around the paper is grey.
    EXPECT_EQ(image.pixelColor(2, 300), QColor(0x80, 0x80, 0x80));
}

TEST_F(KovaViewTest, AnItemChangeRepaintsTheViewAndAChangeWithoutAnItemDoesNot)
{
    KovaView& view = MakeView({800, 600});
    QCoreApplication::processEvents();

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    } counter;
    view.viewport()->installEventFilter(&counter);

    view.Notifier().Notify(QRect(0, 0, 10, 10), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    objects_->boards.Board(kChord).Row(0).SetDot(3, true);
    QCoreApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
}

TEST_F(KovaViewTest, PanelsSitAtPaperPlusPrintableOffsetPlusHome)
{
    KovaView& view = MakeView({1300, 900});
    view.PlaceItems();
    page::PageScene& scene = view.GetScene();
    const QPoint origin = scene.Paper().Position() + QPoint(kPrintableOffset, kPrintableOffset);
    EXPECT_EQ(scene.SceneOrigin(scene.ChordInformation()), origin + QPoint(30, 1500));
    EXPECT_EQ(scene.SceneOrigin(scene.ChordNames()), origin + QPoint(1050, 1500));
    EXPECT_EQ(scene.SceneOrigin(scene.ScaleInformation()), origin + QPoint(30, 1100));
    EXPECT_EQ(scene.SceneOrigin(objects_->boards.Board(kChord)), origin + QPoint(0, 500));
}

TEST_F(KovaViewTest, InitialUpdateGivesTheSearchTheChordBoardsOwnTuning)
{
    {
        QSettings file(dir_.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
        const int dropD[] = {64, 59, 55, 50, 45, 38};
        file.setValue(QStringLiteral("FretBoards/FretBoard1/numSnares"), 6);
        for (int k = 0; k < 6; ++k)
            file.setValue(QStringLiteral("FretBoards/FretBoard1/Strings/String%1/OpenSnare").arg(k),
                dropD[k]);
    }
    store_ = std::make_unique<settings::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
    objects_ = std::make_unique<ProgramObjects>(*store_);
    MakeView({600, 400});
    EXPECT_EQ(
        objects_->engine.Chords().Tuning(), (std::vector<theory::Note>{64, 59, 55, 50, 45, 38}));
}

TEST_F(KovaViewTest, SelectAllModeMarksEveryEOnTheScaleBoardFromEitherBoard)
{
    MainFrame& frame = MakeFrame();
    KovaView& view = *frame.View();
    QAction* selectAll = frame.action(CommandId::SelectAllOnClick);
    ASSERT_TRUE(selectAll->isCheckable());
    selectAll->trigger();
    ASSERT_TRUE(objects_->boards.SelectAllOnClick());

    const auto allEs = PositionsOfPitchClasses(kScale, {4});
    Click(view, CellCentre(view, kChord, 0, 12));  // E on the ChordBoard
    EXPECT_EQ(Marked(kScale), allEs);
    EXPECT_EQ(Marked(kChord), (std::set<std::pair<int, int>>{{0, 12}}));

    Click(view, CellCentre(view, kScale, 1, 5));  // E on the ScaleBoard, already marked
    EXPECT_TRUE(Marked(kScale).empty());

    selectAll->trigger();
    EXPECT_FALSE(objects_->boards.SelectAllOnClick());
    Click(view, CellCentre(view, kScale, 1, 5));
    EXPECT_EQ(Marked(kScale), (std::set<std::pair<int, int>>{{1, 5}}));
}

TEST_F(KovaViewTest, ArpeggioIsDisabledWithoutASelectionAndMarksTheSelectedPitchClasses)
{
    MainFrame& frame = MakeFrame();
    QAction* arpeggio = frame.action(CommandId::ShowArpeggio);
    ASSERT_EQ(arpeggio->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));

    QTest::keyClick(&frame, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(arpeggio->isEnabled());
    EXPECT_FALSE(arpeggio->isChecked());
    EXPECT_TRUE(Marked(kScale).empty());

    objects_->theory.SetRootName("C");
    for (const char* note : {"C", "E", "G"})
        objects_->theory.AddNote(note);
    int triggered = 0;
    QObject::connect(arpeggio, &QAction::triggered, [&] { ++triggered; });
    QTest::keyClick(&frame, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(triggered, 1);
    EXPECT_TRUE(arpeggio->isEnabled());
    EXPECT_TRUE(arpeggio->isChecked());
    EXPECT_EQ(Marked(kScale), PositionsOfPitchClasses(kScale, {0, 4, 7}));
    EXPECT_TRUE(Marked(kChord).empty());

    QTest::keyClick(&frame, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(arpeggio->isChecked());
    EXPECT_TRUE(Marked(kScale).empty());
}

TEST_F(KovaViewTest, ClearBoardClearsOnlyTheScaleBoardAndUnchecksTheArpeggio)
{
    MainFrame& frame = MakeFrame();
    KovaView& view = *frame.View();
    objects_->theory.SetRootName("C");
    objects_->theory.AddNote("C");
    frame.UpdateCommands();
    frame.action(CommandId::ShowArpeggio)->trigger();
    ASSERT_TRUE(frame.action(CommandId::ShowArpeggio)->isChecked());
    Click(view, CellCentre(view, kChord, 2, 2));
    ASSERT_FALSE(Marked(kScale).empty());

    QTest::keyClick(&frame, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(Marked(kScale).empty());
    EXPECT_EQ(Marked(kChord), (std::set<std::pair<int, int>>{{2, 2}}));
    EXPECT_FALSE(frame.action(CommandId::ShowArpeggio)->isChecked());
}

TEST_F(KovaViewTest, SetDotColorDialogColoursBothBoardsAndCancelChangesNothing)
{
    MainFrame& frame = MakeFrame();
    auto answer = [](bool accept, QColor colour) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->setCurrentColor(colour);
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
    };
    answer(true, QColor(10, 20, 200));
    frame.action(CommandId::SetDotColor)->trigger();
    for (int board : {kScale, kChord})
        EXPECT_EQ(objects_->boards.Board(board).Row(3).Cell(9).DotColour(), 0xFF0A14C8U);

    answer(false, QColor(250, 0, 0));
    frame.action(CommandId::SetDotColor)->trigger();
    EXPECT_EQ(objects_->boards.Board(kScale).Row(0).Cell(1).DotColour(), 0xFF0A14C8U);
}

TEST_F(KovaViewTest, DroppedDocumentOpensTheEmptyScene)
{
    MainFrame& frame = MakeFrame();
    KovaView& view = *frame.View();
    Click(view, CellCentre(view, kChord, 1, 1));
    Click(view, CellCentre(view, kScale, 1, 1));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir_.filePath(QStringLiteral("song.GVA")))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(Marked(kScale).empty());
    EXPECT_TRUE(Marked(kChord).empty());

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(dir_.filePath(QStringLiteral("notes.txt")))});
    QDragEnterEvent refused(QPoint(50, 50), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(&frame, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(KovaViewTest, PaperAndBoardsPersistAcrossRestarts)
{
    {
        MainFrame& frame = MakeFrame();
        frame.View()->SetDotColor(QColor(1, 2, 3));
        frame.close();
        frame_.reset();
        objects_.reset();
        store_.reset();
    }
    QSettings file(dir_.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("Paper/Width")).toInt(), 2100);
    EXPECT_TRUE(file.contains(QStringLiteral("Paper/X")));
    EXPECT_EQ(file.value(QStringLiteral("FretBoards/FretBoard1/Strings/String0/Frets/Dot/Color/B"))
                  .toInt(),
        3);
}

}  // namespace
}  // namespace guivarna
