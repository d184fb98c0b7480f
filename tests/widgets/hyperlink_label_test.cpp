#include "widgets/hyperlink_label.h"

#include "tests/support/url_catcher.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace guivarna {
namespace {

class HyperlinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher_, "Catch");
    }
    void TearDown() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    test::UrlCatcher catcher_;
};

TEST_F(HyperlinkLabelTest, ClickOpensTheTargetAndMarksTheLinkVisited)
{
    const QUrl target(QStringLiteral("https://guivarna.example.org/"));
    HyperlinkLabel label(QStringLiteral("Visit us"), target);
    label.resize(200, 30);
    label.show();

    EXPECT_FALSE(label.visited());
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.toolTip(), target.toString());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));

    QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));

    ASSERT_EQ(catcher_.urls.size(), 1);
    EXPECT_EQ(catcher_.urls.front(), target);
    EXPECT_TRUE(label.visited());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0x80, 0, 0x80));
}

TEST_F(HyperlinkLabelTest, RightClickAndReleaseOutsideOpenNothing)
{
    HyperlinkLabel label(QStringLiteral("Visit us"), QUrl(QStringLiteral("https://a.example/")));
    label.resize(200, 30);
    label.show();

    QTest::mouseClick(&label, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, QPoint(500, 10));

    EXPECT_TRUE(catcher_.urls.isEmpty());
    EXPECT_FALSE(label.visited());
}

}  // namespace
}  // namespace guivarna
