#include "calc/note_picker.h"

#include "calc/wizard_list.h"
#include "resources/strings.h"
#include "resources/text.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>

namespace guivarna::calc {

namespace {

constexpr int kNoteCount = 12;

QStringList FirstColumn(const QTableWidget* list)
{
    QStringList texts;
    if (list == nullptr)
        return texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts.append(list->item(row, 0)->text());
    return texts;
}

}  // namespace

NotePicker::NotePicker(Reuse reuse, int columns, QWidget* parent) : QWidget(parent), reuse_(reuse)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kNoteCount; ++i) {
        const QString name = QString::fromStdString(theory::NoteName(60 + i));
        auto* button = new QPushButton(name, this);
        button->setObjectName(QStringLiteral("note") + name);
        button->setFlat(true);
        button->setMinimumWidth(36);
        grid->addWidget(button, i / columns, i % columns);
        connect(button, &QPushButton::clicked, this, [this, name] { Choose(name); });
        buttons_.push_back(button);
    }
}

QTableWidget* NotePicker::CreateList(QWidget* parent)
{
    list_ = MakeWizardList({Text(strings::kSelectedNotes)}, parent);
    return list_;
}

void NotePicker::Choose(const QString& name)
{
    if (mayChoose_ && !mayChoose_())
        return;
    Append(name);
    emit NoteChosen(name);
}

void NotePicker::Append(const QString& name)
{
    if (reuse_ == Reuse::Once) {
        if (QPushButton* button = NoteButton(name))
            button->setEnabled(false);
    }
    AppendRow(*list_, {name});
}

void NotePicker::Remove(const QString& name)
{
    for (int row = list_->rowCount() - 1; row >= 0; --row) {
        if (list_->item(row, 0)->text() == name)
            list_->removeRow(row);
    }
    if (QPushButton* button = NoteButton(name))
        button->setEnabled(true);
}

void NotePicker::Clear()
{
    list_->setRowCount(0);
    for (QPushButton* button : buttons_)
        button->setEnabled(true);
}

QPushButton* NotePicker::NoteButton(const QString& name) const
{
    for (QPushButton* button : buttons_) {
        if (button->text() == name)
            return button;
    }
    return nullptr;
}

QStringList NotePicker::NoteNames() const
{
    return FirstColumn(list_);
}

std::vector<theory::Note> NotePicker::Notes() const
{
    std::vector<theory::Note> notes;
    for (const QString& name : NoteNames())
        notes.push_back(theory::NoteNumber(name.toStdString()));
    return notes;
}

int NotePicker::DistinctNoteCount() const
{
    const QStringList names = NoteNames();
    return static_cast<int>(QSet<QString>(names.begin(), names.end()).size());
}

}  // namespace guivarna::calc
