#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli voicings (--chord SYMBOL | --notes C,E,G) [--tuning ...] [--frets LO-HI]
// [--span N] [--bass root|any|NOTE] [--omit default|none|1,5,9,11,13] [--min-strings N]
// [--limit N]
// Prints every voicing of the chord in ranked order, one a line: the frets string 1 first, then
// fingers=, barre= (only with a barre) and difficulty=, as the fingers subcommand writes them.
int RunVoicingsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace guivarna::cli
