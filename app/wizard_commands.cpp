#include "app/wizard_commands.h"

#include "app/command_table.h"
#include "app/program_objects.h"
#include "calc/chord_wizard.h"
#include "calc/note_select_page.h"
#include "calc/scale_wizard.h"
#include "resources/strings.h"

namespace guivarna {

WizardCommands::WizardCommands(ProgramObjects& objects, QWidget* dialogParent)
    : QObject(dialogParent), objects_(objects), dialogParent_(dialogParent)
{
}

std::vector<Command> WizardCommands::Commands()
{
    return {
        {CommandId::ChordWizard, MenuId::ChordBoard, strings::kCmdChordWizard, "Ctrl+Shift+W",
            [this] { RunChordWizard(); }},
        {CommandId::ScaleWizard, MenuId::ScaleBoard, strings::kCmdScaleWizard, "Ctrl+W",
            [this] { RunScaleWizard(); }},
    };
}

int WizardCommands::RunChordWizard(const std::vector<theory::Note>& notes)
{
    calc::ChordWizard wizard(
        objects_.theory, objects_.engine, objects_.boards, objects_.store, dialogParent_);
    connect(&wizard, &calc::ChordWizard::ChordSearchReady, this, &WizardCommands::ChordSearchReady);
    connect(&wizard, &calc::ChordWizard::ChordSearchGo, this, &WizardCommands::ChordSearchGo);
    if (!notes.empty())
        wizard.NotesPage()->ChooseNotes(notes);
    else if (chordAtStart_)
        wizard.NotesPage()->ChooseNotes(chordAtStart_());
    return wizard.exec();
}

int WizardCommands::RunScaleWizard()
{
    calc::ScaleWizard wizard(objects_.theory, objects_.engine, objects_.store, dialogParent_);
    connect(&wizard, &calc::ScaleWizard::ScaleSearchReady, this, &WizardCommands::ScaleSearchReady);
    connect(&wizard, &calc::ScaleWizard::ScaleSearchGo, this, &WizardCommands::ScaleSearchGo);
    // Straight from accept(): the scale page's first result arrives through the event loop, so
    // the ScaleBoard is cleared before it is shown, never after.
    connect(&wizard, &QDialog::accepted, this, &WizardCommands::ArpeggioOff);
    return wizard.exec();
}

}  // namespace guivarna
