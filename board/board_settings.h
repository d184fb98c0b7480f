#pragma once

#include "board/settings_store.h"
#include "settings/board_keys.h"
#include "settings/setting.h"

#include <QString>
#include <QStringView>

namespace guivarna::board {

namespace board_keys = settings::board_keys;
namespace board_limits = settings::board_keys;

using settings::Join;
using settings::Read;
using settings::ReadIfValid;
using settings::StoredTenths;
using settings::Write;

// "\FretBoards\FretBoard<index>\"
QString BoardPath(int index);
// BoardPath + "Strings\String<row>\"
QString RowPath(QStringView boardPath, int row);
// The path followed by the piece of a declared value.
template <typename Setting>
requires requires(const Setting& s)
{
    QStringView(s.path);
}
QString Join(QStringView path, const Setting& setting)
{
    return settings::Join(path, setting.path);
}

}  // namespace guivarna::board
