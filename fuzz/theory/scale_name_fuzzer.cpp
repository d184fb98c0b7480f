// Any text through the scale-name lookup of the catalogue: a name that matches, matches in any
// letter case and with its spaces doubled, and gives a scale of the catalogue whose notes follow
// its mask; the closest names offered for any text are names the lookup finds. The bytes, taken
// as notes, also go through the reverse lookup (scales with exactly these notes).
#include "fuzz/fuzz_check.h"
#include "theory/notes/notes.h"
#include "theory/notes/scale_catalogue.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

using namespace guivarna::theory;

namespace {

bool InCatalogue(const ScaleType* scale)
{
    for (const ScaleType& entry : ScaleCatalogue()) {
        if (&entry == scale)
            return true;
    }
    return false;
}

void CheckNotes(const ScaleType& scale, Note root)
{
    const std::vector<Note> notes = ScaleNotes(scale, root);
    GUIVARNA_FUZZ_CHECK(
        notes.size() == static_cast<std::size_t>(std::popcount(static_cast<unsigned>(scale.mask))));
    GUIVARNA_FUZZ_CHECK(!notes.empty() && notes.front() == 60 + root % 12);
    for (const Note note : notes)
        GUIVARNA_FUZZ_CHECK(note >= 60 && note <= 71);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const ScaleType* scale = FindScale(name);
    if (scale != nullptr) {
        GUIVARNA_FUZZ_CHECK(InCatalogue(scale));
        GUIVARNA_FUZZ_CHECK(FindScale(scale->Name()) == scale);
        std::string upper;
        std::string spaced;
        for (const char c : name) {
            upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
            spaced += c == ' ' ? std::string("  ") : std::string(1, c);
        }
        GUIVARNA_FUZZ_CHECK(FindScale(upper) == scale);
        GUIVARNA_FUZZ_CHECK(FindScale(spaced) == scale);
        CheckNotes(*scale, size > 0 ? data[0] : 0);
    }

    const std::vector<std::string_view> closest = ClosestScaleNames(name);
    GUIVARNA_FUZZ_CHECK(closest.size() == 3);
    for (const std::string_view candidate : closest)
        GUIVARNA_FUZZ_CHECK(InCatalogue(FindScale(candidate)));

    // Up to twelve bytes as notes: every scale offered holds exactly their pitch classes.
    std::vector<Note> notes;
    std::set<Note> pitchClasses;
    for (std::size_t i = 0; i < size && i < 12; ++i) {
        notes.push_back(data[i]);
        pitchClasses.insert(data[i] % 12);
    }
    for (const NamedScale& named : ScalesWithNotes(notes)) {
        GUIVARNA_FUZZ_CHECK(named.root >= 60 && named.root <= 71);
        GUIVARNA_FUZZ_CHECK(InCatalogue(named.scale));
        std::set<Note> found;
        for (const Note note : ScaleNotes(*named.scale, named.root))
            found.insert(note % 12);
        GUIVARNA_FUZZ_CHECK(found == pitchClasses);
        GUIVARNA_FUZZ_CHECK(!named.Text().empty());
    }
    return 0;
}
