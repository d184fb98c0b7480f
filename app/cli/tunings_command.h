#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace guivarna::cli {

// guivarna-cli tunings
// Prints every instrument preset on its own line: the name, a tab, and the open notes as
// numbers joined by commas, string 1 first ("Drop D\t64,59,55,50,45,38").
int RunTuningsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace guivarna::cli
