#include "app/wizard_commands.h"

#include "app/command_table.h"
#include "app/program_objects.h"
#include "calc/chord_wizard.h"
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
    };
}

int WizardCommands::RunChordWizard()
{
    calc::ChordWizard wizard(
        objects_.theory, objects_.engine, objects_.boards, objects_.store, dialogParent_);
    connect(&wizard, &calc::ChordWizard::ChordSearchReady, this, &WizardCommands::ChordSearchReady);
    connect(&wizard, &calc::ChordWizard::ChordSearchGo, this, &WizardCommands::ChordSearchGo);
    return wizard.exec();
}

}  // namespace guivarna
