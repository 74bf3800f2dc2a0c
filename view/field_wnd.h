// The board window: the board picture with the 81 cells on its squares,
// centred in the window, the tiled texture around it, and the three looks
// (stopped, playing, paused). The game itself is CFieldGame's: the window
// shows its changes of look and reports the clicks on its cells.
#pragma once

#include "engine/field_game.h"
#include "platform/bitmap_button.h"
#include "view/board_geometry.h"
#include "view/cell_button.h"

#include <QWidget>
#include <array>

class CFieldWnd : public QWidget, public CBoardLook {
    Q_OBJECT
public:
    static constexpr int kBoardPicture = PictureId::kBoard;
    static constexpr int kPausedPicture = PictureId::kBoardPaused;
    static constexpr int kStoppedPicture = PictureId::kBoardStopped;
    static constexpr int kTilePicture = PictureId::kTile;

    explicit CFieldWnd(QWidget* parent = nullptr);

    // Builds the background and the cells; false when a picture is missing.
    bool Create(QWidget* parent, int id);

    // The cells in storage order, for the game.
    CCellArray Cells();

    void ShowPaused() override;
    void ShowResumed() override;

    // Lays the board out for a client area of cx × cy. An area smaller than
    // the board picture resizes the top-level window, right after the layout
    // under way, so that the area is the board's size.
    void OnSize(int cx, int cy);
    void FitFrameToBoard();

    // Zooms the board, its cells and pictures, by zoom tenths (10 to 30). A
    // larger board grows the frame as a small area does; a smaller one
    // shrinks it back, no further than the area before the zoom in.
    void SetZoom(int zoom);
    int Zoom() const { return m_geometry.zoom; }
    // The board's size at this zoom.
    QSize BoardSize(int zoom) const;

    // Room for the board picture: a new window opens with the board fitting.
    QSize sizeHint() const override { return m_background.size(); }

    CBitmapButton m_background;
    std::array<CCellButton, kBoardCells> m_cellButtons;
    CBoardGeometry m_geometry; // for the screens' device pixel ratio and the zoom

signals:
    // A cell was clicked: the command with its identifier.
    void CellCommand(long long id);
    // A new game is dealt and shown.
    void GameBegun();
    // The wheel was turned over the board with Ctrl held: steps up or down.
    void ZoomWheeled(int steps);
    // The board was zoomed and laid out anew.
    void Zoomed();

protected:
    void BeginPlayingLook() override;
    void RevealCell(int index) override;
    void EndPlayingLook() override;
    void ShowStoppedLook() override;

    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Shows board picture id, redrawn to the grid where the layout is not
    // the regular one; false when there is no such picture.
    bool LoadBoard(int id);
    void SetCellsShown(bool shown);
    void RepaintNow();
    void ShrinkFrameToBoard();

    QSize m_areaBeforeZoom; // the area before the board was zoomed in, invalid when none
    int m_wheel = 0;        // wheel turn not yet counted as a step
};
