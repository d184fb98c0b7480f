#include "app/cli/subcommands.h"

#include "app/cli/diagram_commands.h"
#include "app/cli/fingers_command.h"
#include "app/cli/identify_command.h"
#include "app/cli/name_commands.h"
#include "app/cli/names_command.h"
#include "app/cli/options.h"
#include "app/cli/progression_command.h"
#include "app/cli/scale_positions_command.h"
#include "app/cli/search_commands.h"
#include "app/cli/song_command.h"
#include "app/cli/stack_command.h"
#include "app/cli/tunings_command.h"
#include "app/cli/voicings_command.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <new>
#include <ostream>

#ifndef GUIVARNA_VERSION
#define GUIVARNA_VERSION "0"
#endif

namespace guivarna::cli {

namespace {

constexpr std::string_view kIntro =
    "guivarna-cli: the command-line companion of Guivarna, for scripting and for checking\n"
    "chord names and search results by machine. Output is UTF-8 text, one result per line.\n";

void printHelp(std::ostream& out)
{
    out << kIntro << "\nUsage: guivarna-cli <subcommand> [options]\n"
        << "       guivarna-cli <subcommand> -h | --help\n       guivarna-cli -h | --help\n"
        << "       guivarna-cli --version\n";
    const auto all = subcommands();
    if (all.empty()) {
        out << "\nNo subcommands are available in this build yet.\n";
        return;
    }
    out << "\nSubcommands:\n";
    for (const Subcommand& command : all)
        out << "  " << command.usage << '\n';
}

// A message as one line: control characters from the arguments it quotes (a newline in a note
// list, say) are written as escapes, so a mistake never spreads over several lines of stderr.
std::string oneLine(std::string_view message)
{
    std::string line;
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c == '\t') {
            line += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            line += escape;
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace

std::span<const Subcommand> subcommands()
{
    static const std::vector<Subcommand> all = {
        {"names",
            "names --notes C,E,G | --chord Cmaj7 [--root C] [--mode "
            "traditional|intervals|semitones|N]",
            RunNamesCommand},
        {"identify",
            "identify --frets 0,1,0,2,3,x [--tuning 64,59,55,50,45,40] "
            "[--mode traditional|intervals|semitones|N]",
            RunIdentifyCommand},
        {"chords",
            "chords --notes C,E,G | --chord Cmaj7 [--root C] [--tuning 64,59,55,50,45,40] "
            "[--strings 1,2,3] "
            "[--frets 0-24] [--span 24] [--open by-position|may|must] "
            "[--permutation E,C,G | --melody E] [--playable] [--sort difficulty] [--threads N] "
            "[--count | --save-text FILE | --save-html FILE]",
            RunChordsCommand},
        {"scales",
            "scales --tones 7 [--must C,E,G] [--run-limit 12|-1|N] [--count | --save-text FILE]",
            RunScalesCommand},
        {"stack",
            "stack --intervals 2,2,b2,2,2,2,b2 [--tuning 64,59,55,50,45,40] [--positions 25] "
            "[--root-string 6] [--root-fret 0] [--strings 1,2,3,4,5,6]",
            RunStackCommand},
        {"tunings", "tunings", RunTuningsCommand},
        {"fingers",
            "fingers [--frets 0,1,0,2,3,x] [--tuning 64,59,55,50,45,40] (without --frets: one "
            "pattern a line on standard input)",
            [](const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
                return RunFingersCommand(args, std::cin, out);
            }},
        {"voicings",
            "voicings (--chord SYMBOL | --notes C,E,G) [--tuning 64,59,55,50,45,40] "
            "[--frets 0-12] [--span 4] [--bass root|any|NOTE] [--omit default|none|1,5,9,11,13] "
            "[--min-strings 3] [--limit N]",
            RunVoicingsCommand},
        {"progression",
            "progression SYMBOL... [--tuning 64,59,55,50,45,40] [--frets 0-12] [--span 4] "
            "[--bass root|any|NOTE] [--omit default|none|1,5,9,11,13] [--min-strings 3] "
            "[--vary-repeats] [--capo N|best]",
            RunProgressionCommand},
        {"chord", "chord --symbol Cmaj7", RunChordCommand},
        {"scale", "scale --name dorian [--root D] | scale --list", RunScaleCommand},
        {"scale-names", "scale-names --notes C,D,E,F,G,A,B | --chord Am7", RunScaleNamesCommand},
        {"scale-positions",
            "scale-positions (--name NAME [--root NOTE] | --notes C,D,E,F,G,A,B) "
            "[--system position|3nps] [--tuning 64,59,55,50,45,40] [--frets 0-24]",
            RunScalePositionsCommand},
        {"diagram",
            "diagram (--frets 0,1,0,2,3,x [--tuning 64,59,55,50,45,40] [--name C] | --scale "
            "(--name NAME [--root NOTE] | --notes C,D,E,F,G,A,B) [--system position|3nps] "
            "[--tuning 64,59,55,50,45,40] [--frets 0-24] [--position N] [--horizontal]) (--svg "
            "FILE | --png FILE [--dpi N] | --pdf FILE | --chordpro)",
            RunDiagramCommand},
        {"sheet", "sheet --chordpro FILE (--svg | --pdf | --png) OUT [--dpi N]", RunSheetCommand},
        {"song",
            "song FILE [--transpose N] [--capo N|best] [--tuning 64,59,55,50,45,40] [--text] "
            "[--pdf OUT] [--png OUT --dpi N] [--chordpro OUT]",
            RunSongCommand},
    };
    return all;
}

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << "guivarna-cli: no subcommand given (see guivarna-cli --help)\n";
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        printHelp(out);
        return 0;
    }
    if (args[0] == "--version") {
        out << "guivarna-cli " << GUIVARNA_VERSION << '\n';
        return 0;
    }
    for (const Subcommand& command : subcommands()) {
        if (command.name != args[0])
            continue;
        if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
            out << "Usage: guivarna-cli " << command.usage << '\n';
            return 0;
        }
        try {
            return command.run({args.begin() + 1, args.end()}, out, err);
        } catch (const UsageError& error) {
            err << "guivarna-cli " << command.name << ": " << oneLine(error.what()) << '\n';
            return 2;
        } catch (const std::bad_alloc&) {
            err << "guivarna-cli " << command.name << ": not enough memory for this request\n";
            return 1;
        } catch (const std::exception& error) {
            err << "guivarna-cli " << command.name << ": " << oneLine(error.what()) << '\n';
            return 1;
        }
    }
    const bool isOption = args[0].rfind('-', 0) == 0;
    err << "guivarna-cli: unknown " << (isOption ? "option" : "subcommand") << " '"
        << oneLine(args[0]) << "' (see guivarna-cli --help)\n";
    return 2;
}

}  // namespace guivarna::cli
