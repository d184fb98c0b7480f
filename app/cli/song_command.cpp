#include "app/cli/song_command.h"

#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "output/files/save_file.h"
#include "sheet/sheet_export.h"
#include "sheet/sheet_file.h"
#include "sheet/song_page.h"
#include "theory/song/song_reader.h"
#include "theory/song/song_text.h"
#include "theory/song/song_transpose.h"
#include "theory/song/song_writer.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QIODevice>
#include <QString>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <stdexcept>

namespace guivarna::cli {

namespace {

// The song file's bytes; a file that is missing, unreadable or too large is a mistake in the
// command line.
std::string ReadSongFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw UsageError("cannot open the song '" + path + "'");
    std::string bytes;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() > static_cast<std::size_t>(sheet::kMaxSheetFileBytes))
            throw UsageError("the song '" + path + "' is larger than " +
                std::to_string(sheet::kMaxSheetFileBytes / (1024 * 1024)) + " MB");
    }
    if (file.bad())
        throw UsageError("cannot read the song '" + path + "'");
    return bytes;
}

void SaveSong(const std::string& path, const std::string& text)
{
    const QString error = output::SaveFile(QString::fromStdString(path), [&](QIODevice& device) {
        return output::WriteAll(
            device, QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    });
    if (!error.isEmpty())
        throw std::runtime_error(error.toStdString());
}

// A message quoting the file's text, as one line of plain characters.
std::string Printable(std::string message)
{
    for (char& c : message) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    }
    return message;
}

// Drawing text needs a GUI application: the offscreen platform, whatever the desktop is, with
// Qt's own notes kept off stderr as the other drawing commands keep them. Lives for one command.
std::unique_ptr<QGuiApplication> GuiForDrawing()
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fputs((message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    });
    static int argc = 1;
    static char name[] = "guivarna-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

void ThrowIfFailed(const QString& error)
{
    if (!error.isEmpty())
        throw std::runtime_error(error.toStdString());
}

void RequireFileName(const Options& options, const std::string& name)
{
    if (options.has(name) && options.value(name).empty())
        throw UsageError("--" + name + " needs a file name");
}

}  // namespace

int RunSongCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args.front().rfind("--", 0) == 0)
        throw UsageError("the song FILE comes first, e.g. guivarna-cli song song.cho --text");
    const std::string path = args.front();
    const Options options({args.begin() + 1, args.end()},
        {"transpose", "capo", "tuning", "pdf", "png", "dpi", "chordpro"}, {"text"});
    for (const char* name : {"pdf", "png", "chordpro"})
        RequireFileName(options, name);
    if (!options.has("text") && !options.has("chordpro") && !options.has("pdf") &&
        !options.has("png"))
        throw UsageError("give --text, --chordpro OUT, --pdf OUT or --png OUT");
    if (options.has("dpi") && !options.has("png"))
        throw UsageError("--dpi goes with --png only");
    const int dpi = options.has("dpi") ? static_cast<int>(parseInteger("dpi", options.value("dpi"),
                                             sheet::kMinPngDpi, sheet::kMaxPngDpi))
                                       : 300;
    const int transpose = options.has("transpose")
        ? static_cast<int>(parseInteger("transpose", options.value("transpose"),
              -theory::kMaxSongTranspose, theory::kMaxSongTranspose))
        : 0;
    if (options.value("capo") == "best")
        throw UsageError("--capo best is not built yet (give the capo's fret, 0 to " +
            std::to_string(theory::kMaxSongCapo) + ")");
    const int capo = options.has("capo")
        ? static_cast<int>(parseInteger("capo", options.value("capo"), 0, theory::kMaxSongCapo))
        : -1;
    if (options.has("tuning"))
        parseTuning(options.value("tuning"));

    theory::Song song = theory::ReadSong(ReadSongFile(path));
    for (const theory::ChordProError& error : song.errors)
        err << "line " << error.line << ": " << Printable(error.message) << '\n';
    theory::TransposeSong(song, transpose);
    if (capo >= 0)
        theory::SetSongCapo(song, capo);
    if (options.has("chordpro"))
        SaveSong(options.value("chordpro"), theory::WriteSong(song));
    if (options.has("pdf") || options.has("png")) {
        // The diagrams are the song's own defines until the voicings are chosen for it.
        const auto gui = GuiForDrawing();
        const std::vector<sheet::SongDiagram> diagrams = sheet::DiagramsFromDefines(song);
        if (options.has("pdf"))
            ThrowIfFailed(sheet::ExportSongPdf(
                QString::fromStdString(options.value("pdf")), song, diagrams, sheet::SheetPaper()));
        if (options.has("png"))
            ThrowIfFailed(sheet::ExportSongPng(QString::fromStdString(options.value("png")), song,
                diagrams, sheet::SheetPaper(), dpi));
    }
    if (options.has("text"))
        out << theory::SongAsText(song);
    return song.errors.empty() ? 0 : 1;
}

}  // namespace guivarna::cli
