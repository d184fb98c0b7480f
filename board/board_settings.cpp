#include "board/board_settings.h"

#include "board/settings_store.h"

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

}  // namespace guivarna::board
