#include "app/cli/name_commands.h"

#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "theory/formats/chord_symbol.h"
#include "theory/notes/scale_catalogue.h"

#include <ostream>

namespace guivarna::cli {

theory::ReadChord readSymbol(const std::string& option, const std::string& symbol)
{
    const theory::ChordReading reading = theory::ReadChordSymbol(symbol);
    if (!reading)
        throw UsageError("--" + option + ": " + theory::DescribeReadError(symbol, reading.error));
    return *reading.chord;
}

std::vector<std::string> chordNoteNames(const Options& options)
{
    if (options.has("notes") && options.has("chord"))
        throw UsageError("--notes and --chord cannot be used together");
    if (options.has("chord")) {
        std::vector<std::string> names;
        for (const theory::Note note : readSymbol("chord", options.value("chord")).Notes())
            names.push_back(theory::NoteName(note));
        return names;
    }
    if (!options.has("notes"))
        throw UsageError("--notes is required (or --chord), e.g. --notes C,E,G or --chord Cmaj7");
    return parseNoteList("notes", options.value("notes"));
}

int RunChordCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(args, {"symbol"}, {});
    if (!options.has("symbol"))
        throw UsageError("--symbol is required, e.g. --symbol Cmaj7");
    out << theory::ChordNotesText(readSymbol("symbol", options.value("symbol"))) << '\n';
    return 0;
}

int RunScaleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(args, {"name", "root"}, {"list"});
    if (options.has("list")) {
        if (options.has("name") || options.has("root"))
            throw UsageError("--list goes without --name and --root");
        for (const theory::ScaleType& scale : theory::ScaleCatalogue())
            out << scale.Name() << '\n';
        return 0;
    }
    if (!options.has("name"))
        throw UsageError("--name or --list is required, e.g. --name dorian --root D");
    const std::string name = options.value("name");
    const theory::ScaleType* scale = theory::FindScale(name);
    if (scale == nullptr) {
        std::string closest;
        for (const std::string_view candidate : theory::ClosestScaleNames(name))
            closest += (closest.empty() ? "" : ", ") + std::string(candidate);
        throw UsageError("--name: '" + name +
            "' is not a scale of the catalogue (closest: " + closest + "; see scale --list)");
    }
    const std::string root = parseNoteName("root", options.value("root", "C"));
    out << theory::JoinNoteNames(theory::ScaleNotes(*scale, theory::NoteNumber(root))) << '\n';
    return 0;
}

int RunScaleNamesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(args, {"notes", "chord"}, {});
    std::vector<theory::Note> notes;
    for (const std::string& name : chordNoteNames(options))
        notes.push_back(theory::NoteNumber(name));
    for (const theory::NamedScale& named : theory::ScalesWithNotes(notes))
        out << named.Text() << '\n';
    return 0;
}

}  // namespace guivarna::cli
