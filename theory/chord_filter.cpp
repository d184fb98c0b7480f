#include "theory/chord_filter.h"

#include "theory/finger_assignment.h"

#include <algorithm>
#include <array>

namespace guivarna::theory {

ChordFilter ChordFilter::For(const std::vector<Note>& tuning, const ChordSearchRequest& request)
{
    ChordFilter filter;
    filter.openNotes = tuning;
    filter.notes = request.notes;
    filter.allowedStrings = request.allowedStrings;
    filter.permutation = request.permutation;
    filter.melodyNote = request.melodyNote;
    filter.lowestFret = request.lowestFret;
    filter.highestFret = request.highestFret;
    filter.span = request.span;
    filter.openStringPolicy = request.openStringPolicy;
    filter.playableOnly = request.playableOnly;
    filter.Prepare();
    return filter;
}

bool ChordFilter::PassesPlayable(const FingeringCandidate& c) const
{
    std::array<int, kMaxStrings> frets{};
    const std::size_t strings = std::min(openNotes.size(), frets.size());
    std::fill(frets.begin(), frets.begin() + static_cast<std::ptrdiff_t>(strings), kNotPlayed);
    for (int i = 0; i < c.count; ++i) {
        const std::size_t string = c.strings[static_cast<std::size_t>(i)];
        if (string < 1 || string > strings)
            return false;
        frets[string - 1] = c.frets[static_cast<std::size_t>(i)];
    }
    return AssignFingers(std::span<const int>(frets.data(), strings)).playable;
}

void ChordFilter::Prepare()
{
    allowedMask_ = 0;
    if (allowedStrings.empty()) {
        allowedMask_ = ~0u;
    } else {
        for (const std::uint32_t s : allowedStrings) {
            if (s >= 1 && s <= static_cast<std::uint32_t>(FingeringCandidate::kMaxStrings))
                allowedMask_ |= 1u << s;
        }
    }
    if (melodyNote.empty()) {
        melodyPitchClass_ = -1;
    } else {
        const std::uint32_t number = NoteNumber(melodyNote);
        melodyPitchClass_ = number == kUnknown ? -2 : static_cast<int>(number % 12);
    }
}

bool ChordFilter::PassesFretRange(const FingeringCandidate& c) const
{
    const auto n = static_cast<std::size_t>(c.count);
    switch (openStringPolicy) {
    case kOpenStringsByPosition:
        for (std::size_t i = 0; i < n; ++i) {
            if (c.frets[i] < lowestFret || c.frets[i] > highestFret)
                return false;
        }
        return true;
    case kMayHaveOpenStrings:
    case kMustHaveOpenStrings: {
        bool fretted = false;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t f = c.frets[i];
            if (f == 0)
                continue;
            if (f < lowestFret || f > highestFret)
                return false;
            fretted = true;
        }
        return openStringPolicy == kMayHaveOpenStrings || fretted;
    }
    default:
        return true;
    }
}

bool ChordFilter::PassesSpan(const FingeringCandidate& c) const
{
    const auto n = static_cast<std::size_t>(c.count);
    int lowest = 255;
    int highest = 0;
    bool open = false;
    switch (openStringPolicy) {
    case kOpenStringsByPosition:
        for (std::size_t i = 0; i < n; ++i) {
            lowest = std::min<int>(lowest, c.frets[i]);
            highest = std::max<int>(highest, c.frets[i]);
        }
        return highest - lowest < span;
    case kMayHaveOpenStrings:
    case kMustHaveOpenStrings:
        for (std::size_t i = 0; i < n; ++i) {
            if (c.frets[i] == 0) {
                open = true;
                continue;
            }
            lowest = std::min<int>(lowest, c.frets[i]);
            highest = std::max<int>(highest, c.frets[i]);
        }
        if (openStringPolicy == kMustHaveOpenStrings && !open)
            return false;
        return lowest > highest || highest - lowest < span;
    default:
        return false;
    }
}

bool ChordFilter::PassesStringSet(const FingeringCandidate& c) const
{
    for (std::size_t i = 0; i < static_cast<std::size_t>(c.count); ++i) {
        if ((allowedMask_ & (1u << c.strings[i])) == 0)
            return false;
    }
    return true;
}

bool ChordFilter::PassesPermutation(const FingeringCandidate& c) const
{
    if (permutation.size() > static_cast<std::size_t>(c.count))
        return false;
    for (std::size_t i = 0; i < permutation.size(); ++i) {
        if (c.notes[i] != permutation[i])
            return false;
    }
    return true;
}

bool ChordFilter::PassesMelody(const FingeringCandidate& c) const
{
    if (melodyPitchClass_ == -1)
        return true;
    return c.count > 0 && static_cast<int>(c.notes[0] % 12) == melodyPitchClass_;
}

}  // namespace guivarna::theory
