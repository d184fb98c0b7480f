#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli stack --intervals 2,2,b2,2,2,2,b2 [--tuning 64,59,55,50,45,40] [--positions 25]
//   [--root-string 6] [--root-fret 0] [--strings 1,2,3,4,5,6]
// Stacks the interval cycle up and down from the root position over a board with the given
// tuning (string 1 first) and fret positions per string, and prints every position of the
// chosen strings that holds one of the stacked pitches as "string:fret" (strings from 1, in
// board order, frets ascending).
int RunStackCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace guivarna::cli
