#include "score/hiscore_list.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

#include "score/text_length.h"

const std::string g_youMarker = "<<<--- you --->>>";
std::string g_lastName;

namespace {
const char kSection[] = "HISCORES";

std::string Key(const char* prefix, int slot) {
    return prefix + std::to_string(slot);
}
} // namespace

void CHiscoreList::LoadTable() {
    ReadTable(m_profile.Read());
    m_view->OnSetRedraw(false);
    Clear();
    for (int i = 0; i < kStored; ++i)
        if (!m_names[i].empty()) Append(i);
    m_view->OnSetRedraw(true);
    m_view->OnRepaint();
}

void CHiscoreList::ReadTable(const CProfileFile& file) {
    for (int i = 0; i < kStored; ++i) {
        m_names[i] = file.GetString(kSection, Key("PLAYER", i), "");
        m_scores[i] = file.GetInt(kSection, Key("SCORE", i), 0);
    }
}

void CHiscoreList::WriteTable(CProfileFile& file) const {
    for (int i = 0; i < kStored; ++i) {
        file.WriteString(kSection, Key("PLAYER", i), m_names[i]);
        // The profile stores signed decimal; the reader takes it back modulo 2^32.
        file.WriteInt(kSection, Key("SCORE", i), static_cast<int>(m_scores[i]));
    }
}

bool CHiscoreList::CanSave() const {
    return m_profile.None() || m_profile.Writable();
}

int CHiscoreList::SaveResult(const std::string& name, unsigned score) {
    if (m_profile.None()) return InsertEntry(name, score, false); // kept for this run
    std::string read[kSlots];
    unsigned readScores[kSlots] = {};
    int slot = -1;
    const bool saved = m_profile.Edit(
        [&](CProfileFile& file) {
            ReadTable(file);
            std::copy(std::begin(m_names), std::end(m_names), read);
            std::copy(std::begin(m_scores), std::end(m_scores), readScores);
            slot = Place(name, score);
            WriteTable(file);
        },
        &m_saveFailure);
    if (!saved && slot >= 0) {
        std::copy(std::begin(read), std::end(read), m_names);
        std::copy(std::begin(readScores), std::end(readScores), m_scores);
    }
    if (saved) m_saveFailure.clear();
    const int line = Rebuild(false, saved ? slot : -1);
    if (line >= 0) Select(line);
    return saved ? slot : -1;
}

int CHiscoreList::RemoveEntry(const std::string& name) {
    int i = 0;
    while (i < kStored && m_names[i] != name) ++i;
    // Slot 20 keeps its entry, which then stands in slots 19 and 20 alike.
    for (int k = i; k < kStored; ++k) {
        m_names[k] = m_names[k + 1];
        m_scores[k] = m_scores[k + 1];
    }
    Rebuild(false, -1);
    return i;
}

int CHiscoreList::InsertEntry(const std::string& name, unsigned score, bool showLive) {
    const int p = Place(name, score);
    // In an ordered table the entry's line is line p; in a hand-made one with
    // a vacant slot above it, its line is still the one that gets selected.
    int line = Rebuild(showLive, p);
    if (line >= 0) Select(line);
    return p;
}

int CHiscoreList::Place(const std::string& name, unsigned score) {
    m_names[kStored] = name;
    m_scores[kStored] = score;
    int p = kStored;
    for (; p > 0 && m_scores[p - 1] <= m_scores[p]; --p) {
        std::swap(m_names[p - 1], m_names[p]);
        std::swap(m_scores[p - 1], m_scores[p]);
    }
    return p;
}

std::string CHiscoreList::FormatLine(int slot) const {
    char place[16];
    std::snprintf(place, sizeof place, "%2u  ", static_cast<unsigned>(slot + 1));
    std::string line = place + m_names[slot];
    // Filled out by characters, so that UTF-8 names keep the columns too.
    for (std::size_t n = TextLength(m_names[slot]); n < 17; ++n) line += ' ';
    return line + " " + std::to_string(m_scores[slot]);
}

void CHiscoreList::Clear() {
    m_lines.clear();
    m_selected = -1;
    m_view->OnCleared();
}

void CHiscoreList::Append(int slot) {
    m_lines.push_back(FormatLine(slot));
    m_view->OnLineAppended(m_lines.back());
}

void CHiscoreList::Select(int line) {
    m_selected = line;
    m_view->OnSelected(line);
}

int CHiscoreList::Rebuild(bool withOverflow, int wanted) {
    m_view->OnSetRedraw(false);
    Clear();
    int wantedLine = -1;
    for (int k = 0; k < (withOverflow ? kSlots : kStored); ++k) {
        if (m_names[k].empty()) continue;
        if (k == wanted) wantedLine = static_cast<int>(m_lines.size());
        Append(k);
    }
    m_view->OnSetRedraw(true);
    return wantedLine;
}
