#pragma once

#include <string_view>

// The program's user-visible texts, one place for all of them. The number after each name is
// the text's resource number, which other parts of the program and stored data refer to.
namespace guivarna::strings {

// Window and document.
inline constexpr std::string_view kAppTitle = "Guivarna";
inline constexpr std::string_view kDocumentFilter = "Guivarna Files (*.GVA)";  // 128
inline constexpr std::string_view kDocumentExtension = ".GVA";  // 128

inline constexpr std::string_view kCommandFailed = "The command could not be completed: %1";
inline constexpr std::string_view kUnknownError = "an unexpected error occurred";

// Menu bar pop-ups.
inline constexpr std::string_view kMenuFile = "&File";
inline constexpr std::string_view kMenuChordBoard = "&ChordBoard";
inline constexpr std::string_view kMenuScaleBoard = "&ScaleBoard";
inline constexpr std::string_view kMenuWindows = "&Windows";
inline constexpr std::string_view kMenuHelp = "&Help";

// Menu items.
inline constexpr std::string_view kCmdPrint = "&Print...";
inline constexpr std::string_view kCmdPrintPreview = "Print Pre&view...";
inline constexpr std::string_view kCmdPrintSetup = "P&rint Setup...";
inline constexpr std::string_view kCmdExit = "E&xit";
inline constexpr std::string_view kCmdChordWizard = "&Chord wizard";
inline constexpr std::string_view kCmdCopyChordBoard = "Copy ChordBoard";
inline constexpr std::string_view kCmdSaveChordBoard = "Save ChordBoard";
inline constexpr std::string_view kCmdSaveChordList = "Save list to textfile";
inline constexpr std::string_view kCmdSaveChordListHtml = "Save as HTML";
inline constexpr std::string_view kCmdSaveAllChordImages = "Save all chords as images";
inline constexpr std::string_view kCmdSaveAllChordsHtmlAndImages =
    "Save all chords as html and images";
inline constexpr std::string_view kCmdSetDotColor = "Set Dot Color";
inline constexpr std::string_view kCmdScaleWizard = "&Scale wizard";
inline constexpr std::string_view kCmdShowArpeggio = "show current &arpeggio";
inline constexpr std::string_view kCmdSelectAllOnClick = "Select all occurences of a tone on click";
inline constexpr std::string_view kCmdIntervalStacker = "Interval stacker";
inline constexpr std::string_view kCmdCopyScaleBoard = "Copy ScaleBoard";
inline constexpr std::string_view kCmdSaveScaleBoard = "Save ScaleBoard";
inline constexpr std::string_view kCmdSaveScaleList = "Save Scale-list";
inline constexpr std::string_view kCmdClearBoard = "Clear board";
inline constexpr std::string_view kCmdCalculationsWindow = "&Calculations window";
inline constexpr std::string_view kCmdHelpTopics = "&Help Topics";
inline constexpr std::string_view kCmdAbout = "&About Guivarna...";

// Text panels of the board view.
inline constexpr std::string_view kChordNotes = "Chordnotes: ";  // 152
inline constexpr std::string_view kChordInformation = "Chord information:";  // 164
inline constexpr std::string_view kScaleInformation = "Scale information:";  // 165
inline constexpr std::string_view kScaleNotes = "Scalenotes: ";  // 166
inline constexpr std::string_view kMelodyNote = "Melody note: ";  // 167
inline constexpr std::string_view kTraditionalChordNames = "Traditional chordnames:";  // 168
inline constexpr std::string_view kLogicalChordNames = "Logical chordnames:";  // 169
inline constexpr std::string_view kCalculations = "Calculations";  // 160

// Calculations window.
inline constexpr std::string_view kChordFormulas = "Chord formulas";  // 145
inline constexpr std::string_view kScaleFormulas = "Scale formulas";  // 147
inline constexpr std::string_view kColumnStringSet = "StringSet";  // 131
inline constexpr std::string_view kColumnNotePermutation = "NotePermutation";  // 130
inline constexpr std::string_view kColumnFretBoardPosition = "FretBoardPosition";  // 129
inline constexpr std::string_view kColumnScales = "Scales";  // 155
inline constexpr std::string_view kFilteredOutAll =
    "Current filter filtered out all options...";  // 500
inline constexpr std::string_view kButtonGo = "go";
inline constexpr std::string_view kButtonPause = "pauze";
inline constexpr std::string_view kButtonResume = "resume";
inline constexpr std::string_view kButtonStop = "stop";

// Save dialogs and messages of the list and picture exports.
inline constexpr std::string_view kScaleListDefaultName = "New scale collection";
inline constexpr std::string_view kChordListDefaultName = "New chords - fingerings collection";
inline constexpr std::string_view kAllChordsDefaultName = "WILL BE SET AUTOMATICALLY";
inline constexpr std::string_view kTextFilter = "text files(*.txt)";
inline constexpr std::string_view kRichTextFilter = "rich text files(*.rtf)";
inline constexpr std::string_view kHtmlFilter = "html files(*.html)";
inline constexpr std::string_view kJpegFilter = "JPEG image file(*.jpg)";
inline constexpr std::string_view kSaveListTitle = "Save list";
inline constexpr std::string_view kSavePicturesTitle = "Save pictures";
inline constexpr std::string_view kSavingPictures = "Saving the chord pictures...";
inline constexpr std::string_view kCancel = "Cancel";
inline constexpr std::string_view kPicturesNotWritten =
    "%1 of %2 pictures could not be written. The first: %3";

// About box.
inline constexpr std::string_view kAboutTitle = "About Guivarna";
inline constexpr std::string_view kAboutVersion = "Guivarna Version 1,0,3";
inline constexpr std::string_view kAboutLine1 =
    "A study tool for guitarists: mark notes, name chords, find fingerings and scales.";
inline constexpr std::string_view kAboutLine2 = "Copyright \u00a9 KOVA. All rights reserved.";
inline constexpr std::string_view kAboutLinkCaption = "Visit the Guivarna web site";
inline constexpr std::string_view kAboutLinkTarget = "https://guivarna.example.org/";

// Help.
inline constexpr std::string_view kManualFileName = "manual.html";
inline constexpr std::string_view kManualMissingTitle = "Guivarna Help";
inline constexpr std::string_view kManualMissing =
    "The user manual could not be found. It is installed with Guivarna as %1.";

}  // namespace guivarna::strings
