#include "app/cli/fingers_command.h"

#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "theory/hand/finger_assignment.h"
#include "theory/notes/instrument_limits.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace guivarna::cli {

std::string barreAndDifficulty(const theory::Hand& hand)
{
    if (!hand.playable)
        return {};
    std::vector<int> barreFrets;
    for (int i = 0; i < hand.barreCount; ++i)
        barreFrets.push_back(hand.barres[static_cast<std::size_t>(i)].fret);
    barreFrets.erase(std::unique(barreFrets.begin(), barreFrets.end()), barreFrets.end());
    std::string fields;
    for (std::size_t i = 0; i < barreFrets.size(); ++i)
        fields += (i == 0 ? " barre=" : ",") + std::to_string(barreFrets[i]);
    return fields + " difficulty=" + std::to_string(hand.difficulty);
}

namespace {

std::string shapeLine(const std::vector<int>& frets)
{
    const theory::Hand shape = theory::AssignFingers(frets);
    return theory::FingerText(shape) + barreAndDifficulty(shape);
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
