// The game part of the board window: the game state and every rule of the
// course of a game. The board window of the program derives from it and
// overrides only the display hooks; headless users take it as it is.
#pragma once

#include <array>

#include "engine/collaborators.h"
#include "engine/identifiers.h"

class CFieldGame : public CMoveExpiry {
public:
    static constexpr int kCells = kBoardCells;
    static constexpr int kFirstCellId = ::kFirstCellId;
    static constexpr int kLastCellId = ::kLastCellId;
    static constexpr int kMoveSeconds = 30;

    // The seed starts as the current calendar time in whole seconds.
    CFieldGame();
    explicit CFieldGame(int seed);
    ~CFieldGame() override = default;

    CFieldGame(const CFieldGame&) = delete;
    CFieldGame& operator=(const CFieldGame&) = delete;

    // Turn flow.
    void StartGame();
    void StopGame();
    void Undo();
    void SkipMove(int timedOut);
    // The move clock ran out: the move is skipped.
    void MoveExpired() override { SkipMove(1); }
    // A command reaching the board: cell clicks are handled here, anything
    // else goes to DefaultCommand and its result is returned.
    int OnCommand(long long param);

    // The steps the turn flow is made of.
    void SaveUndo();
    int DealBalls(int checkEnd, int count);
    void PromotePreviews();
    int MoveBall(int fromCol, int fromRow, int toCol, int toRow);
    int RemoveLines();

    // The paused look, shown by the frame around its pause box.
    virtual void ShowPaused() {}
    virtual void ShowResumed() {}

    CCell* Cell(int col, int row) const { return m_cells[CellIndex(col, row)]; }

    // Element CellIndex(column, row); set by the owner before the first game.
    std::array<CCell*, kCells> m_cells{};
    int m_undoColour[kCells] = {};
    int m_undoState[kCells] = {};
    int m_undoSeed = 0;
    int m_seed;
    int m_active = 0;
    int m_selCol = -1;
    int m_selRow = -1;
    CScorePanel* m_scoreBar = nullptr;
    CGameFlags* m_frame = nullptr;

protected:
    // The start change of look: BeginPlayingLook, then for each cell in
    // storage order the cell is emptied and RevealCell(index) called, then
    // EndPlayingLook.
    virtual void BeginPlayingLook() {}
    virtual void RevealCell(int /*index*/) {}
    virtual void EndPlayingLook() {}
    // The stop change of look, the last step of StopGame.
    virtual void ShowStoppedLook() {}
    // What the window framework does with a command that is not a cell click.
    virtual int DefaultCommand(long long /*param*/) { return 0; }

private:
    void ClearSelection();
    void SelectBall(int col, int row);
    void MoveSelectedTo(int col, int row);
    bool PathExists(int fromCol, int fromRow, int toCol, int toRow) const;
    void MarkRuns(int (&marks)[kCells]) const;
    int RunLength(int col, int row, int dCol, int dRow) const;
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
