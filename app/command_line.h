#pragma once

#include <QCommandLineParser>

namespace guivarna {

// The options of the window program: --help, --version and one optional document.
void SetUpCommandLine(QCommandLineParser& parser);

// True when the arguments only ask for text on the terminal (help or version), which must work
// without a display, so no window system is started for them.
bool AsksForTextOnly(int argc, const char* const* argv);

}  // namespace guivarna
