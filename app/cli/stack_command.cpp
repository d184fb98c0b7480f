#include "app/cli/stack_command.h"

#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "theory/notes/instrument.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/interval_stack.h"

#include <ostream>
#include <stdexcept>

namespace guivarna::cli {

namespace {

std::vector<int> parseIntervals(const std::string& text)
{
    const std::vector<std::string> names = splitList(text);
    if (names.empty())
        throw UsageError("--intervals needs at least one interval, e.g. --intervals 2,2,b2");
    if (names.size() > static_cast<std::size_t>(theory::kMaxStackedIntervals))
        throw UsageError("--intervals: at most " + std::to_string(theory::kMaxStackedIntervals) +
            " intervals, got " + std::to_string(names.size()));
    try {
        return theory::IntervalSteps(names);
    } catch (const std::invalid_argument& error) {
        throw UsageError("--intervals: " + std::string(error.what()) +
            " (b2, 2, b3, 3, 4, b5, 5, b6, 6, b7, 7)");
    }
}

// 1-based string numbers to 0-based rows.
std::vector<int> parseMarkedStrings(const std::string& text, int stringCount)
{
    const std::vector<std::string> items = splitList(text);
    if (items.empty())
        throw UsageError("--strings needs at least one string number, e.g. --strings 1,2,3");
    std::vector<int> rows;
    for (const std::string& item : items)
        rows.push_back(static_cast<int>(parseInteger("strings", item, 1, stringCount)) - 1);
    return rows;
}

}  // namespace

int RunStackCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(
        args, {"intervals", "tuning", "positions", "root-string", "root-fret", "strings"}, {});
    if (!options.has("intervals"))
        throw UsageError("--intervals is required, e.g. --intervals 2,2,b2,2,2,2,b2");
    const std::vector<int> steps = parseIntervals(options.value("intervals"));

    const std::vector<theory::Note> openNotes =
        options.has("tuning") ? parseTuning(options.value("tuning")) : theory::StandardTuning();
    const std::vector<int> tuning(openNotes.begin(), openNotes.end());
    const int stringCount = static_cast<int>(tuning.size());
    const int positions = static_cast<int>(parseInteger("positions",
        options.value("positions", std::to_string(theory::kDefaultPositions)),
        theory::kMinPositions, theory::kMaxPositions));

    // The root defaults to the open last string, as the stacker dialog first chooses it.
    const int rootString =
        static_cast<int>(parseInteger("root-string",
            options.value("root-string", std::to_string(stringCount)), 1, stringCount)) -
        1;
    const int rootFret = static_cast<int>(
        parseInteger("root-fret", options.value("root-fret", "0"), 0, positions - 1));

    std::vector<int> rows;
    if (options.has("strings")) {
        rows = parseMarkedStrings(options.value("strings"), stringCount);
    } else {
        for (int row = 0; row < stringCount; ++row)
            rows.push_back(row);
    }

    const theory::NoteTable table = theory::UniformNoteTable(tuning, positions);
    const std::vector<int> notes = theory::StackNotes(table, rootString, rootFret, steps);
    for (const theory::BoardPosition& position : theory::ExactNotePositions(table, rows, notes))
        out << position.string + 1 << ':' << position.fret << '\n';
    return 0;
}

}  // namespace guivarna::cli
