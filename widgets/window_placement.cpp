#include "widgets/window_placement.h"

#include "widgets/placement_keys.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace guivarna::widgets {

namespace {

std::array<std::int32_t*, 10> Fields(WindowPlacement& p)
{
    return {&p.flags, &p.showCmd, &p.minPositionX, &p.minPositionY, &p.maxPositionX,
        &p.maxPositionY, &p.normalLeft, &p.normalTop, &p.normalRight, &p.normalBottom};
}

}  // namespace

QString PlacementBase(QStringView keyWord)
{
    return kMainWindowPlacement.toString() + keyWord.toString();
}

bool IsSanePlacement(const WindowPlacement& p)
{
    const qint64 width = qint64(p.normalRight) - p.normalLeft;
    const qint64 height = qint64(p.normalBottom) - p.normalTop;
    return width > 0 && height > 0 && width <= kMaxWindowExtent && height <= kMaxWindowExtent;
}

WindowPlacement CapturePlacement(const QWidget& window)
{
    WindowPlacement p;
    const QRect normal =
        window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    if (window.isMinimized()) {
        p.showCmd = kShowMinimized;
        if (window.windowState().testFlag(Qt::WindowMaximized))
            p.flags = kRestoreToMaximized;
    } else if (window.isMaximized()) {
        p.showCmd = kShowMaximized;
    } else {
        p.showCmd = kShowNormal;
    }
    p.normalLeft = normal.left();
    p.normalTop = normal.top();
    p.normalRight = normal.left() + normal.width();
    p.normalBottom = normal.top() + normal.height();
    return p;
}

QRect OnAScreen(QRect frame)
{
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        if (!primary->virtualGeometry().intersects(frame))
            frame.moveTopLeft(primary->availableGeometry().topLeft());
    }
    return frame;
}

bool ApplyPlacement(QWidget& window, const WindowPlacement& p)
{
    if (!IsSanePlacement(p))
        return false;
    window.setGeometry(OnAScreen(QRect(
        p.normalLeft, p.normalTop, p.normalRight - p.normalLeft, p.normalBottom - p.normalTop)));
    const bool maximised = p.showCmd == kShowMaximized ||
        (p.showCmd == kShowMinimized && (p.flags & kRestoreToMaximized));
    window.setWindowState(maximised ? Qt::WindowMaximized : Qt::WindowNoState);
    return true;
}

bool ReadPlacement(
    const settings::SettingsStore& store, QStringView base, WindowPlacement& placement)
{
    const auto fields = Fields(placement);
    bool all = true;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<std::int32_t> value =
            store.ReadInt(settings::Join(base, placement_keys::kAll[i]->path));
        if (value)
            *fields[i] = *value;
        else if (i == 0)
            return false;
        else
            all = false;
    }
    return all;
}

void WritePlacement(
    settings::SettingsStore& store, QStringView base, const WindowPlacement& placement)
{
    const settings::SettingsStore::WriteBatch batch(store);
    WindowPlacement copy = placement;
    const auto fields = Fields(copy);
    for (std::size_t i = 0; i < fields.size(); ++i)
        settings::Write(store, *placement_keys::kAll[i], *fields[i], base);
}

bool RestorePlacement(QWidget& window, const settings::SettingsStore& store, QStringView base)
{
    WindowPlacement placement;
    return ReadPlacement(store, base, placement) && ApplyPlacement(window, placement);
}

void SavePlacement(const QWidget& window, settings::SettingsStore& store, QStringView base)
{
    WritePlacement(store, base, CapturePlacement(window));
}

}  // namespace guivarna::widgets
