#pragma once

#include "app/command_table.h"
#include "theory/hand/chord_shape.h"
#include "theory/hand/scale_fingering.h"
#include "theory/notes/scale_catalogue.h"

#include <QObject>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace guivarna {

namespace output {
class AudioPlayer;
}
namespace sheet {
class ChordSheetWindow;
}

class KovaView;
struct ProgramObjects;

// The positions of the scale chosen under "Scale by name…" on the ScaleBoard's instrument:
// "Next position" and "Previous position" mark one position after the other (with "Show
// fingers" its fingers), "Play position" plays it up and back down, and the positions go onto
// the chord sheet as scale diagrams.
class ScalePositionCommands : public QObject {
    Q_OBJECT

public:
    ScalePositionCommands(ProgramObjects& objects, KovaView& view, sheet::ChordSheetWindow& sheet,
        QWidget* dialogParent);
    ~ScalePositionCommands() override;

    std::vector<Command> Commands();

    // The scale to step through in the system; position is an index into Positions() to mark
    // at once, -1 to leave the whole scale on the board.
    void SetScale(const theory::NamedScale& scale, theory::FingeringSystem system, int position);
    // A scale of the scale search (notes ascending), in the system last chosen; its first note
    // counts as the root for the numbers, but is not drawn as one.
    void SetFoundScale(const std::vector<theory::Note>& notes);
    const std::vector<theory::ScalePosition>& Positions() const { return positions_; }
    // The index of the position on the ScaleBoard, -1 while the whole scale is shown.
    int Current() const { return current_; }

    void ShowPosition(int index);
    void NextPosition();
    void PreviousPosition();
    void PlayPosition();
    void AddPositionToSheet();
    void AddAllPositionsToSheet();

    // The pitches of a position from its lowest note up and back down, each once per turn.
    static std::vector<int> UpAndDown(
        const theory::ScalePosition& position, const std::vector<int>& tuningHighFirst);

private:
    std::vector<int> Tuning() const;
    void FindPositions(int position);
    // Finds the positions again when the ScaleBoard's strings or frets changed since.
    void FollowInstrument();
    theory::ChordShape SheetShape(const theory::ScalePosition& position) const;
    void AddToSheet(std::vector<theory::ChordShape> shapes);

    ProgramObjects& objects_;
    KovaView& view_;
    sheet::ChordSheetWindow& sheet_;
    QWidget* dialogParent_;
    output::AudioPlayer* player_;
    std::optional<theory::ScaleToFinger> scale_;
    std::string title_;  // "A minor pentatonic"
    bool markRoot_ = true;
    theory::FingeringSystem system_ = theory::FingeringSystem::Position;
    std::vector<theory::ScalePosition> positions_;
    int current_ = -1;
    // The strings and frets the positions were found on.
    std::vector<int> foundOn_;
    int foundFrets_ = 0;
};

}  // namespace guivarna
