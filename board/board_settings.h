#pragma once

#include <QString>
#include <QStringView>

#include <array>

#include <cstdint>

namespace guivarna::board {

class SettingsStore;

// The value paths of the board settings. Paths are concatenated from these pieces exactly as
// stored settings were written; some joins produce a doubled backslash ("Frets\" followed by
// "\Line\Border"), which the store reads as one separator.
namespace board_keys {
inline constexpr QStringView kFretBoards = u"\\FretBoards\\";
inline constexpr QStringView kCustomOffset = u"CustomOffset";
inline constexpr QStringView kOffsetX = u"Offset\\X";
inline constexpr QStringView kOffsetY = u"Offset\\Y";
inline constexpr QStringView kNumSnares = u"numSnares";
inline constexpr QStringView kIsChordBoard = u"IsChordBoard";
inline constexpr QStringView kStrings = u"Strings\\";
inline constexpr QStringView kOrientation = u"Orientation";
inline constexpr QStringView kOpenSnare = u"OpenSnare";
inline constexpr QStringView kNumberOfFrets = u"NumberOfFrets";
inline constexpr QStringView kFretWidth = u"FretWidth";
inline constexpr QStringView kFretHeight = u"FretHeight";
inline constexpr QStringView kShowNotes = u"ShowNotes";
inline constexpr QStringView kFrets = u"Frets\\";
inline constexpr QStringView kDotColorA = u"Dot\\Color\\A";
inline constexpr QStringView kDotColorR = u"Dot\\Color\\R";
inline constexpr QStringView kDotColorG = u"Dot\\Color\\G";
inline constexpr QStringView kDotColorB = u"Dot\\Color\\B";
inline constexpr QStringView kLineColorA = u"\\Line\\Color\\A";
inline constexpr QStringView kLineColorR = u"\\Line\\Color\\R";
inline constexpr QStringView kLineColorG = u"\\Line\\Color\\G";
inline constexpr QStringView kLineColorB = u"\\Line\\Color\\B";
inline constexpr QStringView kLineBorder = u"\\Line\\Border";
}  // namespace board_keys

// Ranges a stored value must lie in to be used; anything outside reads as its default. They keep
// a damaged or hand-edited settings file from building absurdly large boards.
namespace board_limits {
inline constexpr int kMinBoards = 2;
inline constexpr int kMaxBoards = 8;
inline constexpr int kMinStrings = 1;
inline constexpr int kMaxStrings = 24;
inline constexpr int kMinFrets = 1;
inline constexpr int kMaxFrets = 49;
inline constexpr int kMinFretSize = 1;
inline constexpr int kMaxFretSize = 1000;
inline constexpr int kMaxOffset = 100000;
inline constexpr int kMaxOpenNote = 127;
inline constexpr int kMaxBorder = 1000;
}  // namespace board_limits

// "\FretBoards\FretBoard<index>\"
QString BoardPath(int index);
// BoardPath + "Strings\String<row>\"
QString RowPath(QStringView boardPath, int row);
// The path followed by a piece.
QString Join(QStringView path, QStringView piece);

// The stored value read as a signed 32-bit integer if it lies in min..max, else fallback.
int ReadBounded(const SettingsStore& store, QStringView path, int fallback, int min, int max);
// The stored 32-bit value, or fallback when absent.
std::uint32_t ReadOr(const SettingsStore& store, QStringView path, std::uint32_t fallback);

// The paths of a colour's alpha, red, green and blue values, in that order.
using ColourPaths = std::array<QString, 4>;
// A colour stored as four values: only the low byte of each counts, and an absent one keeps the
// fallback's byte.
std::uint32_t ReadArgb(
    const SettingsStore& store, const ColourPaths& paths, std::uint32_t fallback);
// Writes the colour's bytes (alpha first).
void WriteArgb(SettingsStore& store, const ColourPaths& paths, std::uint32_t argb);

// The stored form of a width that loads as value x 0.1: width x 10 cut to an integer. The small
// bias keeps a loaded width from losing one step to floating-point error (2.9f x 10 =
// 28.99...), so a stored value survives any number of loads and saves.
std::int32_t StoredTenths(float width);

}  // namespace guivarna::board
