#pragma once

#include "app/command_table.h"
#include "theory/notes/notes.h"

#include <QObject>

#include <string_view>
#include <vector>

class QWidget;

namespace guivarna {

namespace output {
class AudioPlayer;
}

class KovaView;
struct ProgramObjects;

// The commands that work on what is marked on the boards: naming the ChordBoard's marks as the
// current chord and playing either board.
class MarkedNotesCommands : public QObject {
    Q_OBJECT

public:
    MarkedNotesCommands(ProgramObjects& objects, KovaView& view, QWidget* dialogParent);
    ~MarkedNotesCommands() override;

    // "Name marked chord": the ChordBoard's marked pitches become the current chord, loaded as
    // the chord wizard loads one, lowest sounding note first and as the root, and the chord the
    // search looks for. Without marks a hint says so and nothing changes.
    void NameMarkedChord();
    // "Name chords as you mark" (on by default, kept in the settings): every click on the
    // ChordBoard names its marks as NameMarkedChord does, without the hint; a ChordBoard left
    // without marks takes the current chord away, so the panels never describe gone marks.
    bool NameAsYouMark() const;
    void SetNameAsYouMark(bool on);
    void OnBoardClicked(int board);
    // "Play ChordBoard": a strum of the marked pitches, lowest first.
    void PlayChordBoard();
    // "Play ScaleBoard": each marked pitch once, ascending.
    void PlayScaleBoard();

    // The rows of the three commands for the frame's command table.
    std::vector<Command> Commands();

    output::AudioPlayer& Player() { return *player_; }

    // The marked pitches of a board, string by string.
    std::vector<int> MarkedPitches(int boardIndex) const;

    // The notes (root first) of the chord the last "Name marked chord" loaded, as long as it is
    // still the current chord; empty once anything else replaced it. The chord wizard opens with
    // these notes already chosen.
    std::vector<theory::Note> NamedChordStillCurrent() const;

signals:
    // The current chord was replaced and the chord search is ready for it.
    void ChordChanged();

private:
    void Play(int boardIndex);
    // A balloon over the middle of the board view that goes away by itself.
    void ShowHint(std::string_view title, std::string_view text);
    void ShowMessage(std::string_view text);

    ProgramObjects& objects_;
    KovaView& view_;
    QWidget* dialogParent_;
    output::AudioPlayer* player_;
    std::vector<theory::Note> namedChord_;
    // Missing sound is reported once; later attempts stay quiet.
    bool noDeviceReported_ = false;
};

}  // namespace guivarna
