#include "app/cli/names_command.h"

#include "app/cli/name_commands.h"
#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "theory/notes/music_theory.h"

#include <climits>
#include <ostream>

namespace guivarna::cli {

int parseNamingMode(const std::string& text)
{
    if (text == "traditional")
        return theory::kTraditionalNames;
    if (text == "intervals")
        return theory::kIntervalNames;
    if (text == "semitones")
        return theory::kSemitoneNames;
    if (!text.empty() && (text[0] == '-' || (text[0] >= '0' && text[0] <= '9')))
        return static_cast<int>(parseInteger("mode", text, INT_MIN, INT_MAX));
    throw UsageError("--mode: '" + text +
        "' is not a naming mode (traditional, intervals, semitones or a number)");
}

int RunNamesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(args, {"notes", "chord", "root", "mode"}, {});
    const std::vector<std::string> notes = chordNoteNames(options);
    const std::string root = parseNoteName("root", options.value("root", notes.front()));
    const int mode = parseNamingMode(options.value("mode", "traditional"));

    // Load the chord the way the chord wizard does.
    theory::MusicTheory theory;
    theory.LoadChord(root, notes);

    writeChordNames(theory, mode, out);
    return 0;
}

void writeChordNames(const theory::MusicTheory& theory, int mode, std::ostream& out)
{
    for (const std::string& name : theory.SuggestChordNames(mode))
        out << name << '\n';
}

}  // namespace guivarna::cli
