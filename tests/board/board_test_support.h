#pragma once

#include "board/board_collection.h"
#include "settings/settings_store.h"

#include <QTemporaryDir>

#include <memory>

namespace guivarna::board::test {

// A settings file in a fresh temporary directory and a collection loaded from it. The store
// opens the file on first use, so a test can write the raw file before. The collection is
// destroyed (and so saves) before the store.
class BoardFixture {
public:
    BoardFixture() : boards_(std::make_unique<BoardCollection>()) { }

    QString Path() const { return dir_.filePath(QStringLiteral("Guivarna.conf")); }
    settings::SettingsStore& Store()
    {
        if (!store_)
            store_ = std::make_unique<settings::SettingsStore>(Path());
        return *store_;
    }
    BoardCollection& Boards() { return *boards_; }

    BoardCollection& Load()
    {
        boards_->Load(Store());
        return *boards_;
    }

    // Destroys the collection (which saves) and the store (which flushes).
    void Close()
    {
        boards_.reset();
        store_.reset();
    }

    // Closes, then opens the same file again with a fresh collection.
    BoardCollection& Reopen()
    {
        Close();
        boards_ = std::make_unique<BoardCollection>();
        return Load();
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<settings::SettingsStore> store_;
    std::unique_ptr<BoardCollection> boards_;
};

// At 254 dpi one scene unit is one pixel, so scene points can be clicked directly.
inline const DeviceMapping kPixelPerUnit{254.0};

// The centre of a position of a board laid out at its offset, in scene units.
inline QPoint CellCentre(const FretBoard& board, int row, int fret)
{
    const FretCell& cell = board.Row(row).Cell(fret);
    return {cell.X() + cell.Width() / 2, cell.Y() + cell.Height() / 2};
}

}  // namespace guivarna::board::test
