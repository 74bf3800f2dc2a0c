// The board window: the board picture with the 81 cells on its squares,
// centred in the window, the tiled texture around it, and the three looks
// (stopped, playing, paused). The game itself is CFieldGame's.
#pragma once

#include "engine/field_game.h"
#include "platform/bitmap_button.h"
#include "view/board_geometry.h"
#include "view/cell_button.h"

#include <QWidget>
#include <array>

class CFieldWnd : public QWidget, public CFieldGame {
    Q_OBJECT
public:
    static constexpr int kBoardPicture = 132;
    static constexpr int kPausedPicture = 182;
    static constexpr int kStoppedPicture = 183;
    static constexpr int kTilePicture = 179;

    explicit CFieldWnd(QWidget* parent = nullptr);

    // Builds the background and the cells; false when a picture is missing.
    bool Create(QWidget* parent, int id, CScorePanel* scoreBar, CGameFlags* frame);

    void ShowPaused() override;
    void ShowResumed() override;

    // Lays the board out for a client area of cx × cy. An area smaller than
    // the board picture resizes the top-level window, right after the layout
    // under way, so that the area is the board's size.
    void OnSize(int cx, int cy);
    void FitFrameToBoard();

    // Room for the board picture: a new window opens with the board fitting.
    QSize sizeHint() const override { return m_background.size(); }

    CBitmapButton m_background;
    std::array<CCellButton, kCells> m_cellButtons;
    int m_id = 0;
    int m_lastTileCount = 0;         // tiles copied by the last erase
    const CBoardGeometry m_geometry; // for the screens' device pixel ratio

protected:
    void BeginPlayingLook() override;
    void RevealCell(int index) override;
    void EndPlayingLook() override;
    void ShowStoppedLook() override;

    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Shows board picture id, redrawn to the grid where the layout is not
    // the regular one; false when there is no such picture.
    bool LoadBoard(int id);
    void SetCellsShown(bool shown);
    void RepaintNow();
};
