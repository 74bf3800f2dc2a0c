// The record's text and files: what the writer writes reads back the same,
// and anything else, cut, grown, binary or hostile, is refused with a reason
// and never hangs the reader.
#include <chrono>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "record/game_record.h"
#include "record/record_file.h"
#include "scratch.h"

namespace {

CGameRecord SampleRecord() {
    using Kind = CRecordedAction::Kind;
    CGameRecord record;
    record.seed = -2147483647 - 1;
    record.classical = false;
    record.actions = {{Kind::Click, 0, 8, 0},
                      {Kind::Click, 1520, 0, 8},
                      {Kind::Undo, 1520, 0, 0},
                      {Kind::Skip, 3105, 0, 0},
                      {Kind::Expire, 34105, 0, 0}};
    record.name = "Zoë van Dijk";
    record.score = 124;
    record.date = "2026-12-07T20:37:57Z";
    record.playSeconds = 345;
    record.board = std::string(72, '0') + "1234567ag";
    return record;
}

std::string Refusal(const std::string& text) {
    CGameRecord record;
    std::string error;
    EXPECT_FALSE(ParseRecord(text, record, error)) << text.substr(0, 200);
    return error;
}

// The sample's text with line n (from 0) replaced.
std::string WithLine(std::size_t n, const std::string& line) {
    std::string text = RecordText(SampleRecord());
    std::size_t begin = 0;
    for (std::size_t i = 0; i < n; ++i) begin = text.find('\n', begin) + 1;
    return text.replace(begin, text.find('\n', begin) - begin, line);
}

TEST(RecordText, ReadsBackWhatItWrites) {
    const CGameRecord sample = SampleRecord();
    const std::string text = RecordText(sample);
    EXPECT_EQ(text.substr(0, 40), "marbix-game 1\nseed -2147483648\nstyle adv");
    CGameRecord read;
    std::string error;
    ASSERT_TRUE(ParseRecord(text, read, error)) << error;
    EXPECT_EQ(read, sample);

    CGameRecord empty; // no action, no name, classical
    empty.classical = true;
    empty.date = "1970-01-01T00:00:00Z";
    ASSERT_TRUE(ParseRecord(RecordText(empty), read, error)) << error;
    EXPECT_EQ(read, empty);

    std::string crlf;
    for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(ParseRecord(crlf, read, error)) << error;
    EXPECT_EQ(read, sample);
}

TEST(RecordText, EveryCutIsRefused) {
    const std::string text = RecordText(SampleRecord());
    for (std::size_t size = 0; size < text.size(); ++size) {
        const std::string error = Refusal(text.substr(0, size));
        EXPECT_FALSE(error.empty()) << size;
    }
    EXPECT_EQ(Refusal(text.substr(0, text.size() - 1)), "the file is cut short");
    EXPECT_EQ(Refusal(text.substr(0, text.find("name"))), "the file ends early");
}

TEST(RecordText, RefusesWhatTheWriterNeverWrites) {
    const std::string text = RecordText(SampleRecord());
    EXPECT_EQ(Refusal(""), "not a recorded game of Marbix");
    EXPECT_EQ(Refusal("PK\x03\x04" + text), "not a recorded game of Marbix");
    EXPECT_EQ(Refusal(text + std::string(1, '\0')), "not a recorded game of Marbix (binary data)");
    EXPECT_EQ(Refusal(WithLine(0, "marbix-game 2")),
              "a recorded game of another version of the format (\"2\"; this program reads "
              "version 1)");
    EXPECT_EQ(Refusal(WithLine(3, "click 0 -1 0")),
              "line 4: not an action of the game: \"click 0 -1 0\"");
    for (const char* bad :
         {"click 0 9 0", "click 0 0 9", "click 0 0", "click 0 0 0 0", "click -1 0 0", "undo",
          "undo 99999999999", "skip 4000 1", "move 0 1 1", "click  0 0 0", "click 0x1 0 0"})
        EXPECT_NE(Refusal(WithLine(4, bad)).find("line 5: not an action"), std::string::npos)
            << bad;
    EXPECT_EQ(Refusal(WithLine(5, "undo 1519")),
              "line 6: not an action of the game: \"undo 1519\"");
    EXPECT_EQ(Refusal(WithLine(1, "seed 2147483648")), "line 2: no seed");
    EXPECT_EQ(Refusal(WithLine(2, "style modern")), "line 3: no style");
    EXPECT_EQ(Refusal(WithLine(8, "name " + std::string(61, 'x'))),
              "line 9: a name that is too long or holds control characters");
    EXPECT_EQ(Refusal(WithLine(8, "name a\tb")),
              "line 9: a name that is too long or holds control characters");
    EXPECT_EQ(Refusal(WithLine(9, "score 1000000001")), "line 10: no score");
    EXPECT_EQ(Refusal(WithLine(10, "date 2026-12-07 20:37:57")), "line 11: no date");
    EXPECT_EQ(Refusal(WithLine(12, "board " + std::string(80, '0'))), "line 13: no board");
    EXPECT_EQ(Refusal(WithLine(12, "board " + std::string(80, '0') + "8")), "line 13: no board");
    EXPECT_EQ(Refusal(text + "\n"), "line 14: more lines after the board");
}

TEST(RecordText, ManyActionsAreRefusedQuickly) {
    CGameRecord record = SampleRecord();
    record.actions.assign(CGameRecord::kMaxActions, {CRecordedAction::Kind::Skip, 7, 0, 0});
    CGameRecord read;
    std::string error;
    ASSERT_TRUE(ParseRecord(RecordText(record), read, error)) << error;
    EXPECT_EQ(read.actions.size(), CGameRecord::kMaxActions);

    std::string million = "marbix-game 1\nseed 1\nstyle advanced\n";
    for (int i = 0; i < 1000000; ++i) million += "undo 1\n";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Refusal(million), "the file is larger than 4 MiB");
    million.resize(CGameRecord::kMaxBytes - 100);
    EXPECT_EQ(Refusal(million), "line 100004: more than 100000 actions");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// Written whole, nothing left beside it; read only from a regular file, and
// never waiting for a writer or reading a huge file to its end.
TEST(RecordFile, WritesWholeAndReadsOnlyARegularFile) {
    const CScratchFolder scratch;
    const std::string& dir = scratch.m_dir;
    ASSERT_FALSE(dir.empty());
    const std::string path = dir + "/one.marbix-game";
    std::string error;
    ASSERT_TRUE(WriteRecordFile(path, SampleRecord(), error)) << error;
    CGameRecord read;
    ASSERT_TRUE(ReadRecordFile(path, read, error)) << error;
    EXPECT_EQ(read, SampleRecord());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    EXPECT_FALSE(WriteRecordFile(dir + "/missing/two.marbix-game", SampleRecord(), error));
    EXPECT_EQ(error, dir + "/missing/two.marbix-game: No such file or directory");

    const std::string fifo = dir + "/pipe.marbix-game", huge = dir + "/huge.marbix-game";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::resize_file(scratch.Write("huge.marbix-game", std::string("marbix-game 1\n")),
                                 std::uintmax_t{1} << 32);
    for (const auto& [file, why] : {std::pair(dir, "Is a directory"),
                                    {dir + "/none", "No such file or directory"},
                                    {fifo, "not a regular file"},
                                    {huge, "the file is larger than 4 MiB"}}) {
        EXPECT_FALSE(ReadRecordFile(file, read, error)) << file;
        EXPECT_EQ(error, file + ": " + why);
    }
}

} // namespace
