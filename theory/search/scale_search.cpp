#include "theory/search/scale_search.h"

#include "theory/notes/instrument_limits.h"
#include "theory/notes/music_theory.h"
#include "theory/search/result_texts.h"

#include <algorithm>

namespace guivarna::theory {

namespace {

std::vector<Note> MaskNotes(std::uint16_t mask)
{
    std::vector<Note> notes;
    for (Note i = 0; i < 12; ++i) {
        if ((mask & (1u << i)) != 0)
            notes.push_back(kLowestNote + i);
    }
    return notes;
}

}  // namespace

bool PassesMustHave(const ScaleSearchRequest& request, const std::vector<Note>& scale)
{
    if (!request.mustHaveFilter)
        return true;
    return std::all_of(request.mustHaveNotes.begin(), request.mustHaveNotes.end(),
        [&](Note note) { return std::find(scale.begin(), scale.end(), note) != scale.end(); });
}

bool PassesRunLimit(const ScaleSearchRequest& request, const std::vector<Note>& scale)
{
    // A scale of fewer than two notes has no semitone step at all, so it is within any limit.
    if (request.runLimit == -1 || scale.size() < 2)
        return true;
    return MusicTheory::WithinSemitoneRun(scale, request.runLimit);
}

// --- ScaleResultList ---------------------------------------------------------------------------

std::size_t ScaleResultList::Count() const
{
    std::lock_guard lock(mutex_);
    return masks_.size();
}

std::vector<Note> ScaleResultList::Get(std::size_t index) const
{
    std::uint16_t mask = 0;
    {
        std::lock_guard lock(mutex_);
        mask = masks_.at(index);
    }
    return MaskNotes(mask);
}

std::size_t ScaleResultList::Bytes() const
{
    std::lock_guard lock(mutex_);
    return masks_.capacity() * sizeof(std::uint16_t);
}

void ScaleResultList::Append(std::uint16_t mask)
{
    std::lock_guard lock(mutex_);
    masks_.push_back(mask);
}

// --- ScaleRun ----------------------------------------------------------------------------------

ScaleRun::ScaleRun(const ScaleSearchRequest& request, std::shared_ptr<ScaleResultList> results,
    std::shared_ptr<RunControl> control)
    : request_(request), results_(std::move(results)), control_(std::move(control))
{
    for (const Note note : request_.mustHaveNotes) {
        if (note < kLowestNote || note > kHighestNote)
            mustHaveImpossible_ = true;
        else
            mustHaveMask_ =
                static_cast<std::uint16_t>(mustHaveMask_ | (1u << (note - kLowestNote)));
    }
}

bool ScaleRun::Next(std::vector<Note>& out)
{
    out.clear();
    if (finished_)
        return false;
    if (!control_->Continue()) {
        stopped_ = true;
        finished_ = true;
        return false;
    }
    std::uint16_t subset = 0;
    while (generator_.Next(request_.toneCount, subset)) {
        if (request_.mustHaveFilter &&
            (mustHaveImpossible_ || (subset & mustHaveMask_) != mustHaveMask_))
            continue;
        out = MaskNotes(subset);
        if (!PassesRunLimit(request_, out))
            continue;
        results_->Append(subset);
        return true;
    }
    out.clear();
    finished_ = true;
    return false;
}

// --- ScaleSearch -------------------------------------------------------------------------------

std::string ScaleSearch::CurrentScaleText() const
{
    if (const std::optional<NamedScale> named = NamedScaleShown())
        return ScaleText(ScaleNotes(*named->scale, named->root));
    const int index = Current();
    const std::shared_ptr<const ScaleResultList> results = Results();
    if (index < 0 || static_cast<std::size_t>(index) >= results->Count())
        return {};
    return ScaleText(results->Get(static_cast<std::size_t>(index)));
}

std::string ScaleSearch::CurrentScaleName() const
{
    const std::optional<NamedScale> named = NamedScaleShown();
    return named ? named->Text() : std::string();
}

void ScaleSearch::ShowNamedScale(const NamedScale& scale)
{
    std::lock_guard lock(namedMutex_);
    named_ = scale;
}

void ScaleSearch::ClearNamedScale()
{
    std::lock_guard lock(namedMutex_);
    named_.reset();
}

std::optional<NamedScale> ScaleSearch::NamedScaleShown() const
{
    std::lock_guard lock(namedMutex_);
    return named_;
}

std::unique_ptr<ScaleRun> ScaleSearch::StartRun(std::shared_ptr<RunControl> control)
{
    auto [request, results] = BeginRun();
    if (!control)
        control = std::make_shared<RunControl>();
    return std::make_unique<ScaleRun>(request, std::move(results), std::move(control));
}

}  // namespace guivarna::theory
