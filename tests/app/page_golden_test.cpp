// The whole page as the board view shows it, compared with a reference picture committed under
// tests/golden. Any change to the drawing of the paper, the boards or the panels shows up here.
// scripts/update-golden rewrites the reference; a mismatch leaves the rendered picture and a
// difference picture beside the test's output.
#include "app/kova_view.h"
#include "board/board_collection.h"
#include "tests/app/app_test_fixture.h"
#include "tests/support/golden_image.h"

#include "theory/search/search_engine.h"

namespace guivarna {
namespace {

class PageGoldenTest : public test::AppTest {
protected:
    // A C7 chord with its first fingering on the ChordBoard, the first seven-tone scale chosen,
    // and a few marks on the ScaleBoard.
    void MarkThePage()
    {
        const theory::ChordFingering fingering =
            test::SelectFirstFingering(*objects_, {"C", "E", "G", "Bb"});
        objects_->boards.ShowFingering(board::BoardCollection::kChordBoard, fingering);
        test::SelectFirstSevenToneScale(*objects_);

        board::FretBoard& scaleBoard = objects_->boards.Board(board::BoardCollection::kScaleBoard);
        for (const auto& [string, fret] : {std::pair{0, 0}, {1, 3}, {2, 5}, {3, 7}, {5, 12}})
            scaleBoard.Row(string).SetDot(fret, true);
    }
};

TEST_F(PageGoldenTest, WholePageMatchesTheReference)
{
    KovaView& view = MakeView(QSize(880, 1200));
    view.SetZoom(1.0);

    MarkThePage();
    const QImage page = view.viewport()->grab().toImage();
    test::ExpectMatchesGolden(page, QStringLiteral("whole_page"));
}

}  // namespace
}  // namespace guivarna
