#include "calc/string_fret_page.h"

#include "board/board_collection.h"
#include "calc/wizard_list.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/search/search_request.h"
#include "widgets/balloon_tip.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace guivarna::calc {

namespace {

constexpr int kChordBoard = board::BoardCollection::kChordBoard;

}  // namespace

StringFretPage::StringFretPage(const board::BoardCollection& boards)
    : WizardPage(kTemplateId), boards_(boards)
{
}

void StringFretPage::CreateControls()
{
    auto* stringGroup = new QGroupBox(Text(strings::kStringLimitations), this);
    strings_ = MakeWizardList({Text(strings::kStringIndex), Text(strings::kStrings)}, stringGroup);
    strings_->setObjectName(QStringLiteral("strings"));
    remove_ = MakeWizardButton(Text(strings::kRemoveString), "removeString", stringGroup);
    reset_ = MakeWizardButton(Text(strings::kReset), "resetStrings", stringGroup);
    auto* stringButtons = new QVBoxLayout;
    stringButtons->addWidget(remove_);
    stringButtons->addWidget(reset_);
    stringButtons->addStretch();
    auto* stringRow = new QHBoxLayout;
    stringRow->addWidget(strings_, 1);
    stringRow->addLayout(stringButtons);
    auto* stringLayout = new QVBoxLayout(stringGroup);
    stringLayout->addWidget(new QLabel(Text(strings::kFindChordsOnStrings), stringGroup));
    stringLayout->addLayout(stringRow);

    auto* fretGroup = new QGroupBox(Text(strings::kFretLimitations), this);
    span_ = new QComboBox(fretGroup);
    span_->setObjectName(QStringLiteral("span"));
    lowest_ = new QComboBox(fretGroup);
    lowest_->setObjectName(QStringLiteral("lowestFret"));
    highest_ = new QComboBox(fretGroup);
    highest_->setObjectName(QStringLiteral("highestFret"));
    auto* fretGrid = new QGridLayout(fretGroup);
    fretGrid->addWidget(new QLabel(Text(strings::kChordsMaySpan), fretGroup), 0, 0);
    fretGrid->addWidget(span_, 0, 1);
    fretGrid->addWidget(new QLabel(Text(strings::kFrets), fretGroup), 0, 2);
    fretGrid->addWidget(new QLabel(Text(strings::kAndUseFret), fretGroup), 1, 0);
    fretGrid->addWidget(lowest_, 1, 1);
    fretGrid->addWidget(new QLabel(Text(strings::kUptoFret), fretGroup), 1, 2);
    fretGrid->addWidget(highest_, 1, 3);

    auto* byPosition = new QRadioButton(Text(strings::kOpenStringsByPosition), this);
    byPosition->setObjectName(QStringLiteral("openByPosition"));
    auto* mayHave = new QRadioButton(Text(strings::kMayHaveOpenStrings), this);
    mayHave->setObjectName(QStringLiteral("openMayHave"));
    auto* mustHave = new QRadioButton(Text(strings::kMustHaveOpenStrings), this);
    mustHave->setObjectName(QStringLiteral("openMustHave"));
    auto* policies = new QButtonGroup(this);
    policies->addButton(byPosition, 0);
    policies->addButton(mayHave, 1);
    policies->addButton(mustHave, 2);
    byPosition->setChecked(true);
    connect(policies, &QButtonGroup::idClicked, this,
        [this](int id) { policy_ = static_cast<theory::OpenStringPolicy>(id); });

    auto* right = new QVBoxLayout;
    right->addWidget(fretGroup);
    right->addWidget(byPosition);
    right->addWidget(mayHave);
    right->addWidget(mustHave);
    playable_ = new QCheckBox(Text(strings::kOnlyPlayable), this);
    playable_->setObjectName(QStringLiteral("onlyPlayable"));
    right->addWidget(playable_);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stringGroup, 1);
    layout->addLayout(right);

    FillStrings();
    // Fret positions 0 .. F - 1 (0 is the open string); the span 1 .. F - 1.
    const int positions = boards_.FretCount(kChordBoard);
    for (int fret = 0; fret < positions; ++fret) {
        lowest_->addItem(QString::number(fret));
        highest_->addItem(QString::number(fret));
    }
    for (int span = 1; span < positions; ++span)
        span_->addItem(QString::number(span));
    lowest_->setCurrentIndex(0);
    highest_->setCurrentIndex(positions - 1);
    span_->setCurrentIndex(span_->count() - 1);

    connect(remove_, &QPushButton::clicked, this, &StringFretPage::RemoveString);
    connect(reset_, &QPushButton::clicked, this, &StringFretPage::FillStrings);
    connect(lowest_, &QComboBox::currentIndexChanged, this, &StringFretPage::LowestChanged);
    connect(highest_, &QComboBox::currentIndexChanged, this, &StringFretPage::HighestChanged);
}

void StringFretPage::FillStrings()
{
    QStringList names;
    boards_.OpenNoteNames(kChordBoard, names);
    strings_->setRowCount(0);
    for (int i = 0; i < names.size(); ++i)
        AppendRow(*strings_, {QString::number(i + 1), names[i]});
}

void StringFretPage::RemoveString()
{
    if (strings_->rowCount() - 1 >= noteCount_) {
        if (const int row = SelectedRow(*strings_); row >= 0)
            strings_->removeRow(row);
        return;
    }
    widgets::ShowInputError(
        strings_, Text(strings::kStringsTitle), Text(strings::kNoStringToSpare));
}

int StringFretPage::LowestFret() const
{
    return lowest_ == nullptr ? 0 : lowest_->currentText().toInt();
}

int StringFretPage::HighestFret() const
{
    return highest_ == nullptr ? 0 : highest_->currentText().toInt();
}

int StringFretPage::Span() const
{
    return span_ == nullptr ? 0 : span_->currentText().toInt();
}

void StringFretPage::LowestChanged()
{
    if (LowestFret() >= HighestFret()) {
        widgets::ShowInputError(
            lowest_, Text(strings::kLowestFretTitle), Text(strings::kLowestFretTooHigh));
    }
}

void StringFretPage::HighestChanged()
{
    if (LowestFret() >= HighestFret()) {
        widgets::ShowInputError(
            highest_, Text(strings::kHighestFretTitle), Text(strings::kHighestFretTooLow));
    }
}

std::vector<std::uint32_t> StringFretPage::AllowedStrings() const
{
    std::vector<std::uint32_t> numbers;
    if (strings_ == nullptr)
        return numbers;
    for (int row = 0; row < strings_->rowCount(); ++row)
        numbers.push_back(strings_->item(row, 0)->text().toUInt());
    return numbers;
}

bool StringFretPage::CanGoNext()
{
    if (HighestFret() - LowestFret() >= Span())
        return true;
    widgets::ShowInputError(
        span_, Text(strings::kFretRangeTitle), Text(strings::kFretRangeTooSmall));
    return false;
}

bool StringFretPage::CheckLimits()
{
    return IsCreated() && CanGoNext() && strings_->rowCount() > 0;
}

void StringFretPage::FillRequest(theory::ChordSearchRequest& request) const
{
    request.allowedStrings = AllowedStrings();
    request.lowestFret = static_cast<std::uint32_t>(LowestFret());
    request.highestFret = static_cast<std::uint32_t>(HighestFret());
    request.span = Span();
    request.openStrings = policy_;
    request.playableOnly = playable_ != nullptr && playable_->isChecked();
}

}  // namespace guivarna::calc
