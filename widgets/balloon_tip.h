#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class QPropertyAnimation;
class QTimer;

namespace guivarna::widgets {

// Option bits of a balloon tip. The program itself passes kBalloonCloseOnLeftUp; LaunchBalloon
// always adds kBalloonDeleteSelf.
inline constexpr unsigned kBalloonCloseOnLeftUp = 0x0001;
inline constexpr unsigned kBalloonCloseOnMiddleUp = 0x0002;
inline constexpr unsigned kBalloonCloseOnRightUp = 0x0004;
inline constexpr unsigned kBalloonCloseOnLeftDown = 0x0008;
inline constexpr unsigned kBalloonCloseOnMiddleDown = 0x0010;
inline constexpr unsigned kBalloonCloseOnRightDown = 0x0020;
inline constexpr unsigned kBalloonCloseOnMouseMove = 0x0040;
inline constexpr unsigned kBalloonCloseOnKeyDown = 0x0080;
inline constexpr unsigned kBalloonCloseOnAnyMouse = 0x007F;
// The first close event only clears the close bits and starts the time-out.
inline constexpr unsigned kBalloonDelayClose = 0x0100;
inline constexpr unsigned kBalloonDeleteSelf = 0x0200;
inline constexpr unsigned kBalloonShowCloseButton = 0x0400;
inline constexpr unsigned kBalloonInnerShadow = 0x0800;
inline constexpr unsigned kBalloonTopMost = 0x1000;
inline constexpr unsigned kBalloonNoShadow = 0x2000;
inline constexpr unsigned kBalloonNoFadeIn = 0x4000;
inline constexpr unsigned kBalloonNoFadeOut = 0x8000;

inline constexpr int kBalloonTimeoutMs = 10000;
inline constexpr int kBalloonFadeMs = 200;

// Measured parts of a balloon, in pixels. A part that is absent has an empty size.
struct BalloonParts {
    QSize icon;
    QSize closeButton;  // empty without kBalloonShowCloseButton
    QSize title;  // one line in the bold font; empty for an empty title
    QSize content;  // word-wrapped; empty for an empty content
};

// Where a balloon goes: the window rectangle in screen coordinates, and in window coordinates
// its body (rounded rectangle), its tail (base, base, tip) and the area of title and content.
struct BalloonGeometry {
    QRect window;
    QRect body;
    QPolygon tail;
    QRect inner;
    int headerHeight = 0;
    bool tailOnTop = false;
    bool tailRight = false;

    QPoint Tip() const { return tail.point(2); }
};

// The size of title, icon, close button and content together (before margins and tail).
QSize BalloonInnerSize(const BalloonParts& parts);

// Lays a balloon of the given parts out for an anchor on a screen with the given available area:
// window = inner + 16 by inner + 36, the tail on the side facing the work area's centre and
// pointing at the anchor, the window shifted inside the work area.
BalloonGeometry LayoutBalloon(const BalloonParts& parts, QPoint anchor, const QRect& workArea);

// A self-closing pop-up with a rounded body and a pointed tail that shows an icon, a bold title
// and a message next to a point on the screen. Created only through LaunchBalloon; nobody keeps
// a pointer to it. Closing rules run through an application-wide event filter.
//
// With a close-on-button-up bit (0x0007) the balloon grabs the mouse while it is open, unless
// some other widget or popup holds it already, so that a click outside the program's windows
// reaches it and closes it too. A press the grab brings in over another window of the program
// is handed on to that window and the grab let go, so the click does what it would have done
// without the balloon (and closes the balloon by the bits as before).
class BalloonTip : public QWidget {
    Q_OBJECT

public:
    QString Title() const { return title_; }
    QString Content() const { return content_; }
    unsigned Options() const { return options_; }
    const BalloonGeometry& Geometry() const { return geometry_; }
    bool Fades() const { return (options_ & kBalloonNoFadeIn) == 0; }
    bool IsClosing() const { return closing_; }
    // Whether the balloon holds the mouse grab.
    bool HoldsMouse() const { return grabbing_; }

    // Closes the balloon by the rules of its options (fade-out, self-deletion, delayed close).
    void CloseBalloon();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend void LaunchBalloon(
        const QString&, const QString&, const QPoint&, unsigned, QWidget*, const QString&, int);

    BalloonTip(const QString& title, const QString& content, const QPoint& anchor, unsigned options,
        QWidget* anchorWindow, const QString& link, int timeoutMs);

    void Layout();
    void Show();
    void PostClose();
    void Destroy();
    void ReleaseMouseGrab();
    // Re-sends a press that came in through the grab to the program's window under it.
    void HandOnPress(QMouseEvent* event, QWidget* target);
    QRect CloseButtonRect() const;
    QRect TitleRect() const;
    QRect ContentRect() const;

    QString title_;
    QString content_;
    QPoint anchor_;
    unsigned options_;
    QWidget* anchorWindow_;
    QPoint anchorWindowPos_;
    QString link_;
    int timeoutMs_;
    int iconExtent_ = 16;
    QPoint cursorAtCreation_;
    QFont titleFont_;
    QFont contentFont_;
    BalloonGeometry geometry_;
    QTimer* timer_ = nullptr;
    QPropertyAnimation* fade_ = nullptr;
    bool closing_ = false;
    bool closePosted_ = false;
    bool closeButtonDown_ = false;
    bool grabbing_ = false;
};

// Shows a balloon tip with the error icon at anchorGlobal (screen coordinates). The balloon
// deletes itself when it closes; a timeoutMs of 0 means no time-out.
void LaunchBalloon(const QString& title, const QString& content, const QPoint& anchorGlobal,
    unsigned options = kBalloonCloseOnLeftUp, QWidget* parent = nullptr, const QString& link = {},
    int timeoutMs = kBalloonTimeoutMs);

// Reports invalid input at a control: a balloon at the centre of the control, as every input
// check of the program does.
void ShowInputError(QWidget* control, const QString& title, const QString& content);

// The balloons that are open right now, oldest first (for tests and for closing them at exit).
QList<BalloonTip*> OpenBalloons();

}  // namespace guivarna::widgets
