#pragma once

#include "resources/command_ids.h"

#include <QObject>

#include <functional>
#include <map>
#include <string_view>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace guivarna {

// One menu or shortcut command as a feature contributes it: where it sits, how it looks, what
// runs it and when it is enabled or checked.
struct Command {
    CommandId id;
    MenuId menu;  // MenuId::None: a shortcut without a menu item
    std::string_view text;
    std::string_view shortcut;  // "" = none; "Ctrl+Shift+W" etc.
    std::function<void()> run;
    std::function<bool()> enabled = {};  // empty: always enabled
    bool checkable = false;
    // Empty: a checkable command keeps the check mark its handler sets.
    std::function<bool()> checked = {};
};

// The program's command table: every feature adds its rows, then the menus are built in the
// fixed order of the menu layout (commands the layout does not name go at the end of their
// menu). A command that sits in two menus has a row per menu and one shared action.
class CommandTable : public QObject {
    Q_OBJECT

public:
    explicit CommandTable(QMainWindow& window);

    void Add(std::vector<Command> commands);
    // Creates the menu bar's pop-ups and their items; call once, after every Add.
    void Build();
    // Applies the enabled and checked rules of every command.
    void Update();

    // The action of a command, or nullptr when no row has that id.
    QAction* Action(CommandId id) const;
    QMenu* Menu(MenuId id) const;
    // Every row added, in the order it was added.
    const std::vector<Command>& Rows() const { return commands_; }

private:
    QAction* MakeAction(const Command& command);
    void Run(const std::function<void()>& run);

    QMainWindow& window_;
    std::vector<Command> commands_;
    std::map<CommandId, QAction*> actions_;
    std::map<MenuId, QMenu*> menus_;
};

}  // namespace guivarna
