#include "theory/search/result_texts.h"

#include <gtest/gtest.h>

namespace guivarna::theory {
namespace {

TEST(ResultTexts, FingeringNames)
{
    struct Case {
        theory::ChordFingering fingering;
        const char* name;
    };
    const Case cases[] = {
        {{{1, 2, 3}, {60, 64, 67}, {8, 5, 0}}, "C1(8)_E2(5)_G3(0)"},
        {{{6}, {70}, {24}}, "Bb6(24)"},
        {{{2, 3, 4, 5}, {64, 67, 60, 64}, {0, 12, 10, 19}}, "E2(0)_G3(12)_C4(10)_E5(19)"},
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FingeringName(c.fingering), c.name);
}

TEST(ResultTexts, ChordAndScaleLines)
{
    const ChordFingering one{{3}, {67}, {0}};
    EXPECT_EQ(ChordStringsText(one), "3");
    EXPECT_EQ(ChordListLine(one), "3\t\t0\t\tG");
    const ChordFingering three{{1, 2, 3}, {60, 64, 67}, {8, 5, 0}};
    EXPECT_EQ(ChordStringsText(three), "1 - 2 - 3");
    EXPECT_EQ(ChordNotesText(three), "C - E - G");
    EXPECT_EQ(ChordFretsText(three), "8 - 5 - 0");
    EXPECT_EQ(ChordListLine(three), "1 - 2 - 3\t\t8 - 5 - 0\t\tC - E - G");
    EXPECT_EQ(ScaleText({60, 62, 64, 65, 67, 69, 71}), "C - D - E - F - G - A - B");
    EXPECT_EQ(ScaleText({}), "");
}

}  // namespace
}  // namespace guivarna::theory
