#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using guivarna::settings::SettingsStore;
using guivarna::settings::WindowPlacement;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("Guivarna.conf")); }

    // Writes raw INI text, as a user editing the file would.
    void WriteRaw(const QByteArray& text)
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir dir_;
};

TEST(SettingsPathTest, SplitValuePathSeparatesKeyAndValueName)
{
    struct Case {
        QString path;
        QString key;
        QString name;
    };
    const Case cases[] = {
        {QStringLiteral("\\FretBoards\\FretBoard0\\Offset\\X"),
            QStringLiteral("Software\\KOVA\\Guivarna\\FretBoards\\FretBoard0\\Offset"),
            QStringLiteral("X")},
        {QStringLiteral("\\FretBoards\\"), QStringLiteral("Software\\KOVA\\Guivarna\\FretBoards"),
            QString()},
        {QStringLiteral("Frets\\\\Line\\Border"),
            QStringLiteral("Software\\KOVA\\Guivarna\\Frets\\Line"), QStringLiteral("Border")},
        {QStringLiteral("Flags"), QStringLiteral("Software\\KOVA\\Guivarna"),
            QStringLiteral("Flags")},
        {QString(), QStringLiteral("Software\\KOVA\\Guivarna"), QString()},
    };
    for (const Case& c : cases) {
        const auto split = SettingsStore::SplitValuePath(c.path);
        EXPECT_EQ(split.keyPath, c.key) << c.path.toStdString();
        EXPECT_EQ(split.valueName, c.name) << c.path.toStdString();
    }
}

TEST(SettingsPathTest, SettingsKeyCollapsesSeparatorsAndNamesDefaultValues)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("\\FretBoards\\"), QStringLiteral("FretBoards/Default")},
        {QStringLiteral("\\FretBoards\\FretBoard1\\Strings\\"),
            QStringLiteral("FretBoards/FretBoard1/Strings/Default")},
        {QStringLiteral("A\\Frets\\\\Line\\Color\\A"), QStringLiteral("A/Frets/Line/Color/A")},
        {QStringLiteral("A\\Frets\\Line\\Color\\A"), QStringLiteral("A/Frets/Line/Color/A")},
        {QStringLiteral("\\\\X\\\\\\Y"), QStringLiteral("X/Y")},
        {QStringLiteral("\\"), QStringLiteral("Default")},
    };
    for (const auto& [path, key] : cases)
        EXPECT_EQ(SettingsStore::SettingsKey(path), key) << path.toStdString();
}

TEST_F(SettingsStoreTest, WrittenValuesReadBackThroughEquivalentPaths)
{
    {
        SettingsStore store(Path());
        EXPECT_TRUE(store.WriteSettingDword(u"\\Paper\\X", 2100));
        EXPECT_TRUE(store.WriteSettingDword(u"\\FretBoards\\", 2));
        EXPECT_TRUE(store.WriteSettingDword(u"Big", 0xFFFFFFFFu));
        EXPECT_TRUE(store.WriteInt(u"Neg", -1));
        EXPECT_TRUE(store.WriteSettingByName(u"Base\\Sub", u"Name", 7));
    }
    SettingsStore store(Path());
    std::uint32_t v = 0;
    EXPECT_TRUE(store.ReadSettingDword(u"Paper\\\\X", v));
    EXPECT_EQ(v, 2100u);
    EXPECT_TRUE(store.ReadSettingDword(u"FretBoards\\", v));
    EXPECT_EQ(v, 2u);
    EXPECT_TRUE(store.ReadSettingDword(u"Big", v));
    EXPECT_EQ(v, 0xFFFFFFFFu);
    EXPECT_EQ(store.ReadInt(u"Neg"), -1);
    EXPECT_EQ(store.ReadInt(u"Big"), -1);
    EXPECT_TRUE(store.ReadSettingByName(u"Base\\Sub", u"Name", v));
    EXPECT_EQ(v, 7u);
    EXPECT_TRUE(store.ReadSettingDword(u"\\Base\\Sub\\Name", v));

    QSettings raw(Path(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("FretBoards/Default")).toString(), QStringLiteral("2"));
    EXPECT_EQ(raw.value(QStringLiteral("Paper/X")).toString(), QStringLiteral("2100"));
}

TEST_F(SettingsStoreTest, OnlyThirtyTwoBitIntegersReadAsPresent)
{
    WriteRaw("[Values]\n"
             "plain=42\n"
             "negative=-2147483648\n"
             "max=4294967295\n"
             "toolarge=4294967296\n"
             "toosmall=-2147483649\n"
             "text=abc\n"
             "fraction=1.5\n"
             "hex=0x10\n"
             "list=1, 2\n"
             "empty=\n"
             "huge=123456789012345678901234567890\n"
             "quoted=\"17\"\n");
    SettingsStore store(Path());
    struct Case {
        const char16_t* path;
        bool present;
        std::uint32_t value;
    };
    const Case cases[] = {
        {u"Values\\plain", true, 42u},
        {u"Values\\negative", true, 0x80000000u},
        {u"Values\\max", true, 0xFFFFFFFFu},
        {u"Values\\toolarge", false, 0},
        {u"Values\\toosmall", false, 0},
        {u"Values\\text", false, 0},
        {u"Values\\fraction", false, 0},
        {u"Values\\hex", false, 0},
        {u"Values\\list", false, 0},
        {u"Values\\empty", false, 0},
        {u"Values\\huge", false, 0},
        {u"Values\\quoted", true, 17u},
        {u"Values\\missing", false, 0},
    };
    for (const Case& c : cases) {
        std::uint32_t v = 12345;
        EXPECT_EQ(store.ReadSettingDword(c.path, v), c.present)
            << QString::fromUtf16(c.path).toStdString();
        EXPECT_EQ(v, c.present ? c.value : 12345u) << QString::fromUtf16(c.path).toStdString();
    }
}

TEST_F(SettingsStoreTest, WindowPlacementUsesTheTenValueLayout)
{
    const WindowPlacement placement{2, 3, -1, -1, -8, -31, 100, 50, 900, 700};
    {
        SettingsStore store(Path());
        EXPECT_TRUE(
            store.WriteWindowPlacement(guivarna::settings::kMainWindowPlacement, placement));
        EXPECT_TRUE(store.WriteWindowPlacement(u"WindowPlacement\\FlagsChordWizard", placement));
    }
    QSettings raw(Path(), QSettings::IniFormat);
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

    SettingsStore store(Path());
    WindowPlacement read;
    EXPECT_TRUE(store.ReadWindowPlacement(guivarna::settings::kMainWindowPlacement, read));
    EXPECT_EQ(read, placement);
}

TEST_F(SettingsStoreTest, IncompleteWindowPlacementReadsAsMissing)
{
    {
        SettingsStore store(Path());
        store.WriteWindowPlacement(guivarna::settings::kMainWindowPlacement,
            WindowPlacement{1, 1, 0, 0, 0, 0, 1, 2, 3, 4});
    }
    {
        QSettings raw(Path(), QSettings::IniFormat);
        raw.remove(QStringLiteral("WindowPlacement/Flags/WindowPlacement/NormalPosition/right"));
    }
    SettingsStore store(Path());
    WindowPlacement read;
    EXPECT_FALSE(store.ReadWindowPlacement(guivarna::settings::kMainWindowPlacement, read));
    EXPECT_EQ(read.flags, 1);
    EXPECT_EQ(read.normalBottom, 4);

    WindowPlacement untouched;
    EXPECT_FALSE(store.ReadWindowPlacement(u"WindowPlacement\\FlagsNobody", untouched));
    EXPECT_EQ(untouched, WindowPlacement{});
}

TEST_F(SettingsStoreTest, WriteToUnwritableFileFailsWithoutCrashing)
{
    // A directory stands where the settings file should be: nothing can be written there.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Guivarna.conf")));
    SettingsStore store(Path());
    EXPECT_FALSE(store.WriteSettingDword(u"\\Paper\\X", 1));
    EXPECT_FALSE(store.Sync());
    std::uint32_t v = 0;
    EXPECT_FALSE(store.ReadSettingDword(u"\\Paper\\X", v));
}

// Something that is not a sane settings file stands at the path: the store must neither block on
// it nor read it into memory, and must leave it as it is.
TEST_F(SettingsStoreTest, NonRegularOrOversizedFileIsLeftAlone)
{
    struct Case {
        const char* name;
        std::function<bool(const QString&)> make;
    };
    const Case cases[] = {
        {"directory", [](const QString& path) { return QDir().mkdir(path); }},
        {"oversized file",
            [](const QString& path) {
                QFile file(path);
                return file.open(QIODevice::WriteOnly) && file.write("[Values]\nplain=42\n") > 0 &&
                    file.resize(1024 * 1024 + 1);
            }},
#ifdef Q_OS_UNIX
        {"fifo",
            [](const QString& path) {
                return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
            }},
#endif
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Guivarna.conf"));
        ASSERT_TRUE(c.make(path)) << c.name;
        const QFileInfo before(path);
        {
            SettingsStore store(path);
            std::uint32_t v = 7;
            EXPECT_FALSE(store.ReadSettingDword(u"Values\\plain", v)) << c.name;
            EXPECT_EQ(v, 7u) << c.name;
            EXPECT_FALSE(store.WriteSettingDword(u"Values\\plain", 1)) << c.name;
            EXPECT_FALSE(store.Sync()) << c.name;
            EXPECT_EQ(store.FileName(), path) << c.name;
        }
        const QFileInfo after(path);
        EXPECT_EQ(after.size(), before.size()) << c.name;
        EXPECT_EQ(after.isFile(), before.isFile()) << c.name;
        EXPECT_EQ(after.isDir(), before.isDir()) << c.name;
    }
}

TEST(SettingsStoreDefaultTest, OpensThePerUserSettingsOfKovaGuivarna)
{
    // The test main switches QStandardPaths to test mode, so this is not the user's real file.
    const SettingsStore store;
    EXPECT_TRUE(store.FileName().endsWith(QStringLiteral("KOVA/Guivarna.conf")) &&
        store.FileName().contains(QStringLiteral(".qttest")))
        << store.FileName().toStdString();
}

}  // namespace
