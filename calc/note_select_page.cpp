#include "calc/note_select_page.h"

#include "board/board_collection.h"
#include "calc/wizard_list.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "widgets/balloon_tip.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace guivarna::calc {

NoteSelectPage::NoteSelectPage(const board::BoardCollection& boards)
    : WizardPage(kTemplateId), boards_(boards)
{
}

int NoteSelectPage::MaxNotes() const
{
    return boards_.StringCount(board::BoardCollection::kChordBoard);
}

void NoteSelectPage::CreateControls()
{
    auto* group = new QGroupBox(Text(strings::kSelectNotes), this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 12; ++i) {
        const QString name = QString::fromStdString(theory::NoteName(60 + i));
        auto* button = new QPushButton(name, group);
        button->setObjectName(QStringLiteral("note") + name);
        button->setFlat(true);
        button->setMinimumWidth(36);
        grid->addWidget(button, i / 3, i % 3);
        connect(button, &QPushButton::clicked, this, [this, name] { AddNote(name); });
        noteButtons_.push_back(button);
    }

    list_ = MakeWizardList({Text(strings::kSelectedNotes)}, this);
    list_->setObjectName(QStringLiteral("selectedNotes"));
    remove_ = new QPushButton(Text(strings::kRemoveNote), this);
    remove_->setObjectName(QStringLiteral("removeNote"));
    clear_ = new QPushButton(Text(strings::kClear), this);
    clear_->setObjectName(QStringLiteral("clearNotes"));
    makeRoot_ = new QPushButton(Text(strings::kMakeRoot), this);
    makeRoot_->setObjectName(QStringLiteral("makeRoot"));
    rootDisplay_ = new QLineEdit(this);
    rootDisplay_->setObjectName(QStringLiteral("rootDisplay"));
    rootDisplay_->setReadOnly(true);
    rootDisplay_->setEnabled(false);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(remove_);
    buttons->addWidget(clear_);
    buttons->addWidget(makeRoot_);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(group);
    top->addLayout(buttons);
    top->addWidget(list_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top, 1);
    layout->addWidget(rootDisplay_);

    connect(remove_, &QPushButton::clicked, this, &NoteSelectPage::RemoveSelected);
    connect(clear_, &QPushButton::clicked, this, &NoteSelectPage::ClearNotes);
    connect(makeRoot_, &QPushButton::clicked, this, &NoteSelectPage::MakeRoot);
    ShowRoot();
    UpdateButtons();
    ChooseNotes(chosenAtStart_);
}

void NoteSelectPage::ChooseNotes(const std::vector<theory::Note>& notes)
{
    if (list_ == nullptr) {
        chosenAtStart_ = notes;
        return;
    }
    chosenAtStart_.clear();
    const std::size_t count =
        std::min(notes.size(), static_cast<std::size_t>(std::max(0, MaxNotes())));
    for (std::size_t i = 0; i < count; ++i)
        AddNote(QString::fromStdString(theory::NoteName(notes[i])));
}

QPushButton* NoteSelectPage::NoteButton(const QString& name) const
{
    return ButtonWithText(noteButtons_, name);
}

QStringList NoteSelectPage::NoteNames() const
{
    return FirstColumn(list_);
}

std::vector<theory::Note> NoteSelectPage::Notes() const
{
    return NoteNumbers(NoteNames());
}

void NoteSelectPage::AddNote(const QString& name)
{
    const int max = MaxNotes();
    if (list_->rowCount() >= max) {
        widgets::ShowInputError(
            list_, Text(strings::kMaxNotesTitle).arg(max), Text(strings::kAllStringsOccupied));
        return;
    }
    if (list_->rowCount() == 0) {
        root_ = name;
        ShowRoot();
    }
    AppendRow(*list_, {name});
    UpdateButtons();
}

void NoteSelectPage::RemoveSelected()
{
    const int row = SelectedRow(*list_);
    if (row >= 0)
        list_->removeRow(row);
    UpdateButtons();
}

void NoteSelectPage::MakeRoot()
{
    if (const int row = SelectedRow(*list_); row >= 0)
        root_ = list_->item(row, 0)->text();
    ShowRoot();
}

void NoteSelectPage::ClearNotes()
{
    list_->setRowCount(0);
    root_.clear();
    ShowRoot();
    UpdateButtons();
}

void NoteSelectPage::ShowRoot()
{
    rootDisplay_->setText(
        Text(strings::kRootDisplay).arg(root_.isEmpty() ? Text(strings::kRootNotSet) : root_));
}

void NoteSelectPage::UpdateButtons()
{
    const bool any = list_->rowCount() > 0;
    remove_->setEnabled(any);
    clear_->setEnabled(any);
    makeRoot_->setEnabled(any);
}

bool NoteSelectPage::CanGoNext()
{
    if (list_ != nullptr && list_->rowCount() > 0)
        return true;
    widgets::ShowInputError(
        list_, Text(strings::kMaxNotesTitle).arg(MaxNotes()), Text(strings::kNoSelection));
    return false;
}

}  // namespace guivarna::calc
