#include "script.h"

#include <cstdint>
#include <limits>

namespace {

// What an error quotes of a bad line: enough to find it, never megabytes.
constexpr std::size_t kQuoteMax = 200;

// The text, or its first kQuoteMax bytes at most, cut before a character
// (never inside a UTF-8 sequence), and "…".
std::string Quoted(std::string_view text) {
    if (text.size() <= kQuoteMax) return std::string(text);
    std::size_t cut = kQuoteMax;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "…";
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// A decimal integer of any length, taken modulo 2^32 as a signed value.
bool ParseSeed(std::string_view text, long long& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (!AllDigits(text)) return false;
    std::uint32_t v = 0;
    for (char c : text) v = v * 10u + static_cast<std::uint32_t>(c - '0');
    if (negative) v = 0u - v;
    value = static_cast<std::int32_t>(v);
    return true;
}

// A decimal integer between min and max.
bool ParseRange(std::string_view text, long long min, long long max, long long& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (!AllDigits(text)) return false;
    // Accumulate negatively so that the smallest value fits too.
    long long v = 0;
    const long long lowest = std::numeric_limits<long long>::min();
    for (char c : text) {
        const int digit = c - '0';
        if (v < (lowest + digit) / 10) return false;
        v = v * 10 - digit;
    }
    if (!negative) {
        if (v == lowest) return false;
        v = -v;
    }
    if (v < min || v > max) return false;
    value = v;
    return true;
}

struct CKeyword {
    std::string_view word;
    CScriptCommand::Kind kind;
};

constexpr CKeyword kPlain[] = {
    {"start", CScriptCommand::Start},
    {"stop", CScriptCommand::Stop},
    {"undo", CScriptCommand::Undo},
    {"skip", CScriptCommand::Skip},
    {"classical", CScriptCommand::Classical},
    {"advanced", CScriptCommand::Advanced},
    {"ok", CScriptCommand::Ok},
    {"escape", CScriptCommand::Escape},
    {"show", CScriptCommand::Show},
};

bool ParseArgument(std::string_view word, std::string_view arg, CScriptCommand& command,
                   std::string& error) {
    constexpr long long kCountMax = std::numeric_limits<std::uint32_t>::max();
    auto malformed = [&] {
        error = "malformed number '" + Quoted(arg) + "'";
        return false;
    };
    if (word == "seed") {
        command.kind = CScriptCommand::Seed;
        return ParseSeed(arg, command.number) || malformed();
    }
    if (word == "click") {
        command.kind = CScriptCommand::Click;
        return ParseRange(arg, std::numeric_limits<long long>::min(),
                          std::numeric_limits<long long>::max(), command.number) ||
               malformed();
    }
    if (word == "tick" || word == "pause") {
        command.kind = word == "tick" ? CScriptCommand::Tick : CScriptCommand::Pause;
        return ParseRange(arg, 0, kCountMax, command.number) || malformed();
    }
    if (word == "sound") {
        command.kind = CScriptCommand::Sound;
        if (arg != "on" && arg != "off") {
            error = "sound takes 'on' or 'off', not '" + Quoted(arg) + "'";
            return false;
        }
        command.number = arg == "on" ? 1 : 0;
        return true;
    }
    if (word == "name") {
        command.kind = CScriptCommand::Name;
        command.text = std::string(arg);
        return true;
    }
    for (const CKeyword& keyword : kPlain) {
        if (keyword.word == word) {
            error = std::string(word) + " takes no argument";
            return false;
        }
    }
    error = "unknown command '" + Quoted(word) + "'";
    return false;
}

} // namespace

bool ParseScriptLine(std::string_view line, CScriptCommand& command, std::string& error) {
    command = CScriptCommand{};
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (IsBlank(line) || line.front() == '#') return true;

    const std::size_t space = line.find(' ');
    const std::string_view word = line.substr(0, space);
    if (space != std::string_view::npos)
        return ParseArgument(word, line.substr(space + 1), command, error);

    for (const CKeyword& keyword : kPlain) {
        if (keyword.word == word) {
            command.kind = keyword.kind;
            return true;
        }
    }
    if (word == "tick") {
        command.kind = CScriptCommand::Tick;
        command.number = 1;
        return true;
    }
    if (word == "seed" || word == "click" || word == "pause" || word == "sound" || word == "name") {
        error = std::string(word) + " needs an argument";
        return false;
    }
    error = "unknown command '" + Quoted(word) + "'";
    return false;
}
