#include "widgets/balloon_tip.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace guivarna::widgets {

namespace {

// Margin around the inner area, the extra height on the tail side, the gap between parts.
constexpr int kMargin = 8;
constexpr int kTailHeight = 20;
constexpr int kGap = 8;
// Width of the corner ellipse of the body.
constexpr int kCornerDiameter = 24;
// How far the mouse may move before kBalloonCloseOnMouseMove closes the balloon.
constexpr int kMoveThreshold = 3;
// What the first close event of a delayed balloon clears: the mouse-close bits and the delay.
// A key press still closes it after that.
constexpr unsigned kCloseBitsAndDelay = kBalloonCloseOnAnyMouse | kBalloonDelayClose;
// The close-on-button-up bits, which make the balloon grab the mouse.
constexpr unsigned kGrabBits =
    kBalloonCloseOnLeftUp | kBalloonCloseOnMiddleUp | kBalloonCloseOnRightUp;

int Clamp(int x, int w)
{
    return std::clamp(x, kMargin, std::max(kMargin, w - kMargin));
}

// The close bit that a mouse button event maps to, 0 for other events.
unsigned CloseBitOf(const QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress ||
        event->type() == QEvent::NonClientAreaMouseButtonPress ||
        event->type() == QEvent::MouseButtonDblClick;
    const bool release = event->type() == QEvent::MouseButtonRelease ||
        event->type() == QEvent::NonClientAreaMouseButtonRelease;
    if (!press && !release)
        return 0;
    switch (static_cast<const QMouseEvent*>(event)->button()) {
    case Qt::LeftButton:
        return press ? kBalloonCloseOnLeftDown : kBalloonCloseOnLeftUp;
    case Qt::MiddleButton:
        return press ? kBalloonCloseOnMiddleDown : kBalloonCloseOnMiddleUp;
    case Qt::RightButton:
        return press ? kBalloonCloseOnRightDown : kBalloonCloseOnRightUp;
    default:
        return 0;
    }
}

QRect WorkAreaAt(QPoint point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

}  // namespace

QSize BalloonInnerSize(const BalloonParts& parts)
{
    int width = parts.icon.width();
    int height = parts.icon.height();
    if (!parts.closeButton.isEmpty()) {
        if (width > 0)
            width += kGap;
        width += parts.closeButton.width();
        height = std::max(height, parts.closeButton.height());
    }
    if (!parts.title.isEmpty()) {
        if (width > 0)
            width += kGap;
        width += parts.title.width();
        height = std::max(height, parts.title.height());
    }
    const int content = parts.content.isEmpty() ? 0 : parts.content.height();
    const int contentWidth = parts.content.isEmpty() ? 0 : parts.content.width();
    return {std::max(width, contentWidth), height + content + kGap};
}

BalloonGeometry LayoutBalloon(const BalloonParts& parts, QPoint anchor, const QRect& workArea)
{
    BalloonGeometry g;
    const QSize inner = BalloonInnerSize(parts);
    const int w = inner.width() + 2 * kMargin;
    const int h = inner.height() + 2 * kMargin + kTailHeight;
    const QPoint centre = workArea.center();
    g.tailOnTop = anchor.y() < centre.y();
    g.tailRight = anchor.x() >= centre.x();

    const int d = (w - 20) / 4;
    const int baseY = g.tailOnTop ? 21 : h - 22;
    const int tipY = g.tailOnTop ? 1 : h - 2;
    int baseA = g.tailRight ? 3 * d : d + 20;
    int baseB = g.tailRight ? 3 * d + 20 : d;
    int tipX = g.tailRight ? 3 * d + 20 : d;
    baseA = Clamp(baseA, w);
    baseB = Clamp(baseB, w);
    tipX = Clamp(tipX, w);

    g.window = QRect(anchor - QPoint(tipX, tipY), QSize(w, h));
    // Keep the window on the screen; a sideways shift moves the tip back onto the anchor.
    int dx = 0;
    if (g.window.right() > workArea.right())
        dx = workArea.right() - g.window.right();
    if (g.window.left() + dx < workArea.left())
        dx = workArea.left() - g.window.left();
    int dy = 0;
    if (g.window.bottom() > workArea.bottom())
        dy = workArea.bottom() - g.window.bottom();
    if (g.window.top() + dy < workArea.top())
        dy = workArea.top() - g.window.top();
    g.window.translate(dx, dy);
    tipX = Clamp(tipX - dx, w);

    g.tail = QPolygon({QPoint(baseA, baseY), QPoint(baseB, baseY), QPoint(tipX, tipY)});
    g.body =
        g.tailOnTop ? QRect(0, kTailHeight, w, h - kTailHeight) : QRect(0, 0, w, h - kTailHeight);
    g.inner = QRect(QPoint(kMargin, g.body.top() + kMargin), inner);
    g.headerHeight = inner.height() - kGap - (parts.content.isEmpty() ? 0 : parts.content.height());
    return g;
}

BalloonTip::BalloonTip(const QString& title, const QString& content, const QPoint& anchor,
    unsigned options, QWidget* anchorWindow, const QString& link, int timeoutMs)
    : QWidget(anchorWindow,
          Qt::ToolTip | Qt::FramelessWindowHint |
              ((options & kBalloonTopMost) ? Qt::WindowStaysOnTopHint : Qt::WindowFlags())),
      title_(title), content_(content), anchor_(anchor), options_(options),
      anchorWindow_(anchorWindow != nullptr ? anchorWindow->window() : nullptr), link_(link),
      timeoutMs_(std::max(0, timeoutMs))
{
    setObjectName(QStringLiteral("BalloonTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    if (anchorWindow_ != nullptr)
        anchorWindowPos_ = anchorWindow_->pos();
    if (!QApplication::isEffectEnabled(Qt::UI_AnimateTooltip) ||
        !QApplication::isEffectEnabled(Qt::UI_FadeTooltip))
        options_ |= kBalloonNoFadeIn | kBalloonNoFadeOut;

    titleFont_ = QApplication::font();
    titleFont_.setWeight(QFont::Bold);
    contentFont_ = QApplication::font();
    iconExtent_ = std::max(style()->pixelMetric(QStyle::PM_SmallIconSize),
        style()->pixelMetric(QStyle::PM_TitleBarButtonSize));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setCursor(Qt::ArrowCursor);

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &BalloonTip::CloseBalloon);
}

void BalloonTip::Layout()
{
    const QRect work = WorkAreaAt(anchor_);
    BalloonParts parts;
    parts.icon = QSize(iconExtent_, iconExtent_);
    if (options_ & kBalloonShowCloseButton)
        parts.closeButton = QSize(iconExtent_, iconExtent_);
    if (!title_.isEmpty())
        parts.title = QFontMetrics(titleFont_).size(Qt::TextSingleLine, title_);
    if (!content_.isEmpty()) {
        parts.content = QFontMetrics(contentFont_)
                            .boundingRect(QRect(0, 0, std::max(1, work.width() / 2), INT_MAX / 2),
                                Qt::TextWordWrap | Qt::TextExpandTabs, content_)
                            .size();
    }
    geometry_ = LayoutBalloon(parts, anchor_, work);
    setGeometry(geometry_.window);

    QPainterPath body;
    body.addRoundedRect(QRectF(geometry_.body), kCornerDiameter / 2.0, kCornerDiameter / 2.0);
    QPainterPath tail;
    tail.addPolygon(QPolygonF(geometry_.tail));
    tail.closeSubpath();
    const QRegion region(body.united(tail).toFillPolygon().toPolygon());
    if (region != mask()) {
        setMask(region);
        update();
    }
}

void BalloonTip::Show()
{
    Layout();
    if (options_ & kBalloonCloseOnAnyMouse)
        cursorAtCreation_ = QCursor::pos();
    qApp->installEventFilter(this);
    if ((options_ & kBalloonNoFadeIn) == 0) {
        setWindowOpacity(0.0);
        fade_ = new QPropertyAnimation(this, "windowOpacity", this);
        fade_->setDuration(kBalloonFadeMs);
        fade_->setStartValue(0.0);
        fade_->setEndValue(1.0);
        fade_->start();
    }
    show();
    // Screen readers announce the balloon as an alert: its title, then what it says.
    setAccessibleName(Title());
    setAccessibleDescription(Content());
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    // Only a visible widget can grab the mouse. A grab or popup that is there already (a
    // button held down, an open menu) keeps it.
    if ((options_ & kGrabBits) && QWidget::mouseGrabber() == nullptr &&
        QApplication::activePopupWidget() == nullptr) {
        grabMouse();
        grabbing_ = QWidget::mouseGrabber() == this;
    }
    if ((options_ & kBalloonDelayClose) == 0 && timeoutMs_ > 0)
        timer_->start(timeoutMs_);
}

void BalloonTip::ReleaseMouseGrab()
{
    if (!grabbing_)
        return;
    grabbing_ = false;
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

void BalloonTip::HandOnPress(QMouseEvent* event, QWidget* target)
{
    QWidget* window = target->window();
    QWindow* handle = window->windowHandle();
    ReleaseMouseGrab();
    if (handle == nullptr)
        return;
    // Sent to the window, the press is routed as one from the window system: to the widget
    // under it (unless a modal window blocks it), which then also receives the release.
    const QPointF global = event->globalPosition();
    const QPointF local = window->mapFromGlobal(global);
    QMouseEvent press(event->type(), local, local, global, event->button(), event->buttons(),
        event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(handle, &press);
}

void BalloonTip::PostClose()
{
    if (closePosted_ || closing_)
        return;
    closePosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            closePosted_ = false;
            CloseBalloon();
        },
        Qt::QueuedConnection);
}

void BalloonTip::CloseBalloon()
{
    if (closing_)
        return;
    if (options_ & kBalloonDelayClose) {
        options_ &= ~kCloseBitsAndDelay;
        // No mouse bit is left to serve; a grab kept now would only swallow clicks.
        ReleaseMouseGrab();
        if (timeoutMs_ > 0)
            timer_->start(timeoutMs_);
        else
            CloseBalloon();
        return;
    }
    closing_ = true;
    timer_->stop();
    qApp->removeEventFilter(this);
    ReleaseMouseGrab();
    if ((options_ & kBalloonNoFadeOut) == 0 && isVisible()) {
        if (fade_ != nullptr)
            fade_->stop();
        fade_ = new QPropertyAnimation(this, "windowOpacity", this);
        fade_->setDuration(kBalloonFadeMs);
        fade_->setStartValue(windowOpacity());
        fade_->setEndValue(0.0);
        connect(fade_, &QPropertyAnimation::finished, this, &BalloonTip::Destroy);
        fade_->start();
        return;
    }
    Destroy();
}

void BalloonTip::Destroy()
{
    ReleaseMouseGrab();
    hide();
    if (options_ & kBalloonDeleteSelf)
        deleteLater();
}

bool BalloonTip::eventFilter(QObject* watched, QEvent* event)
{
    if (closing_)
        return false;
    if (const unsigned bit = CloseBitOf(event); bit != 0 && (options_ & bit)) {
        PostClose();
    } else if (event->type() == QEvent::MouseMove && (options_ & kBalloonCloseOnMouseMove)) {
        const QPoint moved =
            static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - cursorAtCreation_;
        if (std::abs(moved.x()) > kMoveThreshold || std::abs(moved.y()) > kMoveThreshold)
            PostClose();
    } else if (event->type() == QEvent::KeyPress && (options_ & kBalloonCloseOnKeyDown)) {
        PostClose();
    } else if (event->type() == QEvent::Move && watched == anchorWindow_) {
        // The balloon travels with the window it was launched for.
        const QPoint now = anchorWindow_->pos();
        anchor_ += now - anchorWindowPos_;
        anchorWindowPos_ = now;
        Layout();
    }
    return false;
}

QRect BalloonTip::CloseButtonRect() const
{
    if ((options_ & kBalloonShowCloseButton) == 0)
        return {};
    const QRect& inner = geometry_.inner;
    return QRect(inner.right() - iconExtent_ + 1, inner.top(), iconExtent_, iconExtent_);
}

QRect BalloonTip::TitleRect() const
{
    const QRect& inner = geometry_.inner;
    const int left = inner.left() + iconExtent_ + kGap;
    const QRect close = CloseButtonRect();
    const int right = close.isNull() ? inner.right() : close.left() - kGap;
    return QRect(
        QPoint(left, inner.top()), QPoint(right, inner.top() + geometry_.headerHeight - 1));
}

QRect BalloonTip::ContentRect() const
{
    const QRect& inner = geometry_.inner;
    return QRect(
        QPoint(inner.left(), inner.top() + geometry_.headerHeight + kGap), inner.bottomRight());
}

void BalloonTip::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(geometry_.body).adjusted(0.5, 0.5, -0.5, -0.5),
        kCornerDiameter / 2.0, kCornerDiameter / 2.0);
    QPainterPath tail;
    tail.addPolygon(QPolygonF(geometry_.tail));
    tail.closeSubpath();
    outline = outline.united(tail);

    const QColor background = palette().color(QPalette::Window);
    const QColor text = palette().color(QPalette::WindowText);
    painter.fillPath(outline, background);
    if (options_ & kBalloonInnerShadow) {
        painter.strokePath(outline, QPen(background.darker(133), 4));
        painter.strokePath(outline, QPen(background.lighter(133), 2));
    }
    painter.strokePath(outline, QPen(text, 1));

    const QRect& inner = geometry_.inner;
    const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this);
    icon.paint(&painter, QRect(inner.topLeft(), QSize(iconExtent_, iconExtent_)));

    if (const QRect close = CloseButtonRect(); !close.isNull()) {
        if (closeButtonDown_)
            painter.fillRect(close, background.darker(120));
        style()
            ->standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, this)
            .paint(
                &painter, close, Qt::AlignCenter, closeButtonDown_ ? QIcon::Active : QIcon::Normal);
    }

    painter.setPen(text);
    if (!title_.isEmpty()) {
        painter.setFont(titleFont_);
        painter.drawText(TitleRect(), Qt::AlignCenter | Qt::TextSingleLine, title_);
    }
    if (!content_.isEmpty()) {
        painter.setFont(contentFont_);
        painter.drawText(ContentRect(), Qt::TextWordWrap | Qt::TextExpandTabs, content_);
    }
}

void BalloonTip::mousePressEvent(QMouseEvent* event)
{
    if (grabbing_ && !rect().contains(event->position().toPoint())) {
        // Through the grab: a press on another window of the program goes on to it; one
        // outside the program is the balloon's (its release closes it by the bits).
        QWidget* target = QApplication::widgetAt(event->globalPosition().toPoint());
        if (target != nullptr && target->window() != this)
            HandOnPress(event, target);
        return;
    }
    if (event->button() == Qt::LeftButton &&
        CloseButtonRect().contains(event->position().toPoint())) {
        closeButtonDown_ = true;
        update();
    }
}

void BalloonTip::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (closeButtonDown_) {
        closeButtonDown_ = false;
        update();
        if (CloseButtonRect().contains(at))
            CloseBalloon();
        return;
    }
    if (!link_.isEmpty() && geometry_.body.contains(at)) {
        QDesktopServices::openUrl(QUrl::fromUserInput(link_));
        CloseBalloon();
    }
}

void LaunchBalloon(const QString& title, const QString& content, const QPoint& anchorGlobal,
    unsigned options, QWidget* parent, const QString& link, int timeoutMs)
{
    auto* balloon = new BalloonTip(
        title, content, anchorGlobal, options | kBalloonDeleteSelf, parent, link, timeoutMs);
    balloon->Show();
}

void ShowInputError(QWidget* control, const QString& title, const QString& content)
{
    if (control == nullptr)
        return;
    LaunchBalloon(title, content, control->mapToGlobal(control->rect().center()));
}

QList<BalloonTip*> OpenBalloons()
{
    QList<BalloonTip*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* balloon = qobject_cast<BalloonTip*>(w);
            balloon != nullptr && balloon->isVisible() && !balloon->IsClosing())
            open.append(balloon);
    }
    return open;
}

}  // namespace guivarna::widgets
