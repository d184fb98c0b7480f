#include "theory/formats/chord_pro.h"

#include "theory/hand/finger_assignment.h"
#include "theory/notes/instrument.h"
#include "theory/notes/instrument_limits.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace guivarna::theory {

namespace {

constexpr std::string_view kTuningDirective = "x_guivarna_tuning";
constexpr std::string_view kScaleDirective = "x_guivarna_scale";
// The highest fret a scale diagram's note may stand on.
constexpr int kHighestScaleFret = 48;
// The highest fret a board of the longest neck has: shapes marked that far up keep their frets.
constexpr int kHighestFret = kMaxPositions - 1;
constexpr int kHighestBaseFretWithoutBase = 5;
constexpr int kHighestPitch = 127;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

// Splits a definition into words; a word in double quotes may hold spaces, \" and \\.
bool SplitWords(std::string_view text, std::vector<std::string>& words, std::string& error)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSpace(text[i])) {
            ++i;
            continue;
        }
        std::string word;
        if (text[i] == '"') {
            ++i;
            bool closed = false;
            while (i < text.size()) {
                const char c = text[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < text.size())
                    word += text[i++];
                else
                    word += c;
            }
            if (!closed) {
                error = "a quoted name has no closing quote";
                return false;
            }
        } else {
            while (i < text.size() && !IsSpace(text[i]))
                word += text[i++];
        }
        words.push_back(std::move(word));
    }
    return true;
}

std::optional<int> Number(const std::string& word)
{
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

bool IsKeyword(const std::string& word)
{
    static const std::vector<std::string> keywords = {
        "base-fret", "frets", "fingers", "keys", "display", "format", "diagram", "copy", "copyall"};
    return std::find(keywords.begin(), keywords.end(), Lower(word)) != keywords.end();
}

bool IsNotPlayed(const std::string& word)
{
    return word == "x" || word == "X" || word == "N" || word == "n" || word == "-" || word == "-1";
}

std::string QuotedIfNeeded(const std::string& name)
{
    const bool plain = !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        return IsSpace(c) || c == '"' || c == '{' || c == '}';
    });
    if (plain)
        return name;
    std::string quoted = "\"";
    for (const char c : name) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += IsSpace(c) ? ' ' : c;
    }
    return quoted + '"';
}

// Text for a directive's value: one line, without the closing brace.
std::string DirectiveText(const std::string& text)
{
    std::string line;
    for (const char c : text)
        line += IsSpace(c) ? ' ' : (c == '}' ? ')' : c);
    return line;
}

// Reads the words from index i up to the next keyword into frets or fingers.
bool ReadList(const std::vector<std::string>& words, std::size_t& i, bool fingers,
    std::vector<int>& out, std::string& error)
{
    for (; i < words.size() && !IsKeyword(words[i]); ++i) {
        // Checked before any word, so that x and letters count towards the limit too.
        if (out.size() == static_cast<std::size_t>(kMaxStrings)) {
            error = "more than " + std::to_string(kMaxStrings) + " strings";
            return false;
        }
        const std::string& word = words[i];
        if (IsNotPlayed(word)) {
            out.push_back(fingers ? 0 : kNotPlayed);
            continue;
        }
        const std::optional<int> value = Number(word);
        const int highest = fingers ? 9 : kHighestFret;
        if (value && *value >= 0 && *value <= highest) {
            out.push_back(*value);
        } else if (fingers && word.size() == 1 &&
            ((word[0] >= 'A' && word[0] <= 'Z') || (word[0] >= 'a' && word[0] <= 'z'))) {
            out.push_back(0);  // a thumb or a letter: no finger digit to show
        } else {
            error = std::string(fingers ? "finger" : "fret") + " '" + word + "' is not " +
                (fingers ? "0 to 9 or x" : "a fret number or x");
            return false;
        }
    }
    return true;
}

// The barres a file's own fingers make, when they are not the program's: a finger on two or more
// strings at one fret, when every string between them is fretted at that fret or above. ChordPro
// has no word for a barre, so the digits are all there is to go on. From the lowest string up.
std::vector<Barre> BarresOfOwnFingers(const ChordShape& shape)
{
    std::vector<Barre> barres;
    const int count = std::min(shape.StringCount(), static_cast<int>(shape.fingers.size()));
    const auto at = [&](const std::vector<int>& list, int position) {
        return list[static_cast<std::size_t>(count - 1 - position)];
    };
    for (int finger = 1; finger <= 4; ++finger) {
        // A finger may lie flat at one fret only; the lowest string it frets sets that fret.
        int first = -1;
        int last = -1;
        int fret = 0;
        for (int p = 0; p < count; ++p) {
            if (at(shape.fingers, p) != finger || at(shape.frets, p) <= 0)
                continue;
            if (first < 0) {
                first = p;
                fret = at(shape.frets, p);
            } else if (at(shape.frets, p) == fret) {
                last = p;
            }
        }
        bool held = first >= 0 && last >= 0;
        for (int p = first; held && p <= last; ++p)
            held = at(shape.frets, p) >= fret;
        if (held)
            barres.push_back({finger, fret, count - last, count - first});
    }
    std::sort(barres.begin(), barres.end(),
        [](const Barre& a, const Barre& b) { return a.lastString > b.lastString; });
    return barres;
}

}  // namespace

int ChordProBaseFret(const ChordShape& shape)
{
    return HighestFret(shape) > kHighestBaseFretWithoutBase ? LowestFret(shape) : 1;
}

std::string ChordProDefine(const ChordShape& shape)
{
    const int base = ChordProBaseFret(shape);
    std::string line =
        "{define: " + QuotedIfNeeded(shape.name) + " base-fret " + std::to_string(base) + " frets";
    // Appended word by word: GCC 12 warns (-Wrestrict) on " " + std::string inlined here.
    // ChordPro lists the strings from the lowest up.
    for (auto fret = shape.frets.rbegin(); fret != shape.frets.rend(); ++fret) {
        line += ' ';
        line += *fret < 0 ? std::string("x") : std::to_string(*fret == 0 ? 0 : *fret - base + 1);
    }
    line += " fingers";
    for (std::size_t i = shape.frets.size(); i-- > 0;) {
        const int finger = i < shape.fingers.size() && shape.frets[i] > 0 ? shape.fingers[i] : 0;
        line += ' ';
        line += std::to_string(finger);
    }
    return line + "}";
}

ChordShape ReadChordProDefine(std::string_view definition, std::string& error)
{
    std::vector<std::string> words;
    if (!SplitWords(definition, words, error))
        return {};
    if (words.empty()) {
        error = "the definition has no chord name";
        return {};
    }
    ChordShape shape;
    shape.name = words[0];
    int base = 1;
    std::vector<int> relative;
    std::vector<int> fingers;
    std::size_t i = 1;
    // The base fret, bare or after base-fret, read as the word at i; false (and error) when it
    // is no fret of the longest neck, so that adding the frets to it cannot overflow.
    const auto readBase = [&](std::size_t at) {
        const int value = at < words.size() ? Number(words[at]).value_or(-1) : -1;
        if (value < 0 || value > kHighestFret) {
            error = "base-fret needs a fret number from 1 to " + std::to_string(kHighestFret);
            return false;
        }
        base = value;
        return true;
    };
    // The oldest form: {define: Am 1 x 0 2 2 1 0}, the base fret and the frets without keywords.
    if (i < words.size() && Number(words[i])) {
        if (!readBase(i++) || !ReadList(words, i, false, relative, error))
            return {};
    }
    while (i < words.size()) {
        const std::string keyword = Lower(words[i++]);
        if (keyword == "base-fret") {
            if (!readBase(i++))
                return {};
        } else if (keyword == "frets") {
            relative.clear();
            if (!ReadList(words, i, false, relative, error))
                return {};
        } else if (keyword == "fingers") {
            fingers.clear();
            if (!ReadList(words, i, true, fingers, error))
                return {};
        } else if (keyword == "copy" || keyword == "copyall") {
            error = "copying another chord's definition is not supported";
            return {};
        } else {
            // keys, display, format, diagram: what other programs show; their values are skipped.
            while (i < words.size() && !IsKeyword(words[i]))
                ++i;
        }
    }
    if (relative.empty()) {
        error = "the definition has no frets";
        return {};
    }
    base = std::max(base, 1);  // some files write base-fret 0 for the first position
    // The file lists the strings from the lowest up; the shape holds string 1 first.
    for (auto fret = relative.rbegin(); fret != relative.rend(); ++fret) {
        const int absolute = *fret <= 0 ? *fret : *fret + base - 1;
        if (absolute > kHighestFret) {
            error = "a fret lies beyond fret " + std::to_string(kHighestFret);
            return {};
        }
        shape.frets.push_back(absolute);
    }
    std::reverse(fingers.begin(), fingers.end());
    const ChordShape held = ShapeFromFrets(shape.frets, {}, {});
    if (fingers.empty()) {
        // No fingers given: the hand the program would use.
        shape.fingers = held.fingers;
        shape.barres = held.barres;
    } else if (fingers.size() != shape.frets.size()) {
        error = std::to_string(fingers.size()) + " fingers for " +
            std::to_string(shape.frets.size()) + " frets";
        return {};
    } else {
        shape.fingers = fingers;
        for (std::size_t s = 0; s < shape.frets.size(); ++s) {
            if (shape.frets[s] <= 0)
                shape.fingers[s] = 0;
        }
        if (shape.fingers == held.fingers)
            shape.barres = held.barres;
        else
            shape.barres = BarresOfOwnFingers(shape);
    }
    error.clear();
    return shape;
}

std::string ChordProScale(const ChordShape& shape)
{
    const ScaleShape scale = shape.scale.value_or(ScaleShape{});
    std::string text = "{" + std::string(kScaleDirective) + ": " + QuotedIfNeeded(shape.name) +
        " root " + std::to_string(scale.root) + " position " + std::to_string(scale.number) +
        " tuning";
    // From the lowest string up, as the chord definitions list strings.
    for (auto pitch = shape.tuning.rbegin(); pitch != shape.tuning.rend(); ++pitch)
        AppendWord(text, std::to_string(*pitch));
    text += " notes";
    for (auto notes = scale.notes.rbegin(); notes != scale.notes.rend(); ++notes) {
        std::string word;
        for (const ScaleFret& note : *notes)
            AppendFretAndFinger(word, note);
        AppendWord(text, word.empty() ? std::string("-") : word);
    }
    return text + (scale.horizontal ? " across}" : "}");
}

namespace {

// One string's notes of a scale directive: "-" or fret/finger pairs with rising frets.
bool ReadScaleNotes(const std::string& word, std::vector<ScaleFret>& notes)
{
    if (word == "-")
        return true;
    std::size_t start = 0;
    while (start <= word.size()) {
        const std::size_t comma = std::min(word.find(',', start), word.size());
        const std::string pair = word.substr(start, comma - start);
        const std::size_t slash = pair.find('/');
        if (slash == std::string::npos)
            return false;
        const std::optional<int> fret = Number(pair.substr(0, slash));
        const std::optional<int> finger = Number(pair.substr(slash + 1));
        if (!fret || !finger || *fret < 0 || *fret > kHighestScaleFret || *finger < 0 ||
            *finger > 4 || (!notes.empty() && *fret <= notes.back().fret))
            return false;
        notes.push_back({*fret, *finger});
        start = comma + 1;
    }
    return !notes.empty();
}

}  // namespace

ChordShape ReadChordProScale(std::string_view definition, std::string& error)
{
    std::vector<std::string> words;
    if (!SplitWords(definition, words, error))
        return {};
    const auto fail = [&](std::string message) {
        error = std::move(message);
        return ChordShape{};
    };
    if (words.empty())
        return fail("the scale diagram has no name");
    ChordShape shape;
    ScaleShape scale;
    shape.name = words[0];
    std::size_t i = 1;
    bool notesRead = false;
    while (i < words.size()) {
        const std::string key = Lower(words[i++]);
        if (key == "root" || key == "position") {
            const int lowest = key == "root" ? -1 : 0;
            const int highest = key == "root" ? 11 : 99;
            const int value = i < words.size() ? Number(words[i]).value_or(lowest - 1) : lowest - 1;
            if (value < lowest || value > highest)
                return fail("the scale diagram's " + key + " is not a number in range");
            (key == "root" ? scale.root : scale.number) = value;
            ++i;
        } else if (key == "tuning") {
            while (i < words.size()) {
                const std::optional<int> pitch = Number(words[i]);
                if (!pitch)
                    break;
                if (*pitch < 0 || *pitch > kHighestPitch)
                    return fail("a pitch of the scale diagram's tuning is not from 0 to 127");
                shape.tuning.push_back(*pitch);
                ++i;
            }
        } else if (key == "notes") {
            notesRead = true;
            while (i < words.size() && scale.notes.size() < shape.tuning.size()) {
                std::vector<ScaleFret> notes;
                if (!ReadScaleNotes(words[i], notes))
                    return fail("cannot read the notes '" + words[i] +
                        "' (fret/finger pairs with rising frets, or -)");
                scale.notes.push_back(std::move(notes));
                ++i;
            }
        } else if (key == "across") {
            scale.horizontal = true;
        } else {
            return fail("unknown word '" + words[i - 1] + "' in the scale diagram");
        }
    }
    if (shape.tuning.empty() || shape.tuning.size() > static_cast<std::size_t>(kMaxStrings))
        return fail(
            "the scale diagram needs a tuning of 1 to " + std::to_string(kMaxStrings) + " strings");
    if (!notesRead || scale.notes.size() != shape.tuning.size())
        return fail("the scale diagram needs the notes of every string of its tuning");
    // The file lists the strings from the lowest up; the shape holds string 1 first.
    std::reverse(shape.tuning.begin(), shape.tuning.end());
    std::reverse(scale.notes.begin(), scale.notes.end());
    shape.frets.assign(shape.tuning.size(), kNotPlayed);
    shape.fingers.assign(shape.tuning.size(), 0);
    shape.scale = std::move(scale);
    return shape;
}

ChordProSheet ReadChordPro(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    ChordProSheet sheet;
    int lineNumber = 0;
    bool lastWasDefine = false;
    while (!text.empty() || lineNumber == 0) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        const bool wasDefine = lastWasDefine;
        lastWasDefine = false;
        if (line.empty() || line.front() != '{')
            continue;  // lyrics, chords in the text, comments and blank lines
        if (line.back() != '}') {
            sheet.errors.push_back({lineNumber, "the directive has no closing brace"});
            continue;
        }
        const std::string_view body = Trim(line.substr(1, line.size() - 2));
        const std::size_t nameEnd =
            std::min(body.find(':'), std::min(body.find(' '), body.find('\t')));
        const std::string directive = Lower(Trim(body.substr(0, nameEnd)));
        const std::string_view value =
            nameEnd == std::string_view::npos ? std::string_view() : Trim(body.substr(nameEnd + 1));
        if (directive == "title" || directive == "t") {
            sheet.title = std::string(value);
        } else if (directive == "define" || directive == "chord") {
            std::string error;
            ChordShape shape = ReadChordProDefine(value, error);
            if (!error.empty()) {
                sheet.errors.push_back({lineNumber, error});
                continue;
            }
            sheet.chords.push_back(std::move(shape));
            lastWasDefine = true;
        } else if (directive == kTuningDirective) {
            std::vector<std::string> words;
            std::string error;
            SplitWords(value, words, error);
            std::vector<int> tuning;
            for (const std::string& word : words) {
                const std::optional<int> pitch = Number(word);
                if (!pitch || *pitch < 0 || *pitch > kHighestPitch) {
                    tuning.clear();
                    break;
                }
                tuning.push_back(*pitch);
            }
            if (!wasDefine || tuning.size() != sheet.chords.back().frets.size()) {
                sheet.errors.push_back({lineNumber,
                    "the tuning needs one pitch from 0 to 127 per string of the definition "
                    "before it"});
                continue;
            }
            // Written from the lowest string up, like the frets.
            sheet.chords.back().tuning.assign(tuning.rbegin(), tuning.rend());
        } else if (directive == kScaleDirective) {
            std::string error;
            ChordShape shape = ReadChordProScale(value, error);
            if (!error.empty()) {
                sheet.errors.push_back({lineNumber, error});
                continue;
            }
            sheet.chords.push_back(std::move(shape));
        }
    }
    return sheet;
}

std::string WriteChordPro(const std::string& title, std::span<const ChordShape> shapes)
{
    std::string text = "{title: " + DirectiveText(title) + "}\n";
    for (const ChordShape& shape : shapes) {
        if (shape.scale) {
            text += ChordProScale(shape) + '\n';
            continue;
        }
        text += ChordProDefine(shape) + '\n';
        if (!shape.tuning.empty() && shape.tuning.size() == shape.frets.size()) {
            text += "{" + std::string(kTuningDirective) + ":";
            for (auto pitch = shape.tuning.rbegin(); pitch != shape.tuning.rend(); ++pitch)
                AppendWord(text, std::to_string(*pitch));
            text += "}\n";
        }
    }
    return text;
}

}  // namespace guivarna::theory
