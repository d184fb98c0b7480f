#include "calc/note_select_page.h"

#include "widgets/accessible_name.h"

#include "board/board_collection.h"
#include "calc/chord_symbol_edit.h"
#include "calc/note_picker.h"
#include "calc/wizard_list.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "widgets/balloon_tip.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
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
    picker_ = new NotePicker(NotePicker::Reuse::Repeat, 3, group);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(picker_);
    picker_->SetGuard([this] { return RoomForANote(); });
    connect(picker_, &NotePicker::NoteChosen, this, &NoteSelectPage::OnNoteChosen);

    QTableWidget* list = picker_->CreateList(this);
    list->setObjectName(QStringLiteral("selectedNotes"));
    remove_ = MakeWizardButton(Text(strings::kRemoveNote), "removeNote", this);
    clear_ = MakeWizardButton(Text(strings::kClear), "clearNotes", this);
    makeRoot_ = MakeWizardButton(Text(strings::kMakeRoot), "makeRoot", this);
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
    top->addWidget(list, 1);
    symbol_ = new ChordSymbolEdit(MaxNotes(), this);
    useSymbol_ = MakeWizardButton(Text(strings::kChordSymbolUse), "useSymbol", this);
    useSymbol_->setAutoDefault(false);
    auto* symbolLabel = new QLabel(Text(strings::kChordSymbolLabel), this);
    symbolLabel->setBuddy(symbol_->Edit());
    widgets::NameAfterLabel(*symbol_->Edit(), symbolLabel->text());
    widgets::NameAfterLabel(*rootDisplay_, Text(strings::kScaleRootLabel));
    auto* symbolRow = new QHBoxLayout;
    symbolRow->addWidget(symbolLabel, 0, Qt::AlignTop);
    symbolRow->addWidget(symbol_, 1);
    symbolRow->addWidget(useSymbol_, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top, 1);
    layout->addLayout(symbolRow);
    layout->addWidget(rootDisplay_);
    connect(symbol_, &ChordSymbolEdit::ChordChanged, this, &NoteSelectPage::UpdateButtons);
    connect(useSymbol_, &QPushButton::clicked, this, &NoteSelectPage::UseSymbol);
    connect(symbol_->Edit(), &QLineEdit::returnPressed, this, &NoteSelectPage::UseSymbol);

    connect(remove_, &QPushButton::clicked, this, &NoteSelectPage::RemoveSelected);
    connect(clear_, &QPushButton::clicked, this, &NoteSelectPage::ClearNotes);
    connect(makeRoot_, &QPushButton::clicked, this, &NoteSelectPage::MakeRoot);
    ShowRoot();
    UpdateButtons();
    ChooseNotes(chosenAtStart_);
}

void NoteSelectPage::ChooseNotes(const std::vector<theory::Note>& notes)
{
    if (picker_ == nullptr) {
        chosenAtStart_ = notes;
        return;
    }
    chosenAtStart_.clear();
    const std::size_t count =
        std::min(notes.size(), static_cast<std::size_t>(std::max(0, MaxNotes())));
    for (std::size_t i = 0; i < count; ++i)
        picker_->Choose(QString::fromStdString(theory::NoteName(notes[i])));
}

QTableWidget* NoteSelectPage::List() const
{
    return picker_ != nullptr ? picker_->List() : nullptr;
}

bool NoteSelectPage::RoomForANote() const
{
    const int max = MaxNotes();
    if (List()->rowCount() < max)
        return true;
    widgets::ShowInputError(
        List(), Text(strings::kMaxNotesTitle).arg(max), Text(strings::kAllStringsOccupied));
    return false;
}

void NoteSelectPage::OnNoteChosen(const QString& name)
{
    // The first note chosen into an empty list is the root.
    if (List()->rowCount() == 1) {
        root_ = name;
        ShowRoot();
    }
    UpdateButtons();
}

void NoteSelectPage::RemoveSelected()
{
    const int row = SelectedRow(*List());
    if (row >= 0)
        List()->removeRow(row);
    UpdateButtons();
}

void NoteSelectPage::MakeRoot()
{
    if (const int row = SelectedRow(*List()); row >= 0)
        root_ = List()->item(row, 0)->text();
    ShowRoot();
}

void NoteSelectPage::ClearNotes()
{
    picker_->Clear();
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
    const bool any = List()->rowCount() > 0;
    remove_->setEnabled(any);
    clear_->setEnabled(any);
    makeRoot_->setEnabled(any);
    if (useSymbol_ != nullptr)
        useSymbol_->setEnabled(symbol_->Chord().has_value());
}

void NoteSelectPage::UseSymbol()
{
    if (!symbol_->Chord())
        return;
    const std::vector<theory::Note> notes = symbol_->Chord()->Notes();
    ClearNotes();
    ChooseNotes(notes);
}

bool NoteSelectPage::CanGoNext()
{
    if (picker_ != nullptr && List()->rowCount() > 0)
        return true;
    widgets::ShowInputError(
        List(), Text(strings::kMaxNotesTitle).arg(MaxNotes()), Text(strings::kNoSelection));
    return false;
}

}  // namespace guivarna::calc
