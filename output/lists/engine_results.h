#pragma once

#include "output/lists/result_lists.h"
#include "theory/search_engine.h"

namespace guivarna::output {

// The search engine's chord results as a list for the writers.
class EngineChordResults : public ChordResults {
public:
    explicit EngineChordResults(const theory::SearchEngine& engine) : engine_(engine) { }
    std::size_t Count() const override { return engine_.ChordResultCount(); }
    theory::ChordFingering Get(std::size_t index) const override
    {
        return engine_.GetFingering(index);
    }

private:
    const theory::SearchEngine& engine_;
};

// The search engine's scale results as a list for the writers.
class EngineScaleResults : public ScaleResults {
public:
    explicit EngineScaleResults(const theory::SearchEngine& engine) : engine_(engine) { }
    std::size_t Count() const override { return engine_.ScaleResultCount(); }
    std::vector<theory::Note> Get(std::size_t index) const override
    {
        return engine_.GetScale(index);
    }

private:
    const theory::SearchEngine& engine_;
};

}  // namespace guivarna::output
