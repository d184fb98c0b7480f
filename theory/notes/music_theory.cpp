#include "theory/notes/music_theory.h"

#include "theory/notes/chord_naming.h"

#include <algorithm>

namespace guivarna::theory {

namespace {

constexpr int kPitchClasses = 12;
constexpr Note kFirstPitchClass = 60;

bool IsSemitoneStep(Note a, Note b)
{
    const Note difference = a > b ? a - b : b - a;
    return difference == 1 || difference == 11;
}

}  // namespace

int MusicTheory::SetRootName(const std::string& name)
{
    rootName_ = name;
    rootNumber_ = static_cast<int>(NoteNumber(name));
    return rootNumber_;
}

void MusicTheory::SetRootNumber(int number)
{
    rootNumber_ = number;
    rootName_ = NoteName(static_cast<std::uint32_t>(number));
}

std::string MusicTheory::ChordSuffix(int intervalMask, int mode) const
{
    return ChordSuffixFor(intervalMask, mode);
}

std::vector<std::string> MusicTheory::SuggestChordNames(int mode) const
{
    std::vector<Note> order = GetNotes(false);
    std::vector<std::string> names;
    names.reserve(order.size());
    for (std::size_t turn = 0; turn < order.size(); ++turn) {
        const Note chordRoot = order.front();
        int mask = 1;
        for (const Note note : order)
            mask |= 1 << ((note - chordRoot + kPitchClasses) % kPitchClasses);
        names.push_back(NoteName(chordRoot) + ChordSuffix(mask, mode));
        std::rotate(order.begin(), order.begin() + 1, order.end());
    }
    return names;
}

bool MusicTheory::AppendNoteNames(std::vector<std::string>& names) const
{
    const std::vector<Note> notes = GetNotes(false);
    for (const Note note : notes)
        names.push_back(NoteName(note));
    return !notes.empty();
}

std::vector<Note> MusicTheory::GetNotes(bool explicitNotes) const
{
    if (explicitNotes)
        return explicitNotes_;
    std::vector<Note> notes;
    const auto root = static_cast<std::uint32_t>(rootNumber_);
    for (std::uint32_t i = 0; i < kPitchClasses; ++i) {
        if ((selectionMask_ >> i) & 1)
            notes.push_back((i + root) % kPitchClasses + kFirstPitchClass);
    }
    return notes;
}

std::string MusicTheory::FormatNotes() const
{
    return JoinNoteNames(GetNotes(false));
}

void MusicTheory::AddNote(const std::string& name)
{
    explicitNotes_.push_back(NoteNumber(name));
    SetNote(name, true);
}

void MusicTheory::LoadChord(const std::string& rootName, const std::vector<std::string>& noteNames)
{
    ClearSelection();
    SetRootName(rootName);
    for (const std::string& name : noteNames)
        AddNote(name);
}

void MusicTheory::LoadChord(const std::string& rootName, const std::vector<Note>& notes)
{
    std::vector<std::string> names;
    for (const Note note : notes)
        names.push_back(NoteName(note));
    LoadChord(rootName, names);
}

void MusicTheory::ClearSelection()
{
    selectionMask_ = 0;
    explicitNotes_.clear();
}

bool MusicTheory::WithinSemitoneRun(const std::vector<Note>& notes, int limit)
{
    if (limit < -1)
        return true;
    if (limit == -1 || notes.size() < 2)
        return false;

    // Walk the circle of neighbours backwards from the pair (last, first), counting semitone
    // steps in a row, for two full turns and one more pair.
    const std::size_t last = notes.size() - 1;
    int run = -1;
    int wrapPairsSeen = 0;
    std::size_t upper = last;  // the pair is (notes[upper], notes[(upper + 1) % size])
    while (true) {
        const Note a = notes[upper];
        const Note b = notes[upper == last ? 0 : upper + 1];
        run = IsSemitoneStep(a, b) ? run + 1 : -1;
        if (run == limit)
            break;
        if (upper == last && ++wrapPairsSeen == 3)
            break;
        upper = upper == 0 ? last : upper - 1;
    }
    return run != limit;
}

bool MusicTheory::WithinSemitoneRun(const std::vector<Note>& notes) const
{
    return WithinSemitoneRun(notes, runLimit_);
}

void MusicTheory::SetNote(const std::string& name, bool on)
{
    const std::uint32_t bit =
        (NoteNumber(name) - static_cast<std::uint32_t>(rootNumber_) + kPitchClasses) %
        kPitchClasses;
    SetMaskBits(1 << bit, on);
}

void MusicTheory::SetMaskBits(int bits, bool on)
{
    if (on)
        selectionMask_ |= bits;
    else if (selectionMask_ != 0)
        selectionMask_ &= ~bits;
}

bool MusicTheory::NextNotePermutation(const std::vector<Note>& notes, std::vector<Note>& out)
{
    if (permutationWorkingArray_.empty()) {
        permutationWorkingArray_ = notes;
        std::sort(permutationWorkingArray_.begin(), permutationWorkingArray_.end());
    }
    if (WithinSemitoneRun(permutationWorkingArray_))
        out = permutationWorkingArray_;
    if (std::next_permutation(permutationWorkingArray_.begin(), permutationWorkingArray_.end()))
        return true;
    permutationWorkingArray_.clear();
    return false;
}

}  // namespace guivarna::theory
