#include "calc/calc_runner.h"

#include "resources/strings.h"
#include "resources/text.h"

#include <future>
#include <system_error>

namespace guivarna::calc {

namespace {

// How often the interface thread looks whether the worker has ended.
constexpr int kWatchIntervalMs = 5;

}  // namespace

CalcRunner::CalcRunner(JobFactory makeJob, std::function<bool()> hasRequest, QObject* parent)
    : QObject(parent), makeJob_(std::move(makeJob)), hasRequest_(std::move(hasRequest)),
      startThread_([](std::function<void()> body) { return std::thread(std::move(body)); })
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
    // The worker starts first and waits for its job: making the job resets the result list, and
    // a thread that cannot start must leave the last run's results as they were.
    auto handOver = std::make_shared<std::promise<Job>>();
    auto jobArrives = std::make_shared<std::future<Job>>(handOver->get_future());
    auto ended = std::make_shared<std::atomic<bool>>(false);
    auto outcome = std::make_shared<std::atomic<WorkerFailure>>(WorkerFailure::None);
    try {
        worker_ = startThread_([jobArrives, ended, outcome] {
            outcome->store(RunCatching([&] {
                if (const Job job = jobArrives->get())
                    job();
            }));
            ended->store(true, std::memory_order_release);
        });
    } catch (const std::system_error& error) {
        state_ = Stopped;
        emit ButtonsChanged();
        emit RunFailed(QString::fromLocal8Bit(error.what()));
        return;
    }
    auto control = std::make_shared<theory::RunControl>();
    Job job;
    QString failure;
    try {
        job = makeJob_(control);
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = Text(strings::kUnknownError);
    }
    if (!failure.isEmpty()) {
        // The worker gets no job and ends at once.
        handOver->set_value({});
        worker_.join();
        state_ = Stopped;
        emit ButtonsChanged();
        emit RunFailed(failure);
        return;
    }
    workerEnded_ = std::move(ended);
    workerFailure_ = std::move(outcome);
    emit RunStarted();
    handOver->set_value(std::move(job));
    watch_.start();
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
    const WorkerFailure failure = workerFailure_ ? workerFailure_->load() : WorkerFailure::None;
    workerFailure_.reset();
    control_.reset();
    CancelPending();
    emit ButtonsChanged();
    emit RunFinished();
    if (failure != WorkerFailure::None)
        emit RunBroken(failure == WorkerFailure::OutOfMemory);
}

}  // namespace guivarna::calc
