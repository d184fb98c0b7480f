#pragma once

#include "theory/notes/notes.h"
#include "theory/search/fingering_generator.h"
#include "theory/search/search_request.h"

#include <cstdint>
#include <string>
#include <vector>

namespace guivarna::theory {

// A chord search request prepared for one run: the instrument, the chord notes and the filters a
// candidate must pass, in the order they are applied.
struct ChordFilter {
    // The filter for a request on an instrument (open notes, string 1 first), prepared.
    static ChordFilter For(const std::vector<Note>& tuning, const ChordSearchRequest& request);

    std::vector<Note> openNotes;  // string 1 first
    std::vector<Note> notes;  // the chord notes in the order they were added
    std::vector<std::uint32_t> allowedStrings;  // empty = every string
    std::vector<Note> permutation;  // empty = any note order
    PitchClass melody = kNoPitchClass;
    std::uint32_t lowestFret = 0;
    std::uint32_t highestFret = kMaxFret;
    int span = kMaxSpan;
    OpenStringPolicy openStrings = OpenStringPolicy::ByPosition;
    bool playableOnly = false;

    // Derives the bit sets the filters use from the fields above; call once after filling them.
    void Prepare();

    // Every fret within the fret range (how open strings count depends on the policy).
    bool PassesFretRange(const FingeringCandidate& c) const;
    // The frets lie within the span (how open strings count depends on the policy).
    bool PassesSpan(const FingeringCandidate& c) const;
    // Every string used is allowed.
    bool PassesStringSet(const FingeringCandidate& c) const;
    // The notes follow the required note order.
    bool PassesPermutation(const FingeringCandidate& c) const;
    // The first string used sounds the melody note.
    bool PassesMelody(const FingeringCandidate& c) const;

    // The string set, as a bit set for the generator: bit s allows string number s.
    std::uint32_t AllowedStringMask() const { return allowedMask_; }

    // The fret range, span, permutation and melody filters at once: the search's inner loop.
    // The string-set filter is left out because it only depends on the string combination,
    // which the generator checks once per combination (see AllowedStringMask).
    // K, when not 0, is c.count known at compile time.
    template <std::size_t K = 0> bool AcceptsWithinCombination(const FingeringCandidate& c) const
    {
        if (!KnownPolicy())
            return false;
        const FretExtent extent = ExtentOf<K>(c);
        return FitsFretRange(extent) && FitsSpan(extent) && OpenStringsAsRequired(extent) &&
            (permutation.empty() || PassesPermutation(c)) &&
            (melody == kNoPitchClass || PassesMelody(c));
    }

    // Four fingers can hold the candidate (on this filter's instrument). Not part of Accepts:
    // the run applies it last, as it is the costliest.
    bool PassesPlayable(const FingeringCandidate& c) const;

    // All five filters.
    bool Accepts(const FingeringCandidate& c) const
    {
        return PassesStringSet(c) && AcceptsWithinCombination(c);
    }

private:
    // The lowest and highest fret the fret range and the span judge. Open strings count as fret
    // 0 by position; under the other policies they are left out, and only noted.
    struct FretExtent {
        unsigned lowest = 255;
        unsigned highest = 0;
        bool counted = false;  // some fret counts
        bool open = false;  // some string is open
    };

    template <std::size_t K = 0> FretExtent ExtentOf(const FingeringCandidate& c) const
    {
        const std::size_t k = K != 0 ? K : static_cast<std::size_t>(c.count);
        FretExtent e;
        const bool openCounts = openStrings == OpenStringPolicy::ByPosition;
        for (std::size_t i = 0; i < k; ++i) {
            const unsigned f = c.frets[i];
            if (f == 0) {
                e.open = true;
                if (!openCounts)
                    continue;
            }
            e.lowest = f < e.lowest ? f : e.lowest;
            e.highest = f > e.highest ? f : e.highest;
            e.counted = true;
        }
        return e;
    }
    bool KnownPolicy() const
    {
        return openStrings == OpenStringPolicy::ByPosition ||
            openStrings == OpenStringPolicy::MayHave || openStrings == OpenStringPolicy::MustHave;
    }
    bool FitsFretRange(const FretExtent& e) const
    {
        return !e.counted || (e.lowest >= lowestFret && e.highest <= highestFret);
    }
    bool FitsSpan(const FretExtent& e) const
    {
        return !e.counted || static_cast<int>(e.highest - e.lowest) < span;
    }
    // "Must have open strings": at least one open and one fretted string.
    bool OpenStringsAsRequired(const FretExtent& e) const
    {
        return openStrings != OpenStringPolicy::MustHave || (e.counted && e.open);
    }

    std::uint32_t allowedMask_ = 0;  // bit s: string number s may be used
};

}  // namespace guivarna::theory
