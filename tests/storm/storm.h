#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace guivarna::storm {

// How a storm run goes: the seed decides every choice, so the same seed and step count replay
// the same sequence of user actions.
struct Options {
    std::uint64_t seed = 1;
    int steps = 2000;
    // Print every step as it starts (for following a replay).
    bool trace = false;
};

// Exceptions that reached QApplication::notify, as the storm's application records them.
std::vector<std::string>& EscapedExceptions();

// Drives the real main window through opts.steps random user actions, checking the program's
// invariants after each one. Returns 0 when every step passed; on the first broken invariant it
// prints the seed, the step and the last steps that led there, and returns 1.
int RunStorm(const Options& opts);

}  // namespace guivarna::storm
