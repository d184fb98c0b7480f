#include "board/cell_cursor.h"

#include "board/board_collection.h"

#include <algorithm>

namespace guivarna::board {

CellCursor ClampCursor(const BoardCollection& boards, CellCursor cursor)
{
    if (boards.BoardCount() == 0)
        return cursor;
    cursor.board = std::clamp(cursor.board, 0, boards.BoardCount() - 1);
    const FretBoard& board = boards.Board(cursor.board);
    const int strings = board.StringCount();
    if (strings <= 0)
        return cursor;
    cursor.row = std::clamp(cursor.row, 0, strings - 1);
    const int cells = board.Row(cursor.row).CellCount();
    cursor.fret = cells > 0 ? std::clamp(cursor.fret, 0, cells - 1) : 0;
    return cursor;
}

CellCursor MoveCursor(const BoardCollection& boards, CellCursor cursor, CursorMove move)
{
    cursor = ClampCursor(boards, cursor);
    if (boards.BoardCount() == 0 || boards.Board(cursor.board).StringCount() <= 0)
        return cursor;
    const FretBoard& board = boards.Board(cursor.board);
    // On a mirrored board the frets run right to left on the screen.
    const int towardsRight = board.LeftHanded() ? -1 : 1;
    switch (move) {
    case CursorMove::Left:
        cursor.fret -= towardsRight;
        break;
    case CursorMove::Right:
        cursor.fret += towardsRight;
        break;
    case CursorMove::Up:
        --cursor.row;
        break;
    case CursorMove::Down:
        ++cursor.row;
        break;
    case CursorMove::Nut:
        cursor.fret = 0;
        break;
    case CursorMove::LastFret:
        cursor.fret = board.Row(cursor.row).CellCount() - 1;
        break;
    case CursorMove::FirstString:
        cursor.row = 0;
        break;
    case CursorMove::LastString:
        cursor.row = board.StringCount() - 1;
        break;
    }
    return ClampCursor(boards, cursor);
}

}  // namespace guivarna::board
