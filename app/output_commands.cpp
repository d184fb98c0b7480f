#include "app/output_commands.h"

#include "app/command_table.h"
#include "app/kova_view.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "output/board_picture.h"
#include "output/jpeg_file.h"
#include "output/page_printer.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/search/result_texts.h"
#include "widgets/file_dialog_path.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include <vector>

namespace guivarna {

namespace {

const QString kJpegSuffix = QStringLiteral("jpg");

}  // namespace

std::vector<Command> OutputCommands::Commands()
{
    using board::BoardCollection;
    return {
        {CommandId::FilePrint, MenuId::File, strings::kCmdPrint, "Ctrl+P", [this] { Print(); }},
        {CommandId::FilePrintPreview, MenuId::File, strings::kCmdPrintPreview, "",
            [this] { PrintPreview(); }},
        {CommandId::FilePrintSetup, MenuId::File, strings::kCmdPrintSetup, "",
            [this] { PrintSetup(); }},
        {CommandId::CopyChordBoard, MenuId::ChordBoard, strings::kCmdCopyChordBoard, "Ctrl+Shift+C",
            [this] { CopyBoard(BoardCollection::kChordBoard); }},
        {CommandId::SaveChordBoard, MenuId::ChordBoard, strings::kCmdSaveChordBoard, "Ctrl+Shift+S",
            [this] { SaveBoard(BoardCollection::kChordBoard); }},
        {CommandId::CopyScaleBoard, MenuId::ScaleBoard, strings::kCmdCopyScaleBoard, "Ctrl+C",
            [this] { CopyBoard(BoardCollection::kScaleBoard); }},
        {CommandId::SaveScaleBoard, MenuId::ScaleBoard, strings::kCmdSaveScaleBoard, "Ctrl+S",
            [this] { SaveBoard(BoardCollection::kScaleBoard); }},
    };
}

OutputCommands::OutputCommands(ProgramObjects& objects, KovaView& view, QWidget* dialogParent)
    : QObject(dialogParent), objects_(objects), view_(view), dialogParent_(dialogParent)
{
    MatchPrinterToPaper();
}

void OutputCommands::MatchPrinterToPaper()
{
    // The sheet was laid out on the page the user last set up; start the printer on that page
    // and orientation so a landscape sheet also prints landscape after a restart.
    const page::Paper& paper = view_.GetScene().Paper();
    if (!paper.Stored() || paper.Width() <= 0 || paper.Height() <= 0)
        return;
    const QSizeF sheet(paper.Width() / 10.0, paper.Height() / 10.0);
    const bool landscape = sheet.width() > sheet.height();
    printer_.setPageSize(QPageSize(landscape ? sheet.transposed() : sheet, QPageSize::Millimeter));
    printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void OutputCommands::Print()
{
    QPrintDialog dialog(&printer_, dialogParent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString error = PrintScene(printer_);
    if (!error.isEmpty())
        QMessageBox::warning(dialogParent_, Text(strings::kPrintFailedTitle), error);
}

void OutputCommands::PrintPreview()
{
    QPrintPreviewDialog preview(&printer_, dialogParent_);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
        [this](QPrinter* printer) { PrintScene(*printer); });
    preview.exec();
}

void OutputCommands::PrintSetup()
{
    QPageSetupDialog dialog(&printer_, dialogParent_);
    dialog.exec();
    ResizePaperFromPrinter(printer_);
}

QString OutputCommands::PrintScene(QPrinter& printer)
{
    // The page prints the boards and panels at their homes on the sheet, without the paper.
    return output::PrintOnePage(
        printer, [this](QPainter& painter, const board::DeviceMapping& mapping) {
            view_.GetScene().DrawAllItems(painter, mapping, QPoint(0, 0));
        });
}

void OutputCommands::ResizePaperFromPrinter(const QPrinter& printer)
{
    if (!printer.isValid())
        return;
    view_.GetScene().Paper().SizeFromPageLayout(printer.pageLayout());
    view_.UpdateScrollSizes();
}

QImage OutputCommands::BoardImage(int boardIndex) const
{
    return output::BoardPicture(objects_.boards.Board(boardIndex), view_.PictureMapping());
}

void OutputCommands::CopyBoard(int boardIndex)
{
    QGuiApplication::clipboard()->setImage(BoardImage(boardIndex));
}

QString OutputCommands::DefaultPictureName(int boardIndex) const
{
    if (boardIndex == board::BoardCollection::kChordBoard) {
        theory::ChordFingering fingering;
        if (!objects_.engine.Chords().CurrentFingering(fingering))
            return {};
        return QString::fromStdString(theory::FingeringName(fingering));
    }
    return QString::fromStdString(objects_.engine.Scales().CurrentScaleText());
}

void OutputCommands::SaveBoard(int boardIndex)
{
    QFileDialog dialog(dialogParent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(Text(strings::kJpegFilter));
    dialog.setDefaultSuffix(kJpegSuffix);
    dialog.selectFile(DefaultPictureName(boardIndex));
    const QString path = widgets::ExecForPath(dialog);
    if (path.isEmpty())
        return;
    const QString error = SaveBoardPicture(boardIndex, path);
    if (!error.isEmpty())
        QMessageBox::warning(dialogParent_, Text(strings::kSavePictureFailedTitle), error);
}

QString OutputCommands::SaveBoardPicture(int boardIndex, const QString& path) const
{
    return output::SaveJpeg(BoardImage(boardIndex), path);
}

}  // namespace guivarna
