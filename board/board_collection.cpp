#include "board/board_collection.h"

#include "board/board_settings.h"
#include "theory/notes/music_theory.h"

#include <array>
#include <climits>
#include <stdexcept>

namespace guivarna::board {

namespace {

std::uint32_t PitchClass(qint64 note)
{
    return static_cast<std::uint32_t>(note) % 12u;
}

// Gives every string position whose pitch class is wanted the marked state.
void SetPitchClassDots(FretBoard& board, const std::array<bool, 12>& wanted, bool marked)
{
    for (int s = 0; s < board.StringCount(); ++s) {
        StringRow& row = board.Row(s);
        for (int fret = 0; fret < row.CellCount(); ++fret) {
            if (wanted[PitchClass(qint64(row.OpenNote()) + fret)])
                row.SetDot(fret, marked);
        }
    }
}

}  // namespace

BoardCollection::~BoardCollection()
{
    if (!store_)
        return;
    try {
        Save(*store_);
        store_->Sync();
    } catch (...) {
        // Settings that cannot be written are given up; exit must go on.
    }
}

FretBoard& BoardCollection::Board(int index)
{
    return boards_.at(static_cast<std::size_t>(index));
}

const FretBoard& BoardCollection::Board(int index) const
{
    return boards_.at(static_cast<std::size_t>(index));
}

int BoardCollection::OpenNotes(int board, std::vector<int>& notes) const
{
    return Board(board).OpenNotes(notes);
}

int BoardCollection::OpenNoteNames(int board, QStringList& names) const
{
    return Board(board).OpenNoteNames(names);
}

void BoardCollection::NoteGrid(int board, std::vector<std::vector<int>>& grid) const
{
    Board(board).NoteGrid(grid);
}

void BoardCollection::SetTuning(int board, const std::vector<int>& tuning)
{
    Board(board).SetTuning(tuning);
}

void BoardCollection::Clear(int board)
{
    Board(board).Clear();
}

void BoardCollection::ShowFingering(int board, const theory::ChordFingering& fingering)
{
    Board(board).ShowFingering(fingering);
}

void BoardCollection::SelectAllOccurrences(int note, bool marked)
{
    std::array<bool, 12> wanted{};
    wanted[PitchClass(note)] = true;
    SetPitchClassDots(FirstBoard(), wanted, marked);
}

void BoardCollection::ShowPitchClasses(int board, const std::vector<theory::Note>& notes)
{
    FretBoard& target = Board(board);
    target.Clear();
    std::array<bool, 12> wanted{};
    for (theory::Note note : notes)
        wanted[note % 12u] = true;
    SetPitchClassDots(target, wanted, true);
}

void BoardCollection::ShowArpeggio(bool on, const theory::MusicTheory& theory)
{
    if (on)
        ShowPitchClasses(kScaleBoard, theory.GetNotes(false));
    else
        Clear(kScaleBoard);
}

void BoardCollection::ShowExactNotes(
    int board, const std::vector<int>& rows, const std::vector<int>& notes)
{
    Board(board).ShowExactNotes(rows, notes);
}

void BoardCollection::SetChordBoardDotColour(std::uint32_t argb)
{
    Board(kChordBoard).SetDotColour(argb);
    InvalidateAll();
}

void BoardCollection::SetScaleBoardDotColour(std::uint32_t argb)
{
    Board(kScaleBoard).SetDotColour(argb);
    InvalidateAll();
}

int BoardCollection::Click(const DeviceMapping& mapping, QPoint devicePoint, QPoint sheetOrigin)
{
    for (FretBoard& board : boards_) {
        const QPoint offset = sheetOrigin + board.Home() - board.Position();
        if (!board.HitTest(mapping, devicePoint, offset))
            continue;
        const int result = board.Click(mapping, devicePoint, &lastClickedNote_, offset);
        if (selectAllOnClick_)
            SelectAllOccurrences(lastClickedNote_, result != 0);
        return result;
    }
    return 0;
}

int BoardCollection::ClickCell(int board, int row, int fret)
{
    FretBoard& target = Board(board);
    if (row < 0 || row >= target.StringCount() || target.Row(row).Orientation() == kFretNumberRow)
        throw std::out_of_range("no string row");
    FretCell& cell = target.Row(row).Cell(fret);
    lastClickedNote_ = cell.Note();
    const int result = cell.OnClick(DeviceMapping(), QPoint());
    if (selectAllOnClick_)
        SelectAllOccurrences(lastClickedNote_, result != 0);
    return result;
}

bool BoardCollection::CellAt(const DeviceMapping& mapping, QPoint devicePoint, QPoint sheetOrigin,
    int& board, int& row, int& fret) const
{
    for (int b = 0; b < BoardCount(); ++b) {
        const FretBoard& candidate = boards_[static_cast<std::size_t>(b)];
        const QPoint offset = sheetOrigin + candidate.Home() - candidate.Position();
        if (!candidate.HitTest(mapping, devicePoint, offset))
            continue;
        for (int r = 0; r < candidate.RowCount(); ++r) {
            const StringRow& string = candidate.Row(r);
            if (!string.HitTest(mapping, devicePoint, offset))
                continue;
            if (string.Orientation() == kFretNumberRow)
                return false;
            for (int f = 0; f < string.CellCount(); ++f) {
                if (string.Cell(f).HitTest(mapping, devicePoint, offset)) {
                    board = b;
                    row = r;
                    fret = f;
                    return true;
                }
            }
            return false;
        }
        return false;
    }
    return false;
}

int BoardCollection::InvalidateAll()
{
    for (FretBoard& board : boards_)
        board.Invalidate();
    return BoardCount();
}

void BoardCollection::SetNotifier(SceneNotifier* notifier)
{
    notifier_ = notifier;
    for (FretBoard& board : boards_)
        board.SetNotifier(notifier);
}

void BoardCollection::Load(settings::SettingsStore& store)
{
    using namespace settings::board_keys;
    boards_.clear();
    customOffset_.clear();
    const int count = Read(store, kBoardCount);
    QPoint offset(0, 10);
    for (int i = 0; i < count; ++i) {
        const QString basePath = BoardPath(i);
        const bool custom = store.ReadInt(settings::Join(basePath, kCustomOffset)).has_value();
        customOffset_.push_back(custom);
        if (custom) {
            offset.setX(Read(store, kOffsetX, basePath));
            offset.setY(Read(store, kOffsetY, basePath));
        } else if (i == kScaleBoard) {
            offset = QPoint(0, 10);
        } else if (i == kChordBoard) {
            offset = QPoint(0, 500);
        }
        // Later boards without CustomOffset keep the offset of the board before them.
        FretBoard board(i, offset.x(), offset.y());
        board.SetNotifier(notifier_);
        board.Load(store, basePath);
        boards_.push_back(std::move(board));
    }
    boards_.at(kChordBoard).SetChordBoard(true);
    showFingers_ = Read(store, kShowFingers);
    for (FretBoard& board : boards_)
        board.SetShowFingers(showFingers_);
    leftHanded_ = Read(store, kLeftHanded);
    for (FretBoard& board : boards_)
        board.SetLeftHanded(leftHanded_);
    KeepBoardsApart();
    store_ = &store;
}

void BoardCollection::Save(settings::SettingsStore& store) const
{
    using namespace settings::board_keys;
    // Thousands of values: the store checks once that it can be written.
    const settings::SettingsStore::WriteBatch batch(store);
    Write(store, kBoardCount, BoardCount());
    Write(store, kLeftHanded, leftHanded_);
    Write(store, kShowFingers, showFingers_);
    for (int i = 0; i < BoardCount(); ++i) {
        const FretBoard& board = boards_[static_cast<std::size_t>(i)];
        const QString basePath = BoardPath(i);
        Write(store, kOffsetX, board.Offset().x(), basePath);
        Write(store, kOffsetY, board.Offset().y(), basePath);
        board.Save(store, basePath);
    }
}

theory::Instrument BoardCollection::CurrentInstrument() const
{
    theory::Instrument instrument;
    const FretBoard& board = Board(kChordBoard);
    std::vector<int> openNotes;
    board.OpenNotes(openNotes);
    instrument.openNotes.assign(openNotes.begin(), openNotes.end());
    instrument.positions = board.StringCount() > 0 ? board.FretCount() : 0;
    instrument.leftHanded = leftHanded_;
    return instrument;
}

void BoardCollection::ApplyInstrument(const theory::Instrument& instrument)
{
    if (const std::optional<std::string> problem = theory::InstrumentProblem(instrument))
        throw std::invalid_argument(*problem);
    const std::vector<int> openNotes(instrument.openNotes.begin(), instrument.openNotes.end());
    for (FretBoard& board : boards_) {
        board.Invalidate();  // the old extent must be repainted too
        board.SetStrings(openNotes, instrument.positions);
    }
    SetLeftHanded(instrument.leftHanded);
    KeepBoardsApart();
}

void BoardCollection::KeepBoardsApart()
{
    // The gap the default offsets leave above the ScaleBoard.
    constexpr int kGap = 10;
    const auto chord = static_cast<std::size_t>(kChordBoard);
    if (boards_.size() <= chord || customOffset_.size() <= chord || customOffset_[chord])
        return;
    const FretBoard& above = boards_[chord - 1];
    const qint64 free = qint64(above.Offset().y()) + above.Height() + kGap;
    FretBoard& board = boards_[chord];
    if (board.Offset().y() < free)
        board.SetOffset(QPoint(board.Offset().x(), int(std::min<qint64>(free, INT_MAX))));
}

void BoardCollection::SetShowFingers(bool on)
{
    showFingers_ = on;
    for (FretBoard& board : boards_) {
        board.SetShowFingers(on);
        board.Invalidate();
    }
}

void BoardCollection::SetLeftHanded(bool leftHanded)
{
    leftHanded_ = leftHanded;
    for (FretBoard& board : boards_)
        board.SetLeftHanded(leftHanded);
}

}  // namespace guivarna::board
