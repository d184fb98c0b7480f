#pragma once

#include "theory/instrument.h"

#include <functional>

class QWidget;

namespace guivarna {

class KovaView;
struct ProgramObjects;

// Puts a new instrument into effect everywhere at once: a running search is stopped and both
// result lists are emptied (they describe the old strings), both boards are rebuilt and lose
// their marks, the search engine takes the ChordBoard's new open notes, the view's scroll area
// follows the new board sizes, and the settings are saved at once.
class InstrumentApplier {
public:
    InstrumentApplier(ProgramObjects& objects, KovaView& view);

    // Called first on every apply to stop the searches of the calculations window (its runs and
    // result pages); the engine's own runs are stopped and cleared in any case.
    void SetSearchStopper(std::function<void()> stopper) { stopSearches_ = std::move(stopper); }

    // Throws std::invalid_argument, changing nothing, for an instrument the boards cannot show.
    void Apply(const theory::Instrument& instrument);

    // The "Instrument" command: the modal dialog, opened on the current instrument; OK applies
    // what it shows. True when a new instrument was applied.
    bool Choose(QWidget* parent);

private:
    ProgramObjects& objects_;
    KovaView& view_;
    std::function<void()> stopSearches_;
};

}  // namespace guivarna
