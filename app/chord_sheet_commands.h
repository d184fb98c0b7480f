#pragma once

#include "app/command_table.h"
#include "theory/hand/chord_shape.h"
#include "theory/search/chord_fingering.h"

#include <QObject>

#include <vector>

namespace guivarna {

namespace board {
class FretBoard;
}

namespace calc {
class CalcWindow;
}

namespace sheet {
class ChordSheetWindow;
}

struct ProgramObjects;

// The way onto the chord sheet: "Add ChordBoard to chord sheet" takes the shape marked on the
// ChordBoard, "Add to chord sheet" the rows selected under "Chord formulas" (also from that
// list's context menu); each becomes a diagram
// named by its first traditional name and fingered as chord books do.
class ChordSheetCommands : public QObject {
    Q_OBJECT

public:
    ChordSheetCommands(ProgramObjects& objects, sheet::ChordSheetWindow& sheet,
        calc::CalcWindow& calculations, QObject* parent);

    std::vector<Command> Commands();

    // Adds the ChordBoard's marks; false (and a message) when nothing or more than one fret per
    // string is marked.
    bool AddChordBoard();
    // Adds search results found on the instrument of tuning (open notes, string 1 first), named
    // on the searched chord's root (a pitch class; -1 names them on their lowest note).
    void AddFingerings(const std::vector<theory::ChordFingering>& fingerings,
        const std::vector<int>& tuning, int preferredRoot = -1);

    // The diagrams of fret patterns (string 1 first) on tuning.
    static std::vector<theory::ChordShape> ShapesOn(const std::vector<int>& tuning,
        const std::vector<std::vector<int>>& patterns, int preferredRoot = -1);

private:
    // The board collection holds no boards until the view's first update.
    bool HasChordBoard() const;
    const board::FretBoard& ChordBoard() const;
    void ShowSheet();

    ProgramObjects& objects_;
    sheet::ChordSheetWindow& sheet_;
    calc::CalcWindow& calculations_;
};

}  // namespace guivarna
