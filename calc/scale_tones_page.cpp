#include "calc/scale_tones_page.h"

#include "resources/strings.h"
#include "resources/text.h"
#include "theory/search/search_request.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace guivarna::calc {

namespace {

constexpr int kAllNotes = 12;

}  // namespace

ScaleTonesPage::ScaleTonesPage() : WizardPage(kTemplateId) { }

void ScaleTonesPage::CreateControls()
{
    tones_ = new QComboBox(this);
    tones_->setObjectName(QStringLiteral("toneCount"));
    semitones_ = new QComboBox(this);
    semitones_->setObjectName(QStringLiteral("semitoneRun"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Text(strings::kScalesMustHave), this), 0, 0);
    grid->addWidget(tones_, 0, 1);
    grid->addWidget(new QLabel(Text(strings::kTones), this), 0, 2);
    grid->addWidget(new QLabel(Text(strings::kScalesNoMoreThan), this), 1, 0);
    grid->addWidget(semitones_, 1, 1);
    grid->addWidget(new QLabel(Text(strings::kSemitonesInARow), this), 1, 2);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addStretch();

    connect(tones_, &QComboBox::currentIndexChanged, this, &ScaleTonesPage::ToneCountChanged);
}

void ScaleTonesPage::SetMustHaveCount(int count)
{
    mustHaveCount_ = count;
    {
        const QSignalBlocker quiet(tones_);
        tones_->setEnabled(true);
        tones_->clear();
        for (int tones = count + 1; tones <= kAllNotes; ++tones)
            tones_->addItem(QString::number(tones));
        if (tones_->count() == 0)
            tones_->setEnabled(false);
        // Seven tones is the usual choice; with seven or more must-have notes it is not offered
        // and the smallest possible count is taken.
        const int seven = tones_->findText(QStringLiteral("7"));
        tones_->setCurrentIndex(seven >= 0 ? seven : (tones_->count() > 0 ? 0 : -1));
    }
    ToneCountChanged();
}

void ScaleTonesPage::ToneCountChanged()
{
    const int tones = tones_->currentIndex() < 0 ? 0 : tones_->currentText().toInt();
    semitones_->clear();
    semitones_->addItem(Text(strings::kNoSemitones));
    for (int run = 2; run <= tones; ++run)
        semitones_->addItem(QString::number(run));
    semitones_->setCurrentIndex(semitones_->count() > 1 ? 1 : -1);
}

bool ScaleTonesPage::ApplyToneLimits(theory::ScaleSearchRequest& request) const
{
    // With every note required the list is empty: only the chromatic scale is left.
    const QString toneText = mustHaveCount_ < kAllNotes
        ? (tones_->currentIndex() < 0 ? QString() : tones_->currentText())
        : QString::number(kAllNotes);
    request.toneCount = toneText.toInt();
    // Twelve tones are one chromatic run and a pair of notes has at most one semitone step, so
    // neither gets a run limit. Otherwise the position in the list is the run limit: "no" allows
    // no semitone step, "N" allows N - 1 steps in a row (N notes in chromatic succession).
    if (toneText == QStringLiteral("12") || toneText == QStringLiteral("2"))
        request.runLimit = -1;
    else
        request.runLimit = semitones_->currentIndex();
    return true;
}

}  // namespace guivarna::calc
