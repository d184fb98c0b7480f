#pragma once

#include <QImage>
#include <QString>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace guivarna::output {

// Encodes pictures as JPEG files on worker threads while the caller draws the next one. Only
// images cross threads; the caller keeps all drawing. Pictures for the same path are written
// in the order they were submitted, so the later one always ends up in the file.
class PictureWriterPool {
public:
    // threads <= 0: one per core.
    explicit PictureWriterPool(int threads = 0);
    // Writes what was submitted, then stops the workers.
    ~PictureWriterPool();

    PictureWriterPool(const PictureWriterPool&) = delete;
    PictureWriterPool& operator=(const PictureWriterPool&) = delete;

    // Queues image for path under the caller's id. Waits while the queue is full (a few
    // pictures per worker) or while an earlier picture for the same path is still pending.
    void Submit(std::size_t id, QImage image, QString path);
    // Waits until every submitted picture is written or has failed.
    void WaitAll();
    // The pictures that failed so far, in the order they failed, with a message naming the file
    // and the cause.
    std::vector<std::pair<std::size_t, QString>> Failures() const;

private:
    struct Job {
        std::size_t id;
        QImage image;
        QString path;
    };

    void Work();
    bool PathPending(const QString& path) const;

    mutable std::mutex mutex_;
    std::condition_variable jobReady_;
    std::condition_variable jobDone_;
    std::deque<Job> queue_;
    // The paths being written right now (the queue holds the others).
    std::vector<QString> writing_;
    std::size_t maxQueued_ = 0;
    bool stopping_ = false;
    std::vector<std::pair<std::size_t, QString>> failures_;
    std::vector<std::thread> workers_;
};

}  // namespace guivarna::output
