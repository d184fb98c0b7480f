#include "output/jpeg_file.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace guivarna::output {
namespace {

QImage TestPicture()
{
    QImage image(120, 45, QImage::Format_RGB32);
    image.fill(QColor(255, 165, 0));
    return image;
}

TEST(SaveJpeg, WritesARealJpegThatLoadsBackWithTheSameSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("C1(8)_E2(5)_G3(0).jpg"));
    EXPECT_EQ(SaveJpeg(TestPicture(), path), QString());

    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage loaded = reader.read();
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.size(), QSize(120, 45));
    const QColor centre = loaded.pixelColor(60, 22);
    EXPECT_NEAR(centre.red(), 255, 8);
    EXPECT_NEAR(centre.green(), 165, 8);
    EXPECT_NEAR(centre.blue(), 0, 8);
}

TEST(SaveJpeg, AnUnwritableTargetIsReportedAndKeepsWhatWasThere)
{
    QTemporaryDir dir;
    // A path below a regular file cannot be created, not even by root.
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();

    const QString target = blocker + QStringLiteral("/board.jpg");
    const QString message = SaveJpeg(TestPicture(), target);
    EXPECT_TRUE(message.contains(target)) << message.toStdString();
    EXPECT_FALSE(QFile::exists(target));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));

    EXPECT_FALSE(SaveJpeg(QImage(), dir.filePath(QStringLiteral("empty.jpg"))).isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("empty.jpg"))));
}

}  // namespace
}  // namespace guivarna::output
