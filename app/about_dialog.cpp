#include "app/about_dialog.h"

#include "resources/strings.h"
#include "resources/text.h"
#include "widgets/hyperlink_label.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace guivarna {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Text(strings::kAboutTitle));
    setObjectName(QStringLiteral("aboutDialog"));

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(Text(strings::kAboutVersion), this);
    version->setObjectName(QStringLiteral("version"));
    auto* line1 = new QLabel(Text(strings::kAboutLine1), this);
    line1->setObjectName(QStringLiteral("line1"));
    line1->setWordWrap(true);
    auto* line2 = new QLabel(Text(strings::kAboutLine2), this);
    line2->setObjectName(QStringLiteral("line2"));
    link_ = new HyperlinkLabel(
        Text(strings::kAboutLinkCaption), QUrl(Text(strings::kAboutLinkTarget)), this);
    link_->setObjectName(QStringLiteral("link"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(line1);
    texts->addWidget(line2);
    texts->addWidget(link_);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    // OK holds the focus at first, so Enter closes the box; the link opens on Enter only once
    // the user has tabbed to it.
    ok->setFocus(Qt::OtherFocusReason);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(link_, &HyperlinkLabel::openFailed, this, [this](const QUrl& target) {
        QMessageBox::warning(
            this, Text(strings::kAboutTitle), Text(strings::kLinkNotOpened).arg(target.toString()));
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace guivarna
