#pragma once

#include "settings/setting.h"

// The board view's zoom in percent. Absent until the user first zooms, so a first start can pick
// the zoom that fits the window.
namespace guivarna::settings::view_keys {

inline constexpr int kMinZoomPercent = 25;
inline constexpr int kMaxZoomPercent = 400;

inline constexpr IntSetting kZoomPercent{u"\\View\\Zoom", 100, kMinZoomPercent, kMaxZoomPercent};

}  // namespace guivarna::settings::view_keys
