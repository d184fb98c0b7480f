#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/main_frame.h"
#include "app/program_objects.h"
#include "settings/settings_store.h"
#include "widgets/hyperlink_label.h"

#include "tests/support/url_catcher.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace guivarna {
namespace {

class MainFrameTest : public ::testing::Test {
protected:
    QString SettingsFile() const { return dir_.filePath(QStringLiteral("settings.ini")); }

    std::unique_ptr<MainFrame> MakeFrame()
    {
        store_ = std::make_unique<settings::SettingsStore>(SettingsFile());
        objects_ = std::make_unique<ProgramObjects>(*store_);
        return std::make_unique<MainFrame>(*objects_);
    }
    void CloseStore()
    {
        objects_.reset();
        store_.reset();
    }

    QTemporaryDir dir_;
    std::unique_ptr<settings::SettingsStore> store_;
    std::unique_ptr<ProgramObjects> objects_;
};

TEST_F(MainFrameTest, MenuBarCarriesTheMenusInOrder)
{
    auto frame = MakeFrame();
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles,
        (QStringList{QStringLiteral("&File"), QStringLiteral("&ChordBoard"),
            QStringLiteral("&ScaleBoard"), QStringLiteral("&View"), QStringLiteral("&Windows"),
            QStringLiteral("&Help")}));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Guivarna"));
}

// Every pop-up with its items in menu order: text, shortcut and whether it carries a check mark.
TEST_F(MainFrameTest, EveryMenuCarriesItsCommandsInOrder)
{
    struct Item {
        const char* text;
        const char* shortcut;
        bool checkable;
    };
    struct Menu {
        MenuId id;
        std::vector<Item> items;
    };
    const Menu menus[] = {
        {MenuId::File,
            {{"&Instrument...", "", false}, {"&Print...", "Ctrl+P", false},
                {"Print Pre&view...", "", false}, {"P&rint Setup...", "", false},
                {"E&xit", "", false}}},
        {MenuId::ChordBoard,
            {{"&Chord wizard", "Ctrl+Shift+W", false},
                {"Chord by name\u2026", "Ctrl+Shift+K", false}, {"Voicings", "Ctrl+Shift+V", false},
                {"Copy ChordBoard", "Ctrl+Shift+C", false},
                {"Save ChordBoard", "Ctrl+Shift+S", false}, {"Save list to textfile", "", false},
                {"Save as HTML", "", false}, {"Save all chords as images", "", false},
                {"Save all chords as html and images", "", false}, {"Set Dot Color", "", false},
                {"Name marked chord", "Ctrl+Shift+N", false}, {"Name chords as you mark", "", true},
                {"Play ChordBoard", "Ctrl+Shift+P", false}, {"Show fingers", "", true},
                {"Add ChordBoard to chord sheet", "Ctrl+Shift+D", false},
                {"Add to chord sheet", "Ctrl+Shift+A", false}}},
        {MenuId::ScaleBoard,
            {{"&Scale wizard", "Ctrl+W", false}, {"Scale by name\u2026", "Ctrl+Alt+K", false},
                {"Next position", "F8", false}, {"Previous position", "Shift+F8", false},
                {"Play position", "", false}, {"Add position to chord sheet", "", false},
                {"Add all positions to chord sheet", "", false},
                {"show current &arpeggio", "Ctrl+A", true},
                {"Select all occurences of a tone on click", "", true},
                {"Interval stacker", "Ctrl+I", false}, {"Copy ScaleBoard", "Ctrl+C", false},
                {"Save ScaleBoard", "Ctrl+S", false}, {"Save Scale-list", "", false},
                {"Clear board", "Ctrl+B", false}, {"Set Dot Color", "", false},
                {"Play ScaleBoard", "Ctrl+Alt+P", false}}},
        {MenuId::View,
            {{"Zoom &in", "Ctrl++", false}, {"Zoom &out", "Ctrl+-", false},
                {"&Actual size", "Ctrl+0", false}, {"Fit &width", "", false},
                {"Fit &page", "", false}}},
        {MenuId::Windows,
            {{"&Calculations window", "Alt+1", true}, {"Chord &sheet", "Alt+2", true}}},
        {MenuId::Help, {{"&Help Topics", "F1", false}, {"&About Guivarna...", "", false}}},
    };
    auto frame = MakeFrame();
    for (const Menu& menu : menus) {
        QList<QAction*> actions;
        for (QAction* a : frame->menu(menu.id)->actions())
            if (!a->isSeparator())
                actions << a;
        ASSERT_EQ(actions.size(), qsizetype(menu.items.size())) << int(menu.id);
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            const Item& item = menu.items[i];
            SCOPED_TRACE(item.text);
            EXPECT_EQ(actions[qsizetype(i)]->text(), QString::fromUtf8(item.text));
            EXPECT_EQ(
                actions[qsizetype(i)]->shortcut(), QKeySequence(QString::fromUtf8(item.shortcut)));
            EXPECT_EQ(actions[qsizetype(i)]->isCheckable(), item.checkable);
        }
    }
}

TEST_F(MainFrameTest, HelpMenuHoldsHelpTopicsAndAbout)
{
    auto frame = MakeFrame();
    QStringList texts;
    for (QAction* a : frame->menu(MenuId::Help)->actions())
        texts << a->text();
    EXPECT_EQ(
        texts, (QStringList{QStringLiteral("&Help Topics"), QStringLiteral("&About Guivarna...")}));
    EXPECT_EQ(frame->action(CommandId::AppExit)->text(), QStringLiteral("E&xit"));
}

TEST_F(MainFrameTest, FirstStartOpensMaximisedAndCloseWritesTheTenValues)
{
    {
        auto frame = MakeFrame();
        frame->show();
        EXPECT_TRUE(frame->windowState().testFlag(Qt::WindowMaximized));
        frame->close();
        frame.reset();
        CloseStore();
    }
    QSettings file(SettingsFile(), QSettings::IniFormat);
    const QString base = QStringLiteral("WindowPlacement/Flags/WindowPlacement/");
    for (const char* name : {"Flags", "ShowCmd", "MinPosition/x", "MinPosition/y", "MaxPosition/x",
             "MaxPosition/y", "NormalPosition/left", "NormalPosition/top", "NormalPosition/right",
             "NormalPosition/bottom"}) {
        EXPECT_TRUE(file.contains(base + QString::fromLatin1(name))) << name;
    }
    EXPECT_EQ(file.value(base + QStringLiteral("ShowCmd")).toInt(), 3);
}

TEST_F(MainFrameTest, NormalPlacementRoundTripsThroughTheSettings)
{
    widgets::WindowPlacement saved;
    {
        auto frame = MakeFrame();
        frame->setWindowState(Qt::WindowNoState);
        frame->setGeometry(40, 60, 700, 500);
        frame->show();
        saved = frame->CurrentPlacement();
        EXPECT_EQ(saved.showCmd, 1);
        EXPECT_EQ(saved.normalRight - saved.normalLeft, 700);
        EXPECT_EQ(saved.normalBottom - saved.normalTop, 500);
        frame->close();
        frame.reset();
        CloseStore();
    }
    auto frame = MakeFrame();
    frame->show();
    EXPECT_FALSE(frame->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(frame->CurrentPlacement(), saved);
}

TEST_F(MainFrameTest, AnyMissingPlacementValueOpensMaximised)
{
    for (const char* missing : {"Flags", "ShowCmd", "NormalPosition/bottom", "MaxPosition/y"}) {
        {
            settings::SettingsStore store(SettingsFile());
            widgets::WindowPlacement p;
            p.showCmd = 1;
            p.normalLeft = 10;
            p.normalTop = 20;
            p.normalRight = 610;
            p.normalBottom = 420;
            widgets::WritePlacement(store, widgets::kMainWindowPlacement, p);
        }
        {
            QSettings file(SettingsFile(), QSettings::IniFormat);
            file.remove(QStringLiteral("WindowPlacement/Flags/WindowPlacement/") +
                QString::fromLatin1(missing));
        }
        auto frame = MakeFrame();
        frame->show();
        EXPECT_TRUE(frame->windowState().testFlag(Qt::WindowMaximized)) << missing;
        frame.reset();
        CloseStore();
    }
}

TEST_F(MainFrameTest, CorruptPlacementRectangleOpensMaximised)
{
    {
        settings::SettingsStore store(SettingsFile());
        widgets::WindowPlacement p;
        p.showCmd = 1;
        p.normalLeft = 500;
        p.normalRight = 100;  // right of left edge is missing
        p.normalTop = 0;
        p.normalBottom = 300;
        widgets::WritePlacement(store, widgets::kMainWindowPlacement, p);
    }
    auto frame = MakeFrame();
    frame->show();
    EXPECT_TRUE(frame->windowState().testFlag(Qt::WindowMaximized));
}

TEST_F(MainFrameTest, AboutBoxShowsVersionAndAWorkingLink)
{
    test::UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Catch");
    auto frame = MakeFrame();
    frame->show();

    QString version;
    bool linkVisited = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About Guivarna"));
        version = dialog->findChild<QLabel*>(QStringLiteral("version"))->text();
        HyperlinkLabel* link = dialog->link();
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        linkVisited = link->visited();
        dialog->accept();
    });
    frame->action(CommandId::AppAbout)->trigger();

    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(version, QStringLiteral("Guivarna Version 1,0,3"));
    EXPECT_TRUE(linkVisited);
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls.front().scheme(), QStringLiteral("https"));
}

TEST_F(MainFrameTest, EnterClosesTheAboutBoxWithoutOpeningTheLink)
{
    test::UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Catch");
    auto frame = MakeFrame();
    frame->show();
    bool closedByEnter = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QWidget* focus = dialog->focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_NE(focus, dialog->link());
        QTest::keyClick(focus, Qt::Key_Return);
        closedByEnter = !dialog->isVisible();
        if (!closedByEnter)
            dialog->reject();
    });
    frame->action(CommandId::AppAbout)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_TRUE(closedByEnter);
    EXPECT_TRUE(catcher.urls.empty());
}

TEST_F(MainFrameTest, WithoutADesktopBrowserTheManualOpensInTheHelpWindow)
{
    auto frame = MakeFrame();
    frame->show();
    std::vector<QUrl> offered;
    frame->SetUrlOpener([&](const QUrl& url) {
        offered.push_back(url);
        return false;
    });
    frame->action(CommandId::HelpTopics)->trigger();
    ASSERT_EQ(offered.size(), 1u);
    HelpWindow* help = frame->Help();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Browser()->source(), offered.front());
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Guivarna user manual")));

    auto* back = help->findChild<QAction*>(QStringLiteral("helpBack"));
    auto* forward = help->findChild<QAction*>(QStringLiteral("helpForward"));
    EXPECT_FALSE(back->isEnabled());
    help->Browser()->setSource(QUrl(offered.front().toString() + QStringLiteral("#top")));
    EXPECT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_TRUE(forward->isEnabled());

    // A second F1 reuses the window.
    frame->action(CommandId::HelpTopics)->trigger();
    EXPECT_EQ(frame->Help(), help);
}

TEST_F(MainFrameTest, HelpTopicsOpensTheShippedManual)
{
    const QString manual = MainFrame::ManualPath();
    ASSERT_FALSE(manual.isEmpty()) << "manual.html is not beside the build tree";

    test::UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Catch");
    auto frame = MakeFrame();
    frame->show();
    frame->activateWindow();
    const bool active = QTest::qWaitForWindowActive(frame.get());
    frame->action(CommandId::HelpTopics)->trigger();
    QTest::keyClick(frame.get(), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    ASSERT_TRUE(active);
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls.front().toLocalFile(), manual);
    EXPECT_EQ(catcher.urls.back().toLocalFile(), manual);
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Guivarna user manual"));
}

}  // namespace
}  // namespace guivarna
