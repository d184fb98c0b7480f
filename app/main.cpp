#include "app/main_frame.h"
#include "app/program_objects.h"
#include "board/settings_store.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KOVA"));
    QApplication::setApplicationName(QStringLiteral("Guivarna"));

    guivarna::board::SettingsStore store;
    guivarna::ProgramObjects objects(store);
    guivarna::MainFrame frame(objects);

    // One document may be named on the command line; it opens the empty scene.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        frame.OpenDocument(arguments.at(1));

    frame.show();
    return QApplication::exec();
}
