#include "record/game_record.h"

#include <charconv>
#include <ctime>

namespace {

constexpr std::string_view kMagic = "marbix-game";

const char* KindWord(CRecordedAction::Kind kind) {
    switch (kind) {
    case CRecordedAction::Kind::Click:
        return "click";
    case CRecordedAction::Kind::Undo:
        return "undo";
    case CRecordedAction::Kind::Skip:
        return "skip";
    case CRecordedAction::Kind::Expire:
        return "expire";
    }
    return "";
}

// The lines of a text, one at a time; each must end with a line break (a
// carriage return before it is dropped).
class CLineReader {
public:
    explicit CLineReader(std::string_view text) : m_text(text) {}

    bool Next(std::string_view& line) {
        if (m_pos >= m_text.size()) return false;
        const std::size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos) {
            m_unterminated = true;
            return false;
        }
        line = m_text.substr(m_pos, end - m_pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        m_pos = end + 1;
        ++m_number;
        return true;
    }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    bool Unterminated() const { return m_unterminated; }
    long long Number() const { return m_number; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    long long m_number = 0;
    bool m_unterminated = false;
};

// Splits "word rest" at the first blank.
void SplitWord(std::string_view line, std::string_view& word, std::string_view& rest) {
    const std::size_t blank = line.find(' ');
    word = line.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
}

// A decimal number in [low, high], nothing else in the field.
template <class T> bool ReadNumber(std::string_view field, T low, T high, T& value) {
    if (field.empty() || field.size() > 20) return false;
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

bool ReadFields(std::string_view rest, std::string_view (&fields)[3], int count) {
    for (int i = 0; i < count; ++i) {
        const std::size_t blank = rest.find(' ');
        fields[i] = rest.substr(0, blank);
        if (fields[i].empty()) return false;
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
        if (i + 1 < count && blank == std::string_view::npos) return false;
        if (i + 1 == count && blank != std::string_view::npos) return false;
    }
    return true;
}

bool ReadAction(std::string_view word, std::string_view rest, long long lastMs,
                CRecordedAction& action) {
    using Kind = CRecordedAction::Kind;
    if (word == "click")
        action.kind = Kind::Click;
    else if (word == "undo")
        action.kind = Kind::Undo;
    else if (word == "skip")
        action.kind = Kind::Skip;
    else if (word == "expire")
        action.kind = Kind::Expire;
    else
        return false;
    const int count = action.kind == Kind::Click ? 3 : 1;
    std::string_view fields[3];
    if (!ReadFields(rest, fields, count)) return false;
    if (!ReadNumber(fields[0], lastMs, CGameRecord::kMaxMs, action.ms)) return false;
    action.col = action.row = 0;
    return count == 1 ||
           (ReadNumber(fields[1], 0, 8, action.col) && ReadNumber(fields[2], 0, 8, action.row));
}

bool IsName(std::string_view name) {
    if (name.size() > CGameRecord::kMaxNameBytes) return false;
    for (const unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

bool IsDate(std::string_view date) {
    constexpr std::string_view kPattern = "dddd-dd-ddTdd:dd:ddZ";
    if (date.size() != kPattern.size()) return false;
    for (std::size_t i = 0; i < date.size(); ++i) {
        const bool digit = date[i] >= '0' && date[i] <= '9';
        if (kPattern[i] == 'd' ? !digit : date[i] != kPattern[i]) return false;
    }
    return true;
}

bool IsBoard(std::string_view board) {
    if (board.size() != CGameRecord::kBoardChars) return false;
    for (const char c : board)
        if (!((c >= '0' && c <= '7') || (c >= 'a' && c <= 'g'))) return false;
    return true;
}

// The parse of the lines after the first: what each line must be, in order.
class CRecordParser {
public:
    CRecordParser(CLineReader& lines, CGameRecord& record, std::string& error)
        : m_lines(lines), m_record(record), m_error(error) {}

    bool Run() {
        std::string_view value;
        if (!Fact("seed", value) || !ReadNumber(value, -2147483647 - 1, 2147483647, m_record.seed))
            return Fail("no seed");
        if (!Fact("style", value) || (value != "advanced" && value != "classical"))
            return Fail("no style");
        m_record.classical = value == "classical";
        if (!Actions()) return false;
        if (!IsName(m_value)) return Fail("a name that is too long or holds control characters");
        m_record.name = m_value;
        if (!Fact("score", value) ||
            !ReadNumber(value, 0u, CGameRecord::kMaxNumber, m_record.score))
            return Fail("no score");
        if (!Fact("date", value) || !IsDate(value)) return Fail("no date");
        m_record.date = value;
        if (!Fact("playtime", value) ||
            !ReadNumber(value, 0u, CGameRecord::kMaxNumber, m_record.playSeconds))
            return Fail("no playing time");
        if (!Fact("board", value) || !IsBoard(value)) return Fail("no board");
        m_record.board = value;
        std::string_view extra;
        if (m_lines.Next(extra) || !m_lines.AtEnd()) return Fail("more lines after the board");
        return true;
    }

private:
    // The actions up to the name line, whose value is left in m_value.
    bool Actions() {
        m_record.actions.clear();
        std::string_view line;
        while (NextLine(line)) {
            std::string_view word;
            SplitWord(line, word, m_value);
            if (word == "name") return true;
            if (m_record.actions.size() == CGameRecord::kMaxActions)
                return Fail("more than 100000 actions");
            CRecordedAction action;
            const long long lastMs = m_record.actions.empty() ? 0 : m_record.actions.back().ms;
            if (!ReadAction(word, m_value, lastMs, action))
                return Fail("not an action of the game: \"" + Shown(line) + "\"");
            m_record.actions.push_back(action);
        }
        return Fail("no name");
    }

    bool Fact(std::string_view key, std::string_view& value) {
        std::string_view line, word;
        if (!NextLine(line)) return false;
        SplitWord(line, word, value);
        return word == key;
    }

    bool NextLine(std::string_view& line) {
        if (m_lines.Next(line)) return true;
        m_truncated = true;
        return false;
    }

    bool Fail(const std::string& what) {
        if (m_truncated)
            m_error = m_lines.Unterminated() ? "the file is cut short" : "the file ends early";
        else
            m_error = "line " + std::to_string(m_lines.Number()) + ": " + what;
        return false;
    }

    static std::string Shown(std::string_view line) {
        std::string shown;
        for (const char c : line.substr(0, 40))
            shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
        return line.size() > 40 ? shown + "..." : shown;
    }

    CLineReader& m_lines;
    CGameRecord& m_record;
    std::string& m_error;
    std::string_view m_value;
    bool m_truncated = false;
};

} // namespace

std::string RecordText(const CGameRecord& record) {
    std::string text = std::string(kMagic) + ' ' + std::to_string(CGameRecord::kVersion) + '\n';
    text += "seed " + std::to_string(record.seed) + '\n';
    text += record.classical ? "style classical\n" : "style advanced\n";
    for (const CRecordedAction& action : record.actions) {
        text += KindWord(action.kind);
        text += ' ' + std::to_string(action.ms);
        if (action.kind == CRecordedAction::Kind::Click)
            text += ' ' + std::to_string(action.col) + ' ' + std::to_string(action.row);
        text += '\n';
    }
    text += "name " + record.name + '\n';
    text += "score " + std::to_string(record.score) + '\n';
    text += "date " + record.date + '\n';
    text += "playtime " + std::to_string(record.playSeconds) + '\n';
    text += "board " + record.board + '\n';
    return text;
}

bool ParseRecord(std::string_view text, CGameRecord& record, std::string& error) {
    if (text.size() > CGameRecord::kMaxBytes) {
        error = "the file is larger than 4 MiB";
        return false;
    }
    if (text.find('\0') != std::string_view::npos) {
        error = "not a recorded game of Marbix (binary data)";
        return false;
    }
    CLineReader lines(text);
    std::string_view first, word, version;
    if (!lines.Next(first) || (SplitWord(first, word, version), word != kMagic)) {
        error = "not a recorded game of Marbix";
        return false;
    }
    if (version != std::to_string(CGameRecord::kVersion)) {
        error = "a recorded game of another version of the format (\"" +
                std::string(version.substr(0, 20)) + "\"; this program reads version 1)";
        return false;
    }
    CGameRecord read;
    if (!CRecordParser(lines, read, error).Run()) return false;
    record = std::move(read);
    return true;
}

char BoardChar(int colour, bool preview) {
    if (colour < 1 || colour > 7) return '0';
    return static_cast<char>(preview ? 'a' + colour - 1 : '0' + colour);
}

std::string RecordDate(long long secondsSince1970) {
    const std::time_t time = static_cast<std::time_t>(secondsSince1970);
    std::tm parts{};
    char text[32] = "1970-01-01T00:00:00Z";
    if (::gmtime_r(&time, &parts)) std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}
