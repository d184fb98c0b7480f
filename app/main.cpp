#include "app/main_frame.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("KOVA"));
    QApplication::setApplicationName(QStringLiteral("Guivarna"));

    guivarna::MainFrame frame;
    frame.show();
    return QApplication::exec();
}
