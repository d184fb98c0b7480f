#include "app/cli/progression_command.h"

#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "app/cli/voicings_command.h"
#include "theory/formats/chord_symbol.h"
#include "theory/hand/finger_assignment.h"
#include "theory/notes/instrument_limits.h"
#include "theory/song/voice_leading.h"

#include <algorithm>
#include <ostream>
#include <set>
#include <thread>

namespace guivarna::cli {

namespace {

constexpr long long kHighestCapo = 12;

const std::set<std::string> kValueOptions = {
    "tuning", "frets", "span", "bass", "omit", "min-strings", "capo"};
const std::set<std::string> kFlagOptions = {"vary-repeats"};

// The chord symbols among args, and the options with their values.
void splitArguments(const std::vector<std::string>& args, std::vector<std::string>& symbols,
    std::vector<std::string>& options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) != 0) {
            symbols.push_back(args[i]);
            continue;
        }
        options.push_back(args[i]);
        if (kValueOptions.count(args[i].substr(2)) != 0 && i + 1 < args.size())
            options.push_back(args[++i]);
    }
}

}  // namespace

int RunProgressionCommand(
    const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> symbols;
    std::vector<std::string> optionArgs;
    splitArguments(args, symbols, optionArgs);
    const Options options(optionArgs, kValueOptions, kFlagOptions);
    if (symbols.empty())
        throw UsageError("give the chord symbols in order, e.g. progression C Am F G");
    const std::vector<theory::Note> tuning =
        options.has("tuning") ? parseTuning(options.value("tuning")) : theory::StandardTuning();
    const theory::VoicingChoices choices = parseVoicingChoices(options, tuning.size());
    const std::string capo = options.value("capo", "0");
    const bool bestCapo = capo == "best";
    theory::LeadOptions lead;
    lead.varyRepeats = options.has("vary-repeats");
    lead.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (!bestCapo)
        lead.capo = static_cast<int>(parseInteger("capo", capo, 0, kHighestCapo));

    for (const std::string& symbol : symbols) {
        const theory::ChordReading reading = theory::ReadChordSymbol(symbol);
        if (!reading)
            throw UsageError("'" + symbol +
                "' is not a chord symbol: " + theory::DescribeReadError(symbol, reading.error));
        const theory::VoicingRequest request =
            theory::VoicingRequestFor(*reading.chord, tuning, choices);
        if (!bassInChord(request))
            throw UsageError("--bass: " + options.value("bass") + " is not a tone of " + symbol +
                "; for a bass outside a chord, give a slash chord such as " + symbol + "/" +
                options.value("bass"));
        checkVoicingWork(request, tuning);
    }
    const std::vector<theory::LeadChord> chords =
        theory::LeadChordsOfSymbols(symbols, tuning, choices);
    const theory::LeadResult result = bestCapo ? theory::LeadVoicingsBestCapo(chords, tuning, lead)
                                               : theory::LeadVoicings(chords, tuning, lead);
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (result.steps[i].status != theory::LeadStatus::Voiced)
            throw UsageError("no voicing of " + symbols[i] +
                " within these options: widen --frets or --span, or lower --min-strings");
    }

    std::string text;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const theory::LeadStep& step = result.steps[i];
        text += symbols[i] + ' ' + fretsText(step.voicing.frets) +
            " fingers=" + theory::FingerText(step.voicing.hand) +
            " difficulty=" + std::to_string(step.voicing.hand.difficulty) +
            " move=" + std::to_string(step.move) + '\n';
    }
    text += "total=" + std::to_string(result.total) + '\n';
    if (bestCapo)
        err << "capo " << result.capo << '\n';
    out << text;
    return 0;
}

}  // namespace guivarna::cli
