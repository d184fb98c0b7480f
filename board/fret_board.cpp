#include "board/fret_board.h"

#include "board/board_settings.h"
#include "board/settings_store.h"

#include <algorithm>
#include <limits>

namespace guivarna::board {

namespace {

int ClampedSum(qint64 a, qint64 b)
{
    return static_cast<int>(std::clamp<qint64>(
        a + b, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

FretBoard::FretBoard(int index, int offsetX, int offsetY)
    : index_(index), offsetX_(offsetX), offsetY_(offsetY)
{
    SetXY(offsetX, offsetY);
}

int FretBoard::StringCount() const
{
    if (rows_.empty())
        return -1;
    // A board stored without a fret-number row keeps its last row as a string.
    return RowCount() - (rows_.back().Orientation() == kFretNumberRow ? 1 : 0);
}

StringRow& FretBoard::Row(int index)
{
    return rows_.at(static_cast<std::size_t>(index));
}

const StringRow& FretBoard::Row(int index) const
{
    return rows_.at(static_cast<std::size_t>(index));
}

int FretBoard::FretCount() const
{
    return Row(0).CellCount();
}

int FretBoard::HighestNote() const
{
    return Row(0).HighestNote();
}

int FretBoard::LastStringOpenNote() const
{
    return Row(StringCount() - 1).OpenNote();
}

int FretBoard::OpenNotes(std::vector<int>& notes) const
{
    for (int i = 0; i < StringCount(); ++i)
        notes.push_back(rows_[static_cast<std::size_t>(i)].OpenNote());
    return StringCount();
}

int FretBoard::OpenNoteNames(QStringList& names) const
{
    for (int i = 0; i < StringCount(); ++i)
        names.append(rows_[static_cast<std::size_t>(i)].OpenNoteName());
    return StringCount();
}

void FretBoard::NoteGrid(std::vector<std::vector<int>>& grid) const
{
    for (int i = 0; i < StringCount(); ++i) {
        std::vector<int> notes;
        rows_[static_cast<std::size_t>(i)].AppendNotes(notes);
        grid.push_back(std::move(notes));
    }
}

void FretBoard::SetTuning(const std::vector<int>& tuning)
{
    const std::size_t count = std::min(tuning.size(), rows_.size());
    for (std::size_t i = 0; i < count; ++i)
        rows_[i].SetOpenNote(tuning[i]);
}

void FretBoard::Clear()
{
    for (StringRow& row : rows_)
        row.Clear();
}

void FretBoard::SetDotColour(std::uint32_t argb)
{
    for (StringRow& row : rows_)
        row.SetDotColour(argb);
}

void FretBoard::ShowExactNotes(const std::vector<int>& rows, const std::vector<int>& notes)
{
    Clear();
    for (int rowIndex : rows) {
        StringRow& row = Row(rowIndex);
        for (int fret = 0; fret < row.CellCount(); ++fret) {
            const qint64 note = qint64(row.OpenNote()) + fret;
            if (std::find(notes.begin(), notes.end(), note) != notes.end())
                row.SetDot(fret, true);
        }
    }
}

void FretBoard::SetPosition(double x, double y)
{
    DrawableItem::SetPosition(x, y);
    QPoint point = Position();
    for (StringRow& row : rows_) {
        row.MoveTo(point);
        point.setY(ClampedSum(point.y(), row.FretHeight()));
    }
}

int FretBoard::OnClick(const DeviceMapping& mapping, QPoint devicePoint)
{
    return Click(mapping, devicePoint, nullptr);
}

int FretBoard::Click(const DeviceMapping& mapping, QPoint devicePoint, int* hitNote)
{
    for (StringRow& row : rows_) {
        if (row.HitTest(mapping, devicePoint)) {
            if (row.Orientation() == kFretNumberRow)
                return 0;
            return row.Click(mapping, devicePoint, hitNote);
        }
    }
    return 0;
}

void FretBoard::AppendRow(StringRow row)
{
    row.SetNotifier(Notifier());
    rows_.push_back(std::move(row));
}

void FretBoard::Layout()
{
    SetPosition(offsetX_, offsetY_);
    int width = 0;
    qint64 height = 0;
    for (const StringRow& row : rows_) {
        width = std::max(width, row.Width());
        height += row.Height();
    }
    SetSize(width, ClampedSum(height, 0));
}

void FretBoard::Load(const SettingsStore& store, QStringView basePath)
{
    using namespace board_keys;
    using namespace board_limits;
    rows_.clear();
    int stringCount = ReadBounded(store, Join(basePath, kNumSnares),
        static_cast<int>(kDefaultTuning.size()), kMinStrings, kMaxStrings);
    isChordBoard_ = ReadOr(store, Join(basePath, kIsChordBoard), 0) != 0;
    const bool fretRow = ReadOr(store, Join(basePath, kStrings), 1) == 1;

    const int defaultStringCount = static_cast<int>(kDefaultTuning.size());
    bool defaultTuning = false;
    bool lastOrientationStored = true;
    for (int k = 0; k < stringCount; ++k) {
        const QString rowPath = RowPath(basePath, k);
        const std::optional<std::int32_t> storedOrientation =
            store.ReadInt(Join(rowPath, kOrientation));
        int orientation = k == 0 ? kTopString : k == stringCount - 1 ? kBottomString : kInnerString;
        if (storedOrientation)
            orientation = *storedOrientation;

        int openNote = kDefaultTuning[0];
        if (!defaultTuning) {
            const int stored = ReadBounded(store, Join(rowPath, kOpenSnare), -1, 0, kMaxOpenNote);
            if (stored < 0) {
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
            } else {
                openNote = stored;
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
        const QString fretsPath =
            stringCount > 0 ? RowPath(basePath, stringCount - 1) : Join(basePath, kStrings);
        row.Load(store, fretsPath);
        AppendRow(std::move(row));
    }
    Layout();
}

void FretBoard::Save(SettingsStore& store, QStringView basePath) const
{
    using namespace board_keys;
    store.WriteInt(Join(basePath, kNumSnares), std::max(StringCount(), 0));
    store.WriteInt(Join(basePath, kIsChordBoard), isChordBoard_ ? 1 : 0);
    const bool hasFretRow = std::any_of(rows_.begin(), rows_.end(),
        [](const StringRow& row) { return row.Orientation() == kFretNumberRow; });
    store.WriteInt(Join(basePath, kStrings), hasFretRow ? 1 : 0);
    for (int k = 0; k < RowCount(); ++k)
        rows_[static_cast<std::size_t>(k)].Save(store, RowPath(basePath, k));
}

void FretBoard::SetNotifier(SceneNotifier* notifier)
{
    DrawableItem::SetNotifier(notifier);
    for (StringRow& row : rows_)
        row.SetNotifier(notifier);
}

}  // namespace guivarna::board
