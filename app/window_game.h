// The game of a window that shows the board and the score panel: the one
// place of the Qt shell where widgets become a game's collaborators, used by
// the main window and the development host alike.
#pragma once

#include "app/game.h"
#include "score/score_bar.h"
#include "view/field_wnd.h"

#include <memory>

class QWidget;

// Makes the game over field and panel with its hall of fame in profile and
// its cues played on cues (none: silent), creates the board window as owner's
// child with identifier fieldId and sends its cell clicks to the game;
// returns null when the board window cannot be made. The games that end are
// recorded in gamesFolder (empty: not on disk).
std::unique_ptr<CGame> MakeWindowGame(QWidget* owner, int fieldId, CFieldWnd& field,
                                      CScoreBar& panel, CTimerHost& clockTimer,
                                      CTimerHost& playTimer, CFrameDisplay& frame,
                                      const CProfile& profile, CCuePlayer* cues,
                                      const std::string& gamesFolder = std::string());
