#pragma once

#include "sheet/sheet_export.h"
#include "sheet/sheet_layout.h"
#include "theory/hand/chord_shape.h"
#include "theory/song/song.h"

#include <QFont>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace guivarna::sheet {

// A chord of the song with the shape its diagram shows; a chord without a shape (no voicing,
// or a symbol that cannot be read) has no diagram.
struct SongDiagram {
    std::string symbol;
    std::optional<theory::ChordShape> shape;
};

// The song's chords in order of first use, each with its shape from the song's own defines (the
// user's, else those the program chose), or none.
std::vector<SongDiagram> DiagramsFromDefines(const theory::Song& song);

// One printed line of the song body: a section's name, a comment, lyrics with chords above, a
// line kept as written, or a gap. Positions are scene units from the body's left edge.
struct SongRow {
    enum class Kind { Label, Comment, Lyrics, Verbatim, Gap };
    struct Piece {
        double x = 0.0;
        QString chord;  // set above the start of lyrics
        QString lyrics;
        int chordIndex = -1;  // the chord's index in its song line's chords, -1 for none
    };
    Kind kind = Kind::Gap;
    bool chorus = false;  // set apart: indented, with a bar beside it
    bool hasChords = false;
    bool hasLyrics = false;
    std::vector<Piece> pieces;  // Label, Comment and Verbatim rows: one piece, its lyrics
    int height = 0;
    int line = -1;  // the index of the song line it shows (-1 for a gap)
};

// The pages a song body takes: the header (title, subtitle, artist, key and capo, diagrams) on
// the first, then rows [first, last) each.
struct SongPagePart {
    bool header = false;
    int first = 0;
    int last = 0;
};

// A song laid out as a songbook page, once, in scene units (tenths of a millimetre): the header
// and the diagrams in order of first use at the top, then the lyrics with each chord above the
// character it is sung on; chorus lines indented with a bar beside them.
class SongPageLayout {
public:
    static constexpr int kLyricsFont = 38;
    static constexpr int kChordFont = 36;
    static constexpr int kTitleFont = 70;
    static constexpr int kSubtitleFont = 45;
    static constexpr int kFactsFont = 32;
    static constexpr int kChorusIndent = 60;
    static constexpr double kDiagramScale = 0.6;

    SongPageLayout(const theory::Song& song, const std::vector<SongDiagram>& diagrams, int width,
        SheetStyle style = {});

    int Width() const { return width_; }
    const QString& Title() const { return title_; }
    const std::vector<SongRow>& Rows() const { return rows_; }
    // The header's height: the texts and the grid of diagrams.
    int HeaderHeight() const;
    // The pages of printable areas height high (all on one when height is 0 or less).
    std::vector<SongPagePart> Pages(int height) const;
    // The height a page part takes.
    int PartHeight(const SongPagePart& part) const;

    // Draws a page part with its top-left corner at origin (scene units).
    void Draw(QPainter& painter, const board::DeviceMapping& mapping, const SongPagePart& part,
        QPoint origin) const;

private:
    void AddRows(const theory::Song& song);
    int TextsHeight() const;
    int DiagramsHeight() const;

    int width_ = 0;
    QString title_;
    QString subtitle_;
    QString artist_;
    QString facts_;
    SheetLayout diagrams_;
    int diagramColumns_ = 1;
    std::vector<SongRow> rows_;
};

// Writes the song as a paged PDF on the paper, or as one PNG picture at dpi (all of it, as wide
// as the paper's printable width), through a temporary file as the chord sheet's exports do:
// "" or a message naming the file and the cause.
QString ExportSongPdf(const QString& path, const theory::Song& song,
    const std::vector<SongDiagram>& diagrams, const SheetPaper& paper, SheetStyle style = {});
QString ExportSongPng(const QString& path, const theory::Song& song,
    const std::vector<SongDiagram>& diagrams, const SheetPaper& paper, int dpi,
    SheetStyle style = {});

}  // namespace guivarna::sheet
