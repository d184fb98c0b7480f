#pragma once

#include "calc/wizard_page.h"
#include "theory/search/search_request.h"

#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace guivarna::board {
class BoardCollection;
}

namespace guivarna::theory {
struct ChordSearchRequest;
}

namespace guivarna::calc {

// Second page of the chord wizard: the strings a fingering may use, the fret range, the hand
// span, how open strings count and whether only playable shapes are kept.
class StringFretPage : public WizardPage {
    Q_OBJECT

public:
    static constexpr int kTemplateId = 136;

    explicit StringFretPage(const board::BoardCollection& boards);

    // The chord's note count, told by the wizard when the page is reached; no fewer strings than
    // notes can remain.
    void SetNoteCount(int count) { noteCount_ = count; }
    int NoteCount() const { return noteCount_; }
    theory::OpenStringPolicy OpenStrings() const { return policy_; }

    int LowestFret() const;
    int HighestFret() const;
    int Span() const;
    std::vector<std::uint32_t> AllowedStrings() const;

    // True when the fret range is at least the span wide; otherwise says so at the span list.
    bool CanGoNext() override;
    // The checks of Finish: the fret range (with its balloon) and at least one string.
    bool CheckLimits();
    // Writes the allowed strings, the fret range, the span, the open-string policy and the
    // playable filter into the request; only meaningful after CheckLimits passed.
    void FillRequest(theory::ChordSearchRequest& request) const;

    QTableWidget* StringList() const { return strings_; }
    QComboBox* SpanList() const { return span_; }
    QComboBox* LowestFretList() const { return lowest_; }
    QComboBox* HighestFretList() const { return highest_; }
    // "Only shapes four fingers can play", off by default.
    QCheckBox* PlayableOnly() const { return playable_; }

protected:
    void CreateControls() override;

private:
    void FillStrings();
    void RemoveString();
    void LowestChanged();
    void HighestChanged();

    const board::BoardCollection& boards_;
    int noteCount_ = 0;
    theory::OpenStringPolicy policy_ = theory::OpenStringPolicy::ByPosition;
    QTableWidget* strings_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* reset_ = nullptr;
    QComboBox* span_ = nullptr;
    QComboBox* lowest_ = nullptr;
    QComboBox* highest_ = nullptr;
    QCheckBox* playable_ = nullptr;
};

}  // namespace guivarna::calc
