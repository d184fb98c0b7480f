#pragma once

#include "settings/setting.h"

// The board view's zoom in percent. Absent before the first start, which picks the zoom that fits
// the window and keeps it; from then on the zoom last used.
namespace guivarna::settings::view_keys {

inline constexpr int kMinZoomPercent = 25;
inline constexpr int kMaxZoomPercent = 400;

inline constexpr IntSetting kZoomPercent{u"\\View\\Zoom", 100, kMinZoomPercent, kMaxZoomPercent};

// Whether a click on the ChordBoard names its marks at once ("Name chords as you mark").
inline constexpr FlagSetting kNameAsYouMark{u"\\View\\NameAsYouMark", true};

}  // namespace guivarna::settings::view_keys
