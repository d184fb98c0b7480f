#include "calc/calc_window.h"

#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/result_list_view.h"
#include "calc/voicing_options_bar.h"
#include "calc/voicing_page.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "settings/setting.h"
#include "settings/settings_store.h"
#include "theory/search/search_engine.h"
#include "widgets/dock_placement.h"

#include <QAction>
#include <QMainWindow>
#include <QTabWidget>
#include <QTimer>

#include <cstdint>
#include <optional>

namespace guivarna::calc {

namespace {

// The window's sizes: docked 250 x 150 at least and at first, floating 250 x 250 at first and
// 250 x 125 at least.
constexpr QSize kDockedSize{250, 150};
constexpr QSize kFloatingSize{250, 250};
constexpr QSize kFloatingMinimum{250, 125};

constexpr QStringView kPlacementBase = u"CalcWindow";
// The chord search's "Search threads", under the window's own key; absent = one per core.
constexpr settings::IntSetting kSearchThreads{u"\\SearchThreads", 1, 1, 256};

}  // namespace

CalcWindow::CalcWindow(theory::SearchEngine& engine, const theory::MusicTheory& theory,
    board::BoardCollection& boards, QWidget* parent)
    : QDockWidget(Text(strings::kCalculations), parent), tabs_(new QTabWidget(this)),
      chordPage_(new ChordResultPage(engine, theory, boards)),
      scalePage_(new ScaleResultPage(engine, boards)), voicingPage_(new VoicingResultPage(boards))
{
    setObjectName(QStringLiteral("CalcWindow"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
        QDockWidget::DockWidgetFloatable);
    tabs_->addTab(chordPage_, Text(strings::kChordFormulas));
    tabs_->addTab(scalePage_, Text(strings::kScaleFormulas));
    tabs_->addTab(voicingPage_, Text(strings::kVoicings));
    // Voicings run on as many threads as the chord search.
    voicingPage_->SetSearchThreads([this] { return chordPage_->SearchThreads(); });
    // Screen readers name each result list after its page.
    chordPage_->List().setAccessibleName(Text(strings::kChordFormulas));
    scalePage_->List().setAccessibleName(Text(strings::kScaleFormulas));
    voicingPage_->List().setAccessibleName(Text(strings::kVoicings));
    tabs_->setMinimumSize(kDockedSize);
    setWidget(tabs_);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        tabs_->setMinimumSize(floating ? kFloatingMinimum : kDockedSize);
        if (floating && !floatedBefore_) {
            // The first undock floats at the window's own first size, not at the docked one.
            // Qt sizes the floating frame after this notice, so the resize comes after it.
            floatedBefore_ = true;
            QTimer::singleShot(0, this, [this] {
                if (isFloating())
                    resize(kFloatingSize);
            });
        }
    });
    for (CalcPage* page : {static_cast<CalcPage*>(chordPage_), static_cast<CalcPage*>(scalePage_),
             static_cast<CalcPage*>(voicingPage_)})
        connect(page, &CalcPage::SceneChanged, this, &CalcWindow::SceneChanged);
    for (CalcPage* page :
        {static_cast<CalcPage*>(chordPage_), static_cast<CalcPage*>(voicingPage_)}) {
        connect(&page->List(), &ResultListView::SelectionChanged, this,
            &CalcWindow::ChordSelectionChanged);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &CalcWindow::ChordSelectionChanged);
    for (QAction* add : {&chordPage_->AddToSheetAction(), &voicingPage_->AddToSheetAction()})
        connect(add, &QAction::triggered, this, &CalcWindow::AddSelectionToChordSheet);
}

bool CalcWindow::VoicingsShown() const
{
    return tabs_->currentWidget() == voicingPage_;
}

bool CalcWindow::CanAddToChordSheet() const
{
    return SelectedChordCount() > 0;
}

int CalcWindow::SelectedChordCount() const
{
    return VoicingsShown() ? voicingPage_->SelectedCount() : chordPage_->SelectedCount();
}

theory::PitchClass CalcWindow::ChordListRoot() const
{
    return VoicingsShown() ? voicingPage_->ListRoot() : chordPage_->ListRoot();
}

std::vector<theory::Note> CalcWindow::ChordListTuning() const
{
    return VoicingsShown() ? voicingPage_->ListTuning() : chordPage_->ListTuning();
}

void CalcWindow::AddSelectionToChordSheet()
{
    std::vector<theory::ChordFingering> fingerings = VoicingsShown()
        ? voicingPage_->SelectedFingerings(kMaxSheetAdd)
        : chordPage_->SelectedFingerings(kMaxSheetAdd);
    if (!fingerings.empty())
        emit AddToChordSheetRequested(fingerings);
}

void CalcWindow::ChordSearchReady()
{
    chordPage_->UpdateButtons();
    tabs_->setCurrentWidget(chordPage_);
}

void CalcWindow::ChordSearchGo()
{
    chordPage_->Runner().Go();
}

void CalcWindow::ScaleSearchReady()
{
    scalePage_->UpdateButtons();
    tabs_->setCurrentWidget(scalePage_);
}

void CalcWindow::ScaleSearchGo()
{
    scalePage_->Runner().Go();
}

void CalcWindow::VoicingsGo(theory::PitchClass root, int intervals, theory::PitchClass slashBass)
{
    voicingPage_->SetChord(root, intervals, slashBass);
    tabs_->setCurrentWidget(voicingPage_);
    voicingPage_->Runner().Go();
}

void CalcWindow::StopAll()
{
    for (CalcPage* page : Pages())
        page->Runner().StopAndWait();
}

void CalcWindow::SetPauseDelay(int milliseconds)
{
    for (CalcPage* page : Pages())
        page->Runner().SetDelay(milliseconds);
}

std::array<CalcPage*, 3> CalcWindow::Pages() const
{
    return {chordPage_, scalePage_, voicingPage_};
}

void CalcWindow::ClearResults(theory::SearchEngine& engine)
{
    engine.Chords().ClearResults();
    engine.Scales().ClearResults();
    for (CalcPage* page : Pages())
        page->ShowLatestResults();
}

void CalcWindow::SavePlacement(settings::SettingsStore& store) const
{
    if (const auto* window = qobject_cast<const QMainWindow*>(parentWidget()))
        widgets::SaveDockPlacement(*window, *this, store, kPlacementBase);
    settings::Write(store, kSearchThreads, chordPage_->SearchThreads(), kPlacementBase);
    voicingPage_->OptionsBar().Options().Write(store, kPlacementBase);
}

void CalcWindow::Place(QMainWindow& window, const settings::SettingsStore& store)
{
    // Only the left, right and bottom edges take the window; the bottom is its first place.
    if (widgets::PlaceDock(window, *this, store, kPlacementBase, Qt::BottomDockWidgetArea,
            {kDockedSize, kFloatingSize, kFloatingMinimum}))
        floatedBefore_ = true;
    // A value out of range reads as absent.
    if (const std::optional<std::int32_t> threads =
            settings::ReadIfValid(store, kSearchThreads, kPlacementBase))
        chordPage_->SetSearchThreads(*threads);
    voicingPage_->OptionsBar().SetOptions(VoicingOptions::Read(store, kPlacementBase));
}

}  // namespace guivarna::calc
