#pragma once

#include "theory/notes/notes.h"
#include "theory/search/search_request.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace guivarna::cli {

// guivarna-cli chords --notes C,E,G [--root C] [--tuning 64,59,55,50,45,40] [--strings 1,2,3]
//   [--frets 0-24] [--span 24] [--open by-position|may|must] [--permutation E,C,G | --melody E]
//   [--playable] [--sort difficulty] [--threads N] [--count | --save-text FILE | --save-html FILE]
// Runs a complete chord fingering search on N threads (as many as the machine has cores unless
// given) and prints the fingerings in the order a one-thread search finds them (with 1 thread
// each as it is found), in the chord list text layout: string set, frets and notes, each joined by
// " - ", separated by two tabs. With --save-text / --save-html nothing is printed: the list is
// written to FILE as the chord list text file (CR LF lines) or the chord list page, whose current
// chord is --notes with
// --root. --playable keeps only the shapes four fingers can hold; --sort difficulty prints (or
// writes) the rows easiest first, search order breaking ties, once the search is complete.
int RunChordsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// guivarna-cli scales --tones 7 [--must C,E,G] [--run-limit 12|-1|N] [--count | --save-text FILE]
// Runs a complete scale search and prints each scale as its note names joined by " - ", or
// writes them to FILE as the scale list text file (CR LF lines) and prints nothing.
int RunScalesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The argument readers of the chord search; each throws UsageError naming the option.
// --strings: 1-based string numbers, each from 1 to stringCount.
std::vector<std::uint32_t> parseStrings(const std::string& text, std::size_t stringCount);
// --frets: "lowest-highest", both from 0 to 24, lowest not above highest.
std::pair<std::uint32_t, std::uint32_t> parseFretRange(const std::string& text);
// --open: by-position|may|must or 0|1|2.
theory::OpenStringPolicy parseOpenPolicy(const std::string& text);
// --permutation: note names that are an arrangement of the chord's notes (the same notes, each
// as often); the note numbers in the given order. chordNames spell the notes for the message.
std::vector<theory::Note> parsePermutation(const std::string& text,
    const std::vector<theory::Note>& chordNotes, const std::vector<std::string>& chordNames);

}  // namespace guivarna::cli
