#include "app/cli/voicings_command.h"

#include "app/cli/fingers_command.h"
#include "app/cli/name_commands.h"
#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "app/cli/search_commands.h"
#include "theory/notes/instrument_limits.h"
#include "theory/search/voicing_request.h"
#include "theory/search/voicing_results.h"
#include "theory/search/voicing_search.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <thread>

namespace guivarna::cli {

namespace {

constexpr long long kWidestSpan = 25;
constexpr std::uint64_t kMostCandidates = 400'000'000;

// --omit: default (unset: the chord's own default), none, or degrees such as 5,9.
std::optional<unsigned> parseOmit(const std::string& text)
{
    if (text == "default")
        return std::nullopt;
    if (text == "none")
        return 0u;
    unsigned degrees = 0;
    const std::vector<std::string> items = splitList(text);
    if (items.empty())
        throw UsageError("--omit: give default, none or degrees such as 5,9");
    for (const std::string& item : items) {
        if (item == "1")
            degrees |= theory::kDegreeRoot;
        else if (item == "5")
            degrees |= theory::kDegreeFifth;
        else if (item == "9")
            degrees |= theory::kDegreeNinth;
        else if (item == "11")
            degrees |= theory::kDegreeEleventh;
        else if (item == "13")
            degrees |= theory::kDegreeThirteenth;
        else
            throw UsageError("--omit: '" + item +
                "' is not a degree that may be left out (default, none, or 1, 5, 9, 11, 13)");
    }
    return degrees;
}

}  // namespace

std::string fretsText(const std::vector<int>& frets)
{
    return theory::VoicingFretsText(frets, ",");
}

theory::VoicingChoices parseVoicingChoices(const Options& options, std::size_t strings)
{
    theory::VoicingChoices choices;
    if (options.has("bass")) {
        const std::string bass = options.value("bass");
        if (bass == "root") {
            choices.bass = theory::VoicingBass::Root;
        } else if (bass == "any") {
            choices.bass = theory::VoicingBass::Any;
        } else {
            choices.bass = theory::VoicingBass::Note;
            choices.bassNote = theory::PitchClassOfName(parseNoteName("bass", bass));
        }
    }
    choices.omittable = parseOmit(options.value("omit", "default"));
    if (options.has("frets")) {
        const auto [lowest, highest] = parseFretRange(options.value("frets"));
        choices.lowestFret = static_cast<int>(lowest);
        choices.highestFret = static_cast<int>(highest);
    }
    if (options.has("span"))
        choices.span =
            static_cast<int>(parseInteger("span", options.value("span"), 1, kWidestSpan));
    if (options.has("min-strings")) {
        choices.minStrings = static_cast<int>(parseInteger(
            "min-strings", options.value("min-strings"), 1, static_cast<long long>(strings)));
    }
    return choices;
}

bool bassInChord(const theory::VoicingRequest& request)
{
    return request.bass != theory::VoicingBass::Note ||
        (request.intervals & (1 << ((request.bassNote - request.root + 12) % 12))) != 0;
}

void checkVoicingWork(
    const theory::VoicingRequest& request, const std::vector<theory::Note>& tuning)
{
    // Every voicing is ranked before the first is printed, so a search beyond this many shapes
    // (minutes of work) is refused rather than left to run.
    if (theory::CountVoicingCandidates(request, tuning) > kMostCandidates)
        throw UsageError("too many shapes to rank on " + std::to_string(tuning.size()) +
            " strings: narrow --frets or --span");
}

int RunVoicingsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(args,
        {"chord", "notes", "tuning", "frets", "span", "bass", "omit", "min-strings", "limit"}, {});
    const std::vector<theory::Note> tuning =
        options.has("tuning") ? parseTuning(options.value("tuning")) : theory::StandardTuning();

    theory::ReadChord chord;
    if (options.has("notes") && options.has("chord"))
        throw UsageError("--notes and --chord cannot be used together");
    if (options.has("chord")) {
        chord = readSymbol("chord", options.value("chord"));
    } else if (options.has("notes")) {
        const std::vector<std::string> names = parseNoteList("notes", options.value("notes"));
        const theory::PitchClass root = theory::PitchClassOfName(names.front());
        chord.root = theory::kLowestNote + static_cast<theory::Note>(root);
        for (const std::string& name : names)
            chord.mask |= 1 << ((theory::PitchClassOfName(name) - root + 12) % 12);
    } else {
        throw UsageError("--chord or --notes is required, e.g. --chord C or --notes C,E,G");
    }
    const theory::VoicingRequest request =
        theory::VoicingRequestFor(chord, tuning, parseVoicingChoices(options, tuning.size()));
    if (!bassInChord(request)) {
        const std::string bass = options.value("bass");
        throw UsageError("--bass: " + bass +
            " is not a tone of the chord; for a bass outside it, give a slash chord such as "
            "--chord C/" +
            bass);
    }
    const long long limit =
        options.has("limit") ? parseInteger("limit", options.value("limit"), 0, 1'000'000'000) : -1;

    checkVoicingWork(request, tuning);
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const std::vector<theory::Voicing> voicings = theory::FindVoicings(request, tuning, threads);
    std::string text;
    const std::size_t shown =
        limit < 0 ? voicings.size() : std::min(voicings.size(), static_cast<std::size_t>(limit));
    for (std::size_t i = 0; i < shown; ++i)
        text += fretsText(voicings[i].frets) + " fingers=" + theory::FingerText(voicings[i].hand) +
            barreAndDifficulty(voicings[i].hand) + '\n';
    out << text;
    return 0;
}

}  // namespace guivarna::cli
