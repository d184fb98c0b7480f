#pragma once

#include "theory/notes/notes.h"
#include "theory/search/voicing_search.h"

#include <QWidget>

#include <array>
#include <span>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace guivarna::settings {
class SettingsStore;
}

namespace guivarna::calc {

// What the user chose above the voicing list, kept in the settings between sessions.
struct VoicingOptions {
    enum class Bass { AsBooks, Root, Any };
    Bass bass = Bass::AsBooks;  // AsBooks: the root, or any tone on a re-entrant tuning
    bool omitAsBooks = true;  // the tones chord books leave out, else omitted
    unsigned omitted = theory::kDegreeFifth;  // VoicingDegree bits
    int minStrings = 3;
    bool mutedInside = true;
    int lowestFret = 0;
    int highestFret = 12;
    int span = 4;

    bool operator==(const VoicingOptions&) const = default;

    // The request for a chord (root and intervals, bit k = k semitones up) on tuning (string 1
    // first), with slashBass (kNoPitchClass: none) as the bass when the symbol named one.
    theory::VoicingRequest RequestFor(theory::PitchClass root, int intervals,
        theory::PitchClass slashBass, std::span<const theory::Note> tuning) const;

    // Out-of-range values read as their defaults, and so does a fret range upside down.
    static VoicingOptions Read(const settings::SettingsStore& store, QStringView base);
    void Write(settings::SettingsStore& store, QStringView base) const;
};

// The options row of the voicing list: bass, the tones that may be left out, the fewest
// sounding strings, muted strings between sounding ones, the fret range and the span.
class VoicingOptionsBar : public QWidget {
    Q_OBJECT

public:
    explicit VoicingOptionsBar(QWidget* parent = nullptr);

    VoicingOptions Options() const;
    void SetOptions(const VoicingOptions& options);

signals:
    void Changed();

private:
    void UpdateEnabled();

    QComboBox* bass_;
    QCheckBox* omitAsBooks_;
    std::array<QCheckBox*, 5> omit_{};
    QSpinBox* minStrings_;
    QCheckBox* mutedInside_;
    QSpinBox* lowestFret_;
    QSpinBox* highestFret_;
    QSpinBox* span_;
};

}  // namespace guivarna::calc
