#include "board/drawable_item.h"
#include "board/drawing/device_mapping.h"
#include "board/scene_notifier.h"

#include <QImage>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using guivarna::board::DeviceMapping;
using guivarna::board::DrawableItem;
using guivarna::board::SceneNotifier;
using guivarna::board::TruncateToInt;

namespace {

TEST(DeviceMappingTest, ConvertsSceneUnitsToPixelsAndBack)
{
    struct Case {
        double dpi;
        double scene;
        double pixels;
    };
    const Case cases[] = {
        {254.0, 80.0, 80.0},  // one scene unit per pixel
        {96.0, 254.0, 96.0},  // one inch
        {96.0, 80.0, 30.236},  // an 8 mm fret
        {600.0, 50.0, 118.110},  // a 5 mm row on a printer
        {72.0, -254.0, -72.0},
    };
    for (const Case& c : cases) {
        const DeviceMapping mapping(c.dpi);
        EXPECT_NEAR(mapping.SceneToDeviceX(c.scene), c.pixels, 1e-3) << c.dpi;
        EXPECT_NEAR(mapping.SceneToDeviceY(c.scene), c.pixels, 1e-3) << c.dpi;
        const QPointF back = mapping.DeviceToScene(QPointF(c.pixels, c.pixels));
        EXPECT_NEAR(back.x(), c.scene, 1e-2) << c.dpi;
        EXPECT_NEAR(back.y(), c.scene, 1e-2) << c.dpi;
    }
}

TEST(DeviceMappingTest, SeparateAxesAndFallbackResolution)
{
    const DeviceMapping mapping(254.0, 127.0);
    EXPECT_EQ(mapping.SceneToDevice(QSizeF(100, 100)), QSizeF(100, 50));
    EXPECT_DOUBLE_EQ(DeviceMapping(0.0).DpiX(), 96.0);
    EXPECT_DOUBLE_EQ(DeviceMapping(std::nan("")).DpiY(), 96.0);
    EXPECT_DOUBLE_EQ(DeviceMapping(300.0).DpiY(), 300.0);

    QImage image(10, 10, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811);  // 300 dpi
    image.setDotsPerMeterY(11811);
    EXPECT_NEAR(DeviceMapping::ForDevice(image).DpiX(), 300.0, 0.5);
}

TEST(DeviceMappingTest, MmToDeviceCutsToWholeSceneUnitsFirst)
{
    const DeviceMapping mapping(254.0);
    EXPECT_EQ(mapping.MmToDevice(QPointF(8.09, 5.0)), QPointF(80, 50));
    EXPECT_EQ(mapping.MmToDevice(QPointF(-0.19, 0.0)), QPointF(-1, 0));
}

TEST(DeviceMappingTest, TruncateToIntSaturates)
{
    EXPECT_EQ(TruncateToInt(2.9), 2);
    EXPECT_EQ(TruncateToInt(-2.9), -2);
    EXPECT_EQ(TruncateToInt(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(TruncateToInt(-1e20), std::numeric_limits<int>::min());
    EXPECT_EQ(TruncateToInt(std::nan("")), 0);
}

// An 8 mm x 5 mm cell at (400, 10) scene units, hit-tested at the pixel edges at two DPIs.
TEST(DeviceMappingTest, HitTestUsesTruncatedPixelRectangle)
{
    DrawableItem item;
    item.SetRect(400, 10, 80, 50);
    struct Case {
        double dpi;
        QPoint point;
        bool hit;
    };
    const Case cases[] = {
        // 254 dpi: pixels = scene units; the rectangle is [400, 480) x [10, 60).
        {254.0, {400, 10}, true},
        {254.0, {479, 59}, true},
        {254.0, {480, 30}, false},
        {254.0, {450, 60}, false},
        {254.0, {399, 30}, false},
        // 96 dpi: left 151.18 -> 151, width 30.24 -> 30, top 3.78 -> 3, height 18.9 -> 18.
        {96.0, {151, 3}, true},
        {96.0, {180, 20}, true},
        {96.0, {181, 10}, false},
        {96.0, {160, 21}, false},
        {96.0, {150, 10}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(item.HitTest(DeviceMapping(c.dpi), c.point), c.hit)
            << c.dpi << " dpi at " << c.point.x() << "," << c.point.y();
    }
    EXPECT_EQ(item.DeviceSizeInt(DeviceMapping(96.0)), QSize(30, 18));
    EXPECT_NEAR(item.DevicePosition(DeviceMapping(96.0)).x(), 151.18, 0.01);
}

TEST(DrawableItemTest, InvalidateReportsThroughTheNotifierOnlyWhileItExists)
{
    DrawableItem item;
    item.SetRect(1.9, 2.5, 30.7, 40.2);
    EXPECT_EQ(item.X(), 1);
    EXPECT_EQ(item.Height(), 40);

    item.SetMarked(1);  // no notifier: nothing happens
    EXPECT_EQ(item.Marked(), 1);

    auto notifier = std::make_unique<SceneNotifier>();
    QSignalSpy spy(notifier.get(), &SceneNotifier::itemChanged);
    item.SetNotifier(notifier.get());
    item.SetMarked(0);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toRect(), QRect(1, 2, 30, 40));
    item.InvalidateRect(5.5, 6.5, 7.5, 8.5);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toRect(), QRect(5, 6, 7, 8));

    notifier.reset();
    item.SetMarked(1);  // the notifier is gone: the guarded pointer turned null
    EXPECT_EQ(item.Notifier(), nullptr);
}

}  // namespace
