#include "app/by_name_commands.h"

#include "app/chord_by_name_dialog.h"
#include "app/current_chord.h"
#include "app/kova_view.h"
#include "app/program_objects.h"
#include "app/scale_by_name_dialog.h"
#include "board/board_collection.h"
#include "resources/strings.h"

namespace guivarna {

using board::BoardCollection;

ByNameCommands::ByNameCommands(ProgramObjects& objects, KovaView& view, QWidget* dialogParent)
    : QObject(dialogParent), objects_(objects), view_(view), dialogParent_(dialogParent)
{
}

std::vector<Command> ByNameCommands::Commands()
{
    return {
        {CommandId::ChordByName, MenuId::ChordBoard, strings::kCmdChordByName, "Ctrl+Shift+K",
            [this] { RunChordByName(); }},
        {CommandId::Voicings, MenuId::ChordBoard, strings::kVoicings, "Ctrl+Shift+V",
            [this] { VoicingsOfCurrentChord(); },
            [this] { return objects_.theory.HasSelection(); }},
        {CommandId::ScaleByName, MenuId::ScaleBoard, strings::kCmdScaleByName, "Ctrl+Alt+K",
            [this] { RunScaleByName(); }},
    };
}

int ByNameCommands::RunChordByName()
{
    ChordByNameDialog dialog(
        objects_.boards.StringCount(BoardCollection::kChordBoard), dialogParent_);
    const int result = dialog.exec();
    const bool loads = result == QDialog::Accepted || result == ChordByNameDialog::kOpenInWizard ||
        result == ChordByNameDialog::kVoicings;
    if (!loads || !dialog.Chord() || !LoadChord(*dialog.Chord()))
        return result;
    if (result == ChordByNameDialog::kOpenInWizard)
        emit ChordWizardWanted(dialog.Chord()->Notes());
    else if (result == ChordByNameDialog::kVoicings)
        VoicingsOfCurrentChord();
    return result;
}

int ByNameCommands::RunScaleByName()
{
    ScaleByNameDialog dialog(dialogParent_);
    if (objects_.boards.BoardCount() > BoardCollection::kScaleBoard) {
        std::vector<int> tuning;
        objects_.boards.OpenNotes(BoardCollection::kScaleBoard, tuning);
        dialog.SetInstrument({tuning.begin(), tuning.end()},
            objects_.boards.FretCount(BoardCollection::kScaleBoard) - 1);
    }
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        if (const std::optional<theory::NamedScale> choice = dialog.Choice()) {
            ShowScale(*choice);
            emit ScaleShown(*choice, dialog.System(), dialog.ChosenPosition());
        }
    }
    return result;
}

bool ByNameCommands::LoadChord(const theory::ReadChord& chord)
{
    const std::vector<theory::Note> notes = chord.Notes();
    if (static_cast<int>(notes.size()) > objects_.boards.StringCount(BoardCollection::kChordBoard))
        return false;
    if (!MakeCurrentChord(objects_, notes))
        return false;
    loaded_ = {objects_.theory.GetRootNumber(), objects_.theory.GetMask(), chord.bass};
    // The ChordBoard's old shape is not a voicing of the new chord.
    objects_.boards.Clear(BoardCollection::kChordBoard);
    view_.viewport()->update();
    emit ChordChanged();
    return true;
}

bool ByNameCommands::VoicingsOfCurrentChord()
{
    const theory::MusicTheory& chord = objects_.theory;
    if (!chord.HasSelection() || chord.GetRootNumber() < 0)
        return false;
    const bool byName =
        loaded_.rootNumber == chord.GetRootNumber() && loaded_.mask == chord.GetMask();
    emit VoicingsWanted(theory::PitchClassOf(static_cast<theory::Note>(chord.GetRootNumber())),
        chord.GetMask(), byName ? loaded_.bass : theory::kNoPitchClass);
    return true;
}

void ByNameCommands::ShowScale(const theory::NamedScale& scale)
{
    objects_.boards.ShowPitchClasses(
        BoardCollection::kScaleBoard, theory::ScaleNotes(*scale.scale, scale.root));
    objects_.boards.Board(BoardCollection::kScaleBoard)
        .SetRootPitchClass(theory::PitchClassOf(scale.root));
    objects_.engine.Scales().ShowNamedScale(scale);
    view_.viewport()->update();
}

}  // namespace guivarna
