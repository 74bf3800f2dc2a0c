#include "platform/timer_host.h"

namespace {

// The real-window tests run the game's clocks faster: MARBIX_TEST_SECOND_MS
// is how long one of their seconds lasts, in milliseconds.
unsigned Scaled(unsigned milliseconds) {
    static const int second = qEnvironmentVariableIntValue("MARBIX_TEST_SECOND_MS");
    return second > 0 ? milliseconds / 1000 * static_cast<unsigned>(second) : milliseconds;
}

} // namespace

CQtTimerHost::CQtTimerHost(std::function<void(unsigned)> onTick, QObject* parent)
    : QObject(parent), m_onTick(std::move(onTick)) {}

unsigned CQtTimerHost::SetTimer(unsigned id, unsigned milliseconds) {
    if (id == 0) return 0;
    auto& timer = m_timers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>(this);
        timer->setTimerType(Qt::CoarseTimer);
        connect(timer.get(), &QTimer::timeout, this, [this, id] { m_onTick(id); });
    }
    timer->start(static_cast<int>(Scaled(milliseconds)));
    return id;
}

int CQtTimerHost::KillTimer(unsigned id) {
    auto it = m_timers.find(id);
    if (it == m_timers.end() || !it->second->isActive()) return 0;
    it->second->stop();
    return 1;
}

bool CQtTimerHost::IsRunning(unsigned id) const {
    auto it = m_timers.find(id);
    return it != m_timers.end() && it->second->isActive();
}
