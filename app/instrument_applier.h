#pragma once

#include "theory/notes/instrument.h"

#include <vector>

class QWidget;

namespace guivarna {

namespace calc {
class CalcWindow;
}

struct Command;
class KovaView;
struct ProgramObjects;

// Puts a new instrument into effect everywhere at once: running searches are stopped and both
// result lists are emptied (they describe the old strings), both boards are rebuilt and lose
// their marks (which switches the arpeggio display off), the search engine takes the
// ChordBoard's new open notes, the view's scroll area follows the new board sizes, and the
// settings are saved at once.
class InstrumentApplier {
public:
    // calculations may be null (no calculations window, as in some tests).
    InstrumentApplier(ProgramObjects& objects, KovaView& view, calc::CalcWindow* calculations);

    // Throws std::invalid_argument, changing nothing, for an instrument the boards cannot show.
    void Apply(const theory::Instrument& instrument);

    // The "Instrument" command: the modal dialog, opened on the current instrument; OK applies
    // what it shows. True when a new instrument was applied.
    bool Choose(QWidget* parent);

    // The command table's row: "&Instrument..." at the top of the File menu.
    std::vector<Command> Commands(QWidget& parent);

private:
    void StopAndClearSearches();

    ProgramObjects& objects_;
    KovaView& view_;
    calc::CalcWindow* calculations_;
};

}  // namespace guivarna
