#include "app/scale_position_commands.h"

#include "app/kova_view.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "output/audio_player.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "sheet/window/chord_sheet_window.h"
#include "synth/note_sequence.h"

#include <QMessageBox>

#include <map>

namespace guivarna {

namespace {

using board::BoardCollection;

// How long each note of a played position rings.
constexpr double kPositionNoteSeconds = 1.2;

}  // namespace

ScalePositionCommands::ScalePositionCommands(
    ProgramObjects& objects, KovaView& view, sheet::ChordSheetWindow& sheet, QWidget* dialogParent)
    : QObject(dialogParent), objects_(objects), view_(view), sheet_(sheet),
      dialogParent_(dialogParent), player_(new output::AudioPlayer(this))
{
}

ScalePositionCommands::~ScalePositionCommands() = default;

std::vector<Command> ScalePositionCommands::Commands()
{
    const auto any = [this] { return !positions_.empty(); };
    const auto shown = [this] { return current_ >= 0; };
    return {
        {CommandId::NextPosition, MenuId::ScaleBoard, strings::kCmdNextPosition, "F8",
            [this] { NextPosition(); }, any},
        {CommandId::PreviousPosition, MenuId::ScaleBoard, strings::kCmdPreviousPosition, "Shift+F8",
            [this] { PreviousPosition(); }, any},
        {CommandId::PlayPosition, MenuId::ScaleBoard, strings::kCmdPlayPosition, "",
            [this] { PlayPosition(); }, shown},
        {CommandId::AddPositionToSheet, MenuId::ScaleBoard, strings::kCmdAddPositionToSheet, "",
            [this] { AddPositionToSheet(); }, shown},
        {CommandId::AddAllPositionsToSheet, MenuId::ScaleBoard, strings::kCmdAddAllPositionsToSheet,
            "", [this] { AddAllPositionsToSheet(); }, any},
    };
}

std::vector<int> ScalePositionCommands::Tuning() const
{
    std::vector<int> tuning;
    if (objects_.boards.BoardCount() > BoardCollection::kScaleBoard)
        objects_.boards.OpenNotes(BoardCollection::kScaleBoard, tuning);
    return tuning;
}

void ScalePositionCommands::SetScale(
    const theory::NamedScale& scale, theory::FingeringSystem system, int position)
{
    scale_ = theory::ScaleToFinger{scale.root, scale.scale->mask};
    title_ = scale.Text();
    markRoot_ = true;
    system_ = system;
    FindPositions(position);
}

void ScalePositionCommands::SetFoundScale(const std::vector<theory::Note>& notes)
{
    if (notes.empty())
        return;
    theory::ScaleToFinger scale{notes.front(), 0};
    for (const theory::Note note : notes)
        scale.mask |= 1 << ((note + 12 - notes.front() % 12) % 12);
    scale_ = scale;
    title_ = theory::JoinNoteNames(notes);
    for (const theory::NamedScale& named : theory::ScalesWithNotes(notes)) {
        if (named.root % 12 == notes.front() % 12) {
            title_ = named.Text();
            break;
        }
    }
    markRoot_ = false;
    if (theory::FingeringProblem(scale, system_))
        system_ = theory::FingeringSystem::Position;
    FindPositions(-1);
}

void ScalePositionCommands::FindPositions(int position)
{
    current_ = -1;
    foundOn_ = Tuning();
    const std::vector<theory::Note> notes(foundOn_.begin(), foundOn_.end());
    foundFrets_ = foundOn_.empty() ? 0 : objects_.boards.FretCount(BoardCollection::kScaleBoard);
    positions_ = theory::ScalePositions(*scale_, notes, system_, {0, std::max(0, foundFrets_ - 1)});
    if (position >= 0 && position < static_cast<int>(positions_.size()))
        ShowPosition(position);
}

void ScalePositionCommands::FollowInstrument()
{
    if (!scale_)
        return;
    const std::vector<int> tuning = Tuning();
    const int frets = tuning.empty() ? 0 : objects_.boards.FretCount(BoardCollection::kScaleBoard);
    if (tuning == foundOn_ && frets == foundFrets_)
        return;
    const int current = current_;
    FindPositions(-1);
    current_ = std::min(current, static_cast<int>(positions_.size()) - 1);
}

void ScalePositionCommands::ShowPosition(int index)
{
    if (!scale_ || index < 0 || index >= static_cast<int>(positions_.size()))
        return;
    current_ = index;
    board::FretBoard& board = objects_.boards.Board(BoardCollection::kScaleBoard);
    board.Clear();
    std::map<std::pair<int, int>, int> fingers;
    const theory::ScalePosition& position = positions_[static_cast<std::size_t>(index)];
    for (std::size_t s = 0; s < position.strings.size(); ++s) {
        const int row = static_cast<int>(s);
        if (row >= board.StringCount())
            break;
        for (const theory::ScaleFret& note : position.strings[s]) {
            if (note.fret >= board.Row(row).CellCount())
                continue;
            board.Row(row).SetDot(note.fret, true);
            fingers[{row, note.fret}] = note.finger;
        }
    }
    board.SetMarkFingers(std::move(fingers));
    board.SetRootPitchClass(markRoot_ ? static_cast<int>(scale_->root % 12) : -1);
    view_.viewport()->update();
}

void ScalePositionCommands::NextPosition()
{
    FollowInstrument();
    if (positions_.empty())
        return;
    ShowPosition((current_ + 1) % static_cast<int>(positions_.size()));
}

void ScalePositionCommands::PreviousPosition()
{
    FollowInstrument();
    if (positions_.empty())
        return;
    const int count = static_cast<int>(positions_.size());
    ShowPosition(current_ < 0 ? count - 1 : (current_ + count - 1) % count);
}

std::vector<int> ScalePositionCommands::UpAndDown(
    const theory::ScalePosition& position, const std::vector<int>& tuningHighFirst)
{
    std::vector<int> up;
    for (std::size_t s = position.strings.size(); s-- > 0;) {
        if (s >= tuningHighFirst.size())
            continue;
        for (const theory::ScaleFret& note : position.strings[s])
            up.push_back(tuningHighFirst[s] + note.fret);
    }
    std::vector<int> run = up;
    for (std::size_t i = up.size(); i-- > 1;)
        run.push_back(up[i - 1]);
    return run;
}

void ScalePositionCommands::PlayPosition()
{
    FollowInstrument();
    if (current_ < 0)
        return;
    const std::vector<int> pitches =
        UpAndDown(positions_[static_cast<std::size_t>(current_)], Tuning());
    std::vector<synth::NoteEvent> events;
    for (std::size_t i = 0; i < pitches.size(); ++i)
        events.push_back({pitches[i], synth::kRunSpacing * static_cast<double>(i),
            static_cast<std::uint32_t>(i + 1)});
    const auto outcome = player_->Play(events, kPositionNoteSeconds);
    if (outcome == output::AudioPlayer::Outcome::Playing)
        return;
    auto* box = new QMessageBox(QMessageBox::Information, Text(strings::kAppTitle),
        Text(outcome == output::AudioPlayer::Outcome::NoDevice ? strings::kNoAudioOutput
                                                               : strings::kAudioFailed),
        QMessageBox::Ok, dialogParent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

theory::ChordShape ScalePositionCommands::SheetShape(const theory::ScalePosition& position) const
{
    const std::vector<int> tuning = Tuning();
    const std::vector<theory::Note> notes(tuning.begin(), tuning.end());
    const QString name =
        Text(strings::kScalePositionName).arg(QString::fromStdString(title_)).arg(position.number);
    theory::ChordShape shape =
        theory::ShapeFromScalePosition(position, notes, scale_->root, name.toStdString());
    if (!markRoot_)
        shape.scale->root = -1;
    return shape;
}

void ScalePositionCommands::AddToSheet(std::vector<theory::ChordShape> shapes)
{
    if (!sheet_.isVisible())
        sheet_.show();
    sheet_.raise();
    sheet_.Add(shapes);
}

void ScalePositionCommands::AddPositionToSheet()
{
    FollowInstrument();
    if (current_ < 0 || !scale_)
        return;
    AddToSheet({SheetShape(positions_[static_cast<std::size_t>(current_)])});
}

void ScalePositionCommands::AddAllPositionsToSheet()
{
    FollowInstrument();
    if (positions_.empty() || !scale_)
        return;
    std::vector<theory::ChordShape> shapes;
    for (const theory::ScalePosition& position : positions_)
        shapes.push_back(SheetShape(position));
    AddToSheet(std::move(shapes));
}

}  // namespace guivarna
