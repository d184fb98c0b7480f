#include "board/string_row.h"

#include "board/board_settings.h"
#include "theory/notes/notes.h"

#include <algorithm>
#include <limits>

namespace guivarna::board {

namespace {

// a + b * c clamped to the int range.
int Offset(int a, int b, int c)
{
    const qint64 v = qint64(a) + qint64(b) * qint64(c);
    return static_cast<int>(
        std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The flags of a cell seen in a mirror: left lines become right lines and back.
int MirroredLineFlags(int flags)
{
    const int left = flags & (kLeftUpperLine | kLeftLowerLine);
    const int right = flags & (kRightUpperLine | kRightLowerLine);
    return (flags & ~(left | right)) | (left << 2) | (right >> 2);
}

}  // namespace

StringRow::StringRow(int orientation, int openNote) : openNote_(openNote), orientation_(orientation)
{
}

int StringRow::LineFlagsFor(int kind, bool last)
{
    switch (kind) {
    case kTopString:
        return last ? 0x1A : 0x12;
    case kInnerString:
        return last ? 0x1F : 0x13;
    case kBottomString:
        return last ? 0x15 : 0x11;
    case kFretNumberRow:
        return kFretLabel;
    default:
        return 0;
    }
}

void StringRow::SetOrientation(int orientation)
{
    orientation_ = orientation;
    UpdateLineFlags();
}

int StringRow::HighestNote() const
{
    return numFrets_ + openNote_ - 1;
}

FretCell& StringRow::Cell(int fret)
{
    return cells_.at(static_cast<std::size_t>(fret));
}

const FretCell& StringRow::Cell(int fret) const
{
    return cells_.at(static_cast<std::size_t>(fret));
}

void StringRow::SetOpenNote(int note)
{
    openNote_ = note;
    Renumber();
}

void StringRow::Renumber()
{
    for (std::size_t i = 0; i < cells_.size(); ++i)
        cells_[i].SetNote(Offset(openNote_, static_cast<int>(i), 1));
}

void StringRow::SetDot(int fret, bool marked)
{
    Cell(fret).SetMarked(marked ? 1 : 0);
}

void StringRow::Clear()
{
    for (FretCell& cell : cells_)
        cell.SetMarked(0);
}

void StringRow::AppendNotes(std::vector<int>& notes) const
{
    for (std::size_t i = 0; i < cells_.size(); ++i)
        notes.push_back(Offset(openNote_, static_cast<int>(i), 1));
}

QString StringRow::OpenNoteName() const
{
    return QString::fromStdString(theory::NoteName(static_cast<std::uint32_t>(openNote_)));
}

void StringRow::SetDotColour(std::uint32_t argb)
{
    for (FretCell& cell : cells_)
        cell.SetDotColour(argb);
}

CellStyle StringRow::Style() const
{
    return cells_.empty() ? CellStyle{} : cells_.front().Style();
}

void StringRow::SetMirrored(bool mirrored)
{
    mirrored_ = mirrored;
    UpdateLineFlags();
}

void StringRow::MoveTo(QPoint point)
{
    DrawableItem::MoveTo(point);
    const int count = static_cast<int>(cells_.size());
    for (int i = 0; i < count; ++i) {
        const int place = mirrored_ ? count - 1 - i : i;
        cells_[static_cast<std::size_t>(i)].MoveTo(
            QPoint(Offset(point.x(), place, fretWidth_), point.y()));
    }
}

int StringRow::OnClick(const DeviceMapping& mapping, QPoint devicePoint)
{
    return Click(mapping, devicePoint, nullptr);
}

int StringRow::Click(
    const DeviceMapping& mapping, QPoint devicePoint, int* hitNote, QPoint sceneOffset)
{
    for (FretCell& cell : cells_) {
        if (cell.HitTest(mapping, devicePoint, sceneOffset)) {
            if (hitNote)
                *hitNote = cell.Note();
            return cell.OnClick(mapping, devicePoint);
        }
    }
    return 0;
}

void StringRow::BuildCells(
    int numFrets, int fretWidth, int fretHeight, bool showNotes, const CellStyle& style)
{
    numFrets_ = std::max(numFrets, 0);
    fretWidth_ = fretWidth;
    fretHeight_ = fretHeight;
    showNotes_ = showNotes;
    SetSize(Offset(0, numFrets_, fretWidth_), fretHeight_);

    cells_.clear();
    cells_.reserve(static_cast<std::size_t>(numFrets_));
    for (int i = 0; i < numFrets_; ++i) {
        FretCell cell(Offset(openNote_, i, 1));
        cell.SetStyle(style);
        cell.SetLabel(QString::number(i));
        cell.SetDotStyle((i == 0 ? kHollowDot : kFilledDot) | (showNotes ? kNoteNameInDot : 0));
        cell.SetRect(Offset(X(), i + 1, fretWidth_), Y(), fretWidth_, fretHeight_);
        cell.SetNotifier(Notifier());
        cells_.push_back(std::move(cell));
    }
    UpdateLineFlags();
}

void StringRow::Load(const settings::SettingsStore& store, QStringView rowPath)
{
    using namespace settings::board_keys;
    // Every cell reads the same colour path, so the values are read once for the row.
    const CellStyle style = FretCell::ReadStyle(store, settings::Join(rowPath, kFrets));
    BuildCells(Read(store, kNumberOfFrets, rowPath), Read(store, kFretWidth, rowPath),
        Read(store, kFretHeight, rowPath), Read(store, kShowNotes, rowPath), style);
}

void StringRow::Save(settings::SettingsStore& store, QStringView rowPath) const
{
    using namespace settings::board_keys;
    Write(store, kOrientation, orientation_, rowPath);
    Write(store, kOpenSnare, openNote_, rowPath);
    Write(store, kNumberOfFrets, numFrets_, rowPath);
    Write(store, kFretWidth, fretWidth_, rowPath);
    Write(store, kFretHeight, fretHeight_, rowPath);
    Write(store, kShowNotes, showNotes_, rowPath);
    // Every cell of a row shares one colour path, where the last cell written wins; writing
    // that cell alone stores the same and spares a save of the largest boards nearly 90 000
    // writes.
    if (!cells_.empty())
        cells_.back().SaveColours(store, settings::Join(rowPath, kFrets));
}

void StringRow::SetNotifier(SceneNotifier* notifier)
{
    DrawableItem::SetNotifier(notifier);
    for (FretCell& cell : cells_)
        cell.SetNotifier(notifier);
}

void StringRow::UpdateLineFlags()
{
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const int kind = i == 0 ? kOpenColumn : orientation_;
        int flags = LineFlagsFor(kind, static_cast<int>(i) == numFrets_ - 1);
        if (mirrored_)
            flags = MirroredLineFlags(flags);
        cells_[i].SetLineFlags(flags);
    }
}

}  // namespace guivarna::board
