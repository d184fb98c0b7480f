#pragma once

#include "settings/settings_store.h"

#include <QSize>
#include <QStringView>

class QDockWidget;
class QMainWindow;

namespace guivarna::widgets {

// Where a dock window was docked (a Qt::DockWidgetArea: 1 left, 2 right, 8 bottom), whether it
// floats, its size and, floating, its position, kept under base ("CalcWindow\Area" and so on).
struct DockSizes {
    QSize docked;  // the first docked size: its height docked at the bottom, its width at a side
    QSize floating;  // the first floating size
    QSize floatingMinimum;
};

void SaveDockPlacement(const QMainWindow& window, const QDockWidget& dock,
    settings::SettingsStore& store, QStringView base);

// Docks dock into window where the settings say (defaultArea when they say nothing usable), or
// floats it at its stored place on a screen. Returns whether it floats.
bool PlaceDock(QMainWindow& window, QDockWidget& dock, const settings::SettingsStore& store,
    QStringView base, Qt::DockWidgetArea defaultArea, const DockSizes& sizes);

}  // namespace guivarna::widgets
