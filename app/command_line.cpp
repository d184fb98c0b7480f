#include "app/command_line.h"

#include "resources/strings.h"
#include "resources/text.h"

#include <string_view>

namespace guivarna {

void SetUpCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(Text(strings::kAboutLine1));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), Text(strings::kCommandLineFile),
        Text(strings::kCommandLineFileSyntax));
}

bool AsksForTextOnly(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            return false;
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version" || arg == "-?")
            return true;
    }
    return false;
}

}  // namespace guivarna
