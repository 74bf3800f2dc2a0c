// Window timers by identifier on Qt: one repeating QTimer per identifier,
// whose ticks are handed to the owner's tick handler.
#pragma once

#include "engine/collaborators.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

class CQtTimerHost : public QObject, public CTimerHost {
    Q_OBJECT
public:
    explicit CQtTimerHost(std::function<void(unsigned)> onTick, QObject* parent = nullptr);

    // Starting an identifier that runs replaces it: the next tick comes a full
    // interval after the restart.
    unsigned SetTimer(unsigned id, unsigned milliseconds) override;
    int KillTimer(unsigned id) override;

    bool IsRunning(unsigned id) const;

private:
    std::function<void(unsigned)> m_onTick;
    std::map<unsigned, std::unique_ptr<QTimer>> m_timers;
};
