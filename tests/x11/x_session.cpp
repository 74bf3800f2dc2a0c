#include "x_session.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
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

bool Exited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

void End(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (Exited(pid)) return;
        std::this_thread::sleep_for(20ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
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
    return output;
}

bool CXSession::Start(int width, int height, std::string& error) {
    // The server picks a free display number itself and writes it to a pipe
    // once it accepts connections: no race with another test for the number.
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        error = "no pipe for Xvfb";
        return false;
    }
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    m_server = Spawn({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", screen,
                      "-nolisten", "tcp", "-br"});
    close(pipeFds[1]);
    std::string number;
    char c = 0;
    pollfd ready{pipeFds[0], POLLIN, 0};
    while (m_server != 0 && poll(&ready, 1, 30000) == 1 && read(pipeFds[0], &c, 1) == 1 &&
           c != '\n')
        number += c;
    close(pipeFds[0]);
    if (number.empty()) {
        error = "Xvfb did not come up";
        return false;
    }
    m_display = ":" + number;
    setenv("DISPLAY", m_display.c_str(), 1);

    // The window manager with its stock settings, not the user's; a loaded
    // machine may take a while to start it, so it is given 30 seconds, and
    // started again should it give up.
    char dir[] = "/tmp/marbix-wm-XXXXXX";
    if (mkdtemp(dir)) m_home = dir;
    const std::string config = "XDG_CONFIG_HOME=" + m_home, log = m_home + "/openbox.log";
    int starts = 0;
    for (const auto until = std::chrono::steady_clock::now() + 30s;
         std::chrono::steady_clock::now() < until; std::this_thread::sleep_for(50ms)) {
        if (m_manager != 0 && Exited(m_manager)) m_manager = 0;
        if (m_manager == 0 && starts++ < 3)
            m_manager = Spawn({"env", config, "openbox", "--sm-disable"}, log);
        if (RunCommand("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
            std::string::npos)
            return true;
    }
    std::ifstream said(log);
    const std::string output((std::istreambuf_iterator<char>(said)), {});
    error = "the window manager did not come up (started " + std::to_string(starts) +
            " times): " + output.substr(0, 400);
    return false;
}

CXSession::~CXSession() {
    Stop();
}

void CXSession::Stop() {
    End(m_manager);
    End(m_server);
    m_manager = m_server = 0;
    if (!m_home.empty()) std::filesystem::remove_all(m_home);
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

int RunOnXSession(int argc, char** argv, int width, int height) {
    testing::InitGoogleTest(&argc, argv);
    CXSession session;
    std::string error;
    if (!session.Start(width, height, error)) {
        fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir runtime; // private to this process, as the runtime folder must be
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
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
        m_window =
            Trimmed(RunCommand("xdotool search --sync --onlyvisible --name '^Marbix forever'"));
    ASSERT_FALSE(m_window.empty());
    RunCommand("xdotool windowactivate --sync " + m_window);
}
