#pragma once

#include "theory/hand/finger_assignment.h"
#include "theory/notes/notes.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace guivarna::theory {

class RunControl;

// Which note a voicing has lowest.
enum class VoicingBass {
    Root,  // the chord's root
    Any,  // any tone of the chord: every inversion
    Note,  // VoicingRequest::bassNote
};

// The degrees a voicing may leave out, as bits.
enum VoicingDegree : unsigned {
    kDegreeRoot = 1u << 0,
    kDegreeFifth = 1u << 1,
    kDegreeNinth = 1u << 2,
    kDegreeEleventh = 1u << 3,
    kDegreeThirteenth = 1u << 4,
};

// A chord to voice on an instrument, and how.
struct VoicingRequest {
    PitchClass root = 0;
    int intervals = 1;  // bit k: the tone k semitones above the root (bit 0, the root, is set)
    VoicingBass bass = VoicingBass::Root;
    PitchClass bassNote = kNoPitchClass;  // the bass with VoicingBass::Note, a tone of the chord
    unsigned omittable = kDegreeFifth;  // VoicingDegree bits that may be left out
    int minStrings = 3;  // the fewest sounding strings
    bool mutedInside = true;  // a string not played may lie between sounding strings
    // The fret range, and the span of the fretted strings (highest - lowest < span, as in the
    // chord search). Open strings need no finger: they lie outside the span, and are played
    // wherever the fret range starts at the nut (lowestFret 0).
    int lowestFret = 0;
    int highestFret = 12;
    int span = 4;
};

// One way to play the chord: the frets, string 1 first (kNotPlayed, 0 open, or the fret), the
// hand that holds them, and its rank (lower comes first).
struct Voicing {
    std::vector<int> frets;
    Hand hand;
    std::int64_t rank = 0;

    bool operator==(const Voicing& other) const { return frets == other.frets; }
};

// The tone a degree names in a chord of these intervals, as bits of intervals: the fifth is the
// perfect fifth; the ninth is b9, 9 or (beside a major third) #9; the eleventh is 11 beside a
// third (without one it is a suspended fourth) or #11 beside a perfect fifth; the thirteenth is
// 13 beside a seventh (without one it is a sixth) or b13 beside a perfect fifth.
int DegreeIntervals(unsigned degrees, int intervals);

// The degrees chord books leave out for this chord on this instrument (tuning string 1 first):
// - the fifth always;
// - in an eleventh chord the ninth, and in a thirteenth chord the ninth and the eleventh, as a
//   six-string guitar cannot sound all seven notes of a thirteenth;
// - on four strings or fewer, the root of every chord of five tones or more: there the bass
//   player has it, and the ukulele's books give A9 as 2,0,1,0 (B, E, C#, G).
// The third (or the suspended tone) and the seventh always sound.
unsigned DefaultOmittable(int intervals, std::span<const Note> tuning);

// A tuning whose strings do not fall in pitch from string 1 to the last (the ukulele's high G):
// its lowest string is not its lowest note, and books voice it with any tone in the bass.
bool IsReentrant(std::span<const Note> tuning);

// The bass books ask for on this tuning: the root, or any tone on a re-entrant tuning.
VoicingBass DefaultBass(std::span<const Note> tuning);

// How many fret patterns the search tries for the request (saturating): the work it does, which
// grows with the strings, frets and span, known before it starts.
std::uint64_t CountVoicingCandidates(const VoicingRequest& request, std::span<const Note> tuning);

// The ranked order: lower rank first, ties by the frets, so the order is the same on every run.
bool RankedBefore(const Voicing& a, const Voicing& b);

// Receives the voicings of one window of frets, ranked within it.
using VoicingPieceSink = std::function<void(std::vector<Voicing>&& piece)>;

// Every voicing of the request on strings tuned to tuning (string 1 first): every fret pattern
// within the fret range and span whose sounding strings all play tones of the chord, which
// sounds every tone that may not be left out, has the bass asked for and at least minStrings
// sounding strings, and which four fingers can hold. They reach sink in pieces, one per lowest
// fretted fret from the bottom of the range up, each ranked within itself (see the weights in
// voicing_search.cpp), in that order whatever threads (1 or more) is; sink is called on the
// search's threads, one call at a time. control (may be null) pauses the search at its
// checkpoints and stops it, ending it early with the pieces handed on so far. An exception on
// any thread (std::bad_alloc, or one from sink) ends the search and reaches the caller.
void StreamVoicings(const VoicingRequest& request, std::span<const Note> tuning, int threads,
    RunControl* control, const VoicingPieceSink& sink);

// The ranked order of the voicings of pieces that are each ranked within themselves: indices
// into the pieces laid end to end.
std::vector<std::size_t> RankedMerge(std::span<const std::vector<Voicing>> pieces);

// Every voicing of the request, as StreamVoicings finds them, ranked best first.
std::vector<Voicing> FindVoicings(const VoicingRequest& request, std::span<const Note> tuning,
    int threads = 1, RunControl* control = nullptr);

// The rank FindVoicings gives a fret pattern (string 1 first) held by hand, for a shape chosen
// elsewhere, such as a player's own; the hand's difficulty when the request can find nothing.
std::int64_t RankVoicing(const VoicingRequest& request, std::span<const Note> tuning,
    std::span<const int> frets, const Hand& hand);

}  // namespace guivarna::theory
