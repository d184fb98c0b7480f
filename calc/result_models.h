#pragma once

#include "theory/search/chord_search.h"
#include "theory/search/scale_search.h"
#include "theory/search/voicing_results.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>

namespace guivarna::calc {

// A search's result list as table rows: row i is result i of the list, decoded when asked for,
// never copied. The list grows on a worker; Publish, called on the interface thread, makes the
// rows found so far known to views in one batch. A finished run without results shows the
// single notice row "Current filter filtered out all options...".
class ResultListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ResultListModel(QStringList titles, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Adds the rows the list holds beyond those shown; true when there were any.
    bool Publish();
    // The run has ended: publishes the rest, or the notice row when the list is empty.
    void Finish();
    // The rows of the list that views know of (the notice row not counted).
    int PublishedCount() const { return published_; }
    bool ShowsNotice() const { return notice_; }

protected:
    // Views forget every row; the list to show from now on is set by the derived model.
    void BeginNewList();
    void EndNewList();

    virtual std::size_t ListCount() const = 0;
    virtual QString Cell(std::size_t row, int column) const = 0;

private:
    QStringList titles_;
    int published_ = 0;
    bool notice_ = false;
};

// A result list model over one kind of search result list.
template <typename ListType> class SearchResultModel : public ResultListModel {
public:
    using ResultListModel::ResultListModel;

    // Shows list from now on; views forget every row they had.
    void SetList(std::shared_ptr<const ListType> list)
    {
        BeginNewList();
        list_ = std::move(list);
        EndNewList();
    }
    const std::shared_ptr<const ListType>& List() const { return list_; }

    // True when row is a result row of this model's list and that list is latest, the one the
    // search holds now (a wizard that cleared the results leaves rows that show nothing).
    bool IsResultOf(int row, const std::shared_ptr<const ListType>& latest) const
    {
        return row >= 0 && !ShowsNotice() && list_ && list_ == latest &&
            static_cast<std::size_t>(row) < list_->Count();
    }

protected:
    std::size_t ListCount() const override { return list_ ? list_->Count() : 0; }

private:
    std::shared_ptr<const ListType> list_;
};

// The fingerings of the chord search: "StringSet", "NotePermutation", "FretBoardPosition",
// then "Fingers" and "Difficulty", worked out for the rows in sight. The rows may be shown in
// another order than the search's (see SetOrder).
class ChordResultModel : public SearchResultModel<theory::ChordResultList> {
public:
    static constexpr int kFingersColumn = 3;
    static constexpr int kDifficultyColumn = 4;

    explicit ChordResultModel(QObject* parent = nullptr);

    // Shows list from now on, in search order, fingered on an instrument of stringCount strings.
    void SetList(std::shared_ptr<const theory::ChordResultList> list, int stringCount);
    int StringCount() const { return stringCount_; }

    // The rows show the results in order from now on; the rows views know of stay the same.
    void SetOrder(theory::RowOrder order);
    const theory::RowOrder& Order() const { return order_; }
    // The result a row shows.
    std::size_t ListIndex(int row) const
    {
        return order_.StoredIndex(static_cast<std::size_t>(row));
    }

protected:
    QString Cell(std::size_t row, int column) const override;

private:
    using SearchResultModel::SetList;

    theory::RowOrder order_;
    int stringCount_ = 0;
};

// The voicings of a voicing search: "Frets", "Fingers", "Difficulty" and "Name". The rows come
// in as the search finds them and are shown in the ranked order once it has ended, or in the
// order of a column (see SetOrder).
class VoicingResultModel : public SearchResultModel<theory::VoicingResultList> {
public:
    static constexpr int kFretsColumn = 0;
    static constexpr int kFingersColumn = 1;
    static constexpr int kDifficultyColumn = 2;
    static constexpr int kNameColumn = 3;

    explicit VoicingResultModel(QObject* parent = nullptr);

    // Shows list from now on, in the order its rows were found.
    void SetList(std::shared_ptr<const theory::VoicingResultList> list);
    // The rows show the voicings in order from now on; the rows views know of stay the same.
    void SetOrder(theory::RowOrder order);
    const theory::RowOrder& Order() const { return order_; }
    std::size_t ListIndex(int row) const
    {
        return order_.StoredIndex(static_cast<std::size_t>(row));
    }

protected:
    QString Cell(std::size_t row, int column) const override;

private:
    using SearchResultModel::SetList;

    theory::RowOrder order_;
};

// The scales of the scale search: "Scales" and "Names", the catalogue names of its notes.
class ScaleResultModel : public SearchResultModel<theory::ScaleResultList> {
public:
    explicit ScaleResultModel(QObject* parent = nullptr);

protected:
    QString Cell(std::size_t row, int column) const override;
};

}  // namespace guivarna::calc
