// Any bytes as a ChordPro song: the reader never fails as a whole and names only lines the text
// has; written back untouched, the song gives the same bytes, and every lyrics line rebuilds
// from its lyrics and chords. A transposition keeps every readable chord readable, by octaves
// changes nothing, and up and down by a semitone settles after one round. A capo and a block
// of chosen defines read back as set.
#include "fuzz/fuzz_check.h"
#include "theory/notes/instrument_limits.h"
#include "theory/song/song_reader.h"
#include "theory/song/song_text.h"
#include "theory/song/song_transpose.h"
#include "theory/song/song_writer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace guivarna::theory;

namespace {

std::size_t ReadableChords(const Song& song)
{
    return SongChordSequence(song).size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Song song = ReadSong(text);
    const int lines = static_cast<int>(song.lines.size());
    int lastLine = 0;
    for (const ChordProError& error : song.errors) {
        GUIVARNA_FUZZ_CHECK(error.line > lastLine && error.line <= lines);
        GUIVARNA_FUZZ_CHECK(!error.message.empty());
        lastLine = error.line;
    }
    GUIVARNA_FUZZ_CHECK(WriteSong(song) == text);
    for (const SongLine& line : song.lines) {
        if (line.kind != SongLineKind::Lyrics)
            continue;
        SongLine rebuilt = line;
        SetLyricsText(rebuilt);
        GUIVARNA_FUZZ_CHECK(rebuilt.text == line.text);
        for (const SongChord& chord : line.chords)
            GUIVARNA_FUZZ_CHECK(chord.position <= line.lyrics.size());
    }
    (void)SongAsText(song);

    Song octave = song;
    TransposeSong(octave, 12);
    TransposeSong(octave, -12);
    GUIVARNA_FUZZ_CHECK(WriteSong(octave) == text);

    Song moved = song;
    TransposeSong(moved, 1);
    const Song movedAgain = ReadSong(WriteSong(moved));
    GUIVARNA_FUZZ_CHECK(ReadableChords(movedAgain) == ReadableChords(song));
    GUIVARNA_FUZZ_CHECK(movedAgain.errors.size() == song.errors.size());
    TransposeSong(moved, -1);
    Song round = moved;
    TransposeSong(round, 1);
    TransposeSong(round, -1);
    GUIVARNA_FUZZ_CHECK(WriteSong(round) == WriteSong(moved));

    Song capo = song;
    const int fret = static_cast<int>(size % (kMaxSongCapo + 1));
    SetSongCapo(capo, fret);
    const std::vector<int> tuning(kStandardTuningNotes.begin(), kStandardTuningNotes.end());
    const std::vector<int> c{0, 1, 0, 2, 3, -1};
    const std::vector<int> g{3, 0, 0, 0, 2, 3};
    const std::vector<ChordShape> shapes = {
        ShapeFromFrets(c, tuning, "C"), ShapeFromFrets(g, tuning, "G")};
    SetChosenDefines(capo, shapes);
    SetChosenDefines(capo, shapes);
    const Song capoAgain = ReadSong(WriteSong(capo));
    GUIVARNA_FUZZ_CHECK(capoAgain.capo == fret);
    GUIVARNA_FUZZ_CHECK(capoAgain.chosenDefines.size() == capo.chosenDefines.size());
    GUIVARNA_FUZZ_CHECK(WriteSong(capoAgain) == WriteSong(capo));
    return 0;
}
