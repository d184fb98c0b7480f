#include "calc/interval_stacker.h"
#include "widgets/window_placement.h"

#include "board/board_collection.h"
#include "tests/board/board_test_support.h"
#include "widgets/balloon_tip.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace guivarna::calc {
namespace {

class IntervalStackerTest : public ::testing::Test {
protected:
    void SetUp() override { fixture_.Load(); }
    void TearDown() override
    {
        dialog_.reset();
        for (widgets::BalloonTip* balloon : widgets::OpenBalloons())
            delete balloon;
    }

    board::BoardCollection& Boards() { return fixture_.Boards(); }
    board::FretBoard& ScaleBoard() { return Boards().Board(board::BoardCollection::kScaleBoard); }

    IntervalStacker& Open()
    {
        dialog_ = std::make_unique<IntervalStacker>(Boards(), fixture_.Store());
        dialog_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
        return *dialog_;
    }

    template <typename T> T* Child(const char* name)
    {
        T* child = dialog_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    void Click(const char* name) { QTest::mouseClick(Child<QPushButton>(name), Qt::LeftButton); }
    void ClickInterval(const char* interval)
    {
        Click((std::string("interval_") + interval).c_str());
    }
    void SelectString(int row) { Child<QTableView>("stringsList")->selectRow(row); }
    int Rows(const char* list) { return Child<QTableView>(list)->model()->rowCount(); }
    QString Cell(const char* list, int row)
    {
        auto* model = Child<QTableView>(list)->model();
        return model->data(model->index(row, 0)).toString();
    }

    // The title of the one open balloon, which must point at the centre of the named control.
    QString BalloonAt(const char* control)
    {
        const auto balloons = widgets::OpenBalloons();
        if (balloons.size() != 1)
            return QStringLiteral("<%1 balloons>").arg(balloons.size());
        const widgets::BalloonGeometry& g = balloons.front()->Geometry();
        auto* anchor = Child<QWidget>(control);
        EXPECT_EQ(g.window.topLeft() + g.Tip(), anchor->mapToGlobal(anchor->rect().center()));
        return balloons.front()->Title();
    }

    std::vector<std::pair<int, int>> Marks() { return ScaleBoard().MarkedPositions(); }

    board::test::BoardFixture fixture_;
    std::unique_ptr<IntervalStacker> dialog_;
};

TEST_F(IntervalStackerTest, OpensOnTheScaleBoardsStringsWithTheRootOnTheLastString)
{
    Open();
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Interval stacker - for Quill"));
    ASSERT_EQ(Rows("stringsList"), 6);
    const QStringList names = {QStringLiteral("E"), QStringLiteral("B"), QStringLiteral("G"),
        QStringLiteral("D"), QStringLiteral("A"), QStringLiteral("E")};
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(Cell("stringsList", row), names[row]);
    auto* rootString = Child<QComboBox>("rootStringList");
    EXPECT_EQ(rootString->count(), 6);
    EXPECT_EQ(rootString->currentIndex(), 5);
    auto* rootNote = Child<QComboBox>("rootNoteList");
    ASSERT_EQ(rootNote->count(), 25);
    EXPECT_EQ(rootNote->itemText(0), QStringLiteral("E (fret 0)"));
    EXPECT_EQ(rootNote->itemText(1), QStringLiteral("F (fret 1)"));
    EXPECT_EQ(rootNote->itemText(24), QStringLiteral("E (fret 24)"));
    EXPECT_EQ(rootNote->currentIndex(), 0);

    rootString->setCurrentIndex(2);
    EXPECT_EQ(rootNote->itemText(3), QStringLiteral("Bb (fret 3)"));
    EXPECT_EQ(rootNote->currentIndex(), 0);
}

TEST_F(IntervalStackerTest, OkWithoutIntervalsShowsTheBalloonAndStaysOpen)
{
    ScaleBoard().Row(0).SetDot(3, true);
    Open();
    Click("okButton");
    EXPECT_EQ(BalloonAt("intervalList"), QStringLiteral("Intervals"));
    EXPECT_EQ(widgets::OpenBalloons().front()->Content(),
        QStringLiteral("Please make a selection before continuing!!"));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(Marks(), (std::vector<std::pair<int, int>>{{0, 3}}));
}

TEST_F(IntervalStackerTest, TheTwentyFirstIntervalIsRefused)
{
    Open();
    for (int i = 0; i < 19; ++i)
        ClickInterval("2");
    ClickInterval("b3");
    EXPECT_EQ(Rows("intervalList"), 20);
    EXPECT_TRUE(widgets::OpenBalloons().isEmpty());
    ClickInterval("7");
    EXPECT_EQ(Rows("intervalList"), 20);
    EXPECT_EQ(Cell("intervalList", 19), QStringLiteral("b3"));
    EXPECT_EQ(BalloonAt("intervalList"), QStringLiteral("Interval Selector"));
    EXPECT_EQ(widgets::OpenBalloons().front()->Content(),
        QStringLiteral("Don't be ridiculous; please select a reasonable number of intervals; "
                       "less than 10 will do..."));

    Click("clearButton");
    EXPECT_EQ(Rows("intervalList"), 0);
    ClickInterval("7");
    EXPECT_EQ(dialog_->Intervals(), QStringList{QStringLiteral("7")});
}

TEST_F(IntervalStackerTest, TheLastStringCannotBeRemoved)
{
    Open();
    for (int left = 6; left > 1; --left) {
        SelectString(0);
        Click("removeButton");
        EXPECT_EQ(Rows("stringsList"), left - 1);
    }
    EXPECT_TRUE(widgets::OpenBalloons().isEmpty());
    SelectString(0);
    Click("removeButton");
    EXPECT_EQ(Rows("stringsList"), 1);
    EXPECT_EQ(Cell("stringsList", 0), QStringLiteral("E"));
    EXPECT_EQ(BalloonAt("stringsList"), QStringLiteral("Strings"));
    EXPECT_EQ(widgets::OpenBalloons().front()->Content(),
        QStringLiteral("Since it isn't possible to show any notes without a string, I simply "
                       "can't let you remove 'em all!"));
    EXPECT_EQ(dialog_->ChosenStrings(), std::vector<int>{5});

    Click("resetButton");
    EXPECT_EQ(Rows("stringsList"), 6);
    EXPECT_EQ(Child<QComboBox>("rootStringList")->count(), 6);
}

TEST_F(IntervalStackerTest, RemovingTheRootStringMovesTheRootToTheLastEntryAtFretZero)
{
    Open();
    auto* rootString = Child<QComboBox>("rootStringList");
    auto* rootNote = Child<QComboBox>("rootNoteList");
    rootString->setCurrentIndex(2);
    rootNote->setCurrentIndex(5);

    // Removing another string keeps the root where it is.
    SelectString(0);
    Click("removeButton");
    EXPECT_EQ(dialog_->RootString(), 2);
    EXPECT_EQ(dialog_->RootFret(), 5);
    EXPECT_EQ(rootString->currentText(), QStringLiteral("G"));

    SelectString(1);  // the G string, now the second row
    Click("removeButton");
    EXPECT_EQ(rootString->count(), 4);
    EXPECT_EQ(rootString->currentIndex(), 3);
    EXPECT_EQ(dialog_->RootString(), 5);
    EXPECT_EQ(dialog_->RootFret(), 0);
    EXPECT_EQ(rootNote->currentText(), QStringLiteral("E (fret 0)"));
    EXPECT_EQ(dialog_->ChosenStrings(), (std::vector<int>{1, 3, 4, 5}));
}

TEST_F(IntervalStackerTest, RemoveWithoutSelectionChangesNothing)
{
    Open();
    Click("removeButton");
    EXPECT_EQ(Rows("stringsList"), 6);
    EXPECT_TRUE(widgets::OpenBalloons().isEmpty());
}

TEST_F(IntervalStackerTest, CancelChangesNothing)
{
    ScaleBoard().Row(2).SetDot(7, true);
    Open();
    for (const char* interval : {"2", "2", "b2"})
        ClickInterval(interval);
    SelectString(2);
    Click("removeButton");
    Click("cancelButton");
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(Marks(), (std::vector<std::pair<int, int>>{{2, 7}}));
}

TEST_F(IntervalStackerTest, OkMarksTheStackOnTheChosenStringsAndCloses)
{
    ScaleBoard().Row(0).SetDot(1, true);  // F is not in C major: OK clears it
    Open();
    for (const char* interval : {"2", "2", "b2", "2", "2", "2", "b2"})
        ClickInterval(interval);
    Child<QComboBox>("rootNoteList")->setCurrentIndex(8);  // C on the sixth string
    SelectString(1);
    Click("removeButton");  // the B string keeps no marks
    Click("okButton");
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);

    const std::set<int> cMajor = {0, 2, 4, 5, 7, 9, 11};
    std::vector<std::pair<int, int>> expected;
    const int tuning[] = {64, 59, 55, 50, 45, 40};
    for (int s : {0, 2, 3, 4, 5}) {
        for (int f = 0; f < 25; ++f) {
            if (cMajor.count((tuning[s] + f) % 12) != 0)
                expected.emplace_back(s, f);
        }
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Marks(), expected);
}

TEST_F(IntervalStackerTest, PlacementRoundTrip)
{
    Open();
    const QRect placed(120, 90, dialog_->width() + 40, dialog_->height() + 30);
    dialog_->setGeometry(placed);
    dialog_.reset();
    widgets::WindowPlacement stored;
    ASSERT_TRUE(
        widgets::ReadPlacement(fixture_.Store(), u"WindowPlacement\\FlagsIntervalStacker", stored));
    EXPECT_EQ(stored.normalLeft, placed.left());
    EXPECT_EQ(stored.normalBottom, placed.top() + placed.height());

    Open();
    EXPECT_EQ(dialog_->geometry().size(), placed.size());
    EXPECT_EQ(dialog_->geometry().topLeft(), placed.topLeft());
}

}  // namespace
}  // namespace guivarna::calc
