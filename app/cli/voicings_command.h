#pragma once

#include "theory/notes/notes.h"
#include "theory/search/voicing_request.h"
#include "theory/search/voicing_search.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

class Options;

// guivarna-cli voicings (--chord SYMBOL | --notes C,E,G) [--tuning ...] [--frets LO-HI]
// [--span N] [--bass root|any|NOTE] [--omit default|none|1,5,9,11,13] [--min-strings N]
// [--limit N]
// Prints every voicing of the chord in ranked order, one a line: the frets string 1 first, then
// fingers=, barre= (only with a barre) and difficulty=, as the fingers subcommand writes them.
int RunVoicingsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The voicing options the voicings and progression subcommands share: --frets, --span, --bass,
// --omit and --min-strings (at most strings). Throws UsageError naming the option.
theory::VoicingChoices parseVoicingChoices(const Options& options, std::size_t strings);

// False when the request asks for a bass note that is not a tone of its chord.
bool bassInChord(const theory::VoicingRequest& request);

// Throws UsageError when the search for request would try too many shapes to finish soon.
void checkVoicingWork(
    const theory::VoicingRequest& request, const std::vector<theory::Note>& tuning);

// A fret pattern as the voicings lines print it, string 1 first: "0,1,0,2,3,x".
std::string fretsText(const std::vector<int>& frets);

}  // namespace guivarna::cli
