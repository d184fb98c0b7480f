#include "app/chord_sheet_commands.h"

#include "app/program_objects.h"
#include "board/board_collection.h"
#include "board/fret_board.h"
#include "calc/calc_window.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "sheet/window/chord_sheet_window.h"
#include "theory/hand/finger_assignment.h"

namespace guivarna {

ChordSheetCommands::ChordSheetCommands(ProgramObjects& objects, sheet::ChordSheetWindow& sheet,
    calc::CalcWindow& calculations, QObject* parent)
    : QObject(parent), objects_(objects), sheet_(sheet), calculations_(calculations)
{
    connect(&calculations_, &calc::CalcWindow::AddToChordSheetRequested, this,
        [this](const std::vector<theory::ChordFingering>& fingerings) {
            const int selected = calculations_.SelectedChordCount();
            // The list's own instrument: the ChordBoard may show another one by now.
            const std::vector<theory::Note> tuning = calculations_.ChordListTuning();
            AddFingerings(fingerings, std::vector<int>(tuning.begin(), tuning.end()),
                calculations_.ChordListRoot());
            if (selected > static_cast<int>(fingerings.size())) {
                sheet_.Dialogs().tell(false,
                    Text(strings::kSheetOnlyFirst)
                        .arg(static_cast<int>(fingerings.size()))
                        .arg(selected));
            }
        });
}

std::vector<Command> ChordSheetCommands::Commands()
{
    return {
        {CommandId::AddChordBoardToSheet, MenuId::ChordBoard, strings::kCmdAddChordBoardToSheet,
            "Ctrl+Shift+D", [this] { AddChordBoard(); },
            [this] { return HasChordBoard() && !ChordBoard().MarkedPositions().empty(); }},
        {CommandId::AddToChordSheet, MenuId::ChordBoard, strings::kCmdAddToChordSheet,
            "Ctrl+Shift+A", [this] { calculations_.AddSelectionToChordSheet(); },
            [this] { return calculations_.CanAddToChordSheet(); }},
    };
}

std::vector<theory::ChordShape> ChordSheetCommands::ShapesOn(const std::vector<int>& tuning,
    const std::vector<std::vector<int>>& patterns, int preferredRoot)
{
    const std::vector<theory::Note> notes(tuning.begin(), tuning.end());
    std::vector<theory::ChordShape> shapes;
    shapes.reserve(patterns.size());
    for (const std::vector<int>& frets : patterns)
        shapes.push_back(
            theory::ShapeFromFrets(frets, tuning, theory::ShapeName(frets, notes, preferredRoot)));
    return shapes;
}

bool ChordSheetCommands::AddChordBoard()
{
    if (!HasChordBoard())
        return false;
    const board::FretBoard& board = ChordBoard();
    std::vector<int> frets(static_cast<std::size_t>(board.StringCount()), theory::kNotPlayed);
    const auto marks = board.MarkedPositions();
    if (marks.empty()) {
        sheet_.Dialogs().tell(false, Text(strings::kSheetNothingMarked));
        return false;
    }
    for (const auto& [row, fret] : marks) {
        int& f = frets[static_cast<std::size_t>(row)];
        if (f != theory::kNotPlayed) {
            sheet_.Dialogs().tell(false, Text(strings::kSheetTwoMarks).arg(row + 1));
            return false;
        }
        f = fret;
    }
    std::vector<int> tuning;
    board.OpenNotes(tuning);
    ShowSheet();
    sheet_.Add(ShapesOn(tuning, {frets}));
    return true;
}

void ChordSheetCommands::AddFingerings(const std::vector<theory::ChordFingering>& fingerings,
    const std::vector<int>& tuning, int preferredRoot)
{
    const int strings = static_cast<int>(tuning.size());
    std::vector<std::vector<int>> patterns;
    patterns.reserve(fingerings.size());
    for (const theory::ChordFingering& fingering : fingerings)
        patterns.push_back(theory::FretsOfFingering(fingering, strings));
    ShowSheet();
    sheet_.Add(ShapesOn(tuning, patterns, preferredRoot));
}

bool ChordSheetCommands::HasChordBoard() const
{
    return objects_.boards.BoardCount() > board::BoardCollection::kChordBoard;
}

const board::FretBoard& ChordSheetCommands::ChordBoard() const
{
    return objects_.boards.Board(board::BoardCollection::kChordBoard);
}

void ChordSheetCommands::ShowSheet()
{
    if (!sheet_.isVisible())
        sheet_.show();
    sheet_.raise();
}

}  // namespace guivarna
