#pragma once

#include "theory/chord_fingering.h"
#include "theory/notes.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace guivarna::theory {

class MusicTheory;
class FingeringGenerator;
class ScaleGenerator;
class ChordResultStore;
struct ChordRequest;
struct ScaleRequest;

// How the chord search treats open strings (fret 0).
enum OpenStringPolicy : int {
    kOpenStringsByPosition = 0,  // an open string counts as fret 0 for the fret range and the span
    kMayHaveOpenStrings = 1,  // open strings are always allowed and ignored by the span
    kMustHaveOpenStrings = 2,  // at least one open and at least one fretted string
};

// The program-wide search object: the chord fingering search and the scale search, their
// parameters and their result lists.
//
// Threads: the parameters, the result lists and the current indexes may be used from any thread
// (each is guarded by its own lock). One search runs on one thread at a time: ResetChordSearch and
// FindNextChord must not be called concurrently with each other (likewise ResetScaleSearch and
// FindNextScale); the chord and the scale search may run on two different threads at once.
// A run works on a snapshot of its request taken by ResetChordSearch / ResetScaleSearch, so
// setters called while a run is going on only affect the next run.
class SearchEngine {
public:
    // The highest fret an octave shift may reach.
    static constexpr std::uint32_t kMaxFret = 24;
    // The most strings an instrument may have.
    static constexpr int kMaxStrings = 24;

    // The chord is read from theory (the notes added by AddNote) when a chord search is reset.
    // theory must outlive the engine.
    explicit SearchEngine(const MusicTheory& theory);
    virtual ~SearchEngine();

    SearchEngine(const SearchEngine&) = delete;
    SearchEngine& operator=(const SearchEngine&) = delete;

    // --- The instrument -------------------------------------------------------------------

    // Appends a string with the given absolute open note (64 is the E above the C of 60); the new
    // string's number is the string count so far + 1 (string 1 is the highest). Returns the new
    // string count. Throws std::length_error beyond kMaxStrings strings.
    int AddString(Note openNote);
    // Replaces all strings by openNotes, string 1 first. Throws std::length_error when there are
    // more than kMaxStrings; then nothing changes.
    void SetTuning(const std::vector<Note>& openNotes);
    std::vector<Note> GetTuning() const;
    int StringCount() const;

    // --- Chord search parameters -----------------------------------------------------------

    // The strings a fingering may use (numbers from 1). Empty means all strings; the first search
    // with an empty list fills it with 1..string count (it is emptied again when the strings
    // change, so a new tuning never keeps a stale list).
    void SetAllowedStrings(const std::vector<std::uint32_t>& strings);
    void ClearAllowedStrings();
    std::vector<std::uint32_t> GetAllowedStrings() const;

    // A required note order (note i on the i-th string used); clears the melody note.
    void SetPermutation(const std::vector<Note>& notes);
    std::vector<Note> GetPermutation() const;
    // Any note order: clears the permutation and the melody note.
    void UseAllPermutations();
    // A required note name ("E") on the first (highest) string used; clears the permutation.
    // "" means any.
    void SetMelodyNote(const std::string& name);
    std::string GetMelodyNote() const;

    void SetFretRange(std::uint32_t lowest, std::uint32_t highest);
    std::uint32_t GetLowestFret() const;
    std::uint32_t GetHighestFret() const;
    // The fretted notes must satisfy max - min < span.
    void SetSpan(int span);
    int GetSpan() const;
    // One of OpenStringPolicy; any other value accepts no fingering.
    void SetOpenStringPolicy(int policy);
    int GetOpenStringPolicy() const;

    // --- Chord search ----------------------------------------------------------------------

    // Restarts the fingering enumeration and takes the snapshot of the request: the chord notes
    // from the theory object (or the given notes, in the order they were added) plus the strings
    // and the filters above. Also withdraws a pending RequestChordStop. The theory object is
    // not locked: a worker thread that resets the search while the interface may change the
    // chord should be handed the notes (taken on the interface thread) instead.
    void ResetChordSearch();
    void ResetChordSearch(const std::vector<Note>& notes);
    // Finds the next fingering that passes all filters, appends it to the chord results and
    // copies it to out. False when the enumeration is exhausted (the next call starts over), when
    // a stop was requested, or when ClearChordResults was called after this run was reset (a
    // stale run never adds to a newer result list).
    bool FindNextChord(ChordFingering& out);
    // Makes a FindNextChord in progress (or the next one) return false within a few thousand
    // candidates; the run stays stopped until ResetChordSearch. Safe from any thread.
    void RequestChordStop();
    // True when the last FindNextChord returned false because of a stop rather than exhaustion.
    bool ChordSearchStopped() const;

    // Empties the chord results and sets the current chord to -1.
    void ClearChordResults();
    std::size_t ChordResultCount() const;
    // Result index; throws std::out_of_range when index >= ChordResultCount().
    ChordFingering GetFingering(std::size_t index) const;
    void GetFingering(ChordFingering& out, std::size_t index) const;
    // Bytes held by the chord result list (for memory figures).
    std::size_t ChordResultBytes() const;

    // The fingering selected in the result list; -1 = none.
    void SetCurrentChord(int index);
    int GetCurrentChord() const;
    // False when the current chord is -1 or no longer in the list; else copies that result.
    bool GetCurrentFingering(ChordFingering& out) const;

    // --- Scale search parameters -----------------------------------------------------------

    // Notes per scale, 1..12; 0 = not set.
    void SetToneCount(int count);
    int GetToneCount() const;
    bool HasToneCount() const;
    // When on, every scale must contain all must-have notes.
    void SetMustHaveFilter(bool on);
    bool GetMustHaveFilter() const;
    void SetMustHaveNotes(const std::vector<Note>& notes);
    void ClearMustHaveNotes();
    std::vector<Note> GetMustHaveNotes() const;
    // Longest allowed run of semitone steps; -1 = no limit.
    void SetRunLimit(int limit);
    int GetRunLimit() const;

    // True when the scale passes the must-have filter / the run limit as currently set.
    bool MustHaveTest(const std::vector<Note>& scale) const;
    bool RunTest(const std::vector<Note>& scale) const;

    // --- Scale search ----------------------------------------------------------------------

    // Restarts the scale enumeration and takes the snapshot of the request (tone count,
    // must-have filter and notes, run limit). Also withdraws a pending RequestScaleStop.
    void ResetScaleSearch();
    // Finds the next scale (ascending notes 60..71) that passes the filters, appends it to the
    // scale results and copies it to out. False when exhausted (the next call starts over), when
    // the tone count is outside 1..12, when stopped, or for a stale run (see FindNextChord).
    bool FindNextScale(std::vector<Note>& out);
    // The same with the given tone count instead of the stored one.
    bool FindNextScale(std::vector<Note>& out, int toneCount);
    void RequestScaleStop();
    bool ScaleSearchStopped() const;

    // Empties the scale results and sets the current scale to -1.
    void ClearScaleResults();
    std::size_t ScaleResultCount() const;
    // Appends the notes of scale index to out; throws std::out_of_range for a bad index.
    void GetScale(std::vector<Note>& out, std::size_t index) const;
    std::vector<Note> GetScale(std::size_t index) const;
    // Bytes held by the scale result list (for memory figures).
    std::size_t ScaleResultBytes() const;

    void SetCurrentScale(int index);
    int GetCurrentScale() const;
    // The note names of the current scale joined by " - "; "" when there is none.
    std::string FormatCurrentScale() const;

private:
    struct ChordRun;
    struct ScaleRun;

    // FindNextChord's loop for K chord notes (0: any number).
    template <std::size_t K> bool ScanChords(ChordFingering& out);
    std::shared_ptr<const ChordRequest> SnapshotChordRequest(std::vector<Note> notes);
    std::shared_ptr<const ScaleRequest> SnapshotScaleRequest();
    void StringsChanged();

    const MusicTheory& theory_;

    // The request, guarded by paramsMutex_.
    mutable std::mutex paramsMutex_;
    std::vector<Note> openNotes_;
    std::vector<std::uint32_t> allowedStrings_;
    bool allowedStringsFilled_ = false;
    std::vector<Note> permutation_;
    std::vector<Note> mustHaveNotes_;
    std::uint32_t lowestFret_ = 0;
    std::uint32_t highestFret_ = 24;
    int span_ = 24;
    int openStringPolicy_ = kOpenStringsByPosition;
    int toneCount_ = 0;
    bool mustHaveFilter_ = false;
    int runLimit_ = 12;
    std::string melodyNote_;

    // The chord results, guarded by chordMutex_.
    mutable std::mutex chordMutex_;
    std::unique_ptr<ChordResultStore> chordResults_;
    std::uint64_t chordGeneration_ = 0;

    // The scale results (one 12-bit pitch-class mask each), guarded by scaleMutex_.
    mutable std::mutex scaleMutex_;
    std::vector<std::uint16_t> scaleResults_;
    std::uint64_t scaleGeneration_ = 0;

    std::atomic<int> currentChord_{-1};
    std::atomic<int> currentScale_{-1};
    std::atomic<bool> chordStopRequested_{false};
    std::atomic<bool> scaleStopRequested_{false};
    std::atomic<bool> chordStopped_{false};
    std::atomic<bool> scaleStopped_{false};

    // The state of the running searches, touched only by the thread that runs each.
    std::unique_ptr<ChordRun> chordRun_;
    std::unique_ptr<ScaleRun> scaleRun_;
};

}  // namespace guivarna::theory
