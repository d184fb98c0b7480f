#pragma once

#include <string>
#include <vector>

namespace guivarna::test {

// What one run of the real guivarna-cli binary printed and returned.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built guivarna-cli with args (no shell quoting needed) and captures both streams;
// with stdoutPath, stdout goes to that file instead (run.out stays empty). A fileSizeLimit of 0
// or more limits every file the program writes to that many bytes (SIGXFSZ ignored, so a write
// beyond it fails with EFBIG, even for root).
CliRun runCli(const std::vector<std::string>& args, const std::string& stdoutPath = {},
    long fileSizeLimit = -1);

}  // namespace guivarna::test
