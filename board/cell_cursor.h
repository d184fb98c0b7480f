#pragma once

namespace guivarna::board {

class BoardCollection;

// The keyboard's place on the boards: one string cell of one board.
struct CellCursor {
    int board = 0;
    int row = 0;
    int fret = 0;
    bool operator==(const CellCursor&) const = default;
};

// The cursor's moves. Left and Right are directions on the screen: on a left-handed (mirrored)
// board Right goes towards the nut. Nut and LastFret are Home and End; FirstString and
// LastString the top and bottom string rows.
enum class CursorMove { Left, Right, Up, Down, Nut, LastFret, FirstString, LastString };

// The cursor after the move, kept on the strings of its board (the fret-number row is no
// target). A cursor off its board (boards rebuilt smaller) is brought back onto it first.
CellCursor MoveCursor(const BoardCollection& boards, CellCursor cursor, CursorMove move);
// The nearest cell of the boards to the cursor: board, row and fret each cut into their ranges.
// Without any string cell the cursor is returned unchanged.
CellCursor ClampCursor(const BoardCollection& boards, CellCursor cursor);

}  // namespace guivarna::board
