#include "calc/calc_page.h"

#include "board/board_collection.h"
#include "calc/calc_runner.h"
#include "calc/chord_row_sorter.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"
#include "calc/row_selection.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/notes/music_theory.h"
#include "theory/search/parallel_chord_run.h"
#include "theory/search/search_engine.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace guivarna::calc {

namespace {

// How often the rows found by a running search are handed to the list.
constexpr int kPublishIntervalMs = 10;
// How often the progress line of a sort is brought up to date.
constexpr int kProgressIntervalMs = 100;

QPushButton* MakeButton(std::string_view text, QWidget* parent)
{
    auto* button = new QPushButton(Text(text), parent);
    button->setObjectName(Text(text));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CalcPage::CalcPage(ResultListModel* model, QWidget* parent)
    : QWidget(parent), model_(model), list_(new ResultListView(this)), status_(new QLabel(this)),
      go_(MakeButton(strings::kButtonGo, this)), pause_(MakeButton(strings::kButtonPause, this)),
      resume_(MakeButton(strings::kButtonResume, this)),
      stop_(MakeButton(strings::kButtonStop, this))
{
    model_->setParent(this);
    list_->setObjectName(QStringLiteral("list"));
    list_->setModel(model_);
    connect(list_, &ResultListView::SelectionChanged, this, [this] {
        // The board shows the first selected row; the notice row of a run without results is
        // never shown on a board.
        const int row = list_->SelectedRow();
        if (row < 0 || !model_->ShowsNotice())
            ShowRow(row);
    });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {go_, pause_, resume_, stop_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_, 1);
    status_->setObjectName(QStringLiteral("runStatus"));
    status_->hide();
    layout->addWidget(status_);
    layout->addLayout(buttons);

    publish_.setInterval(kPublishIntervalMs);
    connect(&publish_, &QTimer::timeout, this, &CalcPage::PublishRows);
}

CalcPage::~CalcPage()
{
    // The worker must be gone before anything it was given is destroyed. The derived page is
    // gone already, so the runner's notices must not reach this page any more.
    if (runner_) {
        disconnect(runner_, nullptr, this, nullptr);
        runner_->StopAndWait();
    }
}

void CalcPage::SetRunner(CalcRunner* runner)
{
    runner_ = runner;
    connect(runner_, &CalcRunner::ButtonsChanged, this, &CalcPage::UpdateButtons);
    connect(runner_, &CalcRunner::RunStarted, this, &CalcPage::OnRunStarted);
    connect(runner_, &CalcRunner::RunFinished, this, &CalcPage::OnRunFinished);
    connect(runner_, &CalcRunner::RunFailed, this, &CalcPage::OnRunFailed);
    connect(runner_, &CalcRunner::RunBroken, this, &CalcPage::OnRunBroken);
    connect(go_, &QPushButton::clicked, runner_, &CalcRunner::Go);
    connect(pause_, &QPushButton::clicked, runner_, &CalcRunner::Pause);
    connect(resume_, &QPushButton::clicked, runner_, &CalcRunner::Resume);
    connect(stop_, &QPushButton::clicked, runner_, &CalcRunner::Stop);
    UpdateButtons();
}

void CalcPage::AddBelowList(QWidget* widget)
{
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->indexOf(list_) + 1, widget);
}

void CalcPage::AddAboveList(QWidget* widget)
{
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->indexOf(list_), widget);
}

void CalcPage::UpdateButtons()
{
    go_->setEnabled(runner_->GoEnabled());
    pause_->setEnabled(runner_->PauseEnabled());
    resume_->setEnabled(runner_->ResumeEnabled());
    stop_->setEnabled(runner_->StopEnabled());
}

void CalcPage::ShowStatus(const QString& text)
{
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

void CalcPage::OnRunStarted()
{
    ShowStatus({});
    firstRowSelected_ = false;
    publish_.start();
    emit SceneChanged();
}

void CalcPage::PublishRows()
{
    if (model_->Publish() && !firstRowSelected_) {
        firstRowSelected_ = true;
        list_->SelectRow(0);
    }
}

void CalcPage::OnRunFinished()
{
    publish_.stop();
    PublishRows();
    model_->Finish();
}

void CalcPage::OnRunBroken(bool outOfMemory)
{
    // The rows found until then stay listed (published by OnRunFinished just before).
    ShowStatus(Text(outOfMemory ? strings::kSearchOutOfMemory : strings::kSearchBroken)
                   .arg(model_->PublishedCount()));
}

void CalcPage::OnRunFailed(const QString& reason)
{
    // Not modal to the loop: the page stays as it was and the user is told why.
    auto* box = new QMessageBox(QMessageBox::Warning, Text(strings::kAppTitle),
        Text(strings::kRunNotStarted).arg(reason), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// --- ChordResultPage ---------------------------------------------------------------------------

ChordResultPage::ChordResultPage(theory::SearchEngine& engine, const theory::MusicTheory& theory,
    board::BoardCollection& boards, QWidget* parent)
    : CalcPage(new ChordResultModel, parent), engine_(engine), theory_(theory), boards_(boards),
      model_(static_cast<ChordResultModel*>(&Model())), sorter_(new ChordRowSorter(this)),
      progress_(new QLabel(this)), contextMenu_(new QMenu(this)),
      addToSheet_(new QAction(Text(strings::kCmdAddToChordSheet), this)),
      threadsMenu_(new QMenu(Text(strings::kSearchThreads), contextMenu_)),
      searchThreads_(theory::DefaultSearchThreads())
{
    List().SetMultiSelection(true);
    List().setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&List(), &QWidget::customContextMenuRequested, this, &ChordResultPage::ShowContextMenu);
    addToSheet_->setObjectName(QStringLiteral("addToChordSheet"));
    contextMenu_->addAction(addToSheet_);
    threadsMenu_->setObjectName(QStringLiteral("searchThreads"));
    contextMenu_->addMenu(threadsMenu_);
    FillThreadsMenu();
    connect(&List(), &ResultListView::SelectionChanged, this, &ChordResultPage::UpdateActions);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &ChordResultPage::UpdateActions);
    connect(model_, &QAbstractItemModel::modelReset, this, &ChordResultPage::UpdateActions);
    UpdateActions();
    List().header()->setSectionResizeMode(QHeaderView::Interactive);
    List().header()->setSectionsClickable(true);
    connect(List().header(), &QHeaderView::sectionClicked, this, &ChordResultPage::SortByColumn);
    progress_->setObjectName(QStringLiteral("sortProgress"));
    progress_->hide();
    AddBelowList(progress_);
    progressTimer_.setInterval(kProgressIntervalMs);
    connect(&progressTimer_, &QTimer::timeout, this, &ChordResultPage::ShowProgress);
    connect(sorter_, &ChordRowSorter::Sorted, this,
        [this](std::shared_ptr<const theory::ChordResultList> list,
            std::shared_ptr<const std::vector<std::uint32_t>> order) {
            if (list == model_->List())
                ApplyOrder(std::move(order));
            StopSorting();
        });
    connect(sorter_, &ChordRowSorter::SortBroken, this, [this](bool outOfMemory) {
        StopSorting();
        sortColumn_ = -1;
        List().header()->setSortIndicatorShown(false);
        ShowStatus(Text(outOfMemory ? strings::kSortOutOfMemory : strings::kSortBroken));
    });
    for (int column = 0; column < model_->columnCount(); ++column) {
        const QString title =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        List().header()->resizeSection(column, List().fontMetrics().horizontalAdvance(title) + 17);
    }
    // The fingers of six strings with a barre fit without eliding.
    const QString fingers =
        QStringLiteral("0 - 0 - 0 - 0 - 0 - 0") + Text(strings::kBarreAt) + QStringLiteral("12");
    List().header()->resizeSection(
        ChordResultModel::kFingersColumn, List().fontMetrics().horizontalAdvance(fingers) + 17);
    auto makeJob = [this](std::shared_ptr<theory::RunControl> control) -> CalcRunner::Job {
        // The chord is the theory object's current one; the rest of the request is the wizard's.
        theory::ChordSearch& search = engine_.Chords();
        theory::ChordSearchRequest request = search.Request();
        theory::TakeChord(request, theory_);
        listRoot_ = request.root;
        search.SetRequest(request);
        // Only frets the ChordBoard has: a range set for a longer neck (or the default one)
        // would list fingerings that no board can show. The limit holds for this run alone, so
        // a board lengthened later searches the whole range again.
        const int positions = boards_.FretCount(board::BoardCollection::kChordBoard);
        std::optional<std::uint32_t> highestFret;
        if (positions > 0)
            highestFret = static_cast<std::uint32_t>(positions - 1);
        std::shared_ptr<theory::ChordRun> run = search.StartRun(std::move(control), highestFret);
        listTuning_ = run->Tuning();
        // A new search drops the sort in progress and the order shown.
        sorter_->Cancel();
        StopSorting();
        sortColumn_ = -1;
        List().header()->setSortIndicatorShown(false);
        model_->SetList(run->Results(), search.StringCount());
        return [run, threads = searchThreads_] { run->RunToEnd(threads); };
    };
    SetRunner(new CalcRunner(
        makeJob, [this] { return theory_.HasSelection(); }, this));
}

void ChordResultPage::SetSearchThreads(int threads)
{
    searchThreads_ = std::max(1, threads);
    FillThreadsMenu();
}

void ChordResultPage::FillThreadsMenu()
{
    threadsMenu_->clear();
    auto* group = new QActionGroup(threadsMenu_);
    const int most = std::max(theory::DefaultSearchThreads(), searchThreads_);
    for (int threads = 1; threads <= most; ++threads) {
        QAction* item = threadsMenu_->addAction(QString::number(threads));
        item->setObjectName(QStringLiteral("searchThreads%1").arg(threads));
        item->setCheckable(true);
        item->setChecked(threads == searchThreads_);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, threads] {
            // Rebuilt later: the item that sent this must outlive its signal.
            QTimer::singleShot(0, this, [this, threads] { SetSearchThreads(threads); });
        });
    }
}

void ChordResultPage::ShowLatestResults()
{
    listTuning_ = engine_.Chords().Tuning();
    sorter_->Cancel();
    StopSorting();
    sortColumn_ = -1;
    List().header()->setSortIndicatorShown(false);
    model_->SetList(engine_.Chords().Results(), engine_.Chords().StringCount());
}

void ChordResultPage::SortByColumn(int column)
{
    // Before the first run the model has no list at all: there is nothing to sort.
    if (column < 0 || column >= model_->columnCount() || model_->ShowsNotice() || !model_->List())
        return;
    QHeaderView& header = *List().header();
    if (column == sortColumn_ && descending_) {
        // The third click: back to the order the search found the rows in.
        sorter_->Cancel();
        StopSorting();
        sortColumn_ = -1;
        header.setSortIndicatorShown(false);
        ApplyOrder(nullptr);
        return;
    }
    descending_ = column == sortColumn_;
    sortColumn_ = column;
    header.setSortIndicatorShown(true);
    header.setSortIndicator(column, descending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    sorter_->Start(model_->List(), model_->StringCount(),
        static_cast<std::size_t>(model_->PublishedCount()),
        static_cast<theory::ChordColumn>(column), descending_);
    progressTimer_.start();
    ShowProgress();
}

bool ChordResultPage::Sorting() const
{
    return sorter_->Running();
}

void ChordResultPage::StopSorting()
{
    progressTimer_.stop();
    progress_->hide();
}

void ChordResultPage::ShowProgress()
{
    if (!sorter_->Running()) {
        StopSorting();
        return;
    }
    const QString title =
        model_->headerData(sortColumn_, Qt::Horizontal, Qt::DisplayRole).toString();
    progress_->setText(
        Text(strings::kSortingBy).arg(title).arg(static_cast<int>(sorter_->Progress() * 100.0)));
    progress_->show();
}

std::vector<theory::ChordFingering> ChordResultPage::SelectedFingerings(std::size_t limit) const
{
    std::vector<theory::ChordFingering> fingerings;
    if (model_->ShowsNotice() || !model_->List())
        return fingerings;
    const theory::ChordResultList& list = *model_->List();
    for (const int row : List().Selection().Rows(limit)) {
        // A row shows the result its place in the sorted order names.
        const std::size_t index = model_->ListIndex(row);
        if (index < list.Count())
            fingerings.push_back(list.Get(index));
    }
    return fingerings;
}

int ChordResultPage::SelectedCount() const
{
    return model_->ShowsNotice() || !model_->List() ? 0 : List().Selection().Count();
}

void ChordResultPage::UpdateActions()
{
    addToSheet_->setEnabled(SelectedCount() > 0);
}

void ChordResultPage::ShowContextMenu(QPoint viewportPoint)
{
    UpdateActions();
    contextMenu_->popup(List().viewport()->mapToGlobal(viewportPoint));
}

void ChordResultPage::ApplyOrder(std::shared_ptr<const std::vector<std::uint32_t>> order)
{
    // The selected results stay selected, in their new rows, and so does the current one. One
    // bit per row marks them, so this costs one pass over the rows however many are selected.
    const int rows = model_->rowCount();
    const bool keep = !List().Selection().Empty() && !model_->ShowsNotice();
    std::vector<bool> chosen;
    std::size_t currentIndex = static_cast<std::size_t>(-1);
    if (keep) {
        chosen.assign(static_cast<std::size_t>(rows), false);
        for (const auto& [first, last] : List().Selection().Ranges()) {
            for (int row = first; row <= last; ++row) {
                if (const std::size_t index = model_->ListIndex(row); index < chosen.size())
                    chosen[index] = true;
            }
        }
        if (List().CurrentRow() >= 0)
            currentIndex = model_->ListIndex(List().CurrentRow());
    }
    const theory::RowOrder shown(std::move(order));
    engine_.Chords().SetShownOrder(model_->List(), shown);
    model_->SetOrder(shown);
    if (!keep)
        return;
    RowSelection selection;
    int current = -1;
    for (int row = 0; row < rows; ++row) {
        const std::size_t index = model_->ListIndex(row);
        if (index < chosen.size() && chosen[index])
            selection.Add(row, row);
        if (index == currentIndex)
            current = row;
    }
    List().SetSelection(std::move(selection), current);
}

void ChordResultPage::ShowRow(int row)
{
    theory::ChordSearch& search = engine_.Chords();
    if (model_->IsResultOf(row, search.Results())) {
        try {
            const std::size_t index = model_->ListIndex(row);
            boards_.ShowFingering(board::BoardCollection::kChordBoard, model_->List()->Get(index));
            search.SetCurrent(static_cast<int>(index));
        } catch (const std::out_of_range&) {
            // A fingering of strings or frets the board does not have: nothing to show.
        }
    }
    emit SceneChanged();
}

// --- ScaleResultPage ---------------------------------------------------------------------------

ScaleResultPage::ScaleResultPage(
    theory::SearchEngine& engine, board::BoardCollection& boards, QWidget* parent)
    : CalcPage(new ScaleResultModel, parent), engine_(engine), boards_(boards),
      model_(static_cast<ScaleResultModel*>(&Model()))
{
    List().SetStretchLastColumn(true);
    // The notes column holds a seven-note scale; the names take the rest of the width.
    List().header()->setSectionResizeMode(QHeaderView::Interactive);
    List().header()->resizeSection(0,
        List().fontMetrics().horizontalAdvance(QStringLiteral("Db - Eb - Gb - Ab - Bb - B - Db")) +
            17);
    auto makeJob = [this](std::shared_ptr<theory::RunControl> control) -> CalcRunner::Job {
        std::shared_ptr<theory::ScaleRun> run = engine_.Scales().StartRun(std::move(control));
        model_->SetList(run->Results());
        return [run] {
            std::vector<theory::Note> scale;
            while (run->Next(scale)) { }
        };
    };
    SetRunner(new CalcRunner(
        makeJob, [this] { return engine_.Scales().HasToneCount(); }, this));
}

void ScaleResultPage::ShowLatestResults()
{
    model_->SetList(engine_.Scales().Results());
}

void ScaleResultPage::ShowRow(int row)
{
    theory::ScaleSearch& search = engine_.Scales();
    if (model_->IsResultOf(row, search.Results())) {
        const std::vector<theory::Note> notes = model_->List()->Get(static_cast<std::size_t>(row));
        boards_.ShowPitchClasses(board::BoardCollection::kScaleBoard, notes);
        search.ClearNamedScale();
        search.SetCurrent(row);
        emit ScaleShown(notes);
    }
    emit SceneChanged();
}

}  // namespace guivarna::calc
