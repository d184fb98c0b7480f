#pragma once

#include "theory/chord_search.h"
#include "theory/scale_search.h"

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

// The fingerings of the chord search: "StringSet", "NotePermutation", "FretBoardPosition".
class ChordResultModel : public ResultListModel {
    Q_OBJECT

public:
    explicit ChordResultModel(QObject* parent = nullptr);

    void SetList(std::shared_ptr<const theory::ChordResultList> list);
    const std::shared_ptr<const theory::ChordResultList>& List() const { return list_; }

protected:
    std::size_t ListCount() const override;
    QString Cell(std::size_t row, int column) const override;

private:
    std::shared_ptr<const theory::ChordResultList> list_;
};

// The scales of the scale search: one column, "Scales".
class ScaleResultModel : public ResultListModel {
    Q_OBJECT

public:
    explicit ScaleResultModel(QObject* parent = nullptr);

    void SetList(std::shared_ptr<const theory::ScaleResultList> list);
    const std::shared_ptr<const theory::ScaleResultList>& List() const { return list_; }

protected:
    std::size_t ListCount() const override;
    QString Cell(std::size_t row, int column) const override;

private:
    std::shared_ptr<const theory::ScaleResultList> list_;
};

}  // namespace guivarna::calc
