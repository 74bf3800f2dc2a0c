#include "app/window_game.h"

std::unique_ptr<CGame> MakeWindowGame(QWidget* owner, int fieldId, CFieldWnd& field,
                                      CScoreBar& panel, CTimerHost& clockTimer,
                                      CTimerHost& playTimer, CFrameDisplay& frame,
                                      const CProfile& profile, CCuePlayer* cues,
                                      const std::string& gamesFolder) {
    CGameParts parts;
    parts.cells = field.Cells();
    parts.clockTimers = &clockTimer;
    parts.playTimers = &playTimer;
    parts.look = &field;
    parts.scoreDisplay = &panel;
    parts.hallView = panel.m_list;
    parts.frameDisplay = &frame;
    parts.nameHost = &panel.m_nameWindow;
    parts.profile = profile;
    parts.cues = cues;
    parts.gamesFolder = gamesFolder;
    auto game = std::make_unique<CGame>(parts);
    if (!field.Create(owner, fieldId)) return nullptr;
    CGame* target = game.get();
    QObject::connect(&field, &CFieldWnd::CellCommand, &field,
                     [target](long long id) { target->Field().OnCommand(id); });
    return game;
}
