#include "settings/setting.h"

#include "settings/settings_store.h"

#include <cmath>

namespace guivarna::settings {

QString Join(QStringView base, QStringView piece)
{
    return base.toString() + piece.toString();
}

std::optional<std::int32_t> ReadIfValid(
    const SettingsStore& store, const IntSetting& setting, QStringView base)
{
    const std::optional<std::int32_t> value = store.ReadInt(Join(base, setting.path));
    if (!value || *value < setting.min || *value > setting.max)
        return std::nullopt;
    return value;
}

std::int32_t Read(const SettingsStore& store, const IntSetting& setting, QStringView base)
{
    return ReadIfValid(store, setting, base).value_or(setting.fallback);
}

bool Write(SettingsStore& store, const IntSetting& setting, std::int32_t value, QStringView base)
{
    return store.WriteInt(Join(base, setting.path), value);
}

bool Read(const SettingsStore& store, const FlagSetting& setting, QStringView base)
{
    const std::optional<std::int32_t> value = store.ReadInt(Join(base, setting.path));
    if (!value)
        return setting.fallback;
    return setting.rule == FlagSetting::Rule::NonZero ? *value != 0 : *value == 1;
}

bool Write(SettingsStore& store, const FlagSetting& setting, bool value, QStringView base)
{
    return store.WriteInt(Join(base, setting.path), value ? 1 : 0);
}

std::uint32_t Read(const SettingsStore& store, const ColourSetting& setting, QStringView base)
{
    std::uint32_t argb = 0;
    for (std::size_t i = 0; i < setting.paths.size(); ++i) {
        const int shift = 24 - 8 * static_cast<int>(i);
        const std::optional<std::int32_t> stored = store.ReadInt(Join(base, setting.paths[i]));
        const std::uint32_t component =
            stored ? static_cast<std::uint32_t>(*stored) : setting.fallback >> shift;
        argb |= (component & 0xFFu) << shift;
    }
    return argb;
}

void Write(SettingsStore& store, const ColourSetting& setting, std::uint32_t argb, QStringView base)
{
    for (std::size_t i = 0; i < setting.paths.size(); ++i) {
        const int shift = 24 - 8 * static_cast<int>(i);
        store.WriteInt(
            Join(base, setting.paths[i]), static_cast<std::int32_t>((argb >> shift) & 0xFFu));
    }
}

float Read(const SettingsStore& store, const WidthSetting& setting, QStringView base)
{
    const IntSetting tenths{setting.path, setting.fallbackTenths, 0, setting.maxTenths};
    return static_cast<float>(Read(store, tenths, base) * 0.1);
}

bool Write(SettingsStore& store, const WidthSetting& setting, float width, QStringView base)
{
    return store.WriteInt(Join(base, setting.path), StoredTenths(width));
}

std::int32_t StoredTenths(float width)
{
    const double tenths = std::floor(static_cast<double>(width) * 10.0 + 1e-4);
    if (std::isnan(tenths))
        return 0;
    if (tenths <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (tenths >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(tenths);
}

}  // namespace guivarna::settings
