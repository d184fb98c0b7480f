#include "app/cli/note_arguments.h"

#include "app/cli/options.h"
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

}  // namespace guivarna::cli
