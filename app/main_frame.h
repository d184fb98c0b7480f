#pragma once

#include "board/settings_store.h"
#include "resources/command_ids.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <string_view>

class QMenu;

namespace guivarna {

class InstrumentApplier;
class KovaView;
class OutputCommands;
struct ProgramObjects;

// The program's single top-level window: the menu bar with its command table, the placement
// kept in the settings, the About box and help, and the documents given on the command line
// or dropped on the window (which carry no content and open the empty scene).
class MainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit MainFrame(ProgramObjects& objects, QWidget* parent = nullptr);
    ~MainFrame() override;

    KovaView* View() const { return view_; }
    OutputCommands* Output() const { return outputCommands_; }
    InstrumentApplier& Instrument() { return *instrument_; }

    // The action of a command, or nullptr when the menu does not carry it.
    QAction* action(CommandId id) const;
    QMenu* menu(MenuId id) const;

    // Sets the enabled and checked states that depend on program state; runs when a menu opens,
    // before a shortcut is matched and whenever that state changes.
    void UpdateCommands();

    // Opens a document: it carries no data, so the result is the empty scene.
    bool OpenDocument(const QString& path);

    // Writes the window placement to the settings; the placement read at creation decides how
    // the window first shows.
    void SavePlacement();
    // The placement of this window as the settings store keeps it, and the reverse.
    board::WindowPlacement CurrentPlacement() const;
    void ApplyPlacement(const board::WindowPlacement& placement);

    // The path of the user manual, or an empty string when it cannot be found.
    static QString ManualPath();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // One row of the command table: where the command sits, how it looks and what runs it.
    struct CommandRow {
        CommandId id;
        MenuId menu;
        std::string_view text;
        std::string_view shortcut;
        bool checkable;
        void (MainFrame::*handler)();
    };

    void CreateMenus();
    void RunCommand(void (MainFrame::*handler)());
    void RestorePlacement();
    void ShowMaximisedByDefault();

    void OnInstrument();
    void OnExit();
    void OnPrint();
    void OnPrintPreview();
    void OnPrintSetup();
    void OnCopyChordBoard();
    void OnCopyScaleBoard();
    void OnSaveChordBoard();
    void OnSaveScaleBoard();
    void OnSetDotColor();
    void OnShowArpeggio();
    void OnSelectAllOnClick();
    void OnClearBoard();
    void OnHelpTopics();
    void OnAbout();
    // Unchecks "show current arpeggio" and clears the ScaleBoard.
    void OnArpeggioOff();

    ProgramObjects& objects_;
    KovaView* view_ = nullptr;
    OutputCommands* outputCommands_ = nullptr;
    std::unique_ptr<InstrumentApplier> instrument_;
    std::map<CommandId, QAction*> actions_;
    std::map<MenuId, QMenu*> menus_;
};

}  // namespace guivarna
