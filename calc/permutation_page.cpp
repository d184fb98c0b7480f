#include "calc/permutation_page.h"

#include "calc/wizard_list.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/notes/music_theory.h"
#include "theory/search/search_request.h"
#include "widgets/balloon_tip.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace guivarna::calc {

namespace {

QString JoinNames(const std::vector<theory::Note>& notes)
{
    return QString::fromStdString(theory::JoinNoteNames(notes));
}

}  // namespace

PermutationPage::PermutationPage(theory::MusicTheory& theory)
    : WizardPage(kTemplateId), theory_(theory)
{
}

void PermutationPage::CreateControls()
{
    auto* group = new QGroupBox(Text(strings::kNotePermutations), this);
    auto* all = new QRadioButton(Text(strings::kUseAllPermutations), group);
    all->setObjectName(QStringLiteral("useAllPermutations"));
    auto* specific = new QRadioButton(Text(strings::kUseSpecificPermutation), group);
    specific->setObjectName(QStringLiteral("useSpecificPermutation"));
    auto* melody = new QRadioButton(Text(strings::kUseSpecificMelodyNote), group);
    melody->setObjectName(QStringLiteral("useMelodyNote"));
    modes_ = new QButtonGroup(this);
    modes_->addButton(all, kAllPermutations);
    modes_->addButton(specific, kSpecificPermutation);
    modes_->addButton(melody, kMelodyNote);

    melody_ = new QComboBox(group);
    melody_->setObjectName(QStringLiteral("melodyNote"));
    list_ = MakeWizardList({Text(strings::kPermutations)}, group);
    list_->setObjectName(QStringLiteral("permutations"));
    permutate_ = MakeWizardButton(Text(strings::kPermutate), "permutate", group);
    reset_ = MakeWizardButton(Text(strings::kReset), "resetPermutations", group);
    select_ = MakeWizardButton(Text(strings::kSelect), "selectPermutation", group);
    selection_ = new QLineEdit(group);
    selection_->setObjectName(QStringLiteral("currentNoteSelection"));
    selection_->setReadOnly(true);
    chosenDisplay_ = new QLineEdit(group);
    chosenDisplay_->setObjectName(QStringLiteral("currentNotePermutation"));
    chosenDisplay_->setReadOnly(true);

    auto* melodyRow = new QHBoxLayout;
    melodyRow->addWidget(new QLabel(Text(strings::kMelodyNoteLabel), group));
    melodyRow->addWidget(melody_);
    melodyRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(all);
    left->addWidget(specific);
    left->addWidget(melody);
    left->addLayout(melodyRow);
    left->addStretch();
    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(permutate_);
    listButtons->addWidget(reset_);
    listButtons->addWidget(select_);
    listButtons->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(list_, 1);
    top->addLayout(listButtons);
    auto* shown = new QGridLayout;
    shown->addWidget(new QLabel(Text(strings::kCurrentNoteSelection), group), 0, 0);
    shown->addWidget(selection_, 0, 1);
    shown->addWidget(new QLabel(Text(strings::kCurrentNotePermutation), group), 1, 0);
    shown->addWidget(chosenDisplay_, 1, 1);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(top, 1);
    groupLayout->addLayout(shown);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);

    chosenDisplay_->setText(Text(strings::kAllPermutationsUsed));
    select_->setEnabled(false);
    all->setChecked(true);
    SetMode(kAllPermutations);
    specific->setEnabled(notes_.size() >= 2);

    connect(modes_, &QButtonGroup::idClicked, this, &PermutationPage::ModeClicked);
    connect(permutate_, &QPushButton::clicked, this, &PermutationPage::Permutate);
    connect(select_, &QPushButton::clicked, this, &PermutationPage::Select);
    connect(reset_, &QPushButton::clicked, this, &PermutationPage::ResetPermutations);
}

QRadioButton* PermutationPage::ModeButton(Mode mode) const
{
    return modes_ == nullptr ? nullptr : qobject_cast<QRadioButton*>(modes_->button(mode));
}

void PermutationPage::SetChordNotes(const std::vector<theory::Note>& notes)
{
    // Orders worked out for other notes would ask the search for a chord nobody chose, so they
    // are dropped when the notes changed.
    if (notes != notes_ && list_ != nullptr && !permutations_.empty())
        ResetPermutations();
    notes_ = notes;
    if (melody_ == nullptr)
        return;
    melody_->clear();
    for (theory::Note note : notes_)
        melody_->addItem(QString::fromStdString(theory::NoteName(note)));
    melody_->setCurrentIndex(0);
    selection_->setText(JoinNames(notes_));
    ModeButton(kSpecificPermutation)->setEnabled(notes_.size() >= 2);
}

void PermutationPage::ModeClicked(int id)
{
    if (id == kSpecificPermutation && notes_.size() < 2) {
        // Nothing to order: the earlier choice stays.
        ModeButton(mode_)->setChecked(true);
        widgets::ShowInputError(
            list_, Text(strings::kPermutationsTitle), Text(strings::kNothingToPermutate));
        return;
    }
    SetMode(static_cast<Mode>(id));
}

void PermutationPage::SetMode(Mode mode)
{
    mode_ = mode;
    melody_->setEnabled(mode == kMelodyNote);
    const bool specific = mode == kSpecificPermutation;
    permutate_->setEnabled(specific);
    reset_->setEnabled(specific);
    select_->setEnabled(specific);
}

void PermutationPage::Permutate()
{
    select_->setEnabled(false);
    permutations_.clear();
    list_->setRowCount(0);
    // Every call answers one order, the last one (returning false) included; a call that
    // answers nothing adds no row.
    bool more = true;
    while (more) {
        std::vector<theory::Note> order;
        more = theory_.NextNotePermutation(notes_, order);
        if (!order.empty())
            permutations_.push_back(std::move(order));
    }
    // The rows go in at once: one insertion per row would make long lists slow to fill.
    list_->setRowCount(PermutationCount());
    for (int row = 0; row < PermutationCount(); ++row) {
        list_->setItem(
            row, 0, new QTableWidgetItem(JoinNames(permutations_[static_cast<std::size_t>(row)])));
    }
    select_->setEnabled(true);
}

void PermutationPage::Select()
{
    if (list_->rowCount() == 0)
        return;
    if (const int row = SelectedRow(*list_); row >= 0) {
        chosen_ = row;
    } else if (chosen_ < 0 || chosen_ >= PermutationCount()) {
        widgets::ShowInputError(
            list_, Text(strings::kPermutationsTitle), Text(strings::kChoosePermutationFirst));
        return;
    }
    chosenDisplay_->setText(JoinNames(permutations_.at(static_cast<std::size_t>(chosen_))));
}

void PermutationPage::ResetPermutations()
{
    list_->setRowCount(0);
    permutations_.clear();
    chosen_ = -1;
    chosenDisplay_->setText(Text(strings::kAllPermutationsUsed));
}

bool PermutationPage::CheckOrder()
{
    if (!IsCreated())
        return false;
    if (mode_ != kSpecificPermutation)
        return true;
    if (!permutations_.empty() && chosen_ >= 0 && chosen_ < PermutationCount())
        return true;
    widgets::ShowInputError(
        list_, Text(strings::kPermutationsTitle), Text(strings::kChoosePermutationFirst));
    return false;
}

void PermutationPage::FillRequest(theory::ChordSearchRequest& request) const
{
    request.permutation.clear();
    request.melody = theory::kNoPitchClass;
    if (mode_ == kSpecificPermutation && chosen_ >= 0 && chosen_ < PermutationCount())
        request.permutation = permutations_.at(static_cast<std::size_t>(chosen_));
    else if (mode_ == kMelodyNote && melody_ != nullptr)
        request.melody = theory::PitchClassOfName(melody_->currentText().toStdString());
}

}  // namespace guivarna::calc
