#pragma once

#include "settings/board_keys.h"
#include "settings/setting.h"
#include "settings/settings_store.h"

#include <QString>
#include <QStringView>

namespace guivarna::board {

// "\FretBoards\FretBoard<index>\"
QString BoardPath(int index);
// BoardPath + "Strings\String<row>\"
QString RowPath(QStringView boardPath, int row);
// The path followed by the piece of a declared value. Reads and writes of declared values are
// settings::Read and settings::Write (found by argument-dependent lookup).
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
