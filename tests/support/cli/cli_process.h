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
// Runs args with input on standard input.
CliRun runCliWithInput(const std::vector<std::string>& args, const std::string& input);

// Runs args and expects a success: status 0, exactly out on stdout, nothing on stderr.
CliRun ExpectPrints(const std::vector<std::string>& args, const std::string& out);
// Runs args and expects a mistake: status 2, nothing on stdout and one line on stderr that
// holds mentions.
CliRun ExpectRefused(const std::vector<std::string>& args, const std::string& mentions);

// The subcommand followed by its options.
std::vector<std::string> WithCommand(const std::string& command, std::vector<std::string> options);
// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);
// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace guivarna::test
