#pragma once

#include "theory/notes/notes.h"
#include "theory/notes/scale_catalogue.h"
#include "theory/search/run_control.h"
#include "theory/search/scale_generator.h"
#include "theory/search/search_request.h"
#include "theory/search/search_state.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace guivarna::theory {

// True when the scale (ascending notes) holds every must-have note, or the filter is off.
bool PassesMustHave(const ScaleSearchRequest& request, const std::vector<Note>& scale);
// True when the scale has no run of more semitone steps than the request's limit.
bool PassesRunLimit(const ScaleSearchRequest& request, const std::vector<Note>& scale);

// The scales one scale search run found, one 12-bit pitch-class mask each (bit i = note 60 + i).
// Appended by the run's worker and read by index from any thread.
class ScaleResultList {
public:
    std::size_t Count() const;
    // The notes of scale index, ascending; throws std::out_of_range for a bad index.
    std::vector<Note> Get(std::size_t index) const;
    std::size_t Bytes() const;

    void Append(std::uint16_t mask);

private:
    mutable std::mutex mutex_;
    std::vector<std::uint16_t> masks_;
};

// One enumeration of the scales of a request, appending every accepted one to its own list.
class ScaleRun {
public:
    ScaleRun(const ScaleSearchRequest& request, std::shared_ptr<ScaleResultList> results,
        std::shared_ptr<RunControl> control);

    // Finds the next scale (ascending notes 60..71) that passes the filters, appends it to the
    // run's list and copies it to out. False when exhausted, stopped, or the tone count is
    // outside 1..12; after false every later call returns false too.
    bool Next(std::vector<Note>& out);
    bool Stopped() const { return stopped_; }

    const std::shared_ptr<ScaleResultList>& Results() const { return results_; }
    RunControl& Control() const { return *control_; }

private:
    ScaleSearchRequest request_;
    std::uint16_t mustHaveMask_ = 0;
    bool mustHaveImpossible_ = false;
    ScaleGenerator generator_;
    std::shared_ptr<ScaleResultList> results_;
    std::shared_ptr<RunControl> control_;
    bool finished_ = false;
    bool stopped_ = false;
};

// The scale search: the current request, the result list of the latest run and the scale
// selected in it. All members may be used from any thread.
class ScaleSearch : public SearchState<ScaleSearchRequest, ScaleResultList> {
public:
    // True when a tone count is set, so there is something to search.
    bool HasToneCount() const { return Request().toneCount != 0; }

    // The note names of the current scale joined by " - "; "" when there is none. A scale shown
    // by name is the current one until it is cleared.
    std::string CurrentScaleText() const;
    // "A minor pentatonic" while a scale shown by name is current; "" otherwise.
    std::string CurrentScaleName() const;

    // A catalogue scale picked by name becomes the current scale (scale must outlive its use;
    // catalogue entries live for the whole run); a selected result row replaces it again.
    void ShowNamedScale(const NamedScale& scale);
    void ClearNamedScale();
    std::optional<NamedScale> NamedScaleShown() const;

    // Takes the snapshot of the request, clears the results and returns a run that fills the
    // new list.
    std::unique_ptr<ScaleRun> StartRun(std::shared_ptr<RunControl> control = nullptr);

private:
    mutable std::mutex namedMutex_;
    std::optional<NamedScale> named_;
};

}  // namespace guivarna::theory
