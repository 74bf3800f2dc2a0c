#include "app/game.h"

CBoardLook CGame::s_noLook;
CScoreDisplay CGame::s_noScoreDisplay;
CFrameDisplay CGame::s_noFrameDisplay;
CCueForwarder CGame::s_noCues;

namespace {
template <class T> T& Or(T* given, T& none) {
    return given ? *given : none;
}
} // namespace

CGame::CGame(const CGameParts& parts)
    : m_cues(Or<CCuePlayer>(parts.cues, s_noCues)), m_hiscores(parts.profile, parts.hallView),
      m_scoreBar(*this, *parts.clockTimers, m_hiscores, parts.nameHost,
                 Or(parts.scoreDisplay, s_noScoreDisplay), m_cues),
      m_frame(m_field, m_scoreBar, *parts.playTimers, Or(parts.frameDisplay, s_noFrameDisplay)),
      m_field(parts.cells, m_scoreBar, m_frame, Or(parts.look, s_noLook), m_cues, parts.seed),
      m_recorder(m_field, m_scoreBar, m_frame, m_hiscores, parts.gamesFolder) {
    m_field.SetPlayLog(&m_recorder);
    m_scoreBar.Init();
}
