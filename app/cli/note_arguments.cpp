#include "app/cli/note_arguments.h"

#include "app/cli/options.h"
#include "theory/hand/finger_assignment.h"
#include "theory/notes/instrument.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/notes.h"

#include <algorithm>

namespace guivarna::cli {

std::string parseNoteName(const std::string& option, const std::string& text)
{
    if (theory::NoteNumber(text) == theory::kUnknown)
        throw UsageError("--" + option + ": '" + text +
            "' is not a note name (accepted: " + std::string(theory::AcceptedNoteNames()) + ")");
    return text;
}

std::vector<std::string> parseNoteList(const std::string& option, const std::string& text)
{
    std::vector<std::string> names = splitList(text);
    if (names.empty())
        throw UsageError("--" + option + " needs at least one note name");
    for (const std::string& name : names)
        parseNoteName(option, name);
    return names;
}

std::vector<theory::Note> parseTuning(const std::string& text)
{
    const std::vector<std::string> items = splitList(text);
    if (items.empty())
        throw UsageError("--tuning needs at least one open note, e.g. --tuning 64,59,55,50,45,40");
    if (items.size() > static_cast<std::size_t>(theory::kMaxStrings))
        throw UsageError("--tuning: at most " + std::to_string(theory::kMaxStrings) +
            " strings, got " + std::to_string(items.size()));
    std::vector<theory::Note> tuning;
    for (const std::string& item : items)
        tuning.push_back(
            static_cast<theory::Note>(parseInteger("tuning", item, 0, theory::kMaxOpenNote)));
    return tuning;
}

// One fret pattern, string 1 first: a fret number or x per string, as many as the tuning has.
// where starts every message ("--frets" or "line 3").
std::vector<int> parseFretPattern(
    const std::string& where, const std::string& text, std::size_t strings)
{
    const std::vector<std::string> items = splitList(text);
    if (items.empty())
        throw UsageError(where + " needs one fret or x per string, e.g. 0,1,0,2,3,x");
    std::vector<int> frets;
    for (const std::string& item : items) {
        if (item == "x") {
            frets.push_back(theory::kNotPlayed);
            continue;
        }
        const bool digits = !item.empty() && item.size() <= 2 &&
            std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int fret = digits ? std::stoi(item) : -1;
        if (fret < 0 || fret > static_cast<int>(theory::kMaxFret))
            throw UsageError(where + ": '" + item + "' is neither x nor a fret from 0 to " +
                std::to_string(theory::kMaxFret));
        frets.push_back(fret);
    }
    if (frets.size() != strings)
        throw UsageError(where + ": " + std::to_string(frets.size()) + " frets given for " +
            std::to_string(strings) + " strings (one fret or x per string, string 1 first)");
    return frets;
}

}  // namespace guivarna::cli
