#include "theory/song/song_text.h"

#include <algorithm>

namespace guivarna::theory {

namespace {

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t Columns(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t';
}

void TrimEnd(std::string& text)
{
    while (!text.empty() && IsSpace(text.back()))
        text.pop_back();
}

std::string SectionName(const SongLine& line)
{
    if (!line.sectionLabel.empty())
        return line.sectionLabel;
    switch (line.section) {
    case SongSection::Chorus:
        return "Chorus";
    case SongSection::Verse:
        return "Verse";
    case SongSection::Bridge:
        return "Bridge";
    case SongSection::Tab:
        return "Tab";
    case SongSection::Grid:
        return "Grid";
    default:
        return {};
    }
}

}  // namespace

bool IsChorusRecall(const SongDirective& directive)
{
    return directive.kind == SongDirectiveKind::Other && directive.name == "chorus";
}

ChordsOverLyrics SetChordsOverLyrics(const SongLine& line)
{
    ChordsOverLyrics set;
    const std::string& lyrics = line.lyrics;
    std::size_t at = 0;
    // The widths in columns so far, kept as the lines grow so that a long line stays linear.
    std::size_t lyricsWidth = 0;
    std::size_t chordsWidth = 0;
    for (const SongChord& chord : line.chords) {
        // A position inside a character's bytes counts from the character's start.
        std::size_t position = std::clamp(chord.position, at, lyrics.size());
        while (position > at && position < lyrics.size() && IsContinuationByte(lyrics[position]))
            --position;
        const std::string_view piece = std::string_view(lyrics).substr(at, position - at);
        set.lyrics += piece;
        lyricsWidth += Columns(piece);
        at = position;
        const std::size_t needed = chordsWidth == 0 ? 0 : chordsWidth + 1;
        if (needed > lyricsWidth) {
            const bool inWord = !set.lyrics.empty() && !IsSpace(set.lyrics.back()) &&
                at < lyrics.size() && !IsSpace(lyrics[at]);
            set.lyrics.append(needed - lyricsWidth, inWord ? '-' : ' ');
            lyricsWidth = needed;
        }
        set.chords.append(lyricsWidth - chordsWidth, ' ');
        const std::string_view symbol = TrimmedSymbol(chord.symbol);
        set.chords += symbol;
        chordsWidth = lyricsWidth + Columns(symbol);
    }
    set.lyrics.append(lyrics, at);
    TrimEnd(set.lyrics);
    TrimEnd(set.chords);
    return set;
}

std::string SongAsText(const Song& song)
{
    std::string text;
    for (const std::string* field : {&song.title, &song.subtitle, &song.artist}) {
        if (!field->empty())
            text += *field + '\n';
    }
    std::string facts;
    const auto addFact = [&](const std::string& fact) {
        facts += (facts.empty() ? "" : "   ") + fact;
    };
    if (!song.key.empty())
        addFact("Key: " + song.key);
    if (song.capo > 0)
        addFact("Capo: " + std::to_string(song.capo));
    if (!song.tempo.empty())
        addFact("Tempo: " + song.tempo);
    if (!facts.empty())
        text += facts + '\n';
    if (!text.empty())
        text += '\n';

    std::string body;
    for (const SongLine& line : song.lines) {
        const std::string indent = line.section == SongSection::Chorus ? "  " : "";
        const auto add = [&](const std::string& shown) {
            std::string out = shown.empty() ? std::string() : indent + shown;
            TrimEnd(out);
            body += out + '\n';
        };
        switch (line.kind) {
        case SongLineKind::Blank:
            add({});
            break;
        case SongLineKind::Comment:
            break;
        case SongLineKind::Verbatim:
        case SongLineKind::Unreadable:
            add(line.text);
            break;
        case SongLineKind::Lyrics: {
            const ChordsOverLyrics set = SetChordsOverLyrics(line);
            if (!set.chords.empty())
                add(set.chords);
            if (!set.lyrics.empty() || set.chords.empty())
                add(set.lyrics);
            break;
        }
        case SongLineKind::Directive:
            if (line.directive.kind == SongDirectiveKind::Comment)
                add("(" + line.directive.value + ")");
            else if (IsChorusRecall(line.directive))
                add("(" + (line.directive.value.empty() ? "Chorus" : line.directive.value) + ")");
            else if (line.directive.kind == SongDirectiveKind::SectionStart &&
                !SectionName(line).empty())
                add(SectionName(line) + ":");
            break;
        }
    }
    // Blank lines at the start and end of the song say nothing.
    const std::size_t first = body.find_first_not_of('\n');
    if (first == std::string::npos)
        return text;
    body.erase(0, first);
    while (body.size() >= 2 && body[body.size() - 2] == '\n')
        body.pop_back();
    return text + body;
}

}  // namespace guivarna::theory
