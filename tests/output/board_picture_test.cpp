#include "output/board_picture.h"

#include "board/board_collection.h"
#include "board/drawing/device_mapping.h"
#include "board/fret_board.h"
#include "board/string_row.h"
#include "settings/settings_store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace guivarna::output {
namespace {

constexpr QRgb kOrange = 0xFFFFA500;

// Pixels of about the dot colour inside a scene rectangle of the picture.
int OrangePixels(const QImage& image, const board::DeviceMapping& mapping, const QRect& scene)
{
    const QRect pixels = mapping.HitRect(scene).intersected(image.rect());
    int count = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count +=
                std::abs(c.red() - 255) < 30 && std::abs(c.green() - 165) < 30 && c.blue() < 40;
        }
    }
    return count;
}

class BoardPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_ = std::make_unique<settings::SettingsStore>(dir_.filePath(QStringLiteral("s.conf")));
        boards_.Load(*store_);
    }

    QTemporaryDir dir_;
    std::unique_ptr<settings::SettingsStore> store_;
    board::BoardCollection boards_;
};

TEST_F(BoardPictureTest, HasTheBoardsPixelSizeAndShowsOnlyItsMarks)
{
    for (const double dpi : {96.0, 192.0}) {
        SCOPED_TRACE(dpi);
        const board::DeviceMapping mapping(dpi, dpi);
        board::FretBoard& chordBoard = boards_.Board(board::BoardCollection::kChordBoard);
        chordBoard.Clear();
        chordBoard.Row(0).SetDot(5, true);

        const QPoint before = chordBoard.Position();
        const QImage picture = BoardPicture(chordBoard, mapping);
        EXPECT_EQ(chordBoard.Position(), before);
        ASSERT_EQ(picture.size(), chordBoard.DeviceSizeInt(mapping));
        EXPECT_NEAR(picture.width(), 2000 * dpi / 254.0, 1.0);  // 25 frets of 8 mm

        // Cells of a board placed at (0, 0): fret f of string s spans (80 f, 50 s, 80, 50).
        EXPECT_GT(OrangePixels(picture, mapping, QRect(400, 0, 80, 50)), 20);
        EXPECT_EQ(OrangePixels(picture, mapping, QRect(480, 0, 80, 50)), 0);
        EXPECT_EQ(OrangePixels(picture, mapping, QRect(400, 50, 80, 50)), 0);
        EXPECT_EQ(picture.pixelColor(2, 2), QColor(Qt::white));
    }
}

}  // namespace
}  // namespace guivarna::output
