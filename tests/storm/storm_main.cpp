#include "tests/storm/storm.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <random>
#include <string>

namespace {

// An application that notes every exception an event handler lets out instead of passing it on:
// the storm reports it as a broken invariant after the step.
class RecordingApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            guivarna::storm::EscapedExceptions().push_back(error.what());
        } catch (...) {
            guivarna::storm::EscapedExceptions().push_back("unknown exception");
        }
        return false;
    }
};

int Usage(const char* program)
{
    std::fprintf(stderr, "usage: %s [--steps N] [--seed S | --random-seed] [--trace]\n", program);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    RecordingApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KOVA"));
    QApplication::setApplicationName(QStringLiteral("Guivarna"));

    guivarna::storm::Options opts;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--steps" && hasValue)
            opts.steps = std::atoi(argv[++i]);
        else if (arg == "--seed" && hasValue)
            opts.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--random-seed")
            opts.seed = std::random_device{}();
        else if (arg == "--trace")
            opts.trace = true;
        else
            return Usage(argv[0]);
    }
    if (opts.steps < 0)
        return Usage(argv[0]);
    return guivarna::storm::RunStorm(opts);
}
