#include "widgets/hyperlink_label.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

namespace guivarna {

namespace {
const QColor kUnvisited(0x00, 0x00, 0xFF);
const QColor kVisited(0x80, 0x00, 0x80);
}  // namespace

HyperlinkLabel::HyperlinkLabel(const QString& caption, const QUrl& target, QWidget* parent)
    : QLabel(caption, parent), target_(target)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setToolTip(target.toString());
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    UpdateColour();
}

bool HyperlinkLabel::Open()
{
    if (!QDesktopServices::openUrl(target_)) {
        QApplication::beep();
        emit openFailed(target_);
        return false;
    }
    visited_ = true;
    UpdateColour();
    emit opened(target_);
    return true;
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Open();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        Open();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void HyperlinkLabel::UpdateColour()
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, visited_ ? kVisited : kUnvisited);
    setPalette(pal);
}

}  // namespace guivarna
