#include "app/cli/tunings_command.h"

#include "app/cli/options.h"
#include "theory/notes/instrument.h"

#include <ostream>

namespace guivarna::cli {

int RunTuningsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    const Options options(args, {}, {});
    for (const theory::InstrumentPreset& preset : theory::InstrumentPresets()) {
        out << preset.name << '\t';
        for (std::size_t i = 0; i < preset.openNotes.size(); ++i)
            out << (i == 0 ? "" : ",") << preset.openNotes[i];
        out << '\n';
    }
    return 0;
}

}  // namespace guivarna::cli
