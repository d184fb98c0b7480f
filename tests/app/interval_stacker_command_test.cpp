#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"

#include "calc/interval_stacker.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include <set>

namespace guivarna::test {
namespace {

using IntervalStackerCommand = AppTest;

// Every marked position of the ScaleBoard as (string, fret).
std::set<std::pair<int, int>> ScaleBoardMarks(board::BoardCollection& boards)
{
    const auto marks = boards.Board(board::BoardCollection::kScaleBoard).MarkedPositions();
    return {marks.begin(), marks.end()};
}

TEST_F(IntervalStackerCommand, CtrlIStacksTheMajorScaleFromCOverTheScaleBoard)
{
    MainFrame& frame = MakeFrame();
    bool opened = false;
    test::WhenModalOpens<calc::IntervalStacker>([&](calc::IntervalStacker& stacker) {
        auto* dialog = &stacker;
        opened = true;
        EXPECT_EQ(dialog->parentWidget(), nullptr);
        for (const char* interval : {"2", "2", "b2", "2", "2", "2", "b2"}) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(
                                  QStringLiteral("interval_") + QString::fromLatin1(interval)),
                Qt::LeftButton);
        }
        dialog->findChild<QComboBox*>(QStringLiteral("rootNoteList"))->setCurrentIndex(8);
        QTest::mouseClick(
            dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    QTest::keyClick(&frame, Qt::Key_I, Qt::ControlModifier);
    ASSERT_TRUE(opened);

    const int tuning[] = {64, 59, 55, 50, 45, 40};
    const std::set<int> cMajor = {0, 2, 4, 5, 7, 9, 11};
    std::set<std::pair<int, int>> expected;
    for (int s = 0; s < 6; ++s) {
        for (int f = 0; f < 25; ++f) {
            if (cMajor.count((tuning[s] + f) % 12) != 0)
                expected.emplace(s, f);
        }
    }
    EXPECT_EQ(ScaleBoardMarks(objects_->boards), expected);
}

}  // namespace
}  // namespace guivarna::test
