#include "engine/field_game.h"

#include <cstdint>
#include <ctime>

#include "engine/cue.h"
#include "engine/deal_generator.h"
#include "engine/settings.h"

namespace {

constexpr int kMinRun = 5;

bool OnBoard(int col, int row) {
    return col >= 0 && col < kSide && row >= 0 && row < kSide;
}

} // namespace

CPlayLog CFieldGame::s_noLog;

int CFieldGame::ClockSeed() {
    return static_cast<int>(static_cast<std::uint32_t>(std::time(nullptr)));
}

CFieldGame::CFieldGame(const CCellArray& cells, CScorePanel& scoreBar, CGameFlags& frame,
                       CBoardLook& look, CCuePlayer& cues, int seed)
    : m_cells(cells), m_seed(seed), m_scoreBar(scoreBar), m_frame(frame), m_look(look),
      m_cues(cues) {}

void CFieldGame::SaveUndo() {
    for (int i = 0; i < kCells; ++i) {
        const CCell& cell = *m_cells[i];
        m_undoColour[i] = cell.m_colour;
        m_undoState[i] = cell.m_state == Selected ? Normal : cell.m_state;
    }
    m_scoreBar.SaveScore();
    m_undoSeed = m_seed;
}

int CFieldGame::DealBalls(int checkEnd, int count) {
    if (m_active != 1) return 0;
    int empty = 0;
    for (const CCell* cell : m_cells) {
        if (IsEmptyForDeal(*cell)) ++empty;
        if (cell->m_state == Preview) --count;
    }
    if (empty < count) count = empty;
    if (checkEnd && count == 0) {
        StopGame();
        return 0;
    }
    CDealGenerator generator(m_seed);
    for (int n = 0; n < count; ++n) {
        CCell* cell;
        do {
            const int col = generator.Draw() % kSide;
            const int row = generator.Draw() % kSide;
            cell = Cell(col, row);
        } while (cell->m_colour != 0);
        cell->SetBall(generator.Draw() % 7 + 1, Preview);
        m_seed = generator.Draw();
    }
    return 1;
}

void CFieldGame::PromotePreviews() {
    for (CCell* cell : m_cells) {
        if (cell->m_state == Selected || cell->m_state == Preview)
            cell->SetBall(cell->m_colour, Normal);
    }
}

// Sweeps the board column by column, spreading "reached" from the source
// into free cells, until a sweep reaches nothing new or finds the target.
bool CFieldGame::PathExists(int fromCol, int fromRow, int toCol, int toRow) const {
    int grid[kCells];
    for (int i = 0; i < kCells; ++i) grid[i] = HoldsBall(*m_cells[i]) ? -1 : 0;
    grid[CellIndex(fromCol, fromRow)] = 1;
    const int target = CellIndex(toCol, toRow);
    static constexpr int kSteps[4][2] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};
    bool found = false;
    bool changed;
    do {
        changed = false;
        for (int x = 0; x < kSide; ++x) {
            for (int y = 0; y < kSide; ++y) {
                int& value = grid[CellIndex(x, y)];
                if (value != 0) continue;
                for (const auto& step : kSteps) {
                    const int nx = x + step[0];
                    const int ny = y + step[1];
                    if (!OnBoard(nx, ny)) continue;
                    const int neighbour = grid[CellIndex(nx, ny)];
                    if (neighbour <= 0) continue;
                    value = neighbour + 1;
                    changed = true;
                    if (CellIndex(x, y) == target) found = true;
                }
            }
        }
    } while (changed && !found);
    return found;
}

int CFieldGame::MoveBall(int fromCol, int fromRow, int toCol, int toRow) {
    SaveUndo();
    if (!PathExists(fromCol, fromRow, toCol, toRow)) return 0;
    CCell* source = Cell(fromCol, fromRow);
    const int colour = source->m_colour;
    source->PlayColourCue(m_cues, kBallMoved);
    source->SetBall(0, Normal);
    Cell(toCol, toRow)->SetBall(colour, Normal);
    return 1;
}

int CFieldGame::RunLength(int col, int row, int dCol, int dRow) const {
    const int colour = Cell(col, row)->m_colour;
    int length = 1;
    for (int c = col + dCol, r = row + dRow; OnBoard(c, r); c += dCol, r += dRow) {
        const CCell& cell = *Cell(c, r);
        if (cell.m_colour != colour || cell.m_state == Preview) break;
        ++length;
    }
    return length;
}

void CFieldGame::MarkRuns(int (&marks)[kCells]) const {
    auto tryStart = [&](int col, int row, int dCol, int dRow) {
        if (!HoldsBall(*Cell(col, row))) return;
        const int length = RunLength(col, row, dCol, dRow);
        if (length < kMinRun) return;
        for (int k = 0; k < length; ++k) marks[CellIndex(col + k * dCol, row + k * dRow)] = -1;
    };
    for (int row = 0; row < kSide; ++row)
        for (int col = 0; col <= 4; ++col) tryStart(col, row, 1, 0);
    for (int col = 0; col < kSide; ++col)
        for (int row = 0; row <= 4; ++row) tryStart(col, row, 0, 1);
    for (int row = 0; row <= 4; ++row)
        for (int col = 0; col <= 4; ++col) tryStart(col, row, 1, 1);
    for (int row = 0; row <= 4; ++row)
        for (int col = 4; col < kSide; ++col) tryStart(col, row, -1, 1);
}

int CFieldGame::RemoveLines() {
    int marks[kCells] = {};
    MarkRuns(marks);
    unsigned removed = 0;
    for (int row = 0; row < kSide; ++row) {
        for (int col = 0; col < kSide; ++col) {
            if (marks[CellIndex(col, row)] == 0) continue;
            CCell* cell = Cell(col, row);
            if (removed == 0) cell->PlayColourCue(m_cues, kBallsRemoved);
            cell->SetBall(0, Normal);
            ++removed;
        }
    }
    if (removed == 0) return 0;
    m_scoreBar.AddScore(2 * removed);
    return 1;
}

void CFieldGame::ClearSelection() {
    m_selRow = -1;
    m_selCol = -1;
}

void CFieldGame::StartGame() {
    m_log->GameStarted(m_seed);
    PlayCue(m_cues, Cue::GameStart);
    m_look.BeginPlayingLook();
    for (int i = 0; i < kCells; ++i) {
        m_cells[i]->SetBall(0, Normal);
        m_look.RevealCell(i);
    }
    m_look.EndPlayingLook();
    ClearSelection();
    m_active = 1;
    DealBalls(0, 3);
    PromotePreviews();
    DealBalls(1, 3);
    m_scoreBar.ResetScore();
    m_scoreBar.StartMoveClock(kMoveSeconds);
    m_frame.SetRunning(1);
}

void CFieldGame::StopGame() {
    PlayCue(m_cues, Cue::GameStop);
    m_frame.SetRunning(0);
    m_frame.SetCanUndo(0);
    m_active = 0;
    m_scoreBar.StopMoveClock();
    m_scoreBar.EndGame();
    m_look.ShowStoppedLook();
    m_log->GameEnded();
}

void CFieldGame::Undo() {
    m_log->UndoMade();
    m_frame.SetCanUndo(0);
    PlayCue(m_cues, Cue::Undo);
    for (int i = 0; i < kCells; ++i) {
        CCell* cell = m_cells[i];
        if (cell->m_state != m_undoState[i] || cell->m_colour != m_undoColour[i])
            cell->SetBall(m_undoColour[i], m_undoState[i]);
    }
    m_scoreBar.RestoreScore();
    m_seed = m_undoSeed;
    ClearSelection();
}

void CFieldGame::SkipMove(int timedOut) {
    if (g_classical != 0) return;
    m_log->MoveSkipped(timedOut != 0);
    if (timedOut) {
        PlayCue(m_cues, Cue::MoveExpired);
        m_frame.SetCanUndo(0);
    } else {
        PlayCue(m_cues, Cue::Skip);
        SaveUndo();
        m_frame.SetCanUndo(1);
    }
    ClearSelection();
    DealBalls(0, 3);
    PromotePreviews();
    RemoveLines();
    if (DealBalls(1, 3)) m_scoreBar.StartMoveClock(kMoveSeconds);
}

void CFieldGame::SelectBall(int col, int row) {
    if (m_selCol != -1 && m_selRow != -1 && (m_selCol != col || m_selRow != row)) {
        CCell* previous = Cell(m_selCol, m_selRow);
        previous->SetBall(previous->m_colour, Sad);
    }
    CCell* cell = Cell(col, row);
    cell->SetBall(cell->m_colour, Selected);
    cell->PlayColourCue(m_cues, kBallSelected);
    m_selCol = col;
    m_selRow = row;
}

void CFieldGame::MoveSelectedTo(int col, int row) {
    if (m_selCol == -1 || m_selRow == -1) {
        PlayCue(m_cues, Cue::NothingSelected);
        return;
    }
    if (!MoveBall(m_selCol, m_selRow, col, row)) {
        PlayCue(m_cues, Cue::NoPath);
        return;
    }
    m_frame.SetCanUndo(1);
    ClearSelection();
    m_scoreBar.StopMoveClock();
    const int removed = RemoveLines();
    DealBalls(0, 3);
    if (!removed) {
        PromotePreviews();
        RemoveLines();
        if (!DealBalls(1, 3)) return; // the game is over
    }
    m_scoreBar.StartMoveClock(kMoveSeconds);
}

int CFieldGame::OnCommand(long long param) {
    if (param < kFirstCellId || param > kLastCellId) return 0;
    const int col = CommandCol(static_cast<int>(param));
    const int row = CommandRow(static_cast<int>(param));
    if (m_active != 1) return 1;
    m_log->CellClicked(col, row);
    if (HoldsBall(*Cell(col, row)))
        SelectBall(col, row);
    else
        MoveSelectedTo(col, row);
    return 1;
}
