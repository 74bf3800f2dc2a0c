#include "x_session.h"

#include "engine/collaborators.h"
#include "engine/identifiers.h"
#include "platform/resources.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;

// Starts argv[0] with its output going to log; it inherits the open
// descriptors, a pipe's too.
pid_t Spawn(const std::vector<std::string>& argv, const std::string& log = "/dev/null") {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : 0;
}

void End(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100 && waitpid(pid, nullptr, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(20ms);
    if (kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
}

// The server picks a free display number itself and writes it to a pipe once
// it accepts connections: no race with another test for the number.
std::string StartServer(int width, int height, pid_t& server) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    server = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen,
                    "-nolisten", "tcp", "-br"});
    close(fds[1]);
    std::string number;
    char c = 0;
    pollfd ready{fds[0], POLLIN, 0};
    while (server != 0 && poll(&ready, 1, 30000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    return number.empty() ? number : ":" + number;
}

// The window manager with its stock settings, not the user's; a loaded
// machine may take a while to start it, so it is given 30 seconds, and
// started again should it give up. Its output, when it does not come up.
std::string StartManager(const std::string& home, pid_t& manager) {
    const std::string config = "XDG_CONFIG_HOME=" + home, log = home + "/openbox.log";
    for (const auto until = std::chrono::steady_clock::now() + 30s;
         std::chrono::steady_clock::now() < until; std::this_thread::sleep_for(50ms)) {
        if (manager != 0 && waitpid(manager, nullptr, WNOHANG) == manager) manager = 0;
        if (manager == 0) manager = Spawn({"env", config, "openbox", "--sm-disable"}, log);
        if (RunCommand("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
            std::string::npos)
            return {};
    }
    std::ifstream said(log);
    return "the window manager did not come up: " +
           std::string(std::istreambuf_iterator<char>(said), {}).substr(0, 400);
}

} // namespace

std::string RunCommand(const std::string& command, int* exitCode) {
    std::string output;
    FILE* pipe = popen(("timeout 15 " + command + " 2>/dev/null").c_str(), "r");
    if (!pipe) {
        if (exitCode) *exitCode = -1;
        return output;
    }
    std::array<char, 256> buffer;
    while (fgets(buffer.data(), buffer.size(), pipe)) output += buffer.data();
    const int status = pclose(pipe);
    if (exitCode) *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    while (!output.empty() && (output.back() == '\n' || output.back() == ' ')) output.pop_back();
    return output;
}

int RunOnXSession(int argc, char** argv, int width, int height) {
    testing::InitGoogleTest(&argc, argv);
    pid_t server = 0, manager = 0;
    char home[] = "/tmp/marbix-wm-XXXXXX";
    const std::string display = StartServer(width, height, server);
    setenv("DISPLAY", display.c_str(), 1);
    const std::string error = display.empty()  ? "Xvfb did not come up"
                              : !mkdtemp(home) ? "no folder for the window manager"
                                               : StartManager(home, manager);
    int result = 1;
    if (!error.empty()) {
        fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    } else {
        qputenv("QT_QPA_PLATFORM", "xcb");
        QTemporaryDir runtime; // private to this process, as the runtime folder must be
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    End(manager);
    End(server);
    std::filesystem::remove_all(home);
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
    const QImage edges[] = {picture.copy(0, 0, w, 1), picture.copy(0, h - 1, w, 1),
                            picture.copy(0, 0, 1, h), picture.copy(w - 1, 0, 1, h)};
    for (int y = 0; y + h <= shot.height(); ++y)
        for (int x = 0; x + w <= shot.width(); ++x)
            if (shot.pixel(x, y) == picture.pixel(0, 0) && shot.copy(x, y, w, 1) == edges[0] &&
                shot.copy(x, y + h - 1, w, 1) == edges[1] && shot.copy(x, y, 1, h) == edges[2] &&
                shot.copy(x + w - 1, y, 1, h) == edges[3])
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

QProcessEnvironment Environment(const char* name, const QString& value) {
    QProcessEnvironment env;
    env.insert(QLatin1String(name), value);
    return env;
}

void ProgramTest::TearDown() {
    m_program.kill();
    m_program.waitForFinished(3000);
}

void ProgramTest::Launch(const QProcessEnvironment& extra) {
    ASSERT_TRUE(m_config.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_config.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("PULSE_SERVER"),
               QStringLiteral("unix:/nonexistent/marbix-no-sound-server"));
    env.insert(extra);
    m_program.setProcessEnvironment(env);
    m_program.start(QStringLiteral(MARBIX_EXECUTABLE), {});
    ASSERT_TRUE(m_program.waitForStarted(5000));
    m_window.clear();
    for (int i = 0; i < 3 && m_window.empty(); ++i) // a closing window may fail a search
        m_window = RunCommand("xdotool search --sync --onlyvisible --name '^Marbix forever'");
    ASSERT_FALSE(m_window.empty());
    RunCommand("xdotool windowactivate --sync " + m_window);
}
