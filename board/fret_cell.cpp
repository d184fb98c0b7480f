#include "board/fret_cell.h"

#include "board/board_settings.h"
#include "board/settings_store.h"
#include "theory/notes.h"

#include <cmath>

namespace guivarna::board {

namespace {

std::uint32_t ReadColour(const SettingsStore& store, QStringView path, QStringView a, QStringView r,
    QStringView g, QStringView b, std::uint32_t fallback)
{
    // Each component keeps its own default and only its low byte counts.
    const auto component = [&](QStringView piece, int shift) {
        return (ReadOr(store, Join(path, piece), (fallback >> shift) & 0xFFu) & 0xFFu) << shift;
    };
    return component(a, 24) | component(r, 16) | component(g, 8) | component(b, 0);
}

void WriteColour(SettingsStore& store, QStringView path, QStringView a, QStringView r,
    QStringView g, QStringView b, std::uint32_t argb)
{
    store.WriteSettingDword(Join(path, a), (argb >> 24) & 0xFFu);
    store.WriteSettingDword(Join(path, r), (argb >> 16) & 0xFFu);
    store.WriteSettingDword(Join(path, g), (argb >> 8) & 0xFFu);
    store.WriteSettingDword(Join(path, b), argb & 0xFFu);
}

// The stored form of a line width: width x 10 cut to an integer. The small bias keeps widths
// read as value x 0.1 from losing one step to floating-point error (2.9f x 10 = 28.99...).
std::uint32_t BorderValue(float lineWidth)
{
    const double scaled = std::floor(static_cast<double>(lineWidth) * 10.0 + 1e-4);
    return static_cast<std::uint32_t>(TruncateToInt(scaled));
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
    style.dotColour = ReadColour(
        store, colourPath, kDotColorA, kDotColorR, kDotColorG, kDotColorB, kDefaultDotColour);
    style.lineColour = ReadColour(
        store, colourPath, kLineColorA, kLineColorR, kLineColorG, kLineColorB, kDefaultLineColour);
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
    WriteColour(store, colourPath, kDotColorA, kDotColorR, kDotColorG, kDotColorB, dotColour_);
    WriteColour(store, colourPath, kLineColorA, kLineColorR, kLineColorG, kLineColorB, lineColour_);
    store.WriteSettingDword(Join(colourPath, kLineBorder), BorderValue(lineWidth_));
}

}  // namespace guivarna::board
