#include "app/cli/search_commands.h"

#include "app/cli/name_commands.h"
#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "output/files/save_file.h"
#include "output/lists/list_writers.h"
#include "output/lists/search_results.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/music_theory.h"
#include "theory/notes/notes.h"
#include "theory/search/difficulty_order.h"
#include "theory/search/parallel_chord_run.h"
#include "theory/search/result_texts.h"
#include "theory/search/search_engine.h"

#include <QString>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <thread>
#include <tuple>

namespace guivarna::cli {

namespace {

// A span this wide never rejects a fingering (frets run from 0 to 24).
constexpr long long kWidestSpan = 25;
// The most threads --threads accepts.
constexpr long long kMostThreads = 256;

std::string joinNames(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ",") + name;
    return text;
}

}  // namespace

std::vector<std::uint32_t> parseStrings(const std::string& text, std::size_t stringCount)
{
    const std::vector<std::string> items = splitList(text);
    if (items.empty())
        throw UsageError("--strings needs at least one string number, e.g. --strings 1,2,3");
    std::vector<std::uint32_t> strings;
    for (const std::string& item : items)
        strings.push_back(static_cast<std::uint32_t>(
            parseInteger("strings", item, 1, static_cast<long long>(stringCount))));
    return strings;
}

std::pair<std::uint32_t, std::uint32_t> parseFretRange(const std::string& text)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos)
        throw UsageError("--frets: '" + text + "' is not a fret range such as 0-24");
    const auto lowest = parseInteger("frets", text.substr(0, dash), 0, 24);
    const auto highest = parseInteger("frets", text.substr(dash + 1), 0, 24);
    if (lowest > highest)
        throw UsageError("--frets: the lowest fret " + std::to_string(lowest) +
            " is above the highest fret " + std::to_string(highest));
    return {static_cast<std::uint32_t>(lowest), static_cast<std::uint32_t>(highest)};
}

theory::OpenStringPolicy parseOpenPolicy(const std::string& text)
{
    if (text == "by-position" || text == "0")
        return theory::OpenStringPolicy::ByPosition;
    if (text == "may" || text == "1")
        return theory::OpenStringPolicy::MayHave;
    if (text == "must" || text == "2")
        return theory::OpenStringPolicy::MustHave;
    throw UsageError(
        "--open: '" + text + "' is not an open-string policy (by-position, may, must)");
}

std::vector<theory::Note> parsePermutation(const std::string& text,
    const std::vector<theory::Note>& chordNotes, const std::vector<std::string>& chordNames)
{
    std::vector<theory::Note> permutation;
    for (const std::string& name : parseNoteList("permutation", text))
        permutation.push_back(theory::NoteNumber(name));
    std::vector<theory::Note> sortedNotes = chordNotes;
    std::vector<theory::Note> sortedOrder = permutation;
    std::sort(sortedNotes.begin(), sortedNotes.end());
    std::sort(sortedOrder.begin(), sortedOrder.end());
    if (sortedNotes != sortedOrder)
        throw UsageError("--permutation: '" + text + "' is not an arrangement of the notes " +
            joinNames(chordNames));
    return permutation;
}

namespace {

// The file options of a subcommand, checked before the search runs: a name is needed, and the
// files replace the printed results, so --count does not go with them.
void checkSaveOptions(const Options& options, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (!options.has(name))
            continue;
        if (options.value(name).empty())
            throw UsageError(std::string("--") + name + " needs a file name");
        if (options.has("count"))
            throw UsageError(std::string("--") + name + " and --count cannot be used together");
    }
}

// Writes one file with a list writer; a file that cannot be written ends the command with the
// message naming it and the cause (status 1), the old file left as it was.
void saveFile(const std::string& path, const std::function<bool(QIODevice&)>& write)
{
    const QString error = output::SaveFile(QString::fromStdString(path), write);
    if (!error.isEmpty())
        throw std::runtime_error(error.toStdString());
}

}  // namespace

int RunChordsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(args,
        {"notes", "chord", "root", "tuning", "strings", "frets", "span", "open", "permutation",
            "melody", "save-text", "save-html", "sort", "threads"},
        {"count", "playable"});
    checkSaveOptions(options, {"save-text", "save-html"});
    if (options.has("sort") && options.value("sort") != "difficulty")
        throw UsageError(
            "--sort: '" + options.value("sort") + "' is not a sort order (difficulty)");
    const std::vector<std::string> notes = chordNoteNames(options);
    const std::string root = parseNoteName("root", options.value("root", notes.front()));
    const std::vector<theory::Note> tuning =
        options.has("tuning") ? parseTuning(options.value("tuning")) : theory::StandardTuning();
    if (notes.size() > tuning.size())
        throw UsageError("--notes: " + std::to_string(notes.size()) + " notes do not fit on " +
            std::to_string(tuning.size()) + " strings");

    theory::MusicTheory theory;
    theory.LoadChord(root, notes);

    theory::ChordSearchRequest request;
    request.notes = theory.GetNotes(true);
    request.root = theory::PitchClassOfName(theory.GetRootName());
    if (options.has("strings"))
        request.allowedStrings = parseStrings(options.value("strings"), tuning.size());
    if (options.has("frets"))
        std::tie(request.lowestFret, request.highestFret) = parseFretRange(options.value("frets"));
    if (options.has("span"))
        request.span =
            static_cast<int>(parseInteger("span", options.value("span"), 1, kWidestSpan));
    if (options.has("open"))
        request.openStrings = parseOpenPolicy(options.value("open"));

    request.playableOnly = options.has("playable");
    const int threads = options.has("threads")
        ? static_cast<int>(parseInteger("threads", options.value("threads"), 1, kMostThreads))
        : theory::DefaultSearchThreads();

    if (options.has("permutation") && options.has("melody"))
        throw UsageError("--permutation and --melody cannot be used together");
    if (options.has("permutation")) {
        request.permutation =
            parsePermutation(options.value("permutation"), theory.GetNotes(true), notes);
    } else if (options.has("melody")) {
        request.melody = theory::PitchClassOfName(parseNoteName("melody", options.value("melody")));
    }

    theory::ChordSearch search;
    search.SetTuning(tuning);
    search.SetRequest(request);
    const std::unique_ptr<theory::ChordRun> run = search.StartRun();
    const bool countOnly = options.has("count");
    const bool toFiles = options.has("save-text") || options.has("save-html");
    const bool sorted = options.has("sort");
    const bool listing = !countOnly && !toFiles && !sorted;
    if (threads == 1) {
        // One thread prints each fingering as it is found.
        theory::ChordFingering fingering;
        while (run->Next(fingering)) {
            if (listing)
                out << theory::ChordListLine(fingering) << '\n';
        }
    } else {
        run->RunToEnd(threads);
        if (listing) {
            const theory::ChordResultList& list = *run->Results();
            theory::ChordFingering fingering;
            for (std::size_t index = 0; index < list.Count(); ++index) {
                list.Get(index, fingering);
                out << theory::ChordListLine(fingering) << '\n';
            }
        }
    }
    if (countOnly)
        out << run->Results()->Count() << '\n';

    theory::RowOrder order;
    if (sorted) {
        theory::DifficultyOrder difficulty;
        const std::atomic<bool> never{false};
        if (!theory::ComputeDifficultyOrder(*run->Results(), static_cast<int>(tuning.size()),
                run->Results()->Count(),
                static_cast<int>(std::max(1u, std::thread::hardware_concurrency())), never,
                difficulty))
            throw std::runtime_error("--sort: the list could not be sorted");
        order = theory::RowOrder(
            std::make_shared<std::vector<std::uint32_t>>(std::move(difficulty.easiestFirst)));
    }
    const output::OrderedChordResults results(run->Results(), order);
    if (sorted && !countOnly && !toFiles) {
        for (std::size_t row = 0; row < results.Count(); ++row)
            out << theory::ChordListLine(results.Get(row)) << '\n';
    }
    if (options.has("save-text"))
        saveFile(options.value("save-text"),
            [&](QIODevice& device) { return output::WriteChordListText(device, results); });
    if (options.has("save-html")) {
        // The page's current chord is the one given, loaded as the chord wizard loads it.
        const output::CurrentChordText current = output::CurrentChordOf(theory);
        saveFile(options.value("save-html"), [&](QIODevice& device) {
            return output::WriteChordListHtml(device, results, current);
        });
    }
    return 0;
}

int RunScalesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(args, {"tones", "must", "run-limit", "save-text"}, {"count"});
    checkSaveOptions(options, {"save-text"});
    if (!options.has("tones"))
        throw UsageError("--tones is required, e.g. --tones 7");
    const int tones = static_cast<int>(parseInteger("tones", options.value("tones"), 1, 12));
    const int runLimit =
        static_cast<int>(parseInteger("run-limit", options.value("run-limit", "12"), -1, 12));

    theory::ScaleSearchRequest request;
    request.toneCount = tones;
    request.runLimit = runLimit;
    if (options.has("must")) {
        for (const std::string& name : parseNoteList("must", options.value("must")))
            request.mustHaveNotes.push_back(theory::NoteNumber(name));
        request.mustHaveFilter = true;
    }

    theory::ScaleSearch search;
    search.SetRequest(request);
    const std::unique_ptr<theory::ScaleRun> run = search.StartRun();
    const bool countOnly = options.has("count");
    const bool toFile = options.has("save-text");
    std::vector<theory::Note> scale;
    while (run->Next(scale)) {
        if (!countOnly && !toFile)
            out << theory::ScaleText(scale) << '\n';
    }
    if (countOnly)
        out << run->Results()->Count() << '\n';
    if (toFile) {
        const output::SearchScaleResults results(run->Results());
        saveFile(options.value("save-text"),
            [&](QIODevice& device) { return output::WriteScaleListText(device, results); });
    }
    return 0;
}

}  // namespace guivarna::cli
