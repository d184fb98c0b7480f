#pragma once

#include <QtGlobal>

#include <string_view>

// The program's user-visible texts, one place for all of them. The number after each name is
// the text's resource number, which other parts of the program and stored data refer to.
//
// Every text shown to the user is wrapped in QT_TRANSLATE_NOOP("Guivarna", ...): that leaves the
// English text as it is and lets lupdate collect it (scripts/update-translations); Text() looks
// the translation up at its point of use. Texts that files, other tools or the program itself
// depend on (file extensions, addresses, file names) are not wrapped and never translated.
namespace guivarna::strings {

// Window and document.
inline constexpr std::string_view kAppTitle = "Guivarna";
inline constexpr std::string_view kDocumentFilter =
    QT_TRANSLATE_NOOP("Guivarna", "Guivarna Files (*.GVA)");  // 128
inline constexpr std::string_view kDocumentExtension = ".GVA";  // 128

inline constexpr std::string_view kCommandFailed =
    QT_TRANSLATE_NOOP("Guivarna", "The command could not be completed: %1");
inline constexpr std::string_view kUnknownError =
    QT_TRANSLATE_NOOP("Guivarna", "an unexpected error occurred");
inline constexpr std::string_view kRunNotStarted =
    QT_TRANSLATE_NOOP("Guivarna", "The calculation could not be started: %1");

// Menu bar pop-ups.
inline constexpr std::string_view kMenuFile = QT_TRANSLATE_NOOP("Guivarna", "&File");
inline constexpr std::string_view kMenuChordBoard = QT_TRANSLATE_NOOP("Guivarna", "&ChordBoard");
inline constexpr std::string_view kMenuScaleBoard = QT_TRANSLATE_NOOP("Guivarna", "&ScaleBoard");
inline constexpr std::string_view kMenuView = QT_TRANSLATE_NOOP("Guivarna", "&View");
inline constexpr std::string_view kMenuWindows = QT_TRANSLATE_NOOP("Guivarna", "&Windows");
inline constexpr std::string_view kMenuHelp = QT_TRANSLATE_NOOP("Guivarna", "&Help");

// Menu items.
inline constexpr std::string_view kCmdInstrument = QT_TRANSLATE_NOOP("Guivarna", "&Instrument...");
inline constexpr std::string_view kCmdPrint = QT_TRANSLATE_NOOP("Guivarna", "&Print...");
inline constexpr std::string_view kCmdPrintPreview =
    QT_TRANSLATE_NOOP("Guivarna", "Print Pre&view...");
inline constexpr std::string_view kCmdPrintSetup = QT_TRANSLATE_NOOP("Guivarna", "P&rint Setup...");
inline constexpr std::string_view kCmdExit = QT_TRANSLATE_NOOP("Guivarna", "E&xit");
inline constexpr std::string_view kCmdChordWizard = QT_TRANSLATE_NOOP("Guivarna", "&Chord wizard");
inline constexpr std::string_view kCmdCopyChordBoard =
    QT_TRANSLATE_NOOP("Guivarna", "Copy ChordBoard");
inline constexpr std::string_view kCmdSaveChordBoard =
    QT_TRANSLATE_NOOP("Guivarna", "Save ChordBoard");
inline constexpr std::string_view kCmdSaveChordList =
    QT_TRANSLATE_NOOP("Guivarna", "Save list to textfile");
inline constexpr std::string_view kCmdSaveChordListHtml =
    QT_TRANSLATE_NOOP("Guivarna", "Save as HTML");
inline constexpr std::string_view kCmdSaveAllChordImages =
    QT_TRANSLATE_NOOP("Guivarna", "Save all chords as images");
inline constexpr std::string_view kCmdSaveAllChordsHtmlAndImages =
    QT_TRANSLATE_NOOP("Guivarna", "Save all chords as html and images");
inline constexpr std::string_view kCmdSetDotColor = QT_TRANSLATE_NOOP("Guivarna", "Set Dot Color");
inline constexpr std::string_view kCmdNameMarkedChord =
    QT_TRANSLATE_NOOP("Guivarna", "Name marked chord");
inline constexpr std::string_view kCmdChordByName = QT_TRANSLATE_NOOP("Guivarna", "Chord by name…");
inline constexpr std::string_view kCmdAddToChordSheet =
    QT_TRANSLATE_NOOP("Guivarna", "Add to chord sheet");
inline constexpr std::string_view kSearchThreads = QT_TRANSLATE_NOOP("Guivarna", "Search threads");
// The voicing list: its tab and command, the status line after a run and the options row.
inline constexpr std::string_view kVoicings = QT_TRANSLATE_NOOP("Guivarna", "Voicings");
inline constexpr std::string_view kVoicingsButton = QT_TRANSLATE_NOOP("Guivarna", "&Voicings");
inline constexpr std::string_view kVoicingsFound = QT_TRANSLATE_NOOP("Guivarna", "%1 voicings");
inline constexpr std::string_view kVoicingsNoChord = QT_TRANSLATE_NOOP("Guivarna",
    "There is no chord to voice: load one by name or with the chord wizard, or mark its notes.");
inline constexpr std::string_view kVoicingBass = QT_TRANSLATE_NOOP("Guivarna", "&Bass");
inline constexpr std::string_view kVoicingBassAsBooks =
    QT_TRANSLATE_NOOP("Guivarna", "As chord books do");
inline constexpr std::string_view kVoicingBassRoot = QT_TRANSLATE_NOOP("Guivarna", "Root");
inline constexpr std::string_view kVoicingBassAny = QT_TRANSLATE_NOOP("Guivarna", "Any");
inline constexpr std::string_view kVoicingOmitAsBooks =
    QT_TRANSLATE_NOOP("Guivarna", "Leave &out as books do");
inline constexpr std::string_view kVoicingOmitRoot = QT_TRANSLATE_NOOP("Guivarna", "root");
inline constexpr std::string_view kVoicingOmitFifth = QT_TRANSLATE_NOOP("Guivarna", "5th");
inline constexpr std::string_view kVoicingOmitNinth = QT_TRANSLATE_NOOP("Guivarna", "9th");
inline constexpr std::string_view kVoicingOmitEleventh = QT_TRANSLATE_NOOP("Guivarna", "11th");
inline constexpr std::string_view kVoicingOmitThirteenth = QT_TRANSLATE_NOOP("Guivarna", "13th");
inline constexpr std::string_view kVoicingMinStrings =
    QT_TRANSLATE_NOOP("Guivarna", "Fewest &strings");
inline constexpr std::string_view kVoicingMutedInside =
    QT_TRANSLATE_NOOP("Guivarna", "&Muted strings inside");
inline constexpr std::string_view kVoicingLowestFret = QT_TRANSLATE_NOOP("Guivarna", "&Frets");
inline constexpr std::string_view kVoicingHighestFret = QT_TRANSLATE_NOOP("Guivarna", "&to");
inline constexpr std::string_view kVoicingSpan = QT_TRANSLATE_NOOP("Guivarna", "S&pan");
inline constexpr std::string_view kCmdScaleByName = QT_TRANSLATE_NOOP("Guivarna", "Scale by name…");
inline constexpr std::string_view kCmdPlayChordBoard =
    QT_TRANSLATE_NOOP("Guivarna", "Play ChordBoard");
inline constexpr std::string_view kCmdPlayScaleBoard =
    QT_TRANSLATE_NOOP("Guivarna", "Play ScaleBoard");
inline constexpr std::string_view kCmdScaleWizard = QT_TRANSLATE_NOOP("Guivarna", "&Scale wizard");
inline constexpr std::string_view kCmdShowArpeggio =
    QT_TRANSLATE_NOOP("Guivarna", "show current &arpeggio");
inline constexpr std::string_view kCmdSelectAllOnClick =
    QT_TRANSLATE_NOOP("Guivarna", "Select all occurences of a tone on click");
inline constexpr std::string_view kCmdIntervalStacker =
    QT_TRANSLATE_NOOP("Guivarna", "Interval stacker");
inline constexpr std::string_view kCmdCopyScaleBoard =
    QT_TRANSLATE_NOOP("Guivarna", "Copy ScaleBoard");
inline constexpr std::string_view kCmdSaveScaleBoard =
    QT_TRANSLATE_NOOP("Guivarna", "Save ScaleBoard");
inline constexpr std::string_view kCmdSaveScaleList =
    QT_TRANSLATE_NOOP("Guivarna", "Save Scale-list");
inline constexpr std::string_view kCmdClearBoard = QT_TRANSLATE_NOOP("Guivarna", "Clear board");
inline constexpr std::string_view kCmdZoomIn = QT_TRANSLATE_NOOP("Guivarna", "Zoom &in");
inline constexpr std::string_view kCmdZoomOut = QT_TRANSLATE_NOOP("Guivarna", "Zoom &out");
inline constexpr std::string_view kCmdZoomActualSize =
    QT_TRANSLATE_NOOP("Guivarna", "&Actual size");
inline constexpr std::string_view kCmdZoomFitWidth = QT_TRANSLATE_NOOP("Guivarna", "Fit &width");
inline constexpr std::string_view kCmdZoomFitPage = QT_TRANSLATE_NOOP("Guivarna", "Fit &page");
inline constexpr std::string_view kCmdCalculationsWindow =
    QT_TRANSLATE_NOOP("Guivarna", "&Calculations window");
inline constexpr std::string_view kCmdHelpTopics = QT_TRANSLATE_NOOP("Guivarna", "&Help Topics");
inline constexpr std::string_view kCmdAbout = QT_TRANSLATE_NOOP("Guivarna", "&About Guivarna...");

// Text panels of the board view.
inline constexpr std::string_view kChordNotes =
    QT_TRANSLATE_NOOP("Guivarna", "Chordnotes: ");  // 152
inline constexpr std::string_view kChordInformation =
    QT_TRANSLATE_NOOP("Guivarna", "Chord information:");  // 164
inline constexpr std::string_view kScaleInformation =
    QT_TRANSLATE_NOOP("Guivarna", "Scale information:");  // 165
inline constexpr std::string_view kScaleNotes =
    QT_TRANSLATE_NOOP("Guivarna", "Scalenotes: ");  // 166
inline constexpr std::string_view kScaleName = QT_TRANSLATE_NOOP("Guivarna", "Scale: ");
inline constexpr std::string_view kMelodyNote =
    QT_TRANSLATE_NOOP("Guivarna", "Melody note: ");  // 167
inline constexpr std::string_view kTraditionalChordNames =
    QT_TRANSLATE_NOOP("Guivarna", "Traditional chordnames:");  // 168
inline constexpr std::string_view kLogicalChordNames =
    QT_TRANSLATE_NOOP("Guivarna", "Logical chordnames:");  // 169
inline constexpr std::string_view kCalculations =
    QT_TRANSLATE_NOOP("Guivarna", "Calculations");  // 160

// Wizard frame.
inline constexpr std::string_view kWizardBack = QT_TRANSLATE_NOOP("Guivarna", "&Back");
inline constexpr std::string_view kWizardNext = QT_TRANSLATE_NOOP("Guivarna", "&Next");
inline constexpr std::string_view kWizardCancel = QT_TRANSLATE_NOOP("Guivarna", "Cancel");
inline constexpr std::string_view kWizardFinish = QT_TRANSLATE_NOOP("Guivarna", "&Finish");
inline constexpr std::string_view kCalculateRightAway =
    QT_TRANSLATE_NOOP("Guivarna", "Calculate right a&way");
inline constexpr std::string_view kChordWizardCaption =
    QT_TRANSLATE_NOOP("Guivarna", "Guivarna Chordwizard");  // 156
inline constexpr std::string_view kScaleWizardCaption =
    QT_TRANSLATE_NOOP("Guivarna", "Guivarna Scalewizard");  // 157

// Chord wizard: notes page.
inline constexpr std::string_view kSelectNotes = QT_TRANSLATE_NOOP("Guivarna", "Select Notes");
inline constexpr std::string_view kSelectedNotes = QT_TRANSLATE_NOOP("Guivarna", "Selected notes");
inline constexpr std::string_view kRemoveNote = QT_TRANSLATE_NOOP("Guivarna", "<< Remove");
inline constexpr std::string_view kClear = QT_TRANSLATE_NOOP("Guivarna", "Clear");
inline constexpr std::string_view kMakeRoot = QT_TRANSLATE_NOOP("Guivarna", "Make Root");
inline constexpr std::string_view kRootDisplay = QT_TRANSLATE_NOOP("Guivarna", "Root: %1");  // 133
inline constexpr std::string_view kRootNotSet = QT_TRANSLATE_NOOP("Guivarna", "Not set.");  // 136
inline constexpr std::string_view kMaxNotesTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Maximum number of notes to select: %1");  // 132
inline constexpr std::string_view kAllStringsOccupied = QT_TRANSLATE_NOOP("Guivarna",
    "All strings are occupied; it is not possible to select more chordnotes than there are "
    "strings.");  // 134
inline constexpr std::string_view kNoSelection =
    QT_TRANSLATE_NOOP("Guivarna", "No selection was made.");

// Chord wizard: strings and frets page.
inline constexpr std::string_view kStringLimitations =
    QT_TRANSLATE_NOOP("Guivarna", "String limitations");
inline constexpr std::string_view kFindChordsOnStrings =
    QT_TRANSLATE_NOOP("Guivarna", "Find chords on the following strings:");
inline constexpr std::string_view kStringIndex = QT_TRANSLATE_NOOP("Guivarna", "Index");  // 139
inline constexpr std::string_view kStrings = QT_TRANSLATE_NOOP("Guivarna", "Strings");  // 137
inline constexpr std::string_view kRemoveString = QT_TRANSLATE_NOOP("Guivarna", "Remove >>");
inline constexpr std::string_view kReset = QT_TRANSLATE_NOOP("Guivarna", "Reset");
inline constexpr std::string_view kFretLimitations =
    QT_TRANSLATE_NOOP("Guivarna", "Fret limitations");
inline constexpr std::string_view kChordsMaySpan = QT_TRANSLATE_NOOP("Guivarna", "Chords may span");
inline constexpr std::string_view kFrets = QT_TRANSLATE_NOOP("Guivarna", "frets");
inline constexpr std::string_view kAndUseFret = QT_TRANSLATE_NOOP("Guivarna", "and use fret");
inline constexpr std::string_view kUptoFret = QT_TRANSLATE_NOOP("Guivarna", "upto fret");
inline constexpr std::string_view kOpenStringsByPosition =
    QT_TRANSLATE_NOOP("Guivarna", "Open strings by position");
inline constexpr std::string_view kMayHaveOpenStrings =
    QT_TRANSLATE_NOOP("Guivarna", "May always have open strings");
inline constexpr std::string_view kMustHaveOpenStrings =
    QT_TRANSLATE_NOOP("Guivarna", "Must always have open strings");
inline constexpr std::string_view kLowestFretTitle = QT_TRANSLATE_NOOP("Guivarna", "Lowest fret");
inline constexpr std::string_view kLowestFretTooHigh = QT_TRANSLATE_NOOP(
    "Guivarna", "The lowest fret cannot be higher than or equal to the highest fret.");
inline constexpr std::string_view kHighestFretTitle = QT_TRANSLATE_NOOP("Guivarna", "Highest fret");
inline constexpr std::string_view kHighestFretTooLow = QT_TRANSLATE_NOOP(
    "Guivarna", "The highest fret cannot be lower than or equal to the lowest fret.");
inline constexpr std::string_view kFretRangeTitle = QT_TRANSLATE_NOOP("Guivarna", "Fret range");
inline constexpr std::string_view kFretRangeTooSmall = QT_TRANSLATE_NOOP("Guivarna",
    "It is impossible to search a fret-range larger than the specified fretdomain. Please modify "
    "your filter.");
inline constexpr std::string_view kStringsTitle = QT_TRANSLATE_NOOP("Guivarna", "Strings");
inline constexpr std::string_view kNoStringToSpare = QT_TRANSLATE_NOOP("Guivarna",
    "No string can be removed: the chord has as many notes as there are strings left, and every "
    "note needs a string of its own.");

// Chord wizard: permutations page.
inline constexpr std::string_view kNotePermutations =
    QT_TRANSLATE_NOOP("Guivarna", "Notepermutations");
inline constexpr std::string_view kUseAllPermutations =
    QT_TRANSLATE_NOOP("Guivarna", "Use all permutations");
inline constexpr std::string_view kUseSpecificPermutation =
    QT_TRANSLATE_NOOP("Guivarna", "Use 1 specific permutation");
inline constexpr std::string_view kUseSpecificMelodyNote =
    QT_TRANSLATE_NOOP("Guivarna", "Use 1 specific melody note");
inline constexpr std::string_view kMelodyNoteLabel = QT_TRANSLATE_NOOP("Guivarna", "Melody note:");
inline constexpr std::string_view kPermutations =
    QT_TRANSLATE_NOOP("Guivarna", "Permutations");  // 150
inline constexpr std::string_view kPermutate = QT_TRANSLATE_NOOP("Guivarna", "Permutate");
inline constexpr std::string_view kSelect = QT_TRANSLATE_NOOP("Guivarna", "Select");
inline constexpr std::string_view kCurrentNoteSelection =
    QT_TRANSLATE_NOOP("Guivarna", "Current note-selection:");
inline constexpr std::string_view kCurrentNotePermutation =
    QT_TRANSLATE_NOOP("Guivarna", "Current note-permutation:");
inline constexpr std::string_view kAllPermutationsUsed =
    QT_TRANSLATE_NOOP("Guivarna", "All permutations will be used.");  // 151
inline constexpr std::string_view kPermutationsTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Permutations");
inline constexpr std::string_view kNothingToPermutate =
    QT_TRANSLATE_NOOP("Guivarna", "There is nothing to permutate, please select another option.");
inline constexpr std::string_view kChoosePermutationFirst = QT_TRANSLATE_NOOP("Guivarna",
    "You have chosen to use a specific permutation. You need to press the 'permutate' button, "
    "select a permutation and press the 'select' button before finishing.");

// Scale wizard: must-have notes page.
inline constexpr std::string_view kMustHaveNotesGroup =
    QT_TRANSLATE_NOOP("Guivarna", "Select Notes the scales MUST have");
inline constexpr std::string_view kNotesOfCurrentChord =
    QT_TRANSLATE_NOOP("Guivarna", "Notes of current chord:");
inline constexpr std::string_view kScalesMustHaveChord =
    QT_TRANSLATE_NOOP("Guivarna", "Scales must have current chord");

// Scale wizard: tones page.
inline constexpr std::string_view kScalesMustHave =
    QT_TRANSLATE_NOOP("Guivarna", "Scales must have");
inline constexpr std::string_view kTones = QT_TRANSLATE_NOOP("Guivarna", "tones");
inline constexpr std::string_view kScalesNoMoreThan =
    QT_TRANSLATE_NOOP("Guivarna", "Scales must have no more than");
inline constexpr std::string_view kSemitonesInARow =
    QT_TRANSLATE_NOOP("Guivarna", "semitones in a row");
inline constexpr std::string_view kNoSemitones = QT_TRANSLATE_NOOP("Guivarna", "no");  // 159

// Calculations window.
inline constexpr std::string_view kChordFormulas =
    QT_TRANSLATE_NOOP("Guivarna", "Chord formulas");  // 145
inline constexpr std::string_view kScaleFormulas =
    QT_TRANSLATE_NOOP("Guivarna", "Scale formulas");  // 147
inline constexpr std::string_view kColumnStringSet =
    QT_TRANSLATE_NOOP("Guivarna", "StringSet");  // 131
inline constexpr std::string_view kColumnNotePermutation =
    QT_TRANSLATE_NOOP("Guivarna", "NotePermutation");  // 130
inline constexpr std::string_view kColumnFretBoardPosition =
    QT_TRANSLATE_NOOP("Guivarna", "FretBoardPosition");  // 129
inline constexpr std::string_view kColumnScales = QT_TRANSLATE_NOOP("Guivarna", "Scales");  // 155
inline constexpr std::string_view kColumnScaleNames = QT_TRANSLATE_NOOP("Guivarna", "Names");
inline constexpr std::string_view kColumnFingers = QT_TRANSLATE_NOOP("Guivarna", "Fingers");
inline constexpr std::string_view kColumnDifficulty = QT_TRANSLATE_NOOP("Guivarna", "Difficulty");
inline constexpr std::string_view kColumnFrets = QT_TRANSLATE_NOOP("Guivarna", "Frets");
inline constexpr std::string_view kColumnName = QT_TRANSLATE_NOOP("Guivarna", "Name");
// The fingers of a shape four fingers cannot hold, and what precedes the barre frets.
inline constexpr std::string_view kUnplayable = QT_TRANSLATE_NOOP("Guivarna", "unplayable");
inline constexpr std::string_view kBarreAt = QT_TRANSLATE_NOOP("Guivarna", "  barre ");
// The progress line of a sort of the chord list: the column title, then the part done in percent.
inline constexpr std::string_view kSortingBy =
    QT_TRANSLATE_NOOP("Guivarna", "Sorting by %1... %2%");
inline constexpr std::string_view kOnlyPlayable =
    QT_TRANSLATE_NOOP("Guivarna", "Only shapes four fingers can play");
inline constexpr std::string_view kCmdShowFingers = QT_TRANSLATE_NOOP("Guivarna", "Show fingers");
inline constexpr std::string_view kFilteredOutAll =
    QT_TRANSLATE_NOOP("Guivarna", "Current filter filtered out all options...");  // 500
inline constexpr std::string_view kButtonGo = QT_TRANSLATE_NOOP("Guivarna", "go");
inline constexpr std::string_view kButtonPause = QT_TRANSLATE_NOOP("Guivarna", "pauze");
inline constexpr std::string_view kButtonResume = QT_TRANSLATE_NOOP("Guivarna", "resume");
inline constexpr std::string_view kButtonStop = QT_TRANSLATE_NOOP("Guivarna", "stop");

// Interval stacker (dialog 160).
inline constexpr std::string_view kStackerCaption =
    QT_TRANSLATE_NOOP("Guivarna", "Interval stacker - for Quill");
inline constexpr std::string_view kStackerStringsGroup =
    QT_TRANSLATE_NOOP("Guivarna", "Strings used for this scale");
inline constexpr std::string_view kStackerStringsColumn = QT_TRANSLATE_NOOP("Guivarna", "Strings");
inline constexpr std::string_view kStackerRemove = QT_TRANSLATE_NOOP("Guivarna", "Remove >>");
inline constexpr std::string_view kStackerReset = QT_TRANSLATE_NOOP("Guivarna", "Reset");
inline constexpr std::string_view kStackerIntervalsGroup =
    QT_TRANSLATE_NOOP("Guivarna", "Select intervals in stacking order");
inline constexpr std::string_view kStackerIntervalsColumn =
    QT_TRANSLATE_NOOP("Guivarna", "Intervals");
inline constexpr std::string_view kStackerClear = QT_TRANSLATE_NOOP("Guivarna", "Clear");
inline constexpr std::string_view kStackerRootGroup =
    QT_TRANSLATE_NOOP("Guivarna", "Rootnote settings");
inline constexpr std::string_view kStackerRootStringBefore =
    QT_TRANSLATE_NOOP("Guivarna", "Rootnote is on the");
inline constexpr std::string_view kStackerRootStringAfter = QT_TRANSLATE_NOOP("Guivarna", "string");
inline constexpr std::string_view kStackerRootNote =
    QT_TRANSLATE_NOOP("Guivarna", "Select Rootnote:");
// A root-note entry: the note's name followed by this, %1 being the fret.
inline constexpr std::string_view kStackerFretSuffix = QT_TRANSLATE_NOOP("Guivarna", " (fret %1)");
inline constexpr std::string_view kStackerTooManyTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Interval Selector");
inline constexpr std::string_view kStackerTooMany = QT_TRANSLATE_NOOP("Guivarna",
    "Don't be ridiculous; please select a reasonable number of intervals; less than 10 will do...");
inline constexpr std::string_view kStackerLastStringTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Strings");
inline constexpr std::string_view kStackerLastString = QT_TRANSLATE_NOOP("Guivarna",
    "Since it isn't possible to show any notes without a string, I simply can't let you remove "
    "'em all!");
inline constexpr std::string_view kStackerNoIntervalsTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Intervals");
inline constexpr std::string_view kStackerNoIntervals =
    QT_TRANSLATE_NOOP("Guivarna", "Please make a selection before continuing!!");
inline constexpr std::string_view kStackerOk = QT_TRANSLATE_NOOP("Guivarna", "OK");
inline constexpr std::string_view kStackerCancel = QT_TRANSLATE_NOOP("Guivarna", "Cancel");

// Save dialogs and messages of the list and picture exports.
inline constexpr std::string_view kScaleListDefaultName =
    QT_TRANSLATE_NOOP("Guivarna", "New scale collection");
inline constexpr std::string_view kChordListDefaultName =
    QT_TRANSLATE_NOOP("Guivarna", "New chords - fingerings collection");
inline constexpr std::string_view kAllChordsDefaultName =
    QT_TRANSLATE_NOOP("Guivarna", "WILL BE SET AUTOMATICALLY");
inline constexpr std::string_view kTextFilter = QT_TRANSLATE_NOOP("Guivarna", "text files(*.txt)");
inline constexpr std::string_view kRichTextFilter =
    QT_TRANSLATE_NOOP("Guivarna", "rich text files(*.rtf)");
inline constexpr std::string_view kHtmlFilter = QT_TRANSLATE_NOOP("Guivarna", "html files(*.html)");
inline constexpr std::string_view kJpegFilter =
    QT_TRANSLATE_NOOP("Guivarna", "JPEG image file(*.jpg)");
inline constexpr std::string_view kSaveListTitle = QT_TRANSLATE_NOOP("Guivarna", "Save list");
inline constexpr std::string_view kSavePicturesTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Save pictures");
inline constexpr std::string_view kSavingPictures =
    QT_TRANSLATE_NOOP("Guivarna", "Saving the chord pictures...");
inline constexpr std::string_view kCancel = QT_TRANSLATE_NOOP("Guivarna", "Cancel");
inline constexpr std::string_view kPicturesNotWritten =
    QT_TRANSLATE_NOOP("Guivarna", "%1 of %2 pictures could not be written. The first: %3");

inline constexpr std::string_view kPrintFailedTitle = QT_TRANSLATE_NOOP("Guivarna", "Print");
inline constexpr std::string_view kSavePictureFailedTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Save picture");

// Naming and playing the marked notes.
inline constexpr std::string_view kNothingToName = QT_TRANSLATE_NOOP(
    "Guivarna", "There is nothing to name: mark the notes of a chord on the ChordBoard first.");
inline constexpr std::string_view kNothingToPlayChordBoard =
    QT_TRANSLATE_NOOP("Guivarna", "There is nothing to play: the ChordBoard has no marked notes.");
inline constexpr std::string_view kNothingToPlayScaleBoard =
    QT_TRANSLATE_NOOP("Guivarna", "There is nothing to play: the ScaleBoard has no marked notes.");
inline constexpr std::string_view kNoAudioOutput = QT_TRANSLATE_NOOP(
    "Guivarna", "No audio output device was found, so Guivarna cannot play the marked notes.");
inline constexpr std::string_view kAudioFailed =
    QT_TRANSLATE_NOOP("Guivarna", "The audio output could not play the marked notes.");

// About box.
inline constexpr std::string_view kAboutTitle = QT_TRANSLATE_NOOP("Guivarna", "About Guivarna");
inline constexpr std::string_view kAboutVersion =
    QT_TRANSLATE_NOOP("Guivarna", "Guivarna Version 1,0,3");
inline constexpr std::string_view kAboutLine1 = QT_TRANSLATE_NOOP("Guivarna",
    "A study tool for guitarists: mark notes, name chords, find fingerings and scales.");
inline constexpr std::string_view kAboutLine2 =
    QT_TRANSLATE_NOOP("Guivarna", "Copyright \u00a9 KOVA. All rights reserved.");
inline constexpr std::string_view kAboutLinkCaption =
    QT_TRANSLATE_NOOP("Guivarna", "Visit the Guivarna web site");
inline constexpr std::string_view kLinkNotOpened =
    QT_TRANSLATE_NOOP("Guivarna", "The link could not be opened: %1");
inline constexpr std::string_view kHelpWindowTitle = QT_TRANSLATE_NOOP("Guivarna", "Guivarna Help");
inline constexpr std::string_view kHelpBack = QT_TRANSLATE_NOOP("Guivarna", "&Back");
inline constexpr std::string_view kHelpForward = QT_TRANSLATE_NOOP("Guivarna", "&Forward");
inline constexpr std::string_view kAboutLinkTarget = "https://guivarna.example.org/";

// Instrument dialog.
inline constexpr std::string_view kInstrumentTitle = QT_TRANSLATE_NOOP("Guivarna", "Instrument");
inline constexpr std::string_view kInstrumentPresets = QT_TRANSLATE_NOOP("Guivarna", "&Presets:");
inline constexpr std::string_view kInstrumentStrings =
    QT_TRANSLATE_NOOP("Guivarna", "&Strings (string 1 at the top):");
inline constexpr std::string_view kInstrumentOpenNote = QT_TRANSLATE_NOOP("Guivarna", "Open note");
inline constexpr std::string_view kInstrumentString = QT_TRANSLATE_NOOP("Guivarna", "String %1");
inline constexpr std::string_view kInstrumentAddString =
    QT_TRANSLATE_NOOP("Guivarna", "&Add string");
inline constexpr std::string_view kInstrumentRemoveString =
    QT_TRANSLATE_NOOP("Guivarna", "&Remove string");
inline constexpr std::string_view kInstrumentPositions =
    QT_TRANSLATE_NOOP("Guivarna", "&Fret positions (open string included):");
inline constexpr std::string_view kInstrumentLeftHanded =
    QT_TRANSLATE_NOOP("Guivarna", "&Left-handed");
inline constexpr std::string_view kInstrumentPreview =
    QT_TRANSLATE_NOOP("Guivarna", "Open strings: %1");
inline constexpr std::string_view kInstrumentUnknownNote = "?";
inline constexpr std::string_view kInstrumentBadNote = QT_TRANSLATE_NOOP("Guivarna",
    "String %1: \"%2\" is not a note. Write a name and an octave from C-1 to G9, such as E4, "
    "F#2 or Bb3.");

// Command line of the window program.
inline constexpr std::string_view kCommandLineFile =
    QT_TRANSLATE_NOOP("Guivarna", "A Guivarna document (.gva) to open.");
// How the file argument is written in the usage line of --help.
inline constexpr std::string_view kCommandLineFileSyntax = QT_TRANSLATE_NOOP("Guivarna", "[file]");
inline constexpr std::string_view kCommandLineOneFile =
    QT_TRANSLATE_NOOP("Guivarna", "Only one document can be opened; name at most one file.");

// Help.
inline constexpr std::string_view kManualFileName = "manual.html";
inline constexpr std::string_view kManualMissingTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Guivarna Help");
inline constexpr std::string_view kManualMissing = QT_TRANSLATE_NOOP(
    "Guivarna", "The user manual could not be found. It is installed with Guivarna as %1.");
// Chords and scales by name.
inline constexpr std::string_view kChordByNameTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Chord by name");
inline constexpr std::string_view kChordSymbolLabel =
    QT_TRANSLATE_NOOP("Guivarna", "Chord &symbol:");
inline constexpr std::string_view kChordSymbolHint =
    QT_TRANSLATE_NOOP("Guivarna", "e.g. Cmaj7, G7b9, F#m7, C/E");
inline constexpr std::string_view kChordSymbolNotes = QT_TRANSLATE_NOOP("Guivarna", "Notes: %1");
inline constexpr std::string_view kChordSymbolUse = QT_TRANSLATE_NOOP("Guivarna", "&Use");
inline constexpr std::string_view kChordSymbolTooMany =
    QT_TRANSLATE_NOOP("Guivarna", "This chord has %1 notes; the ChordBoard has only %2 strings.");
inline constexpr std::string_view kScaleByNameTitle =
    QT_TRANSLATE_NOOP("Guivarna", "Scale by name");
inline constexpr std::string_view kScaleRootLabel = QT_TRANSLATE_NOOP("Guivarna", "&Root:");
inline constexpr std::string_view kScaleFilterLabel = QT_TRANSLATE_NOOP("Guivarna", "&Find:");
inline constexpr std::string_view kScaleFilterHint =
    QT_TRANSLATE_NOOP("Guivarna", "type part of a name");
inline constexpr std::string_view kScaleListLabel = QT_TRANSLATE_NOOP("Guivarna", "S&cale:");
inline constexpr std::string_view kScaleNoMatch =
    QT_TRANSLATE_NOOP("Guivarna", "No scale of the catalogue has that name.");
inline constexpr std::string_view kScalePositions = QT_TRANSLATE_NOOP("Guivarna", "Positions");
inline constexpr std::string_view kScaleSystemLabel = QT_TRANSLATE_NOOP("Guivarna", "S&ystem:");
inline constexpr std::string_view kScaleSystemPosition =
    QT_TRANSLATE_NOOP("Guivarna", "Position playing");
inline constexpr std::string_view kScaleSystemThreeNotes =
    QT_TRANSLATE_NOOP("Guivarna", "Three notes per string");
inline constexpr std::string_view kScaleWholeScale = QT_TRANSLATE_NOOP("Guivarna", "Whole scale");
inline constexpr std::string_view kScalePositionRow =
    QT_TRANSLATE_NOOP("Guivarna", "Position %1: frets %2–%3");
inline constexpr std::string_view kScaleTooFewForThreeNotes =
    QT_TRANSLATE_NOOP("Guivarna", "Three notes per string needs a scale of 6 notes or more.");
inline constexpr std::string_view kScalePositionName =
    QT_TRANSLATE_NOOP("Guivarna", "%1, position %2");
inline constexpr std::string_view kCmdNextPosition = QT_TRANSLATE_NOOP("Guivarna", "Next position");
inline constexpr std::string_view kCmdPreviousPosition =
    QT_TRANSLATE_NOOP("Guivarna", "Previous position");
inline constexpr std::string_view kCmdPlayPosition = QT_TRANSLATE_NOOP("Guivarna", "Play position");
inline constexpr std::string_view kCmdAddPositionToSheet =
    QT_TRANSLATE_NOOP("Guivarna", "Add position to chord sheet");
inline constexpr std::string_view kCmdAddAllPositionsToSheet =
    QT_TRANSLATE_NOOP("Guivarna", "Add all positions to chord sheet");

// The chord sheet.
inline constexpr std::string_view kChordSheet = QT_TRANSLATE_NOOP("Guivarna", "Chord sheet");
inline constexpr std::string_view kCmdChordSheetWindow =
    QT_TRANSLATE_NOOP("Guivarna", "Chord &sheet");
inline constexpr std::string_view kCmdAddChordBoardToSheet =
    QT_TRANSLATE_NOOP("Guivarna", "Add ChordBoard to chord sheet");
inline constexpr std::string_view kSheetExportSvg = QT_TRANSLATE_NOOP("Guivarna", "Export SVG…");
inline constexpr std::string_view kSheetExportPdf = QT_TRANSLATE_NOOP("Guivarna", "Export PDF…");
inline constexpr std::string_view kSheetExportPng = QT_TRANSLATE_NOOP("Guivarna", "Export PNG…");
inline constexpr std::string_view kSheetPrint = QT_TRANSLATE_NOOP("Guivarna", "Print…");
inline constexpr std::string_view kSheetSave = QT_TRANSLATE_NOOP("Guivarna", "Save sheet…");
inline constexpr std::string_view kSheetOpen = QT_TRANSLATE_NOOP("Guivarna", "Open sheet…");
inline constexpr std::string_view kSheetUndo = QT_TRANSLATE_NOOP("Guivarna", "Undo");
inline constexpr std::string_view kSheetRedo = QT_TRANSLATE_NOOP("Guivarna", "Redo");
inline constexpr std::string_view kSheetRemove = QT_TRANSLATE_NOOP("Guivarna", "Remove");
inline constexpr std::string_view kSheetRename = QT_TRANSLATE_NOOP("Guivarna", "Rename");
inline constexpr std::string_view kSheetClear = QT_TRANSLATE_NOOP("Guivarna", "Clear sheet");
inline constexpr std::string_view kSheetFile = QT_TRANSLATE_NOOP("Guivarna", "&File");
inline constexpr std::string_view kSheetEdit = QT_TRANSLATE_NOOP("Guivarna", "&Edit");
inline constexpr std::string_view kSheetTitleLabel = QT_TRANSLATE_NOOP("Guivarna", "&Title:");
inline constexpr std::string_view kSheetTitleHint =
    QT_TRANSLATE_NOOP("Guivarna", "a title for the sheet");
inline constexpr std::string_view kSheetPerRow =
    QT_TRANSLATE_NOOP("Guivarna", "&Diagrams per row:");
inline constexpr std::string_view kSheetPerRowAuto = QT_TRANSLATE_NOOP("Guivarna", "Automatic");
inline constexpr std::string_view kSheetShowRoots = QT_TRANSLATE_NOOP("Guivarna", "Show &roots");
inline constexpr std::string_view kSheetScalesAcross =
    QT_TRANSLATE_NOOP("Guivarna", "Scales &across");
inline constexpr std::string_view kSheetEmpty = QT_TRANSLATE_NOOP("Guivarna",
    "The sheet is empty. Select chords under \"Chord formulas\" and choose \"Add to chord "
    "sheet\", or mark a shape on the ChordBoard and choose \"Add ChordBoard to chord sheet\".");
inline constexpr std::string_view kSheetSvgFilter =
    QT_TRANSLATE_NOOP("Guivarna", "SVG pictures (*.svg)");
inline constexpr std::string_view kSheetPdfFilter =
    QT_TRANSLATE_NOOP("Guivarna", "PDF documents (*.pdf)");
inline constexpr std::string_view kSheetPngFilter =
    QT_TRANSLATE_NOOP("Guivarna", "PNG pictures (*.png)");
inline constexpr std::string_view kSheetChordProFilter =
    QT_TRANSLATE_NOOP("Guivarna", "ChordPro files (*.cho *.chordpro *.chopro *.crd *.pro)");
inline constexpr std::string_view kSheetAllFiles = QT_TRANSLATE_NOOP("Guivarna", "All files (*)");
inline constexpr std::string_view kSheetDefaultName = QT_TRANSLATE_NOOP("Guivarna", "chord-sheet");
inline constexpr std::string_view kSheetPngResolution =
    QT_TRANSLATE_NOOP("Guivarna", "Resolution in dots per inch:");
inline constexpr std::string_view kSheetPartlyRead = QT_TRANSLATE_NOOP(
    "Guivarna", "Some lines of \"%1\" could not be read; the rest was loaded.\n\n%2");
inline constexpr std::string_view kSheetNoChords =
    QT_TRANSLATE_NOOP("Guivarna", "\"%1\" holds no chord definitions; the sheet is unchanged.");
inline constexpr std::string_view kSheetFull = QT_TRANSLATE_NOOP(
    "Guivarna", "A chord sheet holds at most %1 diagrams; %2 of them were not added.");
inline constexpr std::string_view kSheetOnlyFirst = QT_TRANSLATE_NOOP(
    "Guivarna", "The first %1 of the %2 selected chords were added to the chord sheet.");
inline constexpr std::string_view kSheetNothingMarked =
    QT_TRANSLATE_NOOP("Guivarna", "Nothing is marked on the ChordBoard.");
inline constexpr std::string_view kSheetTwoMarks = QT_TRANSLATE_NOOP("Guivarna",
    "A chord diagram shows one fret per string; string %1 of the ChordBoard has more than one "
    "mark.");
inline constexpr std::string_view kSheetPrintFailed =
    QT_TRANSLATE_NOOP("Guivarna", "The chord sheet could not be printed.");
inline constexpr std::string_view kSearchOutOfMemory =
    QT_TRANSLATE_NOOP("Guivarna", "Out of memory: the search stopped after %1 results");
inline constexpr std::string_view kSearchBroken =
    QT_TRANSLATE_NOOP("Guivarna", "An error stopped the search after %1 results");
inline constexpr std::string_view kSortOutOfMemory =
    QT_TRANSLATE_NOOP("Guivarna", "Out of memory: the sort stopped; the list keeps its order");
inline constexpr std::string_view kSortBroken =
    QT_TRANSLATE_NOOP("Guivarna", "An error stopped the sort; the list keeps its order");
inline constexpr std::string_view kSheetKeptSetAside = QT_TRANSLATE_NOOP("Guivarna",
    "The chord sheet of the last run could not be read in full. It was set aside, unchanged, "
    "as \"%1\"; the sheet holds what could be read.\n\n%2");
inline constexpr std::string_view kSheetKeptNotMoved = QT_TRANSLATE_NOOP("Guivarna",
    "The chord sheet of the last run, \"%1\", could not be read in full, nor set aside. It is "
    "left as it is, and the sheet is not kept for the next start.\n\n%2");
inline constexpr std::string_view kSheetCut = QT_TRANSLATE_NOOP("Guivarna",
    "\"%1\" holds %2 diagrams; a chord sheet holds at most %3, so the last %4 were left out.");
inline constexpr std::string_view kSheetSaveShorter = QT_TRANSLATE_NOOP("Guivarna",
    "\"%1\" was opened with %2 diagrams, and the sheet holds only the first %3. Saving over it "
    "loses the other %4. Save anyway?");
inline constexpr std::string_view kSheetSaveFailed =
    QT_TRANSLATE_NOOP("Guivarna", "The chord sheet could not be kept for the next start: %1");

inline constexpr std::string_view kCmdNameAsYouMark =
    QT_TRANSLATE_NOOP("Guivarna", "Name chords as you mark");
// The boards' names on screen and for screen readers, and how a cell is announced.
inline constexpr std::string_view kScaleBoardName = QT_TRANSLATE_NOOP("Guivarna", "ScaleBoard");
inline constexpr std::string_view kChordBoardName = QT_TRANSLATE_NOOP("Guivarna", "ChordBoard");
inline constexpr std::string_view kBoardsName = QT_TRANSLATE_NOOP("Guivarna", "Boards");
inline constexpr std::string_view kBoardsDescription = QT_TRANSLATE_NOOP("Guivarna",
    "Tab moves between the boards; the arrow keys, Home and End move the cursor; Space marks");
inline constexpr std::string_view kCellName =
    QT_TRANSLATE_NOOP("Guivarna", "String %1, fret %2, %3, %4");
inline constexpr std::string_view kCellMarked = QT_TRANSLATE_NOOP("Guivarna", "marked");
inline constexpr std::string_view kCellNotMarked = QT_TRANSLATE_NOOP("Guivarna", "not marked");
// The wizards' pages as screen readers name them.
inline constexpr std::string_view kPageNotes = QT_TRANSLATE_NOOP("Guivarna", "Notes");
inline constexpr std::string_view kPageStringsAndFrets =
    QT_TRANSLATE_NOOP("Guivarna", "Strings and frets");
inline constexpr std::string_view kPageNoteOrder = QT_TRANSLATE_NOOP("Guivarna", "Note order");
inline constexpr std::string_view kPageTones = QT_TRANSLATE_NOOP("Guivarna", "Tones");
// "Chord by name…" hands the typed chord to the chord wizard.
inline constexpr std::string_view kOpenInChordWizard =
    QT_TRANSLATE_NOOP("Guivarna", "Open in chord &wizard");
inline constexpr std::string_view kStringHeader = QT_TRANSLATE_NOOP("Guivarna", "String %1");
inline constexpr std::string_view kFretHeader = QT_TRANSLATE_NOOP("Guivarna", "Fret %1");

}  // namespace guivarna::strings
