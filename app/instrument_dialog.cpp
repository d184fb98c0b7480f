#include "app/instrument_dialog.h"

#include "resources/strings.h"
#include "resources/text.h"
#include "theory/notes/instrument_limits.h"
#include "widgets/accessible_name.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace guivarna {

namespace {

// A string added below another is tuned a fourth lower, as most fretted instruments are.
constexpr int kFourth = 5;

QString PitchText(theory::Note note)
{
    return QString::fromStdString(theory::PitchName(note));
}

}  // namespace

InstrumentDialog::InstrumentDialog(const theory::Instrument& current, QWidget* parent)
    : QDialog(parent), result_(current)
{
    setWindowTitle(Text(strings::kInstrumentTitle));
    setModal(true);

    presets_ = new QListWidget(this);
    presets_->setObjectName(QStringLiteral("presetList"));
    for (const theory::InstrumentPreset& preset : theory::InstrumentPresets())
        presets_->addItem(QString::fromUtf8(preset.name.data(), qsizetype(preset.name.size())));
    auto* presetLabel = new QLabel(Text(strings::kInstrumentPresets), this);
    presetLabel->setBuddy(presets_);
    widgets::NameAfterLabel(*presets_, presetLabel->text());

    strings_ = new QTableWidget(0, 1, this);
    strings_->setObjectName(QStringLiteral("stringTable"));
    strings_->setHorizontalHeaderLabels({Text(strings::kInstrumentOpenNote)});
    strings_->horizontalHeader()->setStretchLastSection(true);
    strings_->setSelectionBehavior(QAbstractItemView::SelectRows);
    strings_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control; the arrow keys move between the strings.
    strings_->setTabKeyNavigation(false);
    strings_->verticalHeader()->setDefaultSectionSize(strings_->fontMetrics().height() + 6);
    strings_->setMinimumHeight(strings_->verticalHeader()->defaultSectionSize() * 10);
    auto* stringsLabel = new QLabel(Text(strings::kInstrumentStrings), this);
    stringsLabel->setBuddy(strings_);
    widgets::NameAfterLabel(*strings_, stringsLabel->text());

    add_ = new QPushButton(Text(strings::kInstrumentAddString), this);
    add_->setObjectName(QStringLiteral("addString"));
    remove_ = new QPushButton(Text(strings::kInstrumentRemoveString), this);
    remove_->setObjectName(QStringLiteral("removeString"));

    positions_ = new QSpinBox(this);
    positions_->setObjectName(QStringLiteral("positions"));
    positions_->setRange(theory::kMinPositions, theory::kMaxPositions);
    positions_->setValue(
        std::clamp(current.positions, theory::kMinPositions, theory::kMaxPositions));
    auto* positionsLabel = new QLabel(Text(strings::kInstrumentPositions), this);
    positionsLabel->setBuddy(positions_);

    leftHanded_ = new QCheckBox(Text(strings::kInstrumentLeftHanded), this);
    leftHanded_->setObjectName(QStringLiteral("leftHanded"));
    leftHanded_->setChecked(current.leftHanded);

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("preview"));
    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("errorMessage"));
    error_->setWordWrap(true);
    error_->setStyleSheet(QStringLiteral("color: #b00000"));
    error_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));

    auto* stringButtons = new QVBoxLayout;
    stringButtons->addWidget(add_);
    stringButtons->addWidget(remove_);
    stringButtons->addStretch();
    auto* stringsRow = new QHBoxLayout;
    stringsRow->addWidget(strings_, 1);
    stringsRow->addLayout(stringButtons);
    auto* positionsRow = new QHBoxLayout;
    positionsRow->addWidget(positionsLabel);
    positionsRow->addWidget(positions_);
    positionsRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(presetLabel);
    left->addWidget(presets_);
    auto* right = new QVBoxLayout;
    right->addWidget(stringsLabel);
    right->addLayout(stringsRow);
    right->addLayout(positionsRow);
    right->addWidget(leftHanded_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(preview_);
    layout->addWidget(error_);
    layout->addWidget(buttons);

    connect(presets_, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { ChoosePreset(presets_->row(item)); });
    connect(presets_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!updating_ && row >= 0)
            ChoosePreset(row);
    });
    connect(strings_, &QTableWidget::itemChanged, this, [this] {
        if (!updating_)
            StringsChanged();
    });
    connect(add_, &QPushButton::clicked, this, &InstrumentDialog::AddString);
    connect(remove_, &QPushButton::clicked, this, &InstrumentDialog::RemoveString);
    connect(buttons, &QDialogButtonBox::accepted, this, &InstrumentDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &InstrumentDialog::reject);

    SetStrings(current.openNotes);
}

void InstrumentDialog::ChoosePreset(int index)
{
    const auto& presets = theory::InstrumentPresets();
    if (index < 0 || std::size_t(index) >= presets.size())
        return;
    SetStrings(presets[std::size_t(index)].openNotes);
}

void InstrumentDialog::SetStrings(const std::vector<theory::Note>& openNotes)
{
    updating_ = true;
    strings_->setRowCount(0);
    for (theory::Note note : openNotes)
        InsertString(strings_->rowCount(), note);
    updating_ = false;
    StringsChanged();
}

void InstrumentDialog::InsertString(int row, theory::Note note)
{
    strings_->insertRow(row);
    strings_->setItem(row, 0, new QTableWidgetItem(PitchText(note)));
}

void InstrumentDialog::AddString()
{
    if (strings_->rowCount() >= theory::kMaxStrings)
        return;
    // Below the selected string, or at the bottom.
    const int selected = strings_->currentRow();
    const int above = selected >= 0 ? selected : strings_->rowCount() - 1;
    theory::Note note = 40;
    if (above >= 0) {
        const std::vector<std::optional<theory::Note>> notes = EnteredNotes();
        if (const std::optional<theory::Note> upper = notes[std::size_t(above)])
            note = *upper >= theory::Note(kFourth) ? *upper - kFourth : *upper;
    }
    updating_ = true;
    InsertString(above + 1, note);
    updating_ = false;
    strings_->setCurrentCell(above + 1, 0);
    StringsChanged();
}

void InstrumentDialog::RemoveString()
{
    if (strings_->rowCount() <= 1)
        return;
    const int selected = strings_->currentRow();
    strings_->removeRow(selected >= 0 ? selected : strings_->rowCount() - 1);
    StringsChanged();
}

std::vector<std::optional<theory::Note>> InstrumentDialog::EnteredNotes() const
{
    std::vector<std::optional<theory::Note>> notes;
    for (int row = 0; row < strings_->rowCount(); ++row) {
        const QTableWidgetItem* item = strings_->item(row, 0);
        notes.push_back(item ? theory::ParsePitchName(item->text().toStdString()) : std::nullopt);
    }
    return notes;
}

void InstrumentDialog::StringsChanged()
{
    QStringList labels;
    for (int row = 0; row < strings_->rowCount(); ++row)
        labels.append(Text(strings::kInstrumentString).arg(row + 1));
    strings_->setVerticalHeaderLabels(labels);
    add_->setEnabled(strings_->rowCount() < theory::kMaxStrings);
    remove_->setEnabled(strings_->rowCount() > 1);

    QStringList names;
    std::vector<theory::Note> valid;
    for (const std::optional<theory::Note>& note : EnteredNotes()) {
        names.append(note ? QString::fromStdString(theory::NoteName(*note))
                          : Text(strings::kInstrumentUnknownNote));
        if (note)
            valid.push_back(*note);
    }
    preview_->setText(Text(strings::kInstrumentPreview).arg(names.join(QLatin1Char(' '))));
    error_->hide();

    // The preset that matches the strings, if any, is the one highlighted.
    const auto& presets = theory::InstrumentPresets();
    int match = -1;
    for (std::size_t i = 0; i < presets.size() && qsizetype(valid.size()) == names.size(); ++i) {
        if (presets[i].openNotes == valid)
            match = int(i);
    }
    updating_ = true;
    presets_->setCurrentRow(match);
    updating_ = false;
}

void InstrumentDialog::ShowError(const QString& message)
{
    error_->setText(message);
    error_->show();
}

void InstrumentDialog::accept()
{
    theory::Instrument instrument;
    const std::vector<std::optional<theory::Note>> notes = EnteredNotes();
    for (std::size_t row = 0; row < notes.size(); ++row) {
        if (!notes[row]) {
            const QTableWidgetItem* item = strings_->item(int(row), 0);
            ShowError(Text(strings::kInstrumentBadNote)
                          .arg(row + 1)
                          .arg(item ? item->text().trimmed() : QString()));
            strings_->setCurrentCell(int(row), 0);
            strings_->setFocus();
            return;
        }
        instrument.openNotes.push_back(*notes[row]);
    }
    instrument.positions = positions_->value();
    instrument.leftHanded = leftHanded_->isChecked();
    if (const std::optional<std::string> problem = theory::InstrumentProblem(instrument)) {
        ShowError(QString::fromStdString(*problem));
        return;
    }
    result_ = instrument;
    QDialog::accept();
}

}  // namespace guivarna
