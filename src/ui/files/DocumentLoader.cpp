#include "ui/files/DocumentLoader.h"

namespace vq {

DocumentLoader::DocumentLoader(QObject* parent) : QObject(parent) {}

DocumentLoader::~DocumentLoader() { abandon(); }

template <typename F>
void DocumentLoader::post(std::uint64_t id, F&& deliver) {
    // The loader outlives its thread (it joins it before it goes), and a call queued to a
    // destroyed loader is dropped with it.
    QMetaObject::invokeMethod(
        this,
        [this, id, deliver = std::forward<F>(deliver)]() mutable {
            if (m_running && id == m_id)
                deliver();
        },
        Qt::QueuedConnection);
}

bool DocumentLoader::start(LoadJob job) {
    if (m_running)
        return false;
    join();
    m_cancel = false;
    m_outcome = {};
    m_running = true;
    const std::uint64_t id = ++m_id;
    m_thread = std::thread([this, job = std::move(job), id] { run(job, id); });
    return true;
}

void DocumentLoader::cancel() {
    if (m_running)
        m_cancel = true;
}

void DocumentLoader::abandon() {
    m_cancel = true;
    join();
    m_running = false;
    m_outcome = {};
}

void DocumentLoader::join() {
    if (m_thread.joinable())
        m_thread.join();
}

LoadResult DocumentLoader::takeOutcome() {
    join();
    return std::exchange(m_outcome, {});
}

Progress DocumentLoader::workerProgress(const LoadJob& job, std::uint64_t id) {
    Progress progress;
    progress.tick = job.tick;
    progress.show = [this, id](const std::string& text) {
        post(id, [this, text = QString::fromStdString(text)] { emit progressed(text); });
    };
    progress.count = [this, id](size_t done, size_t total) {
        post(id, [this, done, total] { emit counted(static_cast<qint64>(done), static_cast<qint64>(total)); });
    };
    return progress;
}

void DocumentLoader::run(const LoadJob& job, std::uint64_t id) {
    OpenRequest open = job.open;
    open.progress = workerProgress(job, id);
    open.cancel = &m_cancel;
    m_outcome = OpenAndAnalyse(open);
    post(id, [this] {
        m_running = false;
        emit finished();
    });
}

}  // namespace vq
