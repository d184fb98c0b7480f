#include "output/export_names.h"

#include <gtest/gtest.h>

namespace guivarna::output {
namespace {

TEST(ExportNames, FingeringNames)
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

}  // namespace
}  // namespace guivarna::output
