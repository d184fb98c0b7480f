#include "theory/song/song_transpose.h"

#include "theory/formats/chord_symbol.h"
#include "theory/song/song_writer.h"

namespace guivarna::theory {

namespace {

constexpr std::string_view kSharpSign = "\u266F";
constexpr std::string_view kFlatSign = "\u266D";

int Wrapped(int pitchClass)
{
    return ((pitchClass % kPitchClassCount) + kPitchClassCount) % kPitchClassCount;
}

// The note at the start of text moved and respelled; text without a note is returned as is.
std::string MovedNote(std::string_view note, int semitones, bool flats)
{
    const std::size_t length = NoteLengthAt(note);
    if (length == 0)
        return std::string(note);
    const std::optional<SongKey> read = ReadSongKey(note.substr(0, length));
    const bool unicode = note.find(kSharpSign) != std::string_view::npos ||
        note.find(kFlatSign) != std::string_view::npos;
    return SpelledNote(Wrapped(read->tonic + semitones), flats, unicode);
}

}  // namespace

std::optional<SongKey> KeyOfSong(const Song& song)
{
    for (const SongLine& line : song.lines) {
        if (line.kind == SongLineKind::Directive && line.directive.kind == SongDirectiveKind::Key)
            if (const std::optional<SongKey> key = ReadSongKey(line.directive.value))
                return key;
    }
    for (const SongLine& line : song.lines) {
        for (const SongChord& chord : line.chords) {
            const ChordReading reading = ReadChordSymbol(TrimmedSymbol(chord.symbol));
            if (!reading.chord)
                continue;
            const int mask = reading.chord->mask;
            const bool minor = (mask & (1 << 3)) != 0 && (mask & (1 << 4)) == 0;
            return SongKey{PitchClassOf(reading.chord->root), minor};
        }
    }
    return std::nullopt;
}

std::string TransposedSymbol(std::string_view symbol, int semitones, bool flats)
{
    const std::string_view trimmed = TrimmedSymbol(symbol);
    if (trimmed.empty() || !ReadChordSymbol(trimmed))
        return std::string(symbol);
    const std::size_t start = static_cast<std::size_t>(trimmed.data() - symbol.data());
    const std::size_t rootLength = NoteLengthAt(trimmed);
    std::string moved(symbol.substr(0, start));
    moved += MovedNote(trimmed.substr(0, rootLength), semitones, flats);
    std::string_view rest = trimmed.substr(rootLength);
    // A slash bass is a note after the last '/' ("C6/9" has none: a digit follows).
    const std::size_t slash = rest.rfind('/');
    if (slash != std::string_view::npos && NoteLengthAt(rest.substr(slash + 1)) > 0) {
        moved += rest.substr(0, slash + 1);
        const std::string_view bass = rest.substr(slash + 1);
        const std::size_t bassLength = NoteLengthAt(bass);
        moved += MovedNote(bass.substr(0, bassLength), semitones, flats);
        moved += bass.substr(bassLength);
    } else {
        moved += rest;
    }
    moved += symbol.substr(start + trimmed.size());
    return moved;
}

void TransposeSong(Song& song, int semitones)
{
    const int shift = Wrapped(semitones);
    if (shift == 0)
        return;
    const std::optional<SongKey> oldKey = KeyOfSong(song);
    std::optional<SongKey> newKey;
    if (oldKey)
        newKey = SongKey{Wrapped(oldKey->tonic + shift), oldKey->minor};
    const bool flats = newKey ? KeyPrefersFlats(*newKey) : false;
    for (SongLine& line : song.lines) {
        if (line.kind == SongLineKind::Lyrics) {
            bool changed = false;
            for (SongChord& chord : line.chords) {
                if (!chord.readable)
                    continue;
                chord.symbol = TransposedSymbol(chord.symbol, shift, flats);
                changed = true;
            }
            if (changed)
                SetLyricsText(line);
        }
    }
    for (SongLine& line : song.lines) {
        if (line.kind != SongLineKind::Directive || line.directive.kind != SongDirectiveKind::Key)
            continue;
        if (const std::optional<SongKey> key = ReadSongKey(line.directive.value)) {
            const std::string& value = line.directive.value;
            const std::size_t rootLength = NoteLengthAt(value);
            const SongKey moved{Wrapped(key->tonic + shift), key->minor};
            const bool unicode = value.substr(0, rootLength).find("\xE2\x99") != std::string::npos;
            SetSongKey(song,
                SpelledNote(moved.tonic, KeyPrefersFlats(moved), unicode) +
                    value.substr(rootLength));
        }
        break;
    }
}

}  // namespace guivarna::theory
