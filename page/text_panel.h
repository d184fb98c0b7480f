#pragma once

#include "board/drawable_item.h"

#include <QPoint>
#include <QRgb>
#include <QString>

#include <vector>

namespace guivarna::theory {
class MusicTheory;
class SearchEngine;
}  // namespace guivarna::theory

namespace guivarna::page {

// A block of text on the page that describes the current chord or scale. Its lines are computed
// from the chord selection and the search results each time it is drawn (page_painter.h), and
// there are none while there is nothing to describe. Its position is its home on the sheet.
class TextPanel : public board::DrawableItem {
public:
    enum class Kind {
        ChordInformation,  // chord notes and the melody note of the selected fingering
        ChordNames,  // traditional and logical chord names of the selection
        ScaleInformation,  // the notes of the shown scale
    };

    // One line of the panel: its text, whether it is drawn in the caption font, and its
    // distance from the panel's top in lines.
    struct Line {
        QString text;
        bool caption = false;
        int lineIndex = 0;

        bool operator==(const Line&) const = default;
    };

    static constexpr double kDefaultLineSize = 43.0;  // scene units: 4.3 mm

    TextPanel(Kind kind, QPoint home);

    Kind GetKind() const { return kind_; }
    QString Caption() const;
    QRgb TextColour() const { return textColour_; }
    double LineSize() const { return lineSize_; }

    // The lines shown for the current state; empty when the panel has nothing to describe.
    std::vector<Line> Lines(
        const theory::MusicTheory& theory, const theory::SearchEngine& engine) const;

private:
    Kind kind_;
    QRgb textColour_ = 0xFF000000;
    double lineSize_ = kDefaultLineSize;
};

}  // namespace guivarna::page
