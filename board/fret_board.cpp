#include "board/fret_board.h"

#include "board/board_settings.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

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

void FretBoard::SetOffset(QPoint offset)
{
    offsetX_ = offset.x();
    offsetY_ = offset.y();
    Layout();
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
    rootPitchClass_ = theory::kNoPitchClass;
    markFingers_.clear();
}

void FretBoard::SetMarkFingers(std::map<std::pair<int, int>, int> fingers)
{
    markFingers_ = std::move(fingers);
    Invalidate();
}

void FretBoard::SetRootPitchClass(theory::PitchClass pitchClass)
{
    rootPitchClass_ = pitchClass >= 0 && pitchClass < theory::kPitchClassCount
        ? pitchClass
        : theory::kNoPitchClass;
    Invalidate();
}

bool FretBoard::IsRootNote(int note) const
{
    return rootPitchClass_ >= 0 && note >= 0 && note % 12 == rootPitchClass_;
}

std::vector<std::pair<int, int>> FretBoard::MarkedPositions() const
{
    std::vector<std::pair<int, int>> marked;
    for (int row = 0; row < StringCount(); ++row) {
        const std::vector<FretCell>& cells = rows_[static_cast<std::size_t>(row)].Cells();
        for (std::size_t fret = 0; fret < cells.size(); ++fret) {
            if (cells[fret].Marked() != 0)
                marked.emplace_back(row, static_cast<int>(fret));
        }
    }
    return marked;
}

theory::Hand FretBoard::HeldShape() const
{
    const int strings = StringCount();
    if (strings <= 0 || strings > theory::kMaxStrings)
        return {};
    std::vector<int> frets(static_cast<std::size_t>(strings), theory::kNotPlayed);
    bool any = false;
    for (const auto& [row, fret] : MarkedPositions()) {
        int& f = frets[static_cast<std::size_t>(row)];
        if (f != theory::kNotPlayed)
            return {};
        f = fret;
        any = true;
    }
    return any ? theory::AssignFingers(frets) : theory::Hand{};
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

void FretBoard::ShowFingering(const theory::ChordFingering& fingering)
{
    Clear();
    for (std::size_t k = 0; k < fingering.StringSet.size(); ++k) {
        // String 0 and values beyond the int range become negative indices, which fail the
        // bounds test like any missing row or fret.
        const auto row = static_cast<int>(fingering.StringSet[k] - 1u);
        const auto fret = static_cast<int>(fingering.FretBoardPosition.at(k));
        Row(row).SetDot(fret, true);
    }
}

void FretBoard::SetPosition(double x, double y)
{
    DrawableItem::SetPosition(x, y);
    QPoint point = Position();
    // Left-handed rows end at the board's right edge, where their open strings are.
    const int width = WidestRow();
    for (StringRow& row : rows_) {
        const int shift = leftHanded_ ? width - row.Width() : 0;
        row.MoveTo(QPoint(ClampedSum(point.x(), shift), point.y()));
        point.setY(ClampedSum(point.y(), row.FretHeight()));
    }
}

void FretBoard::SetLeftHanded(bool leftHanded)
{
    leftHanded_ = leftHanded;
    for (StringRow& row : rows_)
        row.SetMirrored(leftHanded);
    Layout();
    Invalidate();
}

void FretBoard::SetStrings(const std::vector<int>& openNotes, int positions)
{
    using namespace settings::board_keys;
    if (openNotes.empty() || openNotes.size() > std::size_t(kMaxStrings))
        throw std::invalid_argument("a board has 1 to 24 strings");
    if (positions < kMinFrets || positions > kMaxFrets)
        throw std::invalid_argument("a string has 1 to 49 fret positions");
    for (int note : openNotes) {
        if (note < 0 || note > kMaxOpenNote)
            throw std::invalid_argument("an open note lies outside 0 to 127");
    }

    // New strings look like the old string in their place, or like the old last string.
    const std::vector<StringRow> old = std::move(rows_);
    rows_.clear();
    const bool hadFretRow = !old.empty() && old.back().Orientation() == kFretNumberRow;
    const std::size_t oldStrings = old.size() - (hadFretRow ? 1 : 0);
    const auto rebuild = [&](StringRow& row, const StringRow* model) {
        if (model == nullptr) {
            row.BuildCells(positions, StringRow::kDefaultFretWidth, StringRow::kDefaultFretHeight,
                kShowNotes.fallback);
        } else {
            row.BuildCells(positions, model->FretWidth(), model->FretHeight(), model->ShowNotes(),
                model->Style());
        }
    };
    const int count = static_cast<int>(openNotes.size());
    for (int k = 0; k < count; ++k) {
        const int orientation = k == 0 ? kTopString : k == count - 1 ? kBottomString : kInnerString;
        StringRow row(orientation, openNotes[static_cast<std::size_t>(k)]);
        const std::size_t modelIndex = std::min<std::size_t>(std::size_t(k), oldStrings - 1);
        rebuild(row, oldStrings > 0 ? &old[modelIndex] : nullptr);
        AppendRow(std::move(row));
    }
    if (hadFretRow) {
        StringRow row(kFretNumberRow, 0);
        rebuild(row, &old.back());
        AppendRow(std::move(row));
    }
    Layout();
}

int FretBoard::OnClick(const DeviceMapping& mapping, QPoint devicePoint)
{
    return Click(mapping, devicePoint, nullptr);
}

int FretBoard::Click(
    const DeviceMapping& mapping, QPoint devicePoint, int* hitNote, QPoint sceneOffset)
{
    for (StringRow& row : rows_) {
        if (row.HitTest(mapping, devicePoint, sceneOffset)) {
            if (row.Orientation() == kFretNumberRow)
                return 0;
            return row.Click(mapping, devicePoint, hitNote, sceneOffset);
        }
    }
    return 0;
}

void FretBoard::AppendRow(StringRow row)
{
    row.SetNotifier(Notifier());
    row.SetMirrored(leftHanded_);
    rows_.push_back(std::move(row));
}

int FretBoard::WidestRow() const
{
    int width = 0;
    for (const StringRow& row : rows_)
        width = std::max(width, row.Width());
    return width;
}

void FretBoard::Layout()
{
    SetPosition(offsetX_, offsetY_);
    qint64 height = 0;
    for (const StringRow& row : rows_)
        height += row.Height();
    SetSize(WidestRow(), ClampedSum(height, 0));
}

void FretBoard::SetNotifier(SceneNotifier* notifier)
{
    DrawableItem::SetNotifier(notifier);
    for (StringRow& row : rows_)
        row.SetNotifier(notifier);
}

}  // namespace guivarna::board
