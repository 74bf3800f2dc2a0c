#include "tools/board-host/scripted_game.h"

#include "engine/identifiers.h"
#include "tools/board-host/host_window.h"

#include <QTest>
#include <algorithm>
#include <vector>

namespace {

struct CMove {
    int from;
    int to;
    int run;
};

bool OnBoard(int col, int row) {
    return col >= 0 && col < 9 && row >= 0 && row < 9;
}

// The longest line of `colour` through (col, row) if a ball of it stood there,
// not counting the ball at `skip`.
int LineThrough(const CFieldWnd& field, int col, int row, int colour, int skip) {
    static constexpr int kDirections[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    int best = 0;
    for (const auto& d : kDirections) {
        int run = 1;
        for (int sign : {1, -1}) {
            for (int c = col + sign * d[0], r = row + sign * d[1]; OnBoard(c, r);
                 c += sign * d[0], r += sign * d[1]) {
                const CCellButton& cell = field.m_cellButtons[CellIndex(c, r)];
                if (CellIndex(c, r) == skip || !HoldsBall(cell) || cell.m_colour != colour) break;
                ++run;
            }
        }
        best = std::max(best, run);
    }
    return best;
}

// Whether a path of free cells leads from one cell to the other.
bool Reachable(const CFieldWnd& field, int from, int to) {
    std::vector<bool> seen(81, false);
    std::vector<int> queue{from};
    seen[from] = true;
    while (!queue.empty()) {
        const int at = queue.back();
        queue.pop_back();
        if (at == to) return true;
        static constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& step : kSteps) {
            const int c = IndexCol(at) + step[0];
            const int r = IndexRow(at) + step[1];
            if (!OnBoard(c, r) || seen[CellIndex(c, r)]) continue;
            if (!IsFreeForMove(field.m_cellButtons[CellIndex(c, r)])) continue;
            seen[CellIndex(c, r)] = true;
            queue.push_back(CellIndex(c, r));
        }
    }
    return false;
}

std::vector<CMove> Candidates(const CFieldWnd& field) {
    std::vector<CMove> moves;
    for (int from = 0; from < 81; ++from) {
        const CCellButton& ball = field.m_cellButtons[from];
        if (!HoldsBall(ball)) continue;
        for (int to = 0; to < 81; ++to) {
            if (!IsFreeForMove(field.m_cellButtons[to]) || !Reachable(field, from, to)) continue;
            moves.push_back(
                {from, to, LineThrough(field, IndexCol(to), IndexRow(to), ball.m_colour, from)});
        }
    }
    std::stable_sort(moves.begin(), moves.end(),
                     [](const CMove& a, const CMove& b) { return a.run > b.run; });
    return moves;
}

void Click(CHostWindow& host, int index) {
    QTest::mouseClick(&host.m_wndField.m_cellButtons[index], Qt::LeftButton);
}

// Makes the best move there is; false when no ball can move.
bool MoveOnce(CHostWindow& host) {
    const std::vector<CMove> moves = Candidates(host.m_wndField);
    if (moves.empty()) return false;
    Click(host, moves.front().from);
    Click(host, moves.front().to);
    return true;
}

} // namespace

void PlayScriptedGame(CHostWindow& host, int moves) {
    host.Game().Field().SetSeed(20240611);
    host.Game().Frame().OnCommand(ID_GAME_START);
    for (int n = 0; n < moves && host.Game().Frame().Running(); ++n)
        if (!MoveOnce(host)) break;
    int selected = 0;
    for (int i = 0; i < 81 && selected < 3; i += 7) {
        if (!HoldsBall(host.m_wndField.m_cellButtons[i])) continue;
        Click(host, i);
        ++selected;
    }
    CScoreKeeper& clock = host.Game().Score();
    for (int tick = 0; tick < 7; ++tick) clock.OnTimer(CScoreKeeper::kClockTimer);
}
