#include "app/scale_by_name_dialog.h"

#include "resources/strings.h"
#include "resources/text.h"
#include "theory/notes/instrument_limits.h"
#include "widgets/accessible_name.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace guivarna {

namespace {

constexpr int kScaleIndexRole = Qt::UserRole;
constexpr int kPositionIndexRole = Qt::UserRole;

// "minor (aeolian, natural minor)": the shown name with the others it is known by.
QString ListText(const theory::ScaleType& scale)
{
    QString text = Text(scale.Name());
    if (scale.names.size() > 1) {
        QStringList others;
        for (std::size_t i = 1; i < scale.names.size(); ++i)
            others.push_back(Text(scale.names[i]));
        text += QStringLiteral(" (") + others.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return text;
}

}  // namespace

ScaleByNameDialog::ScaleByNameDialog(QWidget* parent)
    : QDialog(parent), root_(new QComboBox(this)), filter_(new QLineEdit(this)),
      scales_(new QListWidget(this)), notes_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      system_(new QComboBox(this)), positions_(new QListWidget(this)),
      tuning_(theory::StandardTuning())
{
    setWindowTitle(Text(strings::kScaleByNameTitle));
    root_->setObjectName(QStringLiteral("scaleRoot"));
    filter_->setObjectName(QStringLiteral("scaleFilter"));
    scales_->setObjectName(QStringLiteral("scaleList"));
    notes_->setObjectName(QStringLiteral("scaleNotes"));
    system_->setObjectName(QStringLiteral("scaleSystem"));
    positions_->setObjectName(QStringLiteral("scalePositions"));
    system_->addItem(Text(strings::kScaleSystemPosition));
    system_->addItem(Text(strings::kScaleSystemThreeNotes));
    for (theory::Note note = 60; note < 72; ++note)
        root_->addItem(QString::fromStdString(theory::NoteName(note)));
    filter_->setPlaceholderText(Text(strings::kScaleFilterHint));
    filter_->setClearButtonEnabled(true);
    const auto catalogue = theory::ScaleCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        auto* item = new QListWidgetItem(ListText(catalogue[i]), scales_);
        item->setData(kScaleIndexRole, static_cast<int>(i));
    }
    scales_->setCurrentRow(0);
    // The filter line passes the arrow keys on to the list, so the keyboard never has to leave
    // the line to pick a scale.
    filter_->installEventFilter(this);
    root_->installEventFilter(this);

    auto* form = new QFormLayout;
    form->addRow(Text(strings::kScaleRootLabel), root_);
    form->addRow(Text(strings::kScaleFilterLabel), filter_);
    form->addRow(Text(strings::kScaleListLabel), scales_);
    widgets::NameAfterLabel(*scales_, Text(strings::kScaleListLabel));
    widgets::NameAfterLabel(*positions_, Text(strings::kScalePositions));
    auto* positionsBox = new QGroupBox(Text(strings::kScalePositions), this);
    auto* positionsForm = new QFormLayout(positionsBox);
    positionsForm->addRow(Text(strings::kScaleSystemLabel), system_);
    positionsForm->addRow(positions_);
    positions_->setMinimumHeight(120);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(notes_);
    layout->addWidget(positionsBox);
    layout->addWidget(buttons_);
    resize(420, 640);

    connect(filter_, &QLineEdit::textChanged, this, &ScaleByNameDialog::ApplyFilter);
    connect(root_, &QComboBox::currentIndexChanged, this, &ScaleByNameDialog::UpdateChoice);
    connect(scales_, &QListWidget::currentRowChanged, this, &ScaleByNameDialog::UpdateChoice);
    connect(system_, &QComboBox::currentIndexChanged, this, &ScaleByNameDialog::UpdatePositions);
    connect(scales_, &QListWidget::itemActivated, this, [this] {
        if (Choice())
            accept();
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    filter_->setFocus();
    UpdateChoice();
}

bool ScaleByNameDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(scales_, event);
            return true;
        }
    }
    // Typing a note picks it exactly: "A" is A (not Ab, which comes first in pitch order), and
    // "b" or "#" after a natural note moves to its flat or sharp (upper-case "B" is B).
    if (watched == root_ && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        const QString current = root_->currentText();
        int pick = -1;
        if (text == QStringLiteral("b") && current.size() == 1)
            pick = (root_->currentIndex() + 11) % 12;
        else if (text.size() == 1 && QStringLiteral("ABCDEFG").contains(text.at(0).toUpper()))
            pick = root_->findText(text.toUpper());
        else if (text == QStringLiteral("#") && current.size() == 1)
            pick = (root_->currentIndex() + 1) % 12;
        if (pick >= 0) {
            root_->setCurrentIndex(pick);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ScaleByNameDialog::ApplyFilter(const QString& text)
{
    const QString wanted = text.simplified();
    const auto catalogue = theory::ScaleCatalogue();
    QListWidgetItem* firstShown = nullptr;
    for (int row = 0; row < scales_->count(); ++row) {
        QListWidgetItem* item = scales_->item(row);
        const theory::ScaleType& scale =
            catalogue[static_cast<std::size_t>(item->data(kScaleIndexRole).toInt())];
        bool match = wanted.isEmpty();
        for (const std::string_view name : scale.names)
            match = match || Text(name).contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!match);
        if (match && firstShown == nullptr)
            firstShown = item;
    }
    QListWidgetItem* current = scales_->currentItem();
    if (current == nullptr || current->isHidden())
        scales_->setCurrentItem(firstShown);
    UpdateChoice();
}

std::optional<theory::NamedScale> ScaleByNameDialog::Choice() const
{
    const QListWidgetItem* item = scales_->currentItem();
    if (item == nullptr || item->isHidden() || !item->isSelected())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(item->data(kScaleIndexRole).toInt());
    return theory::NamedScale{
        60 + static_cast<theory::Note>(root_->currentIndex()), &theory::ScaleCatalogue()[index]};
}

void ScaleByNameDialog::UpdateChoice()
{
    const std::optional<theory::NamedScale> choice = Choice();
    if (choice) {
        notes_->setText(QString::fromStdString(choice->Text()) + QStringLiteral(": ") +
            QString::fromStdString(
                theory::JoinNoteNames(theory::ScaleNotes(*choice->scale, choice->root))));
    } else {
        notes_->setText(Text(strings::kScaleNoMatch));
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(choice.has_value());
    UpdatePositions();
}

void ScaleByNameDialog::SetInstrument(std::vector<theory::Note> tuning, int highestFret)
{
    tuning_ = std::move(tuning);
    highestFret_ = std::max(0, highestFret);
    UpdatePositions();
}

theory::FingeringSystem ScaleByNameDialog::System() const
{
    return system_->currentIndex() == 1 ? theory::FingeringSystem::ThreeNotesPerString
                                        : theory::FingeringSystem::Position;
}

int ScaleByNameDialog::ChosenPosition() const
{
    const QListWidgetItem* item = positions_->currentItem();
    return item == nullptr ? -1 : item->data(kPositionIndexRole).toInt();
}

void ScaleByNameDialog::UpdatePositions()
{
    const int kept = ChosenPosition();
    positions_->clear();
    auto* whole = new QListWidgetItem(Text(strings::kScaleWholeScale), positions_);
    whole->setData(kPositionIndexRole, -1);
    positions_->setCurrentItem(whole);
    const std::optional<theory::NamedScale> choice = Choice();
    if (!choice)
        return;
    const theory::ScaleToFinger scale{choice->root, choice->scale->mask};
    if (theory::FingeringProblem(scale, System())) {
        auto* why = new QListWidgetItem(Text(strings::kScaleTooFewForThreeNotes), positions_);
        why->setFlags(Qt::NoItemFlags);
        why->setData(kPositionIndexRole, -1);
        return;
    }
    const auto found = theory::ScalePositions(scale, tuning_, System(), {0, highestFret_});
    for (std::size_t i = 0; i < found.size(); ++i) {
        auto* item = new QListWidgetItem(Text(strings::kScalePositionRow)
                                             .arg(found[i].number)
                                             .arg(found[i].LowestFret())
                                             .arg(found[i].HighestFret()),
            positions_);
        item->setData(kPositionIndexRole, static_cast<int>(i));
        if (static_cast<int>(i) == kept)
            positions_->setCurrentItem(item);
    }
}

}  // namespace guivarna
