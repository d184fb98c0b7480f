#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli chords --notes C,E,G [--root C] [--tuning 64,59,55,50,45,40] [--strings 1,2,3]
//   [--frets 0-24] [--span 24] [--open by-position|may|must] [--permutation E,C,G | --melody E]
//   [--count]
// Runs a complete chord fingering search and prints each fingering as it is found, in the chord
// list text layout: string set, frets and notes, each joined by " - ", separated by two tabs.
int RunChordsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// guivarna-cli scales --tones 7 [--must C,E,G] [--run-limit 12|-1|N] [--count]
// Runs a complete scale search and prints each scale as its note names joined by " - ".
int RunScalesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace guivarna::cli
