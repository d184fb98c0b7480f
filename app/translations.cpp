#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#ifndef GUIVARNA_TRANSLATIONS_DIR
#define GUIVARNA_TRANSLATIONS_DIR "share/guivarna/translations"
#endif

namespace guivarna {

QString TranslationsDir()
{
    const QDir appDir(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(
        appDir.filePath(QStringLiteral("../") + QString::fromUtf8(GUIVARNA_TRANSLATIONS_DIR)));
}

bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& dir)
{
    // The UI languages in order of preference (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG). English
    // is built in, so a preferred English stops the search before a later language is taken.
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            return false;
        auto* own = new QTranslator(&app);
        // load() also tries the name with its last "_part" removed: guivarna_de for de_AT.
        if (!own->load(QStringLiteral("guivarna_") + language, dir)) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return true;
    }
    return false;
}

}  // namespace guivarna
