#include "app/main_frame.h"

#include "app/about_dialog.h"
#include "app/instrument_applier.h"
#include "app/kova_view.h"
#include "app/output_commands.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "board/settings_store.h"
#include "resources/strings.h"
#include "resources/text.h"

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
#include <QUrl>

#include <array>
#include <exception>

#ifndef GUIVARNA_MANUAL_DIR
#define GUIVARNA_MANUAL_DIR "share/doc/guivarna"
#endif

namespace guivarna {

namespace {

// Show commands and flags of a stored placement.
constexpr std::int32_t kShowNormal = 1;
constexpr std::int32_t kShowMinimized = 2;
constexpr std::int32_t kShowMaximized = 3;
constexpr std::int32_t kRestoreToMaximized = 0x0002;

// Larger stored sizes are taken as corrupt.
constexpr int kMaxWindowExtent = 100000;

bool IsDocument(const QUrl& url)
{
    return url.isLocalFile() &&
        url.toLocalFile().endsWith(Text(strings::kDocumentExtension), Qt::CaseInsensitive);
}

}  // namespace

MainFrame::MainFrame(ProgramObjects& objects, QWidget* parent)
    : QMainWindow(parent), objects_(objects)
{
    setWindowTitle(Text(strings::kAppTitle));
    setAcceptDrops(true);
    view_ = new KovaView(objects_, this);
    setCentralWidget(view_);
    connect(view_, &KovaView::ArpeggioOff, this, &MainFrame::OnArpeggioOff);
    outputCommands_ = new OutputCommands(objects_, *view_, this);
    instrument_ = std::make_unique<InstrumentApplier>(objects_, *view_);
    CreateMenus();
    RestorePlacement();
    view_->InitialUpdate();
    UpdateCommands();
}

MainFrame::~MainFrame() = default;

void MainFrame::CreateMenus()
{
    // The menu bar in menu order. A feature adds its commands here as one row each; a command
    // that sits in two menus has a row per menu and one shared action.
    static const std::array<CommandRow, 15> kCommands{{
        {CommandId::Instrument, MenuId::File, strings::kCmdInstrument, "", false,
            &MainFrame::OnInstrument},
        {CommandId::FilePrint, MenuId::File, strings::kCmdPrint, "Ctrl+P", false,
            &MainFrame::OnPrint},
        {CommandId::FilePrintPreview, MenuId::File, strings::kCmdPrintPreview, "", false,
            &MainFrame::OnPrintPreview},
        {CommandId::FilePrintSetup, MenuId::File, strings::kCmdPrintSetup, "", false,
            &MainFrame::OnPrintSetup},
        {CommandId::AppExit, MenuId::File, strings::kCmdExit, "", false, &MainFrame::OnExit},
        {CommandId::CopyChordBoard, MenuId::ChordBoard, strings::kCmdCopyChordBoard, "Ctrl+Shift+C",
            false, &MainFrame::OnCopyChordBoard},
        {CommandId::SaveChordBoard, MenuId::ChordBoard, strings::kCmdSaveChordBoard, "Ctrl+Shift+S",
            false, &MainFrame::OnSaveChordBoard},
        {CommandId::SetDotColor, MenuId::ChordBoard, strings::kCmdSetDotColor, "", false,
            &MainFrame::OnSetDotColor},
        {CommandId::ShowArpeggio, MenuId::ScaleBoard, strings::kCmdShowArpeggio, "Ctrl+A", true,
            &MainFrame::OnShowArpeggio},
        {CommandId::SelectAllOnClick, MenuId::ScaleBoard, strings::kCmdSelectAllOnClick, "", true,
            &MainFrame::OnSelectAllOnClick},
        {CommandId::CopyScaleBoard, MenuId::ScaleBoard, strings::kCmdCopyScaleBoard, "Ctrl+C",
            false, &MainFrame::OnCopyScaleBoard},
        {CommandId::SaveScaleBoard, MenuId::ScaleBoard, strings::kCmdSaveScaleBoard, "Ctrl+S",
            false, &MainFrame::OnSaveScaleBoard},
        {CommandId::ClearBoard, MenuId::ScaleBoard, strings::kCmdClearBoard, "Ctrl+B", false,
            &MainFrame::OnClearBoard},
        {CommandId::SetDotColor, MenuId::ScaleBoard, strings::kCmdSetDotColor, "", false,
            &MainFrame::OnSetDotColor},
        {CommandId::HelpTopics, MenuId::Help, strings::kCmdHelpTopics, "F1", false,
            &MainFrame::OnHelpTopics},
    }};
    static const std::array<std::pair<MenuId, std::string_view>, 4> kMenus{{
        {MenuId::File, strings::kMenuFile},
        {MenuId::ChordBoard, strings::kMenuChordBoard},
        {MenuId::ScaleBoard, strings::kMenuScaleBoard},
        {MenuId::Help, strings::kMenuHelp},
    }};

    for (const auto& [id, title] : kMenus) {
        QMenu* m = menuBar()->addMenu(Text(title));
        connect(m, &QMenu::aboutToShow, this, &MainFrame::UpdateCommands);
        menus_[id] = m;
    }
    for (const CommandRow& row : kCommands) {
        QAction*& a = actions_[row.id];
        if (a == nullptr) {
            a = new QAction(Text(row.text), this);
            a->setData(static_cast<int>(row.id));
            a->setCheckable(row.checkable);
            if (!row.shortcut.empty())
                a->setShortcut(QKeySequence(Text(row.shortcut)));
            if (row.handler != nullptr)
                connect(a, &QAction::triggered, this, [this, h = row.handler] { RunCommand(h); });
            addAction(a);
        }
        menus_.at(row.menu)->addAction(a);
    }
    QAction* about = new QAction(Text(strings::kCmdAbout), this);
    connect(about, &QAction::triggered, this, [this] { RunCommand(&MainFrame::OnAbout); });
    actions_[CommandId::AppAbout] = about;
    menus_.at(MenuId::Help)->addAction(about);
}

void MainFrame::RunCommand(void (MainFrame::*handler)())
{
    // A command that fails must not take the event loop down with it.
    try {
        (this->*handler)();
    } catch (const std::exception& error) {
        QMessageBox::warning(this, Text(strings::kAppTitle),
            Text(strings::kCommandFailed).arg(QString::fromUtf8(error.what())));
    } catch (...) {
        QMessageBox::warning(this, Text(strings::kAppTitle),
            Text(strings::kCommandFailed).arg(Text(strings::kUnknownError)));
    }
}

QAction* MainFrame::action(CommandId id) const
{
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainFrame::menu(MenuId id) const
{
    const auto it = menus_.find(id);
    return it == menus_.end() ? nullptr : it->second;
}

void MainFrame::UpdateCommands()
{
    if (QAction* arpeggio = action(CommandId::ShowArpeggio))
        arpeggio->setEnabled(objects_.theory.HasSelection());
    if (QAction* selectAll = action(CommandId::SelectAllOnClick))
        selectAll->setChecked(objects_.boards.SelectAllOnClick());
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
    OnArpeggioOff();
    return true;
}

void MainFrame::OnInstrument()
{
    // The boards lost their marks, so the arpeggio display is off.
    if (instrument_->Choose(this))
        OnArpeggioOff();
}

void MainFrame::OnPrint()
{
    outputCommands_->Print();
}

void MainFrame::OnPrintPreview()
{
    outputCommands_->PrintPreview();
}

void MainFrame::OnPrintSetup()
{
    outputCommands_->PrintSetup();
}

void MainFrame::OnCopyChordBoard()
{
    outputCommands_->CopyBoard(board::BoardCollection::kChordBoard);
}

void MainFrame::OnCopyScaleBoard()
{
    outputCommands_->CopyBoard(board::BoardCollection::kScaleBoard);
}

void MainFrame::OnSaveChordBoard()
{
    outputCommands_->SaveBoard(board::BoardCollection::kChordBoard);
}

void MainFrame::OnSaveScaleBoard()
{
    outputCommands_->SaveBoard(board::BoardCollection::kScaleBoard);
}

void MainFrame::OnSetDotColor()
{
    view_->ChooseDotColor();
}

void MainFrame::OnShowArpeggio()
{
    // The action has already flipped its check mark: checked means the arpeggio is now on.
    objects_.boards.ShowArpeggio(action(CommandId::ShowArpeggio)->isChecked(), objects_.theory);
}

void MainFrame::OnSelectAllOnClick()
{
    view_->SetSelectAllOnClick(action(CommandId::SelectAllOnClick)->isChecked());
}

void MainFrame::OnClearBoard()
{
    view_->ClearBoard();
}

void MainFrame::OnArpeggioOff()
{
    action(CommandId::ShowArpeggio)->setChecked(false);
    objects_.boards.ShowArpeggio(false, objects_.theory);
}

void MainFrame::OnExit()
{
    close();
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

void MainFrame::OnHelpTopics()
{
    const QString path = ManualPath();
    if (path.isEmpty()) {
        QMessageBox::information(this, Text(strings::kManualMissingTitle),
            Text(strings::kManualMissing)
                .arg(QString::fromUtf8(GUIVARNA_MANUAL_DIR) + QLatin1Char('/') +
                    Text(strings::kManualFileName)));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MainFrame::OnAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

board::WindowPlacement MainFrame::CurrentPlacement() const
{
    board::WindowPlacement p;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    if (isMinimized()) {
        p.showCmd = kShowMinimized;
        if (windowState().testFlag(Qt::WindowMaximized))
            p.flags = kRestoreToMaximized;
    } else if (isMaximized()) {
        p.showCmd = kShowMaximized;
    } else {
        p.showCmd = kShowNormal;
    }
    p.normalLeft = normal.left();
    p.normalTop = normal.top();
    p.normalRight = normal.left() + normal.width();
    p.normalBottom = normal.top() + normal.height();
    return p;
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

void MainFrame::ApplyPlacement(const board::WindowPlacement& p)
{
    const qint64 width = qint64(p.normalRight) - p.normalLeft;
    const qint64 height = qint64(p.normalBottom) - p.normalTop;
    if (width <= 0 || height <= 0 || width > kMaxWindowExtent || height > kMaxWindowExtent) {
        ShowMaximisedByDefault();
        return;
    }
    QRect normal(p.normalLeft, p.normalTop, int(width), int(height));
    // A window stored on a screen that is gone comes back on the primary screen.
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        if (!primary->virtualGeometry().intersects(normal))
            normal.moveTopLeft(primary->availableGeometry().topLeft());
    }
    setGeometry(normal);
    const bool maximised = p.showCmd == kShowMaximized ||
        (p.showCmd == kShowMinimized && (p.flags & kRestoreToMaximized));
    setWindowState(maximised ? Qt::WindowMaximized : Qt::WindowNoState);
}

void MainFrame::RestorePlacement()
{
    board::WindowPlacement placement;
    if (objects_.store.ReadWindowPlacement(board::kMainWindowPlacement, placement))
        ApplyPlacement(placement);
    else
        ShowMaximisedByDefault();
}

void MainFrame::SavePlacement()
{
    objects_.store.WriteWindowPlacement(board::kMainWindowPlacement, CurrentPlacement());
}

void MainFrame::closeEvent(QCloseEvent* event)
{
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
