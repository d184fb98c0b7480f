#include "app/marked_notes_commands.h"

#include "app/current_chord.h"
#include "app/kova_view.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "output/audio_player.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "settings/view_keys.h"
#include "synth/note_sequence.h"
#include "theory/notes/marked_chord.h"
#include "theory/notes/music_theory.h"
#include "theory/search/chord_search.h"
#include "theory/search/search_engine.h"
#include "widgets/balloon_tip.h"

#include <QMessageBox>

namespace guivarna {

namespace {

using board::BoardCollection;

// How long each plucked note rings.
constexpr double kStrumNoteSeconds = 2.5;
constexpr double kRunNoteSeconds = 1.2;

}  // namespace

MarkedNotesCommands::MarkedNotesCommands(
    ProgramObjects& objects, KovaView& view, QWidget* dialogParent)
    : QObject(dialogParent), objects_(objects), view_(view), dialogParent_(dialogParent),
      player_(new output::AudioPlayer(this))
{
    connect(&view_, &KovaView::BoardClicked, this, &MarkedNotesCommands::OnBoardClicked);
}

MarkedNotesCommands::~MarkedNotesCommands() = default;

std::vector<Command> MarkedNotesCommands::Commands()
{
    return {
        {CommandId::NameMarkedChord, MenuId::ChordBoard, strings::kCmdNameMarkedChord,
            "Ctrl+Shift+N", [this] { NameMarkedChord(); }},
        {CommandId::NameAsYouMark, MenuId::ChordBoard, strings::kCmdNameAsYouMark, "",
            [this] { SetNameAsYouMark(!NameAsYouMark()); }, {}, true,
            [this] { return NameAsYouMark(); }},
        {CommandId::PlayChordBoard, MenuId::ChordBoard, strings::kCmdPlayChordBoard, "Ctrl+Shift+P",
            [this] { PlayChordBoard(); }},
        {CommandId::PlayScaleBoard, MenuId::ScaleBoard, strings::kCmdPlayScaleBoard, "Ctrl+Alt+P",
            [this] { PlayScaleBoard(); }},
    };
}

std::vector<int> MarkedNotesCommands::MarkedPitches(int boardIndex) const
{
    const board::FretBoard& board = objects_.boards.Board(boardIndex);
    std::vector<int> pitches;
    for (const auto& [row, fret] : board.MarkedPositions())
        pitches.push_back(board.Row(row).Cell(fret).Note());
    return pitches;
}

void MarkedNotesCommands::NameMarkedChord()
{
    std::vector<theory::Note> pitches;
    for (const int pitch : MarkedPitches(BoardCollection::kChordBoard)) {
        if (pitch >= 0)
            pitches.push_back(static_cast<theory::Note>(pitch));
    }
    const std::vector<theory::Note> notes = theory::ChordNotesFromPitches(pitches);
    // The search takes the new chord; a note order or melody note chosen for the previous chord
    // would hide this one's fingerings, and its selected fingering no longer belongs to it.
    if (!MakeCurrentChord(objects_, notes)) {
        ShowHint(strings::kCmdNameMarkedChord, strings::kNothingToName);
        return;
    }
    namedChord_ = notes;
    view_.viewport()->update();
    emit ChordChanged();
}

bool MarkedNotesCommands::NameAsYouMark() const
{
    return settings::Read(objects_.store, settings::view_keys::kNameAsYouMark);
}

void MarkedNotesCommands::SetNameAsYouMark(bool on)
{
    settings::Write(objects_.store, settings::view_keys::kNameAsYouMark, on);
}

void MarkedNotesCommands::OnBoardClicked(int board)
{
    if (board != BoardCollection::kChordBoard || !NameAsYouMark())
        return;
    std::vector<theory::Note> pitches;
    for (const int pitch : MarkedPitches(BoardCollection::kChordBoard)) {
        if (pitch >= 0)
            pitches.push_back(static_cast<theory::Note>(pitch));
    }
    const std::vector<theory::Note> notes = theory::ChordNotesFromPitches(pitches);
    if (notes.empty() || !MakeCurrentChord(objects_, notes)) {
        objects_.theory.ClearSelection();
        namedChord_.clear();
    } else {
        namedChord_ = notes;
    }
    view_.viewport()->update();
    emit ChordChanged();
}

std::vector<theory::Note> MarkedNotesCommands::NamedChordStillCurrent() const
{
    const theory::MusicTheory& theory = objects_.theory;
    const bool current = !namedChord_.empty() && theory.GetNotes(true) == namedChord_ &&
        static_cast<theory::Note>(theory.GetRootNumber()) == namedChord_.front();
    return current ? namedChord_ : std::vector<theory::Note>{};
}

void MarkedNotesCommands::PlayChordBoard()
{
    Play(BoardCollection::kChordBoard);
}

void MarkedNotesCommands::PlayScaleBoard()
{
    Play(BoardCollection::kScaleBoard);
}

void MarkedNotesCommands::Play(int boardIndex)
{
    const bool chordBoard = boardIndex == BoardCollection::kChordBoard;
    const std::vector<int> pitches = MarkedPitches(boardIndex);
    if (pitches.empty()) {
        ShowHint(chordBoard ? strings::kCmdPlayChordBoard : strings::kCmdPlayScaleBoard,
            chordBoard ? strings::kNothingToPlayChordBoard : strings::kNothingToPlayScaleBoard);
        return;
    }
    const auto outcome = chordBoard ? player_->Play(synth::Strum(pitches), kStrumNoteSeconds)
                                    : player_->Play(synth::AscendingRun(pitches), kRunNoteSeconds);
    switch (outcome) {
    case output::AudioPlayer::Outcome::Playing:
        break;
    case output::AudioPlayer::Outcome::NoDevice:
        if (!noDeviceReported_) {
            noDeviceReported_ = true;
            ShowMessage(strings::kNoAudioOutput);
        }
        break;
    case output::AudioPlayer::Outcome::Failed:
        ShowMessage(strings::kAudioFailed);
        break;
    }
}

void MarkedNotesCommands::ShowHint(std::string_view title, std::string_view text)
{
    // A new hint replaces the one before instead of stacking on top of it.
    for (widgets::BalloonTip* open : widgets::OpenBalloons()) {
        for (const std::string_view hint : {strings::kNothingToName,
                 strings::kNothingToPlayChordBoard, strings::kNothingToPlayScaleBoard}) {
            if (open->Content() == Text(hint)) {
                open->CloseBalloon();
                break;
            }
        }
    }
    const QPoint centre = view_.viewport()->mapToGlobal(view_.viewport()->rect().center());
    widgets::LaunchBalloon(Text(title), Text(text), centre);
}

void MarkedNotesCommands::ShowMessage(std::string_view text)
{
    // Opened without an event loop of its own: the command returns at once and the message
    // stays until the user closes it.
    auto* box = new QMessageBox(QMessageBox::Information, Text(strings::kAppTitle), Text(text),
        QMessageBox::Ok, dialogParent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace guivarna
