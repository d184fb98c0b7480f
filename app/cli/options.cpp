#include "app/cli/options.h"

#include <charconv>

namespace guivarna::cli {

Options::Options(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
    const std::set<std::string>& flagOptions)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0 || arg.size() == 2)
            throw UsageError("unexpected argument '" + arg + "'");
        const std::string name = arg.substr(2);
        if (values_.count(name) != 0)
            throw UsageError("option '" + arg + "' given twice");
        if (flagOptions.count(name) != 0) {
            values_[name] = {};
        } else if (valueOptions.count(name) != 0) {
            if (i + 1 >= args.size())
                throw UsageError("option '" + arg + "' needs a value");
            values_[name] = args[++i];
        } else {
            throw UsageError("unknown option '" + arg + "'");
        }
    }
}

bool Options::has(const std::string& name) const
{
    return values_.count(name) != 0;
}

std::string Options::value(const std::string& name, const std::string& fallback) const
{
    const auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
}

std::vector<std::string> splitList(const std::string& text, char separator)
{
    std::vector<std::string> items;
    if (text.empty())
        return items;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        items.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return items;
}

long long parseInteger(
    const std::string& option, const std::string& text, long long min, long long max)
{
    long long value = 0;
    const char* const end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
        throw UsageError("--" + option + ": '" + text + "' is not a whole number from " +
            std::to_string(min) + " to " + std::to_string(max));
    return value;
}

}  // namespace guivarna::cli
