#pragma once

#include "theory/fingering_generator.h"
#include "theory/notes.h"
#include "theory/search_request.h"

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
    std::string melodyNote;  // "" = any
    std::uint32_t lowestFret = 0;
    std::uint32_t highestFret = 24;
    int span = 24;
    int openStringPolicy = 0;
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
        const std::size_t k = K != 0 ? K : static_cast<std::size_t>(c.count);
        switch (openStringPolicy) {
        case kOpenStringsByPosition: {
            unsigned lowest = 255;
            unsigned highest = 0;
            for (std::size_t i = 0; i < k; ++i) {
                const unsigned f = c.frets[i];
                lowest = f < lowest ? f : lowest;
                highest = f > highest ? f : highest;
            }
            if (lowest < lowestFret || highest > highestFret ||
                static_cast<int>(highest - lowest) >= span)
                return false;
            break;
        }
        case kMayHaveOpenStrings:
        case kMustHaveOpenStrings: {
            // Open strings count as 255 for the lowest fretted fret and as 0 for the highest.
            unsigned lowest = 255;
            unsigned highest = 0;
            for (std::size_t i = 0; i < k; ++i) {
                const unsigned f = c.frets[i];
                const unsigned forLowest = f == 0 ? 255 : f;
                lowest = forLowest < lowest ? forLowest : lowest;
                highest = f > highest ? f : highest;
            }
            const bool fretted = highest != 0;
            if (fretted &&
                (lowest < lowestFret || highest > highestFret ||
                    static_cast<int>(highest - lowest) >= span))
                return false;
            if (openStringPolicy == kMustHaveOpenStrings && (!fretted || !HasOpenString(c, k)))
                return false;
            break;
        }
        default:
            return false;
        }
        return (permutation.empty() || PassesPermutation(c)) &&
            (melodyPitchClass_ == -1 || PassesMelody(c));
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
    static bool HasOpenString(const FingeringCandidate& c, std::size_t k)
    {
        for (std::size_t i = 0; i < k; ++i) {
            if (c.frets[i] == 0)
                return true;
        }
        return false;
    }

    std::uint32_t allowedMask_ = 0;  // bit s: string number s may be used
    int melodyPitchClass_ = -1;  // -1 any, -2 none (an unknown name), else 0..11
};

}  // namespace guivarna::theory
