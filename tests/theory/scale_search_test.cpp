#include "tests/theory/search_support.h"
#include "theory/scale_generator.h"

#include <gtest/gtest.h>

#include <bit>
#include <stdexcept>

namespace guivarna::theory::test {
namespace {

using Scale = std::vector<Note>;

class ScaleSearch : public ::testing::Test {
protected:
    MusicTheory theory;
    SearchEngine engine{theory};
};

TEST_F(ScaleSearch, SevenTonesWithoutFiltersGiveEverySubsetInOrder)
{
    engine.SetToneCount(7);
    const auto scales = RunScaleSearch(engine);
    ASSERT_EQ(scales.size(), 792u);
    EXPECT_EQ(scales.front(), (Scale{60, 61, 62, 63, 64, 65, 66}));
    EXPECT_EQ(scales.back(), (Scale{65, 66, 67, 68, 69, 70, 71}));
    EXPECT_TRUE(std::is_sorted(scales.begin(), scales.end()));
    EXPECT_EQ(engine.ScaleResultCount(), 792u);
    EXPECT_EQ(engine.GetScale(100), scales[100]);
}

TEST_F(ScaleSearch, MustHaveNotesAreInEveryScale)
{
    engine.SetToneCount(7);
    engine.SetRunLimit(-1);
    engine.SetMustHaveNotes({60, 64, 67});
    EXPECT_EQ(RunScaleSearch(engine).size(), 792u);  // the filter is still off
    engine.SetMustHaveFilter(true);
    const auto scales = RunScaleSearch(engine);
    ASSERT_EQ(scales.size(), 126u);
    for (const Scale& s : scales) {
        for (const Note n : {60u, 64u, 67u})
            ASSERT_NE(std::find(s.begin(), s.end(), n), s.end());
    }
    engine.SetMustHaveNotes({60, 72});  // 72 never occurs in a scale of 60..71
    EXPECT_TRUE(RunScaleSearch(engine).empty());
    engine.ClearMustHaveNotes();
    EXPECT_EQ(RunScaleSearch(engine).size(), 792u);
}

TEST_F(ScaleSearch, RunTestByLimit)
{
    struct Case {
        int limit;
        Scale scale;
        bool passes;
    };
    const std::vector<Case> cases = {
        {2, {60, 62, 64, 65, 67, 69, 71}, true},  // C major
        {2, {60, 61, 62, 63, 65, 67, 69}, false},  // three steps in a row
        {2, {60, 61, 62, 64, 66, 68, 70}, true},
        {1, {60, 62, 64, 66, 68, 70, 71}, false},  // Bb, B, C across the wrap
        {1, {60, 62, 64, 66, 68, 69, 71}, true}, {0, {60, 62, 64, 66, 68, 70}, true},
        {0, {60, 61, 64}, false}, {12, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71}, false},
        {-1, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71}, true},
        {0, {65}, true},  // one note has no semitone step
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases.data()));
        engine.SetRunLimit(c.limit);
        EXPECT_EQ(engine.RunTest(c.scale), c.passes);
    }
}

TEST_F(ScaleSearch, RunLimitsOverTheWholeSearch)
{
    engine.SetToneCount(7);
    engine.SetRunLimit(1);
    for (const Scale& s : RunScaleSearch(engine))
        ASSERT_TRUE(MusicTheory::WithinSemitoneRun(s, 1));

    engine.SetToneCount(12);
    engine.SetRunLimit(12);
    EXPECT_TRUE(RunScaleSearch(engine).empty());
    engine.SetRunLimit(-1);
    EXPECT_EQ(RunScaleSearch(engine),
        (std::vector<Scale>{{60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71}}));

    engine.SetToneCount(1);
    engine.SetRunLimit(0);
    EXPECT_EQ(RunScaleSearch(engine).size(), 12u);
}

TEST_F(ScaleSearch, ToneCountOutsideOneToTwelveFindsNothing)
{
    for (const int tones : {0, -3, 13}) {
        engine.SetToneCount(tones);
        EXPECT_TRUE(RunScaleSearch(engine).empty()) << tones;
    }
    EXPECT_FALSE(engine.HasToneCount() && engine.GetToneCount() == 0);
}

TEST_F(ScaleSearch, FormatCurrentScale)
{
    engine.SetToneCount(3);
    engine.SetMustHaveFilter(true);
    engine.SetMustHaveNotes({60, 64, 67});
    RunScaleSearch(engine);
    EXPECT_EQ(engine.FormatCurrentScale(), "");
    engine.SetCurrentScale(0);
    EXPECT_EQ(engine.FormatCurrentScale(), "C - E - G");
    engine.SetCurrentScale(1);
    EXPECT_EQ(engine.FormatCurrentScale(), "");
    engine.ClearScaleResults();
    EXPECT_EQ(engine.GetCurrentScale(), -1);
    EXPECT_THROW(engine.GetScale(0), std::out_of_range);
}

TEST_F(ScaleSearch, RestartsAfterExhaustionAndIgnoresStaleRuns)
{
    engine.SetToneCount(11);
    const auto scales = RunScaleSearch(engine);
    ASSERT_EQ(scales.size(), 12u);
    Scale scale;
    ASSERT_TRUE(engine.FindNextScale(scale));
    EXPECT_EQ(scale, scales.front());

    engine.ClearScaleResults();
    engine.ResetScaleSearch();
    ASSERT_TRUE(engine.FindNextScale(scale));
    engine.ClearScaleResults();
    EXPECT_FALSE(engine.FindNextScale(scale));
    EXPECT_TRUE(engine.ScaleSearchStopped());
    EXPECT_EQ(engine.ScaleResultCount(), 0u);
}

TEST(ScaleGenerator, SubsetsInLexicographicOrderOfTheirNotes)
{
    for (int k = 1; k <= 12; ++k) {
        ScaleGenerator generator;
        std::vector<Scale> subsets;
        std::uint16_t mask = 0;
        while (generator.Next(k, mask)) {
            ASSERT_EQ(std::popcount(mask), k);
            Scale s;
            for (Note i = 0; i < 12; ++i) {
                if ((mask & (1u << i)) != 0)
                    s.push_back(60 + i);
            }
            subsets.push_back(s);
        }
        EXPECT_TRUE(std::is_sorted(subsets.begin(), subsets.end())) << k;
        EXPECT_EQ(std::adjacent_find(subsets.begin(), subsets.end()), subsets.end()) << k;
        std::size_t binomial = 1;
        for (int i = 0; i < k; ++i)
            binomial =
                binomial * static_cast<std::size_t>(12 - i) / static_cast<std::size_t>(i + 1);
        EXPECT_EQ(subsets.size(), binomial) << k;
    }
}

}  // namespace
}  // namespace guivarna::theory::test
