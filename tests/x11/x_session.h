// A private X session for tests: an Xvfb server on a display number it picks
// and a window manager on it.
#pragma once

#include <string>
#include <sys/types.h>

class CXSession {
public:
    CXSession() = default;
    ~CXSession();
    CXSession(const CXSession&) = delete;
    CXSession& operator=(const CXSession&) = delete;

    // Starts the server (width × height, 24 bits) and the window manager;
    // sets DISPLAY for this process. False, with the reason, on failure.
    bool Start(int width, int height, std::string& error);
    const std::string& Display() const { return m_display; }

private:
    void Stop();

    pid_t m_server = 0;
    pid_t m_manager = 0;
    std::string m_display;
    std::string m_home;
};

// Runs a command line through the shell, with a time limit; its output, or
// empty. exitCode gets the exit status.
std::string RunCommand(const std::string& command, int* exitCode = nullptr);
