#pragma once

#include "theory/notes/notes.h"
#include "theory/search/voicing_request.h"
#include "theory/search/voicing_search.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace guivarna::theory {

// One chord of a sequence to lead.
struct LeadChord {
    // Chords with the same identity (and the same fixed shape) are one chord played again: they
    // get one voicing unless repeats may vary. A symbol's text serves.
    std::string identity;
    // What to voice; unset for a chord that cannot be voiced at all (an unreadable symbol).
    std::optional<VoicingRequest> request;
    // A shape of the player's own (string 1 first, counted from the capo), played instead of the
    // one the leading would choose.
    std::optional<std::vector<int>> fixedFrets;
};

struct LeadOptions {
    bool varyRepeats = false;  // a chord played again may take another voicing
    int capo = 0;  // the fret of the capo; shapes are counted from it
    int threads = 1;  // for the voicing searches
    // The most work (cells of the dynamic programme) the search for an optimum with repeats held
    // may do before it settles for the best solution found; see LeadResult::optimal.
    std::uint64_t workBudget = 400'000'000;
};

enum class LeadStatus {
    Voiced,
    Unreadable,  // no request: the symbol could not be read
    NoVoicing,  // nothing within the options plays the chord (or the fixed shape is no shape)
};

// What the leading chose for one chord of the sequence.
struct LeadStep {
    LeadStatus status = LeadStatus::NoVoicing;
    Voicing voicing;  // when Voiced: frets counted from the capo, the hand and the rank
    std::int64_t move = 0;  // the movement cost from the voiced chord before; 0 for the first
};

struct LeadResult {
    std::vector<LeadStep> steps;  // one per chord, in order
    std::int64_t total = 0;  // the ranks of the voicings and the moves between them
    // False when the work budget ran out before the optimum was proven, or when a chord had so
    // many voicings that only the best ranked 600 were considered.
    bool optimal = true;
    int capo = 0;
};

// The movement cost of the hand from one voicing to the next (the weights are listed in
// voice_leading.cpp): how far each finger used in both travels, the fingers lifted and set
// down, less a credit for each finger that stays on the same string and fret, holding a common
// tone. Both voicings are on one tuning with one capo.
std::int64_t MovementCost(const Voicing& from, const Voicing& to);

// The choice of the leading over given candidates: sequence[p] is the chord played at position p,
// an index into candidates, the voicings that chord may take.
struct LeadPlan {
    std::vector<int> choice;  // per position, the index of its voicing in its chord's candidates
    std::int64_t total = 0;
    bool optimal = true;
};

// The voicings, one per position, of the lowest total cost: the ranks of the chosen voicings and
// the movement cost between neighbours. Without varyRepeats a chord gets one voicing wherever
// it is played. Every chord in sequence must have a candidate. Ties go to the candidates that
// come first, so the choice is the same on every run.
LeadPlan PlanLeading(std::span<const std::vector<Voicing>> candidates,
    std::span<const int> sequence, bool varyRepeats,
    std::uint64_t workBudget = LeadOptions{}.workBudget);

// Chooses a voicing for every chord of the sequence on strings tuned to tuning (string 1 first,
// open without the capo). A chord that cannot be voiced is reported in its step and left out:
// the chords on either side of it are led as neighbours, since the hand goes from one to the
// other all the same.
LeadResult LeadVoicings(
    std::span<const LeadChord> chords, std::span<const Note> tuning, const LeadOptions& options);

// What a capo at fret capo costs a song of voiced chords: a capo is worth putting on only when
// it makes the playing easier by more than this (see the weight in voice_leading.cpp).
std::int64_t CapoCost(int capo, std::size_t voiced);

// LeadVoicings with the capo from 0 to highestCapo that voices the most chords at the lowest total
// cost plus CapoCost; ties go to the lowest capo. options.capo is not used.
LeadResult LeadVoicingsBestCapo(std::span<const LeadChord> chords, std::span<const Note> tuning,
    const LeadOptions& options, int highestCapo = 7);

// The chords of a list of symbols (read with ReadChordSymbol): each symbol's text is its
// identity; a symbol that cannot be read ("N.C.", "Solo", a typo) has no request. fixedShapes
// maps a symbol to a shape of the player's own (a song's {define}).
std::vector<LeadChord> LeadChordsOfSymbols(std::span<const std::string> symbols,
    std::span<const Note> tuning, const VoicingChoices& choices,
    const std::map<std::string, std::vector<int>>& fixedShapes = {});

}  // namespace guivarna::theory
