#include "theory/song/song_key.h"

#include <array>

namespace guivarna::theory {

namespace {

constexpr std::string_view kSharp = "#";
constexpr std::string_view kFlat = "b";
constexpr std::string_view kSharpSign = "\u266F";
constexpr std::string_view kFlatSign = "\u266D";

// The accidental at the start of text: +1, -1 or 0, and its length in bytes.
int AccidentalAt(std::string_view text, std::size_t& length)
{
    for (const auto& [sign, step] : {std::pair{kSharp, 1}, std::pair{kFlat, -1},
             std::pair{kSharpSign, 1}, std::pair{kFlatSign, -1}}) {
        if (text.starts_with(sign)) {
            length = sign.size();
            return step;
        }
    }
    length = 0;
    return 0;
}

}  // namespace

std::size_t NoteLengthAt(std::string_view text)
{
    if (text.empty() || NaturalNoteSemitones(text.front()) < 0)
        return 0;
    std::size_t accidental = 0;
    AccidentalAt(text.substr(1), accidental);
    return 1 + accidental;
}

std::optional<SongKey> ReadSongKey(std::string_view value)
{
    const std::size_t length = NoteLengthAt(value);
    if (length == 0)
        return std::nullopt;
    std::size_t accidentalLength = 0;
    const int step = AccidentalAt(value.substr(1), accidentalLength);
    SongKey key;
    key.tonic = (NaturalNoteSemitones(value.front()) + step + kPitchClassCount) % kPitchClassCount;
    std::string_view rest = value.substr(length);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    if (rest.empty() || rest == "maj" || rest == "major" || rest == "Major" || rest == "M")
        return key;
    if (rest == "m" || rest == "min" || rest == "minor" || rest == "Minor" || rest == "-") {
        key.minor = true;
        return key;
    }
    return std::nullopt;
}

bool KeyPrefersFlats(SongKey key)
{
    // By tonic, C = 0: the keys written with flats.
    constexpr std::array<bool, kPitchClassCount> kMajorFlats{
        true, true, false, true, false, true, false, false, true, false, true, false};
    constexpr std::array<bool, kPitchClassCount> kMinorFlats{
        true, false, true, true, false, true, false, true, false, true, true, false};
    const auto tonic = static_cast<std::size_t>(key.tonic % kPitchClassCount);
    return key.minor ? kMinorFlats[tonic] : kMajorFlats[tonic];
}

std::string SpelledNote(PitchClass pitchClass, bool flats, bool unicode)
{
    constexpr std::array<std::string_view, kPitchClassCount> kLetters{
        "C", "C", "D", "D", "E", "F", "F", "G", "G", "A", "A", "B"};
    constexpr std::array<bool, kPitchClassCount> kBlack{
        false, true, false, true, false, false, true, false, true, false, true, false};
    const auto index = static_cast<std::size_t>(
        ((pitchClass % kPitchClassCount) + kPitchClassCount) % kPitchClassCount);
    if (!kBlack[index])
        return std::string(kLetters[index]);
    if (flats)
        return std::string(kLetters[(index + 1) % kPitchClassCount]) +
            std::string(unicode ? kFlatSign : kFlat);
    return std::string(kLetters[index]) + std::string(unicode ? kSharpSign : kSharp);
}

std::string SongKeyName(SongKey key)
{
    return SpelledNote(key.tonic, KeyPrefersFlats(key)) + (key.minor ? "m" : "");
}

}  // namespace guivarna::theory
