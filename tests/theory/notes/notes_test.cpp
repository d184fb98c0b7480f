#include "theory/notes/notes.h"

#include <gtest/gtest.h>

namespace guivarna::theory {
namespace {

TEST(Notes, NamesAndNumbersRoundTripForEveryPitchClass)
{
    for (Note note = 60; note <= 71; ++note) {
        SCOPED_TRACE(note);
        EXPECT_EQ(NoteNumber(NoteName(note)), note);
        EXPECT_EQ(NoteName(note + 12), NoteName(note));
        EXPECT_EQ(NoteName(note - 60), NoteName(note));
    }
}

TEST(Notes, NameLookupIsExactAndFlatOnly)
{
    struct Case {
        const char* name;
        std::uint32_t number;
    };
    const Case cases[] = {{"C", 60}, {"Bb", 70}, {"B", 71}, {"Gb", 66}, {"C#", kUnknown},
        {"c", kUnknown}, {"bb", kUnknown}, {"", kUnknown}, {"C ", kUnknown}, {"Cb", kUnknown}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NoteNumber(c.name), c.number);
        const PitchClass pitchClass = PitchClassOfName(c.name);
        EXPECT_EQ(pitchClass, c.number == kUnknown ? kNoPitchClass : PitchClassOf(c.number));
        EXPECT_EQ(PitchClassName(pitchClass), c.number == kUnknown ? "" : c.name);
    }
    EXPECT_EQ(PitchClassName(12), "");
}

TEST(Notes, AnyIntegerHasANameByUnsignedModulo)
{
    EXPECT_EQ(NoteName(72), "C");
    EXPECT_EQ(NoteName(0), "C");
    EXPECT_EQ(NoteName(kUnknown), "Eb");
    EXPECT_EQ(NoteName(static_cast<std::uint32_t>(-1)), "Eb");
    EXPECT_EQ(NoteName(40), "E");
}

TEST(Intervals, NamesAndSemitones)
{
    const char* const names[] = {"", "b2", "2", "b3", "3", "4", "b5", "5", "b6", "6", "b7", "7"};
    for (std::uint32_t k = 0; k < 12; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(IntervalName(k), names[k]);
        EXPECT_EQ(IntervalName(k + 24), names[k]);
        if (k > 0) {
            EXPECT_EQ(IntervalSemitones(names[k]), k);
        }
    }
    EXPECT_EQ(IntervalSemitones(""), kUnknown);
    EXPECT_EQ(IntervalSemitones("#4"), kUnknown);
    EXPECT_EQ(IntervalSemitones("B7"), kUnknown);
}

}  // namespace
}  // namespace guivarna::theory
