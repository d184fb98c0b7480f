#include "app/cli/note_arguments.h"

#include "app/cli/options.h"
#include "theory/instrument.h"
#include "theory/instrument_limits.h"
#include "theory/notes.h"

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

}  // namespace guivarna::cli
