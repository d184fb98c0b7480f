#include "app/kova_view.h"
#include "app/main_frame.h"
#include "app/program_objects.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KOVA"));
    QApplication::setApplicationName(QStringLiteral("Guivarna"));

    guivarna::settings::SettingsStore store;
    guivarna::ProgramObjects objects(store);
    guivarna::MainFrame frame(objects);

    // One document may be named on the command line; it opens the empty scene.
    const QStringList arguments = QApplication::arguments().mid(1);
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1Char('-'))) {
            frame.OpenDocument(argument);
            break;
        }
    }

    frame.show();
    // On a first start, once the window has its size, zoom so that the boards and the panels
    // are all in view.
    if (!frame.View()->ZoomStored())
        QTimer::singleShot(0, &frame, [&frame] { frame.View()->FitContentForFirstStart(); });
    return QApplication::exec();
}
