#include "sound/qt_cue_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>

struct CSoundStats {
    std::atomic<int> handedOver{0};
    std::atomic<int> started{0};
    std::atomic<qint64> lastLatencyUs{-1};
};

namespace {

// The program's own cues, all read ahead of their first use.
constexpr unsigned kProgramCues[] = {136, 137, 138, 140, 141, 147, 149, 150, 151, 153, 154, 175};
constexpr unsigned kModuleBase = 600;
constexpr unsigned kColours = 7;
constexpr unsigned kKinds = 3;
// The device still plays what it holds after the last sample was handed over.
constexpr int kTailMs = 500;
// A sound server that hangs must not hold up the end of the program for long.
constexpr int kShutdownWaitMs = 2000;

qint64 NowNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// Connecting to the sound server reports a missing server on the message log;
// the program runs on silently without one, so that report is dropped.
QtMessageHandler g_outerHandler = nullptr;

void DropServerReports(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("PulseAudioService:"))) return;
    if (g_outerHandler) g_outerHandler(type, context, text);
}

QAudioFormat FormatOf(const CWaveSound& sound) {
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(sound.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

int FormatKey(const CWaveSound& sound) {
    return sound.sampleRate * 64 + sound.channels * 32 + sound.bitsPerSample;
}

} // namespace

// The sound thread's side: one sink per sample format, created on first use,
// and at most one of them playing.
class CSoundOutput : public QObject {
public:
    explicit CSoundOutput(std::shared_ptr<CSoundStats> stats)
        : m_stats(std::move(stats)), m_endTimer(new QTimer(this)) {
        m_endTimer->setSingleShot(true);
        connect(m_endTimer, &QTimer::timeout, this, &CSoundOutput::StopCurrent);
    }

    void WakeDevice() {
        if (m_awake) return;
        m_awake = true;
        g_outerHandler = qInstallMessageHandler(DropServerReports);
        QMediaDevices::defaultAudioOutput();
        QtMessageHandler current = qInstallMessageHandler(g_outerHandler);
        if (current != DropServerReports) qInstallMessageHandler(current);
    }

    void Play(const std::shared_ptr<const CWaveSound>& sound, qint64 requestedNs) {
        StopCurrent();
        QAudioSink* sink = SinkFor(*sound);
        if (!sink) return;
        m_sound = sound;
        m_source = new QBuffer(this);
        m_source->setData(m_sound->pcm);
        m_source->open(QIODevice::ReadOnly);
        m_current = sink;
        m_requestedNs = requestedNs;
        sink->start(m_source);
        m_endTimer->start(static_cast<int>(m_sound->DurationMs()) + kTailMs);
    }

    void StopCurrent() {
        m_endTimer->stop();
        if (m_current) m_current->stop();
        m_current = nullptr;
        delete m_source;
        m_source = nullptr;
        m_sound.reset();
    }

    void Shutdown() {
        StopCurrent();
        DropSinks();
        QThread::currentThread()->quit();
    }

private:
    QAudioSink* SinkFor(const CWaveSound& sound) {
        WakeDevice();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return nullptr;
        if (device.id() != m_deviceId) {
            DropSinks();
            m_deviceId = device.id();
        }
        const int key = FormatKey(sound);
        if (QAudioSink* sink = m_sinks.value(key)) return sink;
        auto* sink = new QAudioSink(device, FormatOf(sound), this);
        connect(sink, &QAudioSink::stateChanged, this,
                [this, sink](QAudio::State state) { OnStateChanged(sink, state); });
        m_sinks.insert(key, sink);
        return sink;
    }

    void OnStateChanged(QAudioSink* sink, QAudio::State state) {
        if (sink != m_current) return;
        if (state == QAudio::ActiveState && m_requestedNs != 0) {
            m_stats->lastLatencyUs = (NowNs() - m_requestedNs) / 1000;
            ++m_stats->started;
            m_requestedNs = 0;
        } else if (state == QAudio::StoppedState && sink->error() != QAudio::NoError) {
            // The server went away or refused the stream: give the cue up.
            QTimer::singleShot(0, this, [this, sink] {
                if (m_current == sink) StopCurrent();
            });
        }
    }

    void DropSinks() {
        qDeleteAll(m_sinks);
        m_sinks.clear();
    }

    std::shared_ptr<CSoundStats> m_stats;
    QTimer* m_endTimer;
    bool m_awake = false;
    QByteArray m_deviceId;
    QHash<int, QAudioSink*> m_sinks;
    QAudioSink* m_current = nullptr;
    QBuffer* m_source = nullptr;
    std::shared_ptr<const CWaveSound> m_sound;
    qint64 m_requestedNs = 0;
};

CQtCuePlayer::CQtCuePlayer(CWaveLoader loader)
    : m_loader(std::move(loader)), m_stats(std::make_shared<CSoundStats>()), m_thread(new QThread),
      m_output(new CSoundOutput(m_stats)) {
    m_thread->setObjectName(QStringLiteral("sound"));
    m_output->moveToThread(m_thread);
    m_thread->start();
}

CQtCuePlayer::~CQtCuePlayer() {
    CSoundOutput* output = m_output;
    QMetaObject::invokeMethod(
        m_output, [output] { output->Shutdown(); }, Qt::QueuedConnection);
    if (m_thread->wait(QDeadlineTimer(kShutdownWaitMs))) {
        delete m_output;
        delete m_thread;
    }
    // Otherwise the sound server hangs; the thread is left to the end of the process.
}

void CQtCuePlayer::PlaySound(unsigned id, bool fromModule) {
    const qint64 requestedNs = NowNs();
    std::shared_ptr<const CWaveSound> sound = Lookup(id, fromModule);
    if (!sound) return;
    ++m_stats->handedOver;
    CSoundOutput* output = m_output;
    QMetaObject::invokeMethod(
        m_output, [output, sound, requestedNs] { output->Play(sound, requestedNs); },
        Qt::QueuedConnection);
}

void CQtCuePlayer::Preload(bool withModule) {
    for (unsigned id : kProgramCues) Lookup(id, false);
    if (withModule) {
        for (unsigned colour = 1; colour <= kColours; ++colour) {
            for (unsigned kind = 1; kind <= kKinds; ++kind) {
                Lookup(kModuleBase + 4 * colour + kind, true);
            }
        }
    }
    CSoundOutput* output = m_output;
    QMetaObject::invokeMethod(
        m_output, [output] { output->WakeDevice(); }, Qt::QueuedConnection);
}

int CQtCuePlayer::HandedOverCount() const {
    return m_stats->handedOver;
}

int CQtCuePlayer::StartedCount() const {
    return m_stats->started;
}

qint64 CQtCuePlayer::LastStartLatencyUs() const {
    return m_stats->lastLatencyUs;
}

std::shared_ptr<const CWaveSound> CQtCuePlayer::Lookup(unsigned id, bool fromModule) {
    // Sounds are named by the low 16 bits of the identifier.
    const quint32 key = (fromModule ? 0x10000u : 0u) | (id & 0xFFFFu);
    auto it = m_cache.constFind(key);
    if (it != m_cache.constEnd()) return *it;
    std::shared_ptr<const CWaveSound> sound;
    if (std::optional<CWaveSound> parsed = ParseWave(m_loader(id, fromModule))) {
        sound = std::make_shared<const CWaveSound>(std::move(*parsed));
    }
    m_cache.insert(key, sound);
    return sound;
}
