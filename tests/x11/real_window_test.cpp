// The built program in a real X window under a window manager, played with
// real keys and clicks, looked at through screenshots, closed as a user does,
// and a game it recorded watched back.
#include "engine/collaborators.h"
#include "engine/identifiers.h"
#include "engine/settings.h"
#include "record/record_store.h"
#include "score/hiscore_list.h"
#include "score/name_dlg_window.h"
#include "session.h"
#include "x_session.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <sstream>
#include <utility>

namespace {

using namespace PictureId;

// Whether the board at `at` shows picture id whole, every pixel of it.
bool ShowsWhole(const QImage& shot, QPoint at, int id) {
    return at.x() >= 0 && shot.copy(QRect(at, QSize(347, 325))) == Picture(id);
}
// Whether row y from x on, the board's width, shows a row of the tiles.
bool TileRow(const QImage& shot, int x, int y) {
    const QImage tile = Picture(kTile);
    for (int row = 0; row < tile.height(); ++row) {
        int i = 0;
        while (i < 347 && shot.pixel(x + i, y) == tile.pixel(i % tile.width(), row)) ++i;
        if (i == 347) return true;
    }
    return false;
}

// The headless driver's board after Start from seed and clicks on cells.
constexpr int kUndo = -1;
CBoardSeen DriverBoard(int seed, std::initializer_list<int> cells) {
    std::ostringstream out;
    CHeadlessSession session(out);
    session.Execute({CScriptCommand::Seed, seed, {}});
    session.Execute({CScriptCommand::Start, 0, {}});
    for (int i : cells)
        session.Execute({i == kUndo ? CScriptCommand::Undo : CScriptCommand::Click,
                         CellCommandId(IndexCol(i), IndexRow(i)),
                         {}});
    CBoardSeen board;
    for (int i = 0; i < 81; ++i) {
        const CCell& cell = *session.Game().Field().Cell(IndexCol(i), IndexRow(i));
        board[i] = {cell.m_colour, cell.m_state};
    }
    return board;
}

// The cell the keyboard cursor's frame surrounds, or -1: its orange band
// lies in the seams around the cell.
int FramedCell(const QImage& shot, QPoint board) {
    for (int i = 0; i < 81; ++i)
        if (shot.pixel(CellCorner(board, i) - QPoint(2, 2)) == qRgb(255, 128, 0)) return i;
    return -1;
}

// Whether the board shows expected, the cursor's frame around cell `cursor`
// or around none.
bool Shows(const QImage& shot, QPoint board, const CBoardSeen& expected, int cursor = -1) {
    return FramedCell(shot, board) == cursor && ReadBoard(shot, board) == expected;
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

// The centre of enabled toolbar button k (0 Start … 4 Pause), or (-1, -1).
QPoint ToolButton(const QImage& shot, int k) {
    const QImage face = Picture(kToolbar).copy(81 * k, 0, 81, 29);
    for (int y = 0; y + 29 <= shot.height() / 4; ++y)
        for (int x = 0; x + 81 <= shot.width(); ++x)
            if (shot.pixel(x + 14, y + 14) == face.pixel(14, 14) && shot.copy(x, y, 81, 29) == face)
                return {x + 40, y + 14};
    return {-1, -1};
}

std::string WindowNamed(const std::string& name) {
    return RunCommand("xdotool search --onlyvisible --name '" + name + "'");
}
// Waits for a box of the given caption.
std::string OpenedBox(const std::string& caption) {
    return RunCommand("xdotool search --sync --onlyvisible --name '" + caption + "'");
}
bool Viewable(const std::string& window) {
    return RunCommand("xwininfo -id " + window).find("IsViewable") != std::string::npos;
}
std::string Property(const std::string& window, const std::string& name) {
    return RunCommand("xprop -id " + window + " " + name);
}
// The outer frame of a window, the window manager's frame extents included.
QRect Frame(const std::string& window) {
    int x = 0, y = 0, w = 0, h = 0, l = 0, r = 0, t = 0, b = 0;
    const std::string info = RunCommand("xwininfo -id " + window);
    for (auto [key, value] :
         {std::pair{"upper-left X:", &x}, {"upper-left Y:", &y}, {"Width:", &w}, {"Height:", &h}})
        std::sscanf(info.c_str() + info.find(key), (key + std::string(" %d")).c_str(), value);
    const std::string extents = Property(window, "_NET_FRAME_EXTENTS");
    std::sscanf(extents.c_str() + extents.find('='), "= %d, %d, %d, %d", &l, &r, &t, &b);
    return QRect(x - l, y - t, w + l + r, h + t + b);
}

// A dialog asks for no minimise, no maximise and a close box where wanted,
// and cannot be maximised; minimised from its title bar, it comes back with
// the game.
void ExpectDialogFrame(const std::string& box, bool closeBox, const std::string& game = {}) {
    unsigned flags = 0, functions = 0;
    const std::string hints = Property(box, "_MOTIF_WM_HINTS");
    std::sscanf(hints.c_str() + hints.find('='), "= %x, %x", &flags, &functions);
    // The functions given: no minimise (8), no maximise (16), close (32).
    EXPECT_EQ(std::pair(flags & 1, functions & 0x38), std::pair(1u, closeBox ? 0x20u : 0u))
        << hints;
    EXPECT_EQ(Property(box, "_NET_WM_ALLOWED_ACTIONS").find("MAXIMIZE"), std::string::npos);
    if (game.empty()) return;
    Xdo("windowactivate --sync " + box + " mousemove --sync" +
        At(Frame(box).topLeft() + QPoint(40, 5)) + " windowminimize " + box);
    QTest::qWait(300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Viewable(box) && Viewable(game); }, 5000))
        << "minimised, the dialog left the game hidden";
}

// The hall of fame's lowest row: the lowest long white run at the right.
QRect ListFloor(const QImage& shot) {
    QRect floor;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = shot.width() * 2 / 3, run = 0; x < shot.width(); ++x) {
            run = shot.pixel(x, y) == qRgb(255, 255, 255) ? run + 1 : 0;
            if (run >= 150) floor = QRect(x + 1 - run, y, run, 1);
        }
    return floor;
}

class RealWindowTest : public ProgramTest {
protected:
    QString ProfileText() { return QString::fromStdString(Contents(m_dir + "/marbix.INI")); }

    // A second of the game's clocks lasts secondMs.
    void Launch(int secondMs = 1000) {
        ProgramTest::Launch("MARBIX_TEST_SECOND_MS", QString::number(secondMs));
    }

    // F2, and the board once dealt, drawn and with the game's toolbar.
    QImage StartGame(const char* name, QPoint& board) {
        Xdo("key F2");
        CBoardSeen last{};
        return WaitForShot(name, [&](const QImage& s) {
            board = Find(s, Picture(kBoard));
            const CBoardSeen seen = ReadBoard(s, board), before = std::exchange(last, seen);
            return board.x() >= 0 && std::count_if(seen.begin(), seen.end(), IsBall) > 0 &&
                   ToolButton(s, 4).x() >= 0 && seen == before;
        });
    }

    // Waits for the board at `at` to show the cells, or picture id whole.
    void ExpectShown(const char* name, QPoint at, const CBoardSeen& cells, int cursor = -1) {
        const auto shows = [&](const QImage& s) { return Shows(s, at, cells, cursor); };
        EXPECT_TRUE(shows(WaitForShot(name, shows))) << name;
    }
    void ExpectShown(const char* name, QPoint at, int id) {
        const auto whole = [&](const QImage& s) { return ShowsWhole(s, at, id); };
        EXPECT_TRUE(whole(WaitForShot(name, whole))) << name;
    }

    // Closes the window through the window manager's close key.
    void CloseAsAUser() {
        Xdo("windowactivate --sync " + m_window + " key --clearmodifiers alt+F4");
        ASSERT_TRUE(m_program.waitForFinished(5000));
        EXPECT_EQ(std::pair(m_program.exitStatus(), m_program.exitCode()),
                  std::pair(QProcess::NormalExit, 0));
    }

    bool Maximised() const {
        return Property(m_window, "_NET_WM_STATE").find("MAXIMIZED_HORZ") != std::string::npos;
    }

    // Enter in the box closes it.
    void CloseBox(const std::string& box) {
        Xdo("windowactivate --sync " + box + " key Return");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Viewable(box); }, 3000)) << "the box stays";
    }
};

} // namespace

TEST_F(RealWindowTest, APlayerPlaysByKeysAndMouseAndTheWindowKeepsItsPlace) {
    const long long launched = std::time(nullptr);
    Launch();
    const long long shown = std::time(nullptr);
    // First start: maximised; About comes and goes.
    EXPECT_TRUE(Maximised());
    Xdo("key F1");
    const std::string about = OpenedBox("About Marbix");
    ExpectDialogFrame(about, true, m_window);
    CloseBox(about);

    // The dealing seed is the clock's second when the window was made.
    QPoint board, centre(512, 384); // on the board
    Xdo("mousemove" + At(centre));
    const QImage playing = StartGame("2-playing.png", board);
    const CBoardSeen dealt = ReadBoard(playing, board);
    int seed = static_cast<int>(launched);
    while (seed <= shown && DriverBoard(seed, {}) != dealt) ++seed;
    ASSERT_LE(seed, shown) << "no seed deals the board on screen";
    const QPoint stop = ToolButton(playing, 1);

    // The first arrow shows the cursor on the centre; it walks to a ball,
    // which Return selects, then to a free cell where Space moves the ball.
    Xdo("key Up");
    ExpectShown("3-cursor.png", board, dealt, CellIndex(4, 4));
    const auto first = [&](auto which) {
        return static_cast<int>(std::find_if(dealt.begin(), dealt.end(), which) - dealt.begin());
    };
    const int from = first(IsBall), to = first([](const CCellSeen&c) { return c.colour == 0; });
    const CBoardSeen keyed = DriverBoard(seed, {from, to});
    ASSERT_NE(keyed, dealt);
    Xdo("key" + WalkTo(from) + " Return" + WalkTo(to) + " space");
    ExpectShown("4-keyed.png", board, keyed, to);
    // The mouse in use hides the frame; after the pause box the first arrow
    // moves it from where it was at once. Backspace takes the move back; the
    // mouse makes it again.
    Xdo("mousemove --sync" + At(CellCorner(board, 0) - QPoint(5, 5)));
    ExpectShown("5-mouse.png", board, keyed);
    const bool up = IndexRow(to) > 0;
    const int next = CellIndex(IndexCol(to), IndexRow(to) + (up ? -1 : 1));
    Xdo("key F5");
    CloseBox(OpenedBox("Marbix - paused"));
    Xdo(std::string("key ") + (up ? "Up" : "Down"));
    ExpectShown("6-after-pause.png", board, keyed, next);
    Xdo(std::string("key ") + (up ? "Down" : "Up") + " BackSpace");
    ExpectShown("7-undone.png", board, dealt, to);
    // A ball selected at the end, so that the watched game's states count too.
    for (int i : {from, to, to}) Click(CellCorner(board, i) + QPoint(16, 16));
    const CBoardSeen ended = DriverBoard(seed, {from, to, kUndo, from, to, to});
    ExpectShown("8-clicked.png", board, ended);
    Xdo("key F3");
    ExpectShown("9-stopped.png", board, kBoardStopped);
    std::vector<CStoredGame> games;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !(games = CRecordStore(m_dir + "/marbix/games").Games()).empty(); }, 5000));
    const QString record = QString::fromStdString(m_dir + "/marbix/games/" + games[0].file);

    // How to play, clicked in the Help menu where it lies over the disabled
    // Stop button; once the box is gone, the button and the status bar follow
    // the pointer to the board.
    Xdo("key alt+h sleep 0.2");
    Click(stop - QPoint(0, 10));
    ExpectDialogFrame(OpenedBox("How to play Marbix"), true);
    Xdo("key Escape");
    (void)QTest::qWaitFor([] { return WindowNamed("How to play Marbix").empty(); }, 3000);
    Xdo("mousemove" + At(centre) + " sleep 0.1 key F2");
    const QRect button(stop - QPoint(45, 19), QSize(91, 39)), prompt(0, 768 - 22, 300, 22);
    const auto calm = [&](const QImage& s) {
        return s.copy(button) == playing.copy(button) && s.copy(prompt) == playing.copy(prompt);
    };
    EXPECT_TRUE(calm(WaitForShot("10-after-box.png", calm))) << "a stale hover";
    CloseAsAUser();
    EXPECT_EQ(ProfileText(), QStringLiteral("[WINDOW]\nX=0\nY=0\nWIDTH=500\nHEIGHT=500\nSTATE=1\n"
                                            "[SETTINGS]\nCLASSICAL=0\nSOUND_ON=1\nSAVE_ON_EXIT=1\n"
                                            "ROUND_BALLS=1\n"));

    // Restored by the title bar and closed: the frame is where it was, on the
    // screen, and the board fits it.
    Launch();
    ASSERT_TRUE(Maximised());
    Xdo("mousemove --sync 300 8 click --repeat 2 --delay 80 1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Maximised(); }, 3000));
    QRect frame;
    const auto fits = [&](const QImage& s) {
        const QPoint b = Find(s, Picture(kBoardStopped));
        frame = Frame(m_window);
        return frame.topLeft() == QPoint(0, 0) && b.x() >= 0 && !TileRow(s, b.x(), b.y() - 1) &&
               !TileRow(s, b.x(), b.y() + 325);
    };
    EXPECT_TRUE(fits(WaitForShot("11-restored.png", fits))) << "off the corner, or tiles about";
    CloseAsAUser();
    EXPECT_TRUE(ProfileText().startsWith(QStringLiteral("[WINDOW]\nX=0\nY=0\n")))
        << "off the screen";
    // Started on the recorded game, it plays it back to the board it ended on.
    ProgramTest::Launch("MARBIX_TEST_SECOND_MS", "1000", {record});
    EXPECT_FALSE(Maximised());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame(m_window) == frame; }, 3000));
    Xdo("key plus plus plus plus");
    const auto same = [&](const QImage& s) {
        return ReadBoard(s, Find(s, Picture(kBoard))) == ended;
    };
    EXPECT_TRUE(same(WaitForShot("12-watched.png", same, 15000)));
    CloseAsAUser();
}

// The clocks run faster here, so the pause box stays open for more than a
// move's 30 seconds; slow enough that a loaded machine still reads the board
// within the move's time before and after the box.
TEST_F(RealWindowTest, LongScoresShowWholeAndPauseHoldsTheClockThroughAMinimiseToGameEnd) {
    constexpr int kSecondMs = 300;
    Write("marbix.INI", std::string("[HISCORES]\nPLAYER0=A\nSCORE0=2147483647\nPLAYER1=A\n"
                                    "SCORE1=2147483640\nPLAYER2=B\nSCORE2=1234567\nPLAYER3=B\n"
                                    "SCORE3=1234560\n"));
    Launch(kSecondMs);
    // Lines of the hall of fame alike but for their places and last digits
    // differ at the right, so that digit shows; none runs into the list's edge.
    QRect floor;
    const QImage list = WaitForShot(
        "20-hall-of-fame.png", [&](const QImage& s) { return (floor = ListFloor(s)).isValid(); });
    const QRgb border = list.pixel(floor.left() - 1, floor.top());
    std::vector<std::string> rows; // the list's rows of ink from their first third on, upwards
    for (int y = floor.top(); floor.isValid() && list.pixel(floor.left() - 1, y) == border; --y) {
        std::string ink;
        for (int x = floor.left(); x <= floor.right(); ++x)
            ink += qGray(list.pixel(x, y)) < 128 ? '#' : '.';
        if (ink.find('#') == std::string::npos) continue;
        EXPECT_TRUE(ink.ends_with("..")) << "a line runs into the list's edge: " << ink;
        rows.push_back(ink.substr(ink.size() / 3));
    }
    ASSERT_TRUE(!rows.empty() && rows.size() % 4 == 0) << rows.size() << " rows of ink";
    const size_t h = rows.size() / 4; // rows of each line; pairs differ at the last digit
    for (const size_t k : {0, 2})
        EXPECT_FALSE(std::equal(&rows[k * h], &rows[(k + 1) * h], &rows[(k + 1) * h])) << "cut";

    QPoint board;
    const QImage playing = StartGame("21-playing.png", board);
    const CBoardSeen before = ReadBoard(playing, board);
    Click(ToolButton(playing, 4));
    const std::string box = OpenedBox("Marbix - paused");
    Xdo("windowmove --sync " + box + " 600 560"); // the board free
    QElapsedTimer open;
    open.start();
    ExpectDialogFrame(box, true, m_window);
    // The game minimised: the box goes along until the game comes back.
    Xdo("mousemove 5 300 windowminimize --sync " + m_window);
    QTest::qWait(300);
    EXPECT_FALSE(Viewable(box));
    Xdo("windowactivate " + m_window); // the box, not the window, takes the focus
    EXPECT_TRUE(QTest::qWaitFor([&] { return Viewable(m_window) && Viewable(box); }, 3000));
    QTest::qWait(static_cast<int>(31 * kSecondMs + 500 - open.elapsed()));
    ExpectShown("22-paused-long.png", board, kBoardPaused);
    CloseBox(box);
    ExpectShown("23-resumed.png", board, before); // the move did not run out behind the box

    // Skip until the board is full; a name dialog is answered with Escape.
    for (int i = 0; i < 80 && !ShowsWhole(Shot(), board, kBoardStopped); ++i)
        Xdo(WindowNamed("Marbix registration").empty() ? "key F4 sleep 0.06" : "key Escape");
    ExpectShown("24-game-over.png", board, kBoardStopped);
}

TEST_F(RealWindowTest, NameDialogHasACaptionAloneAndComesBackMinimised) {
    QWidget game;
    game.show();
    CHiscoreList list;
    CNameDlgWindow window(&game);
    CNameDlg dialog(&list, &window);
    QTimer::singleShot(0, [&] {
        ExpectDialogFrame(OpenedBox("Marbix registration"), false, std::to_string(game.winId()));
        ASSERT_TRUE(window.Current());
        window.Current()->reject();
    });
    EXPECT_EQ(dialog.DoModal(), CNameDlg::IDCANCEL);
}

int main(int argc, char** argv) {
    g_roundBalls = 1;
    return RunOnXSession(argc, argv, 1024, 768);
}
