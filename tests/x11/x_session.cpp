#include "x_session.h"

#include "engine/collaborators.h"
#include "engine/identifiers.h"
#include "platform/resources.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cstdio>

std::string RunCommand(const std::string& command, int* exitCode) {
    const QString line = QString::fromStdString("timeout 15 " + command);
    return RunHelper(QStringLiteral("sh"), {"-c", line}, 20000, exitCode).toStdString();
}

int RunOnXSession(int argc, char** argv, int width, int height) {
    testing::InitGoogleTest(&argc, argv);
    // The server picks a free display number itself and tells it once it
    // accepts connections: no race with another test for the number.
    QProcess server, manager;
    StartHelper(server, QStringLiteral("Xvfb"),
                {"-displayfd", "1", "-screen", "0",
                 QStringLiteral("%1x%2x24").arg(width).arg(height), "-nolisten", "tcp", "-br"});
    const QByteArray number = server.waitForReadyRead(30000) ? server.readLine().trimmed() : "";
    if (number.isEmpty()) {
        fprintf(stderr, "%s: Xvfb did not come up\n", argv[0]);
        return 1;
    }
    qputenv("DISPLAY", ":" + number);
    qputenv("QT_QPA_PLATFORM", "xcb");
    const CScratchFolder scratch; // private to this process, as the runtime folder must be
    qputenv("XDG_RUNTIME_DIR", scratch.m_dir.c_str());
    qputenv("XDG_CONFIG_HOME", scratch.m_dir.c_str()); // the window manager's stock settings
    int result = 1;
    {
        QApplication app(argc, argv);
        // A loaded machine may need 30 seconds for the window manager, or a
        // restart.
        manager.setProcessChannelMode(QProcess::MergedChannels);
        const bool managed = QTest::qWaitFor(
            [&] {
                if (manager.state() == QProcess::NotRunning)
                    StartHelper(manager, QStringLiteral("openbox"), {"--sm-disable"});
                return RunCommand("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
                       std::string::npos;
            },
            30000);
        if (managed)
            result = RUN_ALL_TESTS();
        else
            fprintf(stderr, "%s: the window manager did not come up: %s\n", argv[0],
                    manager.readAll().left(400).constData());
        StopHelper(manager);
    }
    StopHelper(server);
    return result;
}

QImage Picture(int id, int scale) {
    return LoadPicture(id, scale).convertToFormat(QImage::Format_RGB32);
}

QPoint CellCorner(QPoint board, int i, int scale) {
    return board + scale * QPoint(10 + 37 * IndexCol(i), 6 + 35 * IndexRow(i));
}

CBoardSeen ReadBoard(const QImage& shot, QPoint board, int scale) {
    CBoardSeen seen;
    for (int i = 0; i < 81; ++i) {
        const QImage cell = shot.copy(QRect(CellCorner(board, i, scale), QSize(32, 32) * scale));
        for (int k = 0; k < 32 && seen[i].colour < 0; ++k) // k = 4 × colour + state
            if (Picture(PictureId::Cell(k / 4, k % 4, true), scale) == cell)
                seen[i] = {k / 4, k % 4};
    }
    return seen;
}

bool IsBall(const CCellSeen& cell) {
    return cell.colour > 0 && cell.state != Preview;
}

QImage Shot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

QPoint Find(const QImage& shot, const QImage& picture) {
    const int w = picture.width(), h = picture.height();
    const QRect edges[] = {{0, 0, w, 1}, {0, h - 1, w, 1}, {0, 0, 1, h}, {w - 1, 0, 1, h}};
    for (int y = 0; y + h <= shot.height(); ++y)
        for (int x = 0; x + w <= shot.width(); ++x)
            if (shot.pixel(x, y) == picture.pixel(0, 0) &&
                std::all_of(std::begin(edges), std::end(edges), [&](const QRect& e) {
                    return shot.copy(e.translated(x, y)) == picture.copy(e);
                }))
                return {x, y};
    return {-1, -1};
}

QImage WaitForShot(const char* name, const std::function<bool(const QImage&)>& check, int ms) {
    QImage shot;
    (void)QTest::qWaitFor([&] { return check(shot = Shot()); }, ms);
    if (!qEnvironmentVariableIsEmpty("MARBIX_KEEP_SHOTS"))
        shot.save(QDir::temp().filePath(QStringLiteral("marbix-shot-%1-%2")
                                            .arg(QCoreApplication::applicationPid())
                                            .arg(QLatin1String(name))));
    return shot;
}

void ProgramTest::TearDown() {
    StopHelper(m_program);
}

void ProgramTest::Launch(const char* variable, const QString& value, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_DATA_HOME"})
        env.insert(QLatin1String(name), QString::fromStdString(m_dir));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("PULSE_SERVER"),
               QStringLiteral("unix:/nonexistent/marbix-no-sound-server"));
    if (variable) env.insert(QLatin1String(variable), value);
    StartHelper(m_program, QStringLiteral(MARBIX_EXECUTABLE), arguments, env);
    ASSERT_TRUE(m_program.waitForStarted(5000));
    m_window.clear();
    for (int i = 0; i < 3 && m_window.empty(); ++i) // a closing window may fail a search
        m_window = RunCommand("xdotool search --sync --onlyvisible --name '^Marbix forever'");
    ASSERT_FALSE(m_window.empty());
    RunCommand("xdotool windowactivate --sync " + m_window);
}
