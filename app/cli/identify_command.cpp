#include "app/cli/identify_command.h"

#include "app/cli/names_command.h"
#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/marked_chord.h"
#include "theory/notes/music_theory.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace guivarna::cli {

std::vector<std::optional<theory::Note>> parseFrets(const std::string& text)
{
    const std::vector<std::string> items = splitList(text);
    if (items.empty())
        throw UsageError("--frets needs one fret or x per string, e.g. --frets 0,1,0,2,3,x");
    std::vector<std::optional<theory::Note>> frets;
    for (const std::string& item : items) {
        if (item == "x") {
            frets.emplace_back();
            continue;
        }
        const bool digits = !item.empty() &&
            std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits)
            throw UsageError("--frets: '" + item + "' is neither a fret number nor x");
        frets.emplace_back(
            static_cast<theory::Note>(parseInteger("frets", item, 0, theory::kMaxFret)));
    }
    return frets;
}

int RunIdentifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(args, {"frets", "tuning", "mode"}, {});
    if (!options.has("frets"))
        throw UsageError("--frets is required, e.g. --frets 0,1,0,2,3,x");
    const std::vector<std::optional<theory::Note>> frets = parseFrets(options.value("frets"));
    const std::vector<theory::Note> tuning =
        options.has("tuning") ? parseTuning(options.value("tuning")) : theory::StandardTuning();
    const int mode = parseNamingMode(options.value("mode", "traditional"));
    if (frets.size() != tuning.size())
        throw UsageError("--frets: " + std::to_string(frets.size()) + " frets given for " +
            std::to_string(tuning.size()) + " strings (one fret or x per string, string 1 first)");

    theory::MusicTheory theory;
    if (!theory::LoadChordNotes(
            theory, theory::ChordNotesFromPitches(theory::PitchesFromFrets(tuning, frets))))
        throw UsageError("--frets: no string is played (every string is x)");
    writeChordNames(theory, mode, out);
    return 0;
}

}  // namespace guivarna::cli
