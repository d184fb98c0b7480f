#include "theory/search/fingering_generator.h"

#include "theory/notes/instrument_limits.h"

#include <algorithm>

namespace guivarna::theory {

void FingeringGenerator::Start(const std::vector<Note>& openNotes,
    const std::vector<Note>& chordNotes, std::uint32_t allowedStrings)
{
    started_ = false;
    restricted_ = false;
    allowedStrings_ = allowedStrings;
    stringCount_ = static_cast<int>(openNotes.size());
    const int k = static_cast<int>(chordNotes.size());
    valid_ = k >= 1 && k <= stringCount_ && stringCount_ <= FingeringCandidate::kMaxStrings &&
        std::all_of(chordNotes.begin(), chordNotes.end(),
            [](Note n) { return n >= kLowestNote && n <= kHighestNote; });
    if (!valid_)
        return;

    for (int s = 0; s < stringCount_; ++s) {
        const auto open = static_cast<long long>(openNotes[static_cast<std::size_t>(s)]);
        for (int pc = 0; pc < 12; ++pc) {
            // The mathematical remainder, 0..11, even when the open note lies above the note.
            const long long fret =
                ((static_cast<long long>(kLowestNote) + pc - open) % 12 + 12) % 12;
            baseFret_[static_cast<std::size_t>(s)][static_cast<std::size_t>(pc)] =
                static_cast<std::uint8_t>(fret);
        }
    }
    sortedNotes_.assign(chordNotes.begin(), chordNotes.end());
    std::stable_sort(sortedNotes_.begin(), sortedNotes_.end());
    candidate_.count = k;
}

bool FingeringGenerator::Begin()
{
    if (!valid_)
        return false;
    if (restricted_) {
        if (restrictedOrders_ == 0)
            return false;
        combination_ = restrictedFirst_.combination;
        std::copy_n(restrictedFirst_.notes.begin(), candidate_.count, candidate_.notes.begin());
        ordersLeft_ = restrictedOrders_ - 1;
    } else {
        combination_ = CombinationCursor(0, stringCount_, candidate_.count);
        std::copy(sortedNotes_.begin(), sortedNotes_.end(), candidate_.notes.begin());
        if (!SkipToAllowedCombination())
            return false;
    }
    started_ = true;
    LoadCombination();
    return true;
}

bool FingeringGenerator::SkipToAllowed(CombinationCursor& combination) const
{
    for (; !combination.Done(); combination.Advance()) {
        bool allowed = true;
        for (int i = 0; i < candidate_.count && allowed; ++i)
            allowed = (allowedStrings_ & (1u << (combination[i] + 1))) != 0;
        if (allowed)
            return true;
    }
    return false;
}

bool FingeringGenerator::FirstOrder(Order& order) const
{
    if (!valid_)
        return false;
    order.combination = CombinationCursor(0, stringCount_, candidate_.count);
    std::copy(sortedNotes_.begin(), sortedNotes_.end(), order.notes.begin());
    return SkipToAllowed(order.combination);
}

bool FingeringGenerator::AdvanceOrder(Order& order) const
{
    const int k = candidate_.count;
    // As NextOrder: the note orders of a combination, then the next allowed combination with
    // the notes ascending again.
    if (std::next_permutation(order.notes.begin(), order.notes.begin() + k))
        return true;
    order.combination.Advance();
    return SkipToAllowed(order.combination);
}

std::uint64_t FingeringGenerator::CandidatesOf(const Order& order) const
{
    std::uint64_t candidates = 1;
    for (int i = 0; i < candidate_.count; ++i) {
        const unsigned fret = baseFret_[static_cast<std::size_t>(order.combination[i])]
                                       [order.notes[static_cast<std::size_t>(i)] - kLowestNote];
        candidates *= 1 + (kMaxFret - fret) / 12;
    }
    return candidates;
}

void FingeringGenerator::Restrict(const Order& first, std::uint64_t orders)
{
    started_ = false;
    restricted_ = true;
    restrictedFirst_ = first;
    restrictedOrders_ = orders;
}

void FingeringGenerator::LoadCombination()
{
    for (int i = 0; i < candidate_.count; ++i) {
        const auto index = static_cast<std::uint8_t>(combination_[i]);
        chosen_[static_cast<std::size_t>(i)] = index;
        candidate_.strings[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(index + 1);
    }
    ComputeBaseFrets();
}

void FingeringGenerator::ComputeBaseFrets()
{
    for (std::size_t i = 0; i < static_cast<std::size_t>(candidate_.count); ++i) {
        const std::uint8_t fret = baseFret_[chosen_[i]][candidate_.notes[i] - kLowestNote];
        base_[i] = fret;
        candidate_.frets[i] = fret;
    }
}

const FingeringCandidate* FingeringGenerator::NextOrder()
{
    if (!started_)
        return Begin() ? &candidate_ : nullptr;

    if (restricted_) {
        if (ordersLeft_ == 0) {
            started_ = false;
            return nullptr;
        }
        --ordersLeft_;
    }
    const int k = candidate_.count;
    // Next note order; when they are exhausted next_permutation leaves them ascending again.
    if (std::next_permutation(candidate_.notes.begin(), candidate_.notes.begin() + k)) {
        ComputeBaseFrets();
        return &candidate_;
    }

    combination_.Advance();
    if (!SkipToAllowedCombination()) {
        started_ = false;
        return nullptr;
    }
    LoadCombination();
    return &candidate_;
}

}  // namespace guivarna::theory
