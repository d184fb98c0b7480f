#include "theory/formats/chord_symbol.h"

#include "theory/notes/notes.h"

#include <array>
#include <cstdint>

namespace guivarna::theory {

namespace {

constexpr Note kFirstPitchClass = 60;

enum class Quality {
    Major,
    Minor,
    Diminished,  // the program's own sign: b3 and b5, the intervals named after it as written
    DiminishedSeventh,  // "dim", "o": b3 and b5, a seventh is the diminished one
    HalfDiminished,  // b3, b5 and b7
    Augmented,  // 3 and #5
};

struct QualityToken {
    std::string_view text;
    Quality quality;
};

// Longer spellings first, so "min" is not read as "m" followed by "in".
constexpr std::array<QualityToken, 11> kQualities{{
    {"min", Quality::Minor},
    {"m", Quality::Minor},
    {"-", Quality::Minor},
    {"dim", Quality::DiminishedSeventh},
    {"\u00B0", Quality::DiminishedSeventh},
    {"o", Quality::DiminishedSeventh},
    {"\u00BA", Quality::Diminished},
    {"\u00F8", Quality::HalfDiminished},
    {"\u00D8", Quality::HalfDiminished},
    {"aug", Quality::Augmented},
    {"+", Quality::Augmented},
}};

// Signs of the major seventh; the glyphs alone ("C\u0394") already mean maj7.
struct MajorToken {
    std::string_view text;
    bool aloneMeansSeventh;
};
constexpr std::array<MajorToken, 6> kMajorSigns{{
    {"maj", false},
    {"Maj", false},
    {"M", false},
    {"\u0394", true},
    {"\u2206", true},
    {"^", true},
}};

constexpr std::array<std::string_view, 2> kFlats{"b", "\u266D"};
constexpr std::array<std::string_view, 2> kSharps{"#", "\u266F"};

// The semitones of a scale degree above the root ("9" is the 2 an octave up); -1: no degree.
int DegreeSemitones(int degree)
{
    switch (degree) {
    case 2:
    case 9:
        return 2;
    case 3:
        return 4;
    case 4:
    case 11:
        return 5;
    case 5:
        return 7;
    case 6:
    case 13:
        return 9;
    case 7:
        return 11;
    default:
        return -1;
    }
}

class SymbolReader {
public:
    explicit SymbolReader(std::string_view text) : text_(text) { }

    ChordReading Read()
    {
        ChordReading reading;
        SkipSpaces();
        const int root = ReadNote();
        if (root < 0)
            return Fail(reading, at_, "no root note (A to G) at the start");
        while (!failed_ && !AtEnd())
            ReadElement();
        if (!failed_ && depth_ > 0)
            Fail(reading, text_.size(), "'(' is not closed");
        if (failed_) {
            reading.error = error_;
            return reading;
        }
        ReadChord chord;
        chord.root = kFirstPitchClass + static_cast<Note>(root);
        chord.mask = Mask();
        if (bass_ >= 0) {
            chord.mask |= 1 << ((bass_ - root + 12) % 12);
            chord.bass = bass_;
        }
        reading.chord = chord;
        return reading;
    }

private:
    bool AtEnd() const { return at_ >= text_.size(); }
    std::string_view Rest() const { return text_.substr(at_); }

    bool Eat(std::string_view token)
    {
        if (!Rest().starts_with(token))
            return false;
        at_ += token.size();
        return true;
    }

    void SkipSpaces()
    {
        while (!AtEnd() && text_[at_] == ' ')
            ++at_;
    }

    // The character index of a byte offset: UTF-8 continuation bytes are not counted.
    std::size_t CharacterIndex(std::size_t byte) const
    {
        std::size_t index = 0;
        for (std::size_t i = 0; i < byte && i < text_.size(); ++i) {
            if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80)
                ++index;
        }
        return index;
    }

    ChordReading& Fail(ChordReading& reading, std::size_t byte, std::string reason)
    {
        Fail(byte, std::move(reason));
        reading.error = error_;
        return reading;
    }

    void Fail(std::size_t byte, std::string reason)
    {
        if (failed_)
            return;
        failed_ = true;
        error_ = {CharacterIndex(byte), std::move(reason)};
    }

    // The character at a byte offset, as text for messages.
    std::string CharacterAt(std::size_t byte) const
    {
        std::size_t end = byte + 1;
        while (end < text_.size() && (static_cast<unsigned char>(text_[end]) & 0xC0) == 0x80)
            ++end;
        return std::string(text_.substr(byte, end - byte));
    }

    void FailHere() { Fail(at_, "cannot read '" + CharacterAt(at_) + "'"); }

    // -1 flat, +1 sharp, 0 none.
    int ReadAccidental()
    {
        for (const std::string_view flat : kFlats) {
            if (Eat(flat))
                return -1;
        }
        for (const std::string_view sharp : kSharps) {
            if (Eat(sharp))
                return 1;
        }
        return 0;
    }

    // A note letter with an optional accidental: its pitch class 0..11, or -1 (nothing read).
    int ReadNote()
    {
        if (AtEnd() || NaturalNoteSemitones(text_[at_]) < 0)
            return -1;
        const int letter = NaturalNoteSemitones(text_[at_++]);
        return (letter + ReadAccidental() + 12) % 12;
    }

    // A run of digits as a number; -1 when there is none.
    int ReadNumber()
    {
        int number = -1;
        while (!AtEnd() && text_[at_] >= '0' && text_[at_] <= '9' && number < 1000)
            number = (number < 0 ? 0 : number * 10) + (text_[at_++] - '0');
        return number;
    }

    bool AtDigit() const { return !AtEnd() && text_[at_] >= '0' && text_[at_] <= '9'; }

    int SeventhBit() const
    {
        if (pendingMajor_)
            return 11;
        return quality_ == Quality::DiminishedSeventh ? 9 : 10;
    }

    void ReadElement()
    {
        const std::size_t start = at_;
        const char c = text_[at_];
        if (c == ' ' || c == ',') {
            ++at_;
            return;
        }
        if (c == '(') {
            if (depth_ > 0)
                return FailHere();
            ++depth_;
            ++at_;
            return;
        }
        if (c == ')') {
            if (depth_ == 0)
                return Fail(at_, "')' without '('");
            --depth_;
            ++at_;
            return;
        }
        if (c == '/')
            return ReadSlash();
        if (Eat("no") || Eat("omit"))
            return ReadOmission(start);
        if (Eat("add"))
            return ReadAddition(start);
        if (Eat("sus"))
            return ReadSuspension();
        if (Eat("alt"))
            return AddBits((1 << 1) | (1 << 3) | (1 << 6) | (1 << 8) | (1 << 10));
        for (const MajorToken& sign : kMajorSigns) {
            if (Eat(sign.text)) {
                pendingMajor_ = true;
                glyphMajor_ = sign.aloneMeansSeventh;
                return;
            }
        }
        for (const QualityToken& token : kQualities) {
            if (Eat(token.text)) {
                if (qualitySet_)
                    return Fail(start, "a second chord quality '" + std::string(token.text) + "'");
                qualitySet_ = true;
                quality_ = token.quality;
                return;
            }
        }
        const int accidental = ReadAccidental();
        if (accidental != 0)
            return ReadAlteration(start, accidental);
        if (AtDigit())
            return ReadNumberElement(start);
        FailHere();
    }

    void AddBits(int bits) { added_ |= bits; }

    void ReadSlash()
    {
        ++at_;
        if (AtDigit()) {
            const std::size_t start = at_;
            return ReadExtension(start, ReadNumber());
        }
        const std::size_t noteStart = at_;
        bass_ = ReadNote();
        if (bass_ < 0)
            return Fail(noteStart, "no bass note after '/'");
        SkipSpaces();
        if (!AtEnd())
            Fail(at_, "nothing may follow the bass note");
    }

    void ReadOmission(std::size_t start)
    {
        SkipSpaces();
        const std::size_t numberAt = at_;
        const int degree = ReadNumber();
        if (degree == 3)
            omitThird_ = true;
        else if (degree == 5)
            omitFifth_ = true;
        else
            Fail(degree < 0 ? numberAt : start, "only the 3 or the 5 can be left out");
    }

    void ReadAddition(std::size_t start)
    {
        const int accidental = ReadAccidental();
        const std::size_t numberAt = at_;
        const int degree = ReadNumber();
        const int semitones = DegreeSemitones(degree);
        if (semitones < 0 || degree == 3 || degree == 5)
            return Fail(degree < 0 ? numberAt : start, "no interval to add");
        AddBits(1 << ((semitones + accidental + 12) % 12));
    }

    void ReadSuspension()
    {
        const std::size_t numberAt = at_;
        const int degree = AtDigit() ? ReadNumber() : 4;
        if (degree == 4 || degree == 11)
            suspendFourth_ = true;
        else if (degree == 2 || degree == 9)
            suspendSecond_ = true;
        else
            Fail(numberAt, "a suspension is sus2 or sus4");
    }

    void ReadAlteration(std::size_t start, int accidental)
    {
        const std::size_t numberAt = at_;
        const int degree = ReadNumber();
        const int semitones = DegreeSemitones(degree);
        if (semitones < 0)
            return Fail(degree < 0 ? numberAt : start, "no interval after the accidental");
        const int altered = (semitones + accidental + 12) % 12;
        if (degree == 5)
            alteredFifth_ = altered;
        else
            AddBits(1 << altered);
    }

    // The first number gives the chord's size ("7", "9", "13", "6", "5"); a number after a
    // major-seventh sign does too ("7^9"). Later numbers and those in parentheses add a tone.
    void ReadNumberElement(std::size_t start)
    {
        const int number = ReadNumber();
        const bool size = pendingMajor_ || (!sizeRead_ && depth_ == 0);
        if (!size)
            return ReadExtension(start, number);
        const int seventh = 1 << SeventhBit();
        switch (number) {
        case 5:
            powerChord_ = true;
            break;
        case 6:
            AddBits(1 << 9);
            break;
        case 69:
            AddBits((1 << 9) | (1 << 2));
            break;
        case 7:
            AddBits(seventh);
            break;
        case 9:
            AddBits(seventh | (1 << 2));
            break;
        case 11:
            AddBits(seventh | (1 << 2) | (1 << 5));
            break;
        case 13:
            AddBits(seventh | (1 << 2) | (1 << 9));
            break;
        default:
            return Fail(start, "no chord of " + std::to_string(number));
        }
        sizeRead_ = true;
        pendingMajor_ = false;
    }

    void ReadExtension(std::size_t start, int number)
    {
        if (number == 7)
            return AddBits(1 << SeventhBit());
        const int semitones = DegreeSemitones(number);
        if (semitones < 0 || number == 3 || number == 5)
            return Fail(start, "no interval " + std::to_string(number) + " to add");
        AddBits(1 << semitones);
    }

    int Mask() const
    {
        int third = 1 << 4;
        int fifth = 1 << 7;
        switch (quality_) {
        case Quality::Major:
            break;
        case Quality::Minor:
            third = 1 << 3;
            break;
        case Quality::Diminished:
        case Quality::DiminishedSeventh:
        case Quality::HalfDiminished:
            third = 1 << 3;
            fifth = 1 << 6;
            break;
        case Quality::Augmented:
            fifth = 1 << 8;
            break;
        }
        if (alteredFifth_ >= 0)
            fifth = 1 << alteredFifth_;
        if (powerChord_ || suspendFourth_ || suspendSecond_ || omitThird_)
            third = 0;
        if (omitFifth_)
            fifth = 0;
        int mask = 1 | third | fifth | added_;
        if (suspendFourth_)
            mask |= 1 << 5;
        if (suspendSecond_)
            mask |= 1 << 2;
        if (quality_ == Quality::HalfDiminished)
            mask |= 1 << 10;
        if (pendingMajor_ && glyphMajor_)
            mask |= 1 << 11;
        return mask & 0xFFF;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool failed_ = false;
    ReadError error_;
    int depth_ = 0;

    bool qualitySet_ = false;
    Quality quality_ = Quality::Major;
    bool pendingMajor_ = false;
    bool glyphMajor_ = false;
    bool sizeRead_ = false;
    bool powerChord_ = false;
    bool suspendFourth_ = false;
    bool suspendSecond_ = false;
    bool omitThird_ = false;
    bool omitFifth_ = false;
    int alteredFifth_ = -1;
    int added_ = 0;
    int bass_ = -1;
};

}  // namespace

std::vector<Note> ReadChord::Notes() const
{
    std::vector<Note> notes;
    const Note rootClass = root % 12;
    for (Note k = 0; k < 12; ++k) {
        if ((mask >> k) & 1)
            notes.push_back(kFirstPitchClass + (rootClass + k) % 12);
    }
    return notes;
}

ChordReading ReadChordSymbol(std::string_view symbol)
{
    return SymbolReader(symbol).Read();
}

std::string ChordNotesText(const ReadChord& chord)
{
    return JoinNoteNames(chord.Notes());
}

const std::vector<std::string_view>& CommonChordTypes()
{
    static const std::vector<std::string_view> types = {"", "m", "7", "maj7", "m7", "dim", "dim7",
        "m7b5", "aug", "sus2", "sus4", "7sus4", "6", "m6", "6/9", "add9", "9", "maj9", "m9", "11",
        "13", "7b9", "7#9", "7b5", "7#5", "7(b9,#11)", "mmaj7", "5"};
    return types;
}

std::string DescribeReadError(std::string_view text, const ReadError& error)
{
    return error.reason + " in '" + std::string(text) + "' at character " +
        std::to_string(error.position + 1);
}

}  // namespace guivarna::theory
