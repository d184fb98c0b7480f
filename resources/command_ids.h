#pragma once

namespace guivarna {

// The program's menu and accelerator commands, keyed by their resource ids. Each feature adds
// its rows to the command table (app/command_table.h) with the id from here.
enum class CommandId : int {
    Instrument = 32800,
    FilePrint = 57607,
    FilePrintSetup = 57606,
    FilePrintPreview = 57609,
    AppExit = 57665,
    ChordWizard = 133,
    CopyChordBoard = 163,
    SaveChordBoard = 166,
    SaveChordList = 170,
    SaveChordListHtml = 171,
    SaveAllChordImages = 173,
    SaveAllChordsHtmlAndImages = 174,
    SetDotColor = 177,
    NameMarkedChord = 190,
    PlayChordBoard = 191,
    ShowFingers = 193,
    ChordByName = 195,
    ScaleWizard = 141,
    ShowArpeggio = 140,
    SelectAllOnClick = 175,
    IntervalStacker = 161,
    CopyScaleBoard = 164,
    SaveScaleBoard = 167,
    SaveScaleList = 169,
    ClearBoard = 172,
    PlayScaleBoard = 192,
    ScaleByName = 194,
    NameAsYouMark = 211,
    Voicings = 212,
    NextPosition = 206,
    PreviousPosition = 207,
    PlayPosition = 208,
    AddPositionToSheet = 209,
    AddAllPositionsToSheet = 210,
    AddChordBoardToSheet = 196,
    AddToChordSheet = 197,
    CalculationsWindow = 138,
    CalculationsWindowKey = 137,
    ChordSheetWindow = 205,
    ZoomIn = 200,
    ZoomOut = 201,
    ZoomActualSize = 202,
    ZoomFitWidth = 203,
    ZoomFitPage = 204,
    HelpTopics = 57667,
    AppAbout = 57664,
};

// The pop-up menus of the menu bar, in menu-bar order.
enum class MenuId : int {
    None = -1,  // a shortcut without a menu item
    File = 0,
    ChordBoard = 1,
    ScaleBoard = 2,
    Windows = 3,
    Help = 4,
    View = 5,
};

}  // namespace guivarna
