// A private X session for tests: an Xvfb server on a display number it picks
// and a window manager on it; the built program started on it, and the
// screen read back.
#pragma once

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
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
// text without the line breaks and blanks at its end.
std::string Trimmed(std::string text);

// main() of a test on its own X session of width × height, with a Qt
// application on it and a private runtime folder.
int RunOnXSession(int argc, char** argv, int width, int height);

// The root window as it is on the screen.
QImage Shot();
// The top-left corner where picture shows whole along its four edges, or
// (-1, -1).
QPoint Find(const QImage& shot, const QImage& picture);
// Polls the screen until check accepts a screenshot and returns the last
// one; with MARBIX_KEEP_SHOTS set it is kept under name in the temp folder.
QImage WaitForShot(const char* name, const std::function<bool(const QImage&)>& check,
                   int ms = 6000);

// The built program on the session, with a config and runtime folder of its
// own and no sound server; killed at the end of the test.
class ProgramTest : public testing::Test {
protected:
    void TearDown() override;
    // Starts the program with the extra environment and waits for its
    // window, which gets the focus.
    void Launch(const QProcessEnvironment& extra = {});

    QTemporaryDir m_config;
    QProcess m_program;
    std::string m_window;
};
