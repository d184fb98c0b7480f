#pragma once

#include "settings/settings_store.h"

#include <QRect>
#include <QString>
#include <QStringView>

#include <cstdint>

class QWidget;

namespace guivarna::widgets {

// The ten values a window keeps of its placement (flags, show command, minimised and maximised
// positions, normal rectangle). Positions are screen coordinates; -1 means "not reported by the
// platform".
struct WindowPlacement {
    std::int32_t flags = 0;
    std::int32_t showCmd = 0;
    std::int32_t minPositionX = -1;
    std::int32_t minPositionY = -1;
    std::int32_t maxPositionX = -1;
    std::int32_t maxPositionY = -1;
    std::int32_t normalLeft = 0;
    std::int32_t normalTop = 0;
    std::int32_t normalRight = 0;
    std::int32_t normalBottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// Show commands and flags of a stored placement.
inline constexpr std::int32_t kShowNormal = 1;
inline constexpr std::int32_t kShowMinimized = 2;
inline constexpr std::int32_t kShowMaximized = 3;
inline constexpr std::int32_t kRestoreToMaximized = 0x0002;

// Larger stored sizes are taken as corrupt.
inline constexpr int kMaxWindowExtent = 100000;

// The base path of the main window's placement ("WindowPlacement\Flags"). Other windows glue
// their key word on without a separator: PlacementBase(u"ChordWizard") is
// "WindowPlacement\FlagsChordWizard", whose values lie under
// "WindowPlacement\FlagsChordWizard\WindowPlacement\...".
inline constexpr QStringView kMainWindowPlacement = u"WindowPlacement\\Flags";
QString PlacementBase(QStringView keyWord);

// A placement whose normal rectangle has a positive size no larger than kMaxWindowExtent.
bool IsSanePlacement(const WindowPlacement& placement);

// The placement of a window: normal rectangle in screen coordinates (right and bottom one past
// the last pixel), show command normal, minimised or maximised; the minimised and maximised
// positions are not reported by the platform (-1).
WindowPlacement CapturePlacement(const QWidget& window);

// frame, or frame moved to the top-left of the primary screen's available area when it lies on
// no screen (stored on a screen that is gone).
QRect OnAScreen(QRect frame);

// Gives the window the placement's normal rectangle and maximised state. A rectangle on no
// screen comes back at the top-left of the primary screen. False (and nothing changed) when
// the placement is not sane.
bool ApplyPlacement(QWidget& window, const WindowPlacement& placement);

// Reads the ten values below base into placement. False when "Flags" is missing (placement
// untouched) or when any other value is missing (the values read so far are kept).
bool ReadPlacement(
    const settings::SettingsStore& store, QStringView base, WindowPlacement& placement);
// Writes the ten values below base; failures are ignored, as for every other setting.
void WritePlacement(
    settings::SettingsStore& store, QStringView base, const WindowPlacement& placement);

// Reads the ten values below base and applies them when all are present and sane; false when
// the window was left as it was.
bool RestorePlacement(QWidget& window, const settings::SettingsStore& store, QStringView base);
// Writes the window's current placement as the ten values below base.
void SavePlacement(const QWidget& window, settings::SettingsStore& store, QStringView base);

}  // namespace guivarna::widgets
