#pragma once

#include "calc/calc_page.h"
#include "theory/notes/notes.h"
#include "theory/search/chord_fingering.h"

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace guivarna::theory {
class VoicingResultList;
}

namespace guivarna::calc {

class VoicingOptionsBar;
class VoicingResultModel;

// "Voicings": every way to play one chord on the ChordBoard's instrument, as chord books show it,
// in ranked order, with the options row above the list. A click on a row shows it on the
// ChordBoard; a header click sorts by that column, reverses on the next and restores the ranked
// order on the third.
class VoicingResultPage : public CalcPage {
    Q_OBJECT

public:
    VoicingResultPage(board::BoardCollection& boards, QWidget* parent = nullptr);

    // The chord to voice from now on: its root, intervals (bit k = k semitones above the root)
    // and the bass a slash symbol named (kNoPitchClass: none).
    void SetChord(theory::PitchClass root, int intervals, theory::PitchClass slashBass);
    bool HasChord() const { return intervals_ != 0; }
    // Empties the list (the instrument changed).
    void ShowLatestResults() override;

    VoicingOptionsBar& OptionsBar() const { return *options_; }
    // Asked at each "go" for how many threads to search on.
    void SetSearchThreads(std::function<int()> threads) { searchThreads_ = std::move(threads); }
    void SortByColumn(int column);

    // The selected voicings as fingerings, in the order the rows show them, at most limit.
    std::vector<theory::ChordFingering> SelectedFingerings(std::size_t limit) const;
    int SelectedCount() const;
    // The chord's root and the instrument the listed voicings were found on (string 1 first).
    theory::PitchClass ListRoot() const;
    std::vector<theory::Note> ListTuning() const;
    QMenu& ContextMenu() const { return *contextMenu_; }
    QAction& AddToSheetAction() const { return *addToSheet_; }

protected:
    void ShowRow(int row) override;

private:
    void OnRunFinished();
    void ApplyOrder(std::shared_ptr<const std::vector<std::uint32_t>> order);
    void ResetSort();

    board::BoardCollection& boards_;
    VoicingResultModel* model_;
    VoicingOptionsBar* options_;
    QMenu* contextMenu_;
    QAction* addToSheet_;
    theory::PitchClass root_ = 0;
    int intervals_ = 0;
    theory::PitchClass slashBass_ = theory::kNoPitchClass;
    std::function<int()> searchThreads_;
    // The ranked order of the last finished run; the rows show it unless a column sorts them.
    std::shared_ptr<const std::vector<std::uint32_t>> ranked_;
    int sortColumn_ = -1;
    bool descending_ = false;
};

}  // namespace guivarna::calc
