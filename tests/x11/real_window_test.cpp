// The built program in a real X window under a window manager: started with
// its own config folder, played with real key presses and mouse clicks,
// looked at through screenshots, closed the way a user closes it.
#include "engine/collaborators.h"
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

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
using namespace PictureId;
constexpr int kBoardPicture = kBoard, kPausedPicture = kBoardPaused,
              kStoppedPicture = kBoardStopped;

QImage Picture(int id) {
    return LoadPicture(id).convertToFormat(QImage::Format_RGB32);
}

QPoint Find(const QImage& shot, int pictureId) {
    return ::Find(shot, Picture(pictureId));
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

QPoint CellCorner(QPoint board, int col, int row) {
    return board + QPoint(10 + 37 * col, 6 + 35 * row);
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
        const QImage cell =
            shot.copy(QRect(CellCorner(board, IndexCol(i), IndexRow(i)), QSize(32, 32)));
        for (int k = 0; k < 32 && seen[i].colour < 0; ++k) // k = 4 × colour + state
            if (Picture(Cell(k / 4, k % 4, true)) == cell) seen[i] = {k / 4, k % 4};
    }
    return seen;
}

// Whether the board reads as it did in the shot before: not half painted.
struct CSettled {
    CBoardSeen last{};
    bool operator()(const CBoardSeen& now) {
        const bool same = now == last;
        last = now;
        return same;
    }
};

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

void Xdo(const std::string& args) {
    int code = 0;
    RunCommand("xdotool " + args, &code);
    EXPECT_EQ(code, 0) << "xdotool " << args;
}

void Click(QPoint at) {
    // No --sync: it would wait for ever when the pointer is there already.
    Xdo("mousemove " + std::to_string(at.x()) + " " + std::to_string(at.y()) +
        " sleep 0.05 click 1");
}
void ClickCell(QPoint board, int col, int row) {
    Click(CellCorner(board, col, row) + QPoint(16, 16));
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

// A window of the given name, or empty.
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
    QRect client;
    int x = 0, y = 0, w = 0, h = 0, l = 0, r = 0, t = 0, b = 0;
    const std::string info = RunCommand("xwininfo -id " + window);
    std::sscanf(info.c_str() + info.find("Absolute upper-left X:"), "Absolute upper-left X: %d",
                &x);
    std::sscanf(info.c_str() + info.find("Absolute upper-left Y:"), "Absolute upper-left Y: %d",
                &y);
    std::sscanf(info.c_str() + info.find("Width:"), "Width: %d", &w);
    std::sscanf(info.c_str() + info.find("Height:"), "Height: %d", &h);
    const std::string extents = Property(window, "_NET_FRAME_EXTENTS");
    std::sscanf(extents.c_str() + extents.find('='), "= %d, %d, %d, %d", &l, &r, &t, &b);
    return QRect(x - l, y - t, w + l + r, h + t + b);
}

// What the window asked of the window manager: no minimise, no maximise, and
// the close box only where wanted; and what the window manager allows.
void ExpectDialogButtons(const std::string& window, bool closeBox) {
    unsigned flags = 0, functions = 0;
    const std::string hints = Property(window, "_MOTIF_WM_HINTS");
    ASSERT_EQ(std::sscanf(hints.c_str() + hints.find('='), "= %x, %x", &flags, &functions), 2)
        << hints;
    EXPECT_TRUE(flags & 1) << hints; // the functions are given
    EXPECT_EQ(functions & (0x8 | 0x10 | 0x20), closeBox ? 0x20u : 0u) << hints;
    const std::string allowed = Property(window, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_EQ(allowed.find("MAXIMIZE"), std::string::npos) << allowed;
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
    QString Profile() const { return m_config.filePath(QStringLiteral("marbix.INI")); }
    QString ProfileText() const {
        QFile file(Profile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void WriteProfile(const QByteArray& text) {
        QFile file(Profile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }

    // A second of the game's clocks lasts secondMs.
    void Launch(int secondMs = 1000) {
        QProcessEnvironment env;
        if (secondMs != 1000)
            env.insert(QStringLiteral("MARBIX_TEST_SECOND_MS"), QString::number(secondMs));
        ProgramTest::Launch(env);
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

TEST_F(RealWindowTest, FirstStartPlayUndoStopAndClose) {
    Launch();
    // First start: maximised, the board in its stopped look.
    const QImage started = WaitForShot("1-started.png", [](const QImage& s) {
        return ShowsWhole(s, Find(s, kStoppedPicture), kStoppedPicture);
    });
    const QPoint board = Find(started, kStoppedPicture);
    ASSERT_TRUE(ShowsWhole(started, board, kStoppedPicture));
    EXPECT_TRUE(Maximised());

    // F2: balls and three announced ones on the playing board.
    Xdo("key F2");
    CSettled settled;
    const QImage playing = WaitForShot("2-playing.png", [&](const QImage& s) {
        return Find(s, kBoardPicture) == board && Balls(ReadBoard(s, board)) > 0 &&
               ToolButton(s, 1).x() >= 0 && settled(ReadBoard(s, board));
    });
    const CBoardSeen before = ReadBoard(playing, board);
    EXPECT_EQ(std::count(before.begin(), before.end(), CCellSeen{}), 0); // every cell read
    EXPECT_EQ(Announced(before), 3);
    EXPECT_GE(Balls(before), 3);
    const QPoint stop = ToolButton(playing, 1);
    ASSERT_GE(stop.x(), 0);

    // A ball and an empty cell beside it, clicked.
    int fromCol = -1, fromRow = -1, toCol = -1, toRow = -1;
    for (int i = 0; i < 81 && toCol < 0; ++i) {
        if (!IsBall(before[i])) continue;
        const int col = IndexCol(i), row = IndexRow(i);
        for (auto [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int c = col + dc, r = row + dr;
            if (c < 0 || c > 8 || r < 0 || r > 8 || before[CellIndex(c, r)].colour != 0) continue;
            fromCol = col, fromRow = row, toCol = c, toRow = r;
            break;
        }
    }
    ASSERT_GE(toCol, 0);
    const int colour = before[CellIndex(fromCol, fromRow)].colour;
    ClickCell(board, fromCol, fromRow);
    ClickCell(board, toCol, toRow);
    const QImage moved = WaitForShot("3-moved.png", [&](const QImage& s) {
        return ReadBoard(s, board)[CellIndex(toCol, toRow)] == CCellSeen{colour, Normal};
    });
    const CBoardSeen after = ReadBoard(moved, board);
    EXPECT_FALSE(IsBall(after[CellIndex(fromCol, fromRow)]));
    EXPECT_EQ(Announced(after), 3);

    // Backspace takes the move back, announced balls and all.
    Xdo("key BackSpace");
    const QImage undone =
        WaitForShot("4-undone.png", [&](const QImage& s) { return ReadBoard(s, board) == before; });
    EXPECT_TRUE(ReadBoard(undone, board) == before);

    Xdo("windowactivate --sync " + m_window);
    Xdo("key F3");
    EXPECT_TRUE(ShowsWhole(
        WaitForShot("7-stopped.png",
                    [&](const QImage& s) { return ShowsWhole(s, board, kStoppedPicture); }),
        board, kStoppedPicture));

    // How to play, clicked in the Help menu where it lies over the disabled
    // Stop button; once the box is gone, the button and the status bar follow
    // the pointer to the board.
    Xdo("key alt+h sleep 0.2");
    Click(stop - QPoint(0, 10));
    ExpectDialogButtons(OpenedBox("How to play Marbix"), true);
    WaitForShot(
        "8-how-to-play.png", [](const QImage&) { return false; }, 300);
    Xdo("key Escape");
    (void)QTest::qWaitFor([] { return WindowNamed("How to play Marbix").empty(); }, 3000);
    const QPoint cell = CellCorner(board, 4, 4);
    Xdo("mousemove " + std::to_string(cell.x()) + " " + std::to_string(cell.y()) + " sleep 0.1");
    Xdo("key F2");
    const QRect button(stop - QPoint(45, 19), QSize(91, 39));
    const QRect prompt(0, kScreenHeight - 22, 300, 22);
    const QImage calm = WaitForShot("9-after-box.png", [&](const QImage& s) {
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
    Xdo("key F2");
    QPoint board;
    CSettled settled;
    const QImage playing = WaitForShot("10-playing.png", [&](const QImage& s) {
        board = Find(s, kBoardPicture);
        return board.x() >= 0 && Balls(ReadBoard(s, board)) > 0 && ToolButton(s, 4).x() >= 0 &&
               settled(ReadBoard(s, board));
    });
    const CBoardSeen before = ReadBoard(playing, board);
    Click(ToolButton(playing, 4));
    const std::string box = OpenedBox("Marbix - paused", true);
    ExpectDialogButtons(box, true);
    QElapsedTimer open;
    open.start();
    Xdo("windowminimize --sync " + m_window);
    Xdo("windowactivate " + m_window); // the box, not the window, takes the focus
    EXPECT_TRUE(QTest::qWaitFor([&] { return Viewable(m_window); }, 3000));
    QTest::qWait(static_cast<int>(31 * kSecondMs + 500 - open.elapsed()));
    EXPECT_TRUE(ShowsWhole(WaitForShot("11-paused-long.png", [](const QImage&) { return true; }),
                           board, kPausedPicture));
    CloseBox(box);
    const QImage resumed = WaitForShot("12-resumed.png", [&](const QImage& s) {
        return Find(s, kBoardPicture) == board && !ShowsWhole(s, board, kPausedPicture);
    });
    EXPECT_TRUE(ReadBoard(resumed, board) == before) << "the move ran out behind the box";

    // Skip until the board is full; a name dialog is answered with Escape.
    QImage shot = resumed;
    for (int i = 0; i < 80 && !ShowsWhole(shot, board, kStoppedPicture); ++i) {
        if (!WindowNamed("Marbix registration").empty())
            Xdo("key Escape");
        else if (const QPoint skip = ToolButton(shot, 3); skip.x() >= 0)
            Click(skip);
        QTest::qWait(60);
        shot = Shot();
    }
    EXPECT_TRUE(ShowsWhole(
        WaitForShot("13-game-over.png",
                    [&](const QImage& s) { return ShowsWhole(s, board, kStoppedPicture); }),
        board, kStoppedPicture));
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
        const QPoint b = Find(s, kStoppedPicture);
        return b.x() >= 0 && !TileRow(s, b.x(), b.y() - 1) && !TileRow(s, b.x(), b.y() + 325);
    };
    const QImage restored = WaitForShot("14-restored.png", [&](const QImage& s) {
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

// The name dialog of the program, shown here on the real screen.
TEST_F(RealWindowTest, NameDialogHasACaptionAloneAndCannotHideTheGame) {
    CHiscoreList list;
    CNameDlgWindow window;
    CNameDlg dialog(&list, &window);
    QTimer::singleShot(0, [&] {
        std::string shown;
        (void)QTest::qWaitFor([&] { return !(shown = WindowNamed("Marbix registration")).empty(); },
                              5000);
        ASSERT_FALSE(shown.empty());
        ExpectDialogButtons(shown, false);
        WaitForShot(
            "15-name-dialog.png", [](const QImage&) { return false; }, 300);
        QDialog* current = window.Current();
        ASSERT_TRUE(current);
        for (QLabel* label : current->findChildren<QLabel*>())
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width())
                << label->text().toStdString();
        // Minimised anyway, the dialog comes back.
        Xdo("windowminimize " + shown);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !WindowNamed("Marbix registration").empty(); }, 3000));
        current->reject();
    });
    EXPECT_EQ(dialog.DoModal(), CNameDlg::IDCANCEL);
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

// The board as read, with the one cell under the keyboard cursor's frame
// (which matches no picture) filled in from expected.
CBoardSeen WithCursorAt(CBoardSeen seen, const CBoardSeen& expected, int col, int row) {
    if (seen[CellIndex(col, row)] != CCellSeen{}) return {}; // no frame there
    seen[CellIndex(col, row)] = expected[CellIndex(col, row)];
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
    WaitForShot("k1-started.png", [&](const QImage& s) {
        return ShowsWhole(s, Find(s, kStoppedPicture), kStoppedPicture);
    });
    Xdo("key F2");
    QPoint board(-1, -1);
    // The dealing seed is the clock's second when the window was made; the
    // board is read until one of those seconds deals it.
    int seed = -1;
    const QImage playing = WaitForShot("k2-playing.png", [&](const QImage& s) {
        board = Find(s, kBoardPicture);
        const CBoardSeen seen = ReadBoard(s, board);
        for (long long t = launched; board.x() >= 0 && t <= shown && seed < 0; ++t)
            if (DriverBoard(static_cast<int>(t), {}) == seen) seed = static_cast<int>(t);
        return seed >= 0;
    });
    ASSERT_GE(seed, 0) << "no seed deals the board on screen";
    const CBoardSeen dealt = ReadBoard(playing, board);

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
    const CBoardSeen expected = DriverBoard(seed, {CellCommandId(IndexCol(from), IndexRow(from)),
                                                   CellCommandId(IndexCol(to), IndexRow(to))});
    ASSERT_NE(expected, dealt);
    Xdo("key" + Keys("Left", 9) + Keys("Up", 9) + Keys("Right", IndexCol(from)) +
        Keys("Down", IndexRow(from)) + " Return" + Keys("Left", 9) + Keys("Up", 9) +
        Keys("Right", IndexCol(to)) + Keys("Down", IndexRow(to)) + " space");
    const QImage moved = WaitForShot("k4-moved.png", [&](const QImage& s) {
        return WithCursorAt(ReadBoard(s, board), expected, IndexCol(to), IndexRow(to)) == expected;
    });
    EXPECT_TRUE(WithCursorAt(ReadBoard(moved, board), expected, IndexCol(to), IndexRow(to)) ==
                expected);

    // The mouse in use hides the frame; the next arrow shows it where it was.
    const QPoint away = CellCorner(board, 0, 0) - QPoint(5, 5);
    Xdo("mousemove --sync " + std::to_string(away.x()) + " " + std::to_string(away.y()));
    const QImage plain = WaitForShot(
        "k5-mouse.png", [&](const QImage& s) { return ReadBoard(s, board) == expected; });
    EXPECT_TRUE(ReadBoard(plain, board) == expected);
    // Tab goes to the hall of fame and back; the board's keys work again.
    Xdo("key Tab Tab Down");
    const QImage back = WaitForShot("k6-back.png", [&](const QImage& s) {
        return WithCursorAt(ReadBoard(s, board), expected, IndexCol(to), IndexRow(to)) == expected;
    });
    EXPECT_TRUE(WithCursorAt(ReadBoard(back, board), expected, IndexCol(to), IndexRow(to)) ==
                expected);
}

int main(int argc, char** argv) {
    g_roundBalls = 1;
    return RunOnXSession(argc, argv, kScreenWidth, kScreenHeight);
}
