#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace guivarna::cli {

// A command-line mistake; its message is printed as one line on stderr with exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The "--name value" options and "--flag" switches of one subcommand.
class Options {
public:
    // Parses args; throws UsageError for an unknown option, a missing value or a repeat.
    Options(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
        const std::set<std::string>& flagOptions);

    bool has(const std::string& name) const;
    // The value of a value option, or fallback when it was not given.
    std::string value(const std::string& name, const std::string& fallback = {}) const;

private:
    std::map<std::string, std::string> values_;
};

// Splits "a,b,c" into its items; an empty text gives no items.
std::vector<std::string> splitList(const std::string& text, char separator = ',');

// Parses a whole decimal integer within [min, max]; throws UsageError naming the option otherwise.
long long parseInteger(
    const std::string& option, const std::string& text, long long min, long long max);

}  // namespace guivarna::cli
