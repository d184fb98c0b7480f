#include "board/text_panel.h"

#include "board/board_painter.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "theory/music_theory.h"
#include "theory/notes.h"
#include "theory/search_engine.h"

#include <QPainter>

namespace guivarna::board {

namespace {

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

TextPanel::TextPanel(Kind kind, QPoint home) : kind_(kind)
{
    SetHome(home);
}

QString TextPanel::Caption() const
{
    switch (kind_) {
    case Kind::ChordInformation:
        return Text(strings::kChordInformation);
    case Kind::ChordNames:
        return Text(strings::kTraditionalChordNames);
    case Kind::ScaleInformation:
        return Text(strings::kScaleInformation);
    }
    return {};
}

std::vector<TextPanel::Line> TextPanel::Lines(
    const theory::MusicTheory& theory, const theory::SearchEngine& engine) const
{
    std::vector<Line> lines;
    switch (kind_) {
    case Kind::ChordInformation: {
        if (!theory.HasSelection())
            break;
        lines.push_back({Caption(), true, 0});
        lines.push_back({Text(strings::kChordNotes) + FromStd(theory.FormatNotes()), false, 1});
        theory::ChordFingering fingering;
        if (engine.Chords().CurrentFingering(fingering) && !fingering.NotePermutation.empty()) {
            lines.push_back({Text(strings::kMelodyNote) +
                    FromStd(theory::NoteName(fingering.NotePermutation.front())),
                false, 2});
        }
        break;
    }
    case Kind::ChordNames: {
        if (!theory.HasSelection())
            break;
        int line = 0;
        lines.push_back({Caption(), true, line});
        for (const std::string& name : theory.SuggestChordNames(theory::kTraditionalNames))
            lines.push_back({FromStd(name), false, ++line});
        line += 2;
        lines.push_back({Text(strings::kLogicalChordNames), true, line});
        for (const std::string& name : theory.SuggestChordNames(theory::kSemitoneNames))
            lines.push_back({FromStd(name), false, ++line});
        break;
    }
    case Kind::ScaleInformation: {
        const std::string scale = engine.Scales().CurrentScaleText();
        if (scale.empty())
            break;
        lines.push_back({Caption(), true, 0});
        lines.push_back({Text(strings::kScaleNotes) + FromStd(scale), false, 1});
        break;
    }
    }
    return lines;
}

void TextPanel::Draw(QPainter& painter, const DeviceMapping& mapping,
    const theory::MusicTheory& theory, const theory::SearchEngine& engine, double scale) const
{
    const std::vector<Line> lines = Lines(theory, engine);
    if (lines.empty())
        return;

    const QPointF origin = mapping.SceneToDevice(QPointF(X(), Y()));
    const double line = mapping.SceneToDeviceY(lineSize_);
    const QFont captionFont = SceneFont(painter, line * scale, true, true);
    const QFont textFont = SceneFont(painter, line * scale);

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    for (const Line& l : lines) {
        painter.setFont(l.caption ? captionFont : textFont);
        const QRectF at(origin.x(), origin.y() + line * l.lineIndex, 0, 0);
        painter.drawText(at, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, l.text);
    }
    painter.restore();
}

}  // namespace guivarna::board
