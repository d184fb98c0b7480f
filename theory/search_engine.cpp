#include "theory/search_engine.h"

#include "theory/chord_request.h"
#include "theory/chord_result_store.h"
#include "theory/fingering_generator.h"
#include "theory/music_theory.h"
#include "theory/scale_generator.h"

#include <algorithm>
#include <stdexcept>

namespace guivarna::theory {

namespace {

// How many candidates a search examines between two looks at its stop flag.
constexpr unsigned kStopPollInterval = 4096;

constexpr Note kLowestNote = 60;

std::vector<Note> MaskNotes(std::uint16_t mask)
{
    std::vector<Note> notes;
    for (Note i = 0; i < 12; ++i) {
        if ((mask & (1u << i)) != 0)
            notes.push_back(kLowestNote + i);
    }
    return notes;
}

template <std::size_t K> void CopyCandidate(const FingeringCandidate& c, ChordFingering& out)
{
    const std::size_t k = K != 0 ? K : static_cast<std::size_t>(c.count);
    const auto copy = [k](std::array<std::uint8_t, FingeringCandidate::kMaxStrings> from,
                          std::vector<std::uint32_t>& to) {
        // from is a local copy: stores through to.data() cannot alias it.
        to.resize(k);
        std::uint32_t* target = to.data();
        for (std::size_t i = 0; i < k; ++i)
            target[i] = from[i];
    };
    copy(c.strings, out.StringSet);
    copy(c.notes, out.NotePermutation);
    copy(c.frets, out.FretBoardPosition);
}

bool RunTestWith(const std::vector<Note>& scale, int runLimit)
{
    // A scale of fewer than two notes has no semitone step at all, so it is within any limit.
    if (runLimit == -1 || scale.size() < 2)
        return true;
    return MusicTheory::WithinSemitoneRun(scale, runLimit);
}

}  // namespace

// A scale search request as it stood when the search was reset.
struct ScaleRequest {
    int toneCount = 0;
    bool mustHaveFilter = false;
    // The must-have notes as a pitch-class mask; impossible when one of them is not 60..71.
    std::uint16_t mustHaveMask = 0;
    bool mustHaveImpossible = false;
    int runLimit = 12;
    std::uint64_t generation = 0;

    bool PassesMustHave(std::uint16_t subset) const
    {
        if (!mustHaveFilter)
            return true;
        return !mustHaveImpossible && (subset & mustHaveMask) == mustHaveMask;
    }
};

struct SearchEngine::ChordRun {
    std::shared_ptr<const ChordRequest> request;
    FingeringGenerator generator;
    // Set when the enumeration was exhausted: the next call takes a fresh snapshot and starts over.
    bool needsSnapshot = true;
    // Stopped or stale: no more results until ResetChordSearch.
    bool halted = false;
};

struct SearchEngine::ScaleRun {
    std::shared_ptr<const ScaleRequest> request;
    ScaleGenerator generator;
    bool needsSnapshot = true;
    bool halted = false;
};

SearchEngine::SearchEngine(const MusicTheory& theory)
    : theory_(theory), chordResults_(std::make_unique<ChordResultStore>()),
      chordRun_(std::make_unique<ChordRun>()), scaleRun_(std::make_unique<ScaleRun>())
{
}

SearchEngine::~SearchEngine() = default;

// --- The instrument -----------------------------------------------------------------------

int SearchEngine::AddString(Note openNote)
{
    std::lock_guard lock(paramsMutex_);
    if (openNotes_.size() >= static_cast<std::size_t>(kMaxStrings))
        throw std::length_error(
            "an instrument has at most " + std::to_string(kMaxStrings) + " strings");
    openNotes_.push_back(openNote);
    StringsChanged();
    return static_cast<int>(openNotes_.size());
}

void SearchEngine::SetTuning(const std::vector<Note>& openNotes)
{
    if (openNotes.size() > static_cast<std::size_t>(kMaxStrings))
        throw std::length_error(
            "an instrument has at most " + std::to_string(kMaxStrings) + " strings");
    std::lock_guard lock(paramsMutex_);
    openNotes_ = openNotes;
    StringsChanged();
}

std::vector<Note> SearchEngine::GetTuning() const
{
    std::lock_guard lock(paramsMutex_);
    return openNotes_;
}

int SearchEngine::StringCount() const
{
    std::lock_guard lock(paramsMutex_);
    return static_cast<int>(openNotes_.size());
}

void SearchEngine::StringsChanged()
{
    if (allowedStringsFilled_) {
        allowedStrings_.clear();
        allowedStringsFilled_ = false;
    }
}

// --- Chord search parameters ---------------------------------------------------------------

void SearchEngine::SetAllowedStrings(const std::vector<std::uint32_t>& strings)
{
    std::lock_guard lock(paramsMutex_);
    allowedStrings_ = strings;
    allowedStringsFilled_ = false;
}

void SearchEngine::ClearAllowedStrings()
{
    SetAllowedStrings({});
}

std::vector<std::uint32_t> SearchEngine::GetAllowedStrings() const
{
    std::lock_guard lock(paramsMutex_);
    return allowedStrings_;
}

void SearchEngine::SetPermutation(const std::vector<Note>& notes)
{
    std::lock_guard lock(paramsMutex_);
    permutation_ = notes;
    melodyNote_.clear();
}

std::vector<Note> SearchEngine::GetPermutation() const
{
    std::lock_guard lock(paramsMutex_);
    return permutation_;
}

void SearchEngine::UseAllPermutations()
{
    std::lock_guard lock(paramsMutex_);
    permutation_.clear();
    melodyNote_.clear();
}

void SearchEngine::SetMelodyNote(const std::string& name)
{
    std::lock_guard lock(paramsMutex_);
    melodyNote_ = name;
    permutation_.clear();
}

std::string SearchEngine::GetMelodyNote() const
{
    std::lock_guard lock(paramsMutex_);
    return melodyNote_;
}

void SearchEngine::SetFretRange(std::uint32_t lowest, std::uint32_t highest)
{
    std::lock_guard lock(paramsMutex_);
    lowestFret_ = lowest;
    highestFret_ = highest;
}

std::uint32_t SearchEngine::GetLowestFret() const
{
    std::lock_guard lock(paramsMutex_);
    return lowestFret_;
}

std::uint32_t SearchEngine::GetHighestFret() const
{
    std::lock_guard lock(paramsMutex_);
    return highestFret_;
}

void SearchEngine::SetSpan(int span)
{
    std::lock_guard lock(paramsMutex_);
    span_ = span;
}

int SearchEngine::GetSpan() const
{
    std::lock_guard lock(paramsMutex_);
    return span_;
}

void SearchEngine::SetOpenStringPolicy(int policy)
{
    std::lock_guard lock(paramsMutex_);
    openStringPolicy_ = policy;
}

int SearchEngine::GetOpenStringPolicy() const
{
    std::lock_guard lock(paramsMutex_);
    return openStringPolicy_;
}

// --- Chord search ----------------------------------------------------------------------------

std::shared_ptr<const ChordRequest> SearchEngine::SnapshotChordRequest(std::vector<Note> notes)
{
    auto request = std::make_shared<ChordRequest>();
    request->notes = std::move(notes);
    {
        std::lock_guard lock(paramsMutex_);
        if (allowedStrings_.empty()) {
            for (std::uint32_t s = 1; s <= openNotes_.size(); ++s)
                allowedStrings_.push_back(s);
            allowedStringsFilled_ = true;
        }
        request->openNotes = openNotes_;
        request->allowedStrings = allowedStrings_;
        request->permutation = permutation_;
        request->melodyNote = melodyNote_;
        request->lowestFret = lowestFret_;
        request->highestFret = highestFret_;
        request->span = span_;
        request->openStringPolicy = openStringPolicy_;
    }
    {
        std::lock_guard lock(chordMutex_);
        request->generation = chordGeneration_;
        chordResults_->StartRun();
    }
    request->Prepare();
    return request;
}

void SearchEngine::ResetChordSearch()
{
    ResetChordSearch(theory_.GetNotes(true));
}

void SearchEngine::ResetChordSearch(const std::vector<Note>& notes)
{
    ChordRun& run = *chordRun_;
    run.request = SnapshotChordRequest(notes);
    run.generator.Start(
        run.request->openNotes, run.request->notes, run.request->AllowedStringMask());
    run.needsSnapshot = false;
    run.halted = false;
    chordStopRequested_.store(false);
    chordStopped_.store(false);
}

template <std::size_t K> bool SearchEngine::ScanChords(ChordFingering& out)
{
    ChordRun& run = *chordRun_;
    const ChordRequest& request = *run.request;
    unsigned untilPoll = kStopPollInterval;
    while (const FingeringCandidate* candidate = run.generator.Next<K>()) {
        if (--untilPoll == 0) {
            untilPoll = kStopPollInterval;
            if (chordStopRequested_.load(std::memory_order_relaxed)) {
                run.halted = true;
                chordStopped_.store(true);
                return false;
            }
        }
        if (!request.AcceptsWithinCombination<K>(*candidate))
            continue;
        {
            std::lock_guard lock(chordMutex_);
            if (chordGeneration_ != request.generation) {
                run.halted = true;
                chordStopped_.store(true);
                return false;
            }
            chordResults_->Append<K>(*candidate);
        }
        CopyCandidate<K>(*candidate, out);
        return true;
    }
    run.needsSnapshot = true;
    return false;
}

bool SearchEngine::FindNextChord(ChordFingering& out)
{
    ChordRun& run = *chordRun_;
    if (run.needsSnapshot) {
        run.request = SnapshotChordRequest(theory_.GetNotes(true));
        run.generator.Start(
            run.request->openNotes, run.request->notes, run.request->AllowedStringMask());
        run.needsSnapshot = false;
        run.halted = false;
    }
    chordStopped_.store(false, std::memory_order_relaxed);
    if (run.halted || chordStopRequested_.load(std::memory_order_relaxed)) {
        run.halted = true;
        chordStopped_.store(true);
        return false;
    }

    switch (run.request->notes.size()) {
    case 1:
        return ScanChords<1>(out);
    case 2:
        return ScanChords<2>(out);
    case 3:
        return ScanChords<3>(out);
    case 4:
        return ScanChords<4>(out);
    case 5:
        return ScanChords<5>(out);
    case 6:
        return ScanChords<6>(out);
    case 7:
        return ScanChords<7>(out);
    case 8:
        return ScanChords<8>(out);
    default:
        return ScanChords<0>(out);
    }
}

void SearchEngine::RequestChordStop()
{
    chordStopRequested_.store(true);
}

bool SearchEngine::ChordSearchStopped() const
{
    return chordStopped_.load();
}

void SearchEngine::ClearChordResults()
{
    std::lock_guard lock(chordMutex_);
    chordResults_->Clear();
    ++chordGeneration_;
    currentChord_.store(-1);
}

std::size_t SearchEngine::ChordResultCount() const
{
    std::lock_guard lock(chordMutex_);
    return chordResults_->Count();
}

ChordFingering SearchEngine::GetFingering(std::size_t index) const
{
    ChordFingering fingering;
    GetFingering(fingering, index);
    return fingering;
}

void SearchEngine::GetFingering(ChordFingering& out, std::size_t index) const
{
    std::lock_guard lock(chordMutex_);
    chordResults_->Get(index, out);
}

std::size_t SearchEngine::ChordResultBytes() const
{
    std::lock_guard lock(chordMutex_);
    return chordResults_->Bytes();
}

std::size_t SearchEngine::ScaleResultBytes() const
{
    std::lock_guard lock(scaleMutex_);
    return scaleResults_.capacity() * sizeof(decltype(scaleResults_)::value_type);
}

void SearchEngine::SetCurrentChord(int index)
{
    currentChord_.store(index);
}

int SearchEngine::GetCurrentChord() const
{
    return currentChord_.load();
}

bool SearchEngine::GetCurrentFingering(ChordFingering& out) const
{
    const int index = currentChord_.load();
    std::lock_guard lock(chordMutex_);
    if (index < 0 || static_cast<std::size_t>(index) >= chordResults_->Count())
        return false;
    chordResults_->Get(static_cast<std::size_t>(index), out);
    return true;
}

// --- Scale search parameters ----------------------------------------------------------------

void SearchEngine::SetToneCount(int count)
{
    std::lock_guard lock(paramsMutex_);
    toneCount_ = count;
}

int SearchEngine::GetToneCount() const
{
    std::lock_guard lock(paramsMutex_);
    return toneCount_;
}

bool SearchEngine::HasToneCount() const
{
    return GetToneCount() != 0;
}

void SearchEngine::SetMustHaveFilter(bool on)
{
    std::lock_guard lock(paramsMutex_);
    mustHaveFilter_ = on;
}

bool SearchEngine::GetMustHaveFilter() const
{
    std::lock_guard lock(paramsMutex_);
    return mustHaveFilter_;
}

void SearchEngine::SetMustHaveNotes(const std::vector<Note>& notes)
{
    std::lock_guard lock(paramsMutex_);
    mustHaveNotes_ = notes;
}

void SearchEngine::ClearMustHaveNotes()
{
    SetMustHaveNotes({});
}

std::vector<Note> SearchEngine::GetMustHaveNotes() const
{
    std::lock_guard lock(paramsMutex_);
    return mustHaveNotes_;
}

void SearchEngine::SetRunLimit(int limit)
{
    std::lock_guard lock(paramsMutex_);
    runLimit_ = limit;
}

int SearchEngine::GetRunLimit() const
{
    std::lock_guard lock(paramsMutex_);
    return runLimit_;
}

bool SearchEngine::MustHaveTest(const std::vector<Note>& scale) const
{
    std::lock_guard lock(paramsMutex_);
    if (!mustHaveFilter_)
        return true;
    return std::all_of(mustHaveNotes_.begin(), mustHaveNotes_.end(),
        [&](Note note) { return std::find(scale.begin(), scale.end(), note) != scale.end(); });
}

bool SearchEngine::RunTest(const std::vector<Note>& scale) const
{
    return RunTestWith(scale, GetRunLimit());
}

// --- Scale search ----------------------------------------------------------------------------

std::shared_ptr<const ScaleRequest> SearchEngine::SnapshotScaleRequest()
{
    auto request = std::make_shared<ScaleRequest>();
    {
        std::lock_guard lock(paramsMutex_);
        request->toneCount = toneCount_;
        request->mustHaveFilter = mustHaveFilter_;
        request->runLimit = runLimit_;
        for (const Note note : mustHaveNotes_) {
            if (note < kLowestNote || note > kLowestNote + 11)
                request->mustHaveImpossible = true;
            else
                request->mustHaveMask = static_cast<std::uint16_t>(
                    request->mustHaveMask | (1u << (note - kLowestNote)));
        }
    }
    {
        std::lock_guard lock(scaleMutex_);
        request->generation = scaleGeneration_;
    }
    return request;
}

void SearchEngine::ResetScaleSearch()
{
    ScaleRun& run = *scaleRun_;
    run.request = SnapshotScaleRequest();
    run.generator.Reset();
    run.needsSnapshot = false;
    run.halted = false;
    scaleStopRequested_.store(false);
    scaleStopped_.store(false);
}

bool SearchEngine::FindNextScale(std::vector<Note>& out)
{
    ScaleRun& run = *scaleRun_;
    if (run.needsSnapshot) {
        run.request = SnapshotScaleRequest();
        run.generator.Reset();
        run.needsSnapshot = false;
        run.halted = false;
    }
    return FindNextScale(out, run.request->toneCount);
}

bool SearchEngine::FindNextScale(std::vector<Note>& out, int toneCount)
{
    ScaleRun& run = *scaleRun_;
    if (run.needsSnapshot) {
        run.request = SnapshotScaleRequest();
        run.generator.Reset();
        run.needsSnapshot = false;
        run.halted = false;
    }
    out.clear();
    scaleStopped_.store(false, std::memory_order_relaxed);
    if (run.halted || scaleStopRequested_.load(std::memory_order_relaxed)) {
        run.halted = true;
        scaleStopped_.store(true);
        return false;
    }

    const ScaleRequest& request = *run.request;
    std::uint16_t subset = 0;
    while (run.generator.Next(toneCount, subset)) {
        if (!request.PassesMustHave(subset))
            continue;
        out = MaskNotes(subset);
        if (!RunTestWith(out, request.runLimit))
            continue;
        std::lock_guard lock(scaleMutex_);
        if (scaleGeneration_ != request.generation) {
            run.halted = true;
            scaleStopped_.store(true);
            out.clear();
            return false;
        }
        scaleResults_.push_back(subset);
        return true;
    }
    out.clear();
    run.needsSnapshot = true;
    return false;
}

void SearchEngine::RequestScaleStop()
{
    scaleStopRequested_.store(true);
}

bool SearchEngine::ScaleSearchStopped() const
{
    return scaleStopped_.load();
}

void SearchEngine::ClearScaleResults()
{
    std::lock_guard lock(scaleMutex_);
    scaleResults_.clear();
    ++scaleGeneration_;
    currentScale_.store(-1);
}

std::size_t SearchEngine::ScaleResultCount() const
{
    std::lock_guard lock(scaleMutex_);
    return scaleResults_.size();
}

void SearchEngine::GetScale(std::vector<Note>& out, std::size_t index) const
{
    std::uint16_t mask = 0;
    {
        std::lock_guard lock(scaleMutex_);
        mask = scaleResults_.at(index);
    }
    const std::vector<Note> notes = MaskNotes(mask);
    out.insert(out.end(), notes.begin(), notes.end());
}

std::vector<Note> SearchEngine::GetScale(std::size_t index) const
{
    std::vector<Note> notes;
    GetScale(notes, index);
    return notes;
}

void SearchEngine::SetCurrentScale(int index)
{
    currentScale_.store(index);
}

int SearchEngine::GetCurrentScale() const
{
    return currentScale_.load();
}

std::string SearchEngine::FormatCurrentScale() const
{
    const int index = currentScale_.load();
    std::uint16_t mask = 0;
    {
        std::lock_guard lock(scaleMutex_);
        if (index < 0 || static_cast<std::size_t>(index) >= scaleResults_.size())
            return {};
        mask = scaleResults_[static_cast<std::size_t>(index)];
    }
    return JoinNoteNames(MaskNotes(mask));
}

}  // namespace guivarna::theory
