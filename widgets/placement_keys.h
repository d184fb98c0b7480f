#pragma once

#include "settings/setting.h"

#include <array>

namespace guivarna::widgets::placement_keys {

// The ten values of a window's placement, below the window's base path. Top comes before right
// on purpose: stored placements were written in this order.
inline constexpr settings::IntSetting kFlags{u"\\WindowPlacement\\Flags"};
inline constexpr settings::IntSetting kShowCmd{u"\\WindowPlacement\\ShowCmd"};
inline constexpr settings::IntSetting kMinPositionX{u"\\WindowPlacement\\MinPosition\\x", -1};
inline constexpr settings::IntSetting kMinPositionY{u"\\WindowPlacement\\MinPosition\\y", -1};
inline constexpr settings::IntSetting kMaxPositionX{u"\\WindowPlacement\\MaxPosition\\x", -1};
inline constexpr settings::IntSetting kMaxPositionY{u"\\WindowPlacement\\MaxPosition\\y", -1};
inline constexpr settings::IntSetting kNormalLeft{u"\\WindowPlacement\\NormalPosition\\left"};
inline constexpr settings::IntSetting kNormalTop{u"\\WindowPlacement\\NormalPosition\\top"};
inline constexpr settings::IntSetting kNormalRight{u"\\WindowPlacement\\NormalPosition\\right"};
inline constexpr settings::IntSetting kNormalBottom{u"\\WindowPlacement\\NormalPosition\\bottom"};

inline constexpr std::array<const settings::IntSetting*, 10> kAll = {&kFlags, &kShowCmd,
    &kMinPositionX, &kMinPositionY, &kMaxPositionX, &kMaxPositionY, &kNormalLeft, &kNormalTop,
    &kNormalRight, &kNormalBottom};

}  // namespace guivarna::widgets::placement_keys
