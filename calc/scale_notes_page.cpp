#include "calc/scale_notes_page.h"

#include "calc/note_picker.h"
#include "calc/wizard_list.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/notes/music_theory.h"
#include "theory/search/search_request.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

    picker_ = new NotePicker(NotePicker::Reuse::Once, 6, group);
    picker_->SetGuard([this] { return picker_->DistinctNoteCount() < kAllNotes; });
    connect(picker_, &NotePicker::NoteChosen, this, [this] { clear_->setEnabled(true); });
    clear_ = MakeWizardButton(Text(strings::kClear), "clearNotes", group);

    auto* chordRow = new QHBoxLayout;
    chordRow->addWidget(chordLabel_);
    chordRow->addWidget(chordNotes_, 1);
    auto* clearRow = new QHBoxLayout;
    clearRow->addStretch();
    clearRow->addWidget(clear_);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(chordRow);
    groupLayout->addWidget(chordCheck_);
    groupLayout->addWidget(picker_);
    groupLayout->addLayout(clearRow);
    groupLayout->addStretch();

    QTableWidget* list = picker_->CreateList(this);
    list->setObjectName(QStringLiteral("mustHaveNotes"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group, 2);
    layout->addWidget(list, 1);

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

QTableWidget* ScaleNotesPage::List() const
{
    return picker_ != nullptr ? picker_->List() : nullptr;
}

void ScaleNotesPage::ClearNotes()
{
    picker_->Clear();
    clear_->setEnabled(false);
    chordCheck_->setChecked(false);
}

void ScaleNotesPage::ChordChecked(bool checked)
{
    // The chord's notes come and go together, past the limit of the buttons and beside the same
    // notes added by their buttons.
    std::vector<std::string> chord;
    theory_.AppendNoteNames(chord);
    for (const std::string& note : chord) {
        const QString name = QString::fromStdString(note);
        if (checked)
            picker_->Append(name);
        else
            picker_->Remove(name);
    }
    clear_->setEnabled(List()->rowCount() > 0);
}

bool ScaleNotesPage::ApplyMustHave(theory::ScaleSearchRequest& request) const
{
    request.mustHaveNotes = picker_ != nullptr ? picker_->Notes() : std::vector<theory::Note>{};
    request.mustHaveFilter = !request.mustHaveNotes.empty();
    return true;
}

}  // namespace guivarna::calc
