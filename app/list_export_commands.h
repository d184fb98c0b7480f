#pragma once

#include "app/save_dialog.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <vector>

class QWidget;

namespace guivarna {

namespace output {
class ChordResults;
class ScaleResults;
}  // namespace output

struct Command;
class KovaView;
struct ProgramObjects;

// The commands that write the result lists to files: the scale and chord lists as text, the
// chord list as a page, and a picture of every chord result (optionally with an index page).
// Each asks for the file in a save dialog and reports a failure in a message box naming the
// file and the cause; a failed save keeps the file that was there. A command whose list is
// empty does nothing (the menu greys it).
class ListExportCommands : public QObject {
    Q_OBJECT

public:
    ListExportCommands(ProgramObjects& objects, KovaView& view, QWidget* dialogParent);

    // The rows of the command table: each enabled while its list is not empty (and no picture
    // export is running).
    std::vector<Command> Commands();

    // Where the chord list commands take their rows from when it gives a list (the voicing list
    // while it is shown); the chord search's list otherwise.
    using ChordListSource = std::function<std::unique_ptr<output::ChordResults>()>;
    void SetChordListSource(ChordListSource source) { chordListSource_ = std::move(source); }

    // Replaces the save dialog (tests answer it without a modal dialog).
    void SetPathChooser(SavePathChooser chooser) { choosePath_ = std::move(chooser); }
    // When the picture export shows its progress dialog, and how often it lets the window
    // handle its events meanwhile.
    void SetProgressTiming(std::chrono::milliseconds showAfter, std::chrono::milliseconds events)
    {
        showProgressAfter_ = showAfter;
        eventInterval_ = events;
    }

    bool HasChordResults() const;
    bool HasScaleResults() const;
    // True while the pictures are being written.
    bool Busy() const { return busy_; }

    // "Save Scale-list"
    void SaveScaleList();
    // "Save list to textfile"
    void SaveChordList();
    // "Save as HTML"
    void SaveChordListHtml();
    // "Save all chords as images"
    void SaveAllChordImages() { SaveAllChords(false); }
    // "Save all chords as html and images"
    void SaveAllChordsHtmlAndImages() { SaveAllChords(true); }

private:
    ChordListSource chordListSource_;
    std::unique_ptr<output::ChordResults> ChordList() const;
    std::unique_ptr<output::ScaleResults> ScaleList() const;
    void SaveList(const SaveRequest& request, const std::function<bool(QIODevice&)>& write);
    void SaveAllChords(bool withPage);

    ProgramObjects& objects_;
    KovaView& view_;
    QWidget* dialogParent_;
    SavePathChooser choosePath_;
    std::chrono::milliseconds showProgressAfter_{500};
    std::chrono::milliseconds eventInterval_{40};
    bool busy_ = false;
};

}  // namespace guivarna
