#include "tests/support/golden_image.h"

#include <QColor>
#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace guivarna::test {

namespace {

constexpr int kShrink = 3;  // compare 3 x 3 pixel averages
constexpr int kChannelTolerance = 40;  // of 255, per averaged pixel
constexpr double kAllowedDifferingShare = 0.002;  // of the averaged pixels

QImage Shrunk(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32)
        .scaled(image.width() / kShrink, image.height() / kShrink, Qt::IgnoreAspectRatio,
            Qt::SmoothTransformation);
}

int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
        std::abs(qBlue(a) - qBlue(b))});
}

QString ReferencePath(const QString& name)
{
    return QDir(QStringLiteral(GUIVARNA_GOLDEN_DIR)).filePath(name + QStringLiteral(".png"));
}

QString OutputPath(const QString& name, const QString& kind)
{
    return QDir(QStringLiteral(GUIVARNA_GOLDEN_OUTPUT_DIR))
        .filePath(name + QLatin1Char('.') + kind + QStringLiteral(".png"));
}

}  // namespace

void ExpectMatchesGolden(const QImage& rendered, const QString& name)
{
    const QImage actual = rendered.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("GUIVARNA_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(actual.save(ReferencePath(name))) << ReferencePath(name).toStdString();
        return;
    }
    const QImage reference(ReferencePath(name));
    ASSERT_FALSE(reference.isNull())
        << "no reference picture " << ReferencePath(name).toStdString();

    bool matches = reference.size() == actual.size();
    QImage difference;
    int differing = 0;
    int compared = 0;
    if (matches) {
        const QImage a = Shrunk(actual);
        const QImage b = Shrunk(reference);
        difference =
            actual.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                ++compared;
                if (ChannelDistance(a.pixel(x, y), b.pixel(x, y)) <= kChannelTolerance)
                    continue;
                ++differing;
                for (int dy = 0; dy < kShrink; ++dy)
                    for (int dx = 0; dx < kShrink; ++dx)
                        difference.setPixel(x * kShrink + dx, y * kShrink + dy, qRgb(255, 0, 0));
            }
        }
        matches = differing <= compared * kAllowedDifferingShare;
    }
    if (matches)
        return;
    actual.save(OutputPath(name, QStringLiteral("actual")));
    if (!difference.isNull())
        difference.save(OutputPath(name, QStringLiteral("diff")));
    ADD_FAILURE() << name.toStdString() << ": " << actual.width() << "x" << actual.height()
                  << " rendered against a " << reference.width() << "x" << reference.height()
                  << " reference, " << differing << " of " << compared
                  << " averaged pixels differ; see "
                  << OutputPath(name, QStringLiteral("actual")).toStdString();
}

}  // namespace guivarna::test
