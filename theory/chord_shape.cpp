#include "theory/chord_shape.h"

#include "theory/chord_symbol.h"
#include "theory/finger_assignment.h"
#include "theory/marked_chord.h"
#include "theory/music_theory.h"

#include <algorithm>
#include <optional>

namespace guivarna::theory {

namespace {

// The hand's barres from the lowest string up, as diagrams draw them (the hand lists them in
// fret order).
std::vector<Barre> OrderedBarres(const Hand& hand)
{
    std::vector<Barre> barres(hand.barres.begin(), hand.barres.begin() + hand.barreCount);
    std::stable_sort(barres.begin(), barres.end(),
        [](const Barre& a, const Barre& b) { return a.lastString > b.lastString; });
    return barres;
}

}  // namespace

ChordShape ShapeFromFrets(std::span<const int> frets, std::span<const int> tuning, std::string name)
{
    ChordShape shape;
    shape.name = std::move(name);
    shape.frets.assign(frets.begin(), frets.end());
    shape.tuning.assign(tuning.begin(), tuning.end());
    shape.fingers.assign(shape.frets.size(), 0);
    const Hand hand = AssignFingers(frets);
    if (!hand.playable)
        return shape;
    for (std::size_t s = 0; s < shape.frets.size(); ++s)
        shape.fingers[s] = shape.frets[s] > 0 ? hand.fingers[s] : 0;
    shape.barres = OrderedBarres(hand);
    return shape;
}

std::vector<int> FretsOfFingering(const ChordFingering& fingering, int stringCount)
{
    std::vector<int> frets(static_cast<std::size_t>(std::max(0, stringCount)), kNotPlayed);
    const std::size_t count =
        std::min(fingering.StringSet.size(), fingering.FretBoardPosition.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t string = fingering.StringSet[i];
        if (string >= 1 && string <= frets.size())
            frets[string - 1] = static_cast<int>(fingering.FretBoardPosition[i]);
    }
    return frets;
}

int LowestFret(const ChordShape& shape)
{
    int lowest = 0;
    for (const int fret : shape.frets) {
        if (fret > 0 && (lowest == 0 || fret < lowest))
            lowest = fret;
    }
    return lowest;
}

int HighestFret(const ChordShape& shape)
{
    const auto it = std::max_element(shape.frets.begin(), shape.frets.end());
    return it == shape.frets.end() ? 0 : std::max(*it, 0);
}

std::string FirstTraditionalName(
    std::span<const int> fretsHighFirst, std::span<const Note> tuningHighFirst, int preferredRoot)
{
    if (fretsHighFirst.size() != tuningHighFirst.size())
        return {};
    std::vector<std::optional<Note>> frets;
    for (const int fret : fretsHighFirst) {
        if (fret >= 0)
            frets.emplace_back(static_cast<Note>(fret));
        else
            frets.emplace_back();
    }
    MusicTheory theory;
    const std::vector<Note> tuning(tuningHighFirst.begin(), tuningHighFirst.end());
    if (!LoadChordNotes(theory, ChordNotesFromPitches(PitchesFromFrets(tuning, frets))))
        return {};
    const std::vector<std::string> names = theory.SuggestChordNames(kTraditionalNames);
    if (preferredRoot >= 0) {
        for (const std::string& name : names) {
            if (const int root = RootOfName(name); root >= 0 && root % 12 == preferredRoot % 12)
                return name;
        }
    }
    return names.empty() ? std::string() : names.front();
}

int RootOfName(const std::string& name)
{
    const ChordReading reading = ReadChordSymbol(name);
    return reading ? static_cast<int>(reading.chord->root) : -1;
}

}  // namespace guivarna::theory
