// A game played by a fixed script in the host window, for pictures of the
// board in play.
#pragma once

class CHostWindow;

// Starts a game with a fixed seed and plays greedy moves (each ball to the
// free cell where it lines up with most of its colour) until `moves` moves
// are made, then selects three balls in turn, so that two stand sad and one
// selected, and lets a few seconds of the move clock pass.
void PlayScriptedGame(CHostWindow& host, int moves);
