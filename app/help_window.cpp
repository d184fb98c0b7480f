#include "app/help_window.h"

#include "resources/strings.h"
#include "resources/text.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace guivarna {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(Text(strings::kHelpWindowTitle));
    // Links within the manual stay here; links to the web go to the desktop's browser.
    browser_->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction(Text(strings::kHelpBack), browser_, &QTextBrowser::backward);
    QAction* forward =
        bar->addAction(Text(strings::kHelpForward), browser_, &QTextBrowser::forward);
    back->setObjectName(QStringLiteral("helpBack"));
    forward->setObjectName(QStringLiteral("helpForward"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_, 1);
    resize(720, 640);
}

void HelpWindow::ShowPage(const QUrl& page)
{
    browser_->setSource(page);
    show();
    raise();
    activateWindow();
}

}  // namespace guivarna
