#pragma once

#include "theory/notes/notes.h"
#include "theory/search/chord_fingering.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace guivarna::output {

// Read access to a list of chord results: how many there are and result i. The writers read
// Count() once and then only the results below it, so a list that grows meanwhile is written as
// it was when writing began.
class ChordResults {
public:
    virtual ~ChordResults() = default;
    virtual std::size_t Count() const = 0;
    virtual theory::ChordFingering Get(std::size_t index) const = 0;
};

// Read access to a list of scales (ascending note numbers), as above.
class ScaleResults {
public:
    virtual ~ScaleResults() = default;
    virtual std::size_t Count() const = 0;
    virtual std::vector<theory::Note> Get(std::size_t index) const = 0;
};

// Plain results held in memory.
class ChordResultVector : public ChordResults {
public:
    explicit ChordResultVector(std::vector<theory::ChordFingering> results)
        : results_(std::move(results))
    {
    }
    std::size_t Count() const override { return results_.size(); }
    theory::ChordFingering Get(std::size_t index) const override { return results_.at(index); }

private:
    std::vector<theory::ChordFingering> results_;
};

class ScaleResultVector : public ScaleResults {
public:
    explicit ScaleResultVector(std::vector<std::vector<theory::Note>> results)
        : results_(std::move(results))
    {
    }
    std::size_t Count() const override { return results_.size(); }
    std::vector<theory::Note> Get(std::size_t index) const override { return results_.at(index); }

private:
    std::vector<std::vector<theory::Note>> results_;
};

}  // namespace guivarna::output
