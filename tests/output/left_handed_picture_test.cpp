#include "output/board_picture.h"

#include "board/board_collection.h"
#include "board/drawing/device_mapping.h"
#include "board/fret_board.h"
#include "settings/settings_store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace guivarna::output {
namespace {

// Pixels of the area whose colours differ by more than a trace of antialiasing.
int DifferingPixels(const QImage& a, const QImage& b, const QRect& area)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            differing += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                    std::abs(p.blue() - q.blue()) >
                60;
        }
    }
    return differing;
}

int InkPixels(const QImage& image, const QRect& area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += image.pixelColor(x, y).lightness() < 128;
    return ink;
}

// At 254 dpi one scene unit is one pixel: cells are 80 x 50 pixels, 25 frets, six strings and
// the fret-number row below them.
TEST(LeftHandedPicture, IsTheMirrorImageWithReadableTexts)
{
    QTemporaryDir dir;
    settings::SettingsStore store(dir.filePath(QStringLiteral("s.conf")));
    board::BoardCollection boards;
    boards.Load(store);
    board::FretBoard& board = boards.Board(board::BoardCollection::kChordBoard);
    const board::DeviceMapping mapping(254.0);
    board.Row(0).SetDot(3, true);  // G, drawn with its name

    const QImage right = BoardPicture(board, mapping);
    boards.SetLeftHanded(true);
    const QImage left = BoardPicture(board, mapping);
    ASSERT_EQ(left.size(), right.size());
    ASSERT_EQ(right.size(), QSize(2000, 350));

    // Lines and strings: the mirror image, away from the marked cell and the fret numbers.
    const QImage mirrored = left.mirrored(true, false);
    const QRect strings(0, 50, 2000, 250);
    EXPECT_LT(DifferingPixels(right, mirrored, strings), 20);
    EXPECT_GT(DifferingPixels(right, left, strings), 1000);

    // Texts read the same way: the label "7" and the dot "G" sit at mirrored places but are
    // drawn as they are on the right-handed board, not as mirror images.
    struct Text {
        QRect rightHanded;
        QRect leftHanded;
    };
    const Text texts[] = {
        {QRect(7 * 80, 300, 80, 50), QRect(17 * 80, 300, 80, 50)},  // fret label 7
        {QRect(3 * 80 + 20, 2, 40, 46), QRect(21 * 80 + 20, 2, 40, 46)},  // the dot's G
    };
    for (const Text& text : texts) {
        const QImage ours = right.copy(text.rightHanded);
        const QImage theirs = left.copy(text.leftHanded);
        ASSERT_GT(InkPixels(ours, ours.rect()), 10);
        EXPECT_LT(DifferingPixels(ours, theirs, ours.rect()), 5);
        EXPECT_GT(DifferingPixels(ours.mirrored(true, false), theirs, ours.rect()), 5);
    }
}

}  // namespace
}  // namespace guivarna::output
