#include "calc/result_models.h"

#include "resources/strings.h"
#include "resources/text.h"
#include "theory/hand/finger_assignment.h"
#include "theory/notes/scale_catalogue.h"
#include "theory/search/result_texts.h"
#include "theory/search/voicing_results.h"

#include <algorithm>
#include <climits>

namespace guivarna::calc {

namespace {

// Rows beyond what an int can count are never shown.
int ClampedRows(std::size_t count)
{
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

// The fingers of a playable hand, string 1 first, with the frets of its barres after them.
QString FingersCell(const theory::Hand& hand)
{
    QString text = QString::fromStdString(theory::FingerText(hand, " - "));
    for (int i = 0; i < hand.barreCount; ++i)
        text += (i == 0 ? Text(strings::kBarreAt) : QStringLiteral(", ")) +
            QString::number(hand.barres[static_cast<std::size_t>(i)].fret);
    return text;
}

}  // namespace

ResultListModel::ResultListModel(QStringList titles, QObject* parent)
    : QAbstractTableModel(parent), titles_(std::move(titles))
{
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return notice_ ? 1 : published_;
}

int ResultListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (notice_)
        return index.column() == 0 ? Text(strings::kFilteredOutAll) : QString();
    try {
        return Cell(static_cast<std::size_t>(index.row()), index.column());
    } catch (const std::exception&) {
        return {};
    }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < titles_.size())
        return titles_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ResultListModel::Publish()
{
    if (notice_)
        return false;
    const int available = ClampedRows(ListCount());
    if (available <= published_)
        return false;
    beginInsertRows({}, published_, available - 1);
    published_ = available;
    endInsertRows();
    return true;
}

void ResultListModel::Finish()
{
    Publish();
    if (published_ == 0 && !notice_) {
        beginInsertRows({}, 0, 0);
        notice_ = true;
        endInsertRows();
    }
}

void ResultListModel::BeginNewList()
{
    beginResetModel();
    published_ = 0;
    notice_ = false;
}

void ResultListModel::EndNewList()
{
    endResetModel();
}

// --- ChordResultModel --------------------------------------------------------------------------

ChordResultModel::ChordResultModel(QObject* parent)
    : SearchResultModel({Text(strings::kColumnStringSet), Text(strings::kColumnNotePermutation),
                            Text(strings::kColumnFretBoardPosition), Text(strings::kColumnFingers),
                            Text(strings::kColumnDifficulty)},
          parent)
{
}

void ChordResultModel::SetList(std::shared_ptr<const theory::ChordResultList> list, int stringCount)
{
    order_ = {};
    stringCount_ = stringCount;
    SearchResultModel::SetList(std::move(list));
}

void ChordResultModel::SetOrder(theory::RowOrder order)
{
    order_ = std::move(order);
    if (PublishedCount() > 0)
        emit dataChanged(index(0, 0), index(PublishedCount() - 1, columnCount() - 1));
}

QString ChordResultModel::Cell(std::size_t row, int column) const
{
    const theory::ChordFingering fingering = List()->Get(ListIndex(static_cast<int>(row)));
    switch (column) {
    case 0:
        return QString::fromStdString(theory::ChordStringsText(fingering));
    case 1:
        return QString::fromStdString(theory::ChordNotesText(fingering));
    case 2:
        return QString::fromStdString(theory::ChordFretsText(fingering));
    default:
        break;
    }
    const theory::Hand shape = theory::AssignFingers(fingering, stringCount_);
    if (!shape.playable)
        return column == kFingersColumn ? Text(strings::kUnplayable) : QString();
    if (column == kDifficultyColumn)
        return QString::number(shape.difficulty);
    return FingersCell(shape);
}

// --- VoicingResultModel ------------------------------------------------------------------------

VoicingResultModel::VoicingResultModel(QObject* parent)
    : SearchResultModel({Text(strings::kColumnFrets), Text(strings::kColumnFingers),
                            Text(strings::kColumnDifficulty), Text(strings::kColumnName)},
          parent)
{
}

void VoicingResultModel::SetList(std::shared_ptr<const theory::VoicingResultList> list)
{
    order_ = {};
    SearchResultModel::SetList(std::move(list));
}

void VoicingResultModel::SetOrder(theory::RowOrder order)
{
    order_ = std::move(order);
    if (PublishedCount() > 0)
        emit dataChanged(index(0, 0), index(PublishedCount() - 1, columnCount() - 1));
}

QString VoicingResultModel::Cell(std::size_t row, int column) const
{
    const theory::VoicingResultList& list = *List();
    const theory::Voicing voicing = list.Get(ListIndex(static_cast<int>(row)));
    switch (column) {
    case kFretsColumn:
        return QString::fromStdString(theory::VoicingFretsText(voicing.frets, " - "));
    case kFingersColumn:
        return FingersCell(voicing.hand);
    case kDifficultyColumn:
        return QString::number(voicing.hand.difficulty);
    default:
        return QString::fromStdString(theory::VoicingName(voicing, list.Request(), list.Tuning()));
    }
}

// --- ScaleResultModel --------------------------------------------------------------------------

ScaleResultModel::ScaleResultModel(QObject* parent)
    : SearchResultModel({Text(strings::kColumnScales), Text(strings::kColumnScaleNames)}, parent)
{
}

QString ScaleResultModel::Cell(std::size_t row, int column) const
{
    const std::vector<theory::Note> scale = List()->Get(row);
    if (column == 1)
        return QString::fromStdString(theory::ScaleNamesText(scale));
    return QString::fromStdString(theory::ScaleText(scale));
}

}  // namespace guivarna::calc
