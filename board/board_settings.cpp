#include "board/board_settings.h"

namespace guivarna::board {

QString BoardPath(int index)
{
    return settings::board_keys::kFretBoards.toString() +
        QStringLiteral("FretBoard%1\\").arg(index);
}

QString RowPath(QStringView boardPath, int row)
{
    return boardPath.toString() + settings::board_keys::kStrings.toString() +
        QStringLiteral("String%1\\").arg(row);
}

}  // namespace guivarna::board
