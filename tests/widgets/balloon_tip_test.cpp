#include "widgets/balloon_tip.h"

#include "tests/support/url_catcher.h"
#include "tests/support/widget_steps.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace guivarna::widgets {
namespace {

const QRect kScreen(0, 0, 1600, 1000);

// icon 16, title 80 x 14, content 200 x 30: inner 200 x 54, window 216 x 90, d = 49.
const BalloonParts kParts{QSize(16, 16), QSize(), QSize(80, 14), QSize(200, 30)};

struct LayoutCase {
    const char* name;
    BalloonParts parts;
    QPoint anchor;
    QRect window;
    bool tailOnTop;
    QPolygon tail;
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.name;
}

class BalloonLayoutTable : public ::testing::TestWithParam<LayoutCase> { };

TEST_P(BalloonLayoutTable, PlacesBodyTailAndTip)
{
    const LayoutCase& c = GetParam();
    const BalloonGeometry g = LayoutBalloon(c.parts, c.anchor, kScreen);
    EXPECT_EQ(g.window, c.window);
    EXPECT_EQ(g.tailOnTop, c.tailOnTop);
    EXPECT_EQ(g.tail, c.tail);
    EXPECT_TRUE(kScreen.contains(g.window));
    const int h = c.window.height();
    EXPECT_EQ(g.body,
        c.tailOnTop ? QRect(0, 20, c.window.width(), h - 20)
                    : QRect(0, 0, c.window.width(), h - 20));
}

INSTANTIATE_TEST_SUITE_P(Quadrants, BalloonLayoutTable,
    ::testing::Values(LayoutCase{"UpperLeft", kParts, QPoint(100, 100), QRect(51, 99, 216, 90),
                          true, QPolygon({QPoint(69, 21), QPoint(49, 21), QPoint(49, 1)})},
        LayoutCase{"UpperRight", kParts, QPoint(1200, 100), QRect(1033, 99, 216, 90), true,
            QPolygon({QPoint(147, 21), QPoint(167, 21), QPoint(167, 1)})},
        LayoutCase{"LowerLeft", kParts, QPoint(100, 900), QRect(51, 812, 216, 90), false,
            QPolygon({QPoint(69, 68), QPoint(49, 68), QPoint(49, 88)})},
        LayoutCase{"LowerRight", kParts, QPoint(1200, 900), QRect(1033, 812, 216, 90), false,
            QPolygon({QPoint(147, 68), QPoint(167, 68), QPoint(167, 88)})},
        // Shifted left by 39: the tip moves right by as much and still meets the anchor.
        LayoutCase{"NearRightEdge", kParts, QPoint(1590, 100), QRect(1384, 99, 216, 90), true,
            QPolygon({QPoint(147, 21), QPoint(167, 21), QPoint(206, 1)})},
        // The tip cannot go past w - 8.
        LayoutCase{"OnRightEdge", kParts, QPoint(1599, 100), QRect(1384, 99, 216, 90), true,
            QPolygon({QPoint(147, 21), QPoint(167, 21), QPoint(208, 1)})},
        LayoutCase{"NearLeftEdge", kParts, QPoint(10, 900), QRect(0, 812, 216, 90), false,
            QPolygon({QPoint(69, 68), QPoint(49, 68), QPoint(10, 88)})},
        LayoutCase{"OnLeftEdge", kParts, QPoint(3, 100), QRect(0, 99, 216, 90), true,
            QPolygon({QPoint(69, 21), QPoint(49, 21), QPoint(8, 1)})},
        // Icon only: 32 x 60, d = 3; every x is clamped into 8..24.
        LayoutCase{"TinyLeft", BalloonParts{QSize(16, 16), QSize(), QSize(), QSize()},
            QPoint(100, 100), QRect(92, 99, 32, 60), true,
            QPolygon({QPoint(23, 21), QPoint(8, 21), QPoint(8, 1)})},
        LayoutCase{"TinyRight", BalloonParts{QSize(16, 16), QSize(), QSize(), QSize()},
            QPoint(1200, 100), QRect(1176, 99, 32, 60), true,
            QPolygon({QPoint(9, 21), QPoint(24, 21), QPoint(24, 1)})},
        // Too tall for the room below the anchor's half: pushed up into the work area.
        LayoutCase{"TallBalloon", BalloonParts{QSize(16, 16), QSize(), QSize(), QSize(100, 900)},
            QPoint(100, 400), QRect(76, 40, 116, 960), true,
            QPolygon({QPoint(44, 21), QPoint(24, 21), QPoint(24, 1)})}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(BalloonInnerSizeTest, EmptyPartsTakeNoRoom)
{
    struct Case {
        BalloonParts parts;
        QSize inner;
    };
    const Case cases[] = {
        {kParts, QSize(200, 54)},
        // No title: the header is the icon alone.
        {BalloonParts{QSize(16, 16), QSize(), QSize(), QSize(200, 30)}, QSize(200, 54)},
        // A title wider than the content sets the width.
        {BalloonParts{QSize(16, 16), QSize(), QSize(300, 14), QSize(100, 14)}, QSize(324, 38)},
        // No content: header plus the gap.
        {BalloonParts{QSize(16, 16), QSize(), QSize(80, 14), QSize()}, QSize(104, 24)},
        // Close button between icon and title; its height counts for the header.
        {BalloonParts{QSize(16, 16), QSize(20, 20), QSize(80, 14), QSize()}, QSize(132, 28)},
        // Title taller than the icon.
        {BalloonParts{QSize(16, 16), QSize(), QSize(40, 22), QSize(10, 10)}, QSize(64, 40)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BalloonInnerSize(c.parts), c.inner) << c.inner.width() << "x" << c.inner.height();
}

class BalloonTipTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (BalloonTip* b : OpenBalloons())
            delete b;
    }

    // The one balloon that is open, or nullptr.
    static BalloonTip* OnlyBalloon()
    {
        const QList<BalloonTip*> open = OpenBalloons();
        return open.size() == 1 ? open.front() : nullptr;
    }

    static bool Gone(const QPointer<BalloonTip>& b)
    {
        return QTest::qWaitFor([&] { return b.isNull(); }, 3000);
    }

    // Delivers what the last input posted (a balloon closes through a queued call, then a
    // deferred delete) and tells whether the balloon is still open and not closing.
    static bool StillOpen(const QPointer<BalloonTip>& b)
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !b.isNull() && !b->IsClosing();
    }
};

TEST_F(BalloonTipTest, InputErrorPointsAtTheControlCentreAndClosesOnAClickElsewhere)
{
    QPushButton control(QStringLiteral("control"));
    QPushButton elsewhere(QStringLiteral("elsewhere"));
    control.setGeometry(40, 40, 100, 30);
    elsewhere.setGeometry(300, 300, 100, 30);
    control.show();
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));

    ShowInputError(&control, QStringLiteral("Lowest fret"), QStringLiteral("Too high."));
    QPointer<BalloonTip> balloon = OnlyBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->Title(), QStringLiteral("Lowest fret"));
    EXPECT_EQ(balloon->Content(), QStringLiteral("Too high."));
    EXPECT_EQ(balloon->Options(),
        kBalloonCloseOnLeftUp | kBalloonDeleteSelf |
            (balloon->Fades() ? 0u : kBalloonNoFadeIn | kBalloonNoFadeOut));
    const BalloonGeometry& g = balloon->Geometry();
    EXPECT_EQ(g.window.topLeft() + g.Tip(), control.mapToGlobal(control.rect().center()));
    EXPECT_TRUE(balloon->isVisible());

    // A right click does not close it, a left button release anywhere does.
    QTest::mouseClick(&elsewhere, Qt::RightButton);
    EXPECT_TRUE(StillOpen(balloon));
    QTest::mouseClick(&elsewhere, Qt::LeftButton);
    EXPECT_TRUE(Gone(balloon));
}

TEST_F(BalloonTipTest, ClosesOnAKeyOnlyWhenAsked)
{
    QPushButton target(QStringLiteral("target"));
    target.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));

    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50));
    QPointer<BalloonTip> clickOnly = OnlyBalloon();
    ASSERT_NE(clickOnly, nullptr);
    QTest::keyClick(&target, Qt::Key_A);
    EXPECT_TRUE(StillOpen(clickOnly));
    delete clickOnly.data();

    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50), kBalloonCloseOnKeyDown);
    QPointer<BalloonTip> keyClose = OnlyBalloon();
    ASSERT_NE(keyClose, nullptr);
    QTest::keyClick(&target, Qt::Key_A);
    EXPECT_TRUE(Gone(keyClose));
}

TEST_F(BalloonTipTest, TimesOutAndDeletesItself)
{
    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50), kBalloonCloseOnLeftUp,
        nullptr, {}, 30);
    QPointer<BalloonTip> balloon = OnlyBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(Gone(balloon));
}

TEST_F(BalloonTipTest, DelayedCloseWaitsForTheTimeOut)
{
    constexpr int kTimeoutMs = 10;
    QPushButton target(QStringLiteral("target"));
    target.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));
    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50),
        kBalloonCloseOnLeftUp | kBalloonCloseOnKeyDown | kBalloonDelayClose, nullptr, {},
        kTimeoutMs);
    QPointer<BalloonTip> balloon = OnlyBalloon();
    ASSERT_NE(balloon, nullptr);

    // No timer before the first close event; the click clears the close bits and starts it.
    test::WaitPast(kTimeoutMs);
    ASSERT_TRUE(StillOpen(balloon));
    QTest::mouseClick(&target, Qt::LeftButton);
    ASSERT_TRUE(StillOpen(balloon));
    EXPECT_EQ(balloon->Options() & (kBalloonCloseOnAnyMouse | kBalloonDelayClose), 0u);
    EXPECT_EQ(balloon->Options() & kBalloonCloseOnKeyDown, kBalloonCloseOnKeyDown);
    EXPECT_FALSE(balloon->HoldsMouse());
    EXPECT_TRUE(Gone(balloon));
}

TEST_F(BalloonTipTest, FadesOnlyWhenTheTooltipEffectsAreOn)
{
    const bool general = QApplication::isEffectEnabled(Qt::UI_General);
    const bool animate = QApplication::isEffectEnabled(Qt::UI_AnimateTooltip);
    const bool fade = QApplication::isEffectEnabled(Qt::UI_FadeTooltip);

    QApplication::setEffectEnabled(Qt::UI_General, true);
    QApplication::setEffectEnabled(Qt::UI_AnimateTooltip, true);
    QApplication::setEffectEnabled(Qt::UI_FadeTooltip, true);
    const bool effectsAvailable = QApplication::isEffectEnabled(Qt::UI_FadeTooltip);
    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50));
    BalloonTip* fading = OnlyBalloon();
    ASSERT_NE(fading, nullptr);
    EXPECT_EQ(fading->Fades(), effectsAvailable);
    delete fading;

    QApplication::setEffectEnabled(Qt::UI_FadeTooltip, false);
    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50));
    QPointer<BalloonTip> still = OnlyBalloon();
    ASSERT_NE(still, nullptr);
    EXPECT_FALSE(still->Fades());
    EXPECT_EQ(still->Options() & kBalloonNoFadeOut, kBalloonNoFadeOut);
    // Without a fade-out the window is gone as soon as the close is handled.
    still->CloseBalloon();
    EXPECT_FALSE(still->isVisible());

    QApplication::setEffectEnabled(Qt::UI_FadeTooltip, fade);
    QApplication::setEffectEnabled(Qt::UI_AnimateTooltip, animate);
    QApplication::setEffectEnabled(Qt::UI_General, general);
}

TEST_F(BalloonTipTest, CloseButtonClosesIt)
{
    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50), kBalloonShowCloseButton,
        nullptr, {}, 0);
    QPointer<BalloonTip> balloon = OnlyBalloon();
    ASSERT_NE(balloon, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(balloon));
    const QRect& inner = balloon->Geometry().inner;
    const QPoint onClose(inner.right() - 4, inner.top() + 4);

    QTest::mouseClick(balloon, Qt::LeftButton, Qt::NoModifier, inner.center() + QPoint(0, 10));
    EXPECT_TRUE(StillOpen(balloon));
    QTest::mouseClick(balloon, Qt::LeftButton, Qt::NoModifier, onClose);
    EXPECT_TRUE(Gone(balloon));
}

TEST_F(BalloonTipTest, EachMouseBitClosesOnItsOwnButtonEdge)
{
    struct Case {
        unsigned options;
        Qt::MouseButton button;
        bool closes;
    };
    const Case cases[] = {
        {kBalloonCloseOnLeftUp, Qt::LeftButton, true},
        {kBalloonCloseOnLeftUp, Qt::RightButton, false},
        {kBalloonCloseOnMiddleUp, Qt::MiddleButton, true},
        {kBalloonCloseOnRightUp, Qt::RightButton, true},
        {kBalloonCloseOnLeftDown, Qt::LeftButton, true},
        {kBalloonCloseOnMiddleDown, Qt::LeftButton, false},
        {kBalloonCloseOnRightDown, Qt::RightButton, true},
        {kBalloonCloseOnKeyDown, Qt::LeftButton, false},
    };
    QPushButton target(QStringLiteral("target"));
    target.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));
    for (const Case& c : cases) {
        LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50), c.options);
        QPointer<BalloonTip> balloon = OnlyBalloon();
        ASSERT_NE(balloon, nullptr);
        // Press and release: a down bit must not wait for the release, nor an up bit fire early.
        QTest::mousePress(&target, c.button);
        const bool closedOnPress = !StillOpen(balloon);
        QTest::mouseRelease(&target, c.button);
        const bool closed = !StillOpen(balloon);
        EXPECT_EQ(closed, c.closes) << std::hex << c.options << " button " << c.button;
        EXPECT_EQ(closedOnPress, c.closes && (c.options & 0x0038) != 0) << std::hex << c.options;
        delete balloon.data();
    }
}

// Only the close-on-button-up bits take the mouse grab, and only when nobody holds it; closing
// lets it go.
TEST_F(BalloonTipTest, GrabsTheMouseForTheButtonUpBits)
{
    struct Case {
        unsigned options;
        bool grabs;
    };
    const Case cases[] = {
        {kBalloonCloseOnLeftUp, true},
        {kBalloonCloseOnMiddleUp, true},
        {kBalloonCloseOnRightUp, true},
        {kBalloonCloseOnLeftDown | kBalloonCloseOnKeyDown | kBalloonCloseOnMouseMove, false},
        {kBalloonShowCloseButton, false},
    };
    for (const Case& c : cases) {
        LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50), c.options);
        QPointer<BalloonTip> balloon = OnlyBalloon();
        ASSERT_NE(balloon, nullptr);
        EXPECT_EQ(balloon->HoldsMouse(), c.grabs) << std::hex << c.options;
        EXPECT_EQ(QWidget::mouseGrabber() == balloon, c.grabs) << std::hex << c.options;
        balloon->CloseBalloon();
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << std::hex << c.options;
        delete balloon.data();
    }

    QPushButton holder(QStringLiteral("holder"));
    holder.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
    holder.grabMouse();
    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(50, 50));
    QPointer<BalloonTip> balloon = OnlyBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_FALSE(balloon->HoldsMouse());
    EXPECT_EQ(QWidget::mouseGrabber(), &holder);
    holder.releaseMouse();
}

// Records the mouse buttons it is pressed and released with.
class PressRecorder : public QWidget {
public:
    std::vector<std::pair<QEvent::Type, Qt::MouseButton>> events;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        events.emplace_back(event->type(), event->button());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        events.emplace_back(event->type(), event->button());
    }
};

// A click that the window system delivers while the balloon holds the grab: outside the
// program it is the balloon's, and its left release closes it; on another window of the
// program it still reaches the widget under it, and closes the balloon only by the bits.
TEST_F(BalloonTipTest, AClickThroughTheGrabClosesItAndStillReachesTheProgram)
{
    PressRecorder target;
    target.setGeometry(400, 300, 120, 60);
    target.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));
    QWindow* targetWindow = target.windowHandle();

    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(60, 60));
    QPointer<BalloonTip> outside = OnlyBalloon();
    ASSERT_NE(outside, nullptr);
    ASSERT_TRUE(outside->HoldsMouse());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(outside));
    // Far from every window of the program, as the grab reports such a click.
    const QPoint nowhere = outside->mapFromGlobal(QPoint(1200, 900));
    QTest::mousePress(outside->windowHandle(), Qt::LeftButton, {}, nowhere);
    EXPECT_TRUE(StillOpen(outside));
    QTest::mouseRelease(outside->windowHandle(), Qt::LeftButton, {}, nowhere);
    EXPECT_TRUE(Gone(outside));

    struct Case {
        Qt::MouseButton button;
        bool closes;
    };
    for (const Case c : {Case{Qt::LeftButton, true}, Case{Qt::RightButton, false}}) {
        target.events.clear();
        LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(60, 60));
        QPointer<BalloonTip> balloon = OnlyBalloon();
        ASSERT_NE(balloon, nullptr);
        ASSERT_TRUE(balloon->HoldsMouse());
        QTest::mouseClick(targetWindow, c.button, {}, QPoint(30, 20));
        const std::vector<std::pair<QEvent::Type, Qt::MouseButton>> expected = {
            {QEvent::MouseButtonPress, c.button}, {QEvent::MouseButtonRelease, c.button}};
        EXPECT_EQ(target.events, expected) << c.button;
        EXPECT_FALSE(balloon->HoldsMouse()) << c.button;
        if (c.closes)
            EXPECT_TRUE(Gone(balloon)) << c.button;
        else
            EXPECT_TRUE(StillOpen(balloon)) << c.button;
        delete balloon.data();
    }

    // Behind a modal dialog the window takes no click, with or without the balloon.
    QDialog dialog;
    dialog.setGeometry(700, 100, 200, 100);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    target.events.clear();
    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(60, 60));
    QPointer<BalloonTip> blocked = OnlyBalloon();
    ASSERT_NE(blocked, nullptr);
    ASSERT_TRUE(blocked->HoldsMouse());
    // As the grab reports it: to the balloon's window, at the target's place.
    const QPoint onTarget = blocked->mapFromGlobal(target.mapToGlobal(QPoint(30, 20)));
    QTest::mousePress(blocked->windowHandle(), Qt::LeftButton, {}, onTarget);
    EXPECT_TRUE(target.events.empty());
    QTest::mouseRelease(blocked->windowHandle(), Qt::LeftButton, {}, onTarget);
    EXPECT_TRUE(target.events.empty());
    EXPECT_TRUE(Gone(blocked));
}

TEST_F(BalloonTipTest, ClickOnTheContentOpensTheLink)
{
    test::UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Catch");
    LaunchBalloon(QStringLiteral("t"), QStringLiteral("More about frets"), QPoint(50, 50), 0,
        nullptr, QStringLiteral("https://guivarna.example.org/frets"), 0);
    QPointer<BalloonTip> balloon = OnlyBalloon();
    ASSERT_NE(balloon, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(balloon));
    QTest::mouseClick(balloon, Qt::LeftButton, Qt::NoModifier, balloon->Geometry().inner.center());
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls.front(), QUrl(QStringLiteral("https://guivarna.example.org/frets")));
    EXPECT_TRUE(Gone(balloon));
}

TEST_F(BalloonTipTest, FollowsTheWindowItWasLaunchedFor)
{
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    LaunchBalloon(QStringLiteral("t"), QStringLiteral("c"), QPoint(150, 150), kBalloonCloseOnLeftUp,
        &window, {}, 0);
    QPointer<BalloonTip> balloon = OnlyBalloon();
    ASSERT_NE(balloon, nullptr);
    const BalloonGeometry& g = balloon->Geometry();
    EXPECT_EQ(g.window.topLeft() + g.Tip(), QPoint(150, 150));

    window.move(window.pos() + QPoint(30, 20));
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.window.topLeft() + g.Tip() == QPoint(180, 170); }));
    EXPECT_EQ(balloon->geometry(), g.window);
}

}  // namespace
}  // namespace guivarna::widgets
