#include "board/board_settings.h"

#include "board/device_mapping.h"
#include "board/settings_store.h"

#include <cmath>

namespace guivarna::board {

QString BoardPath(int index)
{
    return board_keys::kFretBoards.toString() + QStringLiteral("FretBoard%1\\").arg(index);
}

QString RowPath(QStringView boardPath, int row)
{
    return boardPath.toString() + board_keys::kStrings.toString() +
        QStringLiteral("String%1\\").arg(row);
}

QString Join(QStringView path, QStringView piece)
{
    return path.toString() + piece.toString();
}

int ReadBounded(const SettingsStore& store, QStringView path, int fallback, int min, int max)
{
    const std::optional<std::int32_t> value = store.ReadInt(path);
    if (!value || *value < min || *value > max)
        return fallback;
    return *value;
}

std::uint32_t ReadOr(const SettingsStore& store, QStringView path, std::uint32_t fallback)
{
    std::uint32_t value = fallback;
    store.ReadSettingDword(path, value);
    return value;
}

std::uint32_t ReadArgb(const SettingsStore& store, const ColourPaths& paths, std::uint32_t fallback)
{
    std::uint32_t argb = 0;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const int shift = 24 - 8 * static_cast<int>(i);
        argb |= (ReadOr(store, paths[i], (fallback >> shift) & 0xFFu) & 0xFFu) << shift;
    }
    return argb;
}

void WriteArgb(SettingsStore& store, const ColourPaths& paths, std::uint32_t argb)
{
    for (std::size_t i = 0; i < paths.size(); ++i)
        store.WriteSettingDword(paths[i], (argb >> (24 - 8 * static_cast<int>(i))) & 0xFFu);
}

std::int32_t StoredTenths(float width)
{
    return TruncateToInt(std::floor(static_cast<double>(width) * 10.0 + 1e-4));
}

}  // namespace guivarna::board
