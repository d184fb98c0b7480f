#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::theory {
class MusicTheory;
}

namespace guivarna::cli {

// guivarna-cli names --notes C,E,G [--root C] [--mode traditional|intervals|semitones|N]
// Prints one suggested chord name per selected note, one per line.
int RunNamesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The --mode value: traditional, intervals, semitones or any whole number (unknown numbers name
// nothing); throws UsageError otherwise.
int parseNamingMode(const std::string& text);

// One suggested name per selected note of the current chord, one per line.
void writeChordNames(const theory::MusicTheory& theory, int mode, std::ostream& out);

}  // namespace guivarna::cli
