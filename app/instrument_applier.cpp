#include "app/instrument_applier.h"

#include "app/command_table.h"
#include "app/instrument_dialog.h"
#include "app/kova_view.h"
#include "app/program_objects.h"
#include "board/board_collection.h"
#include "calc/calc_page.h"
#include "calc/calc_window.h"
#include "resources/strings.h"

#include <stdexcept>

namespace guivarna {

using board::BoardCollection;

InstrumentApplier::InstrumentApplier(
    ProgramObjects& objects, KovaView& view, calc::CalcWindow* calculations)
    : objects_(objects), view_(view), calculations_(calculations)
{
}

void InstrumentApplier::StopAndClearSearches()
{
    if (calculations_ == nullptr) {
        objects_.engine.Chords().ClearResults();
        objects_.engine.Scales().ClearResults();
        return;
    }
    // The pages show the new, empty lists instead of rows of the old strings.
    calculations_->StopAll();
    calculations_->ClearResults(objects_.engine);
    calculations_->ChordPage().UpdateButtons();
    calculations_->ScalePage().UpdateButtons();
}

void InstrumentApplier::Apply(const theory::Instrument& instrument)
{
    if (const std::optional<std::string> problem = theory::InstrumentProblem(instrument))
        throw std::invalid_argument(*problem);

    StopAndClearSearches();
    BoardCollection& boards = objects_.boards;
    boards.ApplyInstrument(instrument);
    view_.TuneSearchToChordBoard();

    // Clearing the (already empty) ScaleBoard through the view switches the arpeggio off.
    view_.ClearBoard();
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

std::vector<Command> InstrumentApplier::Commands(QWidget& parent)
{
    return {
        {CommandId::Instrument, MenuId::File, strings::kCmdInstrument, "",
            [this, &parent] { Choose(&parent); }},
    };
}

}  // namespace guivarna
