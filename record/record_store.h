// The folder of recorded games, $XDG_DATA_HOME/marbix/games: one file per
// game, named by the time it was stored, the process and a random part, so
// that two running copies never pick the same name; the names sort oldest
// first. Kept are every game whose result stands in the hall of fame and the
// last kKeptOthers others; older ones are removed when a game is stored.
//
// The hall of fame keeps names and scores only. A line is tied to a record
// by its name and score: of the lines with the same name and score, the
// highest is the newest such result (a result goes above its equals), so the
// n-th of them is the n-th newest record with that name and score.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "record/game_record.h"

// The hall of fame's stored lines, best first: name and score.
using CHallLines = std::vector<std::pair<std::string, unsigned>>;

// A record file of the folder, as far as the hall of fame needs it.
struct CStoredGame {
    std::string file; // name within the folder
    std::string name;
    unsigned score = 0;
};

// For each hall line, the index in games (oldest first) of its record, or -1.
std::vector<int> MatchHallToGames(const CHallLines& hall, const std::vector<CStoredGame>& games);

// $XDG_DATA_HOME/marbix/games when XDG_DATA_HOME is an absolute path, else
// $HOME/.local/share/marbix/games; empty when neither can be had.
std::string DefaultGamesFolder();

class CRecordStore {
public:
    static constexpr std::size_t kKeptOthers = 20;

    explicit CRecordStore(std::string folder) : m_folder(std::move(folder)) {}

    // Writes the record as a new file of the folder (made when missing), then
    // removes what is no longer kept given the hall of fame as it stands now.
    // False with "PATH: REASON" in error when the record could not be written.
    bool Store(const CGameRecord& record, const CHallLines& hall, std::string& error);

    // The readable records of the folder, oldest first; temporary files and
    // files of other names are passed over.
    std::vector<CStoredGame> Games() const;

    // The path of the record of hall line `line`, or empty when it has none.
    std::string RecordOf(const CHallLines& hall, int line) const;

    // Removes every record neither tied to a hall line nor among the last
    // kKeptOthers others.
    void Prune(const CHallLines& hall) const;

    const std::string& Folder() const { return m_folder; }

private:
    std::string NewFileName() const;

    std::string m_folder;
};
