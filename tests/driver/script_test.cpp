#include <gtest/gtest.h>

#include <string>

#include "script.h"

namespace {

using namespace std::string_literals;

CScriptCommand Parse(const std::string& line) {
    CScriptCommand command;
    std::string error;
    EXPECT_TRUE(ParseScriptLine(line, command, error)) << line << ": " << error;
    return command;
}

std::string Error(const std::string& line) {
    CScriptCommand command;
    std::string error;
    EXPECT_FALSE(ParseScriptLine(line, command, error)) << line;
    return error;
}

TEST(Script, NumbersAreReadToTheirLimitsAndAnythingElseIsRefused) {
    for (const char* line : {"", "   ", "\t", "# start", "#", "\r"})
        EXPECT_EQ(Parse(line).kind, CScriptCommand::None) << line;
    for (auto [line, number] : {std::pair<const char*, long long>{"tick", 1},
                                {"tick 0", 0},
                                {"tick 4294967295", 4294967295LL},
                                {"click 9223372036854775807", INT64_MAX},
                                {"click -9223372036854775808", INT64_MIN},
                                {"seed 2147483648", -2147483648LL},
                                {"seed 18446744073709551617", 1},
                                {"pause 7\r", 7}})
        EXPECT_EQ(Parse(line).number, number) << line;
    EXPECT_EQ(std::pair(Parse("name Ann  Lee ").text, Parse("name ").kind),
              std::pair(std::string("Ann  Lee "), CScriptCommand::Name));
    for (const char* line : {"tick -1", "tick 4294967296", "tick  1", "tick 1 ", "pause x",
                             "click 9223372036854775808", "click -9223372036854775809", "click +3",
                             "seed", "seed -", "seed 1.5", "click 0x10", "Start", "undo now"})
        EXPECT_FALSE(Error(line).empty()) << line;
    EXPECT_EQ(std::pair(Error("pause"), Error(" start")),
              std::pair(std::string("pause needs an argument"), std::string("unknown command ''")));
}

// A bad line of any length is quoted back in a few hundred bytes at most,
// cut between whole UTF-8 characters, and whole when it is short.
TEST(Script, ALongBadLineIsQuotedCutBeforeACharacter) {
    EXPECT_EQ(Error("seed 12x"), "malformed number '12x'");
    const std::string e = "\xC3\xA9"; // two bytes
    for (const std::string& head : {std::string(), std::string("x")}) {
        std::string word = head;
        while (word.size() < 10'000'000) word += e;
        for (const auto& [line, prefix] :
             {std::pair(word, "unknown command '"s),
              std::pair("sound " + word, "sound takes 'on' or 'off', not '"s),
              std::pair("click " + word, "malformed number '"s)}) {
            const std::string error = Error(line);
            ASSERT_LT(error.size(), 400u);
            const std::size_t quoted = error.size() - prefix.size() - std::string("…'").size();
            EXPECT_EQ(error, prefix + word.substr(0, quoted) + "…'");
            EXPECT_GE(quoted, 150u);
            EXPECT_EQ((quoted - head.size()) % 2, 0u) << "a character cut in two";
        }
    }
}

} // namespace
