#pragma once

#include "board/fret_board.h"
#include "settings/settings_store.h"

#include "theory/notes/instrument.h"
#include "theory/notes/notes.h"
#include "theory/search/chord_fingering.h"

#include <QPointer>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace guivarna::theory {
class MusicTheory;
}

namespace guivarna::board {

// The program-wide owner of the fretboards: board 0 is the ScaleBoard, board 1 the ChordBoard.
// It loads them from the settings at start-up, routes clicks to the board under the pointer
// (optionally spreading a click to every position of its pitch class on the ScaleBoard) and
// shows fingerings, scales and arpeggios. Board indices are bounds-tested (std::out_of_range).
//
// The collection writes its boards back to the store it was loaded from when it is destroyed
// (that store must outlive it); a collection that was never loaded writes nothing.
class BoardCollection {
public:
    static constexpr int kScaleBoard = 0;
    static constexpr int kChordBoard = 1;

    BoardCollection() = default;
    ~BoardCollection();

    BoardCollection(const BoardCollection&) = delete;
    BoardCollection& operator=(const BoardCollection&) = delete;

    int BoardCount() const { return static_cast<int>(boards_.size()); }
    FretBoard& Board(int index);
    const FretBoard& Board(int index) const;
    FretBoard& FirstBoard() { return Board(kScaleBoard); }
    // The board with the highest index (the ChordBoard).
    FretBoard& LastBoard() { return Board(LastBoardIndex()); }
    // Board count - 1 (-1 without boards).
    int LastBoardIndex() const { return BoardCount() - 1; }

    int FretCount(int board) const { return Board(board).FretCount(); }
    int StringCount(int board) const { return Board(board).StringCount(); }
    QPoint Offset(int board) const { return Board(board).Offset(); }
    int LastStringOpenNote(int board) const { return Board(board).LastStringOpenNote(); }
    int HighestNote(int board) const { return Board(board).HighestNote(); }
    int OpenNotes(int board, std::vector<int>& notes) const;
    int OpenNoteNames(int board, QStringList& names) const;
    void NoteGrid(int board, std::vector<std::vector<int>>& grid) const;
    void SetTuning(int board, const std::vector<int>& tuning);

    void Clear(int board);
    // Clears the board, then marks fret FretBoardPosition[k] on row StringSet[k] - 1 for every
    // entry k. A string number without a row or a fret without a cell throws out_of_range.
    void ShowFingering(int board, const theory::ChordFingering& fingering);
    // Marks (or unmarks) every position of the note's pitch class on the ScaleBoard.
    void SelectAllOccurrences(int note, bool marked);
    // Clears the board and marks every position whose pitch class is one of the notes'.
    void ShowPitchClasses(int board, const std::vector<theory::Note>& notes);
    // On: the selected notes of the theory object as pitch classes on the ScaleBoard;
    // off: clears the ScaleBoard.
    void ShowArpeggio(bool on, const theory::MusicTheory& theory);
    // The board's exact-note marking (no octave folding).
    void ShowExactNotes(int board, const std::vector<int>& rows, const std::vector<int>& notes);

    // The instrument the ChordBoard shows (both boards show the same one after an apply).
    theory::Instrument CurrentInstrument() const;
    // Rebuilds every board with the instrument's strings and positions, keeping their looks,
    // and mirrors them for a left-handed player. Marks are cleared. Throws
    // std::invalid_argument for an instrument that cannot be built, changing nothing.
    void ApplyInstrument(const theory::Instrument& instrument);
    bool LeftHanded() const { return leftHanded_; }
    void SetLeftHanded(bool leftHanded);
    // The ChordBoard shows the finger of each mark (and its barres) instead of the note names.
    bool ShowFingers() const { return showFingers_; }
    void SetShowFingers(bool on);

    void SetChordBoardDotColour(std::uint32_t argb);
    void SetScaleBoardDotColour(std::uint32_t argb);

    // A click at a device point (scroll position included) on boards drawn at sheetOrigin plus
    // their homes (scene units): the first board hit handles it. With selectAllOnClick the result
    // spreads to the last clicked pitch class on the ScaleBoard, whichever board was hit. Returns
    // the clicked position's new mark, 0 when nothing took the click.
    int Click(const DeviceMapping& mapping, QPoint devicePoint, QPoint sheetOrigin = {});
    // The keyboard's click: what a click on the cell (board, string row, fret) does, spreading
    // included. A row that is not a string, or a fret the row does not have, throws out_of_range.
    int ClickCell(int board, int row, int fret);
    // The string cell under a device point, as Click finds it; false (and nothing written) when
    // the point is on no cell of a string.
    bool CellAt(const DeviceMapping& mapping, QPoint devicePoint, QPoint sheetOrigin, int& board,
        int& row, int& fret) const;
    int LastClickedNote() const { return lastClickedNote_; }
    bool SelectAllOnClick() const { return selectAllOnClick_; }
    void SetSelectAllOnClick(bool on) { selectAllOnClick_ = on; }

    // Reports every board as changed; returns the board count.
    int InvalidateAll();
    void InvalidateItem(DrawableItem& item) { item.Invalidate(); }
    // Every board, row and cell reports its changes here (nullptr: nobody).
    void SetNotifier(SceneNotifier* notifier);

    // Replaces the boards with those stored in store (always at least the ScaleBoard and the
    // ChordBoard) and remembers the store for the save at destruction.
    void Load(settings::SettingsStore& store);
    // Writes every board; failed writes are ignored.
    void Save(settings::SettingsStore& store) const;
    // Destroys every board.
    void DeleteAll() { boards_.clear(); }

private:
    // Moves the ChordBoard, unless its offset is stored, down below the ScaleBoard when that has
    // grown into it (instruments of many strings), so every cell stays clickable.
    void KeepBoardsApart();

    std::vector<FretBoard> boards_;
    // Boards whose offsets come from the settings ("CustomOffset") stay where the user put them.
    std::vector<bool> customOffset_;
    int lastClickedNote_ = 0;
    bool selectAllOnClick_ = false;
    bool leftHanded_ = false;
    bool showFingers_ = false;
    settings::SettingsStore* store_ = nullptr;
    QPointer<SceneNotifier> notifier_;
};

}  // namespace guivarna::board
