// Any bytes as a ChordPro file: the reader never fails as a whole, names only lines the text
// has, and gives shapes whose lists agree (one fret, finger and, when known, pitch per string,
// each within its range; a scale diagram's notes rising on every string). Written back, the
// sheet reads without errors to the same shapes, and writing that again gives the same text.
#include "fuzz/fuzz_check.h"
#include "theory/formats/chord_pro.h"
#include "theory/hand/finger_assignment.h"
#include "theory/notes/instrument.h"
#include "theory/notes/instrument_limits.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace guivarna::theory;

namespace {

void CheckShape(const ChordShape& shape)
{
    GUIVARNA_FUZZ_CHECK(shape.StringCount() >= 1 && shape.StringCount() <= kMaxStrings);
    GUIVARNA_FUZZ_CHECK(shape.fingers.size() == shape.frets.size());
    GUIVARNA_FUZZ_CHECK(shape.tuning.empty() || shape.tuning.size() == shape.frets.size());
    for (std::size_t s = 0; s < shape.frets.size(); ++s) {
        const int fret = shape.frets[s];
        GUIVARNA_FUZZ_CHECK(fret == kNotPlayed || (fret >= 0 && fret < kMaxPositions));
        GUIVARNA_FUZZ_CHECK(shape.fingers[s] >= 0 && shape.fingers[s] <= 9);
        GUIVARNA_FUZZ_CHECK(fret > 0 || shape.fingers[s] == 0);
    }
    for (const int pitch : shape.tuning)
        GUIVARNA_FUZZ_CHECK(pitch >= 0 && pitch <= 127);
    if (!shape.scale)
        return;
    // A scale diagram: every string known, its notes rising, each finger one of the four.
    GUIVARNA_FUZZ_CHECK(shape.scale->notes.size() == shape.tuning.size());
    GUIVARNA_FUZZ_CHECK(shape.scale->root >= -1 && shape.scale->root <= 11);
    for (const auto& notes : shape.scale->notes) {
        for (std::size_t i = 0; i < notes.size(); ++i) {
            GUIVARNA_FUZZ_CHECK(notes[i].fret >= 0 && notes[i].fret < kMaxPositions);
            GUIVARNA_FUZZ_CHECK(notes[i].finger >= 0 && notes[i].finger <= 4);
            GUIVARNA_FUZZ_CHECK(i == 0 || notes[i].fret > notes[i - 1].fret);
        }
    }
}

// The shapes without their names, which the writer may spell differently ("?" for none,
// spaces for other blanks).
bool SameShapes(const ChordProSheet& a, const ChordProSheet& b)
{
    return std::equal(a.chords.begin(), a.chords.end(), b.chords.begin(), b.chords.end(),
        [](const ChordShape& x, const ChordShape& y) {
            return x.frets == y.frets && x.fingers == y.fingers && x.tuning == y.tuning &&
                x.scale == y.scale;
        });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ChordProSheet sheet = ReadChordPro(text);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    int lastLine = 0;
    for (const ChordProError& error : sheet.errors) {
        GUIVARNA_FUZZ_CHECK(error.line > lastLine && error.line <= lines);
        GUIVARNA_FUZZ_CHECK(!error.message.empty());
        lastLine = error.line;
    }
    for (const ChordShape& shape : sheet.chords)
        CheckShape(shape);

    const std::string written = WriteChordPro(sheet.title, sheet.chords);
    const ChordProSheet again = ReadChordPro(written);
    GUIVARNA_FUZZ_CHECK(again.errors.empty());
    GUIVARNA_FUZZ_CHECK(SameShapes(sheet, again));
    GUIVARNA_FUZZ_CHECK(WriteChordPro(again.title, again.chords) == written);
    return 0;
}
