#include "widgets/dock_placement.h"

#include "settings/setting.h"
#include "widgets/window_placement.h"

#include <QDockWidget>
#include <QMainWindow>

namespace guivarna::widgets {

namespace {

constexpr settings::IntSetting kArea{u"\\Area", 0, 1, 8};
constexpr settings::IntSetting kFloating{u"\\Floating", 0, 0, 1};
constexpr settings::IntSetting kWidth{u"\\Width", 0, 1, 100000};
constexpr settings::IntSetting kHeight{u"\\Height", 0, 1, 100000};
constexpr settings::IntSetting kLeft{u"\\Left", 0, -100000, 100000};
constexpr settings::IntSetting kTop{u"\\Top", 0, -100000, 100000};

bool IsDockArea(int area)
{
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea ||
        area == Qt::BottomDockWidgetArea;
}

}  // namespace

void SaveDockPlacement(const QMainWindow& window, const QDockWidget& dock,
    settings::SettingsStore& store, QStringView base)
{
    const settings::SettingsStore::WriteBatch batch(store);
    settings::Write(store, kArea, window.dockWidgetArea(const_cast<QDockWidget*>(&dock)), base);
    settings::Write(store, kFloating, dock.isFloating() ? 1 : 0, base);
    settings::Write(store, kWidth, dock.width(), base);
    settings::Write(store, kHeight, dock.height(), base);
    settings::Write(store, kLeft, dock.x(), base);
    settings::Write(store, kTop, dock.y(), base);
}

bool PlaceDock(QMainWindow& window, QDockWidget& dock, const settings::SettingsStore& store,
    QStringView base, Qt::DockWidgetArea defaultArea, const DockSizes& sizes)
{
    const int stored = settings::Read(store, kArea, base);
    const auto area = IsDockArea(stored) ? static_cast<Qt::DockWidgetArea>(stored) : defaultArea;
    window.addDockWidget(area, &dock);

    const auto width = settings::ReadIfValid(store, kWidth, base);
    const auto height = settings::ReadIfValid(store, kHeight, base);
    const QSize size = width && height ? QSize(*width, *height) : QSize();

    if (settings::Read(store, kFloating, base) == 1) {
        dock.setFloating(true);
        dock.setGeometry(OnAScreen(
            QRect(QPoint(settings::Read(store, kLeft, base), settings::Read(store, kTop, base)),
                size.isValid() ? size.expandedTo(sizes.floatingMinimum) : sizes.floating)));
        return true;
    }
    if (area == Qt::BottomDockWidgetArea)
        window.resizeDocks(
            {&dock}, {size.isValid() ? size.height() : sizes.docked.height()}, Qt::Vertical);
    else
        window.resizeDocks(
            {&dock}, {size.isValid() ? size.width() : sizes.docked.width()}, Qt::Horizontal);
    return false;
}

}  // namespace guivarna::widgets
