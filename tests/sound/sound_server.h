// A private sound server for the tests: one null sink, 22,050 Hz mono 16-bit,
// with sample-and-hold resampling, so that a cue played alone reaches the
// sink's monitor sample for sample; and a recorder on that monitor.
#pragma once

#include "helper_process.h"
#include "scratch.h"

#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <vector>

constexpr int kSinkRate = 22050;

class CSoundServer : CScratchFolder {
public:
    // Empty when the server runs; else why not. Only starting is retried.
    QString Start() {
        for (const char* tool : {"pulseaudio", "parecord", "pactl"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return QString("%1 is not installed").arg(tool);
        if (m_dir.empty()) return "no temporary directory";
        QString why;
        for (int attempt = 0; attempt < 3; ++attempt)
            if ((why = TryStart()).isEmpty()) break;
        if (why.isEmpty()) qputenv("PULSE_SERVER", Socket().toUtf8());
        return why;
    }

    qint64 Pid() const { return m_server.processId(); }

    // Stops the server for good (a crash, as far as clients can tell).
    void Kill() {
        m_server.kill();
        m_server.waitForFinished(3000);
    }

    // Starts recording the monitor; false when the recorder cannot attach.
    bool Record() {
        StartHelper(m_recorder, "parecord",
                    {"--device=marbix_test.monitor", "--raw", "--format=s16le", "--channels=1",
                     QString("--rate=%1").arg(kSinkRate), "--latency-msec=20", Path("take.raw")},
                    m_env);
        if (!m_recorder.waitForStarted(5000)) return false;
        bool attached = false;
        for (int i = 0; i < 250 && !attached; ++i, QThread::msleep(20))
            attached = !Control({"list", "short", "source-outputs"}).trimmed().isEmpty();
        // The null sink renders far ahead when it first wakes; waking it again
        // with the recorder attached keeps it near real time.
        Control({"suspend-sink", "marbix_test", "1"});
        Control({"suspend-sink", "marbix_test", "0"});
        return attached;
    }

    // Stops the recorder and returns its samples.
    std::vector<std::int16_t> Take() {
        ::kill(static_cast<pid_t>(m_recorder.processId()), SIGINT);
        m_recorder.waitForFinished(5000);
        const std::string raw = Contents(m_dir + "/take.raw");
        std::vector<std::int16_t> samples(static_cast<std::size_t>(raw.size() / 2));
        std::memcpy(samples.data(), raw.data(), samples.size() * 2);
        return samples;
    }

    ~CSoundServer() {
        StopHelper(m_recorder);
        StopHelper(m_server);
    }

private:
    QString Path(const char* name) const { return QString::fromStdString(m_dir + "/" + name); }
    QString Socket() const { return "unix:" + Path("native"); }

    QByteArray Control(const QStringList& args) {
        return RunHelper("pactl", args, 5000, nullptr, m_env);
    }

    QString TryStart() {
        Kill();
        // Everything in the scratch folder; the sink keeps its rate whatever
        // the streams, so nothing but the sample-and-hold resampler touches a cue.
        const std::string conf = "default-sample-format = s16le\ndefault-sample-rate = 22050\n"
                                 "alternate-sample-rate = 22050\ndefault-sample-channels = 1\n"
                                 "resample-method = trivial\n";
        Write("daemon.conf", conf);
        QFile::remove(Path("native"));
        m_env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "PULSE_CONFIG_PATH"})
            m_env.insert(name, QString::fromStdString(m_dir));
        m_env.insert("PULSE_SERVER", Socket());
        // --system=no with root: the server warns but runs.
        const QString sink = "--load=module-null-sink sink_name=marbix_test rate=22050 "
                             "channels=1 format=s16le norewinds=1";
        StartHelper(
            m_server, "pulseaudio",
            {"--daemonize=no", "--system=no", "-n", "--exit-idle-time=-1", "--disallow-exit",
             "--disable-shm=yes", "--log-target=stderr", sink,
             "--load=module-native-protocol-unix auth-anonymous=1 socket=" + Path("native")},
            m_env);
        if (!m_server.waitForStarted(5000)) return "pulseaudio did not start";
        for (int i = 0; i < 500 && !QFile::exists(Path("native")); ++i) {
            if (m_server.state() != QProcess::Running)
                return "pulseaudio stopped: " + m_server.readAllStandardError().right(400);
            QThread::msleep(20);
        }
        return QFile::exists(Path("native")) ? "" : "pulseaudio did not come up";
    }

    QProcessEnvironment m_env;
    QProcess m_server, m_recorder;
};
