// The length of a name as a player sees it: checked against every case of
// the Unicode grapheme break test, and through the name dialog's 15-character
// rule in several scripts.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "score/name_dlg.h"
#include "score/text_length.h"

namespace {

std::string Utf8(char32_t c) {
    const int extra = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    const unsigned lead[] = {0x00, 0xC0, 0xE0, 0xF0};
    std::string s(1, static_cast<char>(lead[extra] | (c >> (6 * extra))));
    for (int k = extra - 1; k >= 0; --k) s += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    return s;
}

std::string Repeat(const std::string& part, int times) {
    std::string s;
    while (times-- > 0) s += part;
    return s;
}

} // namespace

// Each line: "÷ 0061 × 0308 ÷ 0062 ÷": the clusters are the runs between ÷.
TEST(TextLengthTest, CountsTheClustersOfEveryUnicodeBreakTestCase) {
    std::ifstream file(MARBIX_GRAPHEME_BREAK_TEST);
    ASSERT_TRUE(file) << MARBIX_GRAPHEME_BREAK_TEST << " (Debian package unicode-data)";
    int cases = 0;
    for (std::string line; std::getline(file, line);) {
        line = line.substr(0, line.find('#'));
        if (line.empty()) continue;
        std::istringstream words(line);
        std::string text;
        std::size_t clusters = 0;
        for (std::string word; words >> word;) {
            if (word == "\xC3\xB7") // ÷
                ++clusters;
            else if (word != "\xC3\x97") // ×
                text += Utf8(static_cast<char32_t>(std::stoul(word, nullptr, 16)));
        }
        EXPECT_EQ(TextLength(text), clusters - 1) << line;
        ++cases;
    }
    EXPECT_GT(cases, 500);
}

TEST(TextLengthTest, BytesThatAreNotUtf8CountOneEach) {
    EXPECT_EQ(TextLength("\xE9t\xE9"), 3u);            // Latin-1
    EXPECT_EQ(TextLength("\xA9"), 1u);                 // a stray continuation byte
    EXPECT_EQ(TextLength("\xC0\xAF"), 2u);             // an overlong slash
    EXPECT_EQ(TextLength("\xED\xA0\x80"), 3u);         // a surrogate
    EXPECT_EQ(TextLength("\xE2\x82"), 2u);             // cut short
    EXPECT_EQ(TextLength("\xF4\x90\x80\x80"), 4u);     // beyond U+10FFFF
    EXPECT_EQ(TextLength(std::string("a\0b", 3)), 3u); // a control stands alone
}

TEST(TextLengthTest, NameDialogTakes15CharactersAsAPlayerSeesThemExactlyAsTyped) {
    // Bytes, code points and clusters each count differently in the last three;
    // the clusters themselves are the break test's.
    const std::string eAcute = "e\xCC\x81"; // e + combining acute
    const std::string family = "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"; // woman ZWJ girl
    const std::string flag = "\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5";               // JP
    for (const std::string& unit : {std::string("A"), eAcute, family, flag}) {
        CNameDlg dlg(nullptr);
        dlg.SetFieldText(Repeat(unit, 15));
        EXPECT_TRUE(dlg.OnOK()) << unit;
        EXPECT_EQ(dlg.Name(), Repeat(unit, 15));
        dlg.SetFieldText(Repeat(unit, 16));
        EXPECT_FALSE(dlg.OnOK()) << unit;
        EXPECT_EQ(dlg.Name(), Repeat(unit, 15)) << "a refused name is not taken";
    }
    EXPECT_EQ(TextLength(Repeat(flag, 14) + flag.substr(0, 4)), 15u); // a lone indicator
    for (const std::string& name : {std::string(), std::string("  x  ")}) {
        CNameDlg dlg(nullptr);
        dlg.SetFieldText(name);
        EXPECT_TRUE(dlg.OnOK() && dlg.Name() == name) << "'" << name << "'";
    }
}
