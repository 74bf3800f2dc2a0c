// A private sound server for the tests: one null sink, 22,050 Hz mono 16-bit,
// with sample-and-hold resampling, so that a cue played alone reaches the
// sink's monitor sample for sample; and a recorder on that monitor.
#pragma once

#include <QDir>
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
        if (!why.isEmpty()) return why;
        qputenv("PULSE_SERVER", Address().toUtf8());
        return {};
    }

    QString Address() const { return "unix:" + m_dir.filePath("native"); }
    qint64 Pid() const { return m_server.processId(); }

    // Stops the server for good (a crash, as far as clients can tell).
    void Kill() {
        m_server.kill();
        m_server.waitForFinished(3000);
    }

    QByteArray Control(const QStringList& args) {
        QProcess control;
        control.setProcessEnvironment(m_env);
        control.start(QStringLiteral("pactl"), args);
        control.waitForFinished(5000);
        return control.readAllStandardOutput();
    }

    // Starts recording the monitor; false when the recorder cannot attach.
    bool Record() {
        m_recorder.setProcessEnvironment(m_env);
        m_recorder.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_recorder.start(QStandardPaths::findExecutable("parecord"),
                         {"--device=marbix_test.monitor", "--raw", "--format=s16le", "--channels=1",
                          QString("--rate=%1").arg(kSinkRate), "--latency-msec=20",
                          m_dir.filePath("take.raw")});
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
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray raw = file.readAll();
        std::vector<std::int16_t> samples(static_cast<std::size_t>(raw.size() / 2));
        std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
        return samples;
    }

    ~CSoundServer() {
        for (QProcess* process : {&m_recorder, &m_server}) {
            if (process->state() == QProcess::NotRunning) continue;
            ::kill(static_cast<pid_t>(process->processId()), SIGCONT);
            process->terminate();
            if (!process->waitForFinished(3000)) process->kill();
            process->waitForFinished(2000);
        }
    }

private:
    QString TryStart() {
        Kill();
        for (const char* sub : {"run/pulse", "config/pulse", "state"})
            QDir(m_dir.path()).mkpath(sub);
        // The sink keeps its rate whatever the streams, so nothing but the
        // sample-and-hold resampler touches a cue.
        QFile conf(m_dir.filePath("config/pulse/daemon.conf"));
        if (!conf.open(QIODevice::WriteOnly)) return "cannot write daemon.conf";
        conf.write("default-sample-format = s16le\ndefault-sample-rate = 22050\n"
                   "alternate-sample-rate = 22050\ndefault-sample-channels = 1\n"
                   "resample-method = trivial\n");
        conf.close();
        QFile::remove(m_dir.filePath("native"));
        m_env = QProcessEnvironment::systemEnvironment();
        for (auto [name, sub] : {std::pair{"XDG_RUNTIME_DIR", "run"},
                                 {"XDG_CONFIG_HOME", "config"},
                                 {"PULSE_CONFIG_PATH", "config/pulse"},
                                 {"PULSE_RUNTIME_PATH", "run/pulse"},
                                 {"PULSE_STATE_PATH", "state"},
                                 {"PULSE_COOKIE", "cookie"},
                                 {"HOME", ""}})
            m_env.insert(name, m_dir.filePath(sub));
        m_env.insert("PULSE_SERVER", Address());
        m_server.setProcessEnvironment(m_env);
        // A test that dies leaves no server behind.
        m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        // --system=no with root: the server warns but runs, all in the scratch folder.
        m_server.start(QStandardPaths::findExecutable("pulseaudio"),
                       {"--daemonize=no", "--system=no", "-n", "--exit-idle-time=-1",
                        "--disallow-exit", "--disable-shm=yes", "--log-target=stderr",
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
        if (!QFile::exists(m_dir.filePath("native"))) return "pulseaudio did not come up";
        return {};
    }

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
    QProcess m_server, m_recorder;
};
