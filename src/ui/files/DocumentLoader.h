#pragma once

#include "core/document/OpenAndAnalyse.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace vq {

// One file to load and how to analyse it; the loader gives it its progress and its cancel flag.
struct LoadJob {
    OpenRequest open;
    // The clock that paces the progress texts; called on the loading thread.
    std::function<std::uint32_t()> tick;
};

// Reads and analyses a file into a new document on a thread of its own, so the window goes on
// painting. Progress texts and the end of the load arrive as signals on the thread that owns the
// loader, in the order they were made; the new document is taken with takeOutcome() and swapped
// into the window's document there. Destroying the loader stops a running load and waits for it.
class DocumentLoader : public QObject {
    Q_OBJECT
public:
    explicit DocumentLoader(QObject* parent = nullptr);
    ~DocumentLoader() override;

    // Starts a load; false while another one runs.
    bool start(LoadJob job);
    bool running() const { return m_running; }
    // Asks the running load to stop; it ends soon, with finished() and a cancelled result.
    void cancel();
    bool cancelRequested() const { return m_cancel.load(); }
    // Stops the running load and waits for its thread; its result is dropped and finished() is
    // not emitted for it.
    void abandon();
    // The outcome of the load that has just finished, once; in the slot connected to finished().
    LoadResult takeOutcome();

signals:
    // A progress text of the load ("... line i of n", "done").
    void progressed(const QString& text);
    // With each "line i of n" text.
    void counted(qint64 done, qint64 total);
    void finished();

private:
    // On the loading thread.
    void run(const LoadJob& job, std::uint64_t id);
    Progress workerProgress(const LoadJob& job, std::uint64_t id);
    // Runs `deliver` on the owner's thread if load `id` is still the current one.
    template <typename F>
    void post(std::uint64_t id, F&& deliver);
    void join();

    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    bool m_running = false;
    std::uint64_t m_id = 0;  // of the current load; stale deliveries of an earlier one are dropped
    LoadResult m_outcome;    // written by the loading thread before it posts the end
};

}  // namespace vq
