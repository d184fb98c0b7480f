#include "sheet/sheet_export.h"
#include "sheet/sheet_file.h"
#include "tests/support/pdf_pages.h"
#include "theory/formats/chord_pro.h"
#include "theory/notes/instrument_limits.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace guivarna::sheet {
namespace {

theory::ChordShape Shape(const std::vector<int>& highFirst, const std::string& name)
{
    const std::vector<int> tuning(
        theory::kStandardTuningNotes.begin(), theory::kStandardTuningNotes.end());
    return theory::ShapeFromFrets(highFirst, tuning, name);
}

class SheetExportTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
};

TEST_F(SheetExportTest, SvgIsXmlWithOneDotPerFrettedString)
{
    // C: 3 fretted and 2 open strings; F: 6 fretted; B: 5 fretted. Open strings are rings.
    const SheetLayout layout(QStringLiteral("Three & more"),
        {Shape({0, 1, 0, 2, 3, -1}, "C"), Shape({1, 1, 2, 3, 3, 1}, "F"),
            Shape({2, 4, 4, 4, 2, -1}, "B")},
        {});
    ASSERT_EQ(ExportSheetSvg(Path("sheet.svg"), {layout, 0, {}}), QString());
    QFile file(Path("sheet.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int circles = 0;
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("circle"))
            ++circles;
        else if (xml.name() == QLatin1String("text"))
            texts << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(circles, 3 + 2 + 6 + 5);
    EXPECT_TRUE(texts.contains(QStringLiteral("Three & more")));
    EXPECT_TRUE(texts.contains(QStringLiteral("F")));
}

TEST_F(SheetExportTest, PdfPagesFollowThePaper)
{
    const std::vector<theory::ChordShape> sixty(60, Shape({0, 1, 0, 2, 3, -1}, "C"));
    const SheetLayout layout(QStringLiteral("Sixty"), sixty, {});
    struct Case {
        int perRow;
        SheetPaper paper;
        int pages;
    };
    // A4 with 10 mm margins holds 3 diagrams a row, 5 rows (the title takes room on page 1
    // only and still leaves 5); 6 a row shrink the diagrams to fit the width.
    const std::vector<Case> cases = {
        {0, {}, 4},
        {1, {}, 12},
        {6, {}, 2},
        {0, {QSizeF(297, 210), QMarginsF(10, 10, 10, 10)}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.perRow);
        const SheetPrint print{layout, c.perRow, c.paper};
        EXPECT_EQ(SheetPageCount(print), c.pages);
        ASSERT_EQ(ExportSheetPdf(Path("sheet.pdf"), print), QString());
        const test::PdfPages pdf = test::ReadPdfPages(Path("sheet.pdf"));
        EXPECT_EQ(pdf.count, c.pages);
        EXPECT_NEAR(pdf.firstPageSize.width(), c.paper.pageMm.width() / 25.4 * 72, 1.0);
    }
}

TEST_F(SheetExportTest, PngFollowsTheResolution)
{
    const SheetLayout layout(QString(), {Shape({0, 1, 0, 2, 3, -1}, "C")}, {});
    ASSERT_EQ(ExportSheetPng(Path("a.png"), {layout, 0, {}}, 100), QString());
    ASSERT_EQ(ExportSheetPng(Path("b.png"), {layout, 0, {}}, 300), QString());
    const QImage a(Path("a.png"));
    const QImage b(Path("b.png"));
    EXPECT_NEAR(double(b.width()) / a.width(), 3.0, 0.05);
    EXPECT_NEAR(b.dotsPerMeterX() * 0.0254, 300.0, 0.5);
    EXPECT_FALSE(ExportSheetPng(Path("c.png"), {layout, 0, {}}, 5000).isEmpty());
    // 2000 diagrams in one column at the highest resolution: refused, not allocated.
    const SheetLayout tall(QString(), std::vector(2000, Shape({0, 1, 0, 2, 3, -1}, "C")), {});
    EXPECT_TRUE(ExportSheetPng(Path("c.png"), {tall, 1, {}}, kMaxPngDpi).contains(u"too large"));
    EXPECT_FALSE(QFile::exists(Path("c.png")));
}

TEST_F(SheetExportTest, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    const SheetLayout layout(QString(), {Shape({0, 1, 0, 2, 3, -1}, "C")}, {});
    const QString missing = Path("no/such/folder/sheet.svg");
    const QString message = ExportSheetSvg(missing, {layout, 0, {}});
    EXPECT_TRUE(message.contains(missing)) << message.toStdString();
    // Opening a sheet that is no file names it; a sheet saved over an old one replaces it whole.
    EXPECT_FALSE(OpenSheetFile(Path("none.cho")).failure.isEmpty());
    QFile old(Path("sheet.cho"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    ASSERT_EQ(
        SaveSheetFile(Path("sheet.cho"), QStringLiteral("T"), {Shape({0, 1, 0, 2, 3, -1}, "C")}),
        QString());
    const OpenedSheet opened = OpenSheetFile(Path("sheet.cho"));
    EXPECT_TRUE(opened.sheet.errors.empty());
    ASSERT_EQ(opened.sheet.chords.size(), 1u);
    EXPECT_EQ(opened.sheet.title, "T");
}

}  // namespace
}  // namespace guivarna::sheet
