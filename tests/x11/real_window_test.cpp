// The built program in a real X window under a window manager: started with
// its own config folder, played with real key presses and mouse clicks,
// looked at through screenshots, closed the way a user closes it.
#include "engine/identifiers.h"
#include "engine/settings.h"
#include "platform/resources.h"
#include "score/hiscore_list.h"
#include "score/name_dlg_window.h"
#include "session.h"
#include "x_session.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <array>
#include <ctime>
#include <sstream>

namespace {

using namespace PictureId;

QImage Picture(int id) {
    return LoadPicture(id).convertToFormat(QImage::Format_RGB32);
}
QPoint Find(const QImage& shot, int id) {
    return ::Find(shot, Picture(id));
}
// Whether the board at `at` shows picture id whole, every pixel of it.
bool ShowsWhole(const QImage& shot, QPoint at, int id) {
    return at.x() >= 0 && shot.copy(QRect(at, QSize(347, 325))) == Picture(id);
}
// Whether the row of 347 pixels at (x, y) is a row of the tiles around the
// board, tiled from x.
bool TileRow(const QImage& shot, int x, int y) {
    const QImage tile = Picture(kTile);
    for (int row = 0; row < tile.height(); ++row) {
        int i = 0;
        while (i < 347 && shot.pixel(x + i, y) == tile.pixel(i % tile.width(), row)) ++i;
        if (i == 347) return true;
    }
    return false;
}

QPoint CellCorner(QPoint board, int i) {
    return board + QPoint(10 + 37 * IndexCol(i), 6 + 35 * IndexRow(i));
}

struct CCellSeen {
    int colour = -1; // -1: no cell picture there
    int state = -1;
    bool operator==(const CCellSeen&) const = default;
};
using CBoardSeen = std::array<CCellSeen, 81>; // by CellIndex

// Reads every cell back from the screen by matching the cell pictures.
CBoardSeen ReadBoard(const QImage& shot, QPoint board) {
    CBoardSeen seen;
    for (int i = 0; i < 81; ++i) {
        const QImage cell = shot.copy(QRect(CellCorner(board, i), QSize(32, 32)));
        for (int k = 0; k < 32 && seen[i].colour < 0; ++k) // k = 4 × colour + state
            if (Picture(Cell(k / 4, k % 4, true)) == cell) seen[i] = {k / 4, k % 4};
    }
    return seen;
}
bool IsBall(const CCellSeen& c) {
    return c.colour > 0 && c.state != Preview;
}

// The headless driver's board after these commands.
CBoardSeen DriverBoard(std::initializer_list<CScriptCommand> commands) {
    std::ostringstream out;
    CHeadlessSession session(out);
    for (const CScriptCommand& command : commands) session.Execute(command);
    CBoardSeen board;
    for (int i = 0; i < 81; ++i) {
        const CCell& cell = *session.Game().Field().Cell(IndexCol(i), IndexRow(i));
        board[i] = {cell.m_colour, cell.m_state};
    }
    return board;
}
CScriptCommand CellClick(int i) {
    return {CScriptCommand::Click, CellCommandId(IndexCol(i), IndexRow(i)), {}};
}

// Whether the screen shows the expected board, the keyboard cursor's frame
// (which matches no picture) on cell `cursor` or on none.
bool Shows(const QImage& shot, QPoint board, const CBoardSeen& expected, int cursor = -1) {
    CBoardSeen seen = ReadBoard(shot, board);
    if (cursor >= 0 && seen[cursor] != CCellSeen{}) return false; // no frame there
    if (cursor >= 0) seen[cursor] = expected[cursor];
    return seen == expected;
}

std::string At(QPoint p) {
    return " " + std::to_string(p.x()) + " " + std::to_string(p.y());
}
void Xdo(const std::string& args) {
    int code = 0;
    RunCommand("xdotool " + args, &code);
    EXPECT_EQ(code, 0) << "xdotool " << args;
}
void Click(QPoint at) {
    // No --sync: it would wait for ever when the pointer is there already.
    Xdo("mousemove" + At(at) + " sleep 0.05 click 1");
}
// The keys that walk the cursor from the top-left corner to cell i.
std::string WalkTo(int i) {
    std::string keys;
    for (int k = 0; k < 9; ++k) keys += " Left Up";
    for (int k = 0; k < IndexCol(i); ++k) keys += " Right";
    for (int k = 0; k < IndexRow(i); ++k) keys += " Down";
    return keys;
}

// The centre of the toolbar button of command image k (0 Start … 4 Pause),
// found on the screen as drawn when enabled; (-1, -1) when it is not there.
QPoint ToolButton(const QImage& shot, int k) {
    const QImage face = Picture(kToolbar).copy(81 * k, 0, 81, 29);
    for (int y = 0; y + 29 <= shot.height() / 4; ++y)
        for (int x = 0; x + 81 <= shot.width(); ++x)
            if (shot.pixel(x + 14, y + 14) == face.pixel(14, 14) && shot.copy(x, y, 81, 29) == face)
                return {x + 40, y + 14};
    return {-1, -1};
}

std::string WindowNamed(const std::string& name) {
    return Trimmed(RunCommand("xdotool search --onlyvisible --name '" + name + "'"));
}
bool Viewable(const std::string& window) {
    return RunCommand("xwininfo -id " + window).find("IsViewable") != std::string::npos;
}
std::string Property(const std::string& window, const std::string& name) {
    return RunCommand("xprop -id " + window + " " + name);
}
// The outer frame of a window: its client rectangle widened by the frame
// extents the window manager reports.
QRect Frame(const std::string& window) {
    int x = 0, y = 0, w = 0, h = 0, l = 0, r = 0, t = 0, b = 0;
    const std::string info = RunCommand("xwininfo -id " + window);
    const auto read = [&](const char* key, int* value) {
        std::sscanf(info.c_str() + info.find(key), (key + std::string(" %d")).c_str(), value);
    };
    read("Absolute upper-left X:", &x), read("Absolute upper-left Y:", &y);
    read("Width:", &w), read("Height:", &h);
    const std::string extents = Property(window, "_NET_FRAME_EXTENTS");
    std::sscanf(extents.c_str() + extents.find('='), "= %d, %d, %d, %d", &l, &r, &t, &b);
    return QRect(x - l, y - t, w + l + r, h + t + b);
}

// What the dialog asked of the window manager: no minimise, no maximise, the
// close box only where wanted; and, fixed in size, it cannot be maximised.
void ExpectDialogHints(const std::string& box, bool closeBox) {
    unsigned flags = 0, functions = 0;
    const std::string hints = Property(box, "_MOTIF_WM_HINTS");
    ASSERT_EQ(std::sscanf(hints.c_str() + hints.find('='), "= %x, %x", &flags, &functions), 2)
        << hints;
    EXPECT_TRUE(flags & 1) << hints; // the functions are given
    EXPECT_EQ(functions & (0x8 | 0x10 | 0x20), closeBox ? 0x20u : 0u) << hints;
    const std::string allowed = Property(box, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_EQ(allowed.find("MAXIMIZE"), std::string::npos) << allowed;
}

// Minimised from its title bar by the player, a dialog comes back with the
// game, whichever windows the window manager minimised.
void ExpectComesBackMinimised(const std::string& box, const std::string& game) {
    Xdo("mousemove --sync" + At(Frame(box).topLeft() + QPoint(40, 5)) + " windowminimize " + box);
    QTest::qWait(300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Viewable(box) && Viewable(game); }, 3000))
        << "minimised, the dialog left the game hidden";
}

// Presses Enter in the box until it is gone.
void CloseBox(const std::string& box) {
    for (int i = 0; i < 3 && Viewable(box); ++i) {
        Xdo("windowactivate " + box);
        (void)QTest::qWaitFor([&] { return Trimmed(RunCommand("xdotool getactivewindow")) == box; },
                              1000);
        Xdo("key Return");
        (void)QTest::qWaitFor([&] { return !Viewable(box); }, 1000);
    }
    EXPECT_FALSE(Viewable(box));
}

class RealWindowTest : public ProgramTest {
protected:
    QString ProfileText() const {
        QFile file(m_config.filePath(QStringLiteral("marbix.INI")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void WriteProfile(const QByteArray& text) {
        QFile file(m_config.filePath(QStringLiteral("marbix.INI")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }

    // A second of the game's clocks lasts secondMs.
    void Launch(int secondMs = 1000) {
        QProcessEnvironment env;
        env.insert(QStringLiteral("MARBIX_TEST_SECOND_MS"), QString::number(secondMs));
        ProgramTest::Launch(env);
    }

    // F2, and the board once it is dealt and drawn, with the toolbar's
    // buttons of a game (k = 1 Stop … 4 Pause).
    QImage StartGame(const char* name, QPoint& board) {
        Xdo("key F2");
        CBoardSeen last{};
        return WaitForShot(name, [&](const QImage& s) {
            board = Find(s, kBoard);
            const CBoardSeen seen = ReadBoard(s, board);
            const bool settled = seen == last;
            last = seen;
            return board.x() >= 0 && std::count_if(seen.begin(), seen.end(), IsBall) > 0 &&
                   ToolButton(s, 4).x() >= 0 && settled;
        });
    }

    // Waits for the screen to show the expected board; the shot is kept
    // under name.
    void ExpectShown(const char* name, QPoint board, const CBoardSeen& expected, int cursor = -1) {
        const auto shows = [&](const QImage& s) { return Shows(s, board, expected, cursor); };
        EXPECT_TRUE(shows(WaitForShot(name, shows))) << name;
    }

    // Closes the window through the window manager's close key.
    void CloseAsAUser() {
        Xdo("windowactivate --sync " + m_window);
        Xdo("key --clearmodifiers alt+F4");
        ASSERT_TRUE(m_program.waitForFinished(5000));
        EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(m_program.exitCode(), 0);
    }

    bool Maximised() const {
        return Property(m_window, "_NET_WM_STATE").find("MAXIMIZED_HORZ") != std::string::npos;
    }

    // Waits for a box of the given caption; moved, it leaves the board free.
    std::string OpenedBox(const std::string& caption, bool move = false) {
        std::string box;
        (void)QTest::qWaitFor([&] { return !(box = WindowNamed(caption)).empty(); }, 5000);
        EXPECT_FALSE(box.empty()) << caption;
        if (move && !box.empty()) Xdo("windowmove --sync " + box + " 600 560");
        return box;
    }
};

} // namespace

TEST_F(RealWindowTest, APlayerMovesByKeysAndMouseUndoesStopsAndCloses) {
    const long long launched = std::time(nullptr);
    Launch();
    const long long shown = std::time(nullptr);
    // First start: maximised, the board in its stopped look; About comes and
    // goes.
    QImage shot = WaitForShot("1-started.png", [](const QImage& s) {
        return ShowsWhole(s, Find(s, kBoardStopped), kBoardStopped);
    });
    EXPECT_TRUE(ShowsWhole(shot, Find(shot, kBoardStopped), kBoardStopped));
    EXPECT_TRUE(Maximised());
    Xdo("key F1");
    const std::string about = OpenedBox("About Marbix");
    ExpectDialogHints(about, true);
    ExpectComesBackMinimised(about, m_window);
    CloseBox(about);

    // The dealing seed is the clock's second when the window was made; the
    // board is read until one of those seconds deals it.
    QPoint board = Find(shot, kBoardStopped);
    Xdo("mousemove" + At(CellCorner(board, 40)));
    const QImage playing = StartGame("2-playing.png", board);
    int seed = -1;
    const CBoardSeen dealt = ReadBoard(playing, board);
    for (long long t = launched; t <= shown && seed < 0; ++t)
        if (DriverBoard({{CScriptCommand::Seed, t, {}}, {CScriptCommand::Start, 0, {}}}) == dealt)
            seed = static_cast<int>(t);
    ASSERT_GE(seed, 0) << "no seed deals the board on screen";
    const QPoint stop = ToolButton(playing, 1);

    // The first arrow shows the cursor on the centre cell; from the top-left
    // corner it walks to a ball, which Return selects, then to a free cell
    // where Space moves the ball.
    Xdo("key Up");
    ExpectShown("3-cursor.png", board, dealt, CellIndex(4, 4));
    int from = -1, to = -1;
    for (int i = 0; i < 81 && (from < 0 || to < 0); ++i) {
        if (from < 0 && IsBall(dealt[i])) from = i;
        if (to < 0 && dealt[i].colour == 0) to = i;
    }
    const CBoardSeen keyed = DriverBoard({{CScriptCommand::Seed, seed, {}},
                                          {CScriptCommand::Start, 0, {}},
                                          CellClick(from),
                                          CellClick(to)});
    ASSERT_NE(keyed, dealt);
    Xdo("key" + WalkTo(from) + " Return" + WalkTo(to) + " space");
    ExpectShown("4-keyed.png", board, keyed, to);
    // The mouse in use hides the frame; Tab goes to the hall of fame and
    // back, and the next arrow shows the frame where it was. Backspace takes
    // the move back.
    Xdo("mousemove --sync" + At(CellCorner(board, 0) - QPoint(5, 5)));
    ExpectShown("5-mouse.png", board, keyed);
    Xdo("key Tab Tab Down");
    ExpectShown("6-back.png", board, keyed, to);
    Xdo("key BackSpace");
    ExpectShown("7-undone.png", board, dealt, to);

    // A ball with a free neighbour, clicked and moved there with the mouse.
    int ball = -1, space = -1;
    for (int i = 0; i < 81; ++i)
        for (int j : {i - 9, i + 9, i - 1, i + 1})
            if (space < 0 && IsBall(dealt[i]) && j >= 0 && j < 81 && dealt[j].colour == 0 &&
                (IndexCol(j) == IndexCol(i) || IndexRow(j) == IndexRow(i)))
                ball = i, space = j;
    ASSERT_GE(space, 0);
    const CBoardSeen clicked = DriverBoard({{CScriptCommand::Seed, seed, {}},
                                            {CScriptCommand::Start, 0, {}},
                                            CellClick(from),
                                            CellClick(to),
                                            {CScriptCommand::Undo, 0, {}},
                                            CellClick(ball),
                                            CellClick(space)});
    Click(CellCorner(board, ball) + QPoint(16, 16));
    Click(CellCorner(board, space) + QPoint(16, 16));
    ExpectShown("8-clicked.png", board, clicked);

    Xdo("key F3");
    EXPECT_TRUE(ShowsWhole(
        WaitForShot("9-stopped.png",
                    [&](const QImage& s) { return ShowsWhole(s, board, kBoardStopped); }),
        board, kBoardStopped));

    // How to play, clicked in the Help menu where it lies over the disabled
    // Stop button; once the box is gone, the button and the status bar follow
    // the pointer to the board.
    Xdo("key alt+h sleep 0.2");
    Click(stop - QPoint(0, 10));
    ExpectDialogHints(OpenedBox("How to play Marbix"), true);
    WaitForShot(
        "10-how-to-play.png", [](const QImage&) { return false; }, 300);
    Xdo("key Escape");
    (void)QTest::qWaitFor([] { return WindowNamed("How to play Marbix").empty(); }, 3000);
    Xdo("mousemove" + At(CellCorner(board, 40)) + " sleep 0.1 key F2");
    const QRect button(stop - QPoint(45, 19), QSize(91, 39)), prompt(0, 768 - 22, 300, 22);
    const QImage calm = WaitForShot("11-after-box.png", [&](const QImage& s) {
        return s.copy(button) == playing.copy(button) && s.copy(prompt) == playing.copy(prompt);
    });
    EXPECT_EQ(calm.copy(button), playing.copy(button));
    EXPECT_EQ(calm.copy(prompt), playing.copy(prompt));

    CloseAsAUser();
    // Closed maximised: the default rectangle and the maximised state.
    EXPECT_EQ(ProfileText(), QStringLiteral("[WINDOW]\nX=0\nY=0\nWIDTH=500\nHEIGHT=500\nSTATE=1\n"
                                            "[SETTINGS]\nCLASSICAL=0\nSOUND_ON=1\nSAVE_ON_EXIT=1\n"
                                            "ROUND_BALLS=1\n"));
}

// The clocks run faster here, so the pause box stays open for more than a
// move's 30 seconds; slow enough that a loaded machine still reads the board
// within the move's time before and after the box.
TEST_F(RealWindowTest, PauseHoldsTheClockThroughAMinimiseAndAGameEndsStopped) {
    constexpr int kSecondMs = 300;
    WriteProfile("[HISCORES]\nPLAYER0=Ace\nSCORE0=12345\n");
    Launch(kSecondMs);
    QPoint board;
    const QImage playing = StartGame("20-playing.png", board);
    const CBoardSeen before = ReadBoard(playing, board);
    Click(ToolButton(playing, 4));
    const std::string box = OpenedBox("Marbix - paused", true);
    QElapsedTimer open;
    open.start();
    ExpectDialogHints(box, true);
    ExpectComesBackMinimised(box, m_window);
    // The player minimises the game: the box goes along until the game's
    // window is brought back.
    Xdo("mousemove 5 300 windowminimize --sync " + m_window);
    QTest::qWait(300);
    EXPECT_FALSE(Viewable(box));
    Xdo("windowactivate " + m_window); // the box, not the window, takes the focus
    EXPECT_TRUE(QTest::qWaitFor([&] { return Viewable(m_window) && Viewable(box); }, 3000));
    QTest::qWait(static_cast<int>(31 * kSecondMs + 500 - open.elapsed()));
    EXPECT_TRUE(ShowsWhole(WaitForShot("21-paused-long.png", [](const QImage&) { return true; }),
                           board, kBoardPaused));
    CloseBox(box);
    const QImage resumed = WaitForShot("22-resumed.png", [&](const QImage& s) {
        return Find(s, kBoard) == board && !ShowsWhole(s, board, kBoardPaused);
    });
    EXPECT_TRUE(ReadBoard(resumed, board) == before) << "the move ran out behind the box";

    // Skip until the board is full; a name dialog is answered with Escape.
    QImage shot = resumed;
    for (int i = 0; i < 80 && !ShowsWhole(shot, board, kBoardStopped); ++i) {
        if (!WindowNamed("Marbix registration").empty())
            Xdo("key Escape");
        else if (const QPoint skip = ToolButton(shot, 3); skip.x() >= 0)
            Click(skip);
        QTest::qWait(60);
        shot = Shot();
    }
    EXPECT_TRUE(ShowsWhole(
        WaitForShot("23-game-over.png",
                    [&](const QImage& s) { return ShowsWhole(s, board, kBoardStopped); }),
        board, kBoardStopped));
}

// Maximised at the first start, restored by the title bar, closed: the frame
// is where it was, with its title bar on the screen, and the board fits it.
TEST_F(RealWindowTest, PlacementAfterMaximiseRestoreAndClose) {
    Launch();
    ASSERT_TRUE(Maximised());
    Xdo("mousemove --sync 300 8 click --repeat 2 --delay 80 1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Maximised(); }, 3000));
    QRect frame;
    const auto fits = [&](const QImage& s) {
        const QPoint b = Find(s, kBoardStopped);
        return b.x() >= 0 && !TileRow(s, b.x(), b.y() - 1) && !TileRow(s, b.x(), b.y() + 325);
    };
    const QImage restored = WaitForShot("30-restored.png", [&](const QImage& s) {
        frame = Frame(m_window);
        return frame.topLeft() == QPoint(0, 0) && fits(s);
    });
    EXPECT_EQ(frame.topLeft(), QPoint(0, 0));
    EXPECT_TRUE(fits(restored)) << "bands of tiles above and below the board";
    CloseAsAUser();
    EXPECT_TRUE(ProfileText().startsWith(
        QStringLiteral("[WINDOW]\nX=0\nY=0\nWIDTH=%1\nHEIGHT=%2\nSTATE=0\n")
            .arg(frame.width())
            .arg(frame.height())))
        << ProfileText().toStdString();

    Launch();
    EXPECT_FALSE(Maximised());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame(m_window) == frame; }, 3000))
        << Frame(m_window).x() << "," << Frame(m_window).y();
    CloseAsAUser();
}

// The name dialog of the program, over a window of this test.
TEST_F(RealWindowTest, NameDialogHasACaptionAloneAndComesBackMinimised) {
    QWidget game;
    game.resize(400, 300);
    game.show();
    CHiscoreList list;
    CNameDlgWindow window(&game);
    CNameDlg dialog(&list, &window);
    QTimer::singleShot(0, [&] {
        const std::string shown = OpenedBox("Marbix registration");
        ASSERT_FALSE(shown.empty());
        ExpectDialogHints(shown, false);
        WaitForShot(
            "40-name-dialog.png", [](const QImage&) { return false; }, 300);
        QDialog* current = window.Current();
        ASSERT_TRUE(current);
        for (QLabel* label : current->findChildren<QLabel*>())
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width())
                << label->text().toStdString();
        ExpectComesBackMinimised(shown, std::to_string(game.winId()));
        current->reject();
    });
    EXPECT_EQ(dialog.DoModal(), CNameDlg::IDCANCEL);
}

// The lowest row of the hall of fame's list, white across its inside: found
// above the panel's picture, whose middle shows whole.
QRect ListFloor(const QImage& shot) {
    const QPoint below = ::Find(shot, Picture(kDecoration).copy(0, 30, 144, 20));
    const auto white = [&](int x, int y) {
        return shot.valid(x, y) && shot.pixel(x, y) == qRgb(255, 255, 255);
    };
    int x = below.x() + 72, y = below.y() - 30;
    while (y > below.y() - 80 && !white(x, y)) --y;
    if (below.x() < 0 || !white(x, y)) return {};
    int left = x, right = x;
    while (white(left - 1, y)) --left;
    while (white(right, y)) ++right;
    return QRect(left, y, right - left, 1);
}

// Lines alike but for their places and last digits differ at the right, so
// that digit shows; and no line runs into the list's right edge.
TEST_F(RealWindowTest, EveryLineOfTheHallOfFameShowsWhole) {
    WriteProfile("[HISCORES]\nPLAYER0=Ace\nSCORE0=2147483647\nPLAYER1=Ace\nSCORE1=2147483640\n"
                 "PLAYER2=Bo\nSCORE2=1234567\nPLAYER3=Bo\nSCORE3=1234560\n");
    Launch();
    QRect floor;
    const QImage shot = WaitForShot(
        "50-hall-of-fame.png", [&](const QImage& s) { return (floor = ListFloor(s)).isValid(); });
    ASSERT_TRUE(floor.isValid());
    std::vector<std::vector<std::string>> lines; // each line's rows of ink, from the top
    for (int y = floor.top(), inked = 0; y > floor.top() - 150; --y) {
        std::string ink;
        for (int x = floor.left(); x <= floor.right(); ++x)
            ink += qGray(shot.pixel(x, y)) < 128 ? '#' : '.';
        const bool any = ink.find('#') != std::string::npos;
        if (!any && lines.size() == 4) break;
        if (any && !inked) lines.insert(lines.begin(), std::vector<std::string>());
        if (any) lines.front().insert(lines.front().begin(), ink.substr(ink.size() / 3));
        inked = any;
        EXPECT_TRUE(ink.ends_with("..")) << "a line runs into the list's edge: " << ink;
    }
    ASSERT_EQ(lines.size(), 4u);
    for (int k : {0, 2}) EXPECT_NE(lines[k], lines[k + 1]) << "line " << k + 1 << " is cut";
}

int main(int argc, char** argv) {
    g_roundBalls = 1;
    return RunOnXSession(argc, argv, 1024, 768);
}
