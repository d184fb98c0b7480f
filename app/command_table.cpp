#include "app/command_table.h"

#include "resources/strings.h"
#include "resources/text.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <algorithm>
#include <array>
#include <exception>

namespace guivarna {

namespace {

struct MenuLayout {
    MenuId menu;
    std::string_view title;
    std::vector<CommandId> items;
};

// The menu bar in order, each pop-up with its items in order.
const std::array<MenuLayout, 6>& Layout()
{
    static const std::array<MenuLayout, 6> layout{{
        {MenuId::File, strings::kMenuFile,
            {CommandId::Instrument, CommandId::FilePrint, CommandId::FilePrintPreview,
                CommandId::FilePrintSetup, CommandId::AppExit}},
        {MenuId::ChordBoard, strings::kMenuChordBoard,
            {CommandId::ChordWizard, CommandId::ChordByName, CommandId::Voicings,
                CommandId::CopyChordBoard, CommandId::SaveChordBoard, CommandId::SaveChordList,
                CommandId::SaveChordListHtml, CommandId::SaveAllChordImages,
                CommandId::SaveAllChordsHtmlAndImages, CommandId::SetDotColor,
                CommandId::NameMarkedChord, CommandId::NameAsYouMark, CommandId::PlayChordBoard,
                CommandId::ShowFingers, CommandId::AddChordBoardToSheet,
                CommandId::AddToChordSheet}},
        {MenuId::ScaleBoard, strings::kMenuScaleBoard,
            {CommandId::ScaleWizard, CommandId::ScaleByName, CommandId::NextPosition,
                CommandId::PreviousPosition, CommandId::PlayPosition, CommandId::AddPositionToSheet,
                CommandId::AddAllPositionsToSheet, CommandId::ShowArpeggio,
                CommandId::SelectAllOnClick, CommandId::IntervalStacker, CommandId::CopyScaleBoard,
                CommandId::SaveScaleBoard, CommandId::SaveScaleList, CommandId::ClearBoard,
                CommandId::SetDotColor, CommandId::PlayScaleBoard}},
        {MenuId::View, strings::kMenuView,
            {CommandId::ZoomIn, CommandId::ZoomOut, CommandId::ZoomActualSize,
                CommandId::ZoomFitWidth, CommandId::ZoomFitPage}},
        {MenuId::Windows, strings::kMenuWindows,
            {CommandId::CalculationsWindow, CommandId::ChordSheetWindow}},
        {MenuId::Help, strings::kMenuHelp, {CommandId::HelpTopics, CommandId::AppAbout}},
    }};
    return layout;
}

}  // namespace

CommandTable::CommandTable(QMainWindow& window) : QObject(&window), window_(window) { }

void CommandTable::Add(std::vector<Command> commands)
{
    for (Command& command : commands)
        commands_.push_back(std::move(command));
}

QAction* CommandTable::MakeAction(const Command& command)
{
    QAction*& action = actions_[command.id];
    if (action != nullptr)
        return action;
    action = new QAction(Text(command.text), &window_);
    action->setData(static_cast<int>(command.id));
    action->setCheckable(command.checkable);
    if (!command.shortcut.empty())
        action->setShortcut(QKeySequence(Text(command.shortcut)));
    if (command.run)
        connect(action, &QAction::triggered, this, [this, run = command.run] { Run(run); });
    window_.addAction(action);
    return action;
}

void CommandTable::Build()
{
    for (const MenuLayout& layout : Layout()) {
        QMenu* menu = window_.menuBar()->addMenu(Text(layout.title));
        connect(menu, &QMenu::aboutToShow, this, &CommandTable::Update);
        menus_[layout.menu] = menu;
        std::vector<const Command*> rows;
        for (const CommandId id : layout.items) {
            for (const Command& command : commands_) {
                if (command.id == id && command.menu == layout.menu) {
                    rows.push_back(&command);
                    break;
                }
            }
        }
        for (const Command& command : commands_) {
            if (command.menu == layout.menu &&
                std::find(layout.items.begin(), layout.items.end(), command.id) ==
                    layout.items.end())
                rows.push_back(&command);
        }
        for (const Command* command : rows)
            menu->addAction(MakeAction(*command));
    }
    for (const Command& command : commands_) {
        if (command.menu == MenuId::None)
            MakeAction(command);
    }
    Update();
}

void CommandTable::Update()
{
    for (const Command& command : commands_) {
        QAction* action = Action(command.id);
        if (action == nullptr)
            continue;
        if (command.enabled)
            action->setEnabled(command.enabled());
        if (command.checked)
            action->setChecked(command.checked());
    }
}

QAction* CommandTable::Action(CommandId id) const
{
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* CommandTable::Menu(MenuId id) const
{
    const auto it = menus_.find(id);
    return it == menus_.end() ? nullptr : it->second;
}

void CommandTable::Run(const std::function<void()>& run)
{
    // A command that fails must not take the event loop down with it.
    try {
        run();
    } catch (const std::exception& error) {
        QMessageBox::warning(&window_, Text(strings::kAppTitle),
            Text(strings::kCommandFailed).arg(QString::fromUtf8(error.what())));
    } catch (...) {
        QMessageBox::warning(&window_, Text(strings::kAppTitle),
            Text(strings::kCommandFailed).arg(Text(strings::kUnknownError)));
    }
}

}  // namespace guivarna
