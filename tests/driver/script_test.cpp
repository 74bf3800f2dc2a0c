#include <gtest/gtest.h>

#include "script.h"

namespace {

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

TEST(Script, BlankLinesAndCommentsAreSkipped) {
    for (const char* line : {"", "   ", "\t", "# start", "#", "\r"})
        EXPECT_EQ(Parse(line).kind, CScriptCommand::None);
}

TEST(Script, NumbersAndTheirLimits) {
    EXPECT_EQ(Parse("tick").number, 1);
    EXPECT_EQ(Parse("tick 0").number, 0);
    EXPECT_EQ(Parse("tick 4294967295").number, 4294967295LL);
    EXPECT_EQ(Parse("click -5").number, -5);
    EXPECT_EQ(Parse("click 9223372036854775807").number, 9223372036854775807LL);
    EXPECT_EQ(Parse("click -9223372036854775808").number, INT64_MIN);
    EXPECT_EQ(Parse("seed 2147483647").number, 2147483647);
    EXPECT_EQ(Parse("seed 2147483648").number, -2147483648LL);
    EXPECT_EQ(Parse("seed 18446744073709551617").number, 1);
    EXPECT_EQ(Parse("seed -1").number, -1);
    EXPECT_EQ(Parse("pause 7\r").number, 7);

    for (const char* line : {"tick -1", "tick 4294967296", "tick  1", "tick 1 ", "pause x",
                             "click 9223372036854775808", "click -9223372036854775809", "click +3",
                             "seed", "seed -", "seed 1.5", "click 0x10"})
        EXPECT_FALSE(Error(line).empty()) << line;
    EXPECT_EQ(Error("pause"), "pause needs an argument");
}

TEST(Script, NamesKeepTheirWholeText) {
    EXPECT_EQ(Parse("name Ann  Lee ").text, "Ann  Lee ");
    const CScriptCommand empty = Parse("name ");
    EXPECT_EQ(empty.kind, CScriptCommand::Name);
    EXPECT_EQ(empty.text, "");
}

TEST(Script, WordsAreExact) {
    EXPECT_EQ(Parse("sound on").number, 1);
    EXPECT_EQ(Parse("sound off").number, 0);
    EXPECT_EQ(Error("Start"), "unknown command 'Start'");
    EXPECT_EQ(Error(" start"), "unknown command ''");
    EXPECT_EQ(Error("undo now"), "undo takes no argument");
}

} // namespace
