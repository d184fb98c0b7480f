#pragma once

#include "board/drawable_item.h"
#include "settings/board_keys.h"
#include "settings/settings_store.h"

#include <QString>
#include <QStringView>

#include <cstdint>

namespace guivarna::board {

// Which grid lines and whether the label a cell draws.
enum LineFlag : int {
    kLeftUpperLine = 0x01,
    kLeftLowerLine = 0x02,
    kRightUpperLine = 0x04,
    kRightLowerLine = 0x08,
    kStringLine = 0x10,
    kFretLabel = 0x20,  // a cell with the label never toggles on click
};

// How a marked cell is drawn.
enum DotStyleFlag : int {
    kFilledDot = 0x01,  // filled with the dot colour, outlined in the line colour
    kHollowDot = 0x02,  // outline only
    kNoteNameInDot = 0x04,
};

inline constexpr std::uint32_t kDefaultDotColour = settings::board_keys::kDotColour.fallback;
inline constexpr std::uint32_t kDefaultLineColour = settings::board_keys::kLineColour.fallback;
inline constexpr int kDefaultBorder = settings::board_keys::kLineBorder.fallbackTenths;

// The colours and line width every cell of a row shares (the settings' defaults).
struct CellStyle {
    std::uint32_t dotColour = kDefaultDotColour;
    std::uint32_t lineColour = kDefaultLineColour;
    float lineWidth = kDefaultBorder * 0.1f;

    bool operator==(const CellStyle&) const = default;
};

// One position of a fretboard (string, fret): its note, mark, lines, dot and label.
class FretCell : public DrawableItem {
public:
    FretCell() = default;
    explicit FretCell(int note) : note_(note) { }

    int Note() const { return note_; }
    void SetNote(int note) { note_ = note; }
    // The name of the note's pitch class, flats only ("A" for 69).
    QString NoteName() const;

    int LineFlags() const { return lineFlags_; }
    void SetLineFlags(double flags);
    int DotStyle() const { return dotStyle_; }
    void SetDotStyle(double style);
    std::uint32_t DotColour() const { return dotColour_; }
    void SetDotColour(std::uint32_t argb) { dotColour_ = argb; }
    std::uint32_t LineColour() const { return lineColour_; }
    void SetLineColour(std::uint32_t argb) { lineColour_ = argb; }
    float LineWidth() const { return lineWidth_; }
    void SetLineWidth(float width) { lineWidth_ = width; }
    const QString& Label() const { return label_; }
    void SetLabel(const QString& label) { label_ = label; }

    void SetStyle(const CellStyle& style);
    CellStyle Style() const { return {dotColour_, lineColour_, lineWidth_}; }

    // Toggles the mark unless the cell carries the fret label; returns the resulting mark.
    int OnClick(const DeviceMapping& mapping, QPoint devicePoint) override;

    // Colours and line width below a colour path (a row's path + "Frets\"); each absent or
    // out-of-range value takes its own default.
    static CellStyle ReadStyle(const settings::SettingsStore& store, QStringView colourPath);
    void LoadColours(const settings::SettingsStore& store, QStringView colourPath);
    void SaveColours(settings::SettingsStore& store, QStringView colourPath) const;

private:
    int lineFlags_ = 0;
    std::uint32_t lineColour_ = 0xFF000000;
    std::uint32_t dotColour_ = 0xFF000000;
    QString label_;
    int note_ = 0;
    float lineWidth_ = 1.0f;
    int dotStyle_ = 0;
};

}  // namespace guivarna::board
