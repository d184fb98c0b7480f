#include "tests/theory/search_support.h"
#include "theory/search/scale_generator.h"

#include <gtest/gtest.h>

#include <bit>
#include <stdexcept>

namespace guivarna::theory::test {
namespace {

using Scale = std::vector<Note>;

class ScaleSearch : public ::testing::Test {
protected:
    // Sets the request as it stands and runs a search.
    std::vector<Scale> Search()
    {
        scales.SetRequest(request);
        return RunScaleSearch(scales);
    }

    SearchEngine engine;
    theory::ScaleSearch& scales = engine.Scales();
    ScaleSearchRequest request;
};

TEST_F(ScaleSearch, SevenTonesWithoutFiltersGiveEverySubsetInOrder)
{
    request.toneCount = 7;
    const auto found = Search();
    ASSERT_EQ(found.size(), 792u);
    EXPECT_EQ(found.front(), (Scale{60, 61, 62, 63, 64, 65, 66}));
    EXPECT_EQ(found.back(), (Scale{65, 66, 67, 68, 69, 70, 71}));
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    EXPECT_EQ(scales.Results()->Count(), 792u);
    EXPECT_EQ(scales.Results()->Get(100), found[100]);
}

TEST_F(ScaleSearch, MustHaveNotesAreInEveryScale)
{
    request.toneCount = 7;
    request.runLimit = -1;
    request.mustHaveNotes = {60, 64, 67};
    EXPECT_EQ(Search().size(), 792u);  // the filter is still off
    request.mustHaveFilter = true;
    const auto found = Search();
    ASSERT_EQ(found.size(), 126u);
    for (const Scale& s : found) {
        ASSERT_TRUE(PassesMustHave(request, s));
        for (const Note n : {60u, 64u, 67u})
            ASSERT_NE(std::find(s.begin(), s.end(), n), s.end());
    }
    EXPECT_FALSE(PassesMustHave(request, {60, 62, 64, 65, 69, 71}));
    request.mustHaveNotes = {60, 72};  // 72 never occurs in a scale of 60..71
    EXPECT_TRUE(Search().empty());
    request.mustHaveNotes.clear();
    EXPECT_EQ(Search().size(), 792u);
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
        request.runLimit = c.limit;
        EXPECT_EQ(PassesRunLimit(request, c.scale), c.passes);
    }
}

TEST_F(ScaleSearch, RunLimitsOverTheWholeSearch)
{
    request.toneCount = 7;
    request.runLimit = 1;
    for (const Scale& s : Search())
        ASSERT_TRUE(MusicTheory::WithinSemitoneRun(s, 1));

    request.toneCount = 12;
    request.runLimit = 12;
    EXPECT_TRUE(Search().empty());
    request.runLimit = -1;
    EXPECT_EQ(Search(), (std::vector<Scale>{{60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71}}));

    request.toneCount = 1;
    request.runLimit = 0;
    EXPECT_EQ(Search().size(), 12u);
}

TEST_F(ScaleSearch, ToneCountOutsideOneToTwelveFindsNothing)
{
    for (const int tones : {0, -3, 13}) {
        request.toneCount = tones;
        EXPECT_TRUE(Search().empty()) << tones;
    }
    EXPECT_FALSE(scales.HasToneCount() && scales.Request().toneCount == 0);
    request.toneCount = 0;
    scales.SetRequest(request);
    EXPECT_FALSE(scales.HasToneCount());
}

TEST_F(ScaleSearch, CurrentScaleText)
{
    request.toneCount = 3;
    request.mustHaveFilter = true;
    request.mustHaveNotes = {60, 64, 67};
    Search();
    EXPECT_EQ(scales.CurrentScaleText(), "");
    scales.SetCurrent(0);
    EXPECT_EQ(scales.CurrentScaleText(), "C - E - G");
    scales.SetCurrent(1);
    EXPECT_EQ(scales.CurrentScaleText(), "");
    scales.ClearResults();
    EXPECT_EQ(scales.Current(), -1);
    EXPECT_THROW(scales.Results()->Get(0), std::out_of_range);
}

TEST_F(ScaleSearch, ExhaustedRunsStayDoneAndStaleRunsKeepToTheirOwnList)
{
    request.toneCount = 11;
    scales.SetRequest(request);
    const auto run = scales.StartRun();
    const auto found = Drain(*run);
    ASSERT_EQ(found.size(), 12u);
    Scale scale{60};
    EXPECT_FALSE(run->Next(scale));
    EXPECT_TRUE(scale.empty());
    EXPECT_FALSE(run->Stopped());
    ASSERT_TRUE(scales.StartRun()->Next(scale));
    EXPECT_EQ(scale, found.front());

    const auto stale = scales.StartRun();
    ASSERT_TRUE(stale->Next(scale));
    scales.ClearResults();
    EXPECT_EQ(Drain(*stale).size(), 11u);
    EXPECT_FALSE(stale->Stopped());
    EXPECT_EQ(stale->Results()->Count(), 12u);
    EXPECT_EQ(scales.Results()->Count(), 0u);
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
