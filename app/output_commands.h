#pragma once

#include <QObject>
#include <QPrinter>
#include <QString>

#include <vector>

class QImage;
class QWidget;

namespace guivarna {

class KovaView;
struct Command;
struct ProgramObjects;

// The board view's output commands: printing the scene on one page (with preview), the page
// set-up that re-sizes the paper, and pictures of one board on the clipboard or in a JPEG file.
// The dialog-free parts are public so they can run without a user.
class OutputCommands : public QObject {
    Q_OBJECT

public:
    OutputCommands(ProgramObjects& objects, KovaView& view, QWidget* dialogParent);

    // The rows these commands add to the command table.
    std::vector<Command> Commands();

    // The application's printer: the default printer until the user picks another.
    QPrinter& Printer() { return printer_; }

    // "&Print...": the print dialog, then the page.
    void Print();
    // The print preview, printable from its window.
    void PrintPreview();
    // "P&rint Setup...": the page set-up dialog; however it closes, the paper follows the
    // printer's page.
    void PrintSetup();
    // "Copy ChordBoard" / "Copy ScaleBoard": the board's picture replaces the clipboard.
    void CopyBoard(int boardIndex);
    // "Save ChordBoard" / "Save ScaleBoard": the save dialog, then the JPEG; a failure is
    // reported in a message box.
    void SaveBoard(int boardIndex);

    // Prints every board at its home position, then the three panels, on one page of printer.
    // The on-screen layout is left as it was. Returns "" or a message for the user.
    QString PrintScene(QPrinter& printer);
    // Takes the paper's size and printable area from printer's page and re-lays the view.
    void ResizePaperFromPrinter(const QPrinter& printer);
    // The board alone at the view's resolution, as copy and save make it.
    QImage BoardImage(int boardIndex) const;
    // The name the save dialog proposes: the current fingering for the ChordBoard, the current
    // scale for the ScaleBoard; "" when there is none.
    QString DefaultPictureName(int boardIndex) const;
    // Writes the board's picture to path; returns "" or a message naming the file and the cause.
    QString SaveBoardPicture(int boardIndex, const QString& path) const;

private:
    // Starts the printer on the page size and orientation of the stored sheet.
    void MatchPrinterToPaper();

    ProgramObjects& objects_;
    KovaView& view_;
    QWidget* dialogParent_;
    QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace guivarna
