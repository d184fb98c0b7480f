#include "calc/calc_runner.h"

#include <system_error>

namespace guivarna::calc {

namespace {

// How often the interface thread looks whether the worker has ended.
constexpr int kWatchIntervalMs = 5;

}  // namespace

CalcRunner::CalcRunner(JobFactory makeJob, std::function<bool()> hasRequest, QObject* parent)
    : QObject(parent), makeJob_(std::move(makeJob)), hasRequest_(std::move(hasRequest))
{
    delay_.setSingleShot(true);
    connect(&delay_, &QTimer::timeout, this, &CalcRunner::ApplyPending);
    // The worker touches nothing of Qt: it raises a flag when it ends, and the interface thread
    // looks at that flag from its event loop.
    watch_.setInterval(kWatchIntervalMs);
    connect(&watch_, &QTimer::timeout, this, [this] {
        if (workerEnded_ && workerEnded_->load(std::memory_order_acquire))
            OnWorkerDone();
    });
}

CalcRunner::~CalcRunner()
{
    if (control_)
        control_->Stop();
    if (worker_.joinable())
        worker_.join();
}

void CalcRunner::Go()
{
    CancelPending();
    if (HasWorker()) {
        // The worker ends at its next checkpoint (a paused one only after "stop"); the new run
        // starts when it has.
        restartPending_ = true;
        if (state_ != Paused)
            control_->Stop();
        state_ = Stopped;
        emit ButtonsChanged();
        return;
    }
    emit ButtonsChanged();
    auto control = std::make_shared<theory::RunControl>();
    Job job = makeJob_(control);
    emit RunStarted();
    try {
        workerEnded_ = std::make_shared<std::atomic<bool>>(false);
        worker_ = std::thread([ended = workerEnded_, job = std::move(job)] {
            job();
            ended->store(true, std::memory_order_release);
        });
        watch_.start();
    } catch (const std::system_error&) {
        // No thread: the page has no worker and "go" becomes usable again.
        state_ = Stopped;
        emit ButtonsChanged();
        emit RunFinished();
        return;
    }
    control_ = std::move(control);
    state_ = Running;
    restartPending_ = false;
    emit ButtonsChanged();
}

void CalcRunner::Pause()
{
    if (!PauseEnabled() || pending_ == Pending::Pause)
        return;
    pending_ = Pending::Pause;
    delay_.start(delayMs_);
}

void CalcRunner::Resume()
{
    if (!ResumeEnabled() || pending_ == Pending::Resume)
        return;
    pending_ = Pending::Resume;
    delay_.start(delayMs_);
}

void CalcRunner::ApplyPending()
{
    const Pending pending = pending_;
    pending_ = Pending::None;
    if (pending == Pending::Pause && HasWorker()) {
        state_ = Paused;
        control_->Pause();
    } else if (pending == Pending::Resume && HasWorker()) {
        state_ = Running;
        control_->Resume();
    }
    emit ButtonsChanged();
}

void CalcRunner::CancelPending()
{
    pending_ = Pending::None;
    delay_.stop();
}

void CalcRunner::Stop()
{
    CancelPending();
    // A stop also wakes a paused worker, however often it was paused.
    if (control_)
        control_->Stop();
    state_ = Stopped;
    emit ButtonsChanged();
}

void CalcRunner::StopAndWait()
{
    restartPending_ = false;
    Stop();
    if (worker_.joinable())
        CollectWorker();
}

void CalcRunner::OnWorkerDone()
{
    CollectWorker();
    if (restartPending_)
        Go();
}

void CalcRunner::CollectWorker()
{
    watch_.stop();
    workerEnded_.reset();
    worker_.join();
    control_.reset();
    CancelPending();
    emit ButtonsChanged();
    emit RunFinished();
}

}  // namespace guivarna::calc
