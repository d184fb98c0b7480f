#include "theory/notes/instrument.h"

#include <gtest/gtest.h>

#include <set>

namespace guivarna::theory {
namespace {

const InstrumentPreset* FindPreset(std::string_view name)
{
    for (const InstrumentPreset& preset : InstrumentPresets()) {
        if (preset.name == name)
            return &preset;
    }
    return nullptr;
}

// Hand-checked real pitches, string 1 first (E4 = 64, A4 = 69, E2 = 40).
TEST(InstrumentPresets, OpenNotesAreTheRealPitchesStringOneFirst)
{
    const std::pair<std::string_view, std::vector<Note>> expected[] = {
        {"Guitar (standard)", {64, 59, 55, 50, 45, 40}},
        {"Drop D", {64, 59, 55, 50, 45, 38}},
        {"DADGAD", {62, 57, 55, 50, 45, 38}},
        {"Open G", {62, 59, 55, 50, 43, 38}},
        {"Open D", {62, 57, 54, 50, 45, 38}},
        {"7-string guitar", {64, 59, 55, 50, 45, 40, 35}},
        {"8-string guitar", {64, 59, 55, 50, 45, 40, 35, 30}},
        {"4-string bass", {43, 38, 33, 28}},
        {"5-string bass", {43, 38, 33, 28, 23}},
        {"Ukulele", {69, 64, 60, 67}},
        {"Mandolin", {76, 69, 62, 55}},
    };
    ASSERT_EQ(InstrumentPresets().size(), std::size(expected));
    EXPECT_EQ(InstrumentPresets().front().name, "Guitar (standard)");
    for (const auto& [name, notes] : expected) {
        SCOPED_TRACE(std::string(name));
        const InstrumentPreset* preset = FindPreset(name);
        ASSERT_NE(preset, nullptr);
        EXPECT_EQ(preset->openNotes, notes);
        EXPECT_FALSE(InstrumentProblem({preset->openNotes, kDefaultPositions, false}));
    }
}

TEST(InstrumentPresets, NamesAreUniqueAndFitOneTabSeparatedLine)
{
    std::set<std::string_view> names;
    for (const InstrumentPreset& preset : InstrumentPresets()) {
        EXPECT_TRUE(names.insert(preset.name).second) << preset.name;
        EXPECT_EQ(preset.name.find_first_of("\t\n,"), std::string_view::npos) << preset.name;
    }
}

TEST(PitchNames, NamesAndParsesNoteWithOctave)
{
    const std::pair<Note, std::string_view> named[] = {{64, "E4"}, {59, "B3"}, {40, "E2"},
        {58, "Bb3"}, {60, "C4"}, {0, "C-1"}, {127, "G9"}, {23, "B0"}, {66, "Gb4"}};
    for (const auto& [note, name] : named) {
        EXPECT_EQ(PitchName(note), name);
        EXPECT_EQ(ParsePitchName(name), note) << name;
    }
}

TEST(PitchNames, ParsingAcceptsSharpsCaseAndSpacesAndRefusesTheRest)
{
    const std::pair<std::string_view, std::optional<Note>> cases[] = {
        {"F#2", 42},
        {"f#2", 42},
        {" e4 ", 64},
        {"bb3", 58},
        {"Cb4", 59},
        {"B#3", 60},
        {"Cb-1", std::nullopt},  // below note 0
        {"G#9", std::nullopt},  // above 127
        {"C10", std::nullopt},
        {"C-2", std::nullopt},
        {"H4", std::nullopt},
        {"E", std::nullopt},
        {"E4x", std::nullopt},
        {"E##4", std::nullopt},
        {"64", std::nullopt},
        {"", std::nullopt},
        {"E+4", std::nullopt},
    };
    for (const auto& [text, note] : cases)
        EXPECT_EQ(ParsePitchName(text), note) << "'" << text << "'";
}

TEST(InstrumentProblem, RefusesWhatTheBoardsCannotShow)
{
    const std::vector<Note> six = {64, 59, 55, 50, 45, 40};
    struct Case {
        Instrument instrument;
        bool valid;
    };
    const Case cases[] = {
        {{six, 25, false}, true},
        {{{64}, 1, true}, true},
        {{std::vector<Note>(24, 40), 49, false}, true},
        {{{}, 25, false}, false},
        {{std::vector<Note>(25, 40), 25, false}, false},
        {{six, 0, false}, false},
        {{six, 50, false}, false},
        {{{64, 128}, 25, false}, false},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> problem = InstrumentProblem(c.instrument);
        EXPECT_EQ(!problem.has_value(), c.valid)
            << c.instrument.openNotes.size() << " strings, " << c.instrument.positions;
    }
    EXPECT_EQ(InstrumentProblem({{64, 128}, 25, false}), "String 2 lies outside C-1 to G9.");
}

}  // namespace
}  // namespace guivarna::theory
