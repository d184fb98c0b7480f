#include "app/main_frame.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"
#include "tests/app/app_test_fixture.h"

#include <QAction>
#include <QHeaderView>
#include <QTest>

namespace guivarna::test {
namespace {

// C major on the standard guitar over frets 0 - 5, sorted by "Difficulty": open shapes come
// first, and "Show fingers" in the ChordBoard menu is a saved, checkable command.
TEST_F(AppTest, SortedByDifficultyOpenCShapesComeFirstAndShowFingersIsChecked)
{
    MainFrame& frame = MakeFrame();
    calc::ChordResultPage& page = RunCMajorSearch(*objects_, frame);
    ASSERT_FALSE(page.Runner().HasWorker());

    QHeaderView* header = page.List().header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(calc::ChordResultModel::kDifficultyColumn) + 4,
            header->height() / 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.Sorting(); }, 10000));
    const calc::ResultListModel& model = page.Model();
    bool openShape = false;
    for (int row = 0; row < 5; ++row) {
        const QString frets = model.data(model.index(row, 2)).toString();
        openShape = openShape || frets.contains(QLatin1Char('0'));
    }
    EXPECT_TRUE(openShape);

    page.List().SelectRow(0);
    QAction* show = frame.action(CommandId::ShowFingers);
    ASSERT_NE(show, nullptr);
    EXPECT_TRUE(show->isCheckable());
    EXPECT_FALSE(show->isChecked());
    show->trigger();
    EXPECT_TRUE(objects_->boards.ShowFingers());
    if (const QByteArray shot = qgetenv("GUIVARNA_SCREENSHOT"); !shot.isEmpty())
        frame.grab().save(QString::fromLocal8Bit(shot));
}

}  // namespace
}  // namespace guivarna::test
