#include "settings/board_keys.h"
#include "settings/paper_keys.h"
#include "settings/setting.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace guivarna::settings {
namespace {

class SettingTest : public ::testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("Guivarna.conf")); }
    SettingsStore& Store()
    {
        if (!store_)
            store_ = std::make_unique<SettingsStore>(Path());
        return *store_;
    }
    void WriteRaw(const QByteArray& text)
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> store_;
};

TEST_F(SettingTest, BoundedValuesOutsideTheirRangeReadAsTheDefault)
{
    WriteRaw("[Row]\n"
             "NumberOfFrets=49\nFretWidth=0\nFretHeight=1000\n"
             "numSnares=25\nOffset\\X=-100000\nOffset\\Y=100001\nOrientation=-7\n");
    const QStringView base = u"Row\\";
    using namespace board_keys;
    struct Case {
        IntSetting setting;
        std::int32_t expected;
        bool valid;  // stored and in range
    };
    const Case cases[] = {
        {kNumberOfFrets, 49, true}, {kFretWidth, 80, false},  // below 1
        {kFretHeight, 1000, true}, {kNumSnares, 6, false},  // above 24
        {kOffsetX, -100000, true}, {kOffsetY, 0, false}, {kOrientation, -7, true},  // any number
        {kOpenSnare, 64, false},  // absent
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting.path.toString().toStdString());
        EXPECT_EQ(Read(Store(), c.setting, base), c.expected);
        EXPECT_EQ(ReadIfValid(Store(), c.setting, base).has_value(), c.valid);
    }
}

TEST_F(SettingTest, FlagsFollowTheirOwnReadingRule)
{
    WriteRaw("[A]\nIsChordBoard=2\nShowNotes=2\nStrings\\Default=0\n[B]\nShowNotes=1\n");
    using namespace board_keys;
    EXPECT_TRUE(Read(Store(), kIsChordBoard, u"A\\"));  // any non-zero
    EXPECT_FALSE(Read(Store(), kShowNotes, u"A\\"));  // only exactly 1
    EXPECT_TRUE(Read(Store(), kShowNotes, u"B\\"));
    EXPECT_FALSE(Read(Store(), kHasFretRow, u"A\\"));
    EXPECT_TRUE(Read(Store(), kHasFretRow, u"B\\"));  // absent: the default
    EXPECT_FALSE(Read(Store(), kLeftHanded));
}

TEST_F(SettingTest, ColoursAndWidthsRoundTripThroughTheirStoredForms)
{
    using namespace paper_keys;
    WriteRaw("[Paper]\nBgColor\\R=300\nBgColor\\B=text\n");
    // Red keeps its low byte (300 -> 44); blue is not a number and keeps the default's byte.
    EXPECT_EQ(Read(Store(), kBackground), 0xFF2CFFFFU);

    Write(Store(), kBorderColour, 0x80102030U);
    Write(Store(), kBorder, 2.9F);
    EXPECT_EQ(Read(Store(), kBorderColour), 0x80102030U);
    EXPECT_FLOAT_EQ(Read(Store(), kBorder), 2.9F);
    ASSERT_TRUE(Store().Sync());
    const QSettings raw(Path(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Paper/BdColor/A")).toInt(), 0x80);
    EXPECT_EQ(raw.value(QStringLiteral("Paper/Border")).toInt(), 29);
}

TEST_F(SettingTest, ABatchChecksWritabilityOnceAndNests)
{
    SettingsStore& store = Store();
    const std::uint64_t before = store.WritabilityChecks();
    {
        const SettingsStore::WriteBatch outer(store);
        for (int i = 0; i < 100; ++i)
            Write(store, paper_keys::kX, i);
        const SettingsStore::WriteBatch inner(store);
        Write(store, paper_keys::kY, 1);
    }
    EXPECT_EQ(store.WritabilityChecks() - before, 1U);
    Write(store, paper_keys::kY, 2);
    EXPECT_EQ(store.WritabilityChecks() - before, 2U);
    EXPECT_EQ(Read(store, paper_keys::kX), 99);
}

TEST_F(SettingTest, ABatchOnAStoreThatCannotBeWrittenWritesNothing)
{
    ASSERT_TRUE(QDir().mkpath(Path()));  // a directory where the file should be
    SettingsStore& store = Store();
    const SettingsStore::WriteBatch batch(store);
    EXPECT_FALSE(Write(store, paper_keys::kX, 5));
    EXPECT_EQ(Read(store, paper_keys::kX), 0);
}

}  // namespace
}  // namespace guivarna::settings
