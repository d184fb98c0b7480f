#include "theory/song/song_reader.h"

#include "theory/formats/chord_symbol.h"
#include "theory/song/song_key.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace guivarna::theory {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kTuningDirective = "x_guivarna_tuning";
constexpr int kHighestPitch = 127;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::optional<int> WholeNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

struct NamedKind {
    std::string_view name;
    SongDirectiveKind kind;
};

constexpr std::array kDirectiveNames{
    NamedKind{"title", SongDirectiveKind::Title},
    NamedKind{"t", SongDirectiveKind::Title},
    NamedKind{"subtitle", SongDirectiveKind::Subtitle},
    NamedKind{"st", SongDirectiveKind::Subtitle},
    NamedKind{"artist", SongDirectiveKind::Artist},
    NamedKind{"key", SongDirectiveKind::Key},
    NamedKind{"capo", SongDirectiveKind::Capo},
    NamedKind{"transpose", SongDirectiveKind::Transpose},
    NamedKind{"tempo", SongDirectiveKind::Tempo},
    NamedKind{"comment", SongDirectiveKind::Comment},
    NamedKind{"c", SongDirectiveKind::Comment},
    NamedKind{"comment_italic", SongDirectiveKind::Comment},
    NamedKind{"ci", SongDirectiveKind::Comment},
    NamedKind{"comment_box", SongDirectiveKind::Comment},
    NamedKind{"cb", SongDirectiveKind::Comment},
    NamedKind{"highlight", SongDirectiveKind::Comment},
    NamedKind{"define", SongDirectiveKind::Define},
    NamedKind{"chord", SongDirectiveKind::Define},
};

struct NamedSection {
    std::string_view name;
    SongSection section;
};

constexpr std::array kSectionNames{
    NamedSection{"chorus", SongSection::Chorus},
    NamedSection{"verse", SongSection::Verse},
    NamedSection{"bridge", SongSection::Bridge},
    NamedSection{"tab", SongSection::Tab},
    NamedSection{"grid", SongSection::Grid},
};

SongSection SectionNamed(std::string_view name)
{
    for (const NamedSection& known : kSectionNames) {
        if (known.name == name || (name.size() == 1 && known.name.front() == name.front()))
            return known.section;
    }
    return SongSection::Other;
}

// start_of_X and end_of_X for any X, and the short forms soX and eoX of one letter ({soc},
// {eov}, and a songbook's own {sop: Intro} ... {eop}).
std::optional<std::pair<SongDirectiveKind, SongSection>> SectionDirective(std::string_view name)
{
    struct Form {
        std::string_view prefix;
        std::string_view shortPrefix;
        SongDirectiveKind kind;
    };
    constexpr std::array kForms{Form{"start_of_", "so", SongDirectiveKind::SectionStart},
        Form{"end_of_", "eo", SongDirectiveKind::SectionEnd}};
    for (const Form& form : kForms) {
        if (name.starts_with(form.prefix) && name.size() > form.prefix.size())
            return std::pair{form.kind, SectionNamed(name.substr(form.prefix.size()))};
        if (name.size() == 3 && name.starts_with(form.shortPrefix) && name[2] >= 'a' &&
            name[2] <= 'z')
            return std::pair{form.kind, SectionNamed(name.substr(2))};
    }
    return std::nullopt;
}

// Splits a directive line into its name and value; false when the closing brace is missing.
bool ReadDirective(const std::string& text, SongDirective& directive)
{
    std::size_t open = 0;
    while (open < text.size() && IsBlank(text[open]))
        ++open;
    std::size_t close = text.size();
    while (close > open && IsBlank(text[close - 1]))
        --close;
    if (close == open + 1 || text[close - 1] != '}')
        return false;
    --close;  // at the closing brace
    std::size_t at = open + 1;
    while (at < close && IsBlank(text[at]))
        ++at;
    const std::size_t nameStart = at;
    while (at < close && text[at] != ':' && !IsBlank(text[at]))
        ++at;
    directive.name = Lower(std::string_view(text).substr(nameStart, at - nameStart));
    while (at < close && IsBlank(text[at]))
        ++at;
    if (at < close && text[at] == ':')
        ++at;
    while (at < close && IsBlank(text[at]))
        ++at;
    std::size_t valueEnd = close;
    while (valueEnd > at && IsBlank(text[valueEnd - 1]))
        --valueEnd;
    directive.valueStart = at;
    directive.valueLength = valueEnd - at;
    directive.value = text.substr(at, valueEnd - at);
    directive.kind = SongDirectiveKind::Other;
    for (const NamedKind& known : kDirectiveNames) {
        if (known.name == directive.name)
            directive.kind = known.kind;
    }
    return true;
}

// Reads the inline chords of a lyrics line; an error message when a bracket is not closed.
std::string ReadLyrics(SongLine& line)
{
    const std::string& text = line.text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '[') {
            line.lyrics += text[i];
            continue;
        }
        const std::size_t close = text.find_first_of("[]", i + 1);
        if (close == std::string::npos || text[close] != ']')
            return "the chord bracket at character " + std::to_string(i + 1) + " is not closed";
        SongChord chord;
        chord.symbol = text.substr(i + 1, close - i - 1);
        chord.position = line.lyrics.size();
        const std::string_view symbol = TrimmedSymbol(chord.symbol);
        chord.readable = !symbol.empty() && ReadChordSymbol(symbol).chord.has_value();
        line.chords.push_back(std::move(chord));
        i = close;
    }
    return {};
}

class SongReader {
public:
    explicit SongReader(Song& song) : song_(song) { }

    void Read(SongLine line)
    {
        const int number = static_cast<int>(song_.lines.size()) + 1;
        const std::string error = Classify(line);
        if (!error.empty())
            song_.errors.push_back({number, error});
        song_.lines.push_back(std::move(line));
    }

private:
    std::string Classify(SongLine& line)
    {
        const bool wasInChosenBlock = inChosenBlock_;
        inChosenBlock_ = false;
        line.section = section_;
        line.sectionLabel = sectionLabel_;
        const auto first = std::find_if_not(line.text.begin(), line.text.end(), IsBlank);
        if (first == line.text.end()) {
            line.kind = SongLineKind::Blank;
            return {};
        }
        const bool verbatimSection = section_ == SongSection::Tab || section_ == SongSection::Grid;
        if (*first == '{') {
            SongDirective directive;
            if (!ReadDirective(line.text, directive)) {
                if (verbatimSection) {
                    line.kind = SongLineKind::Verbatim;
                    return {};
                }
                line.kind = SongLineKind::Unreadable;
                return "the directive has no closing brace";
            }
            const auto section = SectionDirective(directive.name);
            if (verbatimSection && !(section && section->first == SongDirectiveKind::SectionEnd)) {
                line.kind = SongLineKind::Verbatim;
                return {};
            }
            line.kind = SongLineKind::Directive;
            line.directive = std::move(directive);
            return ReadDirectiveValue(line, section, wasInChosenBlock);
        }
        if (verbatimSection) {
            line.kind = SongLineKind::Verbatim;
            return {};
        }
        if (line.text.front() == '#') {
            line.kind = SongLineKind::Comment;
            inChosenBlock_ = TrimmedSymbol(line.text) == kChosenDefinesMarker;
            return {};
        }
        line.kind = SongLineKind::Lyrics;
        std::string error = ReadLyrics(line);
        if (!error.empty()) {
            line.kind = SongLineKind::Unreadable;
            line.lyrics.clear();
            line.chords.clear();
        }
        return error;
    }

    std::string ReadDirectiveValue(SongLine& line,
        const std::optional<std::pair<SongDirectiveKind, SongSection>>& section,
        bool wasInChosenBlock)
    {
        SongDirective& directive = line.directive;
        const std::string& value = directive.value;
        if (section) {
            directive.kind = section->first;
            if (section->first == SongDirectiveKind::SectionStart) {
                section_ = section->second;
                sectionLabel_ = value;
            } else {
                section_ = SongSection::None;
                sectionLabel_.clear();
            }
            if (section->first == SongDirectiveKind::SectionStart) {
                line.section = section_;
                line.sectionLabel = sectionLabel_;
            }
            return {};
        }
        switch (directive.kind) {
        case SongDirectiveKind::Title:
            SetOnce(song_.title, value);
            return {};
        case SongDirectiveKind::Subtitle:
            SetOnce(song_.subtitle, value);
            return {};
        case SongDirectiveKind::Artist:
            SetOnce(song_.artist, value);
            return {};
        case SongDirectiveKind::Tempo:
            SetOnce(song_.tempo, value);
            return {};
        case SongDirectiveKind::Key:
            if (!ReadSongKey(value))
                return "the key '" + value + "' is not a note with major or minor (G, Em)";
            SetOnce(song_.key, value);
            return {};
        case SongDirectiveKind::Capo: {
            const std::optional<int> capo = WholeNumber(value);
            if (!capo || *capo < 0 || *capo > kMaxSongCapo)
                return "the capo is not a fret from 0 to " + std::to_string(kMaxSongCapo);
            if (!capoRead_)
                song_.capo = *capo;
            capoRead_ = true;
            return {};
        }
        case SongDirectiveKind::Transpose: {
            const std::optional<int> semitones = WholeNumber(value);
            if (!semitones || *semitones < -kMaxSongTranspose || *semitones > kMaxSongTranspose)
                return "transpose is not a number of semitones from -" +
                    std::to_string(kMaxSongTranspose) + " to " + std::to_string(kMaxSongTranspose);
            if (!transposeRead_)
                song_.transpose = *semitones;
            transposeRead_ = true;
            return {};
        }
        case SongDirectiveKind::Define: {
            std::string error;
            ChordShape shape = ReadChordProDefine(value, error);
            if (!error.empty())
                return error;
            inChosenBlock_ = wasInChosenBlock;
            (wasInChosenBlock ? song_.chosenDefines : song_.defines).push_back(std::move(shape));
            lastDefine_ = wasInChosenBlock ? &song_.chosenDefines : &song_.defines;
            lastDefineLine_ = song_.lines.size();
            return {};
        }
        default:
            if (directive.name == kTuningDirective)
                return ReadTuning(value, wasInChosenBlock);
            return {};
        }
    }

    // The open strings' pitches of the define on the line before, lowest string first.
    std::string ReadTuning(const std::string& value, bool wasInChosenBlock)
    {
        const bool afterDefine = lastDefine_ != nullptr && !lastDefine_->empty() &&
            lastDefineLine_ + 1 == song_.lines.size();
        std::vector<int> tuning;
        std::size_t at = 0;
        while (afterDefine && at < value.size()) {
            const std::size_t end = std::min(value.find(' ', at), value.size());
            if (end > at) {
                const std::optional<int> pitch =
                    WholeNumber(std::string_view(value).substr(at, end - at));
                if (!pitch || *pitch < 0 || *pitch > kHighestPitch)
                    break;
                tuning.push_back(*pitch);
            }
            at = end + 1;
        }
        if (!afterDefine || at < value.size() || tuning.size() != lastDefine_->back().frets.size())
            return "the tuning needs one pitch from 0 to 127 per string of the definition before "
                   "it";
        lastDefine_->back().tuning.assign(tuning.rbegin(), tuning.rend());
        inChosenBlock_ = wasInChosenBlock;
        return {};
    }

    static void SetOnce(std::string& field, const std::string& value)
    {
        if (field.empty())
            field = value;
    }

    Song& song_;
    SongSection section_ = SongSection::None;
    std::string sectionLabel_;
    bool capoRead_ = false;
    bool transposeRead_ = false;
    bool inChosenBlock_ = false;
    std::vector<ChordShape>* lastDefine_ = nullptr;
    std::size_t lastDefineLine_ = 0;
};

}  // namespace

Song ReadSong(std::string_view text)
{
    Song song;
    if (text.starts_with(kByteOrderMark)) {
        song.byteOrderMark = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    SongReader reader(song);
    while (!text.empty()) {
        SongLine line;
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            line.text = text;
            text = {};
        } else {
            const bool crlf = end > 0 && text[end - 1] == '\r';
            line.text = text.substr(0, crlf ? end - 1 : end);
            // Built whole: GCC 12 warns (-Wrestrict) on assigning a literal here.
            line.ending = std::string(crlf ? "\r\n" : "\n");
            text.remove_prefix(end + 1);
        }
        reader.Read(std::move(line));
    }
    return song;
}

}  // namespace guivarna::theory
