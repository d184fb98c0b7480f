#include "theory/notes/chord_naming.h"

#include "theory/notes/music_theory.h"
#include "theory/notes/notes.h"

namespace guivarna::theory {

namespace {

class TraditionalSuffix {
public:
    explicit TraditionalSuffix(int mask) : mask_(mask), seventh_(has(10) || has(11)) { }

    std::string build()
    {
        appendThirdAndFifth();
        appendSeventh();
        appendSuspension();
        appendRemainingIntervals();
        appendOmissions();
        return text_;
    }

private:
    bool has(int k) const { return (mask_ >> k) & 1; }

    void appendThirdAndFifth()
    {
        if (has(4)) {
            if (has(8)) {
                text_ += "+";
                augmented_ = true;
            } else if (!has(7)) {
                noFifth_ = true;
            }
        } else if (has(3)) {
            if (has(7)) {
                text_ += "-";
                minor_ = true;
            } else if (has(6)) {
                text_ += "\u00BA";
                diminished_ = true;
            } else {
                text_ += "-";
                minor_ = true;
                noFifth_ = true;
            }
        } else {
            if (has(5))
                sus4_ = true;
            else if (has(2) && !seventh_)
                sus2_ = true;
            else
                noThird_ = true;
            if (has(8)) {
                text_ += "+";
                augmented_ = true;
            } else if (!has(7)) {
                noFifth_ = true;
            }
        }
    }

    // A present 2 reads as a ninth next to a seventh.
    void appendSeventh()
    {
        if (has(11))
            text_ += has(10) ? (has(2) ? "7^9" : "7^7") : (has(2) ? "^9" : "^7");
        else if (has(10))
            text_ += has(2) ? "9" : "7";
    }

    void appendSuspension()
    {
        if (seventh_) {
            if (sus4_)
                text_ += "sus11";
        } else if (sus4_) {
            text_ += has(2) ? "add2sus4" : "sus4";
        } else if (has(2)) {
            text_ += sus2_ ? "sus2" : "add2";
        }
    }

    void appendRemainingIntervals()
    {
        const auto add = [this](bool present, const char* withSeventh, const char* without) {
            if (present)
                text_ += seventh_ ? withSeventh : without;
        };
        add(has(1), "b9", "(b2)");
        add(has(3) && !minor_ && !diminished_, "#9", "(#2)");
        add(has(5) && !sus4_, ", 11", "add4");
        add(has(6) && !diminished_, "#11", "(#4)");
        add(has(8) && !augmented_, "b13", "(b6)");
        add(has(9), ", 13", "(6)");
    }

    void appendOmissions()
    {
        if (!noThird_ && !noFifth_)
            return;
        text_ += " (";
        text_ += noThird_ && noFifth_ ? "no 3, no 5" : (noThird_ ? "no 3" : "no 5");
        text_ += ")";
    }

    int mask_;
    bool seventh_;
    std::string text_;
    bool minor_ = false;
    bool diminished_ = false;
    bool augmented_ = false;
    bool sus4_ = false;
    bool sus2_ = false;
    bool noThird_ = false;
    bool noFifth_ = false;
};

// " (" + an item per present interval 1..11 + ")", items separated by ", ".
template <typename ItemText>
std::string ParenthesisedList(int mask, std::string opening, ItemText itemText)
{
    std::string text = std::move(opening);
    for (int k = 1; k <= 10; ++k) {
        if ((mask >> k) & 1)
            text += itemText(k) + ", ";
    }
    if ((mask >> 11) & 1)
        text += itemText(11);
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, ", ") == 0)
        text.resize(text.size() - 2);
    return text + ")";
}

}  // namespace

std::string ChordSuffixFor(int intervalMask, int mode)
{
    switch (mode) {
    case kTraditionalNames:
        return TraditionalSuffix(intervalMask).build();
    case kIntervalNames:
        return ParenthesisedList(
            intervalMask, " (", [](int k) { return IntervalName(static_cast<std::uint32_t>(k)); });
    case kSemitoneNames:
        return ParenthesisedList(intervalMask, " (0, ", [](int k) { return std::to_string(k); });
    default:
        return {};
    }
}

namespace {

// The mask of the tones as intervals above root, the root itself included.
int IntervalsAbove(PitchClass root, int toneMask)
{
    int intervals = 1;
    for (int k = 0; k < kPitchClassCount; ++k) {
        if ((toneMask >> k) & 1)
            intervals |= 1 << ((k - root + kPitchClassCount) % kPitchClassCount);
    }
    return intervals;
}

constexpr std::size_t kSlashBassCost = 2;

}  // namespace

std::string ChordName(PitchClass root, int toneMask, PitchClass bass)
{
    std::string name = NoteName(static_cast<Note>(root)) +
        ChordSuffixFor(IntervalsAbove(root, toneMask), kTraditionalNames);
    if (bass != kNoPitchClass && bass != root) {
        name += '/';
        name += NoteName(static_cast<Note>(bass));
    }
    return name;
}

std::string SimplestChordName(int toneMask, PitchClass bass, PitchClass preferredRoot)
{
    const auto sounds = [toneMask](PitchClass pc) {
        return pc >= 0 && pc < kPitchClassCount && ((toneMask >> pc) & 1) != 0;
    };
    if (!sounds(bass))
        return {};
    if (sounds(preferredRoot))
        return ChordName(preferredRoot, toneMask, bass);
    std::string best;
    std::size_t bestCost = 0;
    // The bass first, so that it wins a tie; then upward from it.
    for (int step = 0; step < kPitchClassCount; ++step) {
        const PitchClass root = (bass + step) % kPitchClassCount;
        if (!sounds(root))
            continue;
        const std::size_t cost =
            ChordSuffixFor(IntervalsAbove(root, toneMask), kTraditionalNames).size() +
            (root == bass ? 0 : kSlashBassCost);
        if (best.empty() || cost < bestCost) {
            best = ChordName(root, toneMask, bass);
            bestCost = cost;
        }
    }
    return best;
}

}  // namespace guivarna::theory
