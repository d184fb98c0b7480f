#pragma once

#include "output/lists/result_lists.h"
#include "theory/search/chord_search.h"
#include "theory/search/scale_search.h"
#include "theory/search/voicing_results.h"

#include <memory>
#include <stdexcept>

namespace guivarna::output {

// The result list of a chord search run as a list for the writers. It holds the list, so a new
// run (which swaps in a new list) never changes what is being written.
class SearchChordResults : public ChordResults {
public:
    explicit SearchChordResults(std::shared_ptr<const theory::ChordResultList> list)
        : list_(std::move(list))
    {
    }
    std::size_t Count() const override { return list_ ? list_->Count() : 0; }
    theory::ChordFingering Get(std::size_t index) const override
    {
        if (!list_)
            throw std::out_of_range("no chord results");
        return list_->Get(index);
    }

private:
    std::shared_ptr<const theory::ChordResultList> list_;
};

// A chord list in the order it is shown: row i is result order[i], and rows beyond the order
// follow in search order. A null order is the search order itself.
class OrderedChordResults : public ChordResults {
public:
    OrderedChordResults(std::shared_ptr<const theory::ChordResultList> list, theory::RowOrder order)
        : list_(std::move(list)), order_(std::move(order))
    {
    }
    std::size_t Count() const override { return list_.Count(); }
    theory::ChordFingering Get(std::size_t index) const override
    {
        return list_.Get(order_.StoredIndex(index));
    }

private:
    SearchChordResults list_;
    theory::RowOrder order_;
};

// The voicings of a voicing search as chord results, in the order they are shown, held like the
// above.
class VoicingChordResults : public ChordResults {
public:
    VoicingChordResults(
        std::shared_ptr<const theory::VoicingResultList> list, theory::RowOrder order)
        : list_(std::move(list)), order_(std::move(order))
    {
    }
    std::size_t Count() const override { return list_ ? list_->Count() : 0; }
    theory::ChordFingering Get(std::size_t index) const override
    {
        if (!list_)
            throw std::out_of_range("no voicings");
        return theory::FingeringOfVoicing(list_->Get(order_.StoredIndex(index)), list_->Tuning());
    }

private:
    std::shared_ptr<const theory::VoicingResultList> list_;
    theory::RowOrder order_;
};

// The result list of a scale search run as a list for the writers, held like the above.
class SearchScaleResults : public ScaleResults {
public:
    explicit SearchScaleResults(std::shared_ptr<const theory::ScaleResultList> list)
        : list_(std::move(list))
    {
    }
    std::size_t Count() const override { return list_ ? list_->Count() : 0; }
    std::vector<theory::Note> Get(std::size_t index) const override
    {
        if (!list_)
            throw std::out_of_range("no scale results");
        return list_->Get(index);
    }

private:
    std::shared_ptr<const theory::ScaleResultList> list_;
};

}  // namespace guivarna::output
