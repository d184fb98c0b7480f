#pragma once

#include "theory/notes/notes.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace guivarna::theory {

// A named scale: its names (the first is the one shown, the others are accepted as well) and
// its intervals as a mask (bit k = k semitones above the root; bit 0 always set).
struct ScaleType {
    std::vector<std::string_view> names;
    int mask = 1;

    std::string_view Name() const { return names.front(); }
};

// Every scale the program knows by name, in catalogue order: the major modes first, then the
// harmonic and melodic minor modes, the pentatonics, the symmetric scales and the rest.
std::span<const ScaleType> ScaleCatalogue();

// The scale of a name, any of its names, matched without regard to case (ASCII letters) and
// with runs of spaces taken as one; nullptr when none matches.
const ScaleType* FindScale(std::string_view name);

// Up to count catalogue names closest to a name that matched none (by edit distance, names
// that start with it first).
std::vector<std::string_view> ClosestScaleNames(std::string_view name, std::size_t count = 3);

// The notes of a scale from a root (any note number), upward: root first, all 60..71.
std::vector<Note> ScaleNotes(const ScaleType& scale, Note root);

// A scale of the catalogue on a root (60..71).
struct NamedScale {
    Note root = 60;
    const ScaleType* scale = nullptr;

    // "A minor pentatonic".
    std::string Text() const;
};

// Every (root, scale) whose notes are exactly the pitch classes of the given notes, in
// catalogue order and, within one scale, roots from C upward.
std::vector<NamedScale> ScalesWithNotes(const std::vector<Note>& notes);

// The names of ScalesWithNotes joined by ", "; "" when no catalogue scale matches.
std::string ScaleNamesText(const std::vector<Note>& notes);

}  // namespace guivarna::theory
