#pragma once

#include "board/fret_cell.h"
#include "settings/board_keys.h"
#include "settings/settings_store.h"

#include <QStringView>

#include <cstdint>
#include <vector>

namespace guivarna::board {

// The line pattern of a row's cells (stored as "Orientation"). kOpenColumn is never a row's
// orientation: it is the line kind of every row's cell 0.
enum RowOrientation : int {
    kTopString = 0,
    kInnerString = 1,
    kBottomString = 2,
    kOpenColumn = 3,
    kFretNumberRow = 4,
};

// One string of a board, or the board's last row that carries the fret numbers: an ordered list
// of cells where cell i is fret i (cell 0 is the open string) and has note openNote + i.
class StringRow : public DrawableItem {
public:
    static constexpr int kDefaultNumFrets = settings::board_keys::kNumberOfFrets.fallback;
    static constexpr int kDefaultFretWidth = settings::board_keys::kFretWidth.fallback;
    static constexpr int kDefaultFretHeight = settings::board_keys::kFretHeight.fallback;

    explicit StringRow(int orientation = kInnerString, int openNote = 0);

    // The lineFlags of a cell of the given line kind, last or not in its row.
    static int LineFlagsFor(int kind, bool last);

    int Orientation() const { return orientation_; }
    // Changes the orientation and gives the cells the matching lines.
    void SetOrientation(int orientation);
    bool ShowNotes() const { return showNotes_; }
    int NumFrets() const { return numFrets_; }
    int FretWidth() const { return fretWidth_; }
    int FretHeight() const { return fretHeight_; }

    int OpenNote() const { return openNote_; }
    // numFrets + openNote - 1.
    int HighestNote() const;
    int CellCount() const { return static_cast<int>(cells_.size()); }
    // Bounds-tested: std::out_of_range outside 0 .. CellCount() - 1.
    FretCell& Cell(int fret);
    const FretCell& Cell(int fret) const;
    const std::vector<FretCell>& Cells() const { return cells_; }

    // openNote := note and every cell i gets note + i; marks stay where they are.
    void SetOpenNote(int note);
    // Every cell i gets openNote + i.
    void Renumber();
    // Marks or unmarks one fret (bounds-tested), reporting the change.
    void SetDot(int fret, bool marked);
    // Unmarks every cell.
    void Clear();
    // Appends openNote + i for every cell i.
    void AppendNotes(std::vector<int>& notes) const;
    QString OpenNoteName() const;
    // Every cell's dot colour; reports nothing by itself.
    void SetDotColour(std::uint32_t argb);
    // The colours and line width the row's cells share (the defaults for a row without cells).
    CellStyle Style() const;

    // A mirrored row runs right to left: the open string at the right end, each cell's left and
    // right lines swapped. Texts are not mirrored. The cells move at the next MoveTo.
    bool Mirrored() const { return mirrored_; }
    void SetMirrored(bool mirrored);

    // Places the row and its cells at x + i * fretWidth (mirrored: from the right end).
    void MoveTo(QPoint point) override;

    int OnClick(const DeviceMapping& mapping, QPoint devicePoint) override;
    // The first cell hit takes the click; its note is stored in *hitNote (if given) whatever the
    // cell does. Returns the cell's mark after the click, 0 when no cell is hit.
    int Click(
        const DeviceMapping& mapping, QPoint devicePoint, int* hitNote, QPoint sceneOffset = {});

    // Replaces the cells: numFrets cells of the given size, labelled with their fret, hollow
    // dot for the open string and filled dots elsewhere (plus note names with showNotes), lines
    // by the line kind rule. Each cell starts one fret to the right of its final place until the
    // next MoveTo. numFrets <= 0 gives no cells.
    void BuildCells(
        int numFrets, int fretWidth, int fretHeight, bool showNotes, const CellStyle& style = {});

    // Reads the fret settings below rowPath and builds the cells.
    void Load(const settings::SettingsStore& store, QStringView rowPath);
    void Save(settings::SettingsStore& store, QStringView rowPath) const;

    void SetNotifier(SceneNotifier* notifier) override;

private:
    void UpdateLineFlags();

    std::vector<FretCell> cells_;
    int openNote_ = 0;
    bool showNotes_ = true;
    int numFrets_ = kDefaultNumFrets;
    int fretWidth_ = kDefaultFretWidth;
    int fretHeight_ = kDefaultFretHeight;
    int orientation_ = kInnerString;
    bool mirrored_ = false;
};

}  // namespace guivarna::board
