#include "theory/chord_shape.h"

#include "theory/chord_symbol.h"
#include "theory/finger_assignment.h"
#include "theory/marked_chord.h"
#include "theory/music_theory.h"

#include <algorithm>
#include <optional>

namespace guivarna::theory {

ChordShape ShapeFromFrets(
    std::span<const int> fretsHighFirst, std::span<const int> tuningHighFirst, std::string name)
{
    ChordShape shape;
    shape.name = std::move(name);
    shape.frets.assign(fretsHighFirst.rbegin(), fretsHighFirst.rend());
    shape.tuning.assign(tuningHighFirst.rbegin(), tuningHighFirst.rend());
    shape.fingers.assign(shape.frets.size(), 0);
    const HandShape hand = AssignFingers(fretsHighFirst);
    if (!hand.playable)
        return shape;
    const std::size_t count = shape.frets.size();
    for (std::size_t i = 0; i < count; ++i) {
        const int finger = hand.fingers[count - 1 - i];
        shape.fingers[i] = shape.frets[i] > 0 ? finger : 0;
    }
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

std::vector<ShapeBarre> ShapeBarres(const ChordShape& shape)
{
    std::vector<ShapeBarre> barres;
    const int count = std::min(shape.StringCount(), static_cast<int>(shape.fingers.size()));
    for (int finger = 1; finger <= 4; ++finger) {
        // A finger may lie flat at one fret only; the first string it frets sets that fret.
        int first = -1;
        int last = -1;
        int fret = 0;
        for (int i = 0; i < count; ++i) {
            if (shape.fingers[i] != finger || shape.frets[i] <= 0)
                continue;
            if (first < 0) {
                first = i;
                fret = shape.frets[i];
            } else if (shape.frets[i] == fret) {
                last = i;
            }
        }
        if (first < 0 || last < 0)
            continue;
        const bool held = std::all_of(shape.frets.begin() + first, shape.frets.begin() + last + 1,
            [fret](int f) { return f >= fret; });
        if (held)
            barres.push_back({finger, fret, first, last});
    }
    std::sort(barres.begin(), barres.end(),
        [](const ShapeBarre& a, const ShapeBarre& b) { return a.first < b.first; });
    return barres;
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
    for (std::size_t i = strings; i-- > 0;) {
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
