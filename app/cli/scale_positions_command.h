#pragma once

#include "theory/hand/scale_fingering.h"
#include "theory/notes/notes.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

class Options;

// The scale, instrument and system of a command that fingers a scale.
struct ScaleFingeringRequest {
    theory::ScaleToFinger scale;
    // "A minor pentatonic", or the notes joined by " - " for --notes.
    std::string title;
    std::vector<theory::Note> tuning;
    theory::FingeringSystem system = theory::FingeringSystem::Position;
    theory::FretRange frets;
};

// The value options ScaleFingeringFrom reads.
const std::vector<std::string>& ScaleFingeringOptions();

// Reads (--name NAME [--root NOTE] | --notes C,D,E) [--system position|3nps] [--tuning ...]
// [--frets LO-HI]; throws UsageError for bad input, a scale the system cannot finger included.
ScaleFingeringRequest ScaleFingeringFrom(const Options& options);

// guivarna-cli scale-positions (--name NAME --root NOTE | --notes C,D,E) [--system
// position|3nps] [--tuning ...] [--frets LO-HI]
// Prints every position of the scale, one a line, as theory::PositionLine writes it.
int RunScalePositionsCommand(
    const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace guivarna::cli
