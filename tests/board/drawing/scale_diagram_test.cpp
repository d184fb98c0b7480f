#include "board/drawing/chord_diagram.h"
#include "board/drawing/scale_diagram.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/scale_catalogue.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace guivarna::board {
namespace {

using namespace diagram_metrics;

theory::ChordShape APentatonic(int number, bool horizontal)
{
    const std::vector<theory::Note> guitar = theory::StandardTuning();
    const auto positions = theory::ScalePositions({69, theory::FindScale("minor pentatonic")->mask},
        guitar, theory::FingeringSystem::Position);
    return theory::ShapeFromScalePosition(
        positions.at(static_cast<std::size_t>(number - 1)), guitar, 69, "Am", horizontal);
}

QImage Painted(const ScaleDiagramLayout& layout, bool fingers = true)
{
    // 254 dpi: one pixel per scene unit.
    QImage image(layout.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawScaleDiagram(painter, DeviceMapping(254.0), layout, QStringLiteral("Am"), {}, fingers);
    return image;
}

TEST(ScaleDiagram, BoxAtItsStartFretWithRootsHollow)
{
    for (const bool horizontal : {false, true}) {
        SCOPED_TRACE(horizontal);
        const ScaleDiagramLayout layout = LayoutScaleDiagram(APentatonic(1, horizontal), false);
        EXPECT_FALSE(layout.nut);
        EXPECT_EQ(layout.firstFret, 5);
        EXPECT_EQ(layout.rows, 4);
        EXPECT_FALSE(layout.fretLabelRect.isEmpty());
        ASSERT_EQ(layout.dots.size(), 12u);
        // The lowest string's first note is the root A at fret 5, index finger; the next one C.
        const auto& root = layout.dots[0];
        EXPECT_TRUE(root.root);
        EXPECT_EQ(root.finger, 1);
        EXPECT_FALSE(layout.dots[1].root);
        EXPECT_EQ(layout.dots[1].finger, 4);
        const QImage image = Painted(layout);
        // A plain dot is filled; a root's is hollow with a dark ring.
        EXPECT_LT(
            qGray(image.pixel(layout.dots[1].centre + QPoint(kDotRadius / 2, kDotRadius / 2))), 60);
        EXPECT_GT(qGray(image.pixel(root.centre + QPoint(10, 6))), 200);
        EXPECT_LT(qGray(image.pixel(root.centre + QPoint(kDotRadius - 3, 0))), 60);
        EXPECT_EQ(qGray(image.pixel(layout.size.width() - 2, layout.size.height() - 2)), 255);
        // Upright the lowest string is on the left; across it is at the bottom.
        if (horizontal)
            EXPECT_GT(root.centre.y(), layout.dots.back().centre.y());
        else
            EXPECT_LT(root.centre.x(), layout.dots.back().centre.x());
    }
}

TEST(ScaleDiagram, FingerDigitsOnlyWhenAsked)
{
    const ScaleDiagramLayout layout = LayoutScaleDiagram(APentatonic(1, false), false);
    const auto darkIn = [&](const QImage& image, QPoint centre) {
        int dark = 0;
        for (int dx = -8; dx <= 8; ++dx)
            for (int dy = -8; dy <= 8; ++dy)
                dark += qGray(image.pixel(centre + QPoint(dx, dy))) < 128 ? 1 : 0;
        return dark;
    };
    const QPoint plain = layout.dots[1].centre;
    // Without digits the middle of a filled dot is all ink; the digit shows white in it.
    EXPECT_LT(darkIn(Painted(layout, true), plain), darkIn(Painted(layout, false), plain));
}

TEST(ScaleDiagram, OpenStringsAreRingsBeyondTheNutAndLeftHandMirrors)
{
    // Box 4 of A minor pentatonic lies at the nut: open strings as rings above it.
    const auto positions = theory::ScalePositions({69, theory::FindScale("minor pentatonic")->mask},
        theory::StandardTuning(), theory::FingeringSystem::Position, {0, 4});
    ASSERT_EQ(positions.size(), 1u);
    const theory::ChordShape atNut =
        theory::ShapeFromScalePosition(positions[0], theory::StandardTuning(), 69, "Am");
    const ScaleDiagramLayout upright = LayoutScaleDiagram(atNut, false);
    EXPECT_TRUE(upright.nut);
    int rings = 0;
    for (const auto& dot : upright.dots)
        if (dot.open) {
            ++rings;
            EXPECT_LT(dot.centre.y(), upright.grid.top());
        }
    EXPECT_EQ(rings, 5);
    const ScaleDiagramLayout across = LayoutScaleDiagram(
        theory::ShapeFromScalePosition(positions[0], theory::StandardTuning(), 69, "Am", true),
        true);
    EXPECT_TRUE(across.nutOnRight);
    for (const auto& dot : across.dots)
        EXPECT_EQ(dot.open, dot.centre.x() > across.grid.right()) << dot.centre.x();
}

}  // namespace
}  // namespace guivarna::board
