#include "platform/string_table.h"

#include <charconv>
#include <string_view>
#include <unordered_map>

extern const char g_stringTableText[]; // res/strings.txt, built in

namespace {

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
            out += text[i] == 'n' ? '\n' : text[i];
        } else {
            out += text[i];
        }
    }
    return out;
}

std::unordered_map<unsigned, std::string> ParseTable() {
    std::unordered_map<unsigned, std::string> table;
    std::string_view rest(g_stringTableText);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string_view::npos) continue;
        unsigned id = 0;
        auto [ptr, ec] = std::from_chars(line.data(), line.data() + tab, id);
        if (ec != std::errc() || ptr != line.data() + tab) continue;
        table.emplace(id, Unescape(line.substr(tab + 1)));
    }
    return table;
}

} // namespace

std::string LoadString(unsigned id) {
    static const std::unordered_map<unsigned, std::string> table = ParseTable();
    auto it = table.find(id);
    return it == table.end() ? std::string() : it->second;
}

std::string LoadPrompt(unsigned id) {
    std::string text = LoadString(id);
    return text.substr(0, text.find('\n'));
}
