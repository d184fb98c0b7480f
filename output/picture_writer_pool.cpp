#include "output/picture_writer_pool.h"

#include "output/jpeg_file.h"

#include <QThread>

#include <algorithm>

namespace guivarna::output {

PictureWriterPool::PictureWriterPool(int threads)
{
    const int count = threads > 0 ? threads : std::max(1, QThread::idealThreadCount());
    maxQueued_ = 2 * static_cast<std::size_t>(count);
    for (int i = 0; i < count; ++i)
        workers_.emplace_back([this] { Work(); });
}

PictureWriterPool::~PictureWriterPool()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    jobReady_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

bool PictureWriterPool::PathPending(const QString& path) const
{
    return std::find(writing_.begin(), writing_.end(), path) != writing_.end() ||
        std::any_of(queue_.begin(), queue_.end(), [&](const Job& job) { return job.path == path; });
}

void PictureWriterPool::Submit(std::size_t id, QImage image, QString path)
{
    std::unique_lock lock(mutex_);
    jobDone_.wait(lock, [&] { return queue_.size() < maxQueued_ && !PathPending(path); });
    queue_.push_back({id, std::move(image), std::move(path)});
    lock.unlock();
    jobReady_.notify_one();
}

void PictureWriterPool::WaitAll()
{
    std::unique_lock lock(mutex_);
    jobDone_.wait(lock, [&] { return queue_.empty() && writing_.empty(); });
}

std::vector<std::pair<std::size_t, QString>> PictureWriterPool::Failures() const
{
    std::lock_guard lock(mutex_);
    return failures_;
}

void PictureWriterPool::Work()
{
    std::unique_lock lock(mutex_);
    while (true) {
        jobReady_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return;  // stopping, and nothing left to write
        Job job = std::move(queue_.front());
        queue_.pop_front();
        writing_.push_back(job.path);
        lock.unlock();

        QString error = SaveJpeg(job.image, job.path);
        job.image = QImage();

        lock.lock();
        writing_.erase(std::find(writing_.begin(), writing_.end(), job.path));
        if (!error.isEmpty())
            failures_.emplace_back(job.id, std::move(error));
        jobDone_.notify_all();
    }
}

}  // namespace guivarna::output
