#include "sheet/song_page.h"

#include "output/files/save_file.h"
#include "theory/song/song_text.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace guivarna::sheet {

namespace {

// Scene units are tenths of a millimetre: 254 of them make an inch.
constexpr double kSceneDpi = 254.0;
constexpr int kPictureMargin = 100;
constexpr qint64 kMaxPngPixels = 300'000'000;
constexpr int kGapHeight = 25;
constexpr int kHeaderGap = 40;
constexpr int kChordGap = 15;  // the least room after a chord name before the next

QFont PageFont(int pixels, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont FixedFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(pixels);
    return font;
}

int LineHeight(const QFont& font)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).height() * 1.15));
}

QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

QString SectionTitle(const theory::SongLine& line)
{
    if (!line.sectionLabel.empty())
        return Utf8(line.sectionLabel);
    switch (line.section) {
    case theory::SongSection::Chorus:
        return QCoreApplication::translate("SongPage", "Chorus");
    case theory::SongSection::Verse:
        return QCoreApplication::translate("SongPage", "Verse");
    case theory::SongSection::Bridge:
        return QCoreApplication::translate("SongPage", "Bridge");
    default:
        return {};
    }
}

// The lyrics split at the chords, each piece placed after the one before: a chord name wider
// than its lyrics pushes the rest of the line to the right.
SongRow LyricsRow(const theory::SongLine& line)
{
    SongRow row;
    row.kind = SongRow::Kind::Lyrics;
    const QFontMetricsF lyricsMetrics(PageFont(SongPageLayout::kLyricsFont));
    const QFontMetricsF chordMetrics(PageFont(SongPageLayout::kChordFont, true));
    const std::string& lyrics = line.lyrics;
    // The start of every piece: 0, then each chord's position (inside a character: its start).
    std::vector<std::size_t> starts{0};
    for (const theory::SongChord& chord : line.chords) {
        std::size_t position = std::clamp(chord.position, starts.back(), lyrics.size());
        while (position > starts.back() && position < lyrics.size() &&
            IsContinuationByte(lyrics[position]))
            --position;
        starts.push_back(position);
    }
    double x = 0.0;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : lyrics.size();
        SongRow::Piece piece;
        piece.x = x;
        piece.lyrics = Utf8(std::string_view(lyrics).substr(starts[i], end - starts[i]));
        if (i > 0) {
            piece.chord = Utf8(theory::TrimmedSymbol(line.chords[i - 1].symbol));
            piece.chordIndex = static_cast<int>(i - 1);
        }
        if (piece.chord.isEmpty() && piece.lyrics.isEmpty())
            continue;
        const double chordWidth =
            piece.chord.isEmpty() ? 0.0 : chordMetrics.horizontalAdvance(piece.chord) + kChordGap;
        x += std::max(lyricsMetrics.horizontalAdvance(piece.lyrics), chordWidth);
        row.hasChords = row.hasChords || !piece.chord.isEmpty();
        row.hasLyrics = row.hasLyrics || !piece.lyrics.trimmed().isEmpty();
        row.pieces.push_back(std::move(piece));
    }
    row.height = (row.hasChords ? LineHeight(PageFont(SongPageLayout::kChordFont, true)) : 0) +
        (row.hasLyrics || !row.hasChords ? LineHeight(PageFont(SongPageLayout::kLyricsFont)) : 0);
    return row;
}

SongRow TextRow(SongRow::Kind kind, const QString& text, const QFont& font)
{
    SongRow row;
    row.kind = kind;
    row.pieces.push_back({0.0, QString(), text});
    row.hasLyrics = true;
    row.height = LineHeight(font);
    return row;
}

}  // namespace

std::vector<SongDiagram> DiagramsFromDefines(const theory::Song& song)
{
    std::vector<SongDiagram> diagrams;
    for (const std::string& symbol : theory::SongChordsInOrderOfFirstUse(song)) {
        SongDiagram diagram{symbol, std::nullopt};
        const theory::ChordShape* shape = theory::UserDefine(song, symbol);
        if (shape == nullptr) {
            const auto chosen = std::find_if(song.chosenDefines.begin(), song.chosenDefines.end(),
                [&](const theory::ChordShape& define) { return define.name == symbol; });
            if (chosen != song.chosenDefines.end())
                shape = &*chosen;
        }
        if (shape != nullptr) {
            diagram.shape = *shape;
            diagram.shape->name = symbol;
        }
        diagrams.push_back(std::move(diagram));
    }
    return diagrams;
}

SongPageLayout::SongPageLayout(
    const theory::Song& song, const std::vector<SongDiagram>& diagrams, int width, SheetStyle style)
    : width_(std::max(1, width)), title_(Utf8(song.title)), subtitle_(Utf8(song.subtitle)),
      artist_(Utf8(song.artist))
{
    QStringList facts;
    if (!song.key.empty())
        facts << QCoreApplication::translate("SongPage", "Key: %1").arg(Utf8(song.key));
    if (song.capo > 0)
        facts << QCoreApplication::translate("SongPage", "Capo: %1").arg(song.capo);
    if (!song.tempo.empty())
        facts << QCoreApplication::translate("SongPage", "Tempo: %1").arg(Utf8(song.tempo));
    facts_ = facts.join(QStringLiteral("   "));

    std::vector<theory::ChordShape> shapes;
    for (const SongDiagram& diagram : diagrams) {
        if (diagram.shape && !diagram.shape->frets.empty())
            shapes.push_back(*diagram.shape);
    }
    diagrams_ = SheetLayout(QString(), shapes, style);
    diagramColumns_ =
        std::max(1, static_cast<int>(width_ / (diagrams_.Cell().width() * kDiagramScale)));
    AddRows(song);
}

void SongPageLayout::AddRows(const theory::Song& song)
{
    using Kind = theory::SongLineKind;
    const QFont lyricsFont = PageFont(kLyricsFont);
    for (std::size_t index = 0; index < song.lines.size(); ++index) {
        const theory::SongLine& line = song.lines[index];
        SongRow row;
        switch (line.kind) {
        case Kind::Blank:
            row.kind = SongRow::Kind::Gap;
            row.height = kGapHeight;
            // One gap stands for any run of blank lines, and none opens the body.
            if (rows_.empty() || rows_.back().kind == SongRow::Kind::Gap)
                continue;
            break;
        case Kind::Comment:
            continue;
        case Kind::Lyrics:
            row = LyricsRow(line);
            break;
        case Kind::Verbatim:
        case Kind::Unreadable:
            row = TextRow(SongRow::Kind::Verbatim, Utf8(line.text), FixedFont(kChordFont));
            break;
        case Kind::Directive:
            if (line.directive.kind == theory::SongDirectiveKind::Comment)
                row = TextRow(SongRow::Kind::Comment, Utf8(line.directive.value),
                    PageFont(kLyricsFont, false, true));
            else if (theory::IsChorusRecall(line.directive))
                row = TextRow(SongRow::Kind::Label,
                    line.directive.value.empty() ? QCoreApplication::translate("SongPage", "Chorus")
                                                 : Utf8(line.directive.value),
                    PageFont(kLyricsFont, true));
            else if (line.directive.kind == theory::SongDirectiveKind::SectionStart &&
                !SectionTitle(line).isEmpty())
                row =
                    TextRow(SongRow::Kind::Label, SectionTitle(line), PageFont(kLyricsFont, true));
            else
                continue;
            break;
        }
        row.chorus = line.section == theory::SongSection::Chorus && row.kind != SongRow::Kind::Gap;
        row.line = row.kind == SongRow::Kind::Gap ? -1 : static_cast<int>(index);
        rows_.push_back(std::move(row));
    }
    while (!rows_.empty() && rows_.back().kind == SongRow::Kind::Gap)
        rows_.pop_back();
}

int SongPageLayout::TextsHeight() const
{
    int height = 0;
    if (!title_.isEmpty())
        height += LineHeight(PageFont(kTitleFont, true));
    if (!subtitle_.isEmpty())
        height += LineHeight(PageFont(kSubtitleFont));
    if (!artist_.isEmpty())
        height += LineHeight(PageFont(kSubtitleFont, false, true));
    if (!facts_.isEmpty())
        height += LineHeight(PageFont(kFactsFont));
    return height;
}

int SongPageLayout::DiagramsHeight() const
{
    if (diagrams_.Count() == 0)
        return 0;
    const QSize grid = diagrams_.GridSize(diagrams_.Count(), diagramColumns_, false);
    return static_cast<int>(std::ceil(grid.height() * kDiagramScale));
}

int SongPageLayout::HeaderHeight() const
{
    const int height = TextsHeight() + DiagramsHeight();
    return height == 0 ? 0 : height + kHeaderGap;
}

std::vector<SongPagePart> SongPageLayout::Pages(int height) const
{
    const int count = static_cast<int>(rows_.size());
    if (height <= 0)
        return {{true, 0, count}};
    std::vector<SongPagePart> parts;
    int first = 0;
    do {
        SongPagePart part{parts.empty(), first, first};
        int used = part.header ? HeaderHeight() : 0;
        while (part.last < count &&
            (used + rows_[part.last].height <= height || (part.last == first && used == 0))) {
            used += rows_[part.last].height;
            ++part.last;
        }
        // A gap does not open a page.
        if (!part.header && part.first < part.last && rows_[part.first].kind == SongRow::Kind::Gap)
            ++part.first;
        parts.push_back(part);
        first = part.last;
    } while (first < count);
    return parts;
}

int SongPageLayout::PartHeight(const SongPagePart& part) const
{
    int height = part.header ? HeaderHeight() : 0;
    for (int i = part.first; i < part.last; ++i)
        height += rows_[i].height;
    return height;
}

void SongPageLayout::Draw(QPainter& painter, const board::DeviceMapping& mapping,
    const SongPagePart& part, QPoint origin) const
{
    painter.save();
    // The texts are laid out in scene units: drawn in them too, so that they measure the same.
    painter.scale(mapping.DpiX() / kSceneDpi, mapping.DpiY() / kSceneDpi);
    painter.translate(origin);
    painter.setPen(Qt::black);
    double y = 0;
    const auto centred = [&](const QString& text, const QFont& font) {
        if (text.isEmpty())
            return;
        painter.setFont(font);
        const int height = LineHeight(font);
        painter.drawText(QRectF(0, y, width_, height), Qt::AlignCenter | Qt::TextSingleLine, text);
        y += height;
    };
    if (part.header) {
        centred(title_, PageFont(kTitleFont, true));
        centred(subtitle_, PageFont(kSubtitleFont));
        centred(artist_, PageFont(kSubtitleFont, false, true));
        centred(facts_, PageFont(kFactsFont));
    }
    const double diagramsTop = y;
    if (part.header)
        y += DiagramsHeight() + kHeaderGap;

    const QFont chordFont = PageFont(kChordFont, true);
    const QFont lyricsFont = PageFont(kLyricsFont);
    const int chordLine = LineHeight(chordFont);
    for (int i = part.first; i < part.last; ++i) {
        const SongRow& row = rows_[i];
        const double left = row.chorus ? kChorusIndent : 0;
        if (row.chorus) {
            painter.save();
            painter.setPen(QPen(Qt::black, 6));
            painter.drawLine(
                QPointF(kChorusIndent / 3.0, y), QPointF(kChorusIndent / 3.0, y + row.height));
            painter.restore();
        }
        switch (row.kind) {
        case SongRow::Kind::Gap:
            break;
        case SongRow::Kind::Label:
        case SongRow::Kind::Comment:
        case SongRow::Kind::Verbatim: {
            const QFont font = row.kind == SongRow::Kind::Label ? PageFont(kLyricsFont, true)
                : row.kind == SongRow::Kind::Comment            ? PageFont(kLyricsFont, false, true)
                                                                : FixedFont(kChordFont);
            painter.setFont(font);
            painter.drawText(QRectF(left, y, width_ - left, row.height),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, row.pieces.front().lyrics);
            break;
        }
        case SongRow::Kind::Lyrics: {
            const double lyricsTop = y + (row.hasChords ? chordLine : 0);
            for (const SongRow::Piece& piece : row.pieces) {
                if (!piece.chord.isEmpty()) {
                    painter.setFont(chordFont);
                    painter.drawText(QRectF(left + piece.x, y, width_, chordLine),
                        Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, piece.chord);
                }
                if (row.hasLyrics && !piece.lyrics.isEmpty()) {
                    painter.setFont(lyricsFont);
                    painter.drawText(
                        QRectF(left + piece.x, lyricsTop, width_, row.height - (lyricsTop - y)),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, piece.lyrics);
                }
            }
            break;
        }
        }
        y += row.height;
    }
    painter.restore();

    if (part.header && diagrams_.Count() > 0) {
        // The diagrams are drawn smaller: a lower resolution draws smaller.
        const board::DeviceMapping small(
            mapping.DpiX() * kDiagramScale, mapping.DpiY() * kDiagramScale);
        const QSize grid = diagrams_.GridSize(diagrams_.Count(), diagramColumns_, false);
        const double left = std::max(0.0, (width_ - grid.width() * kDiagramScale) / 2.0);
        const QPoint at(static_cast<int>((origin.x() + left) / kDiagramScale),
            static_cast<int>((origin.y() + diagramsTop) / kDiagramScale));
        DrawSheet(painter, small, diagrams_, diagramColumns_, {0, diagrams_.Count(), false}, at);
    }
}

QString ExportSongPdf(const QString& path, const theory::Song& song,
    const std::vector<SongDiagram>& diagrams, const SheetPaper& paper, SheetStyle style)
{
    return output::SaveFile(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(Utf8(song.title));
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setResolution(300);
        if (!pdf.setPageLayout(SheetPageLayout(paper)))
            return false;
        const QRectF paint = pdf.pageLayout().paintRect(QPageLayout::Millimeter);
        const SongPageLayout layout(song, diagrams, static_cast<int>(paint.width() * 10.0), style);
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        const board::DeviceMapping mapping = board::DeviceMapping::ForDevice(pdf);
        bool painted = true;
        const std::vector<SongPagePart> parts =
            layout.Pages(static_cast<int>(paint.height() * 10.0));
        for (std::size_t i = 0; i < parts.size() && painted; ++i) {
            if (i > 0)
                painted = pdf.newPage();
            if (painted)
                layout.Draw(painter, mapping, parts[i], QPoint(0, 0));
        }
        return painter.end() && painted;
    });
}

QString ExportSongPng(const QString& path, const theory::Song& song,
    const std::vector<SongDiagram>& diagrams, const SheetPaper& paper, int dpi, SheetStyle style)
{
    if (dpi < kMinPngDpi || dpi > kMaxPngDpi) {
        return output::SaveFailureMessage(path,
            QCoreApplication::translate(
                "SheetExport", "the resolution must lie between %1 and %2 dpi")
                .arg(kMinPngDpi)
                .arg(kMaxPngDpi));
    }
    const SongPageLayout layout(song, diagrams, paper.Area().width(), style);
    const SongPagePart whole = layout.Pages(0).front();
    const QSizeF scene(
        layout.Width() + 2 * kPictureMargin, layout.PartHeight(whole) + 2 * kPictureMargin);
    const QSize pixels(static_cast<int>(std::ceil(scene.width() * dpi / kSceneDpi)),
        static_cast<int>(std::ceil(scene.height() * dpi / kSceneDpi)));
    if (qint64(pixels.width()) * pixels.height() > kMaxPngPixels) {
        return output::SaveFailureMessage(path,
            QCoreApplication::translate("SheetExport",
                "the picture would be too large at %1 dpi; choose a lower resolution")
                .arg(dpi));
    }
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return output::SaveFailureMessage(path,
            QCoreApplication::translate(
                "SheetExport", "not enough memory for a picture this large"));
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        layout.Draw(
            painter, board::DeviceMapping(dpi), whole, QPoint(kPictureMargin, kPictureMargin));
    }
    return output::SaveFile(path, [&](QIODevice& file) { return image.save(&file, "PNG"); });
}

}  // namespace guivarna::sheet
