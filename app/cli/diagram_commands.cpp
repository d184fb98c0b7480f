#include "app/cli/diagram_commands.h"

#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "app/cli/scale_positions_command.h"
#include "sheet/sheet_export.h"
#include "sheet/sheet_file.h"
#include "theory/formats/chord_pro.h"
#include "theory/notes/instrument_limits.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <set>
#include <stdexcept>

namespace guivarna::cli {

namespace {

// The one output option of a drawing command and its file; --dpi only with --png.
struct Output {
    std::string kind;
    std::string path;
    int dpi = 300;
};

Output pickOutput(const Options& options, const std::vector<std::string>& kinds, bool chordPro)
{
    Output output;
    int given = 0;
    for (const std::string& kind : kinds) {
        if (!options.has(kind))
            continue;
        ++given;
        output.kind = kind;
        output.path = options.value(kind);
        if (output.path.empty())
            throw UsageError("--" + kind + " needs a file name");
    }
    if (chordPro && options.has("chordpro")) {
        ++given;
        output.kind = "chordpro";
    }
    if (given != 1) {
        std::string list;
        for (const std::string& kind : kinds)
            list += (list.empty() ? "--" : ", --") + kind;
        throw UsageError(
            "give exactly one of " + list + (chordPro ? " or --chordpro" : std::string()));
    }
    if (options.has("dpi")) {
        if (output.kind != "png")
            throw UsageError("--dpi goes with --png only");
        output.dpi = static_cast<int>(
            parseInteger("dpi", options.value("dpi"), sheet::kMinPngDpi, sheet::kMaxPngDpi));
    }
    return output;
}

void render(const Output& output, const sheet::SheetPrint& print)
{
    const QString path = QString::fromStdString(output.path);
    QString error;
    if (output.kind == "svg")
        error = sheet::ExportSheetSvg(path, print);
    else if (output.kind == "pdf")
        error = sheet::ExportSheetPdf(path, print);
    else
        error = sheet::ExportSheetPng(path, print, output.dpi);
    if (!error.isEmpty())
        throw std::runtime_error(error.toStdString());
}

}  // namespace

std::unique_ptr<QGuiApplication> GuiForDrawing()
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the desktop (no runtime folder, say) are not the command's business:
    // stderr carries only the command's own messages.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fputs((message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    });
    static int argc = 1;
    static char name[] = "guivarna-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

namespace {

// One position of a scale as a sheet entry, from the options of scale-positions and --position.
theory::ChordShape scaleShape(const Options& options)
{
    const ScaleFingeringRequest request = ScaleFingeringFrom(options);
    const std::vector<theory::ScalePosition> positions =
        theory::ScalePositions(request.scale, request.tuning, request.system, request.frets);
    if (positions.empty())
        throw UsageError("the scale has no position within frets " +
            std::to_string(request.frets.lowest) + "-" + std::to_string(request.frets.highest));
    const int number =
        static_cast<int>(parseInteger("position", options.value("position", "1"), 1, 99));
    const auto found = std::find_if(positions.begin(), positions.end(),
        [&](const theory::ScalePosition& position) { return position.number == number; });
    if (found == positions.end()) {
        std::string numbers;
        for (const theory::ScalePosition& position : positions)
            numbers += (numbers.empty() ? "" : ", ") + std::to_string(position.number);
        throw UsageError("--position: the scale has no position " + std::to_string(number) +
            " here (it has " + numbers + ")");
    }
    const std::string name = request.title + ", position " + std::to_string(number);
    return theory::ShapeFromScalePosition(
        *found, request.tuning, request.scale.root, name, options.has("horizontal"));
}

// Draws one diagram on a page of its own size.
void renderOne(const Output& output, const theory::ChordShape& shape)
{
    const auto gui = GuiForDrawing();
    const sheet::SheetLayout layout(QString(), {shape}, {});
    const QSizeF cellMm = QSizeF(layout.Cell()) / 10.0;
    constexpr double kMarginMm = 5.0;
    const sheet::SheetPaper paper{cellMm + QSizeF(2 * kMarginMm, 2 * kMarginMm),
        QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm)};
    render(output, {layout, 1, paper});
}

}  // namespace

int RunDiagramCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    std::set<std::string> valueOptions{"frets", "tuning", "name", "svg", "png", "dpi", "pdf",
        "position", "root", "notes", "system"};
    const Options options(args, valueOptions, {"chordpro", "scale", "horizontal"});
    if (options.has("scale")) {
        const theory::ChordShape shape = scaleShape(options);
        const Output output = pickOutput(options, {"svg", "png", "pdf"}, true);
        if (output.kind == "chordpro")
            out << theory::ChordProScale(shape) << '\n';
        else
            renderOne(output, shape);
        return 0;
    }
    for (const char* scaleOnly : {"position", "root", "notes", "system", "horizontal"})
        if (options.has(scaleOnly))
            throw UsageError("--" + std::string(scaleOnly) + " goes with --scale only");
    if (!options.has("frets"))
        throw UsageError("--frets is required, e.g. --frets 0,1,0,2,3,x");
    const std::vector<theory::Note> tuning =
        options.has("tuning") ? parseTuning(options.value("tuning")) : theory::StandardTuning();
    const std::vector<int> frets =
        parseFretPattern("--frets", options.value("frets"), tuning.size());
    const Output output = pickOutput(options, {"svg", "png", "pdf"}, true);
    if (std::all_of(frets.begin(), frets.end(), [](int f) { return f < 0; }))
        throw UsageError("--frets: no string is played (every string is x)");

    const std::string name =
        options.has("name") ? options.value("name") : theory::FirstTraditionalName(frets, tuning);
    const std::vector<int> pitches(tuning.begin(), tuning.end());
    const theory::ChordShape shape = theory::ShapeFromFrets(frets, pitches, name);
    if (output.kind == "chordpro") {
        out << theory::ChordProDefine(shape) << '\n';
        return 0;
    }
    renderOne(output, shape);
    return 0;
}

int RunSheetCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    const Options options(args, {"chordpro", "svg", "png", "dpi", "pdf"}, {});
    if (!options.has("chordpro") || options.value("chordpro").empty())
        throw UsageError("--chordpro FILE is required: the saved chord sheet to render");
    const Output output = pickOutput(options, {"svg", "pdf", "png"}, false);
    const auto gui = GuiForDrawing();
    const sheet::OpenedSheet opened =
        sheet::OpenSheetFile(QString::fromStdString(options.value("chordpro")));
    if (!opened.failure.isEmpty())
        throw std::runtime_error(opened.failure.toStdString());
    for (const theory::ChordProError& error : opened.sheet.errors)
        err << "guivarna-cli sheet: " << options.value("chordpro") << ": line " << error.line
            << ": " << error.message << '\n';
    const sheet::SheetLayout layout(
        QString::fromStdString(opened.sheet.title), opened.sheet.chords, {});
    render(output, {layout, 0, sheet::SheetPaper()});
    return 0;
}

}  // namespace guivarna::cli
