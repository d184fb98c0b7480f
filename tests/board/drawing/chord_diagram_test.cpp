#include "board/drawing/chord_diagram.h"
#include "theory/notes/instrument_limits.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace guivarna::board {
namespace {

using namespace diagram_metrics;

// A shape written lowest string first, as chord books write it.
theory::ChordShape Shape(const std::vector<int>& lowFirst, const std::vector<int>& fingers = {},
    const std::vector<theory::Barre>& barres = {})
{
    const std::vector<int> frets(lowFirst.rbegin(), lowFirst.rend());
    std::vector<int> highFirst(fingers.rbegin(), fingers.rend());
    highFirst.resize(frets.size(), 0);
    return {"X", frets, highFirst, barres, {}};
}

TEST(ChordDiagram, NutOrBaseFretAndRows)
{
    struct Case {
        std::vector<int> frets;  // lowest string first
        bool nut;
        int firstFret;
        int rows;
    };
    const std::vector<Case> cases = {
        {{-1, 3, 2, 0, 1, 0}, true, 1, 4},  // reaches fret 1
        {{-1, 0, 2, 2, 2, 0}, true, 1, 4},  // open strings within the first frets
        {{-1, -1, -1, -1, -1, -1}, true, 1, 4},  // nothing fretted
        {{-1, 2, 4, 4, 4, 2}, false, 2, 4},
        {{8, 10, 10, 9, 8, 8}, false, 8, 4},
        {{5, 7, 9, -1, -1, -1}, false, 5, 5},  // a wide span gets more rows
        {{0, 7, 9, -1, -1, -1}, false, 7, 4},  // open, but far up the neck
        {{1, 6}, true, 1, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.frets));
        const ChordDiagramLayout layout = LayoutChordDiagram(Shape(c.frets), false);
        EXPECT_EQ(layout.nut, c.nut);
        EXPECT_EQ(layout.firstFret, c.firstFret);
        EXPECT_EQ(layout.rows, c.rows);
        EXPECT_EQ(layout.fretLabelRect.isEmpty(), c.nut);
        EXPECT_EQ(layout.grid.height(), c.rows * kFretSpacing);
    }
}

TEST(ChordDiagram, MarksDotsAndBarresLieOnTheirStrings)
{
    // x24442 (B): a barre of 1 at fret 2 from the A string up, one of 3 at fret 4.
    const theory::ChordShape b =
        Shape({-1, 2, 4, 4, 4, 2}, {0, 1, 3, 3, 3, 1}, {{1, 2, 1, 5}, {3, 4, 2, 4}});
    for (const bool leftHanded : {false, true}) {
        SCOPED_TRACE(leftHanded);
        const ChordDiagramLayout layout = LayoutChordDiagram(b, leftHanded);
        const auto x = [&](int string) { return layout.stringX[string]; };
        // The lowest string is on the left, mirrored for the left hand.
        EXPECT_EQ(x(0) < x(5), !leftHanded);
        ASSERT_EQ(layout.markers.size(), 1u);
        EXPECT_EQ(layout.markers[0].centre.x(), x(0));
        EXPECT_FALSE(layout.markers[0].open);
        EXPECT_LT(layout.markers[0].centre.y() + 13, layout.grid.top() - kNutThickness);
        ASSERT_EQ(layout.dots.size(), 5u);
        ASSERT_EQ(layout.barres.size(), 2u);
        const QRect first = layout.barres[0].rect;
        EXPECT_EQ(first.left(), std::min(x(1), x(5)) - kDotRadius);
        EXPECT_EQ(first.right(), std::max(x(1), x(5)) + kDotRadius);
        EXPECT_EQ(first.center().y(), layout.grid.top() + kFretSpacing / 2);
        EXPECT_EQ(layout.barres[1].finger, 3);
        EXPECT_EQ(layout.barres[1].rect.width(), 2 * kStringSpacing + 2 * kDotRadius + 1);
        for (const ChordDiagramLayout::Dot& dot : layout.dots)
            EXPECT_TRUE(dot.underBarre);
    }
}

TEST(ChordDiagram, RootsNeedTheTuning)
{
    // x32010 on standard tuning: C on the A string (fret 3) and the B string (fret 1).
    theory::ChordShape c = Shape({-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0});
    EXPECT_FALSE(LayoutChordDiagram(c, false, 0).dots[0].root);
    c.tuning = {64, 59, 55, 50, 45, 40};
    std::vector<bool> roots;
    for (const auto& dot : LayoutChordDiagram(c, false, 0).dots)
        roots.push_back(dot.root);
    EXPECT_EQ(roots, (std::vector<bool>{true, false, true}));
}

TEST(ChordDiagram, AnyStringCountFitsAndDraws)
{
    for (const int strings : {1, 2, 6, 12, 24}) {
        SCOPED_TRACE(strings);
        std::vector<int> frets(static_cast<std::size_t>(strings), 0);
        frets[0] = 3;
        const ChordDiagramLayout layout = LayoutChordDiagram(Shape(frets), false);
        EXPECT_EQ(static_cast<int>(layout.stringX.size()), strings);
        EXPECT_GE(layout.stringX.front(), kSideMargin);
        EXPECT_LE(layout.stringX.back() + kSideMargin, layout.size.width());
        // The dot on the lowest string is drawn where the layout puts it, at 254 dpi (one pixel
        // per scene unit).
        QImage image(layout.size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawChordDiagram(painter, DeviceMapping(254.0), layout, QStringLiteral("C13(#11)"), {});
        painter.end();
        const QPoint dot = layout.dots[0].centre + QPoint(kDotRadius / 2, kDotRadius / 2);
        EXPECT_LT(qGray(image.pixel(dot)), 60);
        EXPECT_EQ(qGray(image.pixel(layout.size.width() - 2, layout.size.height() - 2)), 255);
    }
}

}  // namespace
}  // namespace guivarna::board
