// The argument parsers of guivarna-cli. The first byte picks a parser, the rest is its text (for
// some, a second byte or a first line sets the context). Every parser either gives a value within
// its documented range, which written back in its own syntax parses to the same value, or throws
// UsageError; no other exception escapes. The cheap subcommands run whole on the text split
// into arguments at line breaks, with the same rule.
#include "app/cli/fingers_command.h"
#include "app/cli/identify_command.h"
#include "app/cli/name_commands.h"
#include "app/cli/names_command.h"
#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "app/cli/search_commands.h"
#include "app/cli/subcommands.h"
#include "fuzz/fuzz_check.h"
#include "theory/hand/finger_assignment.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/notes.h"
#include "theory/search/search_request.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace guivarna;
using namespace guivarna::cli;

namespace {

std::string Join(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : ",") + items[i];
    return text;
}

template <typename Number> std::string JoinNumbers(const std::vector<Number>& numbers)
{
    std::vector<std::string> items;
    for (const Number n : numbers)
        items.push_back(std::to_string(n));
    return Join(items);
}

// The text before the first line break, and the rest after it.
std::pair<std::string, std::string> FirstLine(const std::string& text)
{
    const std::size_t end = text.find('\n');
    if (end == std::string::npos)
        return {text, {}};
    return {text.substr(0, end), text.substr(end + 1)};
}

void NoteName(const std::string& text)
{
    const std::string name = parseNoteName("root", text);
    GUIVARNA_FUZZ_CHECK(name == text);
    const theory::Note note = theory::NoteNumber(name);
    GUIVARNA_FUZZ_CHECK(note >= 60 && note <= 71 && theory::NoteName(note) == name);
}

void NoteList(const std::string& text)
{
    const std::vector<std::string> names = parseNoteList("notes", text);
    GUIVARNA_FUZZ_CHECK(!names.empty() && Join(names) == text);
    for (const std::string& name : names)
        GUIVARNA_FUZZ_CHECK(theory::NoteNumber(name) != theory::kUnknown);
}

void Tuning(const std::string& text)
{
    const std::vector<theory::Note> tuning = parseTuning(text);
    GUIVARNA_FUZZ_CHECK(!tuning.empty() && tuning.size() <= theory::kMaxStrings);
    for (const theory::Note note : tuning)
        GUIVARNA_FUZZ_CHECK(note <= 127);
    GUIVARNA_FUZZ_CHECK(parseTuning(JoinNumbers(tuning)) == tuning);
}

void FretRange(const std::string& text)
{
    const auto [lowest, highest] = parseFretRange(text);
    GUIVARNA_FUZZ_CHECK(lowest <= highest && highest <= 24);
    const std::string again = std::to_string(lowest) + "-" + std::to_string(highest);
    GUIVARNA_FUZZ_CHECK(parseFretRange(again) == std::make_pair(lowest, highest));
}

void Strings(std::size_t stringCount, const std::string& text)
{
    const std::vector<std::uint32_t> strings = parseStrings(text, stringCount);
    GUIVARNA_FUZZ_CHECK(!strings.empty());
    for (const std::uint32_t string : strings)
        GUIVARNA_FUZZ_CHECK(string >= 1 && string <= stringCount);
    GUIVARNA_FUZZ_CHECK(parseStrings(JoinNumbers(strings), stringCount) == strings);
}

// First line: the chord's notes; the rest: the permutation.
void Permutation(const std::string& text)
{
    const auto [notesText, order] = FirstLine(text);
    const std::vector<std::string> names = parseNoteList("notes", notesText);
    std::vector<theory::Note> notes;
    for (const std::string& name : names)
        notes.push_back(theory::NoteNumber(name));
    const std::vector<theory::Note> permutation = parsePermutation(order, notes, names);
    GUIVARNA_FUZZ_CHECK(
        std::is_permutation(permutation.begin(), permutation.end(), notes.begin(), notes.end()));
}

void IdentifyFrets(const std::string& text)
{
    const std::vector<std::optional<theory::Note>> frets = parseFrets(text);
    GUIVARNA_FUZZ_CHECK(!frets.empty());
    for (const std::optional<theory::Note>& fret : frets)
        GUIVARNA_FUZZ_CHECK(!fret || *fret <= theory::kMaxFret);
}

void FretPattern(std::size_t strings, const std::string& text)
{
    const std::vector<int> frets = parseFretPattern("--frets", text, strings);
    GUIVARNA_FUZZ_CHECK(frets.size() == strings);
    std::vector<std::string> items;
    for (const int fret : frets) {
        GUIVARNA_FUZZ_CHECK(
            fret == theory::kNotPlayed || (fret >= 0 && fret <= int(theory::kMaxFret)));
        items.push_back(fret == theory::kNotPlayed ? "x" : std::to_string(fret));
    }
    GUIVARNA_FUZZ_CHECK(parseFretPattern("--frets", Join(items), strings) == frets);
}

void OpenPolicy(const std::string& text)
{
    const theory::OpenStringPolicy policy = parseOpenPolicy(text);
    GUIVARNA_FUZZ_CHECK(policy == theory::OpenStringPolicy::ByPosition ||
        policy == theory::OpenStringPolicy::MayHave ||
        policy == theory::OpenStringPolicy::MustHave);
}

void Integer(const std::string& text)
{
    const long long value = parseInteger("n", text, -1000, 1000);
    GUIVARNA_FUZZ_CHECK(value >= -1000 && value <= 1000);
    GUIVARNA_FUZZ_CHECK(parseInteger("n", std::to_string(value), -1000, 1000) == value);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines = splitList(text, '\n');
    return lines;
}

// Options, then the chord notes they name (--notes or --chord).
void ChordNotes(const std::string& text)
{
    const Options options(Lines(text), {"notes", "chord", "root"}, {"count"});
    for (const std::string& name : chordNoteNames(options))
        GUIVARNA_FUZZ_CHECK(theory::NoteNumber(name) != theory::kUnknown);
}

// A subcommand that answers at once, run whole on the lines as its arguments.
void RunCheapSubcommand(std::uint8_t which, const std::string& text)
{
    static constexpr std::string_view kCheap[] = {
        "names", "identify", "stack", "tunings", "chord", "scale", "scale-names"};
    const std::string_view name = kCheap[which % std::size(kCheap)];
    for (const Subcommand& command : subcommands()) {
        if (command.name != name)
            continue;
        std::ostringstream out;
        std::ostringstream err;
        GUIVARNA_FUZZ_CHECK(command.run(Lines(text), out, err) == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint8_t parser = data[0];
    const std::uint8_t context = data[1];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    try {
        switch (parser % 14) {
        case 0:
            NoteName(text);
            break;
        case 1:
            NoteList(text);
            break;
        case 2:
            Tuning(text);
            break;
        case 3:
            FretRange(text);
            break;
        case 4:
            Strings(context % 30, rest);
            break;
        case 5:
            Permutation(text);
            break;
        case 6:
            IdentifyFrets(text);
            break;
        case 7:
            FretPattern(context % 30, rest);
            break;
        case 8:
            OpenPolicy(text);
            break;
        case 9:
            parseNamingMode(text);
            break;
        case 10:
            Integer(text);
            break;
        case 11:
            Options(Lines(text), {"a", "b"}, {"f"});
            break;
        case 12:
            ChordNotes(text);
            break;
        default:
            RunCheapSubcommand(context, rest);
            break;
        }
    } catch (const UsageError&) {
        // The one way a parser refuses its input.
    }
    return 0;
}
