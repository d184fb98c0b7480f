#include "app/chord_by_name_dialog.h"

#include "calc/chord_symbol_edit.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "widgets/accessible_name.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace guivarna {

ChordByNameDialog::ChordByNameDialog(int maxNotes, QWidget* parent)
    : QDialog(parent), symbol_(new calc::ChordSymbolEdit(maxNotes, this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      wizard_(buttons_->addButton(Text(strings::kOpenInChordWizard), QDialogButtonBox::ActionRole)),
      voicings_(buttons_->addButton(Text(strings::kVoicingsButton), QDialogButtonBox::ActionRole))
{
    setWindowTitle(Text(strings::kChordByNameTitle));
    auto* label = new QLabel(Text(strings::kChordSymbolLabel), this);
    label->setBuddy(symbol_->Edit());
    widgets::NameAfterLabel(*symbol_->Edit(), label->text());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(symbol_);
    layout->addWidget(buttons_);
    // The notes line wraps, so the dialog is sized from its height for the width it has; a
    // plain size hint leaves the bottom strip cut off.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setMinimumWidth(360);
    buttons_->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(wizard_, &QPushButton::clicked, this, [this] {
        if (Chord())
            done(kOpenInWizard);
    });
    voicings_->setObjectName(QStringLiteral("voicings"));
    connect(voicings_, &QPushButton::clicked, this, [this] {
        if (Chord())
            done(kVoicings);
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(symbol_, &calc::ChordSymbolEdit::ChordChanged, this, &ChordByNameDialog::UpdateOk);
    UpdateOk();
}

const std::optional<theory::ReadChord>& ChordByNameDialog::Chord() const
{
    return symbol_->Chord();
}

void ChordByNameDialog::UpdateOk()
{
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(symbol_->Chord().has_value());
    wizard_->setEnabled(symbol_->Chord().has_value());
    voicings_->setEnabled(symbol_->Chord().has_value());
}

}  // namespace guivarna
