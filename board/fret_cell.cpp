#include "board/fret_cell.h"

#include "board/board_settings.h"
#include "theory/notes/notes.h"

namespace guivarna::board {

QString FretCell::NoteName() const
{
    return QString::fromStdString(theory::NoteName(static_cast<std::uint32_t>(note_)));
}

void FretCell::SetLineFlags(double flags)
{
    lineFlags_ = TruncateToInt(flags);
}

void FretCell::SetDotStyle(double style)
{
    dotStyle_ = TruncateToInt(style);
}

void FretCell::SetStyle(const CellStyle& style)
{
    dotColour_ = style.dotColour;
    lineColour_ = style.lineColour;
    lineWidth_ = style.lineWidth;
}

int FretCell::OnClick(const DeviceMapping& /*mapping*/, QPoint /*devicePoint*/)
{
    if ((lineFlags_ & kFretLabel) == 0)
        SetMarked(Marked() ? 0 : 1);
    return Marked();
}

CellStyle FretCell::ReadStyle(const settings::SettingsStore& store, QStringView colourPath)
{
    CellStyle style;
    style.dotColour = Read(store, settings::board_keys::kDotColour, colourPath);
    style.lineColour = Read(store, settings::board_keys::kLineColour, colourPath);
    style.lineWidth = Read(store, settings::board_keys::kLineBorder, colourPath);
    return style;
}

void FretCell::LoadColours(const settings::SettingsStore& store, QStringView colourPath)
{
    SetStyle(ReadStyle(store, colourPath));
}

void FretCell::SaveColours(settings::SettingsStore& store, QStringView colourPath) const
{
    Write(store, settings::board_keys::kDotColour, dotColour_, colourPath);
    Write(store, settings::board_keys::kLineColour, lineColour_, colourPath);
    Write(store, settings::board_keys::kLineBorder, lineWidth_, colourPath);
}

}  // namespace guivarna::board
