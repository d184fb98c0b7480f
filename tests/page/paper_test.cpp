#include "page/page_painter.h"
#include "page/paper.h"

#include "settings/settings_store.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace guivarna::page {
namespace {

class PaperTest : public ::testing::Test {
protected:
    QString File() const { return dir_.filePath(QStringLiteral("settings.ini")); }

    QTemporaryDir dir_;
};

TEST_F(PaperTest, FirstStartGivesAnUnstoredA4Sheet)
{
    settings::SettingsStore store(File());
    Paper paper;
    paper.Load(store);

    EXPECT_FALSE(paper.Stored());
    EXPECT_EQ(paper.Width(), 2100);
    EXPECT_EQ(paper.Height(), 2970);
    EXPECT_EQ(paper.PrintableOffset(), QPoint(10, 10));
    EXPECT_EQ(paper.PrintableSize(), QSize(2080, 2950));
    EXPECT_EQ(paper.Background(), 0xFFFFFFFFU);
    EXPECT_EQ(paper.BorderColour(), 0xFF000000U);
    EXPECT_FLOAT_EQ(paper.BorderWidth(), 1.0F);
}

TEST_F(PaperTest, EveryValueRoundTripsThroughTheSettings)
{
    {
        settings::SettingsStore store(File());
        Paper paper;
        paper.SetPosition(120, 25);
        paper.SetSize(2970, 2100);
        paper.SetPageOffset(42, -37);
        paper.SetPrintableSize(2900, 2010);
        paper.SetBackground(0x01FE7F80);
        paper.SetBorderColour(0x80112233);
        paper.SetBorderWidth(2.5F);
        paper.Save(store);
    }
    settings::SettingsStore store(File());
    Paper paper;
    paper.Load(store);
    EXPECT_TRUE(paper.Stored());
    EXPECT_EQ(paper.Position(), QPoint(120, 25));
    EXPECT_EQ(paper.Width(), 2970);
    EXPECT_EQ(paper.Height(), 2100);
    EXPECT_EQ(paper.PageOffset(), QPoint(42, -37));
    EXPECT_EQ(paper.PrintableOffset(), QPoint(42, 37));
    EXPECT_EQ(paper.PrintableSize(), QSize(2900, 2010));
    EXPECT_EQ(paper.Background(), 0x01FE7F80U);
    EXPECT_EQ(paper.BorderColour(), 0x80112233U);
    EXPECT_FLOAT_EQ(paper.BorderWidth(), 2.5F);
}

TEST_F(PaperTest, StoredValuesUseTheirKeys)
{
    {
        QSettings file(File(), QSettings::IniFormat);
        file.setValue(QStringLiteral("Paper/X"), 0);
        file.setValue(QStringLiteral("Paper/Border"), 25);
        file.setValue(QStringLiteral("Paper/BgColor/R"), 300);  // only the low byte counts
        file.setValue(QStringLiteral("Paper/pageSizeW"), 1999);
    }
    settings::SettingsStore store(File());
    Paper paper;
    paper.Load(store);
    EXPECT_TRUE(paper.Stored());
    EXPECT_FLOAT_EQ(paper.BorderWidth(), 2.5F);
    EXPECT_EQ(paper.Background(), 0xFF2CFFFFU);
    EXPECT_EQ(paper.PrintableSize(), QSize(1999, 2950));
}

TEST_F(PaperTest, StoredBorderValuesSurviveLoadAndSave)
{
    // Widths read as value x 0.1 are not exact in binary (0.7f x 10 = 6.99...).
    for (const int border : {0, 1, 7, 10, 14, 19, 25, 33, 999, 1000}) {
        SCOPED_TRACE(border);
        {
            QSettings file(File(), QSettings::IniFormat);
            file.setValue(QStringLiteral("Paper/Border"), border);
        }
        for (int round = 0; round < 2; ++round) {
            settings::SettingsStore store(File());
            Paper paper;
            paper.Load(store);
            paper.Save(store);
        }
        QSettings file(File(), QSettings::IniFormat);
        EXPECT_EQ(file.value(QStringLiteral("Paper/Border")).toInt(), border);
    }
}

TEST_F(PaperTest, CorruptValuesFallBackToTheirDefaults)
{
    {
        QSettings file(File(), QSettings::IniFormat);
        file.setValue(QStringLiteral("Paper/X"), 10);
        file.setValue(QStringLiteral("Paper/Width"), 0);
        file.setValue(QStringLiteral("Paper/Height"), QStringLiteral("tall"));
        file.setValue(QStringLiteral("Paper/Border"), 4000000000U);
        file.setValue(QStringLiteral("Paper/pageSizeH"), -5);
        file.setValue(QStringLiteral("Paper/pageOffsetX"), 2000000000);
    }
    settings::SettingsStore store(File());
    Paper paper;
    paper.Load(store);
    EXPECT_EQ(paper.Width(), 2100);
    EXPECT_EQ(paper.Height(), 2970);
    EXPECT_FLOAT_EQ(paper.BorderWidth(), 1.0F);
    EXPECT_EQ(paper.PrintableSize(), QSize(2080, 2950));
    EXPECT_EQ(paper.PrintableOffset(), QPoint(10, 10));
}

TEST_F(PaperTest, PageLayoutGivesSheetAndPrintableArea)
{
    Paper paper;
    const QPageLayout landscape(QPageSize(QPageSize::A4), QPageLayout::Landscape,
        QMarginsF(5, 4, 3, 2), QPageLayout::Millimeter);
    paper.SizeFromPageLayout(landscape);
    EXPECT_EQ(paper.Width(), 2970);
    EXPECT_EQ(paper.Height(), 2100);
    EXPECT_EQ(paper.PrintableOffset(), QPoint(50, 40));
    EXPECT_EQ(paper.PrintableSize(), QSize(2970 - 80, 2100 - 60));
}

TEST_F(PaperTest, DrawsWhiteSheetBlackBorderAndGreyDashedPrintableArea)
{
    Paper paper;
    paper.SetPosition(100, 100);
    paper.SetSize(1000, 800);
    paper.SetPageOffset(100, 100);
    paper.SetPrintableSize(800, 600);

    QImage image(600, 500, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);  // 96 dpi: 1 scene unit = 0.378 px
    image.setDotsPerMeterY(3780);
    image.fill(Qt::blue);
    {
        QPainter painter(&image);
        DrawPaper(painter, board::DeviceMapping::ForDevice(image), paper, paper.Position());
    }
    const board::DeviceMapping m(96.0);
    const QPointF sheetTopLeft = m.SceneToDevice(QPointF(100, 100));
    const QPointF printableTopLeft = m.SceneToDevice(QPointF(200, 200));
    // Inside the sheet, away from every line: white.
    EXPECT_EQ(image.pixelColor(m.SceneToDevice(QPointF(150, 600)).toPoint()), QColor(Qt::white));
    // Outside the sheet: untouched.
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::blue));
    // The left border is dark.
    const QColor border = image.pixelColor(int(sheetTopLeft.x()), 250);
    EXPECT_LT(border.lightness(), 160);
    // The printable area's left edge carries light grey dashes somewhere along it.
    int grey = 0;
    for (int y = int(printableTopLeft.y()) + 2; y < int(printableTopLeft.y()) + 100; ++y) {
        const QColor c = image.pixelColor(int(printableTopLeft.x() + 0.5), y);
        if (c != QColor(Qt::white) && c.red() > 150 && qAbs(c.red() - c.blue()) < 10)
            ++grey;
    }
    EXPECT_GT(grey, 10);
    EXPECT_LT(grey, 98);  // dashed, not solid
}

// The page offset is the printable area's corner as an absolute distance from the sheet's corner,
// whatever the sign it was stored with (a printer's offset in y can come out negative).
TEST_F(PaperTest, PrintableAreaIsDrawnAtTheAbsolutePageOffset)
{
    auto render = [](QPoint offset) {
        Paper paper;
        paper.SetPosition(100, 100);
        paper.SetSize(1000, 800);
        paper.SetPageOffset(offset.x(), offset.y());
        paper.SetPrintableSize(800, 600);
        QImage image(600, 500, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::blue);
        QPainter painter(&image);
        DrawPaper(painter, board::DeviceMapping::ForDevice(image), paper, paper.Position());
        return image;
    };
    const QImage positive = render({100, 100});
    for (const QPoint offset : {QPoint(100, -100), QPoint(-100, 100), QPoint(-100, -100)}) {
        SCOPED_TRACE(offset.x());
        SCOPED_TRACE(offset.y());
        EXPECT_EQ(render(offset), positive);
    }
}

}  // namespace
}  // namespace guivarna::page
