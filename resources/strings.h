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
inline constexpr std::string_view kMenuView = "&View";
inline constexpr std::string_view kMenuWindows = "&Windows";
inline constexpr std::string_view kMenuHelp = "&Help";

// Menu items.
inline constexpr std::string_view kCmdInstrument = "&Instrument...";
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
inline constexpr std::string_view kCmdNameMarkedChord = "Name marked chord";
inline constexpr std::string_view kCmdChordByName = "Chord by name\u2026";
inline constexpr std::string_view kCmdScaleByName = "Scale by name\u2026";
inline constexpr std::string_view kCmdPlayChordBoard = "Play ChordBoard";
inline constexpr std::string_view kCmdPlayScaleBoard = "Play ScaleBoard";
inline constexpr std::string_view kCmdScaleWizard = "&Scale wizard";
inline constexpr std::string_view kCmdShowArpeggio = "show current &arpeggio";
inline constexpr std::string_view kCmdSelectAllOnClick = "Select all occurences of a tone on click";
inline constexpr std::string_view kCmdIntervalStacker = "Interval stacker";
inline constexpr std::string_view kCmdCopyScaleBoard = "Copy ScaleBoard";
inline constexpr std::string_view kCmdSaveScaleBoard = "Save ScaleBoard";
inline constexpr std::string_view kCmdSaveScaleList = "Save Scale-list";
inline constexpr std::string_view kCmdClearBoard = "Clear board";
inline constexpr std::string_view kCmdZoomIn = "Zoom &in";
inline constexpr std::string_view kCmdZoomOut = "Zoom &out";
inline constexpr std::string_view kCmdZoomActualSize = "&Actual size";
inline constexpr std::string_view kCmdZoomFitWidth = "Fit &width";
inline constexpr std::string_view kCmdZoomFitPage = "Fit &page";
inline constexpr std::string_view kCmdCalculationsWindow = "&Calculations window";
inline constexpr std::string_view kCmdHelpTopics = "&Help Topics";
inline constexpr std::string_view kCmdAbout = "&About Guivarna...";

// Text panels of the board view.
inline constexpr std::string_view kChordNotes = "Chordnotes: ";  // 152
inline constexpr std::string_view kChordInformation = "Chord information:";  // 164
inline constexpr std::string_view kScaleInformation = "Scale information:";  // 165
inline constexpr std::string_view kScaleNotes = "Scalenotes: ";  // 166
inline constexpr std::string_view kScaleName = "Scale: ";
inline constexpr std::string_view kMelodyNote = "Melody note: ";  // 167
inline constexpr std::string_view kTraditionalChordNames = "Traditional chordnames:";  // 168
inline constexpr std::string_view kLogicalChordNames = "Logical chordnames:";  // 169
inline constexpr std::string_view kCalculations = "Calculations";  // 160

// Wizard frame.
inline constexpr std::string_view kWizardBack = "Back";
inline constexpr std::string_view kWizardNext = "Next";
inline constexpr std::string_view kWizardCancel = "Cancel";
inline constexpr std::string_view kWizardFinish = "Finish";
inline constexpr std::string_view kCalculateRightAway = "Calculate right away";
inline constexpr std::string_view kChordWizardCaption = "Guivarna Chordwizard";  // 156
inline constexpr std::string_view kScaleWizardCaption = "Guivarna Scalewizard";  // 157

// Chord wizard: notes page.
inline constexpr std::string_view kSelectNotes = "Select Notes";
inline constexpr std::string_view kSelectedNotes = "Selected notes";
inline constexpr std::string_view kRemoveNote = "<< Remove";
inline constexpr std::string_view kClear = "Clear";
inline constexpr std::string_view kMakeRoot = "Make Root";
inline constexpr std::string_view kRootDisplay = "Root: %1";  // 133
inline constexpr std::string_view kRootNotSet = "Not set.";  // 136
inline constexpr std::string_view kMaxNotesTitle = "Maximum number of notes to select: %1";  // 132
inline constexpr std::string_view kAllStringsOccupied =
    "All strings are occupied; it is not possible to select more chordnotes than there are "
    "strings.";  // 134
inline constexpr std::string_view kNoSelection = "No selection was made.";

// Chord wizard: strings and frets page.
inline constexpr std::string_view kStringLimitations = "String limitations";
inline constexpr std::string_view kFindChordsOnStrings = "Find chords on the following strings:";
inline constexpr std::string_view kStringIndex = "Index";  // 139
inline constexpr std::string_view kStrings = "Strings";  // 137
inline constexpr std::string_view kRemoveString = "Remove >>";
inline constexpr std::string_view kReset = "Reset";
inline constexpr std::string_view kFretLimitations = "Fret limitations";
inline constexpr std::string_view kChordsMaySpan = "Chords may span";
inline constexpr std::string_view kFrets = "frets";
inline constexpr std::string_view kAndUseFret = "and use fret";
inline constexpr std::string_view kUptoFret = "upto fret";
inline constexpr std::string_view kOpenStringsByPosition = "Open strings by position";
inline constexpr std::string_view kMayHaveOpenStrings = "May always have open strings";
inline constexpr std::string_view kMustHaveOpenStrings = "Must always have open strings";
inline constexpr std::string_view kLowestFretTitle = "Lowest fret";
inline constexpr std::string_view kLowestFretTooHigh =
    "The lowest fret cannot be higher than or equal to the highest fret.";
inline constexpr std::string_view kHighestFretTitle = "Highest fret";
inline constexpr std::string_view kHighestFretTooLow =
    "The highest fret cannot be lower than or equal to the lowest fret.";
inline constexpr std::string_view kFretRangeTitle = "Fret range";
inline constexpr std::string_view kFretRangeTooSmall =
    "It is impossible to search a fret-range larger than the specified fretdomain. Please modify "
    "your filter.";
inline constexpr std::string_view kStringsTitle = "Strings";
inline constexpr std::string_view kNoStringToSpare =
    "No string can be removed: the chord has as many notes as there are strings left, and every "
    "note needs a string of its own.";

// Chord wizard: permutations page.
inline constexpr std::string_view kNotePermutations = "Notepermutations";
inline constexpr std::string_view kUseAllPermutations = "Use all permutations";
inline constexpr std::string_view kUseSpecificPermutation = "Use 1 specific permutation";
inline constexpr std::string_view kUseSpecificMelodyNote = "Use 1 specific melody note";
inline constexpr std::string_view kMelodyNoteLabel = "Melody note:";
inline constexpr std::string_view kPermutations = "Permutations";  // 150
inline constexpr std::string_view kPermutate = "Permutate";
inline constexpr std::string_view kSelect = "Select";
inline constexpr std::string_view kCurrentNoteSelection = "Current note-selection:";
inline constexpr std::string_view kCurrentNotePermutation = "Current note-permutation:";
inline constexpr std::string_view kAllPermutationsUsed = "All permutations will be used.";  // 151
inline constexpr std::string_view kPermutationsTitle = "Permutations";
inline constexpr std::string_view kNothingToPermutate =
    "There is nothing to permutate, please select another option.";
inline constexpr std::string_view kChoosePermutationFirst =
    "You have chosen to use a specific permutation. You need to press the 'permutate' button, "
    "select a permutation and press the 'select' button before finishing.";

// Scale wizard: must-have notes page.
inline constexpr std::string_view kMustHaveNotesGroup = "Select Notes the scales MUST have";
inline constexpr std::string_view kNotesOfCurrentChord = "Notes of current chord:";
inline constexpr std::string_view kScalesMustHaveChord = "Scales must have current chord";

// Scale wizard: tones page.
inline constexpr std::string_view kScalesMustHave = "Scales must have";
inline constexpr std::string_view kTones = "tones";
inline constexpr std::string_view kScalesNoMoreThan = "Scales must have no more than";
inline constexpr std::string_view kSemitonesInARow = "semitones in a row";
inline constexpr std::string_view kNoSemitones = "no";  // 159

// Calculations window.
inline constexpr std::string_view kChordFormulas = "Chord formulas";  // 145
inline constexpr std::string_view kScaleFormulas = "Scale formulas";  // 147
inline constexpr std::string_view kColumnStringSet = "StringSet";  // 131
inline constexpr std::string_view kColumnNotePermutation = "NotePermutation";  // 130
inline constexpr std::string_view kColumnFretBoardPosition = "FretBoardPosition";  // 129
inline constexpr std::string_view kColumnScales = "Scales";  // 155
inline constexpr std::string_view kColumnScaleNames = "Names";
inline constexpr std::string_view kFilteredOutAll =
    "Current filter filtered out all options...";  // 500
inline constexpr std::string_view kButtonGo = "go";
inline constexpr std::string_view kButtonPause = "pauze";
inline constexpr std::string_view kButtonResume = "resume";
inline constexpr std::string_view kButtonStop = "stop";

// Interval stacker (dialog 160).
inline constexpr std::string_view kStackerCaption = "Interval stacker - for Quill";
inline constexpr std::string_view kStackerStringsGroup = "Strings used for this scale";
inline constexpr std::string_view kStackerStringsColumn = "Strings";
inline constexpr std::string_view kStackerRemove = "Remove >>";
inline constexpr std::string_view kStackerReset = "Reset";
inline constexpr std::string_view kStackerIntervalsGroup = "Select intervals in stacking order";
inline constexpr std::string_view kStackerIntervalsColumn = "Intervals";
inline constexpr std::string_view kStackerClear = "Clear";
inline constexpr std::string_view kStackerRootGroup = "Rootnote settings";
inline constexpr std::string_view kStackerRootStringBefore = "Rootnote is on the";
inline constexpr std::string_view kStackerRootStringAfter = "string";
inline constexpr std::string_view kStackerRootNote = "Select Rootnote:";
// A root-note entry: the note's name followed by this, %1 being the fret.
inline constexpr std::string_view kStackerFretSuffix = " (fret %1)";
inline constexpr std::string_view kStackerTooManyTitle = "Interval Selector";
inline constexpr std::string_view kStackerTooMany =
    "Don't be ridiculous; please select a reasonable number of intervals; less than 10 will do...";
inline constexpr std::string_view kStackerLastStringTitle = "Strings";
inline constexpr std::string_view kStackerLastString =
    "Since it isn't possible to show any notes without a string, I simply can't let you remove "
    "'em all!";
inline constexpr std::string_view kStackerNoIntervalsTitle = "Intervals";
inline constexpr std::string_view kStackerNoIntervals =
    "Please make a selection before continuing!!";
inline constexpr std::string_view kStackerOk = "OK";
inline constexpr std::string_view kStackerCancel = "Cancel";

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

// Naming and playing the marked notes.
inline constexpr std::string_view kNothingToName =
    "There is nothing to name: mark the notes of a chord on the ChordBoard first.";
inline constexpr std::string_view kNothingToPlayChordBoard =
    "There is nothing to play: the ChordBoard has no marked notes.";
inline constexpr std::string_view kNothingToPlayScaleBoard =
    "There is nothing to play: the ScaleBoard has no marked notes.";
inline constexpr std::string_view kNoAudioOutput =
    "No audio output device was found, so Guivarna cannot play the marked notes.";
inline constexpr std::string_view kAudioFailed =
    "The audio output could not play the marked notes.";

// About box.
inline constexpr std::string_view kAboutTitle = "About Guivarna";
inline constexpr std::string_view kAboutVersion = "Guivarna Version 1,0,3";
inline constexpr std::string_view kAboutLine1 =
    "A study tool for guitarists: mark notes, name chords, find fingerings and scales.";
inline constexpr std::string_view kAboutLine2 = "Copyright \u00a9 KOVA. All rights reserved.";
inline constexpr std::string_view kAboutLinkCaption = "Visit the Guivarna web site";
inline constexpr std::string_view kAboutLinkTarget = "https://guivarna.example.org/";

// Instrument dialog.
inline constexpr std::string_view kInstrumentTitle = "Instrument";
inline constexpr std::string_view kInstrumentPresets = "&Presets:";
inline constexpr std::string_view kInstrumentStrings = "&Strings (string 1 at the top):";
inline constexpr std::string_view kInstrumentOpenNote = "Open note";
inline constexpr std::string_view kInstrumentString = "String %1";
inline constexpr std::string_view kInstrumentAddString = "&Add string";
inline constexpr std::string_view kInstrumentRemoveString = "&Remove string";
inline constexpr std::string_view kInstrumentPositions = "&Fret positions (open string included):";
inline constexpr std::string_view kInstrumentLeftHanded = "&Left-handed";
inline constexpr std::string_view kInstrumentPreview = "Open strings: %1";
inline constexpr std::string_view kInstrumentUnknownNote = "?";
inline constexpr std::string_view kInstrumentBadNote =
    "String %1: \"%2\" is not a note. Write a name and an octave from C-1 to G9, such as E4, "
    "F#2 or Bb3.";

// Help.
inline constexpr std::string_view kManualFileName = "manual.html";
inline constexpr std::string_view kManualMissingTitle = "Guivarna Help";
inline constexpr std::string_view kManualMissing =
    "The user manual could not be found. It is installed with Guivarna as %1.";

// Chords and scales by name.
inline constexpr std::string_view kChordByNameTitle = "Chord by name";
inline constexpr std::string_view kChordSymbolLabel = "Chord &symbol:";
inline constexpr std::string_view kChordSymbolHint = "e.g. Cmaj7, G7b9, F#m7, C/E";
inline constexpr std::string_view kChordSymbolNotes = "Notes: %1";
inline constexpr std::string_view kChordSymbolUse = "&Use";
inline constexpr std::string_view kChordSymbolTooMany =
    "This chord has %1 notes; the ChordBoard has only %2 strings.";
inline constexpr std::string_view kScaleByNameTitle = "Scale by name";
inline constexpr std::string_view kScaleRootLabel = "&Root:";
inline constexpr std::string_view kScaleFilterLabel = "&Find:";
inline constexpr std::string_view kScaleFilterHint = "type part of a name";
inline constexpr std::string_view kScaleListLabel = "S&cale:";
inline constexpr std::string_view kScaleNoMatch = "No scale of the catalogue has that name.";

}  // namespace guivarna::strings
