#pragma once

#include "theory/hand/finger_assignment.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli fingers --frets 0,1,0,2,3,x [--tuning 64,59,55,50,45,40]
// Prints how a hand holds the shape, one line: the fingers string 1 first (x not played,
// 0 open, 1..4), then " barre=F[,F...]" with the barre frets when there is a barre, then
// " difficulty=N"; just "unplayable" when four fingers cannot hold it. Without --frets, reads
// one fret pattern a line from in and prints one line per pattern, nothing at all when a line
// is bad (the message names the line).
int RunFingersCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out);

// What follows the fingers on such a line: " barre=F[,F...]" when the hand barres, then
// " difficulty=N"; "" for an unplayable hand.
std::string barreAndDifficulty(const theory::Hand& hand);

}  // namespace guivarna::cli
