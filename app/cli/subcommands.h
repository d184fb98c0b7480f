#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace guivarna::cli {

// One subcommand of guivarna-cli: its name, a one-line usage and its entry point.
// run() returns the process exit status; it may throw UsageError for bad input.
struct Subcommand {
    std::string_view name;
    std::string_view usage;
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// Every subcommand, in the order --help lists them.
std::span<const Subcommand> subcommands();

// Runs the command line (argv without the program name); returns the exit status.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace guivarna::cli
