#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace guivarna::settings {

class SettingsStore;

// Declarations of stored values. Each names its path piece (appended to a base path, or a full
// value path when the base is empty), its default and the range it must lie in; loading and
// saving both go through the one declaration, so a key is spelled in exactly one place.

// A signed 32-bit value. Absent, unparsable or out-of-range values read as the default.
struct IntSetting {
    QStringView path;
    std::int32_t fallback = 0;
    std::int32_t min = std::numeric_limits<std::int32_t>::min();
    std::int32_t max = std::numeric_limits<std::int32_t>::max();
};

// A yes/no value written as 1 or 0. Older files hold other numbers too, so the reading rule is
// part of the declaration: either any non-zero value or only exactly 1 means yes.
struct FlagSetting {
    enum class Rule { NonZero, ExactlyOne };
    QStringView path;
    bool fallback = false;
    Rule rule = Rule::NonZero;
};

// A colour stored as four values (alpha, red, green, blue) of which only the low byte counts;
// an absent component keeps the default's byte.
struct ColourSetting {
    std::array<QStringView, 4> paths;
    std::uint32_t fallback = 0xFF000000;
};

// A line width stored as tenths (width x 10, cut to an integer) and read as value x 0.1.
struct WidthSetting {
    QStringView path;
    std::int32_t fallbackTenths = 10;
    std::int32_t maxTenths = 1000;
};

// base + piece, without adding or removing separators (the store collapses doubled ones).
QString Join(QStringView base, QStringView piece);

std::int32_t Read(const SettingsStore& store, const IntSetting& setting, QStringView base = {});
// The stored value when it is present and in range; nothing otherwise.
std::optional<std::int32_t> ReadIfValid(
    const SettingsStore& store, const IntSetting& setting, QStringView base = {});
bool Write(
    SettingsStore& store, const IntSetting& setting, std::int32_t value, QStringView base = {});

bool Read(const SettingsStore& store, const FlagSetting& setting, QStringView base = {});
bool Write(SettingsStore& store, const FlagSetting& setting, bool value, QStringView base = {});

std::uint32_t Read(const SettingsStore& store, const ColourSetting& setting, QStringView base = {});
void Write(
    SettingsStore& store, const ColourSetting& setting, std::uint32_t argb, QStringView base = {});

float Read(const SettingsStore& store, const WidthSetting& setting, QStringView base = {});
bool Write(SettingsStore& store, const WidthSetting& setting, float width, QStringView base = {});

// The stored form of a width that loads as value x 0.1: width x 10 cut to an integer. The small
// bias keeps a loaded width from losing one step to floating-point error (2.9f x 10 =
// 28.99...), so a stored value survives any number of loads and saves.
std::int32_t StoredTenths(float width);

}  // namespace guivarna::settings
