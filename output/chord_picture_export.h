#pragma once

#include "board/drawing/device_mapping.h"
#include "board/fret_board.h"
#include "output/lists/list_writers.h"
#include "output/lists/result_lists.h"
#include "output/picture_writer_pool.h"

#include "theory/search/chord_fingering.h"

#include <QDir>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace guivarna::output {

// Saves a picture of the ChordBoard for every chord result, named after the fingering
// (FingeringName + ".jpg"), into one folder, optionally with the page "index.htm" that shows
// them all. The caller runs it a picture at a time (Step) so it can keep its window alive and
// stop early; Finish (or the destructor) waits for the pictures in hand and writes the page
// listing exactly the pictures written.
//
// The export draws each result on a copy of the ChordBoard taken when it starts (its look and
// tuning), so the board the user sees never changes. Drawing runs on the calling thread;
// encoding and writing run on worker threads.
class ChordPictureExport {
public:
    struct Summary {
        std::size_t results = 0;  // results in the list when the export started
        std::size_t written = 0;  // pictures written
        std::size_t failed = 0;  // pictures that could not be written
        QString firstError;  // why the first of them failed
        QString pageError;  // why "index.htm" could not be written; "" when it was or not asked
        bool complete = false;  // every result was handled (not stopped early)
    };

    // results must outlive the export; the ChordBoard need not.
    ChordPictureExport(const board::FretBoard& chordBoard, const board::DeviceMapping& mapping,
        const ChordResults& results, const QDir& folder, int encoderThreads = 0);
    ~ChordPictureExport();

    ChordPictureExport(const ChordPictureExport&) = delete;
    ChordPictureExport& operator=(const ChordPictureExport&) = delete;

    // Also write "index.htm" with current as the page's current chord.
    void WritePage(const CurrentChordText& current);

    std::size_t Total() const { return total_; }
    std::size_t Done() const { return next_; }

    // Draws and queues the next result's picture; false when none is left.
    bool Step();
    // Ends the export (early when Step has not returned false yet).
    Summary Finish();

    static QString PageFileName();

private:
    // The ChordBoard's look and tuning, showing the result being drawn.
    board::FretBoard board_;
    board::DeviceMapping mapping_;
    const ChordResults& results_;
    QDir folder_;
    std::optional<CurrentChordText> page_;
    std::size_t total_;
    std::size_t next_ = 0;
    // The fingering name of every picture submitted, by result index.
    std::vector<QString> names_;
    // Pictures that failed before reaching the writers (no name, a board without that string).
    std::vector<std::pair<std::size_t, QString>> failures_;
    PictureWriterPool writers_;
    bool finished_ = false;
};

}  // namespace guivarna::output
