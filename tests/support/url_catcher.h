#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace guivarna::test {

// Receives the URLs the desktop would open, so a link or help command can be checked without
// starting a browser: QDesktopServices::setUrlHandler(scheme, &catcher, "Catch").
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void Catch(const QUrl& url) { urls.append(url); }
};

}  // namespace guivarna::test
