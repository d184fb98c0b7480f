#include "output/chord_picture_export.h"

#include "output/board_picture.h"
#include "output/files/save_file.h"
#include "theory/search/result_texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <exception>

namespace guivarna::output {

ChordPictureExport::ChordPictureExport(const board::FretBoard& chordBoard,
    const board::DeviceMapping& mapping, const ChordResults& results, const QDir& folder,
    int encoderThreads)
    : board_(chordBoard), mapping_(mapping), results_(results), folder_(folder),
      total_(results.Count()), writers_(encoderThreads)
{
    // The copy is private: its changes must not reach the view that shows the original.
    board_.SetNotifier(nullptr);
    names_.reserve(total_);
}

ChordPictureExport::~ChordPictureExport()
{
    if (!finished_)
        writers_.WaitAll();
}

QString ChordPictureExport::PageFileName()
{
    return QStringLiteral("index.htm");
}

void ChordPictureExport::WritePage(const CurrentChordText& current)
{
    page_ = current;
}

bool ChordPictureExport::Step()
{
    if (finished_ || next_ >= total_)
        return false;
    const std::size_t index = next_++;
    const theory::ChordFingering fingering = results_.Get(index);
    const QString name = QString::fromStdString(theory::FingeringName(fingering));
    names_.push_back(name);
    const QString path = folder_.filePath(name + QStringLiteral(".jpg"));
    if (name.isEmpty()) {
        failures_.emplace_back(index,
            SaveFailureMessage(path,
                QCoreApplication::translate("ChordPictureExport", "the result has no notes")));
        return true;
    }
    try {
        board_.ShowFingering(fingering);
    } catch (const std::exception& error) {
        // A fingering on a string or fret the ChordBoard does not have.
        failures_.emplace_back(index, SaveFailureMessage(path, QString::fromUtf8(error.what())));
        return true;
    }
    writers_.Submit(index, BoardPicture(board_, mapping_), path);
    return true;
}

ChordPictureExport::Summary ChordPictureExport::Finish()
{
    Summary summary;
    summary.results = total_;
    summary.complete = next_ >= total_;
    writers_.WaitAll();
    finished_ = true;

    std::vector<std::pair<std::size_t, QString>> failures = failures_;
    const auto written = writers_.Failures();
    failures.insert(failures.end(), written.begin(), written.end());
    std::sort(failures.begin(), failures.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    summary.failed = failures.size();
    summary.written = next_ - failures.size();
    if (!failures.empty())
        summary.firstError = failures.front().second;

    if (page_) {
        // The page lists exactly the pictures that were written, in list order.
        std::vector<QString> pictures;
        pictures.reserve(summary.written);
        auto failure = failures.begin();
        for (std::size_t i = 0; i < next_; ++i) {
            if (failure != failures.end() && failure->first == i) {
                ++failure;
                continue;
            }
            pictures.push_back(names_[i]);
        }
        summary.pageError = SaveFile(folder_.filePath(PageFileName()),
            [&](QIODevice& device) { return WriteChordPicturePage(device, *page_, pictures); });
    }
    return summary;
}

}  // namespace guivarna::output
