#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace guivarna {

// The program's own help window: the manual in a text browser with working links and Back and
// Forward. It stands in when the desktop has no program to open the manual with.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowPage(const QUrl& page);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace guivarna
