#include "app/list_export_commands.h"

#include "app/command_table.h"
#include "app/kova_view.h"
#include "app/program_objects.h"
#include "output/chord_picture_export.h"
#include "output/files/save_file.h"
#include "output/lists/list_writers.h"
#include "output/lists/search_results.h"
#include "resources/strings.h"
#include "resources/text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProgressDialog>

#include <climits>
#include <optional>

namespace guivarna {

namespace {

SaveRequest TextListRequest(std::string_view defaultName)
{
    return {Text(defaultName), {Text(strings::kTextFilter), Text(strings::kRichTextFilter)},
        QStringLiteral("txt")};
}

// Clears a flag when the scope ends, however it ends.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

// The wait cursor while the scope lasts.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

std::vector<Command> ListExportCommands::Commands()
{
    const auto hasChords = [this] { return !busy_ && HasChordResults(); };
    return {
        {CommandId::SaveChordList, MenuId::ChordBoard, strings::kCmdSaveChordList, "",
            [this] { SaveChordList(); }, hasChords},
        {CommandId::SaveChordListHtml, MenuId::ChordBoard, strings::kCmdSaveChordListHtml, "",
            [this] { SaveChordListHtml(); }, hasChords},
        {CommandId::SaveAllChordImages, MenuId::ChordBoard, strings::kCmdSaveAllChordImages, "",
            [this] { SaveAllChordImages(); }, hasChords},
        {CommandId::SaveAllChordsHtmlAndImages, MenuId::ChordBoard,
            strings::kCmdSaveAllChordsHtmlAndImages, "", [this] { SaveAllChordsHtmlAndImages(); },
            hasChords},
        {CommandId::SaveScaleList, MenuId::ScaleBoard, strings::kCmdSaveScaleList, "",
            [this] { SaveScaleList(); }, [this] { return !busy_ && HasScaleResults(); }},
    };
}

ListExportCommands::ListExportCommands(
    ProgramObjects& objects, KovaView& view, QWidget* dialogParent)
    : QObject(dialogParent), objects_(objects), view_(view), dialogParent_(dialogParent),
      choosePath_([dialogParent](const SaveRequest& r) { return AskSavePath(dialogParent, r); })
{
}

std::unique_ptr<output::ChordResults> ListExportCommands::ChordList() const
{
    if (chordListSource_) {
        if (std::unique_ptr<output::ChordResults> list = chordListSource_())
            return list;
    }
    const theory::ChordSearch& search = objects_.engine.Chords();
    return std::make_unique<output::OrderedChordResults>(search.Results(), search.ShownOrder());
}

std::unique_ptr<output::ScaleResults> ListExportCommands::ScaleList() const
{
    return std::make_unique<output::SearchScaleResults>(objects_.engine.Scales().Results());
}

bool ListExportCommands::HasChordResults() const
{
    return ChordList()->Count() > 0;
}

bool ListExportCommands::HasScaleResults() const
{
    return objects_.engine.Scales().Results()->Count() > 0;
}

void ListExportCommands::SaveList(
    const SaveRequest& request, const std::function<bool(QIODevice&)>& write)
{
    const QString path = choosePath_(request);
    if (path.isEmpty())
        return;
    const QString error = output::SaveFile(path, write);
    if (!error.isEmpty())
        QMessageBox::warning(dialogParent_, Text(strings::kSaveListTitle), error);
}

void ListExportCommands::SaveScaleList()
{
    const auto scales = ScaleList();
    if (scales->Count() == 0)
        return;
    SaveList(TextListRequest(strings::kScaleListDefaultName),
        [&](QIODevice& device) { return output::WriteScaleListText(device, *scales); });
}

void ListExportCommands::SaveChordList()
{
    const auto chords = ChordList();
    if (chords->Count() == 0)
        return;
    SaveList(TextListRequest(strings::kChordListDefaultName),
        [&](QIODevice& device) { return output::WriteChordListText(device, *chords); });
}

void ListExportCommands::SaveChordListHtml()
{
    const auto chords = ChordList();
    if (chords->Count() == 0)
        return;
    const output::CurrentChordText current = output::CurrentChordOf(objects_.theory);
    SaveList({Text(strings::kChordListDefaultName), {Text(strings::kHtmlFilter)},
                 QStringLiteral("html")},
        [&](QIODevice& device) { return output::WriteChordListHtml(device, *chords, current); });
}

void ListExportCommands::SaveAllChords(bool withPage)
{
    if (busy_)
        return;
    const auto chords = ChordList();
    if (chords->Count() == 0)
        return;
    // Only the folder of the chosen path counts: every picture is named after its fingering.
    const QString chosen = choosePath_({Text(strings::kAllChordsDefaultName),
        {Text(strings::kJpegFilter)}, QStringLiteral("jpg")});
    if (chosen.isEmpty())
        return;
    const BusyScope busy(busy_);
    const WaitCursor waitCursor;

    output::ChordPictureExport exporter(objects_.boards.Board(board::BoardCollection::kChordBoard),
        view_.PictureMapping(), *chords, QFileInfo(chosen).absoluteDir());
    if (withPage)
        exporter.WritePage(output::CurrentChordOf(objects_.theory));

    QProgressDialog progress(Text(strings::kSavingPictures), Text(strings::kCancel), 0,
        static_cast<int>(std::min<std::size_t>(exporter.Total(), INT_MAX)), dialogParent_);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    // Shown by the loop below once the export has run for a while, never by the dialog itself.
    progress.setMinimumDuration(INT_MAX);
    progress.hide();

    QElapsedTimer running;
    running.start();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    while (!progress.wasCanceled() && exporter.Step()) {
        if (sinceEvents.elapsed() < eventInterval_.count())
            continue;
        sinceEvents.restart();
        if (!progress.isVisible() && running.elapsed() >= showProgressAfter_.count())
            progress.show();
        progress.setValue(static_cast<int>(std::min<std::size_t>(exporter.Done(), INT_MAX)));
        // Until the (window-modal) progress dialog is up, the window repaints but takes no
        // input, so no other command can start in the middle of the export.
        QCoreApplication::processEvents(
            progress.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    }
    const output::ChordPictureExport::Summary summary = exporter.Finish();
    progress.hide();

    QStringList problems;
    if (summary.failed > 0)
        problems << Text(strings::kPicturesNotWritten)
                        .arg(summary.failed)
                        .arg(summary.written + summary.failed)
                        .arg(summary.firstError);
    if (!summary.pageError.isEmpty())
        problems << summary.pageError;
    if (!problems.isEmpty())
        QMessageBox::warning(
            dialogParent_, Text(strings::kSavePicturesTitle), problems.join(QLatin1Char('\n')));
}

}  // namespace guivarna
