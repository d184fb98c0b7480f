#pragma once

#include "settings/setting.h"

#include <QStringView>

#include <cstdint>

// The stored layout of the boards. A board's values live below its base path
// "\FretBoards\FretBoard<i>\", a string's below the row path base + "Strings\String<k>\", a
// row's colours below the row path + "Frets\". Pieces are joined exactly as stored settings
// were written; some joins produce a doubled backslash ("Frets\" followed by "\Line\Border"),
// which the store reads as one separator.
namespace guivarna::settings::board_keys {

// Ranges a stored value must lie in to be used; anything outside reads as its default. They keep
// a damaged or hand-edited settings file from building absurdly large boards.
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

// Path pieces that only build other paths.
inline constexpr QStringView kFretBoards = u"\\FretBoards\\";
inline constexpr QStringView kStrings = u"Strings\\";
inline constexpr QStringView kFrets = u"Frets\\";
// Present (any value) = the offsets below are used; never written by the program.
inline constexpr QStringView kCustomOffset = u"CustomOffset";

// The number of boards: the default value of "\FretBoards\".
inline constexpr IntSetting kBoardCount{kFretBoards, kMinBoards, kMinBoards, kMaxBoards};
// Left-handed boards (mirrored left to right); absent means right-handed. One value for the
// whole program, which shows one instrument.
inline constexpr FlagSetting kLeftHanded{u"\\FretBoards\\LeftHanded", false};
// The ChordBoard shows finger numbers on its marks instead of note names.
inline constexpr FlagSetting kShowFingers{u"\\FretBoards\\ShowFingers", false};

// Below a board's base path.
inline constexpr IntSetting kOffsetX{u"Offset\\X", 0, -kMaxOffset, kMaxOffset};
inline constexpr IntSetting kOffsetY{u"Offset\\Y", 0, -kMaxOffset, kMaxOffset};
inline constexpr IntSetting kNumSnares{u"numSnares", 6, kMinStrings, kMaxStrings};
inline constexpr FlagSetting kIsChordBoard{u"IsChordBoard", false};
// 1 = the board has a fret-number row (the default value of "Strings\").
inline constexpr FlagSetting kHasFretRow{kStrings, true, FlagSetting::Rule::ExactlyOne};

// Below a row path. The orientation's default depends on the row's place, so it has none here.
inline constexpr IntSetting kOrientation{u"Orientation"};
// No default: a missing open note switches the board to the standard tuning.
inline constexpr IntSetting kOpenSnare{u"OpenSnare", 64, 0, kMaxOpenNote};
inline constexpr IntSetting kNumberOfFrets{u"NumberOfFrets", 25, kMinFrets, kMaxFrets};
inline constexpr IntSetting kFretWidth{u"FretWidth", 80, kMinFretSize, kMaxFretSize};
inline constexpr IntSetting kFretHeight{u"FretHeight", 50, kMinFretSize, kMaxFretSize};
inline constexpr FlagSetting kShowNotes{u"ShowNotes", true, FlagSetting::Rule::ExactlyOne};

// Below a row's colour path.
inline constexpr ColourSetting kDotColour{
    {u"Dot\\Color\\A", u"Dot\\Color\\R", u"Dot\\Color\\G", u"Dot\\Color\\B"}, 0xFFFFA500};
inline constexpr ColourSetting kLineColour{
    {u"\\Line\\Color\\A", u"\\Line\\Color\\R", u"\\Line\\Color\\G", u"\\Line\\Color\\B"},
    0xFF000000};
inline constexpr WidthSetting kLineBorder{u"\\Line\\Border", 10, kMaxBorder};

}  // namespace guivarna::settings::board_keys
