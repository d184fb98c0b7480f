#include "widgets/balloon_tip.h"

namespace guivarna::widgets {

namespace {
QList<BalloonTip*>& Open()
{
    static QList<BalloonTip*> open;
    return open;
}
}  // namespace

BalloonTip::BalloonTip(const QString& title, const QString& content)
    : QWidget(nullptr, Qt::ToolTip), title_(title), content_(content)
{
    setAttribute(Qt::WA_DeleteOnClose);
    Open().append(this);
}

BalloonTip::~BalloonTip()
{
    Open().removeAll(this);
}

void ShowInputError(QWidget*, const QString& title, const QString& content)
{
    (new BalloonTip(title, content))->show();
}

QList<BalloonTip*> OpenBalloons()
{
    return Open();
}

}  // namespace guivarna::widgets
