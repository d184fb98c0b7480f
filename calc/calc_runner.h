#pragma once

#include "calc/worker_failure.h"
#include "theory/search/run_control.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace guivarna::calc {

// Runs one search at a time on a worker thread of its own and keeps the run state behind the
// four buttons "go", "pauze", "resume" and "stop".
//
// Everything here runs on the interface thread except the job, which runs on the worker and
// talks to the interface thread only through the run's RunControl and its result list. "pauze"
// and "resume" take effect (and change the buttons) a short delay after the request, without
// blocking; a "stop" or "go" in that time cancels the pending change. A "go" while a worker
// exists stops it (a paused worker stays paused until "stop") and starts the new run as soon
// as the old worker has ended.
class CalcRunner : public QObject {
    Q_OBJECT

public:
    enum State : int { Stopped = 0, Paused = 1, Running = 2 };

    // The search body, run on the worker.
    using Job = std::function<void()>;
    // Called on the interface thread when a run starts: takes the snapshot of the request and
    // returns the job that fills the run's results, honouring control.
    using JobFactory = std::function<Job(std::shared_ptr<theory::RunControl> control)>;
    // Starts a thread running body; throws std::system_error when no thread can be started.
    using ThreadStarter = std::function<std::thread(std::function<void()> body)>;

    CalcRunner(JobFactory makeJob, std::function<bool()> hasRequest, QObject* parent = nullptr);
    // Stops the run and waits for the worker: nothing it uses may go away under it.
    ~CalcRunner() override;

    void Go();
    void Pause();
    void Resume();
    void Stop();
    // Stops the run and waits until the worker has ended (for shutdown and instrument changes).
    void StopAndWait();

    State state() const { return state_; }
    bool HasWorker() const { return worker_.joinable(); }
    bool RestartPending() const { return restartPending_; }
    // The worker of a paused run waits at a checkpoint and finds nothing until resume or stop.
    bool WorkerHeld() const { return control_ && control_->Holding(); }

    // The enable rules of the four buttons.
    bool GoEnabled() const { return !HasWorker() && hasRequest_(); }
    bool PauseEnabled() const { return state_ == Running && HasWorker(); }
    bool ResumeEnabled() const { return state_ == Paused; }
    bool StopEnabled() const { return HasWorker(); }

    // The delay of "pauze" and "resume" in milliseconds (one second unless a test changes it).
    void SetDelay(int milliseconds) { delayMs_ = milliseconds; }
    // How workers are started (std::thread unless a test makes starting fail).
    void SetThreadStarter(ThreadStarter starter) { startThread_ = std::move(starter); }

signals:
    // The button states may have changed.
    void ButtonsChanged();
    // A run was set up and its worker is starting.
    void RunStarted();
    // "go" could not start a worker; nothing of the last run's results was touched.
    void RunFailed(const QString& reason);
    // The worker of a run has ended (exhausted or stopped).
    void RunFinished();
    // Follows RunFinished when the job threw and so ended the run early: outOfMemory for a
    // std::bad_alloc. What the run found until then is kept.
    void RunBroken(bool outOfMemory);

private:
    enum class Pending { None, Pause, Resume };

    // The worker has ended: collects it, then starts a run asked for meanwhile.
    void OnWorkerDone();
    // Joins the worker (ended or ending) and reports the end of its run.
    void CollectWorker();
    void ApplyPending();
    void CancelPending();

    JobFactory makeJob_;
    std::function<bool()> hasRequest_;
    ThreadStarter startThread_;
    State state_ = Stopped;
    bool restartPending_ = false;
    std::thread worker_;
    std::shared_ptr<theory::RunControl> control_;
    QTimer delay_;
    Pending pending_ = Pending::None;
    int delayMs_ = 1000;
    // Raised by the worker when its job has returned.
    std::shared_ptr<std::atomic<bool>> workerEnded_;
    // Set by the worker when its job threw.
    std::shared_ptr<std::atomic<WorkerFailure>> workerFailure_;
    QTimer watch_;
};

}  // namespace guivarna::calc
