#include "theory/hand/chord_shape.h"

#include "theory/formats/chord_symbol.h"
#include "theory/hand/finger_assignment.h"
#include "theory/notes/chord_naming.h"

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

ChordShape ShapeFromScalePosition(const ScalePosition& position,
    std::span<const Note> tuningHighFirst, Note root, std::string name, bool horizontal)
{
    ChordShape shape;
    shape.name = std::move(name);
    const std::size_t strings = tuningHighFirst.size();
    shape.frets.assign(strings, -1);
    shape.fingers.assign(strings, 0);
    ScaleShape scale;
    scale.root = static_cast<int>(root % 12);
    scale.number = position.number;
    scale.horizontal = horizontal;
    for (std::size_t i = 0; i < strings; ++i) {
        shape.tuning.push_back(static_cast<int>(tuningHighFirst[i]));
        scale.notes.push_back(
            i < position.strings.size() ? position.strings[i] : std::vector<ScaleFret>{});
    }
    shape.scale = std::move(scale);
    return shape;
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

namespace {

// What a shape sounds, as chord names need it: the pitch classes and the lowest of them.
struct SoundingTones {
    int mask = 0;
    PitchClass bass = kNoPitchClass;
};

SoundingTones TonesOf(std::span<const int> frets, std::span<const Note> tuning)
{
    SoundingTones tones;
    if (frets.size() != tuning.size())
        return tones;
    std::optional<Note> lowest;
    for (std::size_t s = 0; s < frets.size(); ++s) {
        if (frets[s] < 0)
            continue;
        const Note pitch = tuning[s] + static_cast<Note>(frets[s]);
        tones.mask |= 1 << PitchClassOf(pitch);
        if (!lowest || pitch < *lowest)
            lowest = pitch;
    }
    if (lowest)
        tones.bass = PitchClassOf(*lowest);
    return tones;
}

}  // namespace

std::string FirstTraditionalName(
    std::span<const int> frets, std::span<const Note> tuning, PitchClass preferredRoot)
{
    const SoundingTones tones = TonesOf(frets, tuning);
    if (tones.mask == 0)
        return {};
    const bool preferred = preferredRoot >= 0 && preferredRoot < kPitchClassCount &&
        ((tones.mask >> preferredRoot) & 1) != 0;
    const PitchClass root = preferred ? preferredRoot : tones.bass;
    return ChordName(root, tones.mask, root);
}

std::string ShapeName(
    std::span<const int> frets, std::span<const Note> tuning, PitchClass preferredRoot)
{
    const SoundingTones tones = TonesOf(frets, tuning);
    return SimplestChordName(tones.mask, tones.bass, preferredRoot);
}

PitchClass RootOfName(const std::string& name)
{
    const ChordReading reading = ReadChordSymbol(name);
    return reading ? PitchClassOf(reading.chord->root) : kNoPitchClass;
}

}  // namespace guivarna::theory
