#include "calc/voicing_page.h"

#include "board/board_collection.h"
#include "calc/calc_runner.h"
#include "calc/result_list_view.h"
#include "calc/result_models.h"
#include "calc/row_selection.h"
#include "calc/voicing_options_bar.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/search/parallel_chord_run.h"
#include "theory/search/run_control.h"
#include "theory/search/voicing_results.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace guivarna::calc {

namespace {

// Whether a comes before b in the order of column: the frets and the fingers string by string,
// the difficulty, the name. Equal rows keep their ranked order (the sort is stable).
bool ColumnBefore(int column, const theory::Voicing& a, const theory::Voicing& b,
    const std::string& nameA, const std::string& nameB)
{
    switch (column) {
    case VoicingResultModel::kFretsColumn:
        return a.frets < b.frets;
    case VoicingResultModel::kFingersColumn:
        return a.hand.fingers < b.hand.fingers;
    case VoicingResultModel::kDifficultyColumn:
        return a.hand.difficulty < b.hand.difficulty;
    default:
        return nameA < nameB;
    }
}

}  // namespace

VoicingResultPage::VoicingResultPage(board::BoardCollection& boards, QWidget* parent)
    : CalcPage(new VoicingResultModel, parent), boards_(boards),
      model_(static_cast<VoicingResultModel*>(&Model())), options_(new VoicingOptionsBar(this)),
      contextMenu_(new QMenu(this)),
      addToSheet_(new QAction(Text(strings::kCmdAddToChordSheet), this)),
      searchThreads_(theory::DefaultSearchThreads)
{
    AddAboveList(options_);
    List().SetMultiSelection(true);
    List().SetStretchLastColumn(true);
    List().setContextMenuPolicy(Qt::CustomContextMenu);
    addToSheet_->setObjectName(QStringLiteral("addVoicingsToChordSheet"));
    contextMenu_->addAction(addToSheet_);
    connect(&List(), &QWidget::customContextMenuRequested, this, [this](QPoint point) {
        addToSheet_->setEnabled(SelectedCount() > 0);
        contextMenu_->popup(List().viewport()->mapToGlobal(point));
    });
    const auto updateAction = [this] { addToSheet_->setEnabled(SelectedCount() > 0); };
    connect(&List(), &ResultListView::SelectionChanged, this, updateAction);
    connect(model_, &QAbstractItemModel::modelReset, this, updateAction);
    updateAction();
    QHeaderView& header = *List().header();
    header.setSectionResizeMode(QHeaderView::Interactive);
    header.setSectionsClickable(true);
    connect(&header, &QHeaderView::sectionClicked, this, &VoicingResultPage::SortByColumn);
    const QFontMetrics metrics = List().fontMetrics();
    const QString sixStrings = QStringLiteral("10 - 10 - 10 - 10 - 10 - 10");
    header.resizeSection(VoicingResultModel::kFretsColumn, metrics.horizontalAdvance(sixStrings));
    header.resizeSection(VoicingResultModel::kFingersColumn,
        metrics.horizontalAdvance(QStringLiteral("0 - 0 - 0 - 0 - 0 - 0") +
            Text(strings::kBarreAt) + QStringLiteral("12")) +
            17);
    header.resizeSection(VoicingResultModel::kDifficultyColumn,
        metrics.horizontalAdvance(Text(strings::kColumnDifficulty)) + 17);

    auto makeJob = [this](std::shared_ptr<theory::RunControl> control) -> CalcRunner::Job {
        std::vector<int> open;
        boards_.OpenNotes(board::BoardCollection::kChordBoard, open);
        std::vector<theory::Note> tuning(open.begin(), open.end());
        theory::VoicingRequest request =
            options_->Options().RequestFor(root_, intervals_, slashBass_, tuning);
        // Only frets the ChordBoard has, so that every row can be shown on it.
        const int positions = boards_.FretCount(board::BoardCollection::kChordBoard);
        if (positions > 0)
            request.highestFret = std::min(request.highestFret, positions - 1);
        request.lowestFret = std::min(request.lowestFret, request.highestFret);
        auto list = std::make_shared<theory::VoicingResultList>(request, std::move(tuning));
        ResetSort();
        ranked_.reset();
        model_->SetList(list);
        return [list, control, threads = searchThreads_()] {
            theory::StreamVoicings(list->Request(), list->Tuning(), threads, control.get(),
                [&list](
                    std::vector<theory::Voicing>&& piece) { list->AppendPiece(std::move(piece)); });
        };
    };
    SetRunner(new CalcRunner(
        makeJob, [this] { return HasChord(); }, this));
    connect(&Runner(), &CalcRunner::RunFinished, this, &VoicingResultPage::OnRunFinished);
}

void VoicingResultPage::SetChord(
    theory::PitchClass root, int intervals, theory::PitchClass slashBass)
{
    root_ = root;
    intervals_ = intervals | 1;
    slashBass_ = slashBass;
    UpdateButtons();
}

void VoicingResultPage::ShowLatestResults()
{
    ResetSort();
    ranked_.reset();
    model_->SetList(nullptr);
}

void VoicingResultPage::OnRunFinished()
{
    const std::shared_ptr<const theory::VoicingResultList>& list = model_->List();
    if (!list)
        return;
    // The rows came in window by window; now that all are in, they take the ranked order and
    // the best one is shown.
    ranked_ = std::make_shared<const std::vector<std::uint32_t>>(list->RankedOrder());
    ResetSort();
    ApplyOrder(ranked_);
    if (model_->PublishedCount() > 0)
        List().SelectRow(0);
    ShowStatus(Text(strings::kVoicingsFound).arg(model_->PublishedCount()));
}

void VoicingResultPage::ResetSort()
{
    sortColumn_ = -1;
    descending_ = false;
    List().header()->setSortIndicatorShown(false);
}

void VoicingResultPage::SortByColumn(int column)
{
    const std::shared_ptr<const theory::VoicingResultList>& list = model_->List();
    // Rows are still coming in while a run goes on: the order is made once they are all there.
    if (!list || !ranked_ || model_->ShowsNotice() || column < 0 ||
        column >= model_->columnCount() || Runner().HasWorker())
        return;
    QHeaderView& header = *List().header();
    if (column == sortColumn_ && descending_) {
        ResetSort();
        ApplyOrder(ranked_);
        return;
    }
    descending_ = column == sortColumn_;
    sortColumn_ = column;
    std::vector<theory::Voicing> rows;
    std::vector<std::string> names;
    rows.reserve(list->Count());
    for (std::size_t i = 0; i < list->Count(); ++i) {
        rows.push_back(list->Get(i));
        if (column == VoicingResultModel::kNameColumn)
            names.push_back(theory::VoicingName(rows.back(), list->Request(), list->Tuning()));
    }
    const auto nameOf = [&names](std::uint32_t i) -> const std::string& {
        static const std::string none;
        return names.empty() ? none : names[i];
    };
    auto order = std::make_shared<std::vector<std::uint32_t>>(*ranked_);
    std::stable_sort(order->begin(), order->end(), [&](std::uint32_t a, std::uint32_t b) {
        return descending_ ? ColumnBefore(column, rows[b], rows[a], nameOf(b), nameOf(a))
                           : ColumnBefore(column, rows[a], rows[b], nameOf(a), nameOf(b));
    });
    header.setSortIndicatorShown(true);
    header.setSortIndicator(column, descending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    ApplyOrder(std::move(order));
}

void VoicingResultPage::ApplyOrder(std::shared_ptr<const std::vector<std::uint32_t>> order)
{
    // The selected voicings stay selected in their new rows.
    std::vector<std::size_t> chosen;
    for (const int row : List().Selection().Rows(static_cast<std::size_t>(model_->rowCount())))
        chosen.push_back(model_->ListIndex(row));
    model_->SetOrder(theory::RowOrder(std::move(order)));
    if (chosen.empty() || model_->ShowsNotice())
        return;
    std::sort(chosen.begin(), chosen.end());
    RowSelection selection;
    int current = -1;
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (std::binary_search(chosen.begin(), chosen.end(), model_->ListIndex(row))) {
            selection.Add(row, row);
            if (current < 0)
                current = row;
        }
    }
    List().SetSelection(std::move(selection), current);
}

std::vector<theory::ChordFingering> VoicingResultPage::SelectedFingerings(std::size_t limit) const
{
    std::vector<theory::ChordFingering> fingerings;
    const std::shared_ptr<const theory::VoicingResultList>& list = model_->List();
    if (model_->ShowsNotice() || !list)
        return fingerings;
    for (const int row : List().Selection().Rows(limit)) {
        const std::size_t index = model_->ListIndex(row);
        if (index < list->Count())
            fingerings.push_back(theory::FingeringOfVoicing(list->Get(index), list->Tuning()));
    }
    return fingerings;
}

int VoicingResultPage::SelectedCount() const
{
    return model_->ShowsNotice() || !model_->List() ? 0 : List().Selection().Count();
}

theory::PitchClass VoicingResultPage::ListRoot() const
{
    return model_->List() ? model_->List()->Request().root : theory::kNoPitchClass;
}

std::vector<theory::Note> VoicingResultPage::ListTuning() const
{
    return model_->List() ? model_->List()->Tuning() : std::vector<theory::Note>{};
}

void VoicingResultPage::ShowRow(int row)
{
    const std::shared_ptr<const theory::VoicingResultList>& list = model_->List();
    if (list && row >= 0 && !model_->ShowsNotice() &&
        static_cast<std::size_t>(row) < list->Count()) {
        try {
            const theory::Voicing voicing = list->Get(model_->ListIndex(row));
            boards_.ShowFingering(board::BoardCollection::kChordBoard,
                theory::FingeringOfVoicing(voicing, list->Tuning()));
        } catch (const std::out_of_range&) {
            // The ChordBoard shows another instrument by now: nothing to show.
        }
    }
    emit SceneChanged();
}

}  // namespace guivarna::calc
