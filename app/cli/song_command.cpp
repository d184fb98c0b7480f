#include "app/cli/song_command.h"

#include "app/cli/diagram_commands.h"
#include "app/cli/note_arguments.h"
#include "app/cli/options.h"
#include "app/cli/voicings_command.h"
#include "output/files/save_file.h"
#include "sheet/sheet_export.h"
#include "sheet/sheet_file.h"
#include "sheet/song_page.h"
#include "theory/hand/chord_shape.h"
#include "theory/notes/instrument_limits.h"
#include "theory/song/song_reader.h"
#include "theory/song/song_text.h"
#include "theory/song/song_transpose.h"
#include "theory/song/song_writer.h"
#include "theory/song/voice_leading.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QIODevice>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <stdexcept>
#include <thread>

namespace guivarna::cli {

namespace {

// "--capo best" tries the capo on every fret from 0 up to this one.
constexpr int kHighestBestCapo = 7;

// The voicings chosen for a song's chords.
struct LedSong {
    int capo = 0;
    // One shape per voiced chord symbol without a define of the user's own, named by the symbol,
    // in order of first use; frets counted from the capo.
    std::vector<theory::ChordShape> shapes;
    // The readable chords nothing within the default options plays, in order of first use.
    std::vector<std::string> unvoiced;
};

// Leads the song's chords on the tuning with the default voicing options, a chord the user
// defined played as defined: with the capo at capo, or on the best fret up to kHighestBestCapo.
LedSong LeadSong(
    const theory::Song& song, const std::vector<theory::Note>& tuning, int capo, bool bestCapo)
{
    const std::vector<std::string> symbols = theory::SongChordSequence(song);
    std::map<std::string, std::vector<int>> ownShapes;
    for (const std::string& symbol : symbols) {
        if (const theory::ChordShape* own = theory::UserDefine(song, symbol))
            ownShapes.emplace(symbol, own->frets);
    }
    const std::vector<theory::LeadChord> chords =
        theory::LeadChordsOfSymbols(symbols, tuning, theory::VoicingChoices{}, ownShapes);
    std::set<std::string> checked;
    for (const theory::LeadChord& chord : chords) {
        if (chord.request && !chord.fixedFrets && checked.insert(chord.identity).second)
            checkVoicingWork(*chord.request, tuning);
    }

    theory::LeadOptions options;
    options.capo = capo;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const theory::LeadResult result = bestCapo
        ? theory::LeadVoicingsBestCapo(chords, tuning, options, kHighestBestCapo)
        : theory::LeadVoicings(chords, tuning, options);

    LedSong led;
    led.capo = bestCapo ? result.capo : capo;
    // The open strings sound higher by the capo, so a shape's notes are those the song names.
    std::vector<int> sounding;
    for (const theory::Note open : tuning)
        sounding.push_back(static_cast<int>(open) + led.capo);
    std::set<std::string> seen;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (!seen.insert(symbols[i]).second || ownShapes.count(symbols[i]) != 0)
            continue;
        const theory::LeadStep& step = result.steps[i];
        if (step.status == theory::LeadStatus::Voiced)
            led.shapes.push_back(theory::ShapeFromFrets(step.voicing.frets, sounding, symbols[i]));
        else
            led.unvoiced.push_back(symbols[i]);
    }
    return led;
}

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
    const bool bestCapo = options.value("capo") == "best";
    const int capo = options.has("capo") && !bestCapo
        ? static_cast<int>(parseInteger("capo", options.value("capo"), 0, theory::kMaxSongCapo))
        : -1;
    const std::vector<theory::Note> tuning =
        options.has("tuning") ? parseTuning(options.value("tuning")) : theory::StandardTuning();

    theory::Song song = theory::ReadSong(ReadSongFile(path));
    // The bad lines by their numbers in the file as read, before lines are added or replaced.
    const std::vector<theory::ChordProError> errors = song.errors;
    theory::TransposeSong(song, transpose);
    const bool voiced =
        bestCapo || options.has("chordpro") || options.has("pdf") || options.has("png");
    LedSong led;
    if (voiced)
        led = LeadSong(song, tuning, capo >= 0 ? capo : song.capo, bestCapo);
    if (bestCapo)
        err << "capo " << led.capo << '\n';
    for (const theory::ChordProError& error : errors)
        err << "line " << error.line << ": " << Printable(error.message) << '\n';
    for (const std::string& symbol : led.unvoiced)
        err << "no voicing of " << Printable(symbol) << " on this tuning; it has no diagram\n";

    const int newCapo = bestCapo ? led.capo : capo;
    if (newCapo >= 0 && newCapo != song.capo)
        theory::SetSongCapo(song, newCapo);
    if (voiced)
        theory::SetChosenDefines(song, led.shapes);
    if (options.has("chordpro"))
        SaveSong(options.value("chordpro"), theory::WriteSong(song));
    if (options.has("pdf") || options.has("png")) {
        // A user's own define wins; the other chords show the voicings chosen for them.
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
    return errors.empty() ? 0 : 1;
}

}  // namespace guivarna::cli
