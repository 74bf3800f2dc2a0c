// Plays cues into a null sink of a private sound server and records its
// monitor: a cue really sounds, and a new cue cuts the one still sounding.
#include "sound/qt_cue_player.h"
#include "wave_builder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int kRecordRate = 11025;
constexpr int kWindow = kRecordRate / 100; // 10 ms
// Cue sounds of the test: a low tone (three long seconds), a high one.
constexpr unsigned kLow = 1, kLongLow = 2, kHigh = 3;
constexpr int kLowHalfPeriod = 10; // about 550 Hz at 11,025 Hz
constexpr int kHighHalfPeriod = 4; // about 2,750 Hz at 22,050 Hz

enum class Tone { Silent, Low, High };

// Polls done until it holds; false once the process ends or ms pass.
bool WaitWhileRunning(const QProcess& process, const std::function<bool()>& done, int ms) {
    for (const QDeadlineTimer deadline(ms); !done(); QThread::msleep(20))
        if (process.state() != QProcess::Running || deadline.hasExpired()) return false;
    return true;
}

// A private sound server with one null sink, and a recorder on its monitor.
class CSoundServer {
public:
    // Empty when it runs; else why not.
    QString Start() {
        const QString server = QStandardPaths::findExecutable("pulseaudio");
        const QString recorder = QStandardPaths::findExecutable("parecord");
        if (server.isEmpty() || recorder.isEmpty() ||
            QStandardPaths::findExecutable("pactl").isEmpty()) {
            return "pulseaudio, parecord or pactl is not installed";
        }
        if (!m_dir.isValid()) return "no temporary directory";
        for (const char* sub : {"run/pulse", "config", "state"}) QDir(m_dir.path()).mkpath(sub);
        QFile::setPermissions(m_dir.filePath("run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_address = "unix:" + m_dir.filePath("native");

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (auto [name, sub] : {std::pair{"XDG_RUNTIME_DIR", "run"},
                                 {"XDG_CONFIG_HOME", "config"},
                                 {"PULSE_RUNTIME_PATH", "run/pulse"},
                                 {"PULSE_STATE_PATH", "state"},
                                 {"PULSE_COOKIE", "cookie"},
                                 {"HOME", ""}})
            env.insert(name, m_dir.filePath(sub));
        env.insert("PULSE_SERVER", m_address);
        m_server.setProcessEnvironment(env);
        m_server.setProgram(server);
        // --system=no with root: the server warns but runs, all in the scratch folder.
        m_server.setArguments({"--daemonize=no", "--system=no", "-n", "--exit-idle-time=-1",
                               "--disallow-exit", "--disable-shm=yes", "--log-target=stderr",
                               "--load=module-null-sink sink_name=marbix_test",
                               "--load=module-native-protocol-unix auth-anonymous=1 socket=" +
                                   m_dir.filePath("native")});
        m_server.start();
        if (!m_server.waitForStarted(3000)) return "pulseaudio did not start";
        if (!WaitWhileRunning(
                m_server, [&] { return QFile::exists(m_dir.filePath("native")); }, 5000))
            return "pulseaudio did not come up: " + m_server.readAllStandardError().right(400);

        m_recorder.setProcessEnvironment(env);
        m_recorder.start(recorder, {"--device=marbix_test.monitor", "--raw", "--format=s16le",
                                    "--channels=1", QString("--rate=%1").arg(kRecordRate),
                                    "--latency-msec=10", m_dir.filePath("take.raw")});
        if (!m_recorder.waitForStarted(3000)) return "parecord did not start";
        const auto recording = [&] {
            return !Control({"list", "short", "source-outputs"}).trimmed().isEmpty();
        };
        if (!WaitWhileRunning(m_recorder, recording, 3000))
            return "parecord cannot record: " + m_recorder.readAllStandardError();
        // The null sink renders far ahead when it first wakes; waking it again
        // with the recorder attached keeps it near real time, so that what a
        // stopped cue had not yet played is not in the take.
        Control({"suspend-sink", "marbix_test", "1"});
        Control({"suspend-sink", "marbix_test", "0"});
        qputenv("PULSE_SERVER", m_address.toUtf8());
        qputenv("PULSE_COOKIE", m_dir.filePath("cookie").toUtf8());
        return {};
    }

    QByteArray Control(const QStringList& args) {
        QProcess control;
        control.setProcessEnvironment(m_server.processEnvironment());
        control.start(QStringLiteral("pactl"), args);
        control.waitForFinished(3000);
        return control.readAllStandardOutput();
    }

    // Stops the recorder and classifies the take in 10 ms windows.
    std::vector<Tone> Take() {
        ::kill(static_cast<pid_t>(m_recorder.processId()), SIGINT);
        m_recorder.waitForFinished(3000);
        QFile file(m_dir.filePath("take.raw"));
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray raw = file.readAll();
        std::vector<Tone> tones;
        for (qsizetype start = 0; start + 2 * kWindow <= raw.size(); start += 2 * kWindow)
            tones.push_back(Classify(raw.constData() + start));
        return tones;
    }

    ~CSoundServer() {
        for (QProcess* process : {&m_recorder, &m_server}) {
            process->terminate();
            if (!process->waitForFinished(3000)) process->kill();
            process->waitForFinished(2000);
        }
    }

private:
    // Zero crossings tell the tones apart: about 11 per window for the low
    // one, about 55 for the high one.
    static Tone Classify(const char* pcm) {
        int loudest = 0, crossings = 0, previous = 0;
        for (int i = 0; i < kWindow; ++i) {
            const int v = qFromLittleEndian<qint16>(pcm + 2 * i);
            loudest = std::max(loudest, std::abs(v));
            if (i > 0 && ((v < 0) != (previous < 0))) ++crossings;
            previous = v;
        }
        if (loudest < 2000) return Tone::Silent;
        return crossings > 30 ? Tone::High : Tone::Low;
    }

    QTemporaryDir m_dir;
    QString m_address;
    QProcess m_server, m_recorder;
};

double Seconds(const std::vector<Tone>& take, Tone tone) {
    return std::count(take.begin(), take.end(), tone) / 100.0;
}

TEST(RealAudio, ACueSoundsAndANewCueCutsTheOldOne) {
    CSoundServer server;
    if (const QString why = server.Start(); !why.isEmpty()) {
        GTEST_SKIP() << "no private sound server here, skipping the real-audio test: "
                     << why.toStdString();
    }
    const QByteArray low = SquareWave(11025, 8, 1, 0.4, kLowHalfPeriod);
    const QByteArray longLow = SquareWave(11025, 8, 1, 3.0, kLowHalfPeriod);
    const QByteArray high = SquareWave(22050, 16, 1, 0.3, kHighHalfPeriod);
    CQtCuePlayer player([&](unsigned id, bool) {
        return id == kLow ? low : id == kLongLow ? longLow : id == kHigh ? high : QByteArray();
    });

    player.PlaySound(kLow, false);
    QThread::msleep(1000);
    ASSERT_EQ(player.StartedCount(), 1) << "the server took no stream";
    const qint64 firstLatencyUs = player.LastStartLatencyUs();

    player.PlaySound(kLongLow, false);
    QThread::msleep(300);
    player.PlaySound(kHigh, false);
    QThread::msleep(1200);
    EXPECT_EQ(player.StartedCount(), 3);
    RecordProperty("first_cue_latency_us", std::to_string(firstLatencyUs));

    const std::vector<Tone> take = server.Take();
    std::string shape = "take in 10 ms steps: ";
    for (Tone t : take) shape += t == Tone::Silent ? '.' : t == Tone::Low ? 'l' : 'H';
    // The first cue and the start of the long one: 0.7 s, not 3.4 s.
    EXPECT_GT(Seconds(take, Tone::Low), 0.3) << "the cues were not heard\n" << shape;
    EXPECT_LT(Seconds(take, Tone::Low), 1.2) << "the long cue was not cut\n" << shape;
    EXPECT_GT(Seconds(take, Tone::High), 0.2) << "the short cue was not heard in full\n" << shape;
    EXPECT_LT(Seconds(take, Tone::High), 0.45) << shape;
    // Once the short cue sounds, the long one is gone.
    const auto firstHigh = std::find(take.begin(), take.end(), Tone::High);
    ASSERT_NE(firstHigh, take.end()) << shape;
    EXPECT_LE(std::count(firstHigh, take.end(), Tone::Low), 3)
        << "the long cue went on under the short one\n"
        << shape;
}

} // namespace
