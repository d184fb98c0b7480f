#include "output/picture_writer_pool.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace guivarna::output {
namespace {

QImage Picture(int width)
{
    QImage image(width, 20, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

TEST(PictureWriterPoolConcurrency, TheLastPictureForAPathIsTheOneInTheFile)
{
    QTemporaryDir dir;
    const QString same = dir.filePath(QStringLiteral("same.jpg"));
    for (const int threads : {1, 4}) {
        SCOPED_TRACE(threads);
        PictureWriterPool pool(threads);
        // The widths tell the pictures apart; other paths in between keep every worker busy.
        for (int i = 0; i < 40; ++i) {
            pool.Submit(std::size_t(2 * i), Picture(10 + i), same);
            pool.Submit(std::size_t(2 * i + 1), Picture(5),
                dir.filePath(QStringLiteral("other%1.jpg").arg(i)));
        }
        pool.WaitAll();
        EXPECT_TRUE(pool.Failures().empty());
        EXPECT_EQ(QImageReader(same).size(), QSize(49, 20));
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.jpg")}).size(), 41);
    }
}

TEST(PictureWriterPoolConcurrency, FailuresAreReportedWithTheirIdAndFile)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing/b.jpg"));
    std::vector<std::pair<std::size_t, QString>> failures;
    {
        PictureWriterPool pool(2);
        pool.Submit(0, Picture(8), dir.filePath(QStringLiteral("a.jpg")));
        pool.Submit(1, Picture(8), missing);
        pool.Submit(2, QImage(), dir.filePath(QStringLiteral("c.jpg")));
        pool.Submit(3, Picture(8), dir.filePath(QStringLiteral("d.jpg")));
        pool.WaitAll();
        failures = pool.Failures();
    }
    ASSERT_EQ(failures.size(), 2u);
    std::sort(failures.begin(), failures.end());
    EXPECT_EQ(failures[0].first, 1u);
    EXPECT_TRUE(failures[0].second.contains(missing)) << failures[0].second.toStdString();
    EXPECT_EQ(failures[1].first, 2u);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.jpg")}),
        (QStringList{QStringLiteral("a.jpg"), QStringLiteral("d.jpg")}));
}

TEST(PictureWriterPoolConcurrency, DestroyingThePoolWritesWhatWasSubmitted)
{
    QTemporaryDir dir;
    {
        PictureWriterPool pool(2);
        for (int i = 0; i < 12; ++i)
            pool.Submit(std::size_t(i), Picture(8), dir.filePath(QStringLiteral("%1.jpg").arg(i)));
    }
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.jpg")}).size(), 12);
}

}  // namespace
}  // namespace guivarna::output
