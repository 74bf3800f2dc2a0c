#include "record/playback_pace.h"

#include <algorithm>
#include <iterator>

long long CPlaybackPace::DelayBefore(const CGameRecord& record, std::size_t index) const {
    if (m_paused || index >= record.actions.size()) return -1;
    const long long before = index == 0 ? 0 : record.actions[index - 1].ms;
    const long long gap = std::clamp(record.actions[index].ms - before, 0LL, kMaxGapMs);
    return gap * 100 / SpeedPercent();
}

void CPlaybackPace::Faster() {
    if (m_speed + 1 < std::size(kSpeeds)) ++m_speed;
}

void CPlaybackPace::Slower() {
    if (m_speed > 0) --m_speed;
}
