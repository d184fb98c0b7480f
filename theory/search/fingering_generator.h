#pragma once

#include "theory/notes/instrument_limits.h"
#include "theory/notes/notes.h"
#include "theory/search/combination_cursor.h"

#include <array>
#include <cstdint>
#include <vector>

namespace guivarna::theory {

// One candidate fingering as the generator produces it: count strings, entry i giving the
// string number (from 1), the chord note (60..71) and the fret on the i-th string used.
struct FingeringCandidate {
    static constexpr int kMaxStrings = CombinationCursor::kMaxChosen;

    int count = 0;
    std::array<std::uint8_t, kMaxStrings> strings{};
    std::array<std::uint8_t, kMaxStrings> notes{};
    std::array<std::uint8_t, kMaxStrings> frets{};
};

// Enumerates every way to place k chord notes on k of the instrument's strings, one candidate
// per call: string combinations in lexicographic order; for each, the note orders by
// next-permutation starting from ascending (equal notes are not arranged twice); for each order,
// the lowest frets first and then every octave shift up to kMaxFret, odometer-wise with the last
// chosen string changing fastest.
class FingeringGenerator {
public:
    static constexpr std::uint32_t kMaxFret = theory::kMaxFret;

    // One note order on one string combination: the enumeration's step above the octave
    // variants. The enumeration is the candidates of its orders, one order after the other.
    struct Order {
        CombinationCursor combination;
        std::array<std::uint8_t, FingeringCandidate::kMaxStrings> notes{};
    };

    // Sets the instrument (open notes, string 1 first) and the chord notes. The enumeration
    // yields nothing when there are no notes, more notes than strings, more than kMaxStrings
    // strings, or a note outside 60..71. String combinations that use a string whose bit
    // (1 << string number) is clear in allowedStrings are skipped whole.
    void Start(const std::vector<Note>& openNotes, const std::vector<Note>& chordNotes,
        std::uint32_t allowedStrings = ~0u);

    // The enumeration's orders, independent of the candidate position: the first one (false
    // when it yields nothing), the one after order (false after the last), and how many
    // candidates an order yields. Valid after Start.
    bool FirstOrder(Order& order) const;
    bool AdvanceOrder(Order& order) const;
    std::uint64_t CandidatesOf(const Order& order) const;
    // Limits the enumeration set by Start to the candidates of `orders` orders from first on
    // (an order of this enumeration); orders = 0 yields nothing.
    void Restrict(const Order& first, std::uint64_t orders);

    // The next candidate, or nullptr when the enumeration is exhausted; the call after that
    // starts it over. The candidate stays valid until the next call. K, when not 0, is the
    // number of chord notes known at compile time (the search's inner loop is made for each).
    template <std::size_t K = 0> const FingeringCandidate* Next()
    {
        if (started_) {
            // Next octave variant: the odometer over the chosen strings, last string fastest.
            const std::size_t k = K != 0 ? K : static_cast<std::size_t>(candidate_.count);
            for (std::size_t i = k; i-- > 0;) {
                std::uint8_t& fret = candidate_.frets[i];
                if (fret + 12u <= kMaxFret) {
                    fret = static_cast<std::uint8_t>(fret + 12);
                    return &candidate_;
                }
                fret = base_[i];
            }
        }
        return NextOrder();
    }

private:
    // The first candidate, or the one after the last octave variant of a note order.
    const FingeringCandidate* NextOrder();
    bool Begin();
    // Moves the combination cursor to the first allowed combination at or after it; false when
    // there is none.
    bool SkipToAllowedCombination() { return SkipToAllowed(combination_); }
    bool SkipToAllowed(CombinationCursor& combination) const;
    void LoadCombination();
    void ComputeBaseFrets();

    bool valid_ = false;
    bool started_ = false;
    // Set by Restrict: where the enumeration begins and how many orders it yields.
    bool restricted_ = false;
    Order restrictedFirst_;
    std::uint64_t restrictedOrders_ = 0;
    // The orders still to come after the current one (counts down only when restricted).
    std::uint64_t ordersLeft_ = 0;
    std::uint32_t allowedStrings_ = ~0u;
    int stringCount_ = 0;
    // baseFret_[string index][pitch class]: the lowest fret of that pitch class on that string.
    std::array<std::array<std::uint8_t, 12>, FingeringCandidate::kMaxStrings> baseFret_{};
    std::vector<std::uint8_t> sortedNotes_;
    CombinationCursor combination_;
    std::array<std::uint8_t, FingeringCandidate::kMaxStrings> chosen_{};  // string indexes
    std::array<std::uint8_t, FingeringCandidate::kMaxStrings> base_{};
    FingeringCandidate candidate_;
};

}  // namespace guivarna::theory
