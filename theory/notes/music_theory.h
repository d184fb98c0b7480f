#pragma once

#include "theory/notes/notes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace guivarna::theory {

// Chord naming styles understood by ChordSuffix and SuggestChordNames.
enum NamingMode : int {
    kTraditionalNames = 0,  // "-7", "sus4", "^9" ...
    kIntervalNames = 1,  // " (3, 5)"
    kSemitoneNames = 3,  // " (0, 4, 7)"
};

// The current chord selection: a root and the set of pitch classes above it (the SelectionMask,
// bit i = the interval of i semitones above the root), plus the notes as the chord wizard added
// them. The program has one instance; everything else reads the selection through it.
class MusicTheory {
public:
    MusicTheory() = default;

    // Stores the name and sets the root to NoteNumber(name) (kUnknown if unknown); returns it.
    int SetRootName(const std::string& name);
    // Stores the number and sets the root name to NoteName(number).
    void SetRootNumber(int number);
    std::string GetRootName() const { return rootName_; }
    int GetRootNumber() const { return rootNumber_; }

    void SetMask(int mask) { selectionMask_ = mask; }
    int GetMask() const { return selectionMask_; }

    // The name suffix of an interval mask (bit k = k semitones above the chord's root) in a
    // NamingMode; the caller puts the root name in front. Unknown modes give "".
    std::string ChordSuffix(int intervalMask, int mode) const;
    // One complete name per selected note, reading the selection from each note in turn.
    std::vector<std::string> SuggestChordNames(int mode) const;

    // Appends the names of the selected notes (root first, then upwards); true if any.
    bool AppendNoteNames(std::vector<std::string>& names) const;
    // explicitNotes: the notes as added by AddNote, in that order; otherwise the selected
    // pitch classes (60..71) in mask order from the root.
    std::vector<Note> GetNotes(bool explicitNotes) const;
    // The selected note names joined by " - "; "" when nothing is selected.
    std::string FormatNotes() const;

    // Appends NoteNumber(name) to the explicit notes and selects its pitch class.
    void AddNote(const std::string& name);
    // Empties the mask and the explicit notes; the root stays.
    void ClearSelection();
    // Makes a chord the current one, the way the chord wizard loads it: clears the selection,
    // sets the root, then adds the notes in their order.
    void LoadChord(const std::string& rootName, const std::vector<std::string>& noteNames);
    void LoadChord(const std::string& rootName, const std::vector<Note>& notes);
    bool HasSelection() const { return selectionMask_ != 0; }

    // True when notes (a circle) has no run of more than limit semitone steps in a row.
    // limit < -1 always passes, -1 always fails, fewer than two notes fail.
    static bool WithinSemitoneRun(const std::vector<Note>& notes, int limit);
    // The same with the default limit RunLimit (12).
    bool WithinSemitoneRun(const std::vector<Note>& notes) const;
    int RunLimit() const { return runLimit_; }

    // Sets (on) or clears the mask bit of the note's interval above the root.
    void SetNote(const std::string& name, bool on);
    // on: mask |= bits; off: mask &= ~bits unless the mask is 0.
    void SetMaskBits(int bits, bool on);

    // Steps through the note orders of notes, one per call (see the implementation).
    bool NextNotePermutation(const std::vector<Note>& notes, std::vector<Note>& out);

private:
    int rootNumber_ = -1;
    std::string rootName_;
    int runLimit_ = 12;
    std::vector<Note> explicitNotes_;
    int selectionMask_ = 0;
    std::vector<Note> permutationWorkingArray_;
};

}  // namespace guivarna::theory
