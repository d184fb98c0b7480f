#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace guivarna {

// Where the compiled translations are, relative to the folder of the executables; the build tree
// mirrors the installed layout, so the same path works from either.
QString TranslationsDir();

// Installs the program's translation (and Qt's own, for standard buttons) for the first of the
// locale's UI languages that has one. English needs none: the source texts are English.
// Returns true when a program translation was installed.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& dir);

}  // namespace guivarna
