// The built program in a real X window under a window manager: started with
// its own config folder, played with real key presses and mouse clicks,
// looked at through screenshots, closed the way a user closes it.
#include "app/settings.h"
#include "engine/collaborators.h"
#include "platform/resources.h"
#include "session.h"
#include "x_session.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kBoardPicture = 132;
constexpr int kStoppedPicture = 183;
constexpr int kRoundCells = 400; // + 4 × colour + state

QString g_shots; // where the screenshots are kept for a look

QImage Shot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

QImage Picture(int id) {
    return LoadPicture(id).convertToFormat(QImage::Format_RGB32);
}

bool SameAt(const QImage& shot, const QImage& picture, int x, int y, int px, int py) {
    return shot.pixel(x + px, y + py) == picture.pixel(px, py);
}

// The top-left corner where picture shows whole along its four edges, or
// (-1, -1).
QPoint Find(const QImage& shot, int pictureId) {
    const QImage picture = Picture(pictureId);
    const int w = picture.width(), h = picture.height();
    for (int y = 0; y + h <= shot.height(); ++y) {
        for (int x = 0; x + w <= shot.width(); ++x) {
            if (!SameAt(shot, picture, x, y, 0, 0)) continue;
            bool whole = true;
            for (int i = 0; i < w && whole; ++i)
                whole = SameAt(shot, picture, x, y, i, 0) && SameAt(shot, picture, x, y, i, h - 1);
            for (int j = 0; j < h && whole; ++j)
                whole = SameAt(shot, picture, x, y, 0, j) && SameAt(shot, picture, x, y, w - 1, j);
            if (whole) return {x, y};
        }
    }
    return {-1, -1};
}

QPoint CellCorner(QPoint board, int col, int row) {
    return board + QPoint(10 + 37 * col, 6 + 35 * row);
}

struct CCellSeen {
    int colour = -1; // -1: no cell picture there
    int state = -1;
    bool operator==(const CCellSeen&) const = default;
};
using CBoardSeen = std::array<CCellSeen, 81>; // 9 × column + row

// Reads every cell back from the screen by matching the cell pictures.
CBoardSeen ReadBoard(const QImage& shot, QPoint board) {
    CBoardSeen seen;
    for (int i = 0; i < 81; ++i) {
        const QImage cell = shot.copy(QRect(CellCorner(board, i / 9, i % 9), QSize(32, 32)));
        for (int k = 0; k < 32 && seen[i].colour < 0; ++k) // k = 4 × colour + state
            if (Picture(kRoundCells + k) == cell) seen[i] = {k / 4, k % 4};
    }
    return seen;
}

bool IsBall(const CCellSeen& c) {
    return c.colour > 0 && c.state != Preview;
}
int Balls(const CBoardSeen& board) {
    return static_cast<int>(std::count_if(board.begin(), board.end(), IsBall));
}
int Announced(const CBoardSeen& board) {
    return static_cast<int>(std::count_if(board.begin(), board.end(), [](const CCellSeen& c) {
        return c.colour > 0 && c.state == Preview;
    }));
}

// Polls the screen until check accepts a screenshot; the last one is returned,
// and kept under name for a look.
QImage WaitForShot(const char* name, const std::function<bool(const QImage&)>& check,
                   int ms = 5000) {
    QImage shot;
    (void)QTest::qWaitFor([&] { return check(shot = Shot()); }, ms);
    shot.save(QDir(g_shots).filePath(QLatin1String(name)));
    return shot;
}
bool Stopped(const QImage& shot) {
    return Find(shot, kStoppedPicture).x() >= 0;
}

void Xdo(const std::string& args) {
    int code = 0;
    RunCommand("xdotool " + args, &code);
    EXPECT_EQ(code, 0) << "xdotool " << args;
}

void ClickCell(QPoint board, int col, int row) {
    const QPoint centre = CellCorner(board, col, row) + QPoint(16, 16);
    Xdo("mousemove --sync " + std::to_string(centre.x()) + " " + std::to_string(centre.y()) +
        " click 1");
}

class RealWindowTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_config.isValid()); }
    void TearDown() override {
        m_program.kill();
        m_program.waitForFinished(3000);
    }

    QString Profile() const { return m_config.filePath(QStringLiteral("marbix.INI")); }
    QString ProfileText() const {
        QFile file(Profile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // Starts the program and waits for its window, which gets the focus.
    void Launch() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("PULSE_SERVER"),
                   QStringLiteral("unix:/nonexistent/marbix-no-sound-server"));
        m_program.setProcessEnvironment(env);
        m_program.start(QStringLiteral(MARBIX_EXECUTABLE), {});
        ASSERT_TRUE(m_program.waitForStarted(5000));
        m_window = RunCommand("xdotool search --sync --onlyvisible --name '^Marbix forever'");
        while (!m_window.empty() && m_window.back() == '\n') m_window.pop_back();
        ASSERT_FALSE(m_window.empty());
        Xdo("windowactivate --sync " + m_window);
    }

    // Closes the window through the window manager's close key.
    void CloseAsAUser() {
        Xdo("key --clearmodifiers alt+F4");
        ASSERT_TRUE(m_program.waitForFinished(5000));
        EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(m_program.exitCode(), 0);
    }

    QTemporaryDir m_config;
    QProcess m_program;
    std::string m_window;
};

} // namespace

TEST_F(RealWindowTest, FirstStartPlayAndClose) {
    Launch();
    // First start: maximised, the board in its stopped look.
    const QImage started = WaitForShot("1-started.png", Stopped);
    const QPoint stopped = Find(started, kStoppedPicture);
    ASSERT_GE(stopped.x(), 0);
    EXPECT_NE(RunCommand("xprop -id " + m_window + " _NET_WM_STATE").find("MAXIMIZED_HORZ"),
              std::string::npos);

    // F2: balls and three announced ones on the playing board.
    Xdo("key F2");
    QPoint board(-1, -1);
    const QImage playing = WaitForShot("2-playing.png", [&](const QImage& s) {
        board = Find(s, kBoardPicture);
        return board.x() >= 0 && Balls(ReadBoard(s, board)) > 0;
    });
    ASSERT_GE(board.x(), 0);
    const CBoardSeen before = ReadBoard(playing, board);
    EXPECT_EQ(std::count(before.begin(), before.end(), CCellSeen{}), 0); // every cell read
    EXPECT_EQ(Announced(before), 3);
    EXPECT_GE(Balls(before), 3);

    // A ball and an empty cell beside it, clicked.
    int fromCol = -1, fromRow = -1, toCol = -1, toRow = -1;
    for (int i = 0; i < 81 && toCol < 0; ++i) {
        if (!IsBall(before[i])) continue;
        const int col = i / 9, row = i % 9;
        for (auto [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int c = col + dc, r = row + dr;
            if (c < 0 || c > 8 || r < 0 || r > 8 || before[9 * c + r].colour != 0) continue;
            fromCol = col, fromRow = row, toCol = c, toRow = r;
            break;
        }
    }
    ASSERT_GE(toCol, 0);
    const int colour = before[9 * fromCol + fromRow].colour;
    ClickCell(board, fromCol, fromRow);
    ClickCell(board, toCol, toRow);
    const QImage moved = WaitForShot("3-moved.png", [&](const QImage& s) {
        return ReadBoard(s, board)[9 * toCol + toRow] == CCellSeen{colour, Normal};
    });
    const CBoardSeen after = ReadBoard(moved, board);
    EXPECT_EQ(after[9 * toCol + toRow], (CCellSeen{colour, Normal}));
    EXPECT_FALSE(IsBall(after[9 * fromCol + fromRow]));
    EXPECT_EQ(Announced(after), 3);

    // Backspace takes the move back, announced balls and all.
    Xdo("key BackSpace");
    const QImage undone =
        WaitForShot("4-undone.png", [&](const QImage& s) { return ReadBoard(s, board) == before; });
    EXPECT_TRUE(ReadBoard(undone, board) == before);

    // The Game menu by its access key; Stop is its first enabled item.
    Xdo("key alt+g");
    EXPECT_NE(WaitForShot(
                  "5-menu.png", [&](const QImage& s) { return s != undone; }, 2000),
              undone);
    Xdo("key Down Return");
    const QImage stoppedAgain = WaitForShot("6-stopped.png", Stopped);
    EXPECT_EQ(Find(stoppedAgain, kStoppedPicture), stopped);

    CloseAsAUser();
    // Closed maximised: the default rectangle and the maximised state.
    EXPECT_EQ(ProfileText(), QStringLiteral("[WINDOW]\nX=0\nY=0\nWIDTH=500\nHEIGHT=500\nSTATE=1\n"
                                            "[SETTINGS]\nCLASSICAL=0\nSOUND_ON=1\nSAVE_ON_EXIT=1\n"
                                            "ROUND_BALLS=1\n"));
}

// The headless driver's board after Start from seed and the given clicks.
CBoardSeen DriverBoard(int seed, std::initializer_list<int> clicks) {
    std::ostringstream out;
    CHeadlessSession session(out);
    session.Execute({CScriptCommand::Seed, seed, {}});
    session.Execute({CScriptCommand::Start, 0, {}});
    for (int k : clicks) session.Execute({CScriptCommand::Click, k, {}});
    CBoardSeen board;
    for (int i = 0; i < 81; ++i) {
        const CCell& cell = *session.Game().Field().Cell(IndexCol(i), IndexRow(i));
        board[i] = {cell.m_colour, cell.m_state};
    }
    return board;
}

int CellId(int col, int row) {
    return 10000 + 9 * row + col;
}

// The board as read, with the one cell under the keyboard cursor's frame
// (which matches no picture) filled in from expected.
CBoardSeen WithCursorAt(CBoardSeen seen, const CBoardSeen& expected, int col, int row) {
    if (seen[9 * col + row] != CCellSeen{}) return {}; // no frame there
    seen[9 * col + row] = expected[9 * col + row];
    return seen;
}

std::string Keys(const char* key, int times) {
    std::string keys;
    for (int i = 0; i < times; ++i) keys += std::string(" ") + key;
    return keys;
}

TEST_F(RealWindowTest, AWholeMoveFromTheKeyboard) {
    const long long launched = std::time(nullptr);
    Launch();
    const long long shown = std::time(nullptr);
    WaitForShot("k1-started.png", Stopped);
    Xdo("key F2");
    QPoint board(-1, -1);
    const QImage playing = WaitForShot("k2-playing.png", [&](const QImage& s) {
        board = Find(s, kBoardPicture);
        return board.x() >= 0 && Balls(ReadBoard(s, board)) > 0;
    });
    ASSERT_GE(board.x(), 0);
    // The dealing seed is the clock's second when the window was made.
    const CBoardSeen dealt = ReadBoard(playing, board);
    int seed = -1;
    for (long long s = launched; s <= shown && seed < 0; ++s)
        if (DriverBoard(static_cast<int>(s), {}) == dealt) seed = static_cast<int>(s);
    ASSERT_GE(seed, 0) << "no seed deals the board on screen";

    // The first arrow shows the cursor on the centre cell; from the top-left
    // corner it walks to a ball, which Return selects, then to a free cell
    // where Space moves the ball.
    Xdo("key Up");
    const QImage centre = WaitForShot("k3-cursor.png", [&](const QImage& s) {
        return WithCursorAt(ReadBoard(s, board), dealt, 4, 4) == dealt;
    });
    EXPECT_TRUE(WithCursorAt(ReadBoard(centre, board), dealt, 4, 4) == dealt);
    int from = -1, to = -1;
    for (int i = 0; i < 81 && (from < 0 || to < 0); ++i) {
        if (from < 0 && IsBall(dealt[i])) from = i;
        if (to < 0 && dealt[i].colour == 0) to = i;
    }
    const CBoardSeen expected =
        DriverBoard(seed, {CellId(from / 9, from % 9), CellId(to / 9, to % 9)});
    ASSERT_NE(expected, dealt);
    Xdo("key" + Keys("Left", 9) + Keys("Up", 9) + Keys("Right", from / 9) + Keys("Down", from % 9) +
        " Return" + Keys("Left", 9) + Keys("Up", 9) + Keys("Right", to / 9) + Keys("Down", to % 9) +
        " space");
    const QImage moved = WaitForShot("k4-moved.png", [&](const QImage& s) {
        return WithCursorAt(ReadBoard(s, board), expected, to / 9, to % 9) == expected;
    });
    EXPECT_TRUE(WithCursorAt(ReadBoard(moved, board), expected, to / 9, to % 9) == expected);

    // The mouse in use hides the frame; the next arrow shows it where it was.
    const QPoint away = CellCorner(board, 0, 0) - QPoint(5, 5);
    Xdo("mousemove --sync " + std::to_string(away.x()) + " " + std::to_string(away.y()));
    const QImage plain = WaitForShot(
        "k5-mouse.png", [&](const QImage& s) { return ReadBoard(s, board) == expected; });
    EXPECT_TRUE(ReadBoard(plain, board) == expected);
    // Tab goes to the hall of fame and back; the board's keys work again.
    Xdo("key Tab Tab Down");
    const QImage back = WaitForShot("k6-back.png", [&](const QImage& s) {
        return WithCursorAt(ReadBoard(s, board), expected, to / 9, to % 9) == expected;
    });
    EXPECT_TRUE(WithCursorAt(ReadBoard(back, board), expected, to / 9, to % 9) == expected);
}

TEST_F(RealWindowTest, NormalWindowKeepsItsFramePlacement) {
    const QByteArray placement = "[WINDOW]\nX=120\nY=80\nWIDTH=760\nHEIGHT=600\nSTATE=0\n";
    {
        QFile file(Profile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(placement) == placement.size());
    }
    Launch();
    const QImage shot = WaitForShot("7-normal.png", Stopped);
    EXPECT_EQ(RunCommand("xprop -id " + m_window + " _NET_WM_STATE").find("MAXIMIZED"),
              std::string::npos);
    // The window manager's frame starts at the saved corner.
    EXPECT_NE(shot.pixel(121, 81), shot.pixel(119, 79)); // the frame against the black root
    CloseAsAUser();
    EXPECT_EQ(ProfileText().toUtf8(),
              placement + "[SETTINGS]\nCLASSICAL=0\nSOUND_ON=1\nSAVE_ON_EXIT=1\nROUND_BALLS=1\n");
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    CXSession session;
    std::string error;
    if (!session.Start(kScreenWidth, kScreenHeight, error)) {
        fprintf(stderr, "real_window_test: %s\n", error.c_str());
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    g_roundBalls = 1;
    QTemporaryDir shots(QDir::temp().filePath(QStringLiteral("marbix-x11-shots-XXXXXX")));
    shots.setAutoRemove(qEnvironmentVariableIsEmpty("MARBIX_KEEP_SHOTS"));
    g_shots = shots.path();
    const int result = RUN_ALL_TESTS();
    if (!shots.autoRemove()) fprintf(stderr, "screenshots in %s\n", qPrintable(g_shots));
    return result;
}
