// A whole game played by random clicks, Skips, Undos, clock ticks and the
// rare Stop, through the frame's commands as the window would play it, with
// the recorder's clock in the test's hand.
#pragma once

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "app/headless_game.h"

// A game played by random actions through the frame's commands and the
// clock's ticks, as the window would play it.
class CPlayedGame {
public:
    explicit CPlayedGame(unsigned seed, const CProfile& profile = CProfile(),
                         const std::string& folder = std::string())
        : m_random(seed), m_game(Parts(profile, folder)), m_cells(m_game.m_cells) {
        m_game.Recorder().SetClock([this] { return m_ms; });
    }

    // Plays one game to its end (or Stop), answering the name dialog with name.
    void PlayOne(const std::string& name) {
        m_answers.Push({CQueuedNameAnswers::Kind::Name, name});
        m_game.Field().SetSeed(static_cast<int>(m_random()));
        m_game.Frame().OnCommand(ID_GAME_START);
        while (m_game.Frame().Running()) Step();
    }

    void Step() {
        m_ms += m_random() % 3000;
        const unsigned roll = m_random() % 1000;
        if (roll < 850)
            Click();
        else if (roll < 900)
            m_game.Frame().OnCommand(ID_GAME_SKIP);
        else if (roll < 960)
            m_game.Frame().OnCommand(ID_GAME_UNDO);
        else if (roll < 998)
            for (int i = 0; i < 31; ++i) m_game.Score().OnTimer(CScoreKeeper::kClockTimer);
        else
            m_game.Frame().OnCommand(ID_GAME_STOP);
    }

    void Click() {
        const bool wantBall = (m_game.Field().SelCol() == -1) == (m_random() % 4 != 0);
        int index = static_cast<int>(m_random() % 81);
        for (int tries = 0; tries < 81 && HoldsBall(m_cells[index]) != wantBall; ++tries)
            index = (index + 1) % 81;
        m_game.Field().OnCommand(CellCommandId(IndexCol(index), IndexRow(index)));
    }

    bool BoardFull() const { return std::none_of(m_cells.begin(), m_cells.end(), IsEmptyForDeal); }

    CGameParts Parts(const CProfile& profile, const std::string& folder) {
        CGameParts parts;
        parts.nameHost = &m_answers;
        parts.profile = profile;
        parts.gamesFolder = folder;
        return parts;
    }

    std::mt19937 m_random;
    long long m_ms = 0;
    CQueuedNameAnswers m_answers;
    CHeadlessGame<> m_game;
    const std::array<CPlainCell, kBoardCells>& m_cells;
};
