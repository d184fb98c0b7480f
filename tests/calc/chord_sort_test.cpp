#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/chord_row_sorter.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"

#include "tests/calc/calc_test_support.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace guivarna::calc {
namespace {

class ChordSortTest : public test::CalcObjects {
protected:
    void SetUp() override
    {
        CalcObjects::SetUp();
        // About 110 000 fingerings: a sort over several turns of the event loop.
        engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40, 35});
        page_ = std::make_unique<ChordResultPage>(engine_, theory_, boards_);
        page_->Runner().SetDelay(0);
        page_->resize(700, 300);
        page_->show();
    }
    void TearDown() override { page_.reset(); }

    ChordResultModel& Model() const { return static_cast<ChordResultModel&>(page_->Model()); }
    void RunSearch(const std::vector<std::string>& notes)
    {
        LoadChord(notes);
        page_->UpdateButtons();
        QTest::mouseClick(page_->findChild<QPushButton*>(QStringLiteral("go")), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !page_->Runner().HasWorker(); }, 20000));
        QCoreApplication::processEvents();
    }
    void ClickHeader(int column)
    {
        QHeaderView* header = page_->List().header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
    }
    bool SortEnded()
    {
        return QTest::qWaitFor([&] { return !page_->Sorting(); }, 20000);
    }
    int Difficulty(int row) const
    {
        const QString text =
            Model().data(Model().index(row, ChordResultModel::kDifficultyColumn)).toString();
        return text.isEmpty() ? 1000 : text.toInt();
    }
    std::string Row(int row) const
    {
        std::string text;
        for (int column = 0; column < 3; ++column)
            text += Model().data(Model().index(row, column)).toString().toStdString() + "|";
        return text;
    }

    std::unique_ptr<ChordResultPage> page_;
};

TEST_F(ChordSortTest, DifficultyHeaderSortsReversesAndRestoresKeepingTheSelection)
{
    RunSearch({"C", "E", "G", "B", "D"});
    const int rows = Model().rowCount();
    ASSERT_GT(rows, 100000);
    page_->List().SelectRow(1234);
    const std::string selected = Row(1234);
    const auto* progress = page_->findChild<QLabel*>(QStringLiteral("sortProgress"));

    ClickHeader(ChordResultModel::kDifficultyColumn);
    EXPECT_TRUE(page_->Sorting());
    EXPECT_TRUE(progress->isVisible());
    EXPECT_TRUE(progress->text().startsWith(QStringLiteral("Sorting by Difficulty... ")));
    ASSERT_TRUE(SortEnded());
    EXPECT_FALSE(progress->isVisible());
    ASSERT_EQ(Model().rowCount(), rows);
    // Easiest first; equal difficulties in search order.
    for (int row = 1; row < rows; row += 97) {
        ASSERT_LE(Difficulty(row - 1), Difficulty(row)) << row;
        if (Difficulty(row - 1) == Difficulty(row)) {
            ASSERT_LT(Model().ListIndex(row - 1), Model().ListIndex(row)) << row;
        }
    }
    EXPECT_NE(Model().ListIndex(0), 0u);
    EXPECT_EQ(Row(page_->List().SelectedRow()), selected);
    EXPECT_TRUE(engine_.Chords().ShownOrder() == Model().Order());

    ClickHeader(ChordResultModel::kDifficultyColumn);
    ASSERT_TRUE(SortEnded());
    EXPECT_GT(Difficulty(0), Difficulty(rows - 1));
    for (int row = 1; row < rows; row += 97)
        ASSERT_GE(Difficulty(row - 1), Difficulty(row)) << row;
    EXPECT_EQ(Row(page_->List().SelectedRow()), selected);

    ClickHeader(ChordResultModel::kDifficultyColumn);
    EXPECT_FALSE(page_->Sorting());
    EXPECT_TRUE(Model().Order().IsSearchOrder());
    EXPECT_TRUE(engine_.Chords().ShownOrder().IsSearchOrder());
    EXPECT_EQ(page_->List().SelectedRow(), 1234);
    EXPECT_EQ(Model().ListIndex(77), 77u);
}

TEST_F(ChordSortTest, ANewSearchOrANewSortCancelsTheSortInProgress)
{
    RunSearch({"C", "E", "G", "B", "D"});
    ClickHeader(ChordResultModel::kFingersColumn);
    ASSERT_TRUE(page_->Sorting());
    // Another column before the first sort ends: only the last one is applied.
    ClickHeader(0);
    ASSERT_TRUE(SortEnded());
    const auto& header = *page_->List().header();
    EXPECT_EQ(header.sortIndicatorSection(), 0);
    for (int row = 1; row < Model().rowCount(); row += 501) {
        ASSERT_LE(Model().List()->Get(Model().ListIndex(row - 1)).StringSet,
            Model().List()->Get(Model().ListIndex(row)).StringSet);
    }

    ClickHeader(ChordResultModel::kDifficultyColumn);
    ASSERT_TRUE(page_->Sorting());
    RunSearch({"C", "E", "G", "B"});
    EXPECT_FALSE(page_->Sorting());
    // Once the cancelled sort has reported, nothing of it shows.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page_->Sorter().WindingDown(); }, 10000));
    EXPECT_TRUE(Model().Order().IsSearchOrder());
    EXPECT_EQ(Model().ListIndex(5), 5u);
    EXPECT_FALSE(header.isSortIndicatorShown());
    EXPECT_TRUE(engine_.Chords().ShownOrder().IsSearchOrder());
}

TEST_F(ChordSortTest, AHeaderClickBeforeAnySearchSortsNothing)
{
    for (const int column : {0, ChordResultModel::kDifficultyColumn})
        ClickHeader(column);
    EXPECT_FALSE(page_->Sorting());
    EXPECT_FALSE(page_->List().header()->isSortIndicatorShown());
    EXPECT_EQ(Model().rowCount(), 0);
}

TEST_F(ChordSortTest, FingersAndDifficultyColumnsShowTheHandShape)
{
    engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40});
    RunSearch({"C", "E", "G"});
    ASSERT_EQ(Model().columnCount(), 5);
    EXPECT_EQ(Model().headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
        QStringLiteral("Fingers"));
    EXPECT_EQ(Model().headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
        QStringLiteral("Difficulty"));
    // Row 0 is C on strings 1 - 2 - 3 at frets 8 - 5 - 0.
    EXPECT_EQ(
        Model().data(Model().index(0, 3)).toString(), QStringLiteral("4 - 1 - 0 - x - x - x"));
    EXPECT_FALSE(Model().data(Model().index(0, 4)).toString().isEmpty());
}

}  // namespace
}  // namespace guivarna::calc
