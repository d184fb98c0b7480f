#include "app/instrument_applier.h"

#include "app/instrument_dialog.h"
#include "app/kova_view.h"
#include "app/program_objects.h"
#include "board/board_collection.h"

#include <stdexcept>

namespace guivarna {

using board::BoardCollection;

InstrumentApplier::InstrumentApplier(ProgramObjects& objects, KovaView& view)
    : objects_(objects), view_(view)
{
}

void InstrumentApplier::Apply(const theory::Instrument& instrument)
{
    if (const std::optional<std::string> problem = theory::InstrumentProblem(instrument))
        throw std::invalid_argument(*problem);

    if (stopSearches_)
        stopSearches_();
    theory::SearchEngine& engine = objects_.engine;
    engine.RequestChordStop();
    engine.RequestScaleStop();
    engine.ClearChordResults();
    engine.ClearScaleResults();

    BoardCollection& boards = objects_.boards;
    boards.ApplyInstrument(instrument);
    std::vector<int> openNotes;
    boards.OpenNotes(BoardCollection::kChordBoard, openNotes);
    engine.SetTuning(std::vector<theory::Note>(openNotes.begin(), openNotes.end()));

    view_.UpdateScrollSizes();
    boards.Save(objects_.store);
    objects_.store.Sync();
}

bool InstrumentApplier::Choose(QWidget* parent)
{
    InstrumentDialog dialog(objects_.boards.CurrentInstrument(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Apply(dialog.Result());
    return true;
}

}  // namespace guivarna
