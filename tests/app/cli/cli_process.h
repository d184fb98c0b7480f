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
// with stdoutPath, stdout goes to that file instead (run.out stays empty).
CliRun runCli(const std::vector<std::string>& args, const std::string& stdoutPath = {});

}  // namespace guivarna::test
