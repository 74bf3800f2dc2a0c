#include "x_session.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;

pid_t Spawn(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
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
    namespace fs = std::filesystem;
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    for (int number = 70; number < 200 && m_display.empty(); ++number) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
        if (fs::exists(socket) || fs::exists(lock)) continue;
        const std::string display = ":" + std::to_string(number);
        m_server = Spawn({"Xvfb", display, "-screen", "0", screen, "-nolisten", "tcp", "-br"});
        if (m_server == 0) {
            error = "Xvfb cannot be started";
            return false;
        }
        for (int i = 0; i < 250 && !fs::exists(socket); ++i) {
            if (Exited(m_server)) break;
            std::this_thread::sleep_for(20ms);
        }
        if (fs::exists(socket) && !Exited(m_server)) {
            m_display = display;
        } else {
            End(m_server); // another server took the number first
            m_server = 0;
        }
    }
    if (m_display.empty()) {
        error = "no free display number";
        return false;
    }
    setenv("DISPLAY", m_display.c_str(), 1);

    // The window manager with its stock settings, not the user's.
    char dir[] = "/tmp/marbix-wm-XXXXXX";
    if (mkdtemp(dir)) m_home = dir;
    const std::string config = "XDG_CONFIG_HOME=" + m_home;
    m_manager = Spawn({"env", config, "openbox", "--sm-disable"});
    for (int i = 0; i < 250; ++i) {
        if (RunCommand("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
            std::string::npos)
            return true;
        std::this_thread::sleep_for(20ms);
    }
    error = "the window manager did not come up";
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
