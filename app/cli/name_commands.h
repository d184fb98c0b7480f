#pragma once

#include "theory/formats/chord_symbol.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

class Options;

// guivarna-cli chord --symbol SYMBOL
// Prints the chord's root, then its other notes upward, joined by " - ".
int RunChordCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// guivarna-cli scale --name NAME [--root NOTE] | scale --list
// Prints the scale's notes upward from the root joined by " - ", or every catalogue name.
int RunScaleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// guivarna-cli scale-names --notes C,D,E,F,G,A,B | --chord SYMBOL
// Prints "ROOT NAME" for every catalogue scale with exactly these pitch classes.
int RunScaleNamesCommand(
    const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The chord of a subcommand that takes --notes or --chord: its note names in order, root
// first for a symbol. Exactly one of the two must be given; throws UsageError otherwise.
std::vector<std::string> chordNoteNames(const Options& options);

// The chord a symbol names; throws UsageError naming --option and where reading stopped.
theory::ReadChord readSymbol(const std::string& option, const std::string& symbol);

}  // namespace guivarna::cli
