// Any bytes as the standard input of `guivarna-cli fingers`: either every line is a fret pattern
// and one line comes out per line in, each the finger text followed by its difficulty (or
// "unplayable"), or the reader refuses with UsageError and prints nothing. A first byte from 1
// to 24 sets that many strings (--tuning) and is not part of the input.
#include "app/cli/fingers_command.h"
#include "app/cli/options.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

using namespace guivarna::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args;
    std::size_t strings = 6;
    if (size > 0 && data[0] >= 1 && data[0] <= 24) {
        strings = data[0];
        std::string tuning;
        for (std::size_t i = 0; i < strings; ++i)
            tuning += (i == 0 ? "" : ",") + std::to_string(40 + i);
        args = {"--tuning", tuning};
        ++data;
        --size;
    }
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream out;
    try {
        GUIVARNA_FUZZ_CHECK(RunFingersCommand(args, in, out) == 0);
    } catch (const UsageError&) {
        GUIVARNA_FUZZ_CHECK(out.str().empty());
        return 0;
    }
    // One output line per input line (getline's count: a last line without '\n' counts too).
    const std::size_t inputLines =
        static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n')) +
        (!input.empty() && input.back() != '\n' ? 1 : 0);
    const std::string output = out.str();
    GUIVARNA_FUZZ_CHECK(
        static_cast<std::size_t>(std::count(output.begin(), output.end(), '\n')) == inputLines);
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        GUIVARNA_FUZZ_CHECK(line == "unplayable" || line.find(" difficulty=") != std::string::npos);
        // The finger text has one character per string, separated by commas.
        if (line != "unplayable")
            GUIVARNA_FUZZ_CHECK(line.find(' ') == 2 * strings - 1);
    }
    return 0;
}
