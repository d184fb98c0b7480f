#include "theory/hand/scale_fingering.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

namespace guivarna::theory {

namespace {

int PitchClassOffset(long long pitch, Note root)
{
    const long long offset = (pitch - static_cast<long long>(root % 12)) % 12;
    return static_cast<int>(offset < 0 ? offset + 12 : offset);
}

class ScaleOnStrings {
public:
    ScaleOnStrings(const ScaleToFinger& scale, std::span<const Note> openNotes)
        : scale_(scale), openNotes_(openNotes)
    {
    }

    int Strings() const { return static_cast<int>(openNotes_.size()); }
    long long Pitch(int string, int fret) const
    {
        return static_cast<long long>(openNotes_[static_cast<std::size_t>(string)]) + fret;
    }
    bool InScale(long long pitch) const
    {
        return (scale_.mask >> PitchClassOffset(pitch, scale_.root) & 1) != 0;
    }
    // The semitones above the root of a sounding pitch.
    int Degree(long long pitch) const { return PitchClassOffset(pitch, scale_.root); }
    // The lowest fret (0..11) of a string that sounds the note interval above the root.
    int FirstFret(int string, int interval) const
    {
        return PitchClassOffset(
            static_cast<long long>(scale_.root % 12) + interval - Pitch(string, 0), 0);
    }
    // The intervals of the scale above the root, upward.
    std::vector<int> Intervals() const
    {
        std::vector<int> intervals;
        for (int k = 0; k < 12; ++k)
            if ((scale_.mask >> k & 1) != 0)
                intervals.push_back(k);
        return intervals;
    }
    bool Complete(const std::vector<std::vector<int>>& frets) const
    {
        int found = 0;
        for (int s = 0; s < Strings(); ++s)
            for (const int fret : frets[static_cast<std::size_t>(s)])
                found |= 1 << Degree(Pitch(s, fret));
        return found == (scale_.mask & 0xFFF);
    }

private:
    ScaleToFinger scale_;
    std::span<const Note> openNotes_;
};

// ---- Position playing ----
//
// The box of index fret p covers frets p .. p+3, one finger each; on the box at fret 1 the open
// strings belong to it too. Every string plays the scale notes of those frets. A note the box
// holds on two strings is played once, on the higher string. Between two neighbouring strings
// a scale note may still be missing (between strings a fourth apart the fret p+4 of the lower
// string is one); it is then reached by a stretch: the index back to p-1 on the higher string,
// or else the little finger out to p+4 on the lower string, never so that one finger would
// have to hold two frets of a string. Each of the scale's notes can start a box on the lowest
// string; of the boxes that start on the same degree and hold the complete scale the one with
// the fewest stretches is the position, then the one whose index plays that first note, then
// the one lowest on the neck.

struct Box {
    int indexFret = 0;
    std::vector<std::vector<int>> frets;  // per string, string 1 first
    int stretches = 0;
    int firstDegree = 0;  // of the lowest note on the lowest string played
    int firstFret = 0;
};

std::optional<Box> PositionBox(const ScaleOnStrings& neck, int p, FretRange range)
{
    const int strings = neck.Strings();
    Box box{p, std::vector<std::vector<int>>(static_cast<std::size_t>(strings)), 0, 0, 0};
    const int baseLow = std::max(p == 1 ? 0 : p, range.lowest);
    const int baseHigh = std::min(p + 3, range.highest);
    std::set<long long> taken;
    for (int s = 0; s < strings; ++s) {
        std::vector<int>& frets = box.frets[static_cast<std::size_t>(s)];
        for (int fret = baseLow; fret <= baseHigh; ++fret) {
            const long long pitch = neck.Pitch(s, fret);
            if (neck.InScale(pitch) && taken.insert(pitch).second)
                frets.push_back(fret);
        }
    }
    for (int low = strings - 1; low >= 1; --low) {
        std::vector<int>& lower = box.frets[static_cast<std::size_t>(low)];
        std::vector<int>& higher = box.frets[static_cast<std::size_t>(low - 1)];
        if (lower.empty() || higher.empty())
            continue;
        const long long last = neck.Pitch(low, lower.back());
        const long long first = neck.Pitch(low - 1, higher.front());
        for (long long pitch = last + 1; pitch < first; ++pitch) {
            if (!neck.InScale(pitch) || taken.count(pitch) != 0)
                continue;
            const long long onHigher = pitch - neck.Pitch(low - 1, 0);
            const long long onLower = pitch - neck.Pitch(low, 0);
            if (onHigher == p - 1 && p - 1 >= std::max(1, range.lowest) && higher.front() != p) {
                higher.insert(higher.begin(), p - 1);
            } else if (onLower == p + 4 && p + 4 <= range.highest && lower.back() != p + 3) {
                lower.push_back(p + 4);
            } else {
                continue;
            }
            taken.insert(pitch);
            ++box.stretches;
        }
    }
    if (!neck.Complete(box.frets))
        return std::nullopt;
    for (int s = strings - 1; s >= 0; --s) {
        const std::vector<int>& frets = box.frets[static_cast<std::size_t>(s)];
        if (!frets.empty()) {
            box.firstFret = frets.front();
            box.firstDegree = neck.Degree(neck.Pitch(s, frets.front()));
            break;
        }
    }
    return box;
}

bool BetterBox(const Box& a, const Box& b)
{
    const auto key = [](const Box& box) {
        return std::tuple(box.stretches, std::abs(box.firstFret - box.indexFret), box.indexFret);
    };
    return key(a) < key(b);
}

int PositionFinger(int fret, int p)
{
    if (fret == 0)
        return 0;
    return std::clamp(fret - p + 1, 1, 4);
}

// The best box for every degree a complete box can start on, by degree.
std::map<int, Box> BestBoxes(const ScaleOnStrings& neck, FretRange range)
{
    std::map<int, Box> best;
    // Only whole boxes: one cut off by the end of the neck would need fewer stretches.
    for (int p = std::max(1, range.lowest); p + 3 <= range.highest; ++p) {
        const std::optional<Box> box = PositionBox(neck, p, range);
        if (!box)
            continue;
        const auto found = best.find(box->firstDegree);
        if (found == best.end())
            best.emplace(box->firstDegree, *box);
        else if (BetterBox(*box, found->second))
            found->second = *box;
    }
    return best;
}

std::vector<ScalePosition> PositionPlaying(const ScaleOnStrings& neck, FretRange range)
{
    // The numbers come from the whole neck, so a narrow fret range keeps them.
    std::vector<int> numbered;
    for (const auto& [degree, box] : BestBoxes(neck, {0, std::max(range.highest, 36)}))
        numbered.push_back(degree);
    std::vector<ScalePosition> positions;
    for (const auto& [degree, box] : BestBoxes(neck, range)) {
        ScalePosition position;
        position.number = static_cast<int>(
            std::find(numbered.begin(), numbered.end(), degree) - numbered.begin() + 1);
        position.indexFret = box.indexFret;
        for (const std::vector<int>& frets : box.frets) {
            std::vector<ScaleFret>& notes = position.strings.emplace_back();
            for (const int fret : frets)
                notes.push_back({fret, PositionFinger(fret, box.indexFret)});
        }
        positions.push_back(std::move(position));
    }
    return positions;
}

// ---- Three notes per string ----
//
// Pattern k puts the scale's k-th note on the lowest string, and each string takes the next
// three notes of the scale; a string starts at the fret of its first note nearest to where
// the string below started (so re-entrant tunings keep the hand in place too). The fingers
// follow the two steps between a string's three frets: the middle note takes finger 2 when
// the first step is no wider than the second, finger 3 when it is wider; the last note takes
// finger 4, or 3 when the three notes lie on three neighbouring frets. So whole-whole and
// half-whole are 1-2-4, whole-half 1-3-4 and half-half 1-2-3. An augmented second (three
// frets) is no exception: the wide step lies between the fingers that stretch, 1-3-4 when it
// comes first (augmented second then half step) and 1-2-4 when it comes second. With an open
// string the fretted notes take the finger of their fret, the ring finger at most for the
// middle one.

std::array<int, 3> ThreeNoteFingers(const std::array<int, 3>& frets)
{
    if (frets[0] == 0)
        return {0, std::min(frets[1], 3), std::min(frets[2], 4)};
    const int first = frets[1] - frets[0];
    const int second = frets[2] - frets[1];
    return {1, first <= second ? 2 : 3, frets[2] - frets[0] <= 2 ? 3 : 4};
}

std::vector<ScalePosition> ThreeNotesPerString(const ScaleOnStrings& neck, FretRange range)
{
    const std::vector<int> intervals = neck.Intervals();
    const int count = static_cast<int>(intervals.size());
    const int strings = neck.Strings();
    // The fret of the scale's note degreeIndex on a string, nearest to fret near.
    const auto fretOf = [&](int string, int degreeIndex, int near) {
        const int interval = intervals[static_cast<std::size_t>(degreeIndex % count)];
        int fret = neck.FirstFret(string, interval);
        fret += (near - fret) / 12 * 12;
        if (fret + 12 - near < near - fret)
            fret += 12;
        return fret;
    };
    std::vector<ScalePosition> positions;
    for (int k = 0; k < count; ++k) {
        // Built high on the neck first so no fret goes below the nut, then moved down.
        std::vector<std::array<int, 3>> shape(static_cast<std::size_t>(strings));
        int degree = k;
        int start = fretOf(strings - 1, k, 12 * (strings + 2));
        for (int s = strings - 1; s >= 0; --s) {
            std::array<int, 3>& frets = shape[static_cast<std::size_t>(s)];
            frets[0] = s == strings - 1 ? start : fretOf(s, degree, start);
            for (int i = 1; i < 3; ++i) {
                const int step =
                    (intervals[static_cast<std::size_t>((degree + i) % count)] -
                        intervals[static_cast<std::size_t>((degree + i - 1) % count)] + 12) %
                    12;
                frets[static_cast<std::size_t>(i)] = frets[static_cast<std::size_t>(i - 1)] + step;
            }
            start = frets[0];
            degree += 3;
        }
        int lowest = shape.front()[0];
        int highest = shape.front()[2];
        for (const auto& frets : shape) {
            lowest = std::min(lowest, frets[0]);
            highest = std::max(highest, frets[2]);
        }
        const int shift = (lowest - range.lowest) / 12 * 12;
        if (highest - shift > range.highest)
            continue;
        ScalePosition position;
        position.number = k + 1;
        position.indexFret = lowest - shift;
        for (const auto& frets : shape) {
            const std::array<int, 3> placed{frets[0] - shift, frets[1] - shift, frets[2] - shift};
            const std::array<int, 3> fingers = ThreeNoteFingers(placed);
            std::vector<ScaleFret>& notes = position.strings.emplace_back();
            for (std::size_t i = 0; i < 3; ++i)
                notes.push_back({placed[i], fingers[i]});
        }
        positions.push_back(std::move(position));
    }
    return positions;
}

}  // namespace

int ScalePosition::LowestFret() const
{
    int lowest = -1;
    for (const auto& notes : strings)
        for (const ScaleFret& note : notes)
            if (lowest < 0 || note.fret < lowest)
                lowest = note.fret;
    return std::max(lowest, 0);
}

int ScalePosition::HighestFret() const
{
    int highest = 0;
    for (const auto& notes : strings)
        for (const ScaleFret& note : notes)
            highest = std::max(highest, note.fret);
    return highest;
}

void AppendWord(std::string& text, const std::string& word)
{
    text += ' ';
    text += word;
}

void AppendFretAndFinger(std::string& list, const ScaleFret& note)
{
    if (!list.empty())
        list += ',';
    list += std::to_string(note.fret);
    list += '/';
    list += std::to_string(note.finger);
}

std::string PositionLine(const ScalePosition& position)
{
    std::string line = "position=" + std::to_string(position.number) +
        " frets=" + std::to_string(position.LowestFret()) + "-" +
        std::to_string(position.HighestFret());
    for (std::size_t s = 0; s < position.strings.size(); ++s) {
        AppendWord(line, std::to_string(s + 1));
        line += ':';
        const std::vector<ScaleFret>& notes = position.strings[s];
        if (notes.empty())
            line += '-';
        std::string pairs;
        for (const ScaleFret& note : notes)
            AppendFretAndFinger(pairs, note);
        line += pairs;
    }
    return line;
}

std::optional<std::string> FingeringProblem(const ScaleToFinger& scale, FingeringSystem system)
{
    const int notes = std::popcount(static_cast<unsigned>(scale.mask & 0xFFF));
    if (notes == 0)
        return "the scale has no notes";
    if (system == FingeringSystem::ThreeNotesPerString && notes < kMinThreeNotesPerStringNotes)
        return "three notes per string needs a scale of at least " +
            std::to_string(kMinThreeNotesPerStringNotes) + " notes; this one has " +
            std::to_string(notes);
    return std::nullopt;
}

std::vector<ScalePosition> ScalePositions(const ScaleToFinger& scale,
    std::span<const Note> openNotes, FingeringSystem system, FretRange frets)
{
    if (FingeringProblem(scale, system) || openNotes.empty() || frets.lowest < 0 ||
        frets.highest < frets.lowest)
        return {};
    const ScaleOnStrings neck(scale, openNotes);
    return system == FingeringSystem::Position ? PositionPlaying(neck, frets)
                                               : ThreeNotesPerString(neck, frets);
}

}  // namespace guivarna::theory
