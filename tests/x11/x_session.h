// A private X session for tests, Xvfb and a window manager; the built program
// started on it, and the screen read back.
#pragma once

#include "helper_process.h"
#include "scratch.h"

#include <QImage>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <string>

// Runs a command line in the shell, with a time limit: its trimmed output.
std::string RunCommand(const std::string& command, int* exitCode = nullptr);

// main() of a test on its own X session, window manager and Qt application.
int RunOnXSession(int argc, char** argv, int width, int height);

// A picture of the program, drawn for the given density.
QImage Picture(int id, int scale = 1);
// The root window as it is on the screen.
QImage Shot();
// Where picture shows whole along its four edges, or (-1, -1).
QPoint Find(const QImage& shot, const QImage& picture);
// Polls the screen until check accepts it; MARBIX_KEEP_SHOTS keeps it.
QImage WaitForShot(const char* name, const std::function<bool(const QImage&)>& check,
                   int ms = 6000);

// The corner of cell i (by CellIndex) of the board at board, drawn at scale.
QPoint CellCorner(QPoint board, int i, int scale = 1);
struct CCellSeen {
    int colour = -1, state = -1; // -1: no cell picture there
    bool operator==(const CCellSeen&) const = default;
};
using CBoardSeen = std::array<CCellSeen, 81>; // by CellIndex
// Reads every cell back from the screen by matching the cell pictures.
CBoardSeen ReadBoard(const QImage& shot, QPoint board, int scale = 1);
bool IsBall(const CCellSeen& cell);

// The built program with folders of its own and no sound server.
class ProgramTest : public testing::Test, protected CScratchFolder {
protected:
    void SetUp() override { ASSERT_FALSE(m_dir.empty()); }
    void TearDown() override;
    // Starts it, with one more variable if given and these arguments, and
    // focuses its window. Its profile and its recorded games are kept in the
    // scratch folder.
    void Launch(const char* variable = nullptr, const QString& value = {},
                const QStringList& arguments = {});

    QProcess m_program;
    std::string m_window;
};
