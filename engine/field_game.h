// The game part of the board window: the game state and every rule of the
// course of a game. It reaches the rest of the program only through the
// collaborators given to its constructor (engine/collaborators.h).
#pragma once

#include <array>

#include "engine/collaborators.h"
#include "engine/identifiers.h"

// The 81 cells in storage order: element CellIndex(column, row).
using CCellArray = std::array<CCell*, kBoardCells>;

class CFieldGame {
public:
    static constexpr int kCells = kBoardCells;
    static constexpr int kFirstCellId = ::kFirstCellId;
    static constexpr int kLastCellId = ::kLastCellId;
    static constexpr int kMoveSeconds = 30;

    // The current calendar time in whole seconds: the seed of a board made now.
    static int ClockSeed();

    // The cells, the score panel, the frame's flags, the board's look and the
    // cue sink stay the caller's and must outlive the game; no game is on
    // until StartGame.
    CFieldGame(const CCellArray& cells, CScorePanel& scoreBar, CGameFlags& frame, CBoardLook& look,
               CCuePlayer& cues, int seed);

    CFieldGame(const CFieldGame&) = delete;
    CFieldGame& operator=(const CFieldGame&) = delete;

    // Turn flow.
    void StartGame();
    void StopGame();
    void Undo();
    void SkipMove(int timedOut);
    // A command reaching the board: a cell click (the whole parameter from
    // kFirstCellId to kLastCellId) is handled and 1 returned; anything else
    // is not the game's, and 0 is returned.
    int OnCommand(long long param);

    // The steps the turn flow is made of.
    void SaveUndo();
    int DealBalls(int checkEnd, int count);
    void PromotePreviews();
    int MoveBall(int fromCol, int fromRow, int toCol, int toRow);
    int RemoveLines();

    // The paused look, shown by the frame around its pause box.
    void ShowPaused() { m_look.ShowPaused(); }
    void ShowResumed() { m_look.ShowResumed(); }

    // Where the actions taken are told; null tells nobody. It stays the caller's.
    void SetPlayLog(CPlayLog* log) { m_log = log ? log : &s_noLog; }

    CCell* Cell(int col, int row) const { return m_cells[CellIndex(col, row)]; }

    int Seed() const { return m_seed; }
    // Where the next deal draws from; the driver's "seed" command sets it.
    void SetSeed(int seed) { m_seed = seed; }
    int Active() const { return m_active; }
    // The selected ball, -1 and -1 when there is none.
    int SelCol() const { return m_selCol; }
    int SelRow() const { return m_selRow; }

private:
    void ClearSelection();
    void SelectBall(int col, int row);
    void MoveSelectedTo(int col, int row);
    bool PathExists(int fromCol, int fromRow, int toCol, int toRow) const;
    void MarkRuns(int (&marks)[kCells]) const;
    int RunLength(int col, int row, int dCol, int dRow) const;

    const CCellArray m_cells;
    int m_undoColour[kCells] = {};
    int m_undoState[kCells] = {};
    int m_undoSeed = 0;
    int m_seed;
    int m_active = 0;
    int m_selCol = -1;
    int m_selRow = -1;
    CScorePanel& m_scoreBar;
    CGameFlags& m_frame;
    CBoardLook& m_look;
    CCuePlayer& m_cues;
    static CPlayLog s_noLog;
    CPlayLog* m_log = &s_noLog;
};

// The three cell tests used throughout the game.
inline bool HoldsBall(const CCell& cell) {
    return cell.m_colour != 0 && cell.m_state != Preview;
}
inline bool IsFreeForMove(const CCell& cell) {
    return cell.m_colour == 0 || cell.m_state == Preview;
}
inline bool IsEmptyForDeal(const CCell& cell) {
    return cell.m_colour == 0;
}
