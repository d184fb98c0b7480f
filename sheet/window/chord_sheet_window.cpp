#include "sheet/window/chord_sheet_window.h"

#include "resources/strings.h"
#include "resources/text.h"
#include "settings/setting.h"
#include "sheet/sheet_file.h"
#include "sheet/window/chord_sheet_view.h"
#include "widgets/dock_placement.h"
#include "widgets/file_dialog_path.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace guivarna::sheet {

namespace {

constexpr QStringView kPlacementBase = u"ChordSheet";
constexpr settings::IntSetting kPerRow{u"ChordSheet\\PerRow", 0, 0, 12};
constexpr settings::FlagSetting kShowRoots{u"ChordSheet\\ShowRoots", false};
constexpr settings::FlagSetting kScalesAcross{u"ChordSheet\\ScalesAcross", false};
constexpr settings::FlagSetting kVisible{u"ChordSheet\\Visible", false};
constexpr std::string_view kStorageName = "chord-sheet.cho";
constexpr QSize kDockedSize{360, 300};
constexpr QSize kFloatingSize{520, 420};
constexpr QSize kFloatingMinimum{200, 150};

// One change of the sheet, undone by putting back what it was before.
class SheetChange : public QUndoCommand {
public:
    SheetChange(ChordSheet& sheet, QString title, std::vector<theory::ChordShape> shapes)
        : sheet_(sheet), beforeTitle_(sheet.Title()), before_(sheet.Shapes()),
          afterTitle_(std::move(title)), after_(std::move(shapes))
    {
    }
    void redo() override { sheet_.Assign(afterTitle_, after_); }
    void undo() override { sheet_.Assign(beforeTitle_, before_); }

private:
    ChordSheet& sheet_;
    QString beforeTitle_;
    std::vector<theory::ChordShape> before_;
    QString afterTitle_;
    std::vector<theory::ChordShape> after_;
};

QString Filters(std::string_view filter)
{
    return Text(filter) + QStringLiteral(";;") + Text(strings::kSheetAllFiles);
}

// The notice that a file of count diagrams (shown as path) was cut to what a sheet holds.
QString CutNotice(const QString& path, int count)
{
    return Text(strings::kSheetCut)
        .arg(path)
        .arg(count)
        .arg(ChordSheet::kMaxDiagrams)
        .arg(count - ChordSheet::kMaxDiagrams);
}

SheetDialogs QtDialogs(QWidget* parent)
{
    SheetDialogs dialogs;
    dialogs.savePath = [parent](const QString& title, const QString& filters, const QString& name) {
        QFileDialog dialog(parent, title, name, filters);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QFileInfo(name).suffix());
        return widgets::ExecForPath(dialog);
    };
    dialogs.openPath = [parent](const QString& title, const QString& filters) {
        return QFileDialog::getOpenFileName(parent, title, QString(), filters);
    };
    dialogs.pngDpi = [parent](int suggested) -> std::optional<int> {
        bool ok = false;
        const int dpi = QInputDialog::getInt(parent, Text(strings::kSheetExportPng),
            Text(strings::kSheetPngResolution), suggested, kMinPngDpi, kMaxPngDpi, 50, &ok);
        return ok ? std::optional<int>(dpi) : std::nullopt;
    };
    dialogs.setUpPrinter = [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        return dialog.exec() == QDialog::Accepted;
    };
    dialogs.tell = [parent](bool warning, const QString& text) {
        if (warning)
            QMessageBox::warning(parent, Text(strings::kChordSheet), text);
        else
            QMessageBox::information(parent, Text(strings::kChordSheet), text);
    };
    dialogs.ask = [parent](const QString& text) {
        return QMessageBox::question(parent, Text(strings::kChordSheet), text) == QMessageBox::Yes;
    };
    return dialogs;
}

}  // namespace

ChordSheetWindow::ChordSheetWindow(settings::SettingsStore& store, QWidget* parent)
    : QDockWidget(Text(strings::kChordSheet), parent), store_(store), undo_(new QUndoStack(this)),
      dialogs_(QtDialogs(this))
{
    setObjectName(QStringLiteral("ChordSheetWindow"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
        QDockWidget::DockWidgetFloatable);

    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(4, 0, 4, 4);
    auto* menus = new QMenuBar(body);
    menus->setNativeMenuBar(false);
    column->setMenuBar(menus);

    auto* options = new QHBoxLayout;
    title_ = new QLineEdit(body);
    title_->setObjectName(QStringLiteral("sheetTitle"));
    title_->setPlaceholderText(Text(strings::kSheetTitleHint));
    auto* titleLabel = new QLabel(Text(strings::kSheetTitleLabel), body);
    titleLabel->setBuddy(title_);
    perRow_ = new QSpinBox(body);
    perRow_->setObjectName(QStringLiteral("diagramsPerRow"));
    perRow_->setRange(kPerRow.min, kPerRow.max);
    perRow_->setSpecialValueText(Text(strings::kSheetPerRowAuto));
    auto* perRowLabel = new QLabel(Text(strings::kSheetPerRow), body);
    perRowLabel->setBuddy(perRow_);
    roots_ = new QCheckBox(Text(strings::kSheetShowRoots), body);
    roots_->setObjectName(QStringLiteral("showRoots"));
    across_ = new QCheckBox(Text(strings::kSheetScalesAcross), body);
    across_->setObjectName(QStringLiteral("scalesAcross"));
    // The title on a row of its own, so that it stays readable in a narrow dock.
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(title_, 1);
    column->addLayout(titleRow);
    options->addWidget(perRowLabel);
    options->addWidget(perRow_);
    options->addSpacing(12);
    options->addWidget(roots_);
    options->addStretch(1);
    column->addLayout(options);
    column->addWidget(across_);

    view_ = new ChordSheetView(sheet_, body);
    view_->setAccessibleName(Text(strings::kChordSheet).remove(QLatin1Char('&')));
    column->addWidget(view_, 1);
    setWidget(body);
    BuildActions(*menus);

    perRow_->setValue(settings::Read(store_, kPerRow));
    roots_->setChecked(settings::Read(store_, kShowRoots));
    across_->setChecked(settings::Read(store_, kScalesAcross));
    view_->SetPerRow(perRow_->value());
    SheetStyle style;
    style.showRoots = roots_->isChecked();
    style.scalesAcross = across_->isChecked();
    view_->SetStyle(style);
    connect(perRow_, &QSpinBox::valueChanged, this, [this](int value) {
        view_->SetPerRow(value);
        settings::Write(store_, kPerRow, value);
    });
    connect(roots_, &QCheckBox::toggled, this, [this](bool on) {
        SheetStyle style = view_->Style();
        style.showRoots = on;
        view_->SetStyle(style);
        settings::Write(store_, kShowRoots, on);
    });
    connect(across_, &QCheckBox::toggled, this, [this](bool on) {
        SheetStyle style = view_->Style();
        style.scalesAcross = on;
        view_->SetStyle(style);
        settings::Write(store_, kScalesAcross, on);
    });
    connect(title_, &QLineEdit::editingFinished, this, [this] {
        if (title_->text() != sheet_.Title())
            Change(title_->text(), sheet_.Shapes());
    });
    connect(view_, &ChordSheetView::SelectionChanged, this, &ChordSheetWindow::UpdateActions);
    connect(view_, &ChordSheetView::RemoveRequested, this, [this](const std::vector<int>& gone) {
        std::vector<theory::ChordShape> shapes;
        for (int i = 0; i < sheet_.Count(); ++i) {
            if (std::find(gone.begin(), gone.end(), i) == gone.end())
                shapes.push_back(sheet_.Shapes()[static_cast<std::size_t>(i)]);
        }
        Change(sheet_.Title(), std::move(shapes));
    });
    connect(view_, &ChordSheetView::MoveRequested, this,
        [this](int from, int to) { Change(sheet_.Title(), WithMoved(sheet_.Shapes(), from, to)); });
    connect(view_, &ChordSheetView::RenameRequested, this, [this](int index, const QString& name) {
        std::vector<theory::ChordShape> shapes = sheet_.Shapes();
        shapes[static_cast<std::size_t>(index)].name = name.toStdString();
        Change(sheet_.Title(), std::move(shapes));
    });
    connect(&sheet_, &ChordSheet::Changed, this, &ChordSheetWindow::SheetChanged);

    // The sheet of the last run, kept beside the settings.
    const QString settingsFile = store_.FileName();
    if (!settingsFile.isEmpty()) {
        storagePath_ =
            QFileInfo(settingsFile).absoluteDir().filePath(QString::fromUtf8(kStorageName));
        if (QFileInfo::exists(storagePath_)) {
            const OpenedSheet kept = OpenSheetFile(storagePath_);
            {
                const QSignalBlocker quiet(&sheet_);
                sheet_.Assign(QString::fromStdString(kept.sheet.title), kept.sheet.chords);
            }
            // A kept file that did not load whole must never be overwritten by the next edit.
            const auto count = static_cast<int>(kept.sheet.chords.size());
            if (!kept.failure.isEmpty())
                SetKeptAside(kept.failure);
            else if (!kept.sheet.errors.empty())
                SetKeptAside(SheetErrorsText(kept.sheet.errors));
            else if (count > ChordSheet::kMaxDiagrams)
                SetKeptAside(CutNotice(QDir::toNativeSeparators(storagePath_), count));
        }
    }
    view_->Relayout();
    title_->setText(sheet_.Title());
    UpdateActions();
}

ChordSheetWindow::~ChordSheetWindow()
{
    // The widgets go while the sheet they show still exists: the title edit, losing the focus,
    // still reports its text.
    disconnect(&sheet_, nullptr, this, nullptr);
    disconnect(title_, nullptr, this, nullptr);
    delete widget();
}

void ChordSheetWindow::BuildActions(QMenuBar& menus)
{
    const auto make = [this](std::string_view text, const char* name, auto slot) {
        auto* action = new QAction(Text(text), this);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    exportSvg_ = make(strings::kSheetExportSvg, "exportSvg", [this] {
        ChooseAndExport(Filters(strings::kSheetSvgFilter), QStringLiteral("svg"),
            [this](const QString& path) { return ExportSvg(path); });
    });
    exportPdf_ = make(strings::kSheetExportPdf, "exportPdf", [this] {
        ChooseAndExport(Filters(strings::kSheetPdfFilter), QStringLiteral("pdf"),
            [this](const QString& path) { return ExportPdf(path); });
    });
    exportPng_ = make(strings::kSheetExportPng, "exportPng", [this] {
        const std::optional<int> dpi = dialogs_.pngDpi(lastPngDpi_);
        if (!dpi)
            return;
        lastPngDpi_ = *dpi;
        ChooseAndExport(Filters(strings::kSheetPngFilter), QStringLiteral("png"),
            [this, dpi](const QString& path) { return ExportPng(path, *dpi); });
    });
    print_ = make(strings::kSheetPrint, "printSheet", [this] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(SheetPageLayout(paper_ ? paper_() : SheetPaper()));
        printer.setDocName(sheet_.Title());
        if (dialogs_.setUpPrinter(printer))
            Print(printer);
    });
    open_ = make(strings::kSheetOpen, "openSheet", [this] {
        const QString path =
            dialogs_.openPath(Text(strings::kSheetOpen), Filters(strings::kSheetChordProFilter));
        if (!path.isEmpty())
            OpenSheet(path);
    });
    save_ = make(strings::kSheetSave, "saveSheet", [this] {
        ChooseAndExport(Filters(strings::kSheetChordProFilter), QStringLiteral("cho"),
            [this](const QString& path) { return SaveSheet(path); });
    });
    undoAction_ = make(strings::kSheetUndo, "undoSheet", [this] { undo_->undo(); });
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = make(strings::kSheetRedo, "redoSheet", [this] { undo_->redo(); });
    redoAction_->setShortcuts(QKeySequence::Redo);
    rename_ = make(strings::kSheetRename, "renameDiagram", [this] { view_->EditName(); });
    remove_ = make(strings::kSheetRemove, "removeDiagrams",
        [this] { emit view_->RemoveRequested(view_->Selected()); });
    clear_ = make(strings::kSheetClear, "clearSheet", [this] { Change(sheet_.Title(), {}); });
    for (QAction* action : {undoAction_, redoAction_})
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(undo_, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);

    QMenu* file = menus.addMenu(Text(strings::kSheetFile));
    file->addActions({exportSvg_, exportPdf_, exportPng_, print_});
    file->addSeparator();
    file->addActions({open_, save_});
    QMenu* edit = menus.addMenu(Text(strings::kSheetEdit));
    edit->addActions({undoAction_, redoAction_});
    edit->addSeparator();
    edit->addActions({rename_, remove_, clear_});
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    view_->addActions({rename_, remove_});
}

void ChordSheetWindow::UpdateActions()
{
    const bool any = sheet_.Count() > 0;
    const bool selected = !view_->Selected().empty();
    for (QAction* action : {exportSvg_, exportPdf_, exportPng_, print_, save_, clear_})
        action->setEnabled(any);
    remove_->setEnabled(selected);
    rename_->setEnabled(view_->Current() >= 0);
}

void ChordSheetWindow::SetLeftHanded(bool leftHanded)
{
    SheetStyle style = view_->Style();
    style.leftHanded = leftHanded;
    view_->SetStyle(style);
}

void ChordSheetWindow::Change(const QString& title, std::vector<theory::ChordShape> shapes)
{
    if (title == sheet_.Title() && shapes == sheet_.Shapes())
        return;
    undo_->push(new SheetChange(sheet_, title, std::move(shapes)));
}

int ChordSheetWindow::Add(const std::vector<theory::ChordShape>& shapes)
{
    const int room = std::max(0, ChordSheet::kMaxDiagrams - sheet_.Count());
    const int count = std::min(room, static_cast<int>(shapes.size()));
    if (count > 0) {
        std::vector<theory::ChordShape> all = sheet_.Shapes();
        all.insert(all.end(), shapes.begin(), shapes.begin() + count);
        Change(sheet_.Title(), std::move(all));
        view_->Select({sheet_.Count() - 1});
    }
    if (count < static_cast<int>(shapes.size())) {
        dialogs_.tell(false,
            Text(strings::kSheetFull)
                .arg(ChordSheet::kMaxDiagrams)
                .arg(static_cast<int>(shapes.size()) - count));
    }
    return count;
}

void ChordSheetWindow::SheetChanged()
{
    if (!title_->hasFocus() && title_->text() != sheet_.Title())
        title_->setText(sheet_.Title());
    UpdateActions();
    Keep();
}

void ChordSheetWindow::Keep()
{
    if (storagePath_.isEmpty())
        return;
    const QString error = SaveSheetFile(storagePath_, sheet_.Title(), sheet_.Shapes());
    if (!error.isEmpty() && !keepFailedOnce_) {
        // Said once a run: the sheet itself is fine, only the next start would miss it.
        keepFailedOnce_ = true;
        dialogs_.tell(true, Text(strings::kSheetSaveFailed).arg(error));
    }
}

void ChordSheetWindow::SetKeptAside(const QString& why)
{
    const QFileInfo kept(storagePath_);
    const QString aside = kept.absoluteDir().filePath(
        QStringLiteral("%1.unreadable-%2.%3")
            .arg(kept.completeBaseName(),
                QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")),
                kept.suffix()));
    QString notice;
    if (QFile::rename(storagePath_, aside)) {
        notice = Text(strings::kSheetKeptSetAside).arg(QDir::toNativeSeparators(aside), why);
    } else {
        notice = Text(strings::kSheetKeptNotMoved).arg(QDir::toNativeSeparators(storagePath_), why);
        storagePath_.clear();
    }
    // Told from the event loop: the program's window is up by then, and so are the dialogs a
    // caller set after construction.
    QMetaObject::invokeMethod(
        this, [this, notice] { dialogs_.tell(true, notice); }, Qt::QueuedConnection);
}

SheetPrint ChordSheetWindow::PrintOf(const SheetLayout& layout) const
{
    return {layout, view_->PerRow(), paper_ ? paper_() : SheetPaper()};
}

QString ChordSheetWindow::SuggestedName(const QString& extension) const
{
    QString name = sheet_.Title().trimmed();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (forbidden.contains(c) || c.isSpace() || c.unicode() < 0x20)
            c = QLatin1Char(c.isSpace() ? '-' : '_');
    }
    if (name.isEmpty())
        name = Text(strings::kSheetDefaultName);
    return name + QLatin1Char('.') + extension;
}

void ChordSheetWindow::ChooseAndExport(const QString& filter, const QString& extension,
    const std::function<bool(const QString&)>& write)
{
    const QString path = dialogs_.savePath(windowTitle(), filter, SuggestedName(extension));
    if (!path.isEmpty())
        write(path);
}

bool ChordSheetWindow::Reported(const QString& error)
{
    if (!error.isEmpty())
        dialogs_.tell(true, error);
    return error.isEmpty();
}

bool ChordSheetWindow::ExportSvg(const QString& path)
{
    return Reported(ExportSheetSvg(path, PrintOf(view_->Layout())));
}

bool ChordSheetWindow::ExportPdf(const QString& path)
{
    return Reported(ExportSheetPdf(path, PrintOf(view_->Layout())));
}

bool ChordSheetWindow::ExportPng(const QString& path, int dpi)
{
    return Reported(ExportSheetPng(path, PrintOf(view_->Layout()), dpi));
}

bool ChordSheetWindow::SaveSheet(const QString& path)
{
    const bool overCutFile = !cutPath_.isEmpty() && QFileInfo(path) == QFileInfo(cutPath_);
    if (overCutFile && sheet_.Count() < cutCount_) {
        const QString question = Text(strings::kSheetSaveShorter)
                                     .arg(QDir::toNativeSeparators(path))
                                     .arg(cutCount_)
                                     .arg(sheet_.Count())
                                     .arg(cutCount_ - sheet_.Count());
        if (!dialogs_.ask(question))
            return false;
    }
    if (!Reported(SaveSheetFile(path, sheet_.Title(), sheet_.Shapes())))
        return false;
    if (overCutFile)
        cutPath_.clear();
    return true;
}

bool ChordSheetWindow::OpenSheet(const QString& path)
{
    const OpenedSheet opened = OpenSheetFile(path);
    if (!Reported(opened.failure))
        return false;
    const QString shown = QDir::toNativeSeparators(path);
    if (opened.sheet.chords.empty()) {
        QString text = Text(strings::kSheetNoChords).arg(shown);
        if (!opened.sheet.errors.empty())
            text += QStringLiteral("\n\n") + SheetErrorsText(opened.sheet.errors);
        dialogs_.tell(true, text);
        return false;
    }
    Change(QString::fromStdString(opened.sheet.title), opened.sheet.chords);
    QStringList notices;
    const auto count = static_cast<int>(opened.sheet.chords.size());
    if (count > ChordSheet::kMaxDiagrams) {
        cutPath_ = path;
        cutCount_ = count;
        notices << CutNotice(shown, count);
    }
    if (!opened.sheet.errors.empty())
        notices << Text(strings::kSheetPartlyRead).arg(shown, SheetErrorsText(opened.sheet.errors));
    if (!notices.isEmpty())
        dialogs_.tell(true, notices.join(QStringLiteral("\n\n")));
    return true;
}

bool ChordSheetWindow::Print(QPrinter& printer)
{
    QPainter painter;
    const bool printed =
        painter.begin(&printer) && PaintSheetPages(painter, printer, PrintOf(view_->Layout()));
    if (painter.isActive())
        painter.end();
    if (!printed)
        dialogs_.tell(true, Text(strings::kSheetPrintFailed));
    return printed;
}

void ChordSheetWindow::SavePlacement(settings::SettingsStore& store) const
{
    if (const auto* window = qobject_cast<const QMainWindow*>(parentWidget()))
        widgets::SaveDockPlacement(*window, *this, store, kPlacementBase);
    settings::Write(store, kVisible, isVisible());
}

void ChordSheetWindow::Place(QMainWindow& window, const settings::SettingsStore& store)
{
    widgets::PlaceDock(window, *this, store, kPlacementBase, Qt::RightDockWidgetArea,
        {kDockedSize, kFloatingSize, kFloatingMinimum});
    // Closed until first wanted, then as the last run left it.
    setVisible(settings::Read(store, kVisible));
}

}  // namespace guivarna::sheet
