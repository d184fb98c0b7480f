#include "widgets/window_placement.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace guivarna::widgets {
namespace {

class WindowPlacementTest : public ::testing::Test {
protected:
    QString File() const { return dir_.filePath(QStringLiteral("placement.ini")); }

    QTemporaryDir dir_;
};

TEST(WindowPlacementSanity, RejectsEmptyInvertedAndHugeRectangles)
{
    struct Case {
        WindowPlacement placement;
        bool sane;
    };
    const Case cases[] = {
        {{0, 1, -1, -1, -1, -1, 100, 50, 900, 700}, true},
        {{0, 1, -1, -1, -1, -1, -300, -200, -100, -10}, true},
        {{0, 1, -1, -1, -1, -1, 100, 50, 100, 700}, false},  // no width
        {{0, 1, -1, -1, -1, -1, 100, 50, 900, 50}, false},  // no height
        {{0, 1, -1, -1, -1, -1, 900, 50, 100, 700}, false},  // right of left
        {{0, 1, -1, -1, -1, -1, 0, 0, 100001, 700}, false},  // too wide
        {{0, 1, -1, -1, -1, -1, 0, 0, 100000, 100000}, true},
        // Extremes that would overflow a 32-bit subtraction.
        {{0, 1, -1, -1, -1, -1, -2147483647 - 1, 0, 2147483647, 10}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSanePlacement(c.placement), c.sane)
            << c.placement.normalLeft << "," << c.placement.normalTop << ","
            << c.placement.normalRight << "," << c.placement.normalBottom;
    }
}

TEST_F(WindowPlacementTest, KeyWordIsGluedOntoTheMainWindowPrefix)
{
    EXPECT_EQ(PlacementBase(u"ChordWizard"), QStringLiteral("WindowPlacement\\FlagsChordWizard"));
    {
        settings::SettingsStore store(File());
        QDialog dialog;
        dialog.setGeometry(120, 80, 400, 300);
        SavePlacement(dialog, store, PlacementBase(u"ChordWizard"));
    }
    QSettings raw(File(), QSettings::IniFormat);
    const QString base = QStringLiteral("WindowPlacement/FlagsChordWizard/WindowPlacement/");
    EXPECT_EQ(raw.value(base + QStringLiteral("ShowCmd")).toInt(), kShowNormal);
    EXPECT_EQ(raw.value(base + QStringLiteral("NormalPosition/left")).toInt(), 120);
    EXPECT_EQ(raw.value(base + QStringLiteral("NormalPosition/top")).toInt(), 80);
    EXPECT_EQ(raw.value(base + QStringLiteral("NormalPosition/right")).toInt(), 520);
    EXPECT_EQ(raw.value(base + QStringLiteral("NormalPosition/bottom")).toInt(), 380);
    EXPECT_TRUE(raw.contains(base + QStringLiteral("Flags")));
    EXPECT_TRUE(raw.contains(base + QStringLiteral("MinPosition/x")));
    EXPECT_TRUE(raw.contains(base + QStringLiteral("MaxPosition/y")));
    // The main window's values are untouched.
    EXPECT_FALSE(raw.contains(QStringLiteral("WindowPlacement/Flags/WindowPlacement/Flags")));
}

TEST_F(WindowPlacementTest, WindowPlacementUsesTheTenValueLayout)
{
    const WindowPlacement placement{2, 3, -1, -1, -8, -31, 100, 50, 900, 700};
    {
        settings::SettingsStore store(File());
        WritePlacement(store, kMainWindowPlacement, placement);
        WritePlacement(store, u"WindowPlacement\\FlagsChordWizard", placement);
    }
    QSettings raw(File(), QSettings::IniFormat);
    const QString main = QStringLiteral("WindowPlacement/Flags/WindowPlacement/");
    EXPECT_EQ(raw.value(main + QStringLiteral("Flags")).toString(), QStringLiteral("2"));
    EXPECT_EQ(raw.value(main + QStringLiteral("ShowCmd")).toString(), QStringLiteral("3"));
    EXPECT_EQ(
        raw.value(main + QStringLiteral("MaxPosition/y")).toString(), QStringLiteral("4294967265"));
    EXPECT_EQ(
        raw.value(main + QStringLiteral("NormalPosition/top")).toString(), QStringLiteral("50"));
    EXPECT_EQ(raw.value(main + QStringLiteral("NormalPosition/bottom")).toString(),
        QStringLiteral("700"));
    EXPECT_TRUE(raw.contains(
        QStringLiteral("WindowPlacement/FlagsChordWizard/WindowPlacement/MinPosition/x")));

    settings::SettingsStore store(File());
    WindowPlacement read;
    EXPECT_TRUE(ReadPlacement(store, kMainWindowPlacement, read));
    EXPECT_EQ(read, placement);
}

TEST_F(WindowPlacementTest, IncompleteWindowPlacementReadsAsMissing)
{
    {
        settings::SettingsStore store(File());
        WritePlacement(store, kMainWindowPlacement, WindowPlacement{1, 1, 0, 0, 0, 0, 1, 2, 3, 4});
    }
    {
        QSettings raw(File(), QSettings::IniFormat);
        raw.remove(QStringLiteral("WindowPlacement/Flags/WindowPlacement/NormalPosition/right"));
    }
    settings::SettingsStore store(File());
    WindowPlacement read;
    EXPECT_FALSE(ReadPlacement(store, kMainWindowPlacement, read));
    EXPECT_EQ(read.flags, 1);
    EXPECT_EQ(read.normalBottom, 4);

    WindowPlacement untouched;
    EXPECT_FALSE(ReadPlacement(store, u"WindowPlacement\\FlagsNobody", untouched));
    EXPECT_EQ(untouched, WindowPlacement{});
}

TEST_F(WindowPlacementTest, RestoresOnlyACompleteAndSanePlacement)
{
    const QString base = PlacementBase(u"Test");
    {
        settings::SettingsStore store(File());
        WritePlacement(store, base, WindowPlacement{0, 1, -1, -1, -1, -1, 60, 70, 460, 370});
    }
    {
        settings::SettingsStore store(File());
        QDialog dialog;
        EXPECT_TRUE(RestorePlacement(dialog, store, base));
        EXPECT_EQ(dialog.geometry(), QRect(60, 70, 400, 300));
    }

    // Any one of the ten values missing leaves the window as it was.
    QSettings(File(), QSettings::IniFormat)
        .remove(QStringLiteral("WindowPlacement/FlagsTest/WindowPlacement/MaxPosition/x"));
    {
        settings::SettingsStore store(File());
        QDialog dialog;
        dialog.setGeometry(10, 20, 300, 200);
        EXPECT_FALSE(RestorePlacement(dialog, store, base));
        EXPECT_EQ(dialog.geometry(), QRect(10, 20, 300, 200));
    }

    // A corrupt rectangle is not applied either.
    {
        settings::SettingsStore store(File());
        WritePlacement(store, base, WindowPlacement{0, 1, -1, -1, -1, -1, 500, 70, 60, 370});
        QDialog dialog;
        dialog.setGeometry(10, 20, 300, 200);
        EXPECT_FALSE(RestorePlacement(dialog, store, base));
        EXPECT_EQ(dialog.geometry(), QRect(10, 20, 300, 200));
    }
}

TEST_F(WindowPlacementTest, WindowOnAVanishedScreenComesBackOnThePrimaryScreen)
{
    QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    const QRect far = primary->virtualGeometry().translated(50000, 50000);
    QDialog dialog;
    ASSERT_TRUE(ApplyPlacement(dialog,
        WindowPlacement{
            0, 1, -1, -1, -1, -1, far.left(), far.top(), far.left() + 300, far.top() + 200}));
    EXPECT_EQ(dialog.geometry(), QRect(primary->availableGeometry().topLeft(), QSize(300, 200)));
}

TEST_F(WindowPlacementTest, MaximisedStateRoundTrips)
{
    struct Case {
        WindowPlacement placement;
        bool maximised;
    };
    const Case cases[] = {
        {{0, kShowMaximized, -1, -1, -1, -1, 10, 10, 310, 210}, true},
        {{kRestoreToMaximized, kShowMinimized, -1, -1, -1, -1, 10, 10, 310, 210}, true},
        {{0, kShowMinimized, -1, -1, -1, -1, 10, 10, 310, 210}, false},
        {{0, kShowNormal, -1, -1, -1, -1, 10, 10, 310, 210}, false},
    };
    for (const Case& c : cases) {
        QWidget window;
        ASSERT_TRUE(ApplyPlacement(window, c.placement));
        EXPECT_EQ(window.windowState().testFlag(Qt::WindowMaximized), c.maximised)
            << c.placement.showCmd;
        EXPECT_EQ(CapturePlacement(window).normalRight, 310);
    }
}

}  // namespace
}  // namespace guivarna::widgets
