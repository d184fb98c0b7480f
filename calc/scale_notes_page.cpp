#include "calc/scale_notes_page.h"

#include "calc/wizard_list.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/music_theory.h"
#include "theory/search_request.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

#include <string>

namespace guivarna::calc {

namespace {

constexpr int kAllNotes = 12;

}  // namespace

ScaleNotesPage::ScaleNotesPage(const theory::MusicTheory& theory)
    : WizardPage(kTemplateId), theory_(theory)
{
}

void ScaleNotesPage::CreateControls()
{
    auto* group = new QGroupBox(Text(strings::kMustHaveNotesGroup), this);
    chordLabel_ = new QLabel(Text(strings::kNotesOfCurrentChord), group);
    chordNotes_ = new QLineEdit(group);
    chordNotes_->setObjectName(QStringLiteral("chordNotes"));
    chordNotes_->setReadOnly(true);
    chordCheck_ = new QCheckBox(Text(strings::kScalesMustHaveChord), group);
    chordCheck_->setObjectName(QStringLiteral("mustHaveChord"));

    auto* noteGrid = new QGridLayout;
    for (int i = 0; i < kAllNotes; ++i) {
        const QString name = QString::fromStdString(theory::NoteName(60 + i));
        auto* button = new QPushButton(name, group);
        button->setObjectName(QStringLiteral("note") + name);
        button->setFlat(true);
        button->setMinimumWidth(36);
        noteGrid->addWidget(button, i / 6, i % 6);
        connect(button, &QPushButton::clicked, this, [this, button] { AddNote(button); });
        noteButtons_.push_back(button);
    }
    clear_ = new QPushButton(Text(strings::kClear), group);
    clear_->setObjectName(QStringLiteral("clearNotes"));

    auto* chordRow = new QHBoxLayout;
    chordRow->addWidget(chordLabel_);
    chordRow->addWidget(chordNotes_, 1);
    auto* clearRow = new QHBoxLayout;
    clearRow->addStretch();
    clearRow->addWidget(clear_);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(chordRow);
    groupLayout->addWidget(chordCheck_);
    groupLayout->addLayout(noteGrid);
    groupLayout->addLayout(clearRow);
    groupLayout->addStretch();

    list_ = MakeWizardList({Text(strings::kSelectedNotes)}, this);
    list_->setObjectName(QStringLiteral("mustHaveNotes"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group, 2);
    layout->addWidget(list_, 1);

    connect(clear_, &QPushButton::clicked, this, &ScaleNotesPage::ClearNotes);
    connect(chordCheck_, &QCheckBox::clicked, this, &ScaleNotesPage::ChordChecked);

    clear_->setEnabled(false);
    // The chord's notes can only be taken over when there is a chord.
    const bool chord = theory_.HasSelection();
    chordLabel_->setEnabled(chord);
    chordNotes_->setEnabled(chord);
    chordCheck_->setEnabled(chord);
    if (chord)
        chordNotes_->setText(QString::fromStdString(theory_.FormatNotes()));
}

QPushButton* ScaleNotesPage::NoteButton(const QString& name) const
{
    return ButtonWithText(noteButtons_, name);
}

QStringList ScaleNotesPage::NoteNames() const
{
    return FirstColumn(list_);
}

std::vector<theory::Note> ScaleNotesPage::Notes() const
{
    return NoteNumbers(NoteNames());
}

int ScaleNotesPage::DistinctNoteCount() const
{
    const QStringList names = NoteNames();
    return static_cast<int>(QSet<QString>(names.begin(), names.end()).size());
}

void ScaleNotesPage::AddNote(QPushButton* button)
{
    // Each note is added once: its button stays disabled until the note leaves the list.
    if (DistinctNoteCount() >= kAllNotes)
        return;
    button->setEnabled(false);
    AppendRow(*list_, {button->text()});
    clear_->setEnabled(true);
}

void ScaleNotesPage::ClearNotes()
{
    list_->setRowCount(0);
    clear_->setEnabled(false);
    for (QPushButton* button : noteButtons_)
        button->setEnabled(true);
    chordCheck_->setChecked(false);
}

void ScaleNotesPage::ChordChecked(bool checked)
{
    std::vector<std::string> chord;
    theory_.AppendNoteNames(chord);
    if (checked) {
        for (const std::string& note : chord) {
            const QString name = QString::fromStdString(note);
            AppendRow(*list_, {name});
            SetButtonEnabled(name, false);
        }
        if (list_->rowCount() > 0)
            clear_->setEnabled(true);
        return;
    }
    for (const std::string& note : chord) {
        const QString name = QString::fromStdString(note);
        for (int row = list_->rowCount() - 1; row >= 0; --row) {
            if (list_->item(row, 0)->text() == name)
                list_->removeRow(row);
        }
        SetButtonEnabled(name, true);
    }
    clear_->setEnabled(list_->rowCount() > 0);
}

void ScaleNotesPage::SetButtonEnabled(const QString& name, bool enabled)
{
    if (QPushButton* button = NoteButton(name))
        button->setEnabled(enabled);
}

bool ScaleNotesPage::ApplyMustHave(theory::ScaleSearchRequest& request) const
{
    request.mustHaveNotes = Notes();
    request.mustHaveFilter = !request.mustHaveNotes.empty();
    return true;
}

}  // namespace guivarna::calc
