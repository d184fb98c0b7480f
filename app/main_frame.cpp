#include "app/main_frame.h"

#include "app/scale_position_commands.h"

#include "app/about_dialog.h"
#include "app/by_name_commands.h"
#include "app/chord_sheet_commands.h"
#include "app/command_table.h"
#include "app/help_window.h"
#include "app/instrument_applier.h"
#include "app/kova_view.h"
#include "app/list_export_commands.h"
#include "app/marked_notes_commands.h"
#include "app/output_commands.h"
#include "app/program_objects.h"
#include "app/scale_position_commands.h"
#include "app/wizard_commands.h"
#include "board/board_collection.h"
#include "calc/calc_page.h"
#include "calc/calc_window.h"
#include "calc/interval_stacker.h"
#include "calc/result_models.h"
#include "calc/voicing_page.h"
#include "output/lists/search_results.h"
#include "page/paper.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "settings/settings_store.h"
#include "sheet/window/chord_sheet_window.h"
#include "widgets/window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTabWidget>
#include <QUrl>

#include <array>
#include <exception>

#ifndef GUIVARNA_MANUAL_DIR
#define GUIVARNA_MANUAL_DIR "share/doc/guivarna"
#endif

namespace guivarna {

namespace {

bool IsDocument(const QUrl& url)
{
    return url.isLocalFile() &&
        url.toLocalFile().endsWith(Text(strings::kDocumentExtension), Qt::CaseInsensitive);
}

// The program's paper as the chord sheet lays its pages out: the page and the printable area.
sheet::SheetPaper SheetPaperOf(const page::Paper& paper)
{
    const QPoint offset = paper.PrintableOffset();
    const QSize printable = paper.PrintableSize();
    const double width = paper.Width() / 10.0;
    const double height = paper.Height() / 10.0;
    const double left = offset.x() / 10.0;
    const double top = offset.y() / 10.0;
    if (width <= 0 || height <= 0 || printable.isEmpty())
        return {};
    return {QSizeF(width, height),
        QMarginsF(left, top, std::max(0.0, width - left - printable.width() / 10.0),
            std::max(0.0, height - top - printable.height() / 10.0))};
}

}  // namespace

MainFrame::MainFrame(ProgramObjects& objects, QWidget* parent)
    : QMainWindow(parent), objects_(objects)
{
    setWindowTitle(Text(strings::kAppTitle));
    setAcceptDrops(true);
    view_ = new KovaView(objects_, this);
    setCentralWidget(view_);
    connect(view_, &KovaView::ArpeggioOff, this, &MainFrame::ArpeggioOff);
    outputCommands_ = new OutputCommands(objects_, *view_, this);
    listExport_ = new ListExportCommands(objects_, *view_, this);
    calculations_ = new calc::CalcWindow(objects_.engine, objects_.theory, objects_.boards, this);
    listExport_->SetChordListSource([this]() -> std::unique_ptr<output::ChordResults> {
        const calc::VoicingResultPage& voicings = calculations_->VoicingPage();
        if (calculations_->Tabs().currentWidget() != &voicings)
            return nullptr;
        const auto& model = static_cast<const calc::VoicingResultModel&>(voicings.Model());
        return std::make_unique<output::VoicingChordResults>(model.List(), model.Order());
    });
    connect(calculations_, &calc::CalcWindow::SceneChanged, view_->viewport(),
        qOverload<>(&QWidget::update));
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    calculations_->Place(*this, objects_.store);
    connect(calculations_, &QDockWidget::visibilityChanged, this, &MainFrame::UpdateCommands);
    sheet_ = new sheet::ChordSheetWindow(objects_.store, this);
    sheet_->SetPaperSource([this] { return SheetPaperOf(view_->GetScene().Paper()); });
    sheet_->SetLeftHanded(objects_.boards.LeftHanded());
    sheet_->Place(*this, objects_.store);
    connect(sheet_, &QDockWidget::visibilityChanged, this, &MainFrame::UpdateCommands);
    sheetCommands_ = new ChordSheetCommands(objects_, *sheet_, *calculations_, this);
    connect(
        calculations_, &calc::CalcWindow::ChordSelectionChanged, this, &MainFrame::UpdateCommands);
    markedNotes_ = new MarkedNotesCommands(objects_, *view_, this);
    connect(markedNotes_, &MarkedNotesCommands::ChordChanged, this, [this] {
        ChordSearchReady();
        UpdateCommands();
    });
    wizardCommands_ = new WizardCommands(objects_, this);
    connect(wizardCommands_, &WizardCommands::ChordSearchReady, this, &MainFrame::ChordSearchReady);
    connect(wizardCommands_, &WizardCommands::ChordSearchGo, this, &MainFrame::ChordSearchGo);
    connect(wizardCommands_, &WizardCommands::ScaleSearchReady, this, &MainFrame::ScaleSearchReady);
    connect(wizardCommands_, &WizardCommands::ScaleSearchGo, this, &MainFrame::ScaleSearchGo);
    connect(wizardCommands_, &WizardCommands::ArpeggioOff, this, &MainFrame::ArpeggioOff);
    byName_ = new ByNameCommands(objects_, *view_, this);
    connect(byName_, &ByNameCommands::ChordChanged, this, [this] {
        ChordSearchReady();
        UpdateCommands();
    });
    connect(byName_, &ByNameCommands::VoicingsWanted, this,
        [this](theory::PitchClass root, int intervals, theory::PitchClass bass) {
            if (!calculations_->isVisible())
                ToggleCalculations();
            calculations_->VoicingsGo(root, intervals, bass);
        });
    connect(byName_, &ByNameCommands::ChordWizardWanted, this,
        [this](const std::vector<theory::Note>& notes) { wizardCommands_->RunChordWizard(notes); });
    scalePositions_ = new ScalePositionCommands(objects_, *view_, *sheet_, this);
    connect(
        byName_, &ByNameCommands::ScaleShown, scalePositions_, &ScalePositionCommands::SetScale);
    wizardCommands_->SetChordAtStart([this] { return markedNotes_->NamedChordStillCurrent(); });
    commands_ = new CommandTable(*this);
    commands_->Add(FrameCommands());
    commands_->Add(outputCommands_->Commands());
    commands_->Add(wizardCommands_->Commands());
    commands_->Add(markedNotes_->Commands());
    commands_->Add(byName_->Commands());
    commands_->Add(sheetCommands_->Commands());
    commands_->Add(scalePositions_->Commands());
    instrument_ = std::make_unique<InstrumentApplier>(objects_, *view_, calculations_);
    commands_->Add(instrument_->Commands(*this));
    commands_->Add(listExport_->Commands());
    commands_->Build();
    // Ctrl+= is Ctrl++ without Shift on keyboards that carry + above =.
    action(CommandId::ZoomIn)
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    // A floating calculations window is a window of its own: the frame's shortcuts reach it
    // too, so they work whichever widget has the focus. (The chord sheet keeps its own keys.)
    for (QAction* command : actions())
        if (!command->shortcut().isEmpty())
            calculations_->addAction(command);
    RestorePlacement();
    view_->InitialUpdate();
    UpdateCommands();
}

MainFrame::~MainFrame()
{
    disconnect(calculations_, nullptr, this, nullptr);
    disconnect(sheet_, nullptr, this, nullptr);
    calculations_->StopAll();
}

std::vector<Command> MainFrame::FrameCommands()
{
    using board::BoardCollection;
    return {
        {CommandId::AppExit, MenuId::File, strings::kCmdExit, "", [this] { close(); }},
        {CommandId::SetDotColor, MenuId::ChordBoard, strings::kCmdSetDotColor, "",
            [this] { view_->ChooseDotColor(); }},
        {CommandId::ShowArpeggio, MenuId::ScaleBoard, strings::kCmdShowArpeggio, "Ctrl+A",
            [this] { ShowArpeggio(); }, [this] { return objects_.theory.HasSelection(); }, true},
        {CommandId::SelectAllOnClick, MenuId::ScaleBoard, strings::kCmdSelectAllOnClick, "",
            [this] {
                view_->SetSelectAllOnClick(action(CommandId::SelectAllOnClick)->isChecked());
            },
            {}, true, [this] { return objects_.boards.SelectAllOnClick(); }},
        {CommandId::ShowFingers, MenuId::ChordBoard, strings::kCmdShowFingers, "",
            [this] { objects_.boards.SetShowFingers(action(CommandId::ShowFingers)->isChecked()); },
            {}, true, [this] { return objects_.boards.ShowFingers(); }},
        {CommandId::IntervalStacker, MenuId::ScaleBoard, strings::kCmdIntervalStacker, "Ctrl+I",
            [this] { calc::IntervalStacker::Run(objects_.boards, objects_.store); }},
        {CommandId::ClearBoard, MenuId::ScaleBoard, strings::kCmdClearBoard, "Ctrl+B",
            [this] { view_->ClearBoard(); }},
        {CommandId::SetDotColor, MenuId::ScaleBoard, strings::kCmdSetDotColor, "",
            [this] { view_->ChooseDotColor(); }},
        {CommandId::ZoomIn, MenuId::View, strings::kCmdZoomIn, "Ctrl++",
            [this] { view_->ZoomIn(); }},
        {CommandId::ZoomOut, MenuId::View, strings::kCmdZoomOut, "Ctrl+-",
            [this] { view_->ZoomOut(); }},
        {CommandId::ZoomActualSize, MenuId::View, strings::kCmdZoomActualSize, "Ctrl+0",
            [this] { view_->SetZoom(1.0); }},
        {CommandId::ZoomFitWidth, MenuId::View, strings::kCmdZoomFitWidth, "",
            [this] { view_->FitWidth(); }},
        {CommandId::ZoomFitPage, MenuId::View, strings::kCmdZoomFitPage, "",
            [this] { view_->FitPage(); }},
        {CommandId::CalculationsWindow, MenuId::Windows, strings::kCmdCalculationsWindow, "Alt+1",
            [this] { ToggleCalculations(); }, {}, true,
            [this] { return calculations_->isVisible(); }},
        {CommandId::CalculationsWindowKey, MenuId::None, "", "Alt+0",
            [this] { ToggleCalculations(); }},
        {CommandId::ChordSheetWindow, MenuId::Windows, strings::kCmdChordSheetWindow, "Alt+2",
            [this] { ToggleSheet(); }, {}, true, [this] { return sheet_->isVisible(); }},
        {CommandId::HelpTopics, MenuId::Help, strings::kCmdHelpTopics, "F1",
            [this] { HelpTopics(); }},
        {CommandId::AppAbout, MenuId::Help, strings::kCmdAbout, "",
            [this] {
                AboutDialog dialog(this);
                dialog.exec();
            }},
    };
}

QAction* MainFrame::action(CommandId id) const
{
    return commands_->Action(id);
}

QMenu* MainFrame::menu(MenuId id) const
{
    return commands_->Menu(id);
}

void MainFrame::UpdateCommands()
{
    sheet_->SetLeftHanded(objects_.boards.LeftHanded());
    commands_->Update();
}

bool MainFrame::event(QEvent* event)
{
    // Shortcuts are matched after this override check, so a disabled command's shortcut
    // follows the current state exactly as its menu item does.
    if (event->type() == QEvent::ShortcutOverride)
        UpdateCommands();
    return QMainWindow::event(event);
}

bool MainFrame::OpenDocument(const QString& /*path*/)
{
    objects_.boards.Clear(board::BoardCollection::kChordBoard);
    ArpeggioOff();
    return true;
}

void MainFrame::ShowArpeggio()
{
    // The action has already flipped its check mark: checked means the arpeggio is now on.
    objects_.boards.ShowArpeggio(action(CommandId::ShowArpeggio)->isChecked(), objects_.theory);
}

void MainFrame::ToggleCalculations()
{
    calculations_->setVisible(!calculations_->isVisible());
    UpdateCommands();
}

void MainFrame::ToggleSheet()
{
    sheet_->setVisible(!sheet_->isVisible());
    if (sheet_->isVisible())
        sheet_->raise();
    UpdateCommands();
}

void MainFrame::ChordSearchReady()
{
    calculations_->ChordSearchReady();
}

void MainFrame::ChordSearchGo()
{
    calculations_->ChordSearchGo();
    ArpeggioOff();
}

void MainFrame::ScaleSearchReady()
{
    calculations_->ScaleSearchReady();
}

void MainFrame::ScaleSearchGo()
{
    calculations_->ScaleSearchGo();
}

void MainFrame::ArpeggioOff()
{
    action(CommandId::ShowArpeggio)->setChecked(false);
    objects_.boards.ShowArpeggio(false, objects_.theory);
    // The ScaleBoard is empty now, so the scale information panel has no scale to describe.
    objects_.engine.Scales().ClearNamedScale();
    objects_.engine.Scales().SetCurrent(-1);
    view_->viewport()->update();
}

QString MainFrame::ManualPath()
{
    const QString name = Text(strings::kManualFileName);
    const QString relative = QStringLiteral("../") + QString::fromUtf8(GUIVARNA_MANUAL_DIR);
    const QDir appDir(QCoreApplication::applicationDirPath());
    const QFileInfo beside(appDir.filePath(relative + QLatin1Char('/') + name));
    if (beside.isFile())
        return beside.canonicalFilePath();
    return {};
}

void MainFrame::HelpTopics()
{
    const QString path = ManualPath();
    if (path.isEmpty()) {
        QMessageBox::information(this, Text(strings::kManualMissingTitle),
            Text(strings::kManualMissing)
                .arg(QString::fromUtf8(GUIVARNA_MANUAL_DIR) + QLatin1Char('/') +
                    Text(strings::kManualFileName)));
        return;
    }
    const QUrl manual = QUrl::fromLocalFile(path);
    if (openUrl_ ? openUrl_(manual) : QDesktopServices::openUrl(manual))
        return;
    // No program on this desktop opens the manual: show it in the program's own window.
    if (help_ == nullptr)
        help_ = new HelpWindow(this);
    help_->ShowPage(manual);
}

widgets::WindowPlacement MainFrame::CurrentPlacement() const
{
    return widgets::CapturePlacement(*this);
}

void MainFrame::ShowMaximisedByDefault()
{
    // The normal size the window returns to when the user (or a desktop without a window
    // manager) does not keep it maximised.
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        const QRect available = primary->availableGeometry();
        const QSize size = available.size() * 3 / 4;
        setGeometry(QRect(available.center() - QPoint(size.width(), size.height()) / 2, size));
    }
    setWindowState(Qt::WindowMaximized);
}

void MainFrame::ApplyPlacement(const widgets::WindowPlacement& p)
{
    if (!widgets::ApplyPlacement(*this, p))
        ShowMaximisedByDefault();
}

void MainFrame::RestorePlacement()
{
    if (!widgets::RestorePlacement(*this, objects_.store, widgets::kMainWindowPlacement))
        ShowMaximisedByDefault();
}

void MainFrame::SavePlacement()
{
    widgets::SavePlacement(*this, objects_.store, widgets::kMainWindowPlacement);
}
void MainFrame::closeEvent(QCloseEvent* event)
{
    // A search still running ends here, before anything it reads goes away.
    calculations_->StopAll();
    calculations_->SavePlacement(objects_.store);
    sheet_->SavePlacement(objects_.store);
    SavePlacement();
    objects_.store.Sync();
    event->accept();
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), IsDocument))
        event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (IsDocument(url)) {
            OpenDocument(url.toLocalFile());
            event->acceptProposedAction();
            return;
        }
    }
}

}  // namespace guivarna
