#pragma once

#include "resources/command_ids.h"
#include "settings/settings_store.h"
#include "widgets/window_placement.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QUrl;

namespace guivarna {

namespace calc {
class CalcWindow;
}

namespace sheet {
class ChordSheetWindow;
}

class ByNameCommands;
class ChordSheetCommands;
class ScalePositionCommands;
class CommandTable;
struct Command;
class HelpWindow;
class InstrumentApplier;
class KovaView;
class ListExportCommands;
class MarkedNotesCommands;
class OutputCommands;
class WizardCommands;
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
    MarkedNotesCommands* MarkedNotes() const { return markedNotes_; }
    WizardCommands* Wizards() const { return wizardCommands_; }
    ListExportCommands* ListExport() const { return listExport_; }
    ByNameCommands* ByName() const { return byName_; }
    calc::CalcWindow* Calculations() const { return calculations_; }
    sheet::ChordSheetWindow* Sheet() const { return sheet_; }
    ChordSheetCommands* SheetCommands() const { return sheetCommands_; }
    ScalePositionCommands* ScalePositions() const { return scalePositions_; }
    InstrumentApplier& Instrument() const { return *instrument_; }

    // The wizards' messages, passed on to the calculations window.
    void ChordSearchReady();
    // Also switches the arpeggio off.
    void ChordSearchGo();
    void ScaleSearchReady();
    void ScaleSearchGo();

    // The action of a command, or nullptr when the menu does not carry it.
    QAction* action(CommandId id) const;
    QMenu* menu(MenuId id) const;
    // The command table behind the menus and shortcuts.
    const CommandTable& Commands() const { return *commands_; }

    // Sets the enabled and checked states that depend on program state; runs when a menu opens,
    // before a shortcut is matched and whenever that state changes.
    void UpdateCommands();

    // Opens a document: it carries no data, so the result is the empty scene.
    bool OpenDocument(const QString& path);

    // Writes the window placement to the settings; the placement read at creation decides how
    // the window first shows.
    void SavePlacement();
    // The placement of this window as the settings store keeps it, and the reverse.
    widgets::WindowPlacement CurrentPlacement() const;
    void ApplyPlacement(const widgets::WindowPlacement& placement);

    // The path of the user manual, or an empty string when it cannot be found.
    static QString ManualPath();
    // How the manual is handed to the desktop (QDesktopServices::openUrl unless a test stands
    // in for a desktop without a browser); false sends it to the program's own help window.
    void SetUrlOpener(std::function<bool(const QUrl&)> open) { openUrl_ = std::move(open); }
    HelpWindow* Help() const { return help_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The frame's own rows of the command table.
    std::vector<Command> FrameCommands();
    void RestorePlacement();
    void ShowMaximisedByDefault();

    void ShowArpeggio();
    void ToggleCalculations();
    void ToggleSheet();
    void HelpTopics();
    // Unchecks "show current arpeggio" and clears the ScaleBoard.
    void ArpeggioOff();

    ProgramObjects& objects_;
    KovaView* view_ = nullptr;
    OutputCommands* outputCommands_ = nullptr;
    MarkedNotesCommands* markedNotes_ = nullptr;
    WizardCommands* wizardCommands_ = nullptr;
    ListExportCommands* listExport_ = nullptr;
    ByNameCommands* byName_ = nullptr;
    CommandTable* commands_ = nullptr;
    calc::CalcWindow* calculations_ = nullptr;
    sheet::ChordSheetWindow* sheet_ = nullptr;
    ChordSheetCommands* sheetCommands_ = nullptr;
    ScalePositionCommands* scalePositions_ = nullptr;
    std::unique_ptr<InstrumentApplier> instrument_;
    std::function<bool(const QUrl&)> openUrl_;
    HelpWindow* help_ = nullptr;
};

}  // namespace guivarna
