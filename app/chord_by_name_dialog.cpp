#include "app/chord_by_name_dialog.h"

#include "calc/chord_symbol_edit.h"
#include "resources/strings.h"
#include "resources/text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace guivarna {

ChordByNameDialog::ChordByNameDialog(int maxNotes, QWidget* parent)
    : QDialog(parent), symbol_(new calc::ChordSymbolEdit(maxNotes, this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(Text(strings::kChordByNameTitle));
    auto* label = new QLabel(Text(strings::kChordSymbolLabel), this);
    label->setBuddy(symbol_->Edit());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(symbol_);
    layout->addWidget(buttons_);
    setMinimumWidth(360);
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
}

}  // namespace guivarna
