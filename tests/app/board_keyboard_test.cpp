#include "app/kova_view.h"
#include "board/board_collection.h"
#include "output/board_picture.h"

#include "tests/app/app_test_fixture.h"

#include <QApplication>
#include <QKeySequence>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <string>
#include <utility>
#include <vector>

namespace guivarna {
namespace {

using board::BoardCollection;
using board::CellCursor;

// A mouse gesture on a cell: a click (with modifiers), or a drag that starts on another cell.
struct Gesture {
    CellCursor cell;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    bool dragged = false;
    CellCursor from = {};
};

// The marks of both boards as (board, row, fret).
using Marks = std::vector<std::tuple<int, int, int>>;

class BoardKeyboardTest : public test::AppTest {
protected:
    KovaView& FocusedView()
    {
        KovaView& view = MakeView(QSize(1100, 900));
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
        view.setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(view.hasFocus());
        return view;
    }
    Marks AllMarks() const
    {
        Marks marks;
        for (int b = 0; b < objects_->boards.BoardCount(); ++b)
            for (const auto& [row, fret] : objects_->boards.Board(b).MarkedPositions())
                marks.emplace_back(b, row, fret);
        return marks;
    }
    void Reset(KovaView& view)
    {
        objects_->boards.Clear(0);
        objects_->boards.Clear(1);
        view.SetCursor({});
    }
    static QPoint Centre(const KovaView& view, CellCursor c)
    {
        return view.CellRect(c.board, c.row, c.fret).center().toPoint();
    }
    static void Make(KovaView& view, const Gesture& g)
    {
        QWidget* target = view.viewport();
        if (!g.dragged) {
            QTest::mouseClick(target, Qt::LeftButton, g.modifiers, Centre(view, g.cell));
            return;
        }
        QTest::mousePress(target, Qt::LeftButton, g.modifiers, Centre(view, g.from));
        QTest::mouseMove(target, Centre(view, g.cell));
        QTest::mouseRelease(target, Qt::LeftButton, g.modifiers, Centre(view, g.cell));
    }
    // Presses the keys, given as QKeySequence texts separated by blanks ("Tab Down Space").
    static void Type(QWidget& widget, const char* keys)
    {
        for (const QString& token :
            QString::fromLatin1(keys).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QKeyCombination combination = QKeySequence(token)[0];
            QTest::keyClick(&widget, combination.key(), combination.keyboardModifiers());
        }
    }
};

// Each row makes the mouse gestures, then (on cleared boards, cursor at the ScaleBoard's first
// cell) types the keys: both must leave exactly the listed marks.
TEST_F(BoardKeyboardTest, KeySequencesLeaveTheMarksOfTheMouseGestures)
{
    struct Case {
        const char* name;
        bool selectAll;
        bool leftHanded;
        std::vector<Gesture> mouse;
        const char* keys;
        Marks marks;
    };
    constexpr int S = BoardCollection::kScaleBoard;
    constexpr int C = BoardCollection::kChordBoard;
    const Case cases[] = {
        {"space is a click", false, false, {{{S, 0, 0}}}, "Space", {{S, 0, 0}}},
        {"arrows reach a cell", false, false, {{{S, 1, 3}}}, "Down Right Right Right Space",
            {{S, 1, 3}}},
        {"a second click unmarks", false, false, {{{S, 2, 1}}, {{S, 2, 1}}},
            "Down Down Right Space Space", {}},
        {"C major on the ChordBoard", false, false,
            {{{C, 0, 0}}, {{C, 1, 1}}, {{C, 2, 0}}, {{C, 3, 2}}, {{C, 4, 3}}},
            "Tab Space Down Right Space Left Down Space Down Right Right Space Down Right Space",
            {{C, 0, 0}, {C, 1, 1}, {C, 2, 0}, {C, 3, 2}, {C, 4, 3}}},
        {"shift and ctrl clicks are clicks", false, false,
            {{{S, 0, 1}, Qt::ShiftModifier}, {{S, 0, 2}, Qt::ControlModifier}},
            "Right Shift+Space Right Ctrl+Space", {{S, 0, 1}, {S, 0, 2}}},
        {"a drag marks where it ends", false, false, {{{S, 3, 4}, {}, true, {S, 0, 0}}},
            "PgDown Up Up Right Right Right Right Space", {{S, 3, 4}}},
        {"home, end, page up", false, false, {{{S, 0, 12}}, {{S, 5, 0}}},
            "Down End Home Right Right Right Right Right Right Right Right Right Right Right Right "
            "PgUp Space PgDown Home Space",
            {{S, 0, 12}, {S, 5, 0}}},
        {"select all spreads from the ChordBoard", true, false, {{{C, 1, 1}}},
            "Tab Down Right Space", {}},
        {"left-handed: left goes up the neck", false, true, {{{C, 0, 2}}}, "Tab Left Left Space",
            {{C, 0, 2}}},
        {"shift+tab goes back to the ScaleBoard", false, false, {{{C, 0, 1}}, {{S, 0, 1}}},
            "Tab Right Space Shift+Tab Space", {{S, 0, 1}, {C, 0, 1}}},
    };
    KovaView& view = FocusedView();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        objects_->boards.SetSelectAllOnClick(c.selectAll);
        objects_->boards.SetLeftHanded(c.leftHanded);
        view.UpdateScrollSizes();
        Reset(view);
        for (const Gesture& g : c.mouse)
            Make(view, g);
        const Marks byMouse = AllMarks();
        Reset(view);
        view.setFocus(Qt::TabFocusReason);
        Type(view, c.keys);
        const Marks byKeys = AllMarks();
        EXPECT_EQ(byKeys, byMouse);
        if (!c.selectAll) {
            EXPECT_EQ(byKeys, c.marks);
        } else {
            // The ChordBoard's C, and every C of the ScaleBoard.
            ASSERT_FALSE(byKeys.empty());
            for (const auto& [b, row, fret] : byKeys)
                EXPECT_EQ(objects_->boards.Board(b).Row(row).Cell(fret).Note() % 12, 0);
        }
        EXPECT_TRUE(view.hasFocus());
    }
}

TEST_F(BoardKeyboardTest, CursorAndFocusFrameAreOnScreenOnly)
{
    KovaView& view = FocusedView();
    Type(view, "Tab Right Right Down");
    EXPECT_EQ(view.Cursor(), (CellCursor{BoardCollection::kChordBoard, 1, 2}));
    const QImage focused = view.viewport()->grab().toImage();
    const QImage picture = output::BoardPicture(
        objects_->boards.Board(BoardCollection::kChordBoard), view.PictureMapping());
    view.clearFocus();
    QApplication::processEvents();
    const QImage unfocused = view.viewport()->grab().toImage();
    // The screen shows the cursor in the highlight colour; the board's picture never does.
    const QRect cell = view.CellRect(1, 1, 2).toAlignedRect();
    const QColor highlight = view.palette().color(QPalette::Highlight);
    const auto hasHighlight = [&](const QImage& image, const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.rect().contains(x, y) && QColor(image.pixel(x, y)) == highlight)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasHighlight(focused, cell));
    EXPECT_FALSE(hasHighlight(unfocused, cell));
    EXPECT_FALSE(hasHighlight(picture, picture.rect()));
    EXPECT_EQ(output::BoardPicture(
                  objects_->boards.Board(BoardCollection::kChordBoard), view.PictureMapping()),
        picture);
}

TEST_F(BoardKeyboardTest, ZoomKeepsThePointUnderThePointerOrTheMiddle)
{
    // Narrower than the paper, so there is room to scroll at every zoom the steps reach.
    KovaView& view = MakeView(QSize(420, 320));
    view.SetZoom(1.0);
    view.SetCursor({1, 2, 4});
    // The cell in the middle of the window, so the scroll bars can keep it at every step.
    const QPointF off = view.CellRect(1, 2, 4).center() -
        QPointF(view.viewport()->width() / 2.0, view.viewport()->height() / 2.0);
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->value() + int(off.x()));
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->value() + int(off.y()));
    // The wheel: the ChordBoard cell under the pointer stays under it, zooming in and out.
    for (const int delta : {120, 120, -120, -120, -120}) {
        SCOPED_TRACE(delta);
        const QPointF pointer = view.CellRect(1, 2, 4).center();
        QWheelEvent wheel(pointer, view.viewport()->mapToGlobal(pointer), QPoint(),
            QPoint(0, delta), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        const double before = view.Zoom();
        QApplication::sendEvent(view.viewport(), &wheel);
        EXPECT_NE(view.Zoom(), before);
        EXPECT_TRUE(view.CellRect(1, 2, 4).adjusted(-2, -2, 2, 2).contains(pointer));
    }
    // The keys keep the middle of the window, a point of the paper, where it is.
    view.SetZoom(1.0);
    view.SetCursor({1, 0, 8});
    const QPointF middle(view.viewport()->width() / 2.0, view.viewport()->height() / 2.0);
    const QRectF cell = view.CellRect(1, 0, 8);
    const QPointF offset = middle - cell.topLeft();
    view.ZoomIn();
    const double ratio = view.Zoom();
    const QPointF expected = view.CellRect(1, 0, 8).topLeft() + offset * ratio;
    EXPECT_NEAR(expected.x(), middle.x(), 3.0);
    EXPECT_NEAR(expected.y(), middle.y(), 3.0);
}

TEST_F(BoardKeyboardTest, FirstStartFitFollowsTheWindowUntilTheUserActs)
{
    KovaView& view = MakeView(QSize(900, 300));
    view.FitContentUntilUserActs();
    const double small = view.Zoom();
    view.resize(900, 1200);  // the window manager maximises the window
    QApplication::processEvents();
    EXPECT_GT(view.Zoom(), small);
    const double fitted = view.Zoom();
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Right);
    view.resize(900, 300);
    QApplication::processEvents();
    EXPECT_EQ(view.Zoom(), fitted);
    EXPECT_FALSE(view.FitPending());
}

TEST_F(BoardKeyboardTest, DarkPaletteOutsideThePaperOnly)
{
    KovaView& view = MakeView(QSize(900, 700));
    const auto corner = [&] { return QColor(view.viewport()->grab().toImage().pixel(2, 2)); };
    const auto paper = [&] {
        const QRectF board = view.BoardRect(0);
        return QColor(view.viewport()->grab().toImage().pixel(
            int(board.right()) - 5, int(board.bottom()) + 30));
    };
    const QColor light = paper();
    EXPECT_EQ(corner(), QColor(0x80, 0x80, 0x80));
    QPalette dark = view.palette();
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    view.setPalette(dark);
    EXPECT_LT(corner().lightness(), 0x30);
    EXPECT_EQ(paper(), light);
    EXPECT_GT(light.lightness(), 200);
}

}  // namespace
}  // namespace guivarna
