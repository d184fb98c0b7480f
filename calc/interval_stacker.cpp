#include "calc/interval_stacker.h"

#include "board/board_collection.h"
#include "board/settings_store.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/notes.h"
#include "widgets/balloon_tip.h"
#include "widgets/window_placement.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <exception>

namespace guivarna::calc {

namespace {

// The interval buttons in the order they are laid out, two to a row.
constexpr std::array<std::string_view, 11> kIntervalButtons = {
    "b2", "2", "b3", "3", "4", "b5", "5", "b6", "6", "b7", "7"};

constexpr int kStringRole = Qt::UserRole;

QTableView* MakeList(QStandardItemModel* model, std::string_view column, QWidget* parent)
{
    model->setHorizontalHeaderLabels({Text(column)});
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Lists of short names: narrow unless the dialog grows.
    view->setFixedWidth(view->fontMetrics().horizontalAdvance(Text(column)) * 2 + 24);
    return view;
}

QPushButton* MakeButton(std::string_view text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(Text(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

IntervalStacker::IntervalStacker(
    board::BoardCollection& boards, board::SettingsStore& store, QWidget* parent)
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

int IntervalStacker::Run(board::BoardCollection& boards, board::SettingsStore& store)
{
    IntervalStacker dialog(boards, store);
    return dialog.exec();
}

void IntervalStacker::BuildControls()
{
    auto* stringsGroup = new QGroupBox(Text(strings::kStackerStringsGroup), this);
    strings_ = new QStandardItemModel(0, 1, this);
    stringsView_ = MakeList(strings_, strings::kStackerStringsColumn, stringsGroup);
    stringsView_->setObjectName(QStringLiteral("stringsList"));
    auto* remove = MakeButton(strings::kStackerRemove, "removeButton", stringsGroup);
    auto* reset = MakeButton(strings::kStackerReset, "resetButton", stringsGroup);
    auto* stringButtons = new QVBoxLayout;
    stringButtons->addWidget(remove);
    stringButtons->addWidget(reset);
    stringButtons->addStretch();
    auto* stringsLayout = new QHBoxLayout(stringsGroup);
    stringsLayout->addWidget(stringsView_);
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
    intervals_ = new QStandardItemModel(0, 1, this);
    intervalsView_ = MakeList(intervals_, strings::kStackerIntervalsColumn, intervalsGroup);
    intervalsView_->setMinimumWidth(intervalsView_->width());
    intervalsView_->setMaximumWidth(QWIDGETSIZE_MAX);
    intervalsView_->setObjectName(QStringLiteral("intervalList"));
    auto* clear = MakeButton(strings::kStackerClear, "clearButton", intervalsGroup);
    connect(clear, &QPushButton::clicked, this, &IntervalStacker::ClearIntervals);
    auto* intervalColumn = new QVBoxLayout;
    intervalColumn->addWidget(intervalsView_);
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

    auto* ok = MakeButton(strings::kStackerOk, "okButton", this);
    ok->setDefault(true);
    auto* cancel = MakeButton(strings::kStackerCancel, "cancelButton", this);
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
        names.append(intervals_->item(row)->text());
    return names;
}

std::vector<int> IntervalStacker::ChosenStrings() const
{
    std::vector<int> rows;
    for (int row = 0; row < strings_->rowCount(); ++row)
        rows.push_back(strings_->item(row)->data(kStringRole).toInt());
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
            intervalsView_, Text(strings::kStackerTooManyTitle), Text(strings::kStackerTooMany));
        return;
    }
    intervals_->appendRow(new QStandardItem(name));
}

void IntervalStacker::ClearIntervals()
{
    intervals_->removeRows(0, intervals_->rowCount());
}

void IntervalStacker::ResetStrings()
{
    strings_->removeRows(0, strings_->rowCount());
    const QSignalBlocker blocker(rootStringList_);
    rootStringList_->clear();
    for (int row = 0; row < static_cast<int>(table_.size()); ++row) {
        const QString name = row < openNoteNames_.size() ? openNoteNames_[row] : QString();
        auto* item = new QStandardItem(name);
        item->setData(row, kStringRole);
        strings_->appendRow(item);
        rootStringList_->addItem(name, row);
    }
    rootStringList_->setCurrentIndex(rootStringList_->count() - 1);
    FillRootNotes();
}

void IntervalStacker::RemoveSelectedString()
{
    if (strings_->rowCount() == 1) {
        widgets::ShowInputError(stringsView_, Text(strings::kStackerLastStringTitle),
            Text(strings::kStackerLastString));
        return;
    }
    const QModelIndexList selected = stringsView_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.front().row();
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
        widgets::ShowInputError(intervalsView_, Text(strings::kStackerNoIntervalsTitle),
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
