#include "board/fret_cell.h"

#include "board/board_settings.h"
#include "board/settings_store.h"
#include "theory/notes.h"

namespace guivarna::board {

namespace {

ColourPaths ComponentPaths(
    QStringView path, QStringView a, QStringView r, QStringView g, QStringView b)
{
    return {Join(path, a), Join(path, r), Join(path, g), Join(path, b)};
}

}  // namespace

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

CellStyle FretCell::ReadStyle(const SettingsStore& store, QStringView colourPath)
{
    using namespace board_keys;
    CellStyle style;
    style.dotColour =
        ReadArgb(store, ComponentPaths(colourPath, kDotColorA, kDotColorR, kDotColorG, kDotColorB),
            kDefaultDotColour);
    style.lineColour = ReadArgb(store,
        ComponentPaths(colourPath, kLineColorA, kLineColorR, kLineColorG, kLineColorB),
        kDefaultLineColour);
    const int border = ReadBounded(
        store, Join(colourPath, kLineBorder), kDefaultBorder, 0, board_limits::kMaxBorder);
    style.lineWidth = static_cast<float>(border * 0.1);
    return style;
}

void FretCell::LoadColours(const SettingsStore& store, QStringView colourPath)
{
    SetStyle(ReadStyle(store, colourPath));
}

void FretCell::SaveColours(SettingsStore& store, QStringView colourPath) const
{
    using namespace board_keys;
    WriteArgb(store, ComponentPaths(colourPath, kDotColorA, kDotColorR, kDotColorG, kDotColorB),
        dotColour_);
    WriteArgb(store, ComponentPaths(colourPath, kLineColorA, kLineColorR, kLineColorG, kLineColorB),
        lineColour_);
    store.WriteInt(Join(colourPath, kLineBorder), StoredTenths(lineWidth_));
}

}  // namespace guivarna::board
