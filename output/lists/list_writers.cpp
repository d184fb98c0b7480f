#include "output/lists/list_writers.h"

#include "output/files/save_file.h"
#include "resources/strings.h"
#include "theory/notes/music_theory.h"
#include "theory/search/result_texts.h"

#include <QByteArray>
#include <QIODevice>

#include <initializer_list>
#include <string_view>

namespace guivarna::output {

namespace {

// The page head: XML declaration, XHTML 1.0 Strict document type, the html element, then the
// head with its title, meta data and style sheet, and the opening body tag.
constexpr std::string_view kPageHead =
    "<?xml version=\"1.0\"?> "
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\">"
    "<head><title>Guivarna</title><meta name=\"author\" content=\"Orlan\" />"
    "<meta name=\"description\" content=\"GVA samples\" /><meta name=\"keywords\" content=\"\" />"
    "<style type=\"text/css\"><!--body{text-align:center;background-color: #FCEFCC}"
    "table{background-color: white;border:1px solid black;width: 800px}"
    "td.title{width: 20%; text-align: left; vertical-align: top; font: normal normal normal 15px "
    "Arial, Helvetica, Sans-Serif; color:#4F719F;margin: 0px 0px 0px 7px}"
    "td.content{width: 20%; text-align: left; vertical-align: top; font: normal normal normal "
    "12px Arial, Helvetica, Sans-Serif; color:#000000;margin: 0px 0px 0px 7px}"
    "--></style></head><body>";

constexpr std::string_view kTitleCell = "<td class=\"title\">";
constexpr std::string_view kContentRow = "<tr><td class=\"content\">";
constexpr std::string_view kNextContentCell = "</td><td class=\"content\">";
constexpr std::string_view kLineBreak = "<br />";
constexpr std::string_view kTableEnd = "</td></tr></table>";
constexpr std::string_view kPageEnd = "</body></html>";

// Collects output and hands it to the device in large blocks; remembers whether any write
// failed so the caller learns it once at the end.
class BlockWriter {
public:
    explicit BlockWriter(QIODevice& device) : device_(device) { buffer_.reserve(kBlockSize); }

    void Append(std::string_view bytes)
    {
        buffer_.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
        if (buffer_.size() >= kBlockSize)
            Flush();
    }
    void AppendByte(char byte)
    {
        buffer_.append(byte);
        if (buffer_.size() >= kBlockSize)
            Flush();
    }

    // Writes what is left; false when any write failed.
    bool Finish()
    {
        Flush();
        return ok_;
    }

private:
    static constexpr qsizetype kBlockSize = 64 * 1024;

    void Flush()
    {
        if (ok_ && !buffer_.isEmpty())
            ok_ = WriteAll(device_, buffer_);
        buffer_.clear();
    }

    QIODevice& device_;
    QByteArray buffer_;
    bool ok_ = true;
};

// Text written as UTF-16 little-endian code units, whatever the byte order of the machine.
class Utf16Writer {
public:
    explicit Utf16Writer(QIODevice& device) : out_(device) { }

    // text is UTF-8 (the program's texts are ASCII).
    Utf16Writer& operator<<(std::string_view text)
    {
        return *this << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    Utf16Writer& operator<<(const char* text) { return *this << std::string_view(text); }
    Utf16Writer& operator<<(const QString& text)
    {
        for (const QChar c : text) {
            const char16_t unit = c.unicode();
            out_.AppendByte(static_cast<char>(unit & 0xFF));
            out_.AppendByte(static_cast<char>(unit >> 8));
        }
        return *this;
    }

    bool Finish() { return out_.Finish(); }

private:
    BlockWriter out_;
};

// The head and the current chord's table, shared by the list page and the picture index page.
void WriteHeadAndCurrentChord(Utf16Writer& page, const CurrentChordText& current)
{
    page << kPageHead;
    page << "<table><tr>" << kTitleCell << strings::kChordNotes << "</td>" << kTitleCell
         << "Suggested Chordnames"
         << "</td></tr>" << kContentRow << current.notes << kNextContentCell;
    for (const std::string& name : current.names)
        page << name << kLineBreak;
    page << "</td>"
         << "</tr></table>";
}

std::string MelodyNoteText(const theory::ChordFingering& fingering)
{
    return fingering.StringNotes.empty() ? std::string()
                                         : theory::NoteName(fingering.StringNotes.front());
}

}  // namespace

CurrentChordText CurrentChordOf(const theory::MusicTheory& theory)
{
    CurrentChordText current;
    current.notes = theory.FormatNotes();
    if (theory.HasSelection())
        current.names = theory.SuggestChordNames(theory::kTraditionalNames);
    return current;
}

bool WriteScaleListText(QIODevice& device, const ScaleResults& scales)
{
    BlockWriter out(device);
    const std::size_t count = scales.Count();
    for (std::size_t i = 0; i < count; ++i) {
        out.Append(theory::ScaleText(scales.Get(i)));
        out.Append("\r\n");
    }
    return out.Finish();
}

bool WriteChordListText(QIODevice& device, const ChordResults& chords)
{
    BlockWriter out(device);
    const std::size_t count = chords.Count();
    for (std::size_t i = 0; i < count; ++i) {
        out.Append(theory::ChordListLine(chords.Get(i)));
        out.Append("\r\n");
    }
    return out.Finish();
}

bool WriteChordListHtml(
    QIODevice& device, const ChordResults& chords, const CurrentChordText& current)
{
    Utf16Writer page(device);
    WriteHeadAndCurrentChord(page, current);
    page << "<br /><br />"
         << "<table><tr>" << kTitleCell << "###"
         << "</td>"
         << "<td class=\"title\">Strings</td><td class=\"title\">Frets</td>"
            "<td class=\"title\">Chordnotes</td><td class=\"title\">Melody note</td></tr>"
         << kContentRow;

    // Every column is one cell with a line per fingering, so the list is read once per column;
    // the count is taken once so all columns have the same lines.
    const std::size_t count = chords.Count();
    for (std::size_t i = 0; i < count; ++i)
        page << std::to_string(i + 1) << kLineBreak;
    using ColumnText = std::string (*)(const theory::ChordFingering&);
    for (const ColumnText column : {&theory::ChordStringsText, &theory::ChordFretsText,
             &theory::ChordNotesText, &MelodyNoteText}) {
        page << kNextContentCell;
        for (std::size_t i = 0; i < count; ++i)
            page << column(chords.Get(i)) << kLineBreak;
    }
    page << kTableEnd << kPageEnd;
    return page.Finish();
}

bool WriteChordPicturePage(
    QIODevice& device, const CurrentChordText& current, const std::vector<QString>& pictureNames)
{
    Utf16Writer page(device);
    WriteHeadAndCurrentChord(page, current);
    page << "<br /><br />"
         << "<table><tr>" << kTitleCell;
    for (const QString& name : pictureNames)
        page << "<img src=\"" << name << ".jpg"
             << " \"/><br /><br />";
    page << kTableEnd << kPageEnd;
    return page.Finish();
}

}  // namespace guivarna::output
