#include "theory/song/song_writer.h"

#include "theory/formats/chord_pro.h"
#include "theory/song/song_reader.h"

#include <algorithm>

namespace guivarna::theory {

namespace {

constexpr std::string_view kTuningDirective = "x_guivarna_tuning";

bool IsHeaderDirective(const SongLine& line)
{
    if (line.kind != SongLineKind::Directive)
        return false;
    switch (line.directive.kind) {
    case SongDirectiveKind::Title:
    case SongDirectiveKind::Subtitle:
    case SongDirectiveKind::Artist:
    case SongDirectiveKind::Key:
    case SongDirectiveKind::Capo:
    case SongDirectiveKind::Transpose:
    case SongDirectiveKind::Tempo:
        return true;
    case SongDirectiveKind::Other:
        // Other metadata ({album}, {composer}, {year}...) stands in the header too.
        return line.directive.name != kTuningDirective;
    default:
        return false;
    }
}

// Where new lines go: after the last header directive of the lines before the song's first
// lyrics, comment or section; at the top when there is none.
std::size_t AfterHeader(const Song& song)
{
    std::size_t after = 0;
    for (std::size_t i = 0; i < song.lines.size(); ++i) {
        const SongLine& line = song.lines[i];
        if (IsHeaderDirective(line))
            after = i + 1;
        else if (line.kind != SongLineKind::Blank && line.kind != SongLineKind::Comment &&
            !(line.kind == SongLineKind::Directive &&
                line.directive.kind == SongDirectiveKind::Define))
            break;
    }
    return after;
}

// The line end the song uses: its first line's, or '\n'.
std::string SongEnding(const Song& song)
{
    for (const SongLine& line : song.lines) {
        if (!line.ending.empty())
            return line.ending;
    }
    return "\n";
}

// Inserts lines (read as a song of their own) before index at, ending each as the song does.
void InsertLines(Song& song, std::size_t at, const std::string& text)
{
    Song inserted = ReadSong(text);
    if (inserted.lines.empty())
        return;
    const std::string ending = SongEnding(song);
    for (SongLine& line : inserted.lines)
        line.ending = ending;
    if (at == song.lines.size() && at > 0 && song.lines[at - 1].ending.empty()) {
        // The file ended without a line end; it still does, after the new lines.
        song.lines[at - 1].ending = ending;
        inserted.lines.back().ending.clear();
    }
    if (at < song.lines.size()) {
        for (SongLine& line : inserted.lines) {
            line.section = song.lines[at].section;
            line.sectionLabel = song.lines[at].sectionLabel;
        }
    }
    song.lines.insert(song.lines.begin() + static_cast<std::ptrdiff_t>(at),
        std::make_move_iterator(inserted.lines.begin()),
        std::make_move_iterator(inserted.lines.end()));
    // Lines after the insertion moved down: the error numbers follow them.
    const int shift = static_cast<int>(inserted.lines.size());
    for (ChordProError& error : song.errors) {
        if (error.line > static_cast<int>(at))
            error.line += shift;
    }
}

void SetDirectiveValue(SongLine& line, const std::string& value)
{
    SongDirective& directive = line.directive;
    if (directive.valueLength == 0) {
        // {capo} without a value: written again in full.
        const std::size_t open = line.text.find('{');
        const std::size_t close = line.text.rfind('}');
        line.text = line.text.substr(0, open) + "{" + directive.name + ": " + value + "}" +
            line.text.substr(close + 1);
        directive.valueStart = open + directive.name.size() + 3;
    } else {
        line.text.replace(directive.valueStart, directive.valueLength, value);
    }
    directive.valueLength = value.size();
    directive.value = value;
}

SongLine* FirstDirective(Song& song, SongDirectiveKind kind)
{
    for (SongLine& line : song.lines) {
        if (line.kind == SongLineKind::Directive && line.directive.kind == kind)
            return &line;
    }
    return nullptr;
}

// The value of a directive a line holds, without braces or line ends that would break it.
std::string DirectiveValue(const std::string& value)
{
    std::string clean;
    for (const char c : value)
        clean += (c == '\n' || c == '\r') ? ' ' : (c == '}' ? ')' : c);
    return clean;
}

void SetHeaderValue(
    Song& song, SongDirectiveKind kind, const std::string& name, const std::string& value)
{
    if (SongLine* line = FirstDirective(song, kind)) {
        SetDirectiveValue(*line, value);
        // The line reads now: an error it had for its old value is gone.
        const int number = static_cast<int>(line - song.lines.data()) + 1;
        std::erase_if(
            song.errors, [&](const ChordProError& error) { return error.line == number; });
        return;
    }
    if (!value.empty() && value != "0")
        InsertLines(song, AfterHeader(song), "{" + name + ": " + value + "}");
}

bool IsChosenBlockLine(const SongLine& line)
{
    return line.kind == SongLineKind::Directive &&
        (line.directive.kind == SongDirectiveKind::Define ||
            line.directive.name == kTuningDirective);
}

}  // namespace

std::string WriteSong(const Song& song)
{
    std::string text = song.byteOrderMark;
    for (const SongLine& line : song.lines) {
        text += line.text;
        text += line.ending;
    }
    return text;
}

void SetLyricsText(SongLine& line)
{
    std::string text;
    std::size_t at = 0;
    for (const SongChord& chord : line.chords) {
        const std::size_t position = std::clamp(chord.position, at, line.lyrics.size());
        text.append(line.lyrics, at, position - at);
        text += '[' + chord.symbol + ']';
        at = position;
    }
    text.append(line.lyrics, at);
    line.text = std::move(text);
}

void SetSongCapo(Song& song, int capo)
{
    capo = std::clamp(capo, 0, kMaxSongCapo);
    SetHeaderValue(song, SongDirectiveKind::Capo, "capo", std::to_string(capo));
    song.capo = capo;
}

void SetSongKey(Song& song, const std::string& key)
{
    const std::string value = DirectiveValue(key);
    SetHeaderValue(song, SongDirectiveKind::Key, "key", value);
    song.key = value;
}

void SetChosenDefines(Song& song, std::span<const ChordShape> shapes)
{
    // The old block: its marker and the defines after it.
    std::size_t at = song.lines.size();
    for (std::size_t i = 0; i < song.lines.size(); ++i) {
        const SongLine& line = song.lines[i];
        if (line.kind == SongLineKind::Comment &&
            TrimmedSymbol(line.text) == kChosenDefinesMarker) {
            at = i;
            break;
        }
    }
    if (at < song.lines.size()) {
        std::size_t end = at + 1;
        while (end < song.lines.size() && IsChosenBlockLine(song.lines[end]))
            ++end;
        if (end < song.lines.size() && song.lines[end].kind == SongLineKind::Comment &&
            TrimmedSymbol(song.lines[end].text) == kChosenDefinesEnd)
            ++end;
        // A file that ended inside the block keeps ending without a line end.
        const bool lastWithoutEnding = end == song.lines.size() && song.lines.back().ending.empty();
        song.lines.erase(song.lines.begin() + static_cast<std::ptrdiff_t>(at),
            song.lines.begin() + static_cast<std::ptrdiff_t>(end));
        const int removed = static_cast<int>(end - at);
        std::erase_if(song.errors, [&](const ChordProError& error) {
            return error.line > static_cast<int>(at) && error.line <= static_cast<int>(end);
        });
        for (ChordProError& error : song.errors) {
            if (error.line > static_cast<int>(end))
                error.line -= removed;
        }
        if (lastWithoutEnding && !song.lines.empty())
            song.lines.back().ending.clear();
    } else {
        at = AfterHeader(song);
    }
    song.chosenDefines.clear();
    std::string block(kChosenDefinesMarker);
    for (const ChordShape& shape : shapes) {
        if (UserDefine(song, shape.name) != nullptr || shape.frets.empty() || shape.scale)
            continue;
        const bool repeated = std::any_of(song.chosenDefines.begin(), song.chosenDefines.end(),
            [&](const ChordShape& chosen) { return chosen.name == shape.name; });
        if (repeated)
            continue;
        song.chosenDefines.push_back(shape);
        block += '\n' + ChordProDefine(shape);
    }
    if (!song.chosenDefines.empty())
        InsertLines(song, at, block + '\n' + std::string(kChosenDefinesEnd));
}

}  // namespace guivarna::theory
