#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"
#include "calc/row_selection.h"

#include "tests/calc/calc_test_support.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <tuple>

namespace guivarna::theory {

// Readable test failures: the strings and frets of a fingering.
void PrintTo(const ChordFingering& fingering, std::ostream* out)
{
    for (std::size_t i = 0; i < fingering.StringSet.size(); ++i)
        *out << (i ? " " : "") << fingering.StringSet[i] << ":" << fingering.FretBoardPosition[i];
}

}  // namespace guivarna::theory

namespace guivarna::calc {
namespace {

using Ranges = std::vector<RowSelection::Range>;

// --- RowSelection ------------------------------------------------------------------------------

// One step on a selection: 's' SelectOnly(a, b), 'a' Add(a, b), 't' Toggle(a).
struct Step {
    char op;
    int a;
    int b = 0;
};

struct SelectionCase {
    const char* name;
    std::vector<Step> steps;
    Ranges expected;
};

TEST(RowSelection, KeepsSortedDisjointRangesThroughEveryStep)
{
    const std::vector<SelectionCase> cases = {
        {"reversed range", {{'s', 9, 3}}, {{3, 9}}},
        {"select replaces", {{'s', 1, 4}, {'a', 8, 9}, {'s', 6, 6}}, {{6, 6}}},
        {"apart stays apart", {{'a', 5, 6}, {'a', 1, 2}, {'a', 9, 9}}, {{1, 2}, {5, 6}, {9, 9}}},
        {"touching merges", {{'a', 1, 2}, {'a', 4, 5}, {'a', 3, 3}}, {{1, 5}}},
        {"overlap spanning several", {{'a', 1, 2}, {'a', 5, 6}, {'a', 9, 10}, {'a', 2, 9}},
            {{1, 10}}},
        {"ascending rows extend the last range",
            {{'a', 1, 2}, {'a', 3, 3}, {'a', 5, 5}, {'a', 4, 7}, {'a', 9, 9}}, {{1, 7}, {9, 9}}},
        {"touching an earlier range", {{'a', 5, 6}, {'a', 1, 2}, {'a', 4, 4}}, {{1, 2}, {4, 6}}},
        {"inside an existing range", {{'a', 1, 10}, {'a', 3, 4}}, {{1, 10}}},
        {"row 0 touches", {{'a', 1, 3}, {'a', 0, 0}}, {{0, 3}}},
        {"toggle splits the middle", {{'s', 1, 5}, {'t', 3}}, {{1, 2}, {4, 5}}},
        {"toggle trims the ends", {{'s', 1, 5}, {'t', 1}, {'t', 5}}, {{2, 4}}},
        {"toggle removes a single row", {{'a', 1, 1}, {'a', 4, 4}, {'t', 1}}, {{4, 4}}},
        {"toggle adds and joins", {{'a', 1, 2}, {'a', 4, 5}, {'t', 3}}, {{1, 5}}},
        {"toggle twice is nothing", {{'t', 7}, {'t', 7}}, {}},
    };
    for (const SelectionCase& c : cases) {
        RowSelection selection;
        for (const Step& step : c.steps) {
            if (step.op == 's')
                selection.SelectOnly(step.a, step.b);
            else if (step.op == 'a')
                selection.Add(step.a, step.b);
            else
                selection.Toggle(step.a);
        }
        EXPECT_EQ(selection.Ranges(), c.expected) << c.name;
        int count = 0;
        for (const auto& [first, last] : c.expected)
            count += last - first + 1;
        EXPECT_EQ(selection.Count(), count) << c.name;
        EXPECT_EQ(selection.First(), c.expected.empty() ? -1 : c.expected.front().first) << c.name;
        // Contains agrees with the ranges on and around every edge.
        for (int row = 0; row <= 12; ++row) {
            bool inside = false;
            for (const auto& [first, last] : c.expected)
                inside = inside || (row >= first && row <= last);
            EXPECT_EQ(selection.Contains(row), inside) << c.name << " row " << row;
        }
    }
}

TEST(RowSelection, RowsComeInOrderUpToTheLimitWithoutVisitingTheRest)
{
    RowSelection selection;
    selection.Add(10, 12);
    selection.Add(2, 3);
    selection.Add(20, 14'000'000);
    EXPECT_EQ(selection.Rows(100).size(), 100u);
    EXPECT_EQ(selection.Rows(6), (std::vector<int>{2, 3, 10, 11, 12, 20}));
    EXPECT_EQ(selection.Rows(3), (std::vector<int>{2, 3, 10}));
    EXPECT_EQ(selection.Count(), 5 + 14'000'000 - 19);
}

// --- ResultListView ----------------------------------------------------------------------------

// A list of any length whose cells are computed: row r reads "r".
class CountingModel : public QAbstractTableModel {
public:
    explicit CountingModel(int rows) : rows_(rows) { }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : rows_;
    }
    int columnCount(const QModelIndex& = {}) const override { return 1; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QString::number(index.row())) : QVariant();
    }
    void Reset(int rows)
    {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    }

private:
    int rows_;
};

// A user action on the list: a click on row with modifiers, or a key with modifiers.
struct Action {
    int row;  // -1: a key
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    Qt::Key key = Qt::Key_unknown;
};

struct ViewCase {
    const char* name;
    bool multi;
    std::vector<Action> actions;
    Ranges expected;
    int current;
};

constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kCtrl = Qt::ControlModifier;

class ResultListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view_.setModel(&model_);
        view_.resize(300, 200);
        view_.show();
        view_.setFocus();
    }
    void Do(const Action& action)
    {
        if (action.row >= 0) {
            QTest::mouseClick(
                view_.viewport(), Qt::LeftButton, action.modifiers, RowPoint(action.row));
        } else {
            QTest::keyClick(&view_, action.key, action.modifiers);
        }
    }
    // The middle of row in the viewport, counted from the row in sight at the top.
    QPoint RowPoint(int row) const
    {
        return {10, (row - view_.FirstVisibleRow()) * view_.RowHeight() + view_.RowHeight() / 2};
    }

    CountingModel model_{14'000'000};
    ResultListView view_;
};

TEST_F(ResultListViewTest, ClicksAndKeysSelectAsTheModeSays)
{
    const int last = 14'000'000 - 1;
    const std::vector<ViewCase> cases = {
        {"click", true, {{2}, {4}}, {{4, 4}}, 4},
        {"shift+click down", true, {{2}, {5, kShift}}, {{2, 5}}, 5},
        {"shift+click up", true, {{5}, {2, kShift}}, {{2, 5}}, 2},
        {"shift+click moves from the anchor", true, {{3}, {6, kShift}, {1, kShift}}, {{1, 3}}, 1},
        {"shift+click with no anchor", true, {{3, kShift}}, {{3, 3}}, 3},
        {"ctrl+click adds", true, {{1}, {4, kCtrl}, {6, kCtrl}}, {{1, 1}, {4, 4}, {6, 6}}, 6},
        {"ctrl+click removes", true, {{1}, {4, kShift}, {2, kCtrl}}, {{1, 1}, {3, 4}}, 2},
        {"ctrl+click sets the anchor", true, {{1}, {5, kCtrl}, {7, kShift}}, {{5, 7}}, 7},
        {"ctrl+shift+click adds a range", true, {{1}, {4, kCtrl}, {6, kCtrl | kShift}},
            {{1, 1}, {4, 6}}, 6},
        {"shift+down extends", true, {{3}, {-1, kShift, Qt::Key_Down}, {-1, kShift, Qt::Key_Down}},
            {{3, 5}}, 5},
        {"shift+up past the anchor", true,
            {{3}, {-1, kShift, Qt::Key_Down}, {-1, kShift, Qt::Key_Up}, {-1, kShift, Qt::Key_Up}},
            {{2, 3}}, 2},
        {"plain key collapses", true, {{3}, {6, kShift}, {-1, {}, Qt::Key_Down}}, {{7, 7}}, 7},
        {"shift+end reaches the last of millions", true, {{3}, {-1, kShift, Qt::Key_End}},
            {{3, last}}, last},
        {"shift+home", true, {{3}, {-1, kShift, Qt::Key_Home}}, {{0, 3}}, 0},
        {"ctrl+a", true, {{3}, {-1, kCtrl, Qt::Key_A}}, {{0, last}}, 3},
        {"single: ctrl+click", false, {{1}, {4, kCtrl}}, {{4, 4}}, 4},
        {"single: shift+click", false, {{1}, {4, kShift}}, {{4, 4}}, 4},
        {"single: shift+down", false, {{1}, {-1, kShift, Qt::Key_Down}}, {{2, 2}}, 2},
        {"single: ctrl+a", false, {{1}, {-1, kCtrl, Qt::Key_A}}, {{1, 1}}, 1},
    };
    for (const ViewCase& c : cases) {
        view_.SetMultiSelection(c.multi);
        view_.SelectRow(-1);
        view_.verticalScrollBar()->setValue(0);
        QElapsedTimer clock;
        clock.start();
        for (const Action& action : c.actions)
            Do(action);
        // Ranges, not rows: a selection of millions costs nothing.
        EXPECT_LT(clock.elapsed(), 200) << c.name;
        EXPECT_EQ(view_.Selection().Ranges(), c.expected) << c.name;
        EXPECT_EQ(view_.SelectedRow(), c.expected.front().first) << c.name;
        EXPECT_EQ(view_.CurrentRow(), c.current) << c.name;
    }
}

TEST_F(ResultListViewTest, RightClickKeepsASelectedRowAndANewListClearsTheSelection)
{
    view_.SetMultiSelection(true);
    Do({2});
    Do({5, kShift});
    QSignalSpy changed(&view_, &ResultListView::SelectionChanged);
    QTest::mouseClick(view_.viewport(), Qt::RightButton, {}, RowPoint(4));
    EXPECT_EQ(view_.Selection().Ranges(), (Ranges{{2, 5}}));
    EXPECT_EQ(changed.count(), 0);
    QTest::mouseClick(view_.viewport(), Qt::RightButton, {}, RowPoint(7));
    EXPECT_EQ(view_.Selection().Ranges(), (Ranges{{7, 7}}));
    EXPECT_EQ(changed.count(), 1);

    model_.Reset(5);
    EXPECT_TRUE(view_.Selection().Empty());
    EXPECT_EQ(view_.CurrentRow(), -1);
    EXPECT_EQ(changed.count(), 2);
    // No anchor survives the reset: Shift+click selects the one row.
    Do({1, kShift});
    EXPECT_EQ(view_.Selection().Ranges(), (Ranges{{1, 1}}));
    // Below the last row: Ctrl or Shift keeps the selection, a plain click clears it.
    Do({3, kShift});
    ASSERT_LT(RowPoint(6).y(), view_.viewport()->height());
    for (const Qt::KeyboardModifiers modifiers : {kCtrl, kShift}) {
        Do({6, modifiers});
        EXPECT_EQ(view_.Selection().Ranges(), (Ranges{{1, 3}}));
    }
    Do({6});
    EXPECT_TRUE(view_.Selection().Empty());
}

// --- The chord page and the calculations window ------------------------------------------------

class ChordMultiSelectionTest : public test::CalcObjects {
protected:
    void SetUp() override
    {
        CalcObjects::SetUp();
        window_ = std::make_unique<CalcWindow>(engine_, theory_, boards_);
        window_->ChordPage().Runner().SetDelay(0);
        window_->resize(700, 400);
        window_->show();
    }
    void TearDown() override { window_.reset(); }

    ChordResultPage& Page() const { return window_->ChordPage(); }
    ResultListView& List() const { return Page().List(); }
    ChordResultModel& Model() const { return static_cast<ChordResultModel&>(Page().Model()); }
    void RunSearch(const std::vector<std::string>& notes)
    {
        LoadChord(notes);
        Page().UpdateButtons();
        QTest::mouseClick(Page().findChild<QPushButton*>(QStringLiteral("go")), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Page().Runner().HasWorker(); }, 20000));
        QCoreApplication::processEvents();
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (List().RowRect(row).isEmpty())
            List().verticalScrollBar()->setValue(row);  // scrolls, selects nothing
        ASSERT_FALSE(List().RowRect(row).isEmpty()) << row;
        QTest::mouseClick(
            List().viewport(), Qt::LeftButton, modifiers, List().RowRect(row).center());
    }
    // A right-click on row as a user makes it: the press, then the context menu event.
    void RightClick(int row)
    {
        const QPoint point = List().RowRect(row).center();
        QTest::mouseClick(List().viewport(), Qt::RightButton, {}, point);
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, point, List().viewport()->mapToGlobal(point));
        QApplication::sendEvent(List().viewport(), &event);
    }
    // The fingering a row shows, through the order the rows are shown in.
    theory::ChordFingering Shown(int row) const
    {
        return Model().List()->Get(Model().ListIndex(row));
    }
    std::vector<std::pair<int, int>> MarksOf(const theory::ChordFingering& fingering) const
    {
        std::vector<std::pair<int, int>> marks;
        for (std::size_t i = 0; i < fingering.StringSet.size(); ++i)
            marks.emplace_back(fingering.StringSet[i], fingering.FretBoardPosition[i]);
        return marks;
    }

    std::unique_ptr<CalcWindow> window_;
};

TEST_F(ChordMultiSelectionTest, TheBoardShowsTheFirstSelectedRow)
{
    RunSearch({"C", "E", "G"});
    Click(3);
    EXPECT_EQ(Marks(board::BoardCollection::kChordBoard), MarksOf(Shown(3)));
    Click(6, kShift);
    EXPECT_EQ(Page().SelectedCount(), 4);
    EXPECT_EQ(Marks(board::BoardCollection::kChordBoard), MarksOf(Shown(3)));
    EXPECT_EQ(engine_.Chords().Current(), 3);
    Click(1, kCtrl);
    EXPECT_EQ(Marks(board::BoardCollection::kChordBoard), MarksOf(Shown(1)));
    EXPECT_EQ(engine_.Chords().Current(), 1);
    // The scale list keeps single selection.
    EXPECT_FALSE(window_->ScalePage().List().MultiSelection());
}

TEST_F(ChordMultiSelectionTest, ASortKeepsTheSelectedFingeringsAndRowsMapThroughTheOrder)
{
    RunSearch({"C", "E", "G"});
    Click(1);
    Click(3, kShift);
    Click(7, kCtrl);
    Click(2, kCtrl);  // rows 1, 3 and 7; row 2 is current but not selected
    const Ranges before = List().Selection().Ranges();
    std::vector<theory::ChordFingering> selected = Page().SelectedFingerings(10);
    const theory::ChordFingering current = Shown(2);
    const auto byFrets = [](const auto& a, const auto& b) {
        return std::tie(a.StringSet, a.FretBoardPosition) <
            std::tie(b.StringSet, b.FretBoardPosition);
    };

    Page().SortByColumn(ChordResultModel::kDifficultyColumn);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Page().Sorting(); }, 20000));
    ASSERT_NE(List().Selection().Ranges(), before);
    std::vector<theory::ChordFingering> kept = Page().SelectedFingerings(10);
    std::sort(selected.begin(), selected.end(), byFrets);
    std::sort(kept.begin(), kept.end(), byFrets);
    EXPECT_EQ(kept, selected);
    EXPECT_EQ(Shown(List().CurrentRow()), current);
    EXPECT_EQ(Marks(board::BoardCollection::kChordBoard), MarksOf(Shown(List().SelectedRow())));

    // Rows chosen in the sorted list give the fingerings those rows show, not the search's.
    Click(0);
    Click(4, kShift);
    Click(2, kCtrl);
    const std::vector<theory::ChordFingering> chosen = Page().SelectedFingerings(10);
    EXPECT_EQ(chosen, (std::vector{Shown(0), Shown(1), Shown(3), Shown(4)}));
    EXPECT_NE(chosen.front(), Model().List()->Get(0));
    EXPECT_EQ(Page().SelectedFingerings(2), (std::vector{Shown(0), Shown(1)}));
    EXPECT_EQ(Marks(board::BoardCollection::kChordBoard), MarksOf(Shown(0)));
}

TEST_F(ChordMultiSelectionTest, TheContextMenuOffersAddToChordSheetForRowsWithFingerings)
{
    // Nothing listed yet.
    EXPECT_FALSE(window_->CanAddToChordSheet());
    RunSearch({"C", "E", "G"});
    Click(2);
    Click(5, kShift);
    RightClick(4);  // a selected row: the selection stays
    QMenu& menu = Page().ContextMenu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu.isVisible(); }));
    EXPECT_TRUE(menu.actions().contains(&Page().AddToSheetAction()));
    EXPECT_TRUE(Page().AddToSheetAction().isEnabled());
    EXPECT_EQ(Page().AddToSheetAction().text(), QStringLiteral("Add to chord sheet"));
    EXPECT_EQ(Page().SelectedCount(), 4);

    QSignalSpy requested(window_.get(), &CalcWindow::AddToChordSheetRequested);
    Page().AddToSheetAction().trigger();
    menu.hide();
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.at(0).at(0).value<std::vector<theory::ChordFingering>>(),
        (std::vector{Shown(2), Shown(3), Shown(4), Shown(5)}));

    RightClick(8);  // not selected: selected alone first
    menu.hide();
    EXPECT_EQ(Page().SelectedCount(), 1);
    EXPECT_EQ(Page().SelectedFingerings(5), std::vector{Shown(8)});

    // Ctrl+A over more rows than the sheet takes at once: the first kMaxSheetAdd go. The list
    // takes Ctrl+A ahead of a window shortcut on the same keys.
    QShortcut windowShortcut(QKeySequence(QStringLiteral("Ctrl+A")), window_.get());
    QSignalSpy shortcutFired(&windowShortcut, &QShortcut::activated);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    auto* go = Page().findChild<QPushButton*>(QStringLiteral("go"));
    go->setFocus();
    QTest::keyClick(go, Qt::Key_A, kCtrl);
    EXPECT_EQ(shortcutFired.count(), 1);  // the shortcut works elsewhere
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_A, kCtrl);
    EXPECT_EQ(shortcutFired.count(), 1);
    EXPECT_EQ(window_->SelectedChordCount(), Model().rowCount());
    ASSERT_GT(Model().rowCount(), static_cast<int>(CalcWindow::kMaxSheetAdd));
    window_->AddSelectionToChordSheet();
    ASSERT_EQ(requested.count(), 2);
    const auto all = requested.at(1).at(0).value<std::vector<theory::ChordFingering>>();
    ASSERT_EQ(all.size(), CalcWindow::kMaxSheetAdd);
    EXPECT_EQ(all.back(), Shown(static_cast<int>(CalcWindow::kMaxSheetAdd) - 1));

    // Nothing selected: nothing to add.
    List().SelectRow(-1);
    EXPECT_FALSE(window_->CanAddToChordSheet());
    EXPECT_FALSE(Page().AddToSheetAction().isEnabled());
    window_->AddSelectionToChordSheet();
    EXPECT_EQ(requested.count(), 2);
}

TEST_F(ChordMultiSelectionTest, TheNoticeRowCannotBeAdded)
{
    LoadChord({"C", "E", "G"});
    theory::ChordSearchRequest request;
    request.lowestFret = 3;
    request.highestFret = 3;  // no C, E and G on fret 3 alone
    engine_.Chords().SetRequest(request);
    RunSearch({"C", "E", "G"});
    ASSERT_TRUE(Model().ShowsNotice());
    RightClick(0);
    Page().ContextMenu().hide();
    EXPECT_EQ(List().SelectedRow(), 0);
    EXPECT_FALSE(Page().AddToSheetAction().isEnabled());
    EXPECT_FALSE(window_->CanAddToChordSheet());
    EXPECT_TRUE(Page().SelectedFingerings(5).empty());
}

}  // namespace
}  // namespace guivarna::calc
