#include "page/text_panel.h"

#include "resources/strings.h"
#include "resources/text.h"
#include "theory/notes/music_theory.h"
#include "theory/notes/notes.h"
#include "theory/search/search_engine.h"

namespace guivarna::page {

namespace {

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

TextPanel::TextPanel(Kind kind, QPoint home) : kind_(kind)
{
    SetHome(home);
    SetPosition(home.x(), home.y());
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
        if (engine.Chords().CurrentFingering(fingering) && !fingering.StringNotes.empty()) {
            lines.push_back({Text(strings::kMelodyNote) +
                    FromStd(theory::NoteName(fingering.StringNotes.front())),
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
        const std::string name = engine.Scales().CurrentScaleName();
        if (!name.empty())
            lines.push_back({Text(strings::kScaleName) + FromStd(name), false, 2});
        break;
    }
    }
    return lines;
}

}  // namespace guivarna::page
