#include "app/command_line.h"
#include "app/kova_view.h"
#include "app/main_frame.h"
#include "app/program_objects.h"
#include "app/translations.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStringList>

#include <cstdio>

#ifndef GUIVARNA_VERSION
#define GUIVARNA_VERSION "0"
#endif

namespace {

void SetUpApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("KOVA"));
    QCoreApplication::setApplicationName(QStringLiteral("Guivarna"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GUIVARNA_VERSION));
}

// Help and version are answered without a window system, so they work on a text console.
int PrintTextOnly(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    guivarna::InstallTranslations(app, QLocale::system(), guivarna::TranslationsDir());
    QCommandLineParser parser;
    guivarna::SetUpCommandLine(parser);
    parser.process(app);  // prints and exits
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    SetUpApplication();
    if (guivarna::AsksForTextOnly(argc, argv))
        return PrintTextOnly(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.guivarna.Guivarna"));
    guivarna::InstallTranslations(app, QLocale::system(), guivarna::TranslationsDir());

    QCommandLineParser parser;
    guivarna::SetUpCommandLine(parser);
    parser.process(app);  // exits with a message for an unknown option
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(
            stderr, "%s\n", qUtf8Printable(guivarna::Text(guivarna::strings::kCommandLineOneFile)));
        return 1;
    }

    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/io.github.guivarna.Guivarna-%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    guivarna::settings::SettingsStore store;
    guivarna::ProgramObjects objects(store);
    guivarna::MainFrame frame(objects);

    // One document may be named on the command line; it opens the empty scene.
    if (!files.isEmpty())
        frame.OpenDocument(files.first());

    frame.show();
    // On a first start, zoom so that the boards and the panels are all in view, and again as
    // the window manager maximises the window, until the user takes over.
    if (!frame.View()->ZoomStored())
        frame.View()->FitContentUntilUserActs();
    return QApplication::exec();
}
