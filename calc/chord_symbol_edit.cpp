#include "calc/chord_symbol_edit.h"

#include "resources/strings.h"
#include "resources/text.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStringListModel>
#include <QVBoxLayout>

namespace guivarna::calc {

namespace {

// The root at the start of a symbol ("F#", "Bb", "C"), or "" when it does not start with one.
QString LeadingRoot(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || !QStringLiteral("ABCDEFG").contains(trimmed.front()))
        return {};
    if (trimmed.size() > 1 && QStringLiteral("#b\u266D\u266F").contains(trimmed.at(1)))
        return trimmed.left(2);
    return trimmed.left(1);
}

}  // namespace

ChordSymbolEdit::ChordSymbolEdit(int maxNotes, QWidget* parent)
    : QWidget(parent), maxNotes_(maxNotes), edit_(new QLineEdit(this)), status_(new QLabel(this)),
      completer_(new QCompleter(this)), completions_(new QStringListModel(this))
{
    edit_->setObjectName(QStringLiteral("chordSymbol"));
    edit_->setPlaceholderText(Text(strings::kChordSymbolHint));
    status_->setObjectName(QStringLiteral("chordSymbolStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    completer_->setModel(completions_);
    completer_->setCaseSensitivity(Qt::CaseSensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setMaxVisibleItems(12);
    edit_->setCompleter(completer_);
    // The completer filters its list's clicks itself; a filter on the application sees them
    // before any filter on the list does.
    popup_ = completer_->popup();
    qApp->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_);
    layout->addWidget(status_);

    connect(edit_, &QLineEdit::textEdited, this, &ChordSymbolEdit::OfferCompletions);
    connect(edit_, &QLineEdit::textChanged, this, &ChordSymbolEdit::Read);
    Read({});
}

bool ChordSymbolEdit::eventFilter(QObject* watched, QEvent* event)
{
    QAbstractItemView* popup = popup_;
    if (watched == popup && popup != nullptr && event->type() == QEvent::MouseButtonPress &&
        popup->isVisible()) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint global = press->globalPosition().toPoint();
        if (!popup->rect().contains(popup->mapFromGlobal(global))) {
            popup->hide();
            for (QAbstractButton* button : window()->findChildren<QAbstractButton*>()) {
                if (button->isVisible() && button->isEnabled() &&
                    button->rect().contains(button->mapFromGlobal(global))) {
                    button->click();
                    break;
                }
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChordSymbolEdit::SetText(const QString& text)
{
    edit_->setText(text);
}

void ChordSymbolEdit::OfferCompletions(const QString& text)
{
    const QString root = LeadingRoot(text);
    QStringList list;
    if (!root.isEmpty()) {
        for (const std::string_view type : theory::CommonChordTypes())
            list.push_back(root + Text(type));
    }
    if (list != completions_->stringList())
        completions_->setStringList(list);
}

void ChordSymbolEdit::Read(const QString& text)
{
    chord_.reset();
    if (text.trimmed().isEmpty()) {
        status_->setText(Text(strings::kChordSymbolHint));
        emit ChordChanged();
        return;
    }
    const std::string symbol = text.toStdString();
    const theory::ChordReading reading = theory::ReadChordSymbol(symbol);
    if (!reading) {
        status_->setText(QString::fromStdString(theory::DescribeReadError(symbol, reading.error)));
    } else {
        const std::vector<theory::Note> notes = reading.chord->Notes();
        const QString noteText = QString::fromStdString(theory::JoinNoteNames(notes));
        if (maxNotes_ > 0 && static_cast<int>(notes.size()) > maxNotes_) {
            status_->setText(Text(strings::kChordSymbolNotes).arg(noteText) + QLatin1Char('\n') +
                Text(strings::kChordSymbolTooMany).arg(notes.size()).arg(maxNotes_));
        } else {
            status_->setText(Text(strings::kChordSymbolNotes).arg(noteText));
            chord_ = reading.chord;
        }
    }
    emit ChordChanged();
}

}  // namespace guivarna::calc
