#include "calc/interval_stacker.h"

#include "board/board_collection.h"
#include "calc/wizard_list.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "settings/settings_store.h"
#include "theory/notes/notes.h"
#include "widgets/balloon_tip.h"
#include "widgets/window_placement.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <exception>

namespace guivarna::calc {

namespace {

// The interval buttons in the order they are laid out, two to a row.
constexpr std::array<std::string_view, 11> kIntervalButtons = {
    "b2", "2", "b3", "3", "4", "b5", "5", "b6", "6", "b7", "7"};

constexpr int kStringRole = Qt::UserRole;

// A list of short names: narrow unless the dialog grows.
QTableWidget* MakeNarrowList(std::string_view column, const char* name, QWidget* parent)
{
    QTableWidget* list = MakeWizardList({Text(column)}, parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFixedWidth(list->fontMetrics().horizontalAdvance(Text(column)) * 2 + 24);
    return list;
}

}  // namespace

IntervalStacker::IntervalStacker(
    board::BoardCollection& boards, settings::SettingsStore& store, QWidget* parent)
    : QDialog(parent), boards_(boards), store_(store)
{
    setWindowTitle(Text(strings::kStackerCaption));
    setObjectName(QStringLiteral("IntervalStacker"));
    boards_.NoteGrid(board::BoardCollection::kScaleBoard, table_);
    boards_.OpenNoteNames(board::BoardCollection::kScaleBoard, openNoteNames_);
    BuildControls();
    ResetStrings();
    // The dialog may grow but never shrink below the size its controls need.
    setMinimumSize(sizeHint());
    RestorePlacement();
}

IntervalStacker::~IntervalStacker()
{
    SavePlacement();
}

int IntervalStacker::Run(board::BoardCollection& boards, settings::SettingsStore& store)
{
    IntervalStacker dialog(boards, store);
    return dialog.exec();
}

void IntervalStacker::BuildControls()
{
    auto* stringsGroup = new QGroupBox(Text(strings::kStackerStringsGroup), this);
    strings_ = MakeNarrowList(strings::kStackerStringsColumn, "stringsList", stringsGroup);
    auto* remove = MakeWizardButton(Text(strings::kStackerRemove), "removeButton", stringsGroup);
    auto* reset = MakeWizardButton(Text(strings::kStackerReset), "resetButton", stringsGroup);
    auto* stringButtons = new QVBoxLayout;
    stringButtons->addWidget(remove);
    stringButtons->addWidget(reset);
    stringButtons->addStretch();
    auto* stringsLayout = new QHBoxLayout(stringsGroup);
    stringsLayout->addWidget(strings_);
    stringsLayout->addLayout(stringButtons);
    connect(remove, &QPushButton::clicked, this, &IntervalStacker::RemoveSelectedString);
    connect(reset, &QPushButton::clicked, this, &IntervalStacker::ResetStrings);

    auto* intervalsGroup = new QGroupBox(Text(strings::kStackerIntervalsGroup), this);
    auto* buttonGrid = new QGridLayout;
    for (std::size_t i = 0; i < kIntervalButtons.size(); ++i) {
        const QString name = Text(kIntervalButtons[i]);
        auto* button = new QPushButton(name, intervalsGroup);
        button->setObjectName(QStringLiteral("interval_") + name);
        button->setFlat(true);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("b7")) * 3);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, name] { AddInterval(name); });
        buttonGrid->addWidget(button, static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    buttonGrid->setRowStretch(static_cast<int>(kIntervalButtons.size() + 1) / 2, 1);
    intervals_ = MakeNarrowList(strings::kStackerIntervalsColumn, "intervalList", intervalsGroup);
    intervals_->setMinimumWidth(intervals_->width());
    intervals_->setMaximumWidth(QWIDGETSIZE_MAX);
    auto* clear = MakeWizardButton(Text(strings::kStackerClear), "clearButton", intervalsGroup);
    connect(clear, &QPushButton::clicked, this, &IntervalStacker::ClearIntervals);
    auto* intervalColumn = new QVBoxLayout;
    intervalColumn->addWidget(intervals_);
    intervalColumn->addWidget(clear, 0, Qt::AlignHCenter);
    auto* intervalsLayout = new QHBoxLayout(intervalsGroup);
    intervalsLayout->addLayout(buttonGrid);
    intervalsLayout->addLayout(intervalColumn, 1);

    auto* rootGroup = new QGroupBox(Text(strings::kStackerRootGroup), this);
    rootStringList_ = new QComboBox(rootGroup);
    rootStringList_->setObjectName(QStringLiteral("rootStringList"));
    rootNoteList_ = new QComboBox(rootGroup);
    rootNoteList_->setObjectName(QStringLiteral("rootNoteList"));
    auto* rootLayout = new QGridLayout(rootGroup);
    auto* rootStringLabel = new QLabel(Text(strings::kStackerRootStringBefore), rootGroup);
    rootStringLabel->setBuddy(rootStringList_);
    rootLayout->addWidget(rootStringLabel, 0, 0);
    rootLayout->addWidget(rootStringList_, 0, 1);
    rootLayout->addWidget(new QLabel(Text(strings::kStackerRootStringAfter), rootGroup), 0, 2);
    auto* rootNoteLabel = new QLabel(Text(strings::kStackerRootNote), rootGroup);
    rootNoteLabel->setBuddy(rootNoteList_);
    rootLayout->addWidget(rootNoteLabel, 1, 0);
    rootLayout->addWidget(rootNoteList_, 1, 1);
    rootLayout->setColumnStretch(3, 1);
    connect(rootStringList_, &QComboBox::currentIndexChanged, this,
        &IntervalStacker::OnRootStringChosen);

    auto* ok = MakeWizardButton(Text(strings::kStackerOk), "okButton", this);
    ok->setDefault(true);
    auto* cancel = MakeWizardButton(Text(strings::kStackerCancel), "cancelButton", this);
    connect(ok, &QPushButton::clicked, this, &IntervalStacker::accept);
    connect(cancel, &QPushButton::clicked, this, &IntervalStacker::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* top = new QHBoxLayout;
    top->addWidget(stringsGroup);
    top->addWidget(intervalsGroup, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(rootGroup);
    layout->addLayout(buttons);
}

QStringList IntervalStacker::Intervals() const
{
    QStringList names;
    for (int row = 0; row < intervals_->rowCount(); ++row)
        names.append(intervals_->item(row, 0)->text());
    return names;
}

std::vector<int> IntervalStacker::ChosenStrings() const
{
    std::vector<int> rows;
    for (int row = 0; row < strings_->rowCount(); ++row)
        rows.push_back(strings_->item(row, 0)->data(kStringRole).toInt());
    return rows;
}

int IntervalStacker::RootString() const
{
    return rootString_;
}

int IntervalStacker::RootFret() const
{
    return rootNoteList_->currentIndex();
}

void IntervalStacker::AddInterval(const QString& name)
{
    if (intervals_->rowCount() >= theory::kMaxStackedIntervals) {
        widgets::ShowInputError(
            intervals_, Text(strings::kStackerTooManyTitle), Text(strings::kStackerTooMany));
        return;
    }
    AppendRow(*intervals_, {name});
}

void IntervalStacker::ClearIntervals()
{
    intervals_->setRowCount(0);
}

void IntervalStacker::ResetStrings()
{
    strings_->setRowCount(0);
    const QSignalBlocker blocker(rootStringList_);
    rootStringList_->clear();
    for (int row = 0; row < static_cast<int>(table_.size()); ++row) {
        const QString name = row < openNoteNames_.size() ? openNoteNames_[row] : QString();
        AppendRow(*strings_, {name});
        strings_->item(row, 0)->setData(kStringRole, row);
        rootStringList_->addItem(name, row);
    }
    rootStringList_->setCurrentIndex(rootStringList_->count() - 1);
    FillRootNotes();
}

void IntervalStacker::RemoveSelectedString()
{
    if (strings_->rowCount() == 1) {
        widgets::ShowInputError(
            strings_, Text(strings::kStackerLastStringTitle), Text(strings::kStackerLastString));
        return;
    }
    const int row = SelectedRow(*strings_);
    if (row < 0)
        return;
    const bool wasRoot = rootStringList_->currentIndex() == row;
    strings_->removeRow(row);
    const QSignalBlocker blocker(rootStringList_);
    rootStringList_->removeItem(row);
    if (wasRoot) {
        rootStringList_->setCurrentIndex(rootStringList_->count() - 1);
        FillRootNotes();
    }
}

void IntervalStacker::OnRootStringChosen()
{
    if (rootStringList_->currentData(kStringRole).toInt() != rootString_)
        FillRootNotes();
}

void IntervalStacker::FillRootNotes()
{
    rootNoteList_->clear();
    const QVariant data = rootStringList_->currentData(kStringRole);
    rootString_ = data.isValid() ? data.toInt() : -1;
    if (rootString_ < 0 || rootString_ >= static_cast<int>(table_.size()))
        return;
    const std::vector<int>& notes = table_[static_cast<std::size_t>(rootString_)];
    const QString suffix = Text(strings::kStackerFretSuffix);
    for (std::size_t fret = 0; fret < notes.size(); ++fret) {
        const QString name =
            QString::fromStdString(theory::NoteName(static_cast<std::uint32_t>(notes[fret])));
        rootNoteList_->addItem(name + suffix.arg(fret));
    }
    rootNoteList_->setCurrentIndex(0);
}

void IntervalStacker::accept()
{
    if (intervals_->rowCount() == 0) {
        widgets::ShowInputError(intervals_, Text(strings::kStackerNoIntervalsTitle),
            Text(strings::kStackerNoIntervals));
        return;
    }
    if (rootString_ < 0 || RootFret() < 0)
        return;
    // Runs inside the dialog's event loop: nothing may escape from here.
    try {
        std::vector<std::string> names;
        for (const QString& name : Intervals())
            names.push_back(name.toStdString());
        const std::vector<int> notes =
            theory::StackNotes(table_, rootString_, RootFret(), theory::IntervalSteps(names));
        boards_.ShowExactNotes(board::BoardCollection::kScaleBoard, ChosenStrings(), notes);
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(),
            Text(strings::kCommandFailed).arg(QString::fromUtf8(error.what())));
        return;
    }
    QDialog::accept();
}

void IntervalStacker::RestorePlacement()
{
    widgets::RestorePlacement(*this, store_, widgets::PlacementBase(kPlacementKeyWord));
}

void IntervalStacker::SavePlacement()
{
    widgets::SavePlacement(*this, store_, widgets::PlacementBase(kPlacementKeyWord));
}

}  // namespace guivarna::calc
