// Reading a board from the settings and writing it back: its own values and every row.
#include "board/board_settings.h"
#include "board/fret_board.h"

#include <algorithm>
#include <optional>

namespace guivarna::board {

void FretBoard::Load(const settings::SettingsStore& store, QStringView basePath)
{
    using namespace settings::board_keys;
    rows_.clear();
    int stringCount = Read(store, kNumSnares, basePath);
    isChordBoard_ = Read(store, kIsChordBoard, basePath);
    const bool fretRow = Read(store, kHasFretRow, basePath);

    const int defaultStringCount = static_cast<int>(kDefaultTuning.size());
    bool defaultTuning = false;
    bool lastOrientationStored = true;
    for (int k = 0; k < stringCount; ++k) {
        const QString rowPath = RowPath(basePath, k);
        std::optional<std::int32_t> storedOrientation = ReadIfValid(store, kOrientation, rowPath);
        // A string never takes the fret-number row's kind: the board would take that string for
        // its fret-number row, and the next start would lose the string or add a second row.
        if (storedOrientation == kFretNumberRow)
            storedOrientation.reset();
        int orientation = k == 0 ? kTopString : k == stringCount - 1 ? kBottomString : kInnerString;
        if (storedOrientation)
            orientation = *storedOrientation;

        int openNote = kDefaultTuning[0];
        if (!defaultTuning) {
            if (const std::optional<std::int32_t> stored =
                    ReadIfValid(store, kOpenSnare, rowPath)) {
                openNote = *stored;
            } else {
                // Without a tuning for every string the board becomes a standard six-string
                // board; rows already built beyond the sixth are dropped.
                defaultTuning = true;
                stringCount = defaultStringCount;
                if (k >= defaultStringCount) {
                    rows_.erase(rows_.begin() + defaultStringCount, rows_.end());
                    if (!lastOrientationStored)
                        rows_.back().SetOrientation(kBottomString);
                    break;
                }
            }
        }

        StringRow row(orientation, openNote);
        row.Load(store, rowPath);
        AppendRow(std::move(row));
        if (k == defaultStringCount - 1)
            lastOrientationStored = storedOrientation.has_value();
    }

    if (defaultTuning) {
        for (std::size_t i = 0; i < kDefaultTuning.size() && i < rows_.size(); ++i)
            rows_[i].SetOpenNote(kDefaultTuning[i]);
    }

    if (fretRow) {
        StringRow row(kFretNumberRow, 0);
        const QString fretsPath = stringCount > 0 ? RowPath(basePath, stringCount - 1)
                                                  : settings::Join(basePath, kStrings);
        row.Load(store, fretsPath);
        AppendRow(std::move(row));
    }
    Layout();
}

void FretBoard::Save(settings::SettingsStore& store, QStringView basePath) const
{
    using namespace settings::board_keys;
    Write(store, kNumSnares, std::max(StringCount(), 0), basePath);
    Write(store, kIsChordBoard, isChordBoard_, basePath);
    const bool hasFretRow = std::any_of(rows_.begin(), rows_.end(),
        [](const StringRow& row) { return row.Orientation() == kFretNumberRow; });
    Write(store, kHasFretRow, hasFretRow, basePath);
    for (int k = 0; k < RowCount(); ++k)
        rows_[static_cast<std::size_t>(k)].Save(store, RowPath(basePath, k));
}

}  // namespace guivarna::board
