#include "app/cli/scale_positions_command.h"

#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "app/cli/search_commands.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/scale_catalogue.h"

#include <ostream>

namespace guivarna::cli {

namespace {

theory::FingeringSystem parseSystem(const std::string& text)
{
    if (text == "position")
        return theory::FingeringSystem::Position;
    if (text == "3nps")
        return theory::FingeringSystem::ThreeNotesPerString;
    throw UsageError("--system: '" + text + "' is not a system (accepted: position, 3nps)");
}

const theory::ScaleType& catalogueScale(const std::string& name)
{
    const theory::ScaleType* scale = theory::FindScale(name);
    if (scale != nullptr)
        return *scale;
    std::string closest;
    for (const std::string_view candidate : theory::ClosestScaleNames(name))
        closest += (closest.empty() ? "" : ", ") + std::string(candidate);
    throw UsageError("--name: '" + name + "' is not a scale of the catalogue (closest: " + closest +
        "; see scale --list)");
}

}  // namespace

const std::vector<std::string>& ScaleFingeringOptions()
{
    static const std::vector<std::string> names = {
        "name", "root", "notes", "system", "tuning", "frets"};
    return names;
}

ScaleFingeringRequest ScaleFingeringFrom(const Options& options)
{
    ScaleFingeringRequest request;
    if (options.has("notes") && (options.has("name") || options.has("root")))
        throw UsageError("--notes goes without --name and --root");
    if (options.has("notes")) {
        const std::vector<std::string> names = parseNoteList("notes", options.value("notes"));
        std::vector<theory::Note> notes;
        for (const std::string& name : names)
            notes.push_back(theory::NoteNumber(name));
        request.scale.root = notes.front();
        request.scale.mask = 0;
        for (const theory::Note note : notes)
            request.scale.mask |= 1 << ((note - notes.front() + 12) % 12);
        request.title = theory::JoinNoteNames(notes);
    } else if (options.has("name")) {
        const theory::ScaleType& scale = catalogueScale(options.value("name"));
        const std::string root = parseNoteName("root", options.value("root", "C"));
        request.scale = {theory::NoteNumber(root), scale.mask};
        request.title = theory::NamedScale{request.scale.root, &scale}.Text();
    } else {
        throw UsageError("--name (with --root) or --notes is required, e.g. --name \"minor "
                         "pentatonic\" --root A or --notes C,D,E,F,G,A,B");
    }
    if (options.has("system"))
        request.system = parseSystem(options.value("system"));
    if (const auto problem = theory::FingeringProblem(request.scale, request.system))
        throw UsageError("--system " + options.value("system", "position") + ": " + *problem);
    request.tuning =
        options.has("tuning") ? parseTuning(options.value("tuning")) : theory::StandardTuning();
    if (options.has("frets")) {
        const auto [lowest, highest] = parseFretRange(options.value("frets"));
        request.frets = {static_cast<int>(lowest), static_cast<int>(highest)};
    }
    return request;
}

int RunScalePositionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const auto& names = ScaleFingeringOptions();
    const Options options(args, {names.begin(), names.end()}, {});
    const ScaleFingeringRequest request = ScaleFingeringFrom(options);
    for (const theory::ScalePosition& position :
        theory::ScalePositions(request.scale, request.tuning, request.system, request.frets))
        out << theory::PositionLine(position) << '\n';
    return 0;
}

}  // namespace guivarna::cli
