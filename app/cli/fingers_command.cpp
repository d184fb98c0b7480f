#include "app/cli/fingers_command.h"

#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "theory/finger_assignment.h"
#include "theory/instrument_limits.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace guivarna::cli {

std::vector<int> parseFretPattern(
    const std::string& where, const std::string& text, std::size_t strings)
{
    const std::vector<std::string> items = splitList(text);
    if (items.empty())
        throw UsageError(where + " needs one fret or x per string, e.g. 0,1,0,2,3,x");
    std::vector<int> frets;
    for (const std::string& item : items) {
        if (item == "x") {
            frets.push_back(theory::kNotPlayed);
            continue;
        }
        const bool digits = !item.empty() && item.size() <= 2 &&
            std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int fret = digits ? std::stoi(item) : -1;
        if (fret < 0 || fret > static_cast<int>(theory::kMaxFret))
            throw UsageError(where + ": '" + item + "' is neither x nor a fret from 0 to " +
                std::to_string(theory::kMaxFret));
        frets.push_back(fret);
    }
    if (frets.size() != strings)
        throw UsageError(where + ": " + std::to_string(frets.size()) + " frets given for " +
            std::to_string(strings) + " strings (one fret or x per string, string 1 first)");
    return frets;
}

namespace {

std::string shapeLine(const std::vector<int>& frets)
{
    const theory::HandShape shape = theory::AssignFingers(frets);
    std::string line = theory::FingerText(shape);
    if (!shape.playable)
        return line;
    std::vector<int> barreFrets;
    for (int i = 0; i < shape.barreCount; ++i)
        barreFrets.push_back(shape.barres[static_cast<std::size_t>(i)].fret);
    barreFrets.erase(std::unique(barreFrets.begin(), barreFrets.end()), barreFrets.end());
    for (std::size_t i = 0; i < barreFrets.size(); ++i)
        line += (i == 0 ? " barre=" : ",") + std::to_string(barreFrets[i]);
    return line + " difficulty=" + std::to_string(shape.difficulty);
}

}  // namespace

int RunFingersCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out)
{
    const Options options(args, {"frets", "tuning"}, {});
    const std::size_t strings = options.has("tuning") ? parseTuning(options.value("tuning")).size()
                                                      : theory::kStandardTuningNotes.size();
    if (options.has("frets")) {
        out << shapeLine(parseFretPattern("--frets", options.value("frets"), strings)) << '\n';
        return 0;
    }
    // Every line is checked before anything is printed, so a bad line leaves no partial output.
    std::string lines;
    std::string text;
    for (std::size_t number = 1; std::getline(in, text); ++number) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        lines += shapeLine(parseFretPattern("line " + std::to_string(number), text, strings));
        lines += '\n';
    }
    out << lines;
    return 0;
}

}  // namespace guivarna::cli
