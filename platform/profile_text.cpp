#include "platform/profile_text.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string Folded(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string KeyId(std::string_view section, std::string_view key) {
    return Folded(Trim(section)) + '\n' + Folded(Trim(key));
}

// Keys, sections and values never carry a line break or a NUL into the file.
std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return out;
}

// Reading drops the blanks around a value and then one pair of quotes, so a
// value that starts or ends with a blank, or stands in quotes itself, is put
// in quotes: it then reads back exactly as it was written.
std::string Stored(const std::string& value) {
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    return Trim(value).size() != value.size() || quoted ? '"' + value + '"' : value;
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

CProfileFile::CProfileFile(std::string text) : m_text(std::move(text)) {
    Parse();
}

// A line holding a NUL byte is not text and counts as neither section nor key;
// so do lines without '=' and ';' comments.
void CProfileFile::Parse() {
    const std::string_view data = m_text;
    std::size_t pos = data.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    std::string section;
    bool inSection = false, firstAppearance = false;
    while (pos < data.size()) {
        CLine line;
        line.begin = pos;
        const std::size_t nl = data.find('\n', pos);
        line.next = nl == std::string_view::npos ? data.size() : nl + 1;
        line.end = nl == std::string_view::npos ? data.size() : nl;
        if (line.end > line.begin && data[line.end - 1] == '\r') --line.end;
        const std::string_view text = data.substr(line.begin, line.end - line.begin);
        const std::string_view trimmed = Trim(text);
        const std::size_t index = m_lines.size();
        if (text.find('\0') != std::string_view::npos || trimmed.empty()) {
        } else if (trimmed.front() == '[') {
            const std::string_view name = trimmed.substr(1);
            section = Folded(Trim(name.substr(0, name.find(']'))));
            inSection = true;
            firstAppearance = m_sectionEnds.count(section) == 0;
        } else if (trimmed.front() != ';' && inSection) {
            const std::size_t eq = trimmed.find('=');
            const std::string_view key = eq == trimmed.npos ? "" : Trim(trimmed.substr(0, eq));
            if (!key.empty())
                m_keys.try_emplace(section + '\n' + Folded(key),
                                   std::string(Unquoted(Trim(trimmed.substr(eq + 1)))), index);
        }
        if (firstAppearance && !trimmed.empty()) m_sectionEnds[section] = index;
        line.section = inSection ? section : std::string();
        m_lines.push_back(std::move(line));
        pos = m_lines.back().next;
    }
}

const std::string* CProfileFile::Find(const std::string& section, const std::string& key) const {
    const std::string id = KeyId(section, key);
    if (auto changed = m_changeAt.find(id); changed != m_changeAt.end())
        return &m_changes[changed->second].value;
    auto read = m_keys.find(id);
    return read == m_keys.end() ? nullptr : &read->second.first;
}

unsigned CProfileFile::GetInt(const std::string& section, const std::string& key,
                              int defaultValue) const {
    const std::string* value = Find(section, key);
    if (!value) return static_cast<unsigned>(defaultValue);
    // Unsigned arithmetic: longer numbers wrap modulo 2^32 instead of overflowing.
    std::uint32_t number = 0;
    std::size_t i = 0;
    const bool negative = i < value->size() && (*value)[i] == '-';
    if (negative) ++i;
    for (; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i)
        number = number * 10u + static_cast<std::uint32_t>((*value)[i] - '0');
    return negative ? 0u - number : number;
}

std::string CProfileFile::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
    const std::string* value = Find(section, key);
    return value ? *value : defaultValue;
}

void CProfileFile::WriteInt(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void CProfileFile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
    const std::string id = KeyId(section, key);
    auto [at, added] = m_changeAt.try_emplace(id, m_changes.size());
    if (added) m_changes.push_back({OneLine(section), OneLine(key), {}});
    m_changes[at->second].value = OneLine(value);
}

// One pass: changed keys replace their line, new keys follow the last line of
// the first section of their name, new sections come at the end.
std::string CProfileFile::Text() const {
    const std::size_t firstNewline = m_text.find('\n');
    const std::string eol =
        firstNewline != std::string::npos && firstNewline > 0 && m_text[firstNewline - 1] == '\r'
            ? "\r\n"
            : "\n";
    std::unordered_map<std::size_t, std::string> replaced, appended;
    std::vector<std::string> newSections;
    std::unordered_map<std::string, std::size_t> newSectionAt;
    for (const CChange& change : m_changes) {
        const std::string keyLine = change.key + "=" + Stored(change.value);
        const std::string section = Folded(Trim(change.section));
        if (auto read = m_keys.find(KeyId(change.section, change.key)); read != m_keys.end())
            replaced[read->second.second] = keyLine;
        else if (auto end = m_sectionEnds.find(section); end != m_sectionEnds.end())
            appended[end->second] += keyLine + eol;
        else {
            auto [at, added] = newSectionAt.try_emplace(section, newSections.size());
            if (added) newSections.push_back("[" + change.section + "]" + eol);
            newSections[at->second] += keyLine + eol;
        }
    }
    std::string out;
    out.reserve(m_text.size() + 64 * m_changes.size());
    // The file's last line may end in a lone CR or in nothing; a line written
    // after it must not run on from it.
    const auto endLastLine = [&out, &eol] {
        if (!out.empty() && out.back() != '\n') out += out.back() == '\r' ? "\n" : eol;
    };
    out.append(m_text, 0, m_lines.empty() ? m_text.size() : m_lines.front().begin);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const CLine& line = m_lines[i];
        auto with = replaced.find(i);
        if (with == replaced.end())
            out.append(m_text, line.begin, line.next - line.begin);
        else
            out.append(with->second).append(m_text, line.end, line.next - line.end);
        if (auto more = appended.find(i); more != appended.end()) {
            endLastLine();
            out += more->second;
        }
    }
    for (const std::string& section : newSections) {
        endLastLine();
        out += section;
    }
    return out;
}

std::string CProfileFile::Readable() const {
    return ReadableOf(nullptr);
}

std::string CProfileFile::Fresh(const std::vector<std::string>& sections) const {
    std::vector<std::string> folded;
    folded.reserve(sections.size());
    for (const std::string& name : sections) folded.push_back(Folded(Trim(name)));
    CProfileFile fresh(ReadableOf(&folded));
    for (const CChange& change : m_changes)
        fresh.WriteString(change.section, change.key, change.value);
    return fresh.Text();
}

std::string CProfileFile::ReadableOf(const std::vector<std::string>* only) const {
    std::vector<std::string> sections;
    std::unordered_map<std::string, std::size_t> sectionAt;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const CLine& line = m_lines[i];
        const std::string_view text =
            Trim(std::string_view(m_text).substr(line.begin, line.end - line.begin));
        if (line.section.empty() || text.empty() || text.find('\0') != text.npos) continue;
        if (only && std::find(only->begin(), only->end(), line.section) == only->end()) continue;
        const bool header = text.front() == '[';
        if (!header) {
            auto read =
                m_keys.find(line.section + '\n' + Folded(Trim(text.substr(0, text.find('=')))));
            if (read == m_keys.end() || read->second.second != i) continue;
        }
        auto [at, added] = sectionAt.try_emplace(line.section, sections.size());
        if (added) sections.emplace_back();
        if (!header || added) sections[at->second].append(text).append("\n");
    }
    std::string out;
    for (const std::string& section : sections) out += section;
    return out;
}
