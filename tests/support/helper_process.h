// The helper programs a test starts (servers, recorders, a window manager,
// command-line tools, the program under test): each dies with the test,
// every wait has a limit, and what a helper writes is kept for the report.
#pragma once

#include <QProcess>
#include <csignal>
#include <sys/prctl.h>

// Starts program (a name looked up on PATH, or a path) in env.
inline void StartHelper(QProcess& process, const QString& program, const QStringList& args,
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    process.setProcessEnvironment(env);
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, args);
}

// Runs program to its end, waiting at most ms: its standard output, trimmed;
// exitCode is -1 unless it ended normally in time.
inline QByteArray
RunHelper(const QString& program, const QStringList& args, int ms, int* exitCode = nullptr,
          const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    StartHelper(process, program, args, env);
    const bool done = process.waitForFinished(ms) && process.exitStatus() == QProcess::NormalExit;
    if (exitCode) *exitCode = done ? process.exitCode() : -1;
    return process.readAllStandardOutput().trimmed();
}

// Ends a helper, stopped or not: asked first, killed if still there after ms.
inline void StopHelper(QProcess& process, int ms = 3000) {
    if (process.state() == QProcess::NotRunning) return;
    if (const qint64 pid = process.processId(); pid > 0) ::kill(static_cast<pid_t>(pid), SIGCONT);
    process.terminate();
    if (process.waitForFinished(ms)) return;
    process.kill();
    process.waitForFinished(ms);
}
