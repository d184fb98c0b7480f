#include "theory/notes/scale_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace guivarna::theory {
namespace {

std::vector<Note> NotesOf(std::initializer_list<const char*> names)
{
    std::vector<Note> notes;
    for (const char* name : names)
        notes.push_back(NoteNumber(name));
    return notes;
}

TEST(ScaleCatalogue, NamesAreUniqueAndEveryScaleDiffers)
{
    std::set<std::string_view> names;
    std::set<int> masks;
    for (const ScaleType& scale : ScaleCatalogue()) {
        EXPECT_TRUE(masks.insert(scale.mask).second) << scale.Name();
        EXPECT_EQ(scale.mask & 1, 1) << scale.Name();
        for (const std::string_view name : scale.names) {
            EXPECT_TRUE(names.insert(name).second) << name;
            EXPECT_EQ(FindScale(name), &scale) << name;
        }
    }
    EXPECT_GE(ScaleCatalogue().size(), 40u);
}

TEST(ScaleCatalogue, ModesOfOneParentShareTheirNotes)
{
    struct Family {
        const char* parent;
        std::vector<std::pair<const char*, const char*>> modes;  // root, name
    };
    const Family families[] = {
        {"C major",
            {{"D", "dorian"}, {"E", "phrygian"}, {"F", "lydian"}, {"G", "mixolydian"},
                {"A", "aeolian"}, {"B", "locrian"}}},
        {"A harmonic minor",
            {{"B", "locrian natural 6"}, {"C", "ionian augmented"}, {"D", "dorian #4"},
                {"E", "phrygian dominant"}, {"F", "lydian #2"}, {"Ab", "ultralocrian"}}},
        {"A melodic minor",
            {{"B", "dorian b2"}, {"C", "lydian augmented"}, {"D", "lydian dominant"},
                {"E", "mixolydian b6"}, {"Gb", "locrian natural 2"}, {"Ab", "altered"}}},
        {"C major pentatonic", {{"A", "minor pentatonic"}, {"D", "egyptian"}}},
    };
    for (const Family& family : families) {
        const std::string parent = family.parent;
        const std::size_t space = parent.find(' ');
        const ScaleType* parentScale = FindScale(parent.substr(space + 1));
        ASSERT_NE(parentScale, nullptr) << parent;
        const std::vector<Note> parentNotes =
            ScaleNotes(*parentScale, NoteNumber(parent.substr(0, space)));
        const std::set<Note> expected(parentNotes.begin(), parentNotes.end());
        for (const auto& [root, name] : family.modes) {
            const ScaleType* mode = FindScale(name);
            ASSERT_NE(mode, nullptr) << name;
            const std::vector<Note> notes = ScaleNotes(*mode, NoteNumber(root));
            EXPECT_EQ(notes.front(), NoteNumber(root)) << name;
            EXPECT_EQ(std::set<Note>(notes.begin(), notes.end()), expected) << root << name;
        }
    }
}

TEST(ScaleCatalogue, FindsEveryScaleOfAPitchClassSet)
{
    EXPECT_EQ(ScaleNamesText(NotesOf({"C", "D", "E", "F", "G", "A", "B"})),
        "C major, D dorian, E phrygian, F lydian, G mixolydian, A minor, B locrian");
    EXPECT_EQ(ScaleNamesText(NotesOf({"A", "C", "D", "E", "G"})),
        "C major pentatonic, A minor pentatonic, D suspended pentatonic");
    EXPECT_EQ(ScaleNamesText(NotesOf({"C", "D", "E", "Gb", "Ab", "Bb"})),
        "C whole tone, D whole tone, E whole tone, Gb whole tone, Ab whole tone, Bb whole tone");
    EXPECT_EQ(ScaleNamesText(NotesOf({"C", "Db", "D"})), "");
    EXPECT_EQ(ScaleNamesText({}), "");
}

TEST(ScaleCatalogue, NamesMatchWithoutCaseAndSuggestNeighbours)
{
    EXPECT_EQ(FindScale("  Natural   MINOR "), FindScale("minor"));
    EXPECT_EQ(FindScale("doryan"), nullptr);
    EXPECT_EQ(ClosestScaleNames("doryan").front(), "dorian");
    EXPECT_EQ(ClosestScaleNames("bebop").size(), 3u);
    EXPECT_EQ(ClosestScaleNames("bebop").front().substr(0, 5), "bebop");
}

}  // namespace
}  // namespace guivarna::theory
