#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QThread>

#include <condition_variable>
#include <mutex>

namespace vq {

class SoundOutput;

// Plays short PCM sounds on a thread of its own, one at a time: a new sound replaces one that
// plays. The audio system is only ever touched on that thread, so a missing or stuck sound device
// never holds up the caller for longer than a waiting sound lasts.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // With `wait`, returns when the sound has ended, could not be played, or `durationMs` have
    // passed, whichever comes first.
    void play(const QByteArray& samples, const QAudioFormat& format, int durationMs, bool wait);
    void stop();

private:
    friend class SoundOutput;
    void markEnded(quint64 id);

    QThread m_thread;
    SoundOutput* m_output;  // Lives on m_thread, deleted when it finishes.
    std::mutex m_mutex;
    std::condition_variable m_endedChanged;
    quint64 m_lastId = 0;     // the sound started last
    quint64 m_endedUpTo = 0;  // every sound up to this one has ended
};

}  // namespace vq
