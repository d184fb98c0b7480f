#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli names --notes C,E,G [--root C] [--mode traditional|intervals|semitones|N]
// Prints one suggested chord name per selected note, one per line.
int RunNamesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace guivarna::cli
