// The board on screen, on the offscreen platform: a move click with every
// repaint it causes, and the start of a game. Run by hand:
//   QT_QPA_PLATFORM=offscreen build/bench/marbix_view_bench
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <benchmark/benchmark.h>

#include "engine/settings.h"
#include "tools/board-host/host_window.h"

namespace {

CHostWindow& Host() {
    static CHostWindow* host = [] {
        g_classical = 0;
        g_roundBalls = 1;
        g_soundOn = 0;
        auto* window = new CHostWindow;
        window->Create();
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) qFatal("the window was never shown");
        return window;
    }();
    return *host;
}

void Click(CHostWindow& host, int col, int row) {
    QTest::mouseClick(&host.m_wndField.m_cellButtons[9 * col + row], Qt::LeftButton);
}

// One ball in the corner, selected, and three announced balls apart from
// each other: moving the ball removes nothing, so the three come in and
// three more are announced.
void LayMovePosition(CHostWindow& host) {
    for (CCellButton& cell : host.m_wndField.m_cellButtons) cell.SetBall(0, Normal);
    host.m_wndField.m_cellButtons[0].SetBall(2, Normal);
    host.m_wndField.m_cellButtons[9 * 8 + 0].SetBall(3, Preview);
    host.m_wndField.m_cellButtons[9 * 0 + 8].SetBall(4, Preview);
    host.m_wndField.m_cellButtons[9 * 8 + 8].SetBall(5, Preview);
    Click(host, 0, 0);
}

void BM_MoveClick(benchmark::State& state) {
    CHostWindow& host = Host();
    host.Game().Field().SetSeed(4711);
    host.Game().Frame().OnCommand(ID_GAME_START);
    for (auto _ : state) {
        LayMovePosition(host);
        QElapsedTimer clock;
        clock.start();
        Click(host, 4, 4);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        if (host.m_wndField.m_cellButtons[9 * 4 + 4].m_colour != 2)
            state.SkipWithError("the ball did not move");
    }
    host.Game().Frame().OnCommand(ID_GAME_STOP);
}
BENCHMARK(BM_MoveClick)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_StartGame(benchmark::State& state) {
    CHostWindow& host = Host();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        host.Game().Frame().OnCommand(ID_GAME_START);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        host.Game().Frame().OnCommand(ID_GAME_STOP); // score 0: no name dialog
    }
}
BENCHMARK(BM_StartGame)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
