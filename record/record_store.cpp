#include "record/record_store.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <unistd.h>

#include "record/record_file.h"

namespace fs = std::filesystem;

namespace {

bool IsRecordName(const std::string& name) {
    const std::string suffix = kRecordSuffix;
    return name.size() > suffix.size() && name.front() != '.' &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
           name.find(kRecordTempMark) == std::string::npos;
}

std::string Padded(long long value, int width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < std::size_t(width) ? width - text.size() : 0, '0') + text;
}

} // namespace

std::vector<int> MatchHallToGames(const CHallLines& hall, const std::vector<CStoredGame>& games) {
    std::vector<int> matches(hall.size(), -1);
    // How many lines above have the same name and score: that many newer
    // records of them are taken already.
    std::map<std::pair<std::string, unsigned>, int> seen;
    for (std::size_t line = 0; line < hall.size(); ++line) {
        if (hall[line].first.empty()) continue;
        int skip = seen[hall[line]]++;
        for (int i = static_cast<int>(games.size()) - 1; i >= 0; --i) {
            if (games[i].name != hall[line].first || games[i].score != hall[line].second) continue;
            if (skip-- == 0) {
                matches[line] = i;
                break;
            }
        }
    }
    return matches;
}

std::string DefaultGamesFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') return std::string(data) + "/marbix/games";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.local/share/marbix/games";
    return {};
}

std::string CRecordStore::NewFileName() const {
    using namespace std::chrono;
    // Strictly later than the last name this process made, so that its own
    // records sort in the order they were stored.
    static long long s_lastMs = 0;
    const long long now =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const long long ms = s_lastMs = std::max(now, s_lastMs + 1);
    std::string date = RecordDate(ms / 1000); // 2026-12-07T20:37:57Z
    std::erase_if(date, [](char c) { return c == '-' || c == ':' || c == 'Z'; });
    std::replace(date.begin(), date.end(), 'T', '-');
    std::random_device entropy;
    const unsigned random = entropy() & 0xFFFFFFu;
    return date + '-' + Padded(ms % 1000, 3) + '-' + std::to_string(::getpid()) + '-' +
           Padded(random, 8) + kRecordSuffix;
}

bool CRecordStore::Store(const CGameRecord& record, const CHallLines& hall, std::string& error) {
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    if (ec) {
        error = m_folder + ": " + ec.message();
        return false;
    }
    if (!WriteRecordFile(m_folder + "/" + NewFileName(), record, error)) return false;
    Prune(hall);
    return true;
}

std::vector<CStoredGame> CRecordStore::Games() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (IsRecordName(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::vector<CStoredGame> games;
    for (const std::string& name : names) {
        CGameRecord record;
        std::string why;
        if (ReadRecordFile(m_folder + "/" + name, record, why))
            games.push_back({name, record.name, record.score});
    }
    return games;
}

std::string CRecordStore::RecordOf(const CHallLines& hall, int line) const {
    if (line < 0 || line >= static_cast<int>(hall.size())) return {};
    const std::vector<CStoredGame> games = Games();
    const int match = MatchHallToGames(hall, games)[line];
    return match < 0 ? std::string() : m_folder + "/" + games[match].file;
}

void CRecordStore::Prune(const CHallLines& hall) const {
    const std::vector<CStoredGame> games = Games();
    std::vector<bool> kept(games.size(), false);
    for (const int match : MatchHallToGames(hall, games))
        if (match >= 0) kept[match] = true;
    std::size_t others = 0;
    for (int i = static_cast<int>(games.size()) - 1; i >= 0; --i) {
        if (kept[i]) continue;
        if (others++ < kKeptOthers) continue;
        std::error_code ec;
        fs::remove(m_folder + "/" + games[i].file, ec);
    }
}
