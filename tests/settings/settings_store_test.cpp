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
        EXPECT_TRUE(store.WriteInt(u"\\Paper\\X", 2100));
        EXPECT_TRUE(store.WriteInt(u"\\FretBoards\\", 2));
        EXPECT_TRUE(store.WriteInt(u"Neg", -1));
        EXPECT_TRUE(store.WriteInt(u"Base\\Sub\\Name", 7));
    }
    SettingsStore store(Path());
    EXPECT_EQ(store.ReadInt(u"Paper\\\\X"), 2100);
    EXPECT_EQ(store.ReadInt(u"FretBoards\\"), 2);
    EXPECT_EQ(store.ReadInt(u"Neg"), -1);
    EXPECT_EQ(store.ReadInt(u"\\Base\\Sub\\Name"), 7);
    EXPECT_EQ(store.ReadInt(u"Base/Sub/Name"), 7);

    QSettings raw(Path(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("FretBoards/Default")).toString(), QStringLiteral("2"));
    EXPECT_EQ(raw.value(QStringLiteral("Paper/X")).toString(), QStringLiteral("2100"));
    // Negative values are stored as their unsigned 32 bits, the form old files hold.
    EXPECT_EQ(raw.value(QStringLiteral("Neg")).toString(), QStringLiteral("4294967295"));
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
        const std::optional<std::int32_t> v = store.ReadInt(c.path);
        EXPECT_EQ(v.has_value(), c.present) << QString::fromUtf16(c.path).toStdString();
        if (v) {
            EXPECT_EQ(static_cast<std::uint32_t>(*v), c.value)
                << QString::fromUtf16(c.path).toStdString();
        }
    }
}

TEST_F(SettingsStoreTest, WriteToUnwritableFileFailsWithoutCrashing)
{
    // A directory stands where the settings file should be: nothing can be written there.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Guivarna.conf")));
    SettingsStore store(Path());
    EXPECT_FALSE(store.WriteInt(u"\\Paper\\X", 1));
    EXPECT_FALSE(store.Sync());
    EXPECT_FALSE(store.ReadInt(u"\\Paper\\X"));
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
            EXPECT_FALSE(store.ReadInt(u"Values\\plain")) << c.name;
            EXPECT_FALSE(store.WriteInt(u"Values\\plain", 1)) << c.name;
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
