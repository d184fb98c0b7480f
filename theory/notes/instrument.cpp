#include "theory/notes/instrument.h"

#include "theory/notes/instrument_limits.h"
#include "theory/notes/notes.h"

#include <cctype>
#include <charconv>

namespace guivarna::theory {

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<std::string> InstrumentProblem(const Instrument& instrument)
{
    if (instrument.openNotes.empty() || instrument.openNotes.size() > std::size_t(kMaxStrings))
        return "An instrument has 1 to " + std::to_string(kMaxStrings) + " strings.";
    if (instrument.positions < kMinPositions || instrument.positions > kMaxPositions) {
        return "A string has " + std::to_string(kMinPositions) + " to " +
            std::to_string(kMaxPositions) + " fret positions.";
    }
    for (std::size_t i = 0; i < instrument.openNotes.size(); ++i) {
        if (instrument.openNotes[i] > kMaxOpenNote) {
            return "String " + std::to_string(i + 1) + " lies outside " + PitchName(0) + " to " +
                PitchName(kMaxOpenNote) + ".";
        }
    }
    return std::nullopt;
}

const std::vector<InstrumentPreset>& InstrumentPresets()
{
    static const std::vector<InstrumentPreset> presets = {
        {"Guitar (standard)", StandardTuning()},
        {"Drop D", {64, 59, 55, 50, 45, 38}},
        {"DADGAD", {62, 57, 55, 50, 45, 38}},
        {"Open G", {62, 59, 55, 50, 43, 38}},
        {"Open D", {62, 57, 54, 50, 45, 38}},
        {"7-string guitar", {64, 59, 55, 50, 45, 40, 35}},
        {"8-string guitar", {64, 59, 55, 50, 45, 40, 35, 30}},
        {"4-string bass", {43, 38, 33, 28}},
        {"5-string bass", {43, 38, 33, 28, 23}},
        // Re-entrant: string 4 (G4) sits above string 3 (C4).
        {"Ukulele", {69, 64, 60, 67}},
        {"Mandolin", {76, 69, 62, 55}},
    };
    return presets;
}

std::string PitchName(Note note)
{
    // Octave -1 starts at note 0; larger numbers wrap as unsigned values never reach here.
    const long long octave = static_cast<long long>(note / 12u) - 1;
    return NoteName(note) + std::to_string(octave);
}

std::optional<Note> ParsePitchName(std::string_view text)
{
    text = Trimmed(text);
    if (text.empty())
        return std::nullopt;
    int semitones = NaturalNoteSemitones(
        static_cast<char>(std::toupper(static_cast<unsigned char>(text.front()))));
    if (semitones < 0)
        return std::nullopt;
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '#' || text.front() == 'b')) {
        semitones += text.front() == '#' ? 1 : -1;
        text.remove_prefix(1);
    }
    int octave = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, octave);
    if (text.empty() || error != std::errc() || rest != end || octave < -1 || octave > 9)
        return std::nullopt;
    const int note = (octave + 1) * 12 + semitones;
    if (note < 0 || note > static_cast<int>(kMaxOpenNote))
        return std::nullopt;
    return static_cast<Note>(note);
}

}  // namespace guivarna::theory
