#include "theory/notes/notes.h"

#include <array>

namespace guivarna::theory {

namespace {

constexpr std::array<std::string_view, 12> kNoteNames = {
    "C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
constexpr std::array<std::string_view, 12> kIntervalNames = {
    "", "b2", "2", "b3", "3", "4", "b5", "5", "b6", "6", "b7", "7"};
constexpr Note kFirstPitchClass = 60;

}  // namespace

std::uint32_t NoteNumber(std::string_view name)
{
    for (std::size_t i = 0; i < kNoteNames.size(); ++i) {
        if (kNoteNames[i] == name)
            return kFirstPitchClass + static_cast<std::uint32_t>(i);
    }
    return kUnknown;
}

std::string NoteName(std::uint32_t note)
{
    return std::string(kNoteNames[note % 12]);
}

PitchClass PitchClassOfName(std::string_view name)
{
    const std::uint32_t number = NoteNumber(name);
    return number == kUnknown ? kNoPitchClass : PitchClassOf(number);
}

std::string PitchClassName(PitchClass pitchClass)
{
    if (pitchClass < 0 || pitchClass >= kPitchClassCount)
        return {};
    return std::string(kNoteNames[static_cast<std::size_t>(pitchClass)]);
}

std::uint32_t IntervalSemitones(std::string_view name)
{
    if (name.empty())
        return kUnknown;
    for (std::size_t i = 1; i < kIntervalNames.size(); ++i) {
        if (kIntervalNames[i] == name)
            return static_cast<std::uint32_t>(i);
    }
    return kUnknown;
}

std::string IntervalName(std::uint32_t semitones)
{
    return std::string(kIntervalNames[semitones % 12]);
}

std::string JoinNoteNames(const std::vector<Note>& notes)
{
    std::string text;
    for (const Note note : notes) {
        if (!text.empty())
            text += " - ";
        text += NoteName(note);
    }
    return text;
}

std::string_view AcceptedNoteNames()
{
    return "C, Db, D, Eb, E, F, Gb, G, Ab, A, Bb, B";
}

int NaturalNoteSemitones(char letter)
{
    switch (letter) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        return -1;
    }
}

}  // namespace guivarna::theory
