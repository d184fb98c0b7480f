// Any bytes as the program's settings file (INI): the boards, the paper, the zoom and the window
// placements are read through their typed keys. What comes out lies within the declared ranges,
// and saving it and reading the file again (a restart) gives the same boards, paper and
// placements.
#include "board/board_collection.h"
#include "fuzz/fuzz_check.h"
#include "page/paper.h"
#include "settings/board_keys.h"
#include "settings/settings_store.h"
#include "settings/view_keys.h"
#include "widgets/window_placement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using namespace guivarna;
namespace keys = guivarna::settings::board_keys;

namespace {

struct RowState {
    int orientation, openNote, frets, fretWidth, fretHeight;
    bool showNotes;
    board::CellStyle style;
    bool operator==(const RowState&) const = default;
};

struct BoardState {
    int x, y;
    bool chordBoard;
    int width, height;
    std::vector<RowState> rows;
    bool operator==(const BoardState&) const = default;
};

struct State {
    bool leftHanded, showFingers;
    std::vector<BoardState> boards;
    int paperX, paperY, paperWidth, paperHeight;
    std::uint32_t background, borderColour;
    float border;
    int pageX, pageY, pageWidth, pageHeight;
    std::vector<std::optional<widgets::WindowPlacement>> placements;
    bool operator==(const State&) const = default;
};

std::vector<QString> PlacementBases()
{
    return {widgets::kMainWindowPlacement.toString(), widgets::PlacementBase(u"ChordWizard"),
        widgets::PlacementBase(u"ScaleWizard"), widgets::PlacementBase(u"IntervalStacker")};
}

State Capture(const board::BoardCollection& boards, const page::Paper& paper,
    const settings::SettingsStore& store)
{
    State state{boards.LeftHanded(), boards.ShowFingers(), {}, paper.X(), paper.Y(), paper.Width(),
        paper.Height(), paper.Background(), paper.BorderColour(), paper.BorderWidth(),
        paper.PageOffset().x(), paper.PageOffset().y(), paper.PrintableSize().width(),
        paper.PrintableSize().height(), {}};
    for (int i = 0; i < boards.BoardCount(); ++i) {
        const board::FretBoard& board = boards.Board(i);
        BoardState b{board.Offset().x(), board.Offset().y(), board.IsChordBoard(), board.Width(),
            board.Height(), {}};
        for (int r = 0; r < board.RowCount(); ++r) {
            const board::StringRow& row = board.Row(r);
            b.rows.push_back({row.Orientation(), row.OpenNote(), row.NumFrets(), row.FretWidth(),
                row.FretHeight(), row.ShowNotes(), row.Style()});
        }
        state.boards.push_back(std::move(b));
    }
    for (const QString& base : PlacementBases()) {
        widgets::WindowPlacement placement;
        if (widgets::ReadPlacement(store, base, placement))
            state.placements.push_back(placement);
        else
            state.placements.emplace_back();
    }
    return state;
}

// Everything read lies within the ranges the keys declare.
void CheckRanges(const State& state, const settings::SettingsStore& store)
{
    GUIVARNA_FUZZ_CHECK(state.boards.size() >= std::size_t(keys::kMinBoards) &&
        state.boards.size() <= std::size_t(keys::kMaxBoards));
    GUIVARNA_FUZZ_CHECK(state.boards[board::BoardCollection::kChordBoard].chordBoard);
    for (const BoardState& b : state.boards) {
        GUIVARNA_FUZZ_CHECK(!b.rows.empty() && b.rows.size() <= std::size_t(keys::kMaxStrings) + 1);
        GUIVARNA_FUZZ_CHECK(b.width >= 0 && b.height >= 0);
        for (const RowState& row : b.rows) {
            GUIVARNA_FUZZ_CHECK(row.frets >= keys::kMinFrets && row.frets <= keys::kMaxFrets);
            GUIVARNA_FUZZ_CHECK(
                row.fretWidth >= keys::kMinFretSize && row.fretWidth <= keys::kMaxFretSize);
            GUIVARNA_FUZZ_CHECK(
                row.fretHeight >= keys::kMinFretSize && row.fretHeight <= keys::kMaxFretSize);
            GUIVARNA_FUZZ_CHECK(row.openNote >= 0 && row.openNote <= keys::kMaxOpenNote);
            GUIVARNA_FUZZ_CHECK(row.style.lineWidth >= 0.0F &&
                row.style.lineWidth <= keys::kMaxBorder * 0.1F + 0.001F);
        }
    }
    GUIVARNA_FUZZ_CHECK(state.paperWidth >= 1 && state.paperHeight >= 1);
    GUIVARNA_FUZZ_CHECK(state.pageWidth >= 0 && state.pageHeight >= 0);
    GUIVARNA_FUZZ_CHECK(state.border >= 0.0F && state.border <= 100.001F);
    if (const auto zoom = settings::ReadIfValid(store, settings::view_keys::kZoomPercent)) {
        GUIVARNA_FUZZ_CHECK(*zoom >= settings::view_keys::kMinZoomPercent &&
            *zoom <= settings::view_keys::kMaxZoomPercent);
    }
    for (const auto& placement : state.placements) {
        if (placement)
            widgets::IsSanePlacement(*placement);
    }
}

// The state as text, one value a line, so that a broken round trip can be diffed.
std::string Text(const State& s)
{
    std::string text = "leftHanded " + std::to_string(s.leftHanded) + "\nshowFingers " +
        std::to_string(s.showFingers) + "\n";
    for (std::size_t i = 0; i < s.boards.size(); ++i) {
        const BoardState& b = s.boards[i];
        text += "board " + std::to_string(i) + " at " + std::to_string(b.x) + "," +
            std::to_string(b.y) + " chord " + std::to_string(b.chordBoard) + " size " +
            std::to_string(b.width) + "x" + std::to_string(b.height) + "\n";
        for (const RowState& r : b.rows) {
            text += "  row " + std::to_string(r.orientation) + " open " +
                std::to_string(r.openNote) + " frets " + std::to_string(r.frets) + " " +
                std::to_string(r.fretWidth) + "x" + std::to_string(r.fretHeight) + " notes " +
                std::to_string(r.showNotes) + " dot " + std::to_string(r.style.dotColour) +
                " line " + std::to_string(r.style.lineColour) + " " +
                std::to_string(r.style.lineWidth) + "\n";
        }
    }
    text += "paper " + std::to_string(s.paperX) + "," + std::to_string(s.paperY) + " " +
        std::to_string(s.paperWidth) + "x" + std::to_string(s.paperHeight) + " colours " +
        std::to_string(s.background) + " " + std::to_string(s.borderColour) + " border " +
        std::to_string(s.border) + " page " + std::to_string(s.pageX) + "," +
        std::to_string(s.pageY) + " " + std::to_string(s.pageWidth) + "x" +
        std::to_string(s.pageHeight) + "\n";
    for (const auto& p : s.placements) {
        text += p ? "placement " + std::to_string(p->flags) + " " + std::to_string(p->showCmd) +
                " " + std::to_string(p->normalLeft) + "," + std::to_string(p->normalTop) + "," +
                std::to_string(p->normalRight) + "," + std::to_string(p->normalBottom) + "\n"
                  : std::string("placement none\n");
    }
    return text;
}

// QSettings writes through QSaveFile, which syncs the file to disk; in memory (tmpfs) that
// costs nothing, on a disk it would take most of the time of every input.
QTemporaryDir& Folder()
{
    static QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? QStringLiteral("/dev/shm/guivarna-fuzz-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/guivarna-fuzz-XXXXXX"));
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The program reads its settings with a GUI application running, and QSettings builds
    // stored pixmaps and other GUI values (@Variant) only with one; offscreen needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    if (!Folder().isValid())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // QSettings keeps parsed files in a process-wide cache keyed by name, size and time stamp;
    // a fresh name per input keeps an earlier input from being read instead of this one.
    static std::uint64_t counter = 0;
    const QString path = Folder().filePath(QStringLiteral("settings-%1.ini").arg(++counter));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }

    // The bytes as they are: whatever they hold reads within the declared ranges.
    {
        settings::SettingsStore store(path);
        board::BoardCollection boards;
        boards.Load(store);
        page::Paper paper;
        paper.Load(store);
        CheckRanges(Capture(boards, paper, store), store);
        boards.DeleteAll();  // no save at destruction
    }
    // QSettings reads some hand-written forms differently once it has rewritten them (a key
    // with backslashes in [General] is listed but not found before, found after); the restart
    // below starts from the file as QSettings writes it, so only the program's own reading and
    // writing is compared.
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue(QStringLiteral("FuzzTouch"), 1);
        raw.remove(QStringLiteral("FuzzTouch"));
    }
    State loaded;
    {
        settings::SettingsStore store(path);
        board::BoardCollection boards;
        boards.Load(store);
        page::Paper paper;
        paper.Load(store);
        loaded = Capture(boards, paper, store);
        CheckRanges(loaded, store);
        // What the program does at exit: the paper and the window placements go back into the
        // same file, and the boards when the collection goes.
        paper.Save(store);
        for (std::size_t i = 0; i < PlacementBases().size(); ++i) {
            if (loaded.placements[i])
                widgets::WritePlacement(store, PlacementBases()[i], *loaded.placements[i]);
        }
    }
    {
        settings::SettingsStore store(path);
        board::BoardCollection boards;
        boards.Load(store);
        page::Paper paper;
        paper.Load(store);
        const State restarted = Capture(boards, paper, store);
        if (!(restarted == loaded)) {
            std::fprintf(stderr, "-- read first:\n%s-- read after saving:\n%s",
                Text(loaded).c_str(), Text(restarted).c_str());
        }
        GUIVARNA_FUZZ_CHECK(restarted == loaded);
        boards.DeleteAll();
    }
    QFile::remove(path);
    return 0;
}
