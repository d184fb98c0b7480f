#pragma once

#include "settings/setting.h"

// The stored paper: the sheet's position and size, its colours and border, and the printable
// area (offset and size). Lengths are scene units (0.1 mm); beyond 10 m they are taken as corrupt.
namespace guivarna::settings::paper_keys {

inline constexpr int kMaxLength = 100000;

inline constexpr IntSetting kX{u"\\Paper\\X", 0, -kMaxLength, kMaxLength};
inline constexpr IntSetting kY{u"\\Paper\\Y", 0, -kMaxLength, kMaxLength};
inline constexpr IntSetting kWidth{u"\\Paper\\Width", 2100, 1, kMaxLength};  // A4
inline constexpr IntSetting kHeight{u"\\Paper\\Height", 2970, 1, kMaxLength};
inline constexpr ColourSetting kBackground{{u"\\Paper\\BgColor\\A", u"\\Paper\\BgColor\\R",
                                               u"\\Paper\\BgColor\\G", u"\\Paper\\BgColor\\B"},
    0xFFFFFFFF};
inline constexpr ColourSetting kBorderColour{{u"\\Paper\\BdColor\\A", u"\\Paper\\BdColor\\R",
                                                 u"\\Paper\\BdColor\\G", u"\\Paper\\BdColor\\B"},
    0xFF000000};
inline constexpr WidthSetting kBorder{u"\\Paper\\Border", 10, 1000};
inline constexpr IntSetting kPageOffsetX{u"\\Paper\\pageOffsetX", 10, -kMaxLength, kMaxLength};
inline constexpr IntSetting kPageOffsetY{u"\\Paper\\pageOffsetY", 10, -kMaxLength, kMaxLength};
inline constexpr IntSetting kPageSizeW{u"\\Paper\\pageSizeW", 2080, 0, kMaxLength};
inline constexpr IntSetting kPageSizeH{u"\\Paper\\pageSizeH", 2950, 0, kMaxLength};

}  // namespace guivarna::settings::paper_keys
