#pragma once

#include "theory/notes/notes.h"
#include "theory/search/chord_fingering.h"

#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace guivarna::board {
class BoardCollection;
}
namespace guivarna::theory {
class MusicTheory;
class SearchEngine;
}  // namespace guivarna::theory

namespace guivarna::calc {

class CalcRunner;
class ChordResultModel;
class ChordRowSorter;
class ResultListModel;
class ResultListView;
class ScaleResultModel;

// A result page of the calculations window: the result list above the buttons "go", "pauze",
// "resume" and "stop", with the runner that fills the list from a worker. While a run goes on,
// the rows found so far are published in batches; the first row of a run is selected (and shown
// on its board) as soon as it exists.
class CalcPage : public QWidget {
    Q_OBJECT

public:
    ~CalcPage() override;

    CalcRunner& Runner() const { return *runner_; }
    ResultListView& List() const { return *list_; }
    ResultListModel& Model() const { return *model_; }
    // Sets the enabled states of the four buttons from the run state.
    void UpdateButtons();
    // Shows the search's latest result list from now on (after its results were cleared).
    virtual void ShowLatestResults() = 0;

signals:
    // A board or the panels changed: the view should repaint.
    void SceneChanged();

protected:
    CalcPage(ResultListModel* model, QWidget* parent);
    // Called by the derived constructor once it can make jobs.
    void SetRunner(CalcRunner* runner);
    // Puts widget between the list and the buttons.
    void AddBelowList(QWidget* widget);
    // Puts widget above the list (an options row).
    void AddAboveList(QWidget* widget);
    // Shows result row on the page's board (never the notice row); -1 = no row selected.
    virtual void ShowRow(int row) = 0;
    // The status line below the list: why a run or a sort ended early ("" hides it).
    void ShowStatus(const QString& text);

private:
    void OnRunStarted();
    void OnRunFinished();
    void OnRunFailed(const QString& reason);
    void OnRunBroken(bool outOfMemory);
    void PublishRows();

    ResultListModel* model_;
    ResultListView* list_;
    QLabel* status_;
    CalcRunner* runner_ = nullptr;
    QPushButton* go_;
    QPushButton* pause_;
    QPushButton* resume_;
    QPushButton* stop_;
    QTimer publish_;
    bool firstRowSelected_ = false;
};

// "Chord formulas": the fingerings of the chord search, shown on the ChordBoard.
class ChordResultPage : public CalcPage {
    Q_OBJECT

public:
    ChordResultPage(theory::SearchEngine& engine, const theory::MusicTheory& theory,
        board::BoardCollection& boards, QWidget* parent = nullptr);

    void ShowLatestResults() override;

    // A click on a column header: sorts by that column, reverses the sort on the next click and
    // restores the search order on the one after.
    void SortByColumn(int column);
    bool Sorting() const;
    ChordRowSorter& Sorter() const { return *sorter_; }

    // The fingerings of the selected rows, in the order the rows show them, at most limit of
    // them; none while the list shows its notice row.
    std::vector<theory::ChordFingering> SelectedFingerings(std::size_t limit) const;
    // How many selected rows show a fingering.
    int SelectedCount() const;
    // The root of the chord the listed fingerings play (kNoPitchClass before the first search).
    theory::PitchClass ListRoot() const { return listRoot_; }
    // The instrument the listed fingerings were found on (open notes, string 1 first).
    const std::vector<theory::Note>& ListTuning() const { return listTuning_; }
    // The list's context menu and its "Add to chord sheet" item, enabled while a row with a
    // fingering is selected. The page does not act on the item; the calculations window does.
    QMenu& ContextMenu() const { return *contextMenu_; }
    QAction& AddToSheetAction() const { return *addToSheet_; }
    // How many threads the chord search runs on, chosen under "Search threads" in the context
    // menu (1 up to the number of cores, or more when set so); a change counts from the next
    // "go". The rows and their order are the same for any number.
    int SearchThreads() const { return searchThreads_; }
    void SetSearchThreads(int threads);
    QMenu& SearchThreadsMenu() const { return *threadsMenu_; }

protected:
    void ShowRow(int row) override;

private:
    void StopSorting();
    void ApplyOrder(std::shared_ptr<const std::vector<std::uint32_t>> order);
    void ShowProgress();
    void UpdateActions();
    void ShowContextMenu(QPoint viewportPoint);
    // One checkable item per thread count, the one in use checked.
    void FillThreadsMenu();

    theory::SearchEngine& engine_;
    const theory::MusicTheory& theory_;
    board::BoardCollection& boards_;
    ChordResultModel* model_;
    ChordRowSorter* sorter_;
    QLabel* progress_;
    QMenu* contextMenu_;
    QAction* addToSheet_;
    QMenu* threadsMenu_;
    int searchThreads_;
    QTimer progressTimer_;
    theory::PitchClass listRoot_ = theory::kNoPitchClass;
    std::vector<theory::Note> listTuning_;
    int sortColumn_ = -1;  // the column of the order shown or being made; -1 = search order
    bool descending_ = false;
};

// "Scale formulas": the scales of the scale search, shown on the ScaleBoard.
class ScaleResultPage : public CalcPage {
    Q_OBJECT

public:
    ScaleResultPage(
        theory::SearchEngine& engine, board::BoardCollection& boards, QWidget* parent = nullptr);

    void ShowLatestResults() override;

signals:
    // A found scale went onto the ScaleBoard: its notes, lowest pitch class first.
    void ScaleShown(const std::vector<theory::Note>& notes);

protected:
    void ShowRow(int row) override;

private:
    theory::SearchEngine& engine_;
    board::BoardCollection& boards_;
    ScaleResultModel* model_;
};

}  // namespace guivarna::calc
