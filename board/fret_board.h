#pragma once

#include "settings/settings_store.h"

#include "board/string_row.h"
#include "theory/hand/finger_assignment.h"
#include "theory/notes/instrument_limits.h"
#include "theory/notes/notes.h"
#include "theory/search/chord_fingering.h"

#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace guivarna::board {

// Standard tuning, highest string first (E B G D A E).
inline constexpr std::array<int, 6> kDefaultTuning = [] {
    std::array<int, 6> tuning{};
    for (std::size_t i = 0; i < tuning.size(); ++i)
        tuning[i] = static_cast<int>(theory::kStandardTuningNotes[i]);
    return tuning;
}();

// One fretboard: rows 0 .. n-1 are the strings (highest first by default), the last row carries
// the fret numbers. The board sits at its offset on the sheet, which it reports as its home.
class FretBoard : public DrawableItem {
public:
    explicit FretBoard(int index = 0, int offsetX = 0, int offsetY = 0);

    int Index() const { return index_; }
    QPoint Offset() const { return {offsetX_, offsetY_}; }
    // Moves the board's home on the sheet and lays the rows out there.
    void SetOffset(QPoint offset);
    bool IsChordBoard() const { return isChordBoard_; }
    void SetChordBoard(bool chordBoard) { isChordBoard_ = chordBoard; }

    // The rows before the fret-number row (all rows when the board has none; -1 without rows).
    int StringCount() const;
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Bounds-tested: std::out_of_range outside 0 .. RowCount() - 1.
    StringRow& Row(int index);
    const StringRow& Row(int index) const;
    const std::vector<StringRow>& Rows() const { return rows_; }

    // Row 0's cell count and highest note.
    int FretCount() const;
    int HighestNote() const;
    // The open note of the last string (row StringCount() - 1).
    int LastStringOpenNote() const;
    // Append one entry per string, top row first; return the string count.
    int OpenNotes(std::vector<int>& notes) const;
    int OpenNoteNames(QStringList& names) const;
    // Appends, per string in row order, the notes of its cells.
    void NoteGrid(std::vector<std::vector<int>>& grid) const;

    // Row i takes tuning[i] as its open note, for every row the list reaches.
    void SetTuning(const std::vector<int>& tuning);
    // Rebuilds the strings: one per open note (string 1 first), each with `positions` cells, the
    // open string included. Every other look (cell size, colours, line width, note names, the
    // fret-number row) is kept; a new string looks like the old last one. Marks are gone
    // afterwards. Throws std::invalid_argument for 0 or more than 24 strings, positions outside
    // 1..49 or an open note outside 0..127, and then changes nothing.
    void SetStrings(const std::vector<int>& openNotes, int positions);

    // Left-handed boards are mirrored left to right: open strings at the right, fret numbers
    // running right to left. Clicks and every picture follow, since the cells themselves move.
    bool LeftHanded() const { return leftHanded_; }
    void SetLeftHanded(bool leftHanded);
    // Marks show the finger that holds them instead of their note name (see Hand).
    bool ShowFingers() const { return showFingers_; }
    void SetShowFingers(bool on) { showFingers_ = on; }
    // How a hand holds the marks: one entry per string, string 1 first (kNotPlayed for a string
    // without a mark). Unplayable when a string has more than one mark or no string has any.
    theory::Hand HeldShape() const;
    // Digits to show in marks instead of the fingers of HeldShape, with ShowFingers on: one per
    // (string row, fret), as a scale position is fingered. Clear() forgets them.
    void SetMarkFingers(std::map<std::pair<int, int>, int> fingers);
    const std::map<std::pair<int, int>, int>& MarkFingers() const { return markFingers_; }
    // Unmarks every row, the fret-number row included, and forgets the root pitch class.
    void Clear();
    // The pitch class (0..11) whose marks are drawn as roots; -1 (the default): none.
    void SetRootPitchClass(theory::PitchClass pitchClass);
    theory::PitchClass RootPitchClass() const { return rootPitchClass_; }
    // True when the cell's note is of the root pitch class.
    bool IsRootNote(int note) const;
    // The marked positions of the strings as (string row, fret), from the highest string down
    // and frets ascending; the fret-number row is left out.
    std::vector<std::pair<int, int>> MarkedPositions() const;
    void SetDotColour(std::uint32_t argb);
    // Clears the board, then marks fret j of every listed row whose note openNote + j equals
    // one of the notes exactly (no octave folding). Row indices are bounds-tested.
    void ShowExactNotes(const std::vector<int>& rows, const std::vector<int>& notes);
    // Clears the board, then marks the fingering's fret on each of its strings (string 1 is
    // row 0). Throws std::out_of_range for a string or fret the board does not have.
    void ShowFingering(const theory::ChordFingering& fingering);

    // Places the board at (x, y) and lays the rows out downwards from there.
    void SetPosition(double x, double y) override;
    QPoint Home() const override { return Offset(); }

    int OnClick(const DeviceMapping& mapping, QPoint devicePoint) override;
    // The first row hit takes the click; a hit on the fret-number row is ignored (0). The note of
    // the cell hit is stored in *hitNote. Returns the cell's mark after the click. sceneOffset
    // is where the board is drawn relative to where it lies (see DrawableItem::HitTest).
    int Click(
        const DeviceMapping& mapping, QPoint devicePoint, int* hitNote, QPoint sceneOffset = {});

    // Adds a row at the bottom and passes the board's notifier on to it; call Layout afterwards.
    void AppendRow(StringRow row);
    // Places the rows from the offset downwards; width = widest row, height = sum of heights.
    void Layout();

    // Storage (fret_board_storage.cpp).
    // Builds the rows from the settings below basePath ("\FretBoards\FretBoard<i>\").
    void Load(const settings::SettingsStore& store, QStringView basePath);
    // Writes the board's own values and every row (CustomOffset and offsets excluded).
    void Save(settings::SettingsStore& store, QStringView basePath) const;

    void SetNotifier(SceneNotifier* notifier) override;

private:
    int WidestRow() const;

    int index_;
    int offsetX_;
    int offsetY_;
    bool isChordBoard_ = false;
    bool leftHanded_ = false;
    bool showFingers_ = false;
    theory::PitchClass rootPitchClass_ = theory::kNoPitchClass;
    std::map<std::pair<int, int>, int> markFingers_;
    std::vector<StringRow> rows_;
};

}  // namespace guivarna::board
