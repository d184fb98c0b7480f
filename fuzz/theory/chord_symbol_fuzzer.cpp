// Any text through the chord-symbol reader: a chord that reads has its root and notes in
// 60..71, the root first, one note per interval bit; its traditional name reads back to the same
// root and name. A text that does not read says where, within the text.
#include "fuzz/fuzz_check.h"
#include "theory/formats/chord_symbol.h"
#include "theory/notes/chord_naming.h"
#include "theory/notes/music_theory.h"
#include "theory/notes/notes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

using namespace guivarna::theory;

namespace {

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view symbol(reinterpret_cast<const char*>(data), size);
    const ChordReading reading = ReadChordSymbol(symbol);
    if (!reading) {
        GUIVARNA_FUZZ_CHECK(!reading.error.reason.empty());
        GUIVARNA_FUZZ_CHECK(reading.error.position <= CharacterCount(symbol));
        GUIVARNA_FUZZ_CHECK(!DescribeReadError(symbol, reading.error).empty());
        return 0;
    }
    const ReadChord& chord = *reading.chord;
    GUIVARNA_FUZZ_CHECK(chord.root >= 60 && chord.root <= 71);
    GUIVARNA_FUZZ_CHECK((chord.mask & 1) == 1 && chord.mask < 4096);

    const std::vector<Note> notes = chord.Notes();
    GUIVARNA_FUZZ_CHECK(!notes.empty() && notes.front() == chord.root);
    GUIVARNA_FUZZ_CHECK(
        notes.size() == static_cast<std::size_t>(std::popcount(static_cast<unsigned>(chord.mask))));
    const std::set<Note> distinct(notes.begin(), notes.end());
    GUIVARNA_FUZZ_CHECK(distinct.size() == notes.size());
    for (const Note note : notes) {
        GUIVARNA_FUZZ_CHECK(note >= 60 && note <= 71);
        GUIVARNA_FUZZ_CHECK((chord.mask >> ((note + 12 - chord.root) % 12)) & 1);
    }
    GUIVARNA_FUZZ_CHECK(!ChordNotesText(chord).empty());

    // The name the program gives this chord is one the reader accepts, for the same chord name.
    const std::string suffix = ChordSuffixFor(chord.mask, kTraditionalNames);
    const std::string name = NoteName(chord.root) + suffix;
    const ChordReading again = ReadChordSymbol(name);
    GUIVARNA_FUZZ_CHECK(again && again.chord->root == chord.root);
    GUIVARNA_FUZZ_CHECK(ChordSuffixFor(again.chord->mask, kTraditionalNames) == suffix);
    return 0;
}
