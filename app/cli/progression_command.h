#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli progression SYMBOL... [--tuning ...] [--frets LO-HI] [--span N]
// [--bass root|any|NOTE] [--omit ...] [--min-strings N] [--vary-repeats] [--capo N|best]
// Chooses one voicing per chord so that the ranks and the hand's movement between neighbours
// cost least, and prints a line per chord in order, "SYMBOL FRETS fingers=F difficulty=N move=M"
// (move: the movement cost from the chord before, 0 for the first), then "total=T". A chord
// played again keeps its voicing unless --vary-repeats is given. With --capo best, the capo from
// 0 to 7 of the lowest total is used and named on the first line of err ("capo 2").
int RunProgressionCommand(
    const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace guivarna::cli
