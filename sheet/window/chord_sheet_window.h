#pragma once

#include "settings/settings_store.h"
#include "sheet/chord_sheet.h"
#include "sheet/sheet_export.h"

#include <QDockWidget>

#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QLineEdit;
class QMainWindow;
class QMenuBar;
class QPrinter;
class QSpinBox;
class QUndoStack;

namespace guivarna::sheet {

class ChordSheetView;

// What the chord sheet window asks the user; each has a Qt dialog by default, and tests give the
// answers instead.
struct SheetDialogs {
    // The path to save to or open, "" when cancelled: (title, name filters, suggested name).
    std::function<QString(const QString&, const QString&, const QString&)> savePath;
    std::function<QString(const QString&, const QString&)> openPath;
    // The PNG resolution, nothing when cancelled.
    std::function<std::optional<int>(int suggested)> pngDpi;
    // Sets the printer up (the print dialog); false when cancelled.
    std::function<bool(QPrinter&)> setUpPrinter;
    // A message to the user: warning or information.
    std::function<void(bool warning, const QString& text)> tell;
    // A question to the user; true for yes.
    std::function<bool(const QString& text)> ask;
};

// The chord sheet window, dockable or floating: the diagrams collected on the sheet, its title,
// the diagrams a row and whether roots stand out, with undo for every change to the sheet, the
// exports (SVG, PDF, PNG, print) and ChordPro files. The sheet is kept in a ChordPro file beside
// the settings, so it survives a restart.
class ChordSheetWindow : public QDockWidget {
    Q_OBJECT

public:
    ChordSheetWindow(settings::SettingsStore& store, QWidget* parent = nullptr);
    ~ChordSheetWindow() override;

    ChordSheet& Sheet() { return sheet_; }
    ChordSheetView& View() const { return *view_; }
    QUndoStack& Undo() const { return *undo_; }
    SheetDialogs& Dialogs() { return dialogs_; }
    // The paper the exports and the printer lay the sheet out on.
    void SetPaperSource(std::function<SheetPaper()> paper) { paper_ = std::move(paper); }
    void SetLeftHanded(bool leftHanded);
    // The file the sheet is kept in: ChordPro, beside the settings file; "" when the kept file
    // of the last run could not be read in full nor set aside (it is then never written).
    QString StoragePath() const { return storagePath_; }

    // Adds shapes at the end as one undoable step; says so when the sheet is full. Returns how
    // many were added.
    int Add(const std::vector<theory::ChordShape>& shapes);

    // The window's actions (also in its menu bar): export, print, files, undo and editing.
    QAction* ExportSvgAction() const { return exportSvg_; }
    QAction* ExportPdfAction() const { return exportPdf_; }
    QAction* ExportPngAction() const { return exportPng_; }
    QAction* PrintAction() const { return print_; }
    QAction* SaveAction() const { return save_; }
    QAction* OpenAction() const { return open_; }
    QAction* RemoveAction() const { return remove_; }
    QAction* RenameAction() const { return rename_; }
    QAction* ClearAction() const { return clear_; }
    QLineEdit& TitleEdit() const { return *title_; }
    QSpinBox& PerRowBox() const { return *perRow_; }
    QCheckBox& RootsBox() const { return *roots_; }
    QCheckBox& ScalesAcrossBox() const { return *across_; }

    // The exports and files themselves, for a path already chosen; true when written.
    bool ExportSvg(const QString& path);
    bool ExportPdf(const QString& path);
    bool ExportPng(const QString& path, int dpi);
    bool SaveSheet(const QString& path);
    bool OpenSheet(const QString& path);
    bool Print(QPrinter& printer);

    // Where the window was docked or floated, kept under "ChordSheet".
    void SavePlacement(settings::SettingsStore& store) const;
    void Place(QMainWindow& window, const settings::SettingsStore& store);

private:
    void BuildActions(QMenuBar& menus);
    // Makes the sheet the given one as one undoable step.
    void Change(const QString& title, std::vector<theory::ChordShape> shapes);
    void UpdateActions();
    void SheetChanged();
    // Tells the user a failure; true when there was none.
    bool Reported(const QString& error);
    void Keep();
    // Moves the kept file of the last run, not read in full for the reason why, aside under a
    // name that says so, and tells the user where once the event loop runs.
    void SetKeptAside(const QString& why);
    SheetPrint PrintOf(const SheetLayout& layout) const;
    QString SuggestedName(const QString& extension) const;
    void ChooseAndExport(const QString& filter, const QString& extension,
        const std::function<bool(const QString&)>& write);

    settings::SettingsStore& store_;
    ChordSheet sheet_;
    QUndoStack* undo_ = nullptr;
    ChordSheetView* view_ = nullptr;
    QLineEdit* title_ = nullptr;
    QSpinBox* perRow_ = nullptr;
    QCheckBox* across_ = nullptr;
    QCheckBox* roots_ = nullptr;
    QAction* exportSvg_ = nullptr;
    QAction* exportPdf_ = nullptr;
    QAction* exportPng_ = nullptr;
    QAction* print_ = nullptr;
    QAction* save_ = nullptr;
    QAction* open_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* remove_ = nullptr;
    QAction* rename_ = nullptr;
    QAction* clear_ = nullptr;
    SheetDialogs dialogs_;
    std::function<SheetPaper()> paper_;
    QString storagePath_;
    bool keepFailedOnce_ = false;
    // The file last opened with more diagrams than a sheet holds, and how many it has.
    QString cutPath_;
    int cutCount_ = 0;
    int lastPngDpi_ = 300;
};

}  // namespace guivarna::sheet
