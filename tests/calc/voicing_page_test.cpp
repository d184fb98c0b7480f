#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"
#include "calc/voicing_options_bar.h"
#include "calc/voicing_page.h"
#include "settings/setting.h"

#include "tests/calc/calc_test_support.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace guivarna::calc {
namespace {

constexpr int kMajor = 1 | 1 << 4 | 1 << 7;

class VoicingPageTest : public test::CalcObjects {
protected:
    void SetUp() override
    {
        CalcObjects::SetUp();
        window_ = std::make_unique<CalcWindow>(engine_, theory_, boards_);
        window_->resize(900, 400);
        window_->show();
    }

    VoicingResultPage& Page() const { return window_->VoicingPage(); }
    ResultListView& List() const { return Page().List(); }
    QAbstractItemModel& Model() const { return Page().Model(); }
    QString Cell(int row, int column) const { return Model().index(row, column).data().toString(); }
    void Voice(theory::PitchClass root, int intervals, theory::PitchClass bass)
    {
        window_->VoicingsGo(root, intervals, bass);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Page().Runner().HasWorker(); }, 20000));
        QCoreApplication::processEvents();
    }
    int RowOf(const QString& frets) const
    {
        for (int row = 0; row < Model().rowCount(); ++row) {
            if (Cell(row, VoicingResultModel::kFretsColumn) == frets)
                return row;
        }
        return -1;
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        List().verticalScrollBar()->setValue(0);
        ASSERT_FALSE(List().RowRect(row).isEmpty()) << row;
        QTest::mouseClick(
            List().viewport(), Qt::LeftButton, modifiers, List().RowRect(row).center());
    }
    void ClickHeader(int column)
    {
        QHeaderView* header = List().header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            {header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                header->height() / 2});
    }

    std::unique_ptr<CalcWindow> window_;
};

// x32010 (string 1 first, 0,1,0,2,3,x) comes among the first rows of C, with its fingers; a
// click shows it on the ChordBoard, and three selected rows go to the sheet in row order.
TEST_F(VoicingPageTest, CListsTheBookShapeFirstShowsItAndAddsRowsToTheSheet)
{
    Voice(0, kMajor, theory::kNoPitchClass);
    EXPECT_EQ(window_->Tabs().currentWidget(), &Page());
    const int row = RowOf(QStringLiteral("0 - 1 - 0 - 2 - 3 - x"));
    ASSERT_GE(row, 0);
    EXPECT_LT(row, 3);
    EXPECT_EQ(
        Cell(row, VoicingResultModel::kFingersColumn), QStringLiteral("0 - 1 - 0 - 2 - 3 - x"));
    EXPECT_EQ(Cell(row, VoicingResultModel::kNameColumn), QStringLiteral("C"));
    auto* status = Page().findChild<QLabel*>(QStringLiteral("runStatus"));
    EXPECT_EQ(status->text(), QStringLiteral("%1 voicings").arg(Model().rowCount()));

    Click(row);
    EXPECT_EQ(Marks(board::BoardCollection::kChordBoard),
        (std::vector<std::pair<int, int>>{{1, 0}, {2, 1}, {3, 0}, {4, 2}, {5, 3}}));
    Click(3, Qt::ControlModifier);
    Click(4, Qt::ControlModifier);
    ASSERT_TRUE(window_->CanAddToChordSheet());
    EXPECT_EQ(window_->SelectedChordCount(), 3);
    EXPECT_EQ(window_->ChordListRoot(), 0);
    EXPECT_EQ(window_->ChordListTuning(), (std::vector<theory::Note>{64, 59, 55, 50, 45, 40}));
    QSignalSpy requested(window_.get(), &CalcWindow::AddToChordSheetRequested);
    window_->AddSelectionToChordSheet();
    ASSERT_EQ(requested.count(), 1);
    const auto added = requested.at(0).at(0).value<std::vector<theory::ChordFingering>>();
    ASSERT_EQ(added.size(), 3u);
    EXPECT_EQ(added[0].FretBoardPosition, (std::vector<std::uint32_t>{0, 1, 0, 2, 3}));
    EXPECT_EQ(added[0].StringNotes, (std::vector<std::uint32_t>{64, 60, 67, 64, 60}));

    // The chord list's tab takes "Add to chord sheet" back to its own (empty) selection.
    window_->Tabs().setCurrentWidget(&window_->ChordPage());
    EXPECT_FALSE(window_->CanAddToChordSheet());
}

TEST_F(VoicingPageTest, HeaderClicksSortAndTheThirdRestoresTheRankedOrder)
{
    Voice(0, kMajor, theory::kNoPitchClass);
    const QString best = Cell(0, VoicingResultModel::kFretsColumn);
    const int rows = Model().rowCount();
    ASSERT_GT(rows, 10);
    for (const bool descending : {false, true}) {
        ClickHeader(VoicingResultModel::kDifficultyColumn);
        for (int row = 1; row < rows; ++row) {
            const int before = Cell(row - 1, VoicingResultModel::kDifficultyColumn).toInt();
            const int after = Cell(row, VoicingResultModel::kDifficultyColumn).toInt();
            ASSERT_TRUE(descending ? before >= after : before <= after) << row;
        }
    }
    ClickHeader(VoicingResultModel::kDifficultyColumn);
    EXPECT_FALSE(List().header()->isSortIndicatorShown());
    EXPECT_EQ(Cell(0, VoicingResultModel::kFretsColumn), best);
}

// A slash symbol's bass holds whatever the bass box says, and every row is named for it.
TEST_F(VoicingPageTest, ASlashBassIsTheLowestNoteOfEveryRow)
{
    Voice(0, kMajor, 4);
    ASSERT_GT(Model().rowCount(), 0);
    for (int row = 0; row < Model().rowCount(); ++row)
        ASSERT_EQ(Cell(row, VoicingResultModel::kNameColumn), QStringLiteral("C/E")) << row;
}

// The options row is kept in the settings; values out of range or a range upside down read as
// the defaults.
TEST_F(VoicingPageTest, TheOptionsRowIsRememberedAndBadValuesFallBack)
{
    VoicingOptionsBar& bar = Page().OptionsBar();
    auto* span = bar.findChild<QSpinBox*>(QStringLiteral("voicingSpan"));
    auto* bass = bar.findChild<QComboBox*>(QStringLiteral("voicingBass"));
    span->setFocus();
    QTest::keyClick(span, Qt::Key_Down);
    bass->setCurrentIndex(2);
    VoicingOptions chosen = bar.Options();
    EXPECT_EQ(chosen.span, 3);
    EXPECT_EQ(chosen.bass, VoicingOptions::Bass::Any);
    window_->SavePlacement(*store_);
    QMainWindow frame;
    auto* again = new CalcWindow(engine_, theory_, boards_, &frame);
    again->Place(frame, *store_);
    EXPECT_EQ(again->VoicingPage().OptionsBar().Options(), chosen);

    store_->WriteInt(u"CalcWindow\\VoicingBass", 9);
    store_->WriteInt(u"CalcWindow\\VoicingLowestFret", 10);
    store_->WriteInt(u"CalcWindow\\VoicingHighestFret", 5);
    const VoicingOptions read = VoicingOptions::Read(*store_, u"CalcWindow");
    EXPECT_EQ(read.bass, VoicingOptions::Bass::AsBooks);
    EXPECT_EQ(read.lowestFret, 0);
    EXPECT_EQ(read.highestFret, 12);
    EXPECT_EQ(read.span, 3);
}

}  // namespace
}  // namespace guivarna::calc
