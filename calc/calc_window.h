#pragma once

#include "settings/settings_store.h"
#include "theory/notes/notes.h"
#include "theory/search/chord_fingering.h"

#include <QDockWidget>

#include <array>
#include <cstddef>
#include <vector>

class QTabWidget;

namespace guivarna::board {
class BoardCollection;
}  // namespace guivarna::board
namespace guivarna::theory {
class MusicTheory;
class SearchEngine;
}  // namespace guivarna::theory

namespace guivarna::calc {

class CalcPage;
class ChordResultPage;
class ScaleResultPage;
class VoicingResultPage;

// The dockable "Calculations" window: the "Chord formulas", "Scale formulas" and "Voicings"
// pages on three tabs. It takes the wizards' requests to the right page.
class CalcWindow : public QDockWidget {
    Q_OBJECT

public:
    // The most fingerings one "Add to chord sheet" hands on; a larger selection gives its first
    // rows.
    static constexpr std::size_t kMaxSheetAdd = 500;

    CalcWindow(theory::SearchEngine& engine, const theory::MusicTheory& theory,
        board::BoardCollection& boards, QWidget* parent = nullptr);

    ChordResultPage& ChordPage() const { return *chordPage_; }
    ScaleResultPage& ScalePage() const { return *scalePage_; }
    VoicingResultPage& VoicingPage() const { return *voicingPage_; }
    QTabWidget& Tabs() const { return *tabs_; }

    // A chord request was set: the chord page updates its buttons and its tab is shown.
    void ChordSearchReady();
    // Start the chord search now (the tab is not changed).
    void ChordSearchGo();
    void ScaleSearchReady();
    void ScaleSearchGo();
    // Voices the chord (root, intervals with bit k = k semitones up, the slash bass or
    // kNoPitchClass) now, on the "Voicings" tab, which is shown.
    void VoicingsGo(theory::PitchClass root, int intervals, theory::PitchClass slashBass);
    // Stops both runs and waits for their workers.
    void StopAll();
    // Empties both searches' results and both lists (after the instrument changed, say).
    void ClearResults(theory::SearchEngine& engine);
    // The delay of "pauze" and "resume" on both pages.
    void SetPauseDelay(int milliseconds);

    // "Add to chord sheet" takes the selection of the list shown: the voicing list while its tab
    // is shown, the chord list otherwise.
    // True while that list has a selected row with a fingering.
    bool CanAddToChordSheet() const;
    // How many of its rows with a fingering are selected (may exceed kMaxSheetAdd).
    int SelectedChordCount() const;
    // The root of the chord the list plays (kNoPitchClass before the first search).
    theory::PitchClass ChordListRoot() const;
    // The instrument the list was searched on (open notes, string 1 first).
    std::vector<theory::Note> ChordListTuning() const;
    // Emits AddToChordSheetRequested with the first kMaxSheetAdd selected fingerings, in list
    // order; does nothing without a selection.
    void AddSelectionToChordSheet();

    // Where the window was docked, its size and whether it floats, kept under "CalcWindow".
    void SavePlacement(settings::SettingsStore& store) const;
    // Docks the window (at the bottom unless the settings say otherwise) into window.
    void Place(class QMainWindow& window, const settings::SettingsStore& store);

signals:
    void SceneChanged();
    // The chord list's selection changed (CanAddToChordSheet may have changed with it).
    void ChordSelectionChanged();
    // The user asked for these fingerings on the chord sheet (context menu or command).
    void AddToChordSheetRequested(const std::vector<theory::ChordFingering>& fingerings);

private:
    bool VoicingsShown() const;
    std::array<CalcPage*, 3> Pages() const;

    QTabWidget* tabs_;
    // Set once the window has floated: only the first undock takes the first floating size.
    bool floatedBefore_ = false;
    ChordResultPage* chordPage_;
    ScaleResultPage* scalePage_;
    VoicingResultPage* voicingPage_;
};

}  // namespace guivarna::calc
