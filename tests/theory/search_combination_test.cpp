#include "theory/combination_cursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace guivarna::theory {
namespace {

std::vector<std::vector<int>> All(int first, int end, int k)
{
    std::vector<std::vector<int>> all;
    for (CombinationCursor c(first, end, k); !c.Done(); c.Advance()) {
        std::vector<int> positions;
        for (int i = 0; i < c.Size(); ++i)
            positions.push_back(c[i]);
        all.push_back(positions);
    }
    return all;
}

TEST(CombinationCursor, LexicographicOrder)
{
    EXPECT_EQ(All(0, 4, 2),
        (std::vector<std::vector<int>>{{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}));
    EXPECT_EQ(All(3, 6, 3), (std::vector<std::vector<int>>{{3, 4, 5}}));
    EXPECT_EQ(All(0, 24, 24).size(), 1u);
    EXPECT_EQ(All(0, 16, 8).size(), 12870u);
}

TEST(CombinationCursor, ImpossibleChoicesAreDoneAtOnce)
{
    EXPECT_TRUE(All(0, 3, 4).empty());
    EXPECT_TRUE(All(0, 3, 0).empty());
    EXPECT_TRUE(All(0, 30, 25).empty());
    EXPECT_TRUE(CombinationCursor().Done());
}

}  // namespace
}  // namespace guivarna::theory
