#include "theory/search/chord_filter.h"

#include "theory/hand/finger_assignment.h"

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
    filter.melody = request.melody;
    filter.lowestFret = request.lowestFret;
    filter.highestFret = request.highestFret;
    filter.span = request.span;
    filter.openStrings = request.openStrings;
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
}

bool ChordFilter::PassesFretRange(const FingeringCandidate& c) const
{
    if (!KnownPolicy())
        return true;
    const FretExtent extent = ExtentOf(c);
    return FitsFretRange(extent) && (openStrings != OpenStringPolicy::MustHave || extent.counted);
}

bool ChordFilter::PassesSpan(const FingeringCandidate& c) const
{
    if (!KnownPolicy())
        return false;
    const FretExtent extent = ExtentOf(c);
    return FitsSpan(extent) && (openStrings != OpenStringPolicy::MustHave || extent.open);
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
    if (melody == kNoPitchClass)
        return true;
    return c.count > 0 && PitchClassOf(c.notes[0]) == melody;
}

}  // namespace guivarna::theory
