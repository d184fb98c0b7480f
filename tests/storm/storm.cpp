#include "tests/storm/storm.h"

#include "app/about_dialog.h"
#include "app/command_table.h"
#include "app/instrument_applier.h"
#include "app/kova_view.h"
#include "app/list_export_commands.h"
#include "app/main_frame.h"
#include "app/marked_notes_commands.h"
#include "app/output_commands.h"
#include "app/program_objects.h"
#include "app/save_dialog.h"
#include "board/board_collection.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/chord_wizard.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"
#include "calc/string_fret_page.h"
#include "calc/voicing_page.h"
#include "calc/wizard_frame.h"
#include "output/audio_player.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "settings/settings_store.h"
#include "sheet/sheet_file.h"
#include "sheet/window/chord_sheet_view.h"
#include "sheet/window/chord_sheet_window.h"
#include "theory/notes/instrument.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QAudioDevice>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <QUndoStack>

#include <chrono>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>

#include <sys/stat.h>

namespace guivarna::storm {

std::vector<std::string>& EscapedExceptions()
{
    static std::vector<std::string> escaped;
    return escaped;
}

namespace {

using board::BoardCollection;

constexpr std::size_t kRecentSteps = 50;

std::string Str(const QString& text)
{
    return text.toStdString();
}

// The settings file as key -> value, the way a fresh reader sees it.
std::map<QString, QString> ReadIni(const QString& path)
{
    QSettings file(path, QSettings::IniFormat);
    std::map<QString, QString> values;
    for (const QString& key : file.allKeys())
        values[key] = file.value(key).toString();
    return values;
}

int ThreadCount()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size());
}

QByteArray ReadAll(const QString& path, bool* exists)
{
    QFile file(path);
    *exists = file.exists();
    if (!*exists || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// One file a save dialog handed to a command during the step, as it was before the command
// wrote it.
struct ChosenFile {
    QString path;
    bool existed = false;
    QByteArray before;
    // Which file it was and when it was written: a save of the same bytes still replaces it.
    std::pair<std::uint64_t, std::int64_t> stamp{};
};

std::pair<std::uint64_t, std::int64_t> Stamp(const QString& path)
{
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// What the program state looks like from the settings that a restart must bring back.
struct SavedState {
    theory::Instrument instrument;
    bool showFingers = false;
    double zoom = 1.0;
    bool calcFloating = false;

    bool operator==(const SavedState&) const = default;
};

std::string Describe(const SavedState& s)
{
    std::ostringstream out;
    out << "strings=" << s.instrument.openNotes.size() << " positions=" << s.instrument.positions
        << " left=" << s.instrument.leftHanded << " fingers=" << s.showFingers << " zoom=" << s.zoom
        << " floating=" << s.calcFloating;
    return out.str();
}

class Storm : public QObject {
public:
    explicit Storm(const Options& opts) : opts_(opts), rng_(opts.seed) { }
    ~Storm() override;

    int Run();

private:
    // --- random choices
    int Pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    int Between(int low, int high) { return low + Pick(high - low + 1); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    template <typename T> const T& OneOf(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))];
    }

    // --- life cycle
    void Start();
    void Close();
    void Destroy();
    void Restart(const char* why);
    SavedState State() const;

    // A folder that nothing can be written into, holding old files that cannot be replaced.
    void LockFolder();

    // --- steps
    void Step();
    void StepCommand(bool byShortcut);
    void StepBoardClick(bool drag);
    void StepListClick();
    void StepListKeys();
    void StepSortHeader();
    void StepCalcButton();
    void StepIdle();
    void StepDock();
    void StepInstrument();
    void StepLongSearch();
    void StepPrintPdf();
    void StepResize();
    void StepCloseWindows();
    void StepSheet();

    // --- the modal driver
    void OnDriverTick();
    void DriveModal(QWidget& modal);
    void AnswerMessageBox(QMessageBox& box);
    void AnswerFileDialog(QFileDialog& dialog);
    void DriveWizard(calc::WizardFrame& wizard, int acted, int budget);
    void DriveDialog(QDialog& dialog, int acted, int budget);
    void Monkey(QWidget& window);
    QString RandomText();
    // Runs the loop until no modal dialog is left (the driver answers them); false on a timeout.
    bool Settle();

    // --- invariants
    void CheckInvariants();
    void CheckCommands();
    void CheckInstrument();
    void CheckPage(calc::CalcPage& page, const char* name);
    void CheckChosenFiles();
    void CheckSheet();
    void CheckShownRow(calc::CalcPage& page, bool chordPage);
    void Fail(const std::string& what);
    void Note(const std::string& text)
    {
        if (step_.size() < 600)
            step_ += " " + text;
    }

    // The rows the chord list commands write: the voicing list's while its tab is shown.
    std::size_t ChordListRows() const
    {
        calc::CalcWindow& w = *frame_->Calculations();
        if (w.Tabs().currentWidget() == &w.VoicingPage()) {
            const auto& model =
                static_cast<const calc::VoicingResultModel&>(w.VoicingPage().Model());
            return model.List() ? model.List()->Count() : 0;
        }
        return objects_->engine.Chords().Results()->Count();
    }

    calc::CalcPage& Page(int index) const
    {
        calc::CalcWindow& w = *frame_->Calculations();
        return index == 0 ? static_cast<calc::CalcPage&>(w.ChordPage()) : w.ScalePage();
    }

    Options opts_;
    std::mt19937_64 rng_;
    QTemporaryDir root_;
    QString settingsPath_;
    QString outDir_;
    QString blockedDir_;
    QString lockedDir_;
    bool lockedWorks_ = false;
    bool immutable_ = false;
    std::unique_ptr<settings::SettingsStore> store_;
    std::unique_ptr<ProgramObjects> objects_;
    std::unique_ptr<MainFrame> frame_;
    QTimer driver_;
    bool actionQueued_ = false;
    int baselineThreads_ = -1;
    int fileCounter_ = 0;

    int stepIndex_ = 0;
    std::string step_;
    std::deque<std::string> recent_;
    bool failed_ = false;
    // What the current step saw.
    std::vector<ChosenFile> chosen_;
    QStringList messages_;
    int warnings_ = 0;
    bool progressCancelled_ = false;
    CommandId command_ = CommandId::AppExit;
    bool commandRan_ = false;
    QString handedPath_;
    bool printAccepted_ = false;
    int chosenRow_[2] = {-2, -2};
    std::map<std::string, int> stepCounts_;
};

// --- life cycle -------------------------------------------------------------------------------

Storm::~Storm()
{
    if (immutable_)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), lockedDir_});
    if (!lockedDir_.isEmpty())
        QFile::setPermissions(lockedDir_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void Storm::LockFolder()
{
    lockedDir_ = root_.filePath(QStringLiteral("locked"));
    QDir().mkpath(lockedDir_);
    for (const char* suffix : {"txt", "html", "jpg"}) {
        QFile old(QDir(lockedDir_).filePath(QStringLiteral("old.") + QLatin1String(suffix)));
        old.open(QIODevice::WriteOnly);
        old.write("an old file that cannot be replaced");
        old.close();
        old.setPermissions(QFile::ReadOwner);
    }
    QFile::setPermissions(lockedDir_, QFile::ReadOwner | QFile::ExeOwner);
    const auto writable = [this] {
        QFile probe(QDir(lockedDir_).filePath(QStringLiteral("probe")));
        const bool made = probe.open(QIODevice::WriteOnly);
        if (made)
            probe.remove();
        return made;
    };
    // Root writes into read-only folders; an immutable folder stops root too (ext4 and others).
    if (writable()) {
        immutable_ =
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), lockedDir_}) == 0;
    }
    lockedWorks_ = !writable();
    if (!lockedWorks_)
        std::printf("storm: no folder could be locked; saves that fail are not tried\n");
}

void Storm::Start()
{
    store_ = std::make_unique<settings::SettingsStore>(settingsPath_);
    objects_ = std::make_unique<ProgramObjects>(*store_);
    frame_ = std::make_unique<MainFrame>(*objects_);
    // No browser and no sound device: help opens the program's own window, playing says that
    // nothing can be heard.
    frame_->SetUrlOpener([](const QUrl&) { return false; });
    frame_->MarkedNotes()->Player().SetDeviceSource([] { return QAudioDevice(); });
    // The list commands' own save dialog, noting the path it hands to the command.
    frame_->ListExport()->SetPathChooser([this](const SaveRequest& request) {
        const QString path = AskSavePath(frame_.get(), request);
        handedPath_ = path.isEmpty() ? QStringLiteral("(none)") : path;
        return path;
    });
    frame_->ListExport()->SetProgressTiming(
        std::chrono::milliseconds(0), std::chrono::milliseconds(Pick(2) == 0 ? 5 : 40));
    // "pauze" and "resume" wait a second, or less so that more runs see the delay expire.
    static const std::vector<int> delays{1000, 150, 30};
    frame_->Calculations()->SetPauseDelay(OneOf(delays));
    // The rows the user chose in this step, list by list: the board must show the last one.
    for (int page = 0; page < 2; ++page) {
        connect(&Page(page).List(), &calc::ResultListView::RowChosen, this,
            [this, page](int row) { chosenRow_[page] = row; });
    }
    frame_->setWindowState(Qt::WindowNoState);
    frame_->resize(Between(700, 1100), Between(500, 800));
    frame_->show();
    frame_->activateWindow();
    if (!QTest::qWaitForWindowActive(frame_.get()))
        Fail("the main window did not become active");
}

void Storm::Close()
{
    if (frame_->isVisible())
        frame_->close();
    // The window is closed: nothing may still search.
    for (int i = 0; i < 2; ++i) {
        if (Page(i).Runner().HasWorker())
            Fail(std::string("a worker of the ") + (i == 0 ? "chord" : "scale") +
                " page outlived the closed window");
    }
}

void Storm::Destroy()
{
    frame_.reset();
    objects_.reset();
    store_.reset();
    // Threads that ended are reaped by the system a moment later.
    const int limit = baselineThreads_;
    if (limit < 0)
        return;
    (void)QTest::qWaitFor([limit] { return ThreadCount() <= limit; }, 2000);
    if (ThreadCount() > limit)
        Fail("threads outlived the window: " + std::to_string(ThreadCount()) + " running, " +
            std::to_string(limit) + " before");
}

SavedState Storm::State() const
{
    return {objects_->boards.CurrentInstrument(), objects_->boards.ShowFingers(),
        frame_->View()->Zoom(), frame_->Calculations()->isFloating()};
}

void Storm::Restart(const char* why)
{
    Note(std::string("restart(") + why + ")");
    Close();
    const SavedState before = State();
    frame_.reset();
    objects_.reset();
    if (!store_->Sync())
        Fail("the settings could not be written at exit");
    const std::map<QString, QString> saved = ReadIni(settingsPath_);
    store_.reset();
    Destroy();
    Start();
    const SavedState after = State();
    if (!(after == before))
        Fail("after a restart the state differs: saved " + Describe(before) + ", read back " +
            Describe(after));
    // Starting reads the settings; it must not change what they say.
    store_->Sync();
    const std::map<QString, QString> reread = ReadIni(settingsPath_);
    for (const auto& [key, value] : saved) {
        const auto it = reread.find(key);
        if (it == reread.end())
            Fail("after a restart the setting " + Str(key) + " is gone");
        else if (it->second != value)
            Fail("after a restart the setting " + Str(key) + " reads " + Str(it->second) +
                ", saved " + Str(value));
    }
}

// --- the run ----------------------------------------------------------------------------------

int Storm::Run()
{
    if (!root_.isValid()) {
        std::fprintf(stderr, "storm: no temporary folder\n");
        return 1;
    }
    settingsPath_ = root_.filePath(QStringLiteral("settings.ini"));
    outDir_ = root_.filePath(QStringLiteral("out"));
    QDir().mkpath(outDir_);
    QDir().mkpath(root_.filePath(QStringLiteral("out/folder.txt")));
    // A path below a regular file cannot be created by anyone (also not by root, for whom a
    // read-only folder is writable).
    blockedDir_ = root_.filePath(QStringLiteral("blocker"));
    {
        QFile blocker(blockedDir_);
        blocker.open(QIODevice::WriteOnly);
        blocker.write("not a folder");
    }
    LockFolder();

    std::printf(
        "storm: seed %llu, %d steps\n", static_cast<unsigned long long>(opts_.seed), opts_.steps);
    std::fflush(stdout);

    driver_.setInterval(2);
    connect(&driver_, &QTimer::timeout, this, &Storm::OnDriverTick);
    driver_.start();

    const auto started = std::chrono::steady_clock::now();
    Start();
    // The threads Qt itself keeps (after a first window has been and gone) are the baseline.
    Close();
    Destroy();
    baselineThreads_ = ThreadCount() + 1;
    Start();

    for (stepIndex_ = 1; stepIndex_ <= opts_.steps && !failed_; ++stepIndex_) {
        Step();
        if (opts_.trace) {
            std::printf("%s\n", step_.c_str());
            std::fflush(stdout);
        }
        recent_.push_back(step_);
        if (recent_.size() > kRecentSteps)
            recent_.pop_front();
    }
    if (!failed_) {
        stepIndex_ = opts_.steps + 1;
        step_ = "#end shut down";
        Close();
        Destroy();
    }
    driver_.stop();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (failed_)
        return 1;
    std::printf("storm: seed %llu, %d steps passed in %.1f s\n",
        static_cast<unsigned long long>(opts_.seed), opts_.steps, seconds);
    for (const auto& [name, count] : stepCounts_)
        std::printf("  %-14s %d\n", name.c_str(), count);
    std::fflush(stdout);
    // Nothing of Qt's own may still run when the sanitizers look for leaks at exit.
    QThreadPool::globalInstance()->waitForDone();
    return 0;
}

void Storm::Fail(const std::string& what)
{
    if (failed_)
        return;
    failed_ = true;
    std::fprintf(stderr, "\nstorm: FAILED at step %d of %d, seed %llu\n  %s\n", stepIndex_,
        opts_.steps, static_cast<unsigned long long>(opts_.seed), what.c_str());
    std::fprintf(stderr, "storm: the last %zu steps:\n", recent_.size() + 1);
    for (const std::string& s : recent_)
        std::fprintf(stderr, "  %s\n", s.c_str());
    std::fprintf(stderr, "  %s   <-- failed here\n", step_.c_str());
    std::fprintf(stderr, "storm: replay with --seed %llu --steps %d\n",
        static_cast<unsigned long long>(opts_.seed), stepIndex_);
    std::fflush(stderr);
}

void Storm::Step()
{
    step_ = "#" + std::to_string(stepIndex_);
    chosen_.clear();
    messages_.clear();
    warnings_ = 0;
    progressCancelled_ = false;
    commandRan_ = false;
    chosenRow_[0] = chosenRow_[1] = -2;
    handedPath_.clear();

    struct Kind {
        const char* name;
        int weight;
        void (Storm::*run)();
    };
    static const std::vector<Kind> kinds{
        {"command", 30, nullptr},
        {"shortcut", 8, nullptr},
        {"click", 14, nullptr},
        {"drag", 4, nullptr},
        {"list-click", 10, &Storm::StepListClick},
        {"list-keys", 3, &Storm::StepListKeys},
        {"sort", 3, &Storm::StepSortHeader},
        {"calc-button", 14, &Storm::StepCalcButton},
        {"idle", 5, &Storm::StepIdle},
        {"dock", 4, &Storm::StepDock},
        {"instrument", 2, &Storm::StepInstrument},
        {"long-search", 1, &Storm::StepLongSearch},
        {"print-pdf", 1, &Storm::StepPrintPdf},
        {"resize", 2, &Storm::StepResize},
        {"close-windows", 1, &Storm::StepCloseWindows},
        {"sheet", 6, &Storm::StepSheet},
        {"restart", 1, nullptr},
    };
    int total = 0;
    for (const Kind& k : kinds)
        total += k.weight;
    int roll = Pick(total);
    const Kind* kind = &kinds.front();
    for (const Kind& k : kinds) {
        if (roll < k.weight) {
            kind = &k;
            break;
        }
        roll -= k.weight;
    }
    step_ += std::string(" ") + kind->name;
    ++stepCounts_[kind->name];
    const std::string name = kind->name;
    if (name == "command")
        StepCommand(false);
    else if (name == "shortcut")
        StepCommand(true);
    else if (name == "click")
        StepBoardClick(false);
    else if (name == "drag")
        StepBoardClick(true);
    else if (name == "restart")
        Restart("asked");
    else
        (this->*(kind->run))();

    if (!Settle())
        Fail("a modal dialog stayed open");
    // "Exit" closed the window: the user starts the program again.
    if (!failed_ && !frame_->isVisible())
        Restart("window closed");
    if (!failed_)
        CheckInvariants();
}

bool Storm::Settle()
{
    QCoreApplication::processEvents();
    return QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 20000);
}

// --- steps ------------------------------------------------------------------------------------

void Storm::StepCommand(bool byShortcut)
{
    const std::vector<Command>& rows = frame_->Commands().Rows();
    const Command& row = rows[static_cast<std::size_t>(Pick(static_cast<int>(rows.size())))];
    QAction* action = frame_->action(row.id);
    command_ = row.id;
    Note(Str(action->text().remove(QLatin1Char('&'))) + "(" +
        std::to_string(static_cast<int>(row.id)) + ")");
    // Printing goes to a PDF file of its own.
    QPrinter& printer = frame_->Output()->Printer();
    // The page set-up works on the system's printer; printing itself goes to PDF.
    printer.setOutputFormat(
        row.id == CommandId::FilePrintSetup ? QPrinter::NativeFormat : QPrinter::PdfFormat);
    printer.setOutputFileName(
        QDir(Chance(0.8) ? outDir_ : blockedDir_).filePath(QStringLiteral("print.pdf")));
    if (row.id == CommandId::CopyChordBoard || row.id == CommandId::CopyScaleBoard)
        QGuiApplication::clipboard()->clear();
    QFile::remove(printer.outputFileName());
    printAccepted_ = false;

    // Writing a list of millions of rows takes minutes; the storm leaves that to the benchmarks.
    const std::set<CommandId> listWriters{CommandId::SaveChordList, CommandId::SaveChordListHtml,
        CommandId::SaveAllChordImages, CommandId::SaveAllChordsHtmlAndImages};
    if (listWriters.count(row.id) != 0 && ChordListRows() > 20000) {
        Note("(list too long for the storm)");
        return;
    }
    const bool wasEnabled = [&] {
        frame_->UpdateCommands();
        return action->isEnabled();
    }();
    bool triggered = false;
    const QMetaObject::Connection watch =
        connect(action, &QAction::triggered, this, [&triggered] { triggered = true; });
    const auto unwatch = qScopeGuard([watch] { QObject::disconnect(watch); });
    if (byShortcut) {
        const QList<QKeySequence> keys = action->shortcuts();
        if (keys.isEmpty()) {
            Note("no shortcut");
            return;
        }
        const QKeySequence key = keys[Pick(static_cast<int>(keys.size()))];
        Note(Str(key.toString()));
        // Keys go to the active window; a user clicks the main window first when none is.
        QWidget* active = QApplication::activeWindow();
        if (active != frame_.get() && active != frame_->Calculations()) {
            Note(std::string("(activate from ") +
                (active ? active->metaObject()->className() : "none") + ")");
            frame_->activateWindow();
            if (!QTest::qWaitForWindowActive(frame_.get(), 1000)) {
                // The keys would go to another window: nothing of the frame's may run.
                Note("(not active)");
                return;
            }
        }
        QTest::keySequence(frame_.get(), key);
    } else {
        // The menu opens (which brings the states up to date) and the item is chosen.
        QMenu* menu = row.menu == MenuId::None ? nullptr : frame_->menu(row.menu);
        if (menu != nullptr)
            emit menu->aboutToShow();
        if (!action->isEnabled()) {
            Note("disabled");
            return;
        }
        action->trigger();
    }
    commandRan_ = wasEnabled && triggered;
    if (wasEnabled && !triggered)
        Note("(the window did not take the key)");
    if (!Settle())
        return;
    if (commandRan_ && row.id == CommandId::FilePrint && printAccepted_ &&
        printer.outputFormat() == QPrinter::PdfFormat) {
        // Printed to PDF: a file, or a message that says why not.
        bool exists = false;
        const bool written = ReadAll(printer.outputFileName(), &exists).startsWith("%PDF");
        if (written == (warnings_ > 0))
            Fail(written ? "printing warned although the PDF was written"
                         : "printing to " + Str(printer.outputFileName()) +
                        " wrote nothing and said nothing");
    }
    if (commandRan_ &&
        (row.id == CommandId::CopyChordBoard || row.id == CommandId::CopyScaleBoard) &&
        QGuiApplication::clipboard()->image().isNull())
        Fail("copy left no picture on the clipboard");
}

void Storm::StepBoardClick(bool drag)
{
    KovaView& view = *frame_->View();
    QWidget* viewport = view.viewport();
    QPoint from;
    if (Chance(0.75)) {
        // Aim at a board: its rectangle in the viewport.
        const int index = Pick(objects_->boards.BoardCount());
        const board::FretBoard& fb = objects_->boards.Board(index);
        const board::DeviceMapping mapping = view.Mapping();
        const QPointF origin = view.GetScene().SheetOrigin() + fb.Home();
        const QRectF rect = mapping.SceneToDevice(QRectF(origin, QSizeF(fb.Width(), fb.Height())));
        const QPoint scroll = view.ScrollPosition();
        from = QPoint(static_cast<int>(rect.left()) + Pick(std::max(1, int(rect.width()))),
                   static_cast<int>(rect.top()) + Pick(std::max(1, int(rect.height())))) -
            scroll;
        Note("board" + std::to_string(index));
    } else {
        from = QPoint(Between(-50, viewport->width() + 50), Between(-50, viewport->height() + 50));
    }
    const Qt::MouseButton button = Chance(0.9) ? Qt::LeftButton : Qt::RightButton;
    Note("at " + std::to_string(from.x()) + "," + std::to_string(from.y()) +
        (button == Qt::LeftButton ? "" : " right"));
    if (!drag) {
        QTest::mouseClick(viewport, button, {}, from);
    } else {
        const QPoint to = from + QPoint(Between(-300, 300), Between(-200, 200));
        Note("to " + std::to_string(to.x()) + "," + std::to_string(to.y()));
        QTest::mousePress(viewport, button, {}, from);
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, button, {}, to);
    }
}

void Storm::StepListClick()
{
    const int index = Pick(2);
    calc::CalcPage& page = Page(index);
    calc::ResultListView& list = page.List();
    Note(index == 0 ? "chords" : "scales");
    if (!list.isVisible() && Chance(0.7)) {
        Note("(show)");
        frame_->Calculations()->show();
        frame_->Calculations()->Tabs().setCurrentWidget(&page);
    }
    if (!list.isVisible()) {
        Note("hidden");
        return;
    }
    const int rows = page.Model().rowCount();
    QPoint at;
    if (rows > 0 && Chance(0.9)) {
        const int row = list.FirstVisibleRow() +
            Pick(std::max(1, list.viewport()->height() / std::max(1, list.RowHeight())));
        at = QPoint(Pick(list.viewport()->width()),
            (row - list.FirstVisibleRow()) * list.RowHeight() + list.RowHeight() / 2);
    } else {
        at = QPoint(Pick(list.viewport()->width()), Pick(list.viewport()->height()));
    }
    Note("at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
    if (Chance(0.2))
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    CheckShownRow(page, index == 0);
}

void Storm::StepListKeys()
{
    const int index = Pick(2);
    calc::CalcPage& page = Page(index);
    static const std::vector<Qt::Key> keys{
        Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
    const Qt::Key key = OneOf(keys);
    Note((index == 0 ? "chords key " : "scales key ") + std::to_string(static_cast<int>(key)));
    if (!page.List().isVisible())
        return;
    QTest::keyClick(&page.List(), key);
    CheckShownRow(page, index == 0);
}

void Storm::StepSortHeader()
{
    calc::ChordResultPage& page = frame_->Calculations()->ChordPage();
    const int column = Pick(page.Model().columnCount() + 1);
    Note("column " + std::to_string(column));
    page.SortByColumn(column);
    if (Chance(0.5))
        QTest::qWait(Pick(60));
}

void Storm::StepCalcButton()
{
    static const std::vector<std::string_view> names{
        strings::kButtonGo, strings::kButtonPause, strings::kButtonResume, strings::kButtonStop};
    // Mostly a button the user can press; now and then one that is greyed out.
    std::vector<std::pair<int, std::string_view>> usable;
    for (int page = 0; page < 2; ++page) {
        for (const std::string_view name : names) {
            auto* button = Page(page).findChild<QPushButton*>(Text(name));
            if (button != nullptr && button->isEnabled())
                usable.emplace_back(page, name);
        }
    }
    if (!frame_->Calculations()->isVisible() && Chance(0.7)) {
        Note("(reopen)");
        frame_->Calculations()->show();
    }
    const auto [index, name] = !usable.empty() && Chance(0.85)
        ? OneOf(usable)
        : std::pair<int, std::string_view>(Pick(2), OneOf(names));
    if (frame_->Calculations()->Tabs().currentWidget() != &Page(index))
        frame_->Calculations()->Tabs().setCurrentWidget(&Page(index));
    auto* button = Page(index).findChild<QPushButton*>(Text(name));
    Note(std::string(index == 0 ? "chords " : "scales ") + std::string(name));
    if (button == nullptr) {
        Fail("the page has no button " + std::string(name));
        return;
    }
    if (!button->isVisible() || !button->isEnabled()) {
        Note("(off)");
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
    if (Chance(0.3))
        QTest::qWait(Pick(40));
}

void Storm::StepIdle()
{
    const int ms = Chance(0.05) ? Between(900, 1100) : Pick(80);
    Note(std::to_string(ms) + " ms");
    QTest::qWait(ms);
}

void Storm::StepDock()
{
    calc::CalcWindow& w = *frame_->Calculations();
    switch (Pick(6)) {
    case 0:
        Note(w.isFloating() ? "dock" : "float");
        w.setFloating(!w.isFloating());
        break;
    case 1:
        Note("close");
        w.close();
        break;
    case 2:
        Note("reopen");
        w.show();
        break;
    case 3: {
        static const std::vector<Qt::DockWidgetArea> areas{
            Qt::LeftDockWidgetArea, Qt::RightDockWidgetArea, Qt::BottomDockWidgetArea};
        const Qt::DockWidgetArea area = OneOf(areas);
        Note("to area " + std::to_string(static_cast<int>(area)));
        frame_->addDockWidget(area, &w);
        w.show();
        break;
    }
    case 4: {
        const int tab = Pick(w.Tabs().count());
        Note("tab " + std::to_string(tab));
        w.Tabs().setCurrentIndex(tab);
        break;
    }
    default:
        if (w.isFloating()) {
            Note("move floating");
            w.move(Between(0, 600), Between(0, 400));
            w.resize(Between(100, 700), Between(80, 500));
        } else {
            Note("resize docked");
            frame_->resizeDocks({&w}, {Between(50, 500)},
                frame_->dockWidgetArea(&w) == Qt::BottomDockWidgetArea ? Qt::Vertical
                                                                       : Qt::Horizontal);
        }
        break;
    }
    QCoreApplication::processEvents();
}

void Storm::StepInstrument()
{
    theory::Instrument instrument;
    const std::vector<theory::InstrumentPreset>& presets = theory::InstrumentPresets();
    if (Chance(0.6)) {
        instrument.openNotes =
            presets[static_cast<std::size_t>(Pick(int(presets.size())))].openNotes;
    } else {
        // Mostly sound instruments, some with open notes out of range.
        const int strings = Chance(0.1) ? Between(0, 30) : Between(1, 8);
        for (int i = 0; i < strings; ++i)
            instrument.openNotes.push_back(Chance(0.03) ? Between(-5, 140) : Between(28, 76));
    }
    instrument.positions = Chance(0.1) ? Between(-2, 60) : Between(5, 25);
    instrument.leftHanded = Chance(0.2);
    const bool running = Page(0).Runner().HasWorker() || Page(1).Runner().HasWorker();
    Note("strings=" + std::to_string(instrument.openNotes.size()) +
        " positions=" + std::to_string(instrument.positions) + (running ? " while running" : ""));
    const theory::Instrument before = objects_->boards.CurrentInstrument();
    try {
        frame_->Instrument().Apply(instrument);
    } catch (const std::invalid_argument& error) {
        Note("refused");
        if (!(objects_->boards.CurrentInstrument() == before))
            Fail(std::string("a refused instrument changed the boards: ") + error.what());
        return;
    }
    if (!(objects_->boards.CurrentInstrument() == instrument))
        Fail("the boards do not show the instrument applied");
    for (int i = 0; i < 2; ++i) {
        if (Page(i).Runner().HasWorker())
            Fail("a search still runs after the instrument changed");
        if (Page(i).Model().PublishedCount() != 0)
            Fail("a result list kept its rows after the instrument changed");
    }
}

void Storm::StepLongSearch()
{
    // A chord of many notes on a long neck of seven or eight strings: a run of millions of
    // fingerings that the following steps find running, pause, resume, stop or replace.
    theory::Instrument instrument;
    instrument.openNotes = Chance(0.5) ? std::vector<theory::Note>{64, 59, 55, 50, 45, 40, 35}
                                       : std::vector<theory::Note>{64, 59, 55, 50, 45, 40, 35, 30};
    instrument.positions = Between(15, 25);
    static const std::vector<std::string> names{"C", "D", "E", "F", "G", "A", "Bb", "B"};
    std::vector<std::string> chord(names.begin(), names.begin() + Between(5, 8));
    Note(std::to_string(instrument.openNotes.size()) + " strings, " + std::to_string(chord.size()) +
        " notes");
    frame_->Instrument().Apply(instrument);
    objects_->theory.LoadChord(chord.front(), chord);
    frame_->ChordSearchReady();
    frame_->Calculations()->show();
    auto* go = Page(0).findChild<QPushButton*>(Text(strings::kButtonGo));
    if (go->isEnabled())
        QTest::mouseClick(go, Qt::LeftButton);
}

void Storm::StepPrintPdf()
{
    const bool blocked = Chance(0.25);
    const QString path = QDir(blocked ? blockedDir_ : outDir_)
                             .filePath(QStringLiteral("scene%1.pdf").arg(++fileCounter_));
    Note(blocked ? "to a path that cannot be written" : "to a file");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const QString problem = frame_->Output()->PrintScene(printer);
    bool exists = false;
    const QByteArray pdf = ReadAll(path, &exists);
    if (blocked && problem.isEmpty())
        Fail("printing to a path that cannot be written reported success");
    if (!blocked && (!problem.isEmpty() || !pdf.startsWith("%PDF")))
        Fail("printing to PDF failed: " + Str(problem));
}

void Storm::StepResize()
{
    if (Chance(0.3)) {
        const QPoint centre = frame_->View()->viewport()->rect().center();
        const int delta = Chance(0.5) ? 120 : -120;
        Note("wheel " + std::to_string(delta));
        QWheelEvent wheel(centre, frame_->View()->viewport()->mapToGlobal(centre), {}, {0, delta},
            Qt::NoButton, Chance(0.5) ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase,
            false);
        QApplication::sendEvent(frame_->View()->viewport(), &wheel);
        return;
    }
    const QSize size(Between(300, 1300), Between(250, 950));
    Note(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    frame_->resize(size);
    QCoreApplication::processEvents();
}

void Storm::StepCloseWindows()
{
    // Help windows and balloons: whatever top-level windows besides the main window are shown.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != frame_.get() && w->isVisible() && w != frame_->Calculations() && Chance(0.7)) {
            Note(Str(QString::fromLatin1(w->metaObject()->className())));
            w->close();
        }
    }
}

// --- the modal driver -------------------------------------------------------------------------

void Storm::OnDriverTick()
{
    if (actionQueued_ || QApplication::activeModalWidget() == nullptr)
        return;
    // Act from a queued call, not from the timer: an action that opens a dialog of its own runs
    // that dialog's loop, and the timer must be free to fire inside it.
    actionQueued_ = true;
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    QTimer::singleShot(0, this, [this, modal] {
        actionQueued_ = false;
        if (modal && modal == QApplication::activeModalWidget())
            DriveModal(*modal);
    });
}

void Storm::DriveModal(QWidget& modal)
{
    const int acted = modal.property("stormActed").toInt();
    modal.setProperty("stormActed", acted + 1);
    if (acted == 0) {
        modal.setProperty("stormBudget", Chance(0.2) ? 0 : Between(1, 14));
        Note(std::string("[") + modal.metaObject()->className() + "]");
    }
    const int budget = modal.property("stormBudget").toInt();
    if (acted > budget + 200) {
        Fail(std::string("the dialog ") + modal.metaObject()->className() + " cannot be closed");
        modal.close();
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        AnswerMessageBox(*box);
    } else if (auto* files = qobject_cast<QFileDialog*>(&modal)) {
        if (acted > budget + 20 || Chance(0.12)) {
            Note("cancel");
            files->reject();
        } else {
            AnswerFileDialog(*files);
        }
    } else if (auto* progress = qobject_cast<QProgressDialog*>(&modal)) {
        if (Chance(0.25)) {
            Note("cancel progress");
            progressCancelled_ = true;
            progress->cancel();
        }
    } else if (auto* colours = qobject_cast<QColorDialog*>(&modal)) {
        colours->setCurrentColor(QColor::fromRgb(static_cast<QRgb>(rng_())));
        if (Chance(0.7))
            colours->accept();
        else
            colours->reject();
    } else if (qobject_cast<QPrintDialog*>(&modal) || qobject_cast<QPageSetupDialog*>(&modal) ||
        qobject_cast<QPrintPreviewDialog*>(&modal) || qobject_cast<AboutDialog*>(&modal)) {
        auto& dialog = static_cast<QDialog&>(modal);
        if (Chance(0.6)) {
            Note("accept");
            printAccepted_ = printAccepted_ || qobject_cast<QPrintDialog*>(&modal) != nullptr;
            dialog.accept();
        } else {
            Note("reject");
            dialog.reject();
        }
    } else if (auto* wizard = qobject_cast<calc::WizardFrame*>(&modal)) {
        DriveWizard(*wizard, acted, budget);
    } else if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
        DriveDialog(*dialog, acted, budget);
    } else {
        modal.close();
    }
}

void Storm::AnswerMessageBox(QMessageBox& box)
{
    const QString text = box.text() + QLatin1Char(' ') + box.informativeText();
    messages_ << text;
    // The file dialog's own question (replace the file?) is not a report of the program's.
    const bool fromFileDialog = qobject_cast<QFileDialog*>(box.parentWidget()) != nullptr;
    if (!fromFileDialog &&
        (box.icon() == QMessageBox::Warning || box.icon() == QMessageBox::Critical))
        ++warnings_;
    Note("\"" + Str(text.left(60)) + "\"");
    const QList<QAbstractButton*> buttons = box.buttons();
    if (buttons.isEmpty()) {
        box.done(0);
        return;
    }
    QAbstractButton* button = buttons[Pick(static_cast<int>(buttons.size()))];
    Note("-> " + Str(button->text().remove(QLatin1Char('&'))));
    button->click();
}

void Storm::AnswerFileDialog(QFileDialog& dialog)
{
    if (!dialog.property("stormWatched").toBool()) {
        dialog.setProperty("stormWatched", true);
        // The moment the dialog accepts, before the command writes: what the file was.
        connect(&dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
            ChosenFile chosen;
            chosen.path = path;
            chosen.before = ReadAll(path, &chosen.existed);
            chosen.stamp = Stamp(path);
            chosen_.push_back(chosen);
        });
    }
    const QString suffix =
        dialog.defaultSuffix().isEmpty() ? QStringLiteral("txt") : dialog.defaultSuffix();
    const int n = ++fileCounter_;
    QString path;
    switch (Pick(6)) {
    case 0:
    case 1:
        path = QDir(outDir_).filePath(QStringLiteral("new%1.%2").arg(n).arg(suffix));
        Note("new file");
        break;
    case 2: {
        path = QDir(outDir_).filePath(QStringLiteral("old%1.%2").arg(n).arg(suffix));
        QFile old(path);
        old.open(QIODevice::WriteOnly);
        old.write("the old file " + QByteArray::number(n));
        Note("over an old file");
        break;
    }
    case 3:
        path = QDir(lockedDir_).filePath(QStringLiteral("x%1.%2").arg(n).arg(suffix));
        Note("into the locked folder");
        break;
    case 4:
        path = QDir(lockedDir_).filePath(QStringLiteral("old.%1").arg(suffix));
        Note("over a locked old file");
        break;
    default:
        path = QDir(outDir_).filePath(QStringLiteral("folder.txt"));
        Note("a folder");
        break;
    }
    // As a user does it: to the folder, then the name typed into the name field.
    const QFileInfo target(path);
    dialog.setDirectory(target.absolutePath());
    if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(target.fileName());
    else
        dialog.selectFile(path);
    static_cast<QDialog&>(dialog).accept();  // QFileDialog hides accept()
}

// Types text key by key; characters without a key of their own arrive as the text of a key
// event, as an input method delivers them.
void TypeText(QWidget& widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(&widget, c.toLatin1());
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString piece = text.mid(i, length);
        i += length - 1;
        QTest::sendKeyEvent(QTest::Press, &widget, Qt::Key_unknown, piece, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, &widget, Qt::Key_unknown, piece, Qt::NoModifier);
    }
}

QString Storm::RandomText()
{
    static const std::vector<QString> texts{QString(), QStringLiteral("C"), QStringLiteral("Am"),
        QStringLiteral("G7"), QStringLiteral("Cmaj7"), QStringLiteral("F#m7b5"),
        QStringLiteral("Bb/D"), QStringLiteral("C#dim7"), QStringLiteral("Eaug"),
        QStringLiteral("Dsus4"), QStringLiteral("Cmaj7#11b9"), QStringLiteral("E2"),
        QStringLiteral("A4"), QStringLiteral("C-1"), QStringLiteral("G13"), QStringLiteral("H"),
        QStringLiteral("x"), QStringLiteral("C/"), QStringLiteral("/"), QStringLiteral("(((("),
        QStringLiteral("maj"), QStringLiteral("dorian"), QStringLiteral("major"),
        QStringLiteral("99"), QStringLiteral("-5"), QStringLiteral("0"), QStringLiteral("C E G"),
        QStringLiteral("Ü ß"), QStringLiteral("\U0001F4A5"), QString(300, QLatin1Char('#'))};
    return OneOf(texts);
}

void Storm::Monkey(QWidget& window)
{
    std::vector<QWidget*> candidates;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || w->window() != &window)
            continue;
        const bool inner = qobject_cast<QComboBox*>(w->parentWidget()) != nullptr ||
            qobject_cast<QAbstractSpinBox*>(w->parentWidget()) != nullptr;
        if (inner)
            continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
            qobject_cast<QAbstractItemView*>(w))
            candidates.push_back(w);
    }
    if (candidates.empty() || Chance(0.04)) {
        static const std::vector<Qt::Key> keys{
            Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Delete, Qt::Key_Space};
        const Qt::Key key = OneOf(keys);
        Note("key " + std::to_string(static_cast<int>(key)));
        QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keyClick(focus, key);
        return;
    }
    QWidget* w = OneOf(candidates);
    const std::string name = Str(w->objectName());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        Note("click '" + Str(button->text().remove(QLatin1Char('&'))) + "'");
        button->click();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int index = Pick(combo->count() + 1) - 1;
        Note("combo " + name + "=" + std::to_string(index));
        combo->setCurrentIndex(index);
        if (index >= 0)
            emit combo->activated(index);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString text = RandomText();
        Note("type '" + Str(text.left(20)) + "'");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        TypeText(*edit, text);
        if (Chance(0.3))
            QTest::keyClick(edit, Qt::Key_Return);
    } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        const int value = Between(spin->minimum() - 2, spin->maximum() + 2);
        Note("spin " + name + "=" + std::to_string(value));
        spin->setValue(value);
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        QAbstractItemModel* model = view->model();
        const int rows = model ? model->rowCount(view->rootIndex()) : 0;
        if (rows == 0) {
            Note("empty list");
            return;
        }
        const QModelIndex index = model->index(Pick(rows), 0, view->rootIndex());
        view->scrollTo(index);
        const QRect rect = view->visualRect(index);
        Note("row " + std::to_string(index.row()) + " of " + name);
        if (Chance(0.2))
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        else
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    } else {
        Note("nothing");
    }
}

void Storm::DriveWizard(calc::WizardFrame& wizard, int acted, int budget)
{
    if (acted > budget + 60) {
        Note("force cancel");
        wizard.reject();
        return;
    }
    if (acted < budget) {
        // Searches stay small: the fret range of the chord wizard is mostly narrow.
        auto* chord = qobject_cast<calc::ChordWizard*>(&wizard);
        if (chord != nullptr && wizard.CurrentPage() == chord->StringsPage() && Chance(0.5)) {
            QComboBox* low = chord->StringsPage()->LowestFretList();
            QComboBox* high = chord->StringsPage()->HighestFretList();
            const int from = Pick(low->count());
            low->setCurrentIndex(from);
            high->setCurrentIndex(std::min(high->count() - 1, from + Between(1, 4)));
            Note("frets " + Str(low->currentText()) + ".." + Str(high->currentText()));
            return;
        }
        Monkey(wizard);
        return;
    }
    // The budget is spent: Finish, Next or Cancel, as a user ends a wizard.
    QPushButton* finish = wizard.FinishButton();
    QPushButton* next = wizard.NextButton();
    if (finish->isVisible() && finish->isEnabled() && Chance(0.6)) {
        Note("Finish");
        finish->click();
    } else if (next->isVisible() && next->isEnabled() && Chance(0.6)) {
        Note("Next");
        next->click();
    } else if (Chance(0.7)) {
        Note("Cancel");
        wizard.CancelButton()->click();
    } else {
        Monkey(wizard);
    }
}

void Storm::DriveDialog(QDialog& dialog, int acted, int budget)
{
    if (acted > budget + 40) {
        Note("force reject");
        dialog.reject();
        return;
    }
    if (acted < budget) {
        Monkey(dialog);
        return;
    }
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    if (Chance(0.6)) {
        QPushButton* ok = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
        Note("OK");
        if (ok != nullptr && ok->isEnabled())
            ok->click();
        else if (ok == nullptr)
            dialog.accept();
        else
            Monkey(dialog);
    } else {
        Note("Cancel");
        dialog.reject();
    }
}

// --- invariants -------------------------------------------------------------------------------

void Storm::CheckInvariants()
{
    std::vector<std::string>& escaped = EscapedExceptions();
    if (!escaped.empty()) {
        Fail("an exception reached the event loop: " + escaped.front());
        return;
    }
    const QString failedPrefix = Text(strings::kCommandFailed).section(QStringLiteral("%1"), 0, 0);
    for (const QString& message : messages_) {
        if (message.startsWith(failedPrefix)) {
            Fail("a command failed with an exception: " + Str(message));
            return;
        }
    }
    CheckCommands();
    CheckInstrument();
    CheckPage(Page(0), "chord");
    CheckPage(Page(1), "scale");
    CheckChosenFiles();
    CheckSheet();
}

void Storm::CheckCommands()
{
    // Opening every menu brings the states up to date; then each item follows its rule.
    for (const MenuId id : {MenuId::File, MenuId::ChordBoard, MenuId::ScaleBoard, MenuId::View,
             MenuId::Windows, MenuId::Help})
        emit frame_->menu(id)->aboutToShow();
    // While a search runs its result count grows under the check: the list commands are
    // checked once the workers are gone.
    const bool searching = Page(0).Runner().HasWorker() || Page(1).Runner().HasWorker() ||
        frame_->Calculations()->VoicingPage().Runner().HasWorker();
    const std::set<CommandId> listCommands{CommandId::SaveChordList, CommandId::SaveChordListHtml,
        CommandId::SaveAllChordImages, CommandId::SaveAllChordsHtmlAndImages,
        CommandId::SaveScaleList};
    for (const Command& row : frame_->Commands().Rows()) {
        QAction* action = frame_->action(row.id);
        if (searching && listCommands.count(row.id) != 0)
            continue;
        if (row.enabled && action->isEnabled() != row.enabled())
            Fail("the command " + Str(action->text()) + " is " +
                (action->isEnabled() ? "enabled" : "disabled") + " against its rule");
        if (row.checked && action->isChecked() != row.checked())
            Fail("the check mark of " + Str(action->text()) + " is against its rule");
    }
    // The rules themselves, from what the user sees.
    const bool chords = ChordListRows() > 0;
    const bool scales = objects_->engine.Scales().Results()->Count() > 0;
    const bool busy = frame_->ListExport()->Busy();
    const std::vector<std::pair<CommandId, bool>> expected{
        {CommandId::SaveChordList, chords && !busy},
        {CommandId::SaveChordListHtml, chords && !busy},
        {CommandId::SaveAllChordImages, chords && !busy},
        {CommandId::SaveAllChordsHtmlAndImages, chords && !busy},
        {CommandId::SaveScaleList, scales && !busy},
        {CommandId::ShowArpeggio, objects_->theory.HasSelection()},
    };
    for (const auto& [id, enabled] : expected) {
        if (searching && listCommands.count(id) != 0)
            continue;
        if (frame_->action(id)->isEnabled() != enabled)
            Fail("the command " + Str(frame_->action(id)->text()) + " should be " +
                (enabled ? "enabled" : "disabled"));
    }
    if (frame_->action(CommandId::CalculationsWindow)->isChecked() !=
        frame_->Calculations()->isVisible())
        Fail("the check mark of the calculations window does not show whether it is open");
}

void Storm::CheckInstrument()
{
    // Fingerings land on the ChordBoard's frets only if the search has the board's strings; both
    // boards carry the same instrument.
    std::vector<int> open;
    objects_->boards.OpenNotes(BoardCollection::kChordBoard, open);
    const std::vector<theory::Note> tuning = objects_->engine.Chords().Tuning();
    if (std::vector<int>(tuning.begin(), tuning.end()) != open)
        Fail("the chord search is not tuned to the ChordBoard's strings (" +
            std::to_string(tuning.size()) + " against " + std::to_string(open.size()) + ")");
    if (objects_->boards.StringCount(BoardCollection::kScaleBoard) !=
            objects_->boards.StringCount(BoardCollection::kChordBoard) ||
        objects_->boards.FretCount(BoardCollection::kScaleBoard) !=
            objects_->boards.FretCount(BoardCollection::kChordBoard))
        Fail("the two boards show different instruments");
}

void Storm::CheckPage(calc::CalcPage& page, const char* name)
{
    const calc::CalcRunner& runner = page.Runner();
    const std::vector<std::pair<std::string_view, bool>> buttons{
        {strings::kButtonGo, runner.GoEnabled()},
        {strings::kButtonPause, runner.PauseEnabled()},
        {strings::kButtonResume, runner.ResumeEnabled()},
        {strings::kButtonStop, runner.StopEnabled()},
    };
    for (const auto& [text, enabled] : buttons) {
        auto* button = page.findChild<QPushButton*>(Text(text));
        if (button->isEnabled() != enabled)
            Fail(std::string("the ") + name + " page's button " + std::string(text) + " is " +
                (button->isEnabled() ? "enabled" : "disabled") + " against the run state " +
                std::to_string(runner.state()) + (runner.HasWorker() ? " (worker)" : ""));
    }
    const calc::ResultListModel& model = page.Model();
    std::size_t found = 0;
    if (auto* chords = dynamic_cast<const calc::ChordResultModel*>(&model))
        found = chords->List() ? chords->List()->Count() : 0;
    else if (auto* scales = dynamic_cast<const calc::ScaleResultModel*>(&model))
        found = scales->List() ? scales->List()->Count() : 0;
    if (static_cast<std::size_t>(model.PublishedCount()) > found)
        Fail(std::string("the ") + name + " list shows " + std::to_string(model.PublishedCount()) +
            " rows, its run found " + std::to_string(found));
    if (model.ShowsNotice() && model.PublishedCount() != 0)
        Fail(std::string("the ") + name + " list shows the notice row beside results");
    if (page.List().SelectedRow() >= model.rowCount())
        Fail(std::string("the ") + name + " list selects a row it does not have");
}

void Storm::CheckShownRow(calc::CalcPage& page, bool chordPage)
{
    // Only a row chosen in this step: the boards may have changed since an earlier choice.
    const int row = page.List().SelectedRow();
    if (row < 0 || chosenRow_[chordPage ? 0 : 1] != row)
        return;
    if (chordPage) {
        auto& model = static_cast<calc::ChordResultModel&>(page.Model());
        if (!model.IsResultOf(row, objects_->engine.Chords().Results()))
            return;
        const theory::ChordFingering fingering = model.List()->Get(model.ListIndex(row));
        std::vector<std::pair<int, int>> expected;
        for (std::size_t k = 0; k < fingering.StringSet.size(); ++k)
            expected.emplace_back(
                int(fingering.StringSet[k]) - 1, int(fingering.FretBoardPosition[k]));
        std::sort(expected.begin(), expected.end());
        std::vector<std::pair<int, int>> shown =
            objects_->boards.Board(BoardCollection::kChordBoard).MarkedPositions();
        std::sort(shown.begin(), shown.end());
        if (shown != expected) {
            std::string frets;
            for (std::size_t k = 0; k < fingering.StringSet.size(); ++k)
                frets += " " + std::to_string(fingering.StringSet[k]) + ":" +
                    std::to_string(fingering.FretBoardPosition[k]);
            const board::FretBoard& fb = objects_->boards.Board(BoardCollection::kChordBoard);
            Fail("the selected chord row " + std::to_string(row) + " (string:fret" + frets +
                ") is not what the ChordBoard shows (" + std::to_string(shown.size()) + " marks, " +
                std::to_string(fb.StringCount()) + " strings, " + std::to_string(fb.FretCount()) +
                " frets)");
        }
    } else {
        auto& model = static_cast<calc::ScaleResultModel&>(page.Model());
        if (!model.IsResultOf(row, objects_->engine.Scales().Results()))
            return;
        const std::vector<theory::Note> scale = model.List()->Get(std::size_t(row));
        std::set<int> classes;
        for (const theory::Note note : scale)
            classes.insert(((note % 12) + 12) % 12);
        std::vector<std::vector<int>> grid;
        objects_->boards.NoteGrid(BoardCollection::kScaleBoard, grid);
        std::vector<std::pair<int, int>> expected;
        for (std::size_t r = 0; r < grid.size(); ++r) {
            for (std::size_t f = 0; f < grid[r].size(); ++f) {
                if (classes.count(((grid[r][f] % 12) + 12) % 12))
                    expected.emplace_back(int(r), int(f));
            }
        }
        std::vector<std::pair<int, int>> shown =
            objects_->boards.Board(BoardCollection::kScaleBoard).MarkedPositions();
        std::sort(shown.begin(), shown.end());
        std::sort(expected.begin(), expected.end());
        if (shown != expected) {
            std::string notes;
            for (const theory::Note note : scale)
                notes += " " + std::to_string(note);
            Fail("the selected scale row " + std::to_string(row) + " (" + notes +
                ") is not what the ScaleBoard shows (" + std::to_string(shown.size()) + " marks, " +
                std::to_string(expected.size()) + " expected, list of " +
                std::to_string(model.List()->Count()) + ")");
        }
    }
}

void Storm::CheckChosenFiles()
{
    if (chosen_.empty() || !commandRan_)
        return;
    const bool allPictures = command_ == CommandId::SaveAllChordImages ||
        command_ == CommandId::SaveAllChordsHtmlAndImages;
    const ChosenFile& chosen = chosen_.back();
    if (allPictures) {
        // Only the folder counts; one that cannot be written must be reported.
        if (lockedWorks_ && chosen.path.startsWith(lockedDir_) && warnings_ == 0 &&
            !progressCancelled_)
            Fail("saving every chord picture into a folder that cannot be written said nothing");
        return;
    }
    bool exists = false;
    const QByteArray after = ReadAll(chosen.path, &exists);
    const bool untouched =
        exists == chosen.existed && after == chosen.before && Stamp(chosen.path) == chosen.stamp;
    const std::string what = Str(chosen.path.mid(root_.path().size()));
    const std::string detail = " (existed " + std::to_string(chosen.existed) + ", " +
        std::to_string(chosen.before.size()) + " bytes before, " + std::to_string(after.size()) +
        " after; the command got " + Str(handedPath_.mid(root_.path().size())) + ")";
    if (!handedPath_.isEmpty() && handedPath_ != chosen.path)
        Fail("the command saved to another file than the dialog chose: " + what + detail);
    if (warnings_ > 0 && !untouched)
        Fail("a failed save changed the file " + what + detail);
    if (warnings_ == 0 && (!exists || after.isEmpty() || (chosen.existed && untouched)))
        Fail("a save that said nothing did not write " + what + detail);
}

// The chord sheet: clicks, drags and keys on its diagrams, undo and redo, its title and options,
// and its menu's actions (the exports and files through the file dialogs the driver answers).
void Storm::StepSheet()
{
    sheet::ChordSheetWindow& sheet = *frame_->Sheet();
    if (!sheet.isVisible()) {
        Note("show");
        sheet.show();
        QCoreApplication::processEvents();
    }
    sheet::ChordSheetView& view = sheet.View();
    QWidget* port = view.viewport();
    const auto somewhere = [&] {
        return QPoint(Pick(std::max(1, port->width())), Pick(std::max(1, port->height())));
    };
    const auto finishEditing = [&] {
        if (auto* editor = port->findChild<QLineEdit*>(QStringLiteral("diagramNameEditor"));
            editor != nullptr && view.Editing()) {
            const QString name = RandomText();
            Note("name \"" + Str(name.left(20)) + "\"");
            editor->setText(name);
            QTest::keyClick(editor, Chance(0.7) ? Qt::Key_Return : Qt::Key_Escape);
        }
    };
    switch (Pick(8)) {
    case 0: {
        const std::vector<Qt::KeyboardModifiers> modifiers{
            Qt::NoModifier, Qt::ControlModifier, Qt::ShiftModifier};
        Note("click");
        QTest::mouseClick(port, Qt::LeftButton, OneOf(modifiers), somewhere());
        break;
    }
    case 1: {
        const QPoint from = somewhere();
        const QPoint to = somewhere();
        Note("drag");
        QTest::mousePress(port, Qt::LeftButton, {}, from);
        QTest::mouseMove(port, from + QPoint(20, 0));
        QTest::mouseMove(port, to);
        QTest::mouseRelease(port, Qt::LeftButton, {}, to);
        break;
    }
    case 2: {
        const std::vector<Qt::Key> keys{Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
            Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_F2, Qt::Key_A};
        const Qt::Key key = OneOf(keys);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_A ? Qt::ControlModifier
            : Chance(0.3)                                        ? Qt::ShiftModifier
                                                                 : Qt::NoModifier;
        Note("key " + Str(QKeySequence(key | modifiers).toString()));
        view.setFocus();
        QTest::keyClick(&view, key, modifiers);
        finishEditing();
        break;
    }
    case 3:
        if (Chance(0.6)) {
            Note("undo");
            sheet.Undo().undo();
        } else {
            Note("redo");
            sheet.Undo().redo();
        }
        break;
    case 4: {
        const QString title = RandomText();
        Note("title \"" + Str(title.left(20)) + "\"");
        sheet.TitleEdit().setText(title);
        emit sheet.TitleEdit().editingFinished();
        break;
    }
    case 5:
        if (Chance(0.5)) {
            const int perRow = Between(0, 12);
            Note("per row " + std::to_string(perRow));
            sheet.PerRowBox().setValue(perRow);
        } else {
            Note("roots");
            sheet.RootsBox().toggle();
        }
        break;
    default: {
        // Printing needs a system printer, which the storm does not have; the other actions all
        // run here.
        const std::vector<QAction*> actions{sheet.ExportSvgAction(), sheet.ExportPdfAction(),
            sheet.ExportPngAction(), sheet.SaveAction(), sheet.OpenAction(), sheet.RemoveAction(),
            sheet.ClearAction(), sheet.RenameAction()};
        QAction* action = OneOf(actions);
        Note(Str(action->text()));
        if (!action->isEnabled()) {
            Note("(disabled)");
            break;
        }
        if (action != sheet.OpenAction() && action != sheet.RemoveAction() &&
            action != sheet.ClearAction() && action != sheet.RenameAction()) {
            // A file is written: the save check of the step applies.
            command_ = CommandId::ChordSheetWindow;
            commandRan_ = true;
        }
        action->trigger();
        finishEditing();
        break;
    }
    }
}

void Storm::CheckSheet()
{
    sheet::ChordSheetWindow& sheet = *frame_->Sheet();
    if (sheet.View().Layout().Count() != sheet.Sheet().Count())
        Fail("the sheet shows " + std::to_string(sheet.View().Layout().Count()) +
            " diagrams but holds " + std::to_string(sheet.Sheet().Count()));
    for (const int index : sheet.View().Selected()) {
        if (index < 0 || index >= sheet.Sheet().Count())
            Fail("the sheet selects diagram " + std::to_string(index) + " of " +
                std::to_string(sheet.Sheet().Count()));
    }
    // Every change is kept in the file beside the settings, so that a restart finds it.
    const sheet::OpenedSheet kept = sheet::OpenSheetFile(sheet.StoragePath());
    const bool same = kept.failure.isEmpty() && kept.sheet.errors.empty() &&
        QString::fromStdString(kept.sheet.title) == sheet.Sheet().Title().trimmed() &&
        kept.sheet.chords == sheet.Sheet().Shapes();
    if (sheet.Sheet().Count() > 0 && !same)
        Fail("the kept sheet differs from the sheet: " + Str(kept.failure) + " " +
            std::to_string(kept.sheet.chords.size()) + " diagrams kept of " +
            std::to_string(sheet.Sheet().Count()));
}

}  // namespace

int RunStorm(const Options& opts)
{
    Storm storm(opts);
    return storm.Run();
}

}  // namespace guivarna::storm
