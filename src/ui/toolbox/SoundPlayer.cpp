#include "ui/toolbox/SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <chrono>

namespace vq {

// The audio side, living on the player's thread.
class SoundOutput : public QObject {
public:
    explicit SoundOutput(SoundPlayer& player) : m_player(player) {}
    ~SoundOutput() override { stop(); }

    void play(quint64 id, const QByteArray& samples, const QAudioFormat& format) {
        stop();
        m_id = id;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        QAudioFormat playFormat = format;
        QByteArray data = samples;
        if (!device.isNull() && !device.isFormatSupported(playFormat) &&
            playFormat.sampleFormat() == QAudioFormat::UInt8) {
            data = ToInt16(samples);
            playFormat.setSampleFormat(QAudioFormat::Int16);
        }
        if (device.isNull() || !device.isFormatSupported(playFormat)) {
            finish();
            return;
        }
        m_buffer = new QBuffer(this);
        m_buffer->setData(data);
        m_buffer->open(QIODevice::ReadOnly);
        m_sink = new QAudioSink(device, playFormat, this);
        connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::IdleState || state == QAudio::StoppedState)
                stop();
        });
        m_sink->start(m_buffer);
        if (m_sink && m_sink->error() != QAudio::NoError)
            stop();
    }

    // Ends the sound that plays, if any, and tells the player.
    void stop() {
        if (m_sink) {
            QAudioSink* sink = m_sink;
            m_sink = nullptr;  // stop() reports StoppedState: this must not run twice
            sink->disconnect(this);
            sink->stop();
            sink->deleteLater();
        }
        if (m_buffer) {
            m_buffer->deleteLater();
            m_buffer = nullptr;
        }
        finish();
    }

private:
    void finish() {
        if (m_id != 0)
            m_player.markEnded(m_id);
        m_id = 0;
    }

    static QByteArray ToInt16(const QByteArray& unsigned8) {
        QByteArray out(unsigned8.size() * 2, Qt::Uninitialized);
        auto* to = reinterpret_cast<qint16*>(out.data());
        for (qsizetype i = 0; i < unsigned8.size(); ++i)
            to[i] = static_cast<qint16>((static_cast<int>(static_cast<uchar>(unsigned8[i])) - 128) << 8);
        return out;
    }

    SoundPlayer& m_player;
    QAudioSink* m_sink = nullptr;
    QBuffer* m_buffer = nullptr;
    quint64 m_id = 0;
};

SoundPlayer::SoundPlayer() : m_output(new SoundOutput(*this)) {
    m_thread.setObjectName("sounds");
    m_output->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_output, &QObject::deleteLater);
    m_thread.start();
}

SoundPlayer::~SoundPlayer() {
    m_thread.quit();  // the output is deleted on its thread, which stops a sound that plays
    m_thread.wait();
}

void SoundPlayer::play(const QByteArray& samples, const QAudioFormat& format, int durationMs, bool wait) {
    quint64 id = 0;
    {
        std::lock_guard lock(m_mutex);
        id = ++m_lastId;
    }
    SoundOutput* output = m_output;
    QMetaObject::invokeMethod(
        output, [output, id, samples, format] { output->play(id, samples, format); }, Qt::QueuedConnection);
    if (!wait)
        return;
    std::unique_lock lock(m_mutex);
    m_endedChanged.wait_for(lock, std::chrono::milliseconds(durationMs), [&] { return m_endedUpTo >= id; });
}

void SoundPlayer::stop() {
    SoundOutput* output = m_output;
    QMetaObject::invokeMethod(
        output, [output] { output->stop(); }, Qt::QueuedConnection);
}

void SoundPlayer::markEnded(quint64 id) {
    {
        std::lock_guard lock(m_mutex);
        if (id > m_endedUpTo)
            m_endedUpTo = id;
    }
    m_endedChanged.notify_all();
}

}  // namespace vq
