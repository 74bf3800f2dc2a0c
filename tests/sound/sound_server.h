// A private sound server for the tests: one null sink, 22,050 Hz mono 16-bit,
// with sample-and-hold resampling, so that a cue played alone reaches the
// sink's monitor sample for sample; and a recorder on that monitor.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <sys/prctl.h>
#include <vector>

constexpr int kSinkRate = 22050;

class CSoundServer {
public:
    // Empty when the server runs; else why not. Only starting is retried.
    QString Start() {
        for (const char* tool : {"pulseaudio", "parecord", "pactl"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return QString("%1 is not installed").arg(tool);
        if (!m_dir.isValid()) return "no temporary directory";
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
        Run(m_recorder, "parecord",
            {"--device=marbix_test.monitor", "--raw", "--format=s16le", "--channels=1",
             QString("--rate=%1").arg(kSinkRate), "--latency-msec=20", m_dir.filePath("take.raw")});
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
        QFile file(m_dir.filePath("take.raw"));
        const QByteArray raw = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        std::vector<std::int16_t> samples(static_cast<std::size_t>(raw.size() / 2));
        std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
        return samples;
    }

    ~CSoundServer() {
        for (QProcess* process : {&m_recorder, &m_server}) {
            if (process->state() == QProcess::NotRunning) continue;
            ::kill(static_cast<pid_t>(process->processId()), SIGCONT);
            process->kill();
            process->waitForFinished(2000);
        }
    }

private:
    QString Socket() const { return "unix:" + m_dir.filePath("native"); }

    // Starts a tool in the server's environment; it dies with the test.
    void Run(QProcess& process, const char* tool, const QStringList& args) {
        process.setProcessEnvironment(m_env);
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process.start(QStandardPaths::findExecutable(tool), args);
    }

    QByteArray Control(const QStringList& args) {
        QProcess control;
        Run(control, "pactl", args);
        control.waitForFinished(5000);
        return control.readAllStandardOutput();
    }

    QString TryStart() {
        Kill();
        // Everything in the scratch folder; the sink keeps its rate whatever
        // the streams, so nothing but the sample-and-hold resampler touches a cue.
        QFile conf(m_dir.filePath("daemon.conf"));
        if (!conf.open(QIODevice::WriteOnly)) return "cannot write daemon.conf";
        conf.write("default-sample-format = s16le\ndefault-sample-rate = 22050\n"
                   "alternate-sample-rate = 22050\ndefault-sample-channels = 1\n"
                   "resample-method = trivial\n");
        conf.close();
        QFile::remove(m_dir.filePath("native"));
        m_env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "PULSE_CONFIG_PATH"})
            m_env.insert(name, m_dir.path());
        m_env.insert("PULSE_SERVER", Socket());
        // --system=no with root: the server warns but runs.
        Run(m_server, "pulseaudio",
            {"--daemonize=no", "--system=no", "-n", "--exit-idle-time=-1", "--disallow-exit",
             "--disable-shm=yes", "--log-target=stderr",
             "--load=module-null-sink sink_name=marbix_test rate=22050 channels=1 "
             "format=s16le norewinds=1",
             "--load=module-native-protocol-unix auth-anonymous=1 socket=" +
                 m_dir.filePath("native")});
        if (!m_server.waitForStarted(5000)) return "pulseaudio did not start";
        for (int i = 0; i < 500 && !QFile::exists(m_dir.filePath("native")); ++i) {
            if (m_server.state() != QProcess::Running)
                return "pulseaudio stopped: " + m_server.readAllStandardError().right(400);
            QThread::msleep(20);
        }
        return QFile::exists(m_dir.filePath("native")) ? "" : "pulseaudio did not come up";
    }

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
    QProcess m_server, m_recorder;
};
