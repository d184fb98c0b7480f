#include "calc/voicing_options_bar.h"

#include "resources/strings.h"
#include "resources/text.h"
#include "settings/setting.h"
#include "theory/notes/instrument_limits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace guivarna::calc {

namespace {

constexpr int kLastFret = static_cast<int>(theory::kMaxFret);

constexpr settings::IntSetting kBass{u"\\VoicingBass", 0, 0, 2};
constexpr settings::FlagSetting kOmitAsBooks{u"\\VoicingOmitAsBooks", true};
constexpr settings::IntSetting kOmitted{u"\\VoicingOmitted", theory::kDegreeFifth, 0, 31};
constexpr settings::IntSetting kMinStrings{u"\\VoicingMinStrings", 3, 1, theory::kMaxStrings};
constexpr settings::FlagSetting kMutedInside{u"\\VoicingMutedInside", true};
constexpr settings::IntSetting kLowestFret{u"\\VoicingLowestFret", 0, 0, kLastFret};
constexpr settings::IntSetting kHighestFret{u"\\VoicingHighestFret", 12, 0, kLastFret};
constexpr settings::IntSetting kSpan{u"\\VoicingSpan", 4, 1, kLastFret + 1};

// The degrees a check box leaves out, in the order of the boxes.
constexpr std::array<unsigned, 5> kDegrees = {theory::kDegreeRoot, theory::kDegreeFifth,
    theory::kDegreeNinth, theory::kDegreeEleventh, theory::kDegreeThirteenth};
constexpr std::array<std::string_view, 5> kDegreeTexts = {strings::kVoicingOmitRoot,
    strings::kVoicingOmitFifth, strings::kVoicingOmitNinth, strings::kVoicingOmitEleventh,
    strings::kVoicingOmitThirteenth};

QSpinBox* MakeSpin(int lowest, int highest, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setRange(lowest, highest);
    return spin;
}

// A label whose mnemonic focuses buddy.
QLabel* MakeLabel(std::string_view text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(Text(text), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

theory::VoicingRequest VoicingOptions::RequestFor(theory::PitchClass root, int intervals,
    theory::PitchClass slashBass, std::span<const theory::Note> tuning) const
{
    theory::VoicingRequest request;
    request.root = root;
    request.intervals = intervals | 1;
    switch (bass) {
    case Bass::AsBooks:
        request.bass = theory::DefaultBass(tuning);
        break;
    case Bass::Root:
        request.bass = theory::VoicingBass::Root;
        break;
    case Bass::Any:
        request.bass = theory::VoicingBass::Any;
        break;
    }
    // A slash symbol names its bass, whatever the row says for chords without one.
    if (slashBass != theory::kNoPitchClass && slashBass != root) {
        request.bass = theory::VoicingBass::Note;
        request.bassNote = slashBass;
    }
    request.omittable = omitAsBooks ? theory::DefaultOmittable(request.intervals, tuning) : omitted;
    request.minStrings = minStrings;
    request.mutedInside = mutedInside;
    request.lowestFret = lowestFret;
    request.highestFret = highestFret;
    request.span = span;
    return request;
}

VoicingOptions VoicingOptions::Read(const settings::SettingsStore& store, QStringView base)
{
    VoicingOptions options;
    options.bass = static_cast<Bass>(settings::Read(store, kBass, base));
    options.omitAsBooks = settings::Read(store, kOmitAsBooks, base);
    options.omitted = static_cast<unsigned>(settings::Read(store, kOmitted, base));
    options.minStrings = settings::Read(store, kMinStrings, base);
    options.mutedInside = settings::Read(store, kMutedInside, base);
    options.lowestFret = settings::Read(store, kLowestFret, base);
    options.highestFret = settings::Read(store, kHighestFret, base);
    if (options.lowestFret > options.highestFret) {
        options.lowestFret = kLowestFret.fallback;
        options.highestFret = kHighestFret.fallback;
    }
    options.span = settings::Read(store, kSpan, base);
    return options;
}

void VoicingOptions::Write(settings::SettingsStore& store, QStringView base) const
{
    settings::Write(store, kBass, static_cast<std::int32_t>(bass), base);
    settings::Write(store, kOmitAsBooks, omitAsBooks, base);
    settings::Write(store, kOmitted, static_cast<std::int32_t>(omitted), base);
    settings::Write(store, kMinStrings, minStrings, base);
    settings::Write(store, kMutedInside, mutedInside, base);
    settings::Write(store, kLowestFret, lowestFret, base);
    settings::Write(store, kHighestFret, highestFret, base);
    settings::Write(store, kSpan, span, base);
}

VoicingOptionsBar::VoicingOptionsBar(QWidget* parent)
    : QWidget(parent), bass_(new QComboBox(this)),
      omitAsBooks_(new QCheckBox(Text(strings::kVoicingOmitAsBooks), this)),
      minStrings_(MakeSpin(1, theory::kMaxStrings, this)),
      mutedInside_(new QCheckBox(Text(strings::kVoicingMutedInside), this)),
      lowestFret_(MakeSpin(0, kLastFret, this)), highestFret_(MakeSpin(0, kLastFret, this)),
      span_(MakeSpin(1, kLastFret + 1, this))
{
    setObjectName(QStringLiteral("voicingOptions"));
    bass_->addItems({Text(strings::kVoicingBassAsBooks), Text(strings::kVoicingBassRoot),
        Text(strings::kVoicingBassAny)});
    bass_->setObjectName(QStringLiteral("voicingBass"));
    bass_->setAccessibleName(Text(strings::kVoicingBass).remove(QLatin1Char('&')));
    minStrings_->setObjectName(QStringLiteral("voicingMinStrings"));
    lowestFret_->setObjectName(QStringLiteral("voicingLowestFret"));
    highestFret_->setObjectName(QStringLiteral("voicingHighestFret"));
    span_->setObjectName(QStringLiteral("voicingSpan"));
    minStrings_->setAccessibleName(Text(strings::kVoicingMinStrings).remove(QLatin1Char('&')));
    lowestFret_->setAccessibleName(Text(strings::kVoicingLowestFret).remove(QLatin1Char('&')));
    highestFret_->setAccessibleName(Text(strings::kVoicingHighestFret).remove(QLatin1Char('&')));
    span_->setAccessibleName(Text(strings::kVoicingSpan).remove(QLatin1Char('&')));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MakeLabel(strings::kVoicingBass, bass_, this));
    layout->addWidget(bass_);
    layout->addSpacing(8);
    omitAsBooks_->setObjectName(QStringLiteral("voicingOmitAsBooks"));
    layout->addWidget(omitAsBooks_);
    for (std::size_t i = 0; i < omit_.size(); ++i) {
        omit_[i] = new QCheckBox(Text(kDegreeTexts[i]), this);
        omit_[i]->setObjectName(QStringLiteral("voicingOmit%1").arg(i));
        layout->addWidget(omit_[i]);
        connect(omit_[i], &QCheckBox::toggled, this, &VoicingOptionsBar::Changed);
    }
    layout->addSpacing(8);
    layout->addWidget(MakeLabel(strings::kVoicingMinStrings, minStrings_, this));
    layout->addWidget(minStrings_);
    mutedInside_->setObjectName(QStringLiteral("voicingMutedInside"));
    layout->addWidget(mutedInside_);
    layout->addSpacing(8);
    layout->addWidget(MakeLabel(strings::kVoicingLowestFret, lowestFret_, this));
    layout->addWidget(lowestFret_);
    layout->addWidget(MakeLabel(strings::kVoicingHighestFret, highestFret_, this));
    layout->addWidget(highestFret_);
    layout->addWidget(MakeLabel(strings::kVoicingSpan, span_, this));
    layout->addWidget(span_);
    layout->addStretch(1);

    connect(bass_, &QComboBox::currentIndexChanged, this, &VoicingOptionsBar::Changed);
    connect(omitAsBooks_, &QCheckBox::toggled, this, [this] {
        UpdateEnabled();
        emit Changed();
    });
    connect(mutedInside_, &QCheckBox::toggled, this, &VoicingOptionsBar::Changed);
    // The range never turns upside down: each end bounds the other.
    connect(lowestFret_, &QSpinBox::valueChanged, this, [this](int lowest) {
        highestFret_->setMinimum(lowest);
        emit Changed();
    });
    connect(highestFret_, &QSpinBox::valueChanged, this, [this](int highest) {
        lowestFret_->setMaximum(highest);
        emit Changed();
    });
    for (QSpinBox* spin : {minStrings_, span_})
        connect(spin, &QSpinBox::valueChanged, this, &VoicingOptionsBar::Changed);
    SetOptions({});
}

VoicingOptions VoicingOptionsBar::Options() const
{
    VoicingOptions options;
    options.bass = static_cast<VoicingOptions::Bass>(bass_->currentIndex());
    options.omitAsBooks = omitAsBooks_->isChecked();
    options.omitted = 0;
    for (std::size_t i = 0; i < omit_.size(); ++i) {
        if (omit_[i]->isChecked())
            options.omitted |= kDegrees[i];
    }
    options.minStrings = minStrings_->value();
    options.mutedInside = mutedInside_->isChecked();
    options.lowestFret = lowestFret_->value();
    options.highestFret = highestFret_->value();
    options.span = span_->value();
    return options;
}

void VoicingOptionsBar::SetOptions(const VoicingOptions& options)
{
    const QSignalBlocker blocker(this);
    bass_->setCurrentIndex(static_cast<int>(options.bass));
    omitAsBooks_->setChecked(options.omitAsBooks);
    for (std::size_t i = 0; i < omit_.size(); ++i)
        omit_[i]->setChecked((options.omitted & kDegrees[i]) != 0);
    minStrings_->setValue(options.minStrings);
    mutedInside_->setChecked(options.mutedInside);
    lowestFret_->setRange(0, kLastFret);
    highestFret_->setRange(0, kLastFret);
    lowestFret_->setValue(options.lowestFret);
    highestFret_->setValue(options.highestFret);
    span_->setValue(options.span);
    UpdateEnabled();
}

void VoicingOptionsBar::UpdateEnabled()
{
    // The chosen degrees count only when the books' rule does not.
    for (QCheckBox* box : omit_)
        box->setEnabled(!omitAsBooks_->isChecked());
}

}  // namespace guivarna::calc
