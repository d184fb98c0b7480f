#pragma once

#include "board/cell_cursor.h"

#include <functional>

class QAccessibleEvent;

namespace guivarna {

class KovaView;

// The boards as screen readers see them: the board view holds one table per board (named
// "ScaleBoard", "ChordBoard"), its rows the strings and its columns the frets, and each cell
// says where it is, its note and whether it is marked ("String 2, fret 1, C, marked"); a
// cell's press action clicks it. The view's interface is made by a factory the view installs.

// Also hands every event the boards send to a listener (nullptr: none), which hears them even
// where no accessibility bus is active, as on a test's offscreen screen.
void SetBoardEventListener(std::function<void(QAccessibleEvent&)> listener);

// Installs the factory once per program; harmless to call again.
void InstallBoardAccessibility();
// Whether anyone hears the boards' events (an active accessibility bus or the listener).
bool BoardEventsWanted();
// The cursor cell got the focus (sent only while the view has the focus).
void ReportCursor(KovaView& view);
// A cell's mark changed: the state-change and name-change events of its interface.
void ReportMarkChanged(KovaView& view, board::CellCursor cell);

}  // namespace guivarna
