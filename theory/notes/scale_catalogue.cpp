#include "theory/notes/scale_catalogue.h"

#include <algorithm>
#include <initializer_list>

namespace guivarna::theory {

namespace {

constexpr Note kFirstPitchClass = 60;

ScaleType Scale(std::initializer_list<std::string_view> names, std::initializer_list<int> steps)
{
    ScaleType scale;
    scale.names = names;
    for (const int k : steps)
        scale.mask |= 1 << k;
    return scale;
}

std::vector<ScaleType> BuildCatalogue()
{
    return {
        Scale({"major", "ionian"}, {0, 2, 4, 5, 7, 9, 11}),
        Scale({"dorian"}, {0, 2, 3, 5, 7, 9, 10}),
        Scale({"phrygian"}, {0, 1, 3, 5, 7, 8, 10}),
        Scale({"lydian"}, {0, 2, 4, 6, 7, 9, 11}),
        Scale({"mixolydian"}, {0, 2, 4, 5, 7, 9, 10}),
        Scale({"minor", "aeolian", "natural minor"}, {0, 2, 3, 5, 7, 8, 10}),
        Scale({"locrian"}, {0, 1, 3, 5, 6, 8, 10}),
        Scale({"harmonic minor"}, {0, 2, 3, 5, 7, 8, 11}),
        Scale({"locrian natural 6", "locrian #6"}, {0, 1, 3, 5, 6, 9, 10}),
        Scale({"ionian augmented", "ionian #5"}, {0, 2, 4, 5, 8, 9, 11}),
        Scale({"dorian #4", "ukrainian dorian", "romanian minor"}, {0, 2, 3, 6, 7, 9, 10}),
        Scale({"phrygian dominant", "spanish gypsy"}, {0, 1, 4, 5, 7, 8, 10}),
        Scale({"lydian #2"}, {0, 3, 4, 6, 7, 9, 11}),
        Scale({"ultralocrian", "altered diminished"}, {0, 1, 3, 4, 6, 8, 9}),
        Scale({"melodic minor", "jazz minor"}, {0, 2, 3, 5, 7, 9, 11}),
        Scale({"dorian b2", "phrygian natural 6"}, {0, 1, 3, 5, 7, 9, 10}),
        Scale({"lydian augmented"}, {0, 2, 4, 6, 8, 9, 11}),
        Scale({"lydian dominant", "overtone", "acoustic"}, {0, 2, 4, 6, 7, 9, 10}),
        Scale({"mixolydian b6", "aeolian dominant", "hindu"}, {0, 2, 4, 5, 7, 8, 10}),
        Scale({"locrian natural 2", "half diminished", "aeolian b5"}, {0, 2, 3, 5, 6, 8, 10}),
        Scale({"altered", "super locrian"}, {0, 1, 3, 4, 6, 8, 10}),
        Scale({"major pentatonic"}, {0, 2, 4, 7, 9}),
        Scale({"minor pentatonic"}, {0, 3, 5, 7, 10}),
        Scale({"blues", "minor blues"}, {0, 3, 5, 6, 7, 10}),
        Scale({"major blues"}, {0, 2, 3, 4, 7, 9}),
        Scale({"suspended pentatonic", "egyptian"}, {0, 2, 5, 7, 10}),
        Scale({"whole tone"}, {0, 2, 4, 6, 8, 10}),
        Scale({"diminished", "whole-half diminished"}, {0, 2, 3, 5, 6, 8, 9, 11}),
        Scale({"dominant diminished", "half-whole diminished"}, {0, 1, 3, 4, 6, 7, 9, 10}),
        Scale({"augmented"}, {0, 3, 4, 7, 8, 11}),
        Scale({"chromatic"}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
        Scale({"bebop dominant"}, {0, 2, 4, 5, 7, 9, 10, 11}),
        Scale({"bebop major"}, {0, 2, 4, 5, 7, 8, 9, 11}),
        Scale({"bebop dorian", "bebop minor"}, {0, 2, 3, 4, 5, 7, 9, 10}),
        Scale({"bebop melodic minor"}, {0, 2, 3, 5, 7, 8, 9, 11}),
        Scale({"harmonic major"}, {0, 2, 4, 5, 7, 8, 11}),
        Scale({"double harmonic", "double harmonic major", "byzantine"}, {0, 1, 4, 5, 7, 8, 11}),
        Scale({"hungarian minor", "double harmonic minor"}, {0, 2, 3, 6, 7, 8, 11}),
        Scale({"hungarian major"}, {0, 3, 4, 6, 7, 9, 10}),
        Scale({"neapolitan major"}, {0, 1, 3, 5, 7, 9, 11}),
        Scale({"neapolitan minor"}, {0, 1, 3, 5, 7, 8, 11}),
        Scale({"enigmatic"}, {0, 1, 4, 6, 8, 10, 11}),
        Scale({"persian"}, {0, 1, 4, 5, 6, 8, 11}),
        Scale({"spanish 8-tone"}, {0, 1, 3, 4, 5, 6, 8, 10}),
        Scale({"prometheus"}, {0, 2, 4, 6, 9, 10}),
        Scale({"tritone"}, {0, 1, 4, 6, 7, 10}),
        Scale({"hirajoshi"}, {0, 2, 3, 7, 8}),
        Scale({"in sen"}, {0, 1, 5, 7, 10}),
        Scale({"iwato"}, {0, 1, 5, 6, 10}),
        Scale({"kumoi"}, {0, 2, 3, 7, 9}),
    };
}

// Lower-case ASCII letters, one space for each run of spaces, none at the ends.
std::string Normalised(std::string_view name)
{
    std::string text;
    for (const char c : name) {
        if (c == ' ' || c == '\t') {
            if (!text.empty() && text.back() != ' ')
                text += ' ';
        } else {
            text += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

int PitchClassMask(const std::vector<Note>& notes)
{
    int mask = 0;
    for (const Note note : notes)
        mask |= 1 << (note % 12);
    return mask;
}

// The mask moved up by root semitones, wrapping round the octave.
int Transposed(int mask, int root)
{
    return ((mask << root) | (mask >> (12 - root))) & 0xFFF;
}

}  // namespace

std::span<const ScaleType> ScaleCatalogue()
{
    static const std::vector<ScaleType> catalogue = BuildCatalogue();
    return catalogue;
}

const ScaleType* FindScale(std::string_view name)
{
    const std::string wanted = Normalised(name);
    for (const ScaleType& scale : ScaleCatalogue()) {
        for (const std::string_view candidate : scale.names) {
            if (candidate == wanted)
                return &scale;
        }
    }
    return nullptr;
}

std::vector<std::string_view> ClosestScaleNames(std::string_view name, std::size_t count)
{
    const std::string wanted = Normalised(name);
    struct Candidate {
        bool prefix;
        std::size_t distance;
        std::string_view name;
    };
    std::vector<Candidate> candidates;
    for (const ScaleType& scale : ScaleCatalogue()) {
        for (const std::string_view candidate : scale.names) {
            candidates.push_back({!wanted.empty() && candidate.starts_with(wanted),
                EditDistance(wanted, candidate), candidate});
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
        if (a.prefix != b.prefix)
            return a.prefix;
        return a.distance < b.distance;
    });
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < candidates.size() && i < count; ++i)
        names.push_back(candidates[i].name);
    return names;
}

std::vector<Note> ScaleNotes(const ScaleType& scale, Note root)
{
    std::vector<Note> notes;
    for (Note k = 0; k < 12; ++k) {
        if ((scale.mask >> k) & 1)
            notes.push_back(kFirstPitchClass + (root % 12 + k) % 12);
    }
    return notes;
}

std::string NamedScale::Text() const
{
    return NoteName(root) + " " + std::string(scale->Name());
}

std::vector<NamedScale> ScalesWithNotes(const std::vector<Note>& notes)
{
    const int wanted = PitchClassMask(notes);
    std::vector<NamedScale> found;
    for (const ScaleType& scale : ScaleCatalogue()) {
        for (int root = 0; root < 12; ++root) {
            if (((wanted >> root) & 1) && Transposed(scale.mask, root) == wanted)
                found.push_back({kFirstPitchClass + static_cast<Note>(root), &scale});
        }
    }
    return found;
}

std::string ScaleNamesText(const std::vector<Note>& notes)
{
    std::string text;
    for (const NamedScale& named : ScalesWithNotes(notes)) {
        if (!text.empty())
            text += ", ";
        text += named.Text();
    }
    return text;
}

}  // namespace guivarna::theory
