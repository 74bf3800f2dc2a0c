#include "score/name_dlg.h"

#include "hall_fixture.h"

namespace {

using NameDlgTest = HallTest;

const std::string k15 = "ABCDEFGHIJKLMNO", k16 = k15 + "P";
std::string Letters(int count, const std::string& letter) { // of two bytes each
    return count ? letter + Letters(count - 1, letter) : "";
}

TEST_F(NameDlgTest, OffersEveryStoredNameOnceSortedWithoutRegardToCase) {
    CHiscoreList list;
    const char* names[] = {"bolt", "Ace",  g_youMarker.c_str(), "Ace",      "ace",
                           "Ace",  "Bolt", "-unknown-",         "-unknown-"};
    std::vector<std::pair<std::string, unsigned>> table;
    for (const char* name : names) table.emplace_back(name, 0);
    Fill(list, table);
    CNameDlg dlg(&list);
    dlg.OnInitDialog();
    // Names equal but for case stand apart, upper case first; the vacant slots
    // give one empty item.
    EXPECT_EQ(dlg.Items(), (Lines{"", "-unknown-", "Ace", "ace", "Bolt", "bolt"}));

    FillFull(list); // "-unknown-" is offered anyway, and no empty item
    list.InsertEntry("Overflow", 0, true);
    CNameDlg full(&list);
    full.OnInitDialog();
    EXPECT_EQ(full.Items(), (Lines{"-unknown-", "P1",  "P10", "P11", "P12", "P13", "P14",
                                   "P15",       "P16", "P17", "P18", "P19", "P2",  "P20",
                                   "P3",        "P4",  "P5",  "P6",  "P7",  "P8",  "P9"}));
}

TEST_F(NameDlgTest, FieldShowsTheFirstItemBeginningWithTheLastName) {
    CHiscoreList list;
    Fill(list, {{"Bolt", 50}, {"Ace", 40}, {"Bolton", 30}});
    struct Case {
        std::string last, field;
        int sel;
    };
    // Items: "", "-unknown-", "Ace", "Bolt", "Bolton".
    for (const Case& c : {Case{"ace", "Ace", 2}, Case{"Bol", "Bolt", 3}, Case{"BOLTO", "Bolton", 4},
                          Case{"Zed", "Zed", -1}, Case{"", "", -1}, Case{"-UNK", "-unknown-", 1}}) {
        g_lastName = c.last;
        CNameDlg dlg(&list);
        dlg.OnInitDialog();
        EXPECT_EQ(std::tuple(dlg.FieldText(), dlg.CurSel(), dlg.Name()),
                  std::tuple(c.field, c.sel, c.last));
    }
}

TEST_F(NameDlgTest, OkTakesAtMost15Characters) {
    CHiscoreList list;
    g_lastName = "Ann";
    CNameDlg dlg(&list);
    dlg.OnInitDialog();
    for (const std::string& good :
         {k15, Letters(15, "\xC3\xA9"), std::string(), std::string("  x  ")}) {
        dlg.SetFieldText(good);
        EXPECT_TRUE(dlg.OnOK() && dlg.Name() == good) << good; // exactly as typed, blanks kept
    }
    dlg.SetFieldText("Ann");
    ASSERT_TRUE(dlg.OnOK());
    for (const std::string& bad : {k16, Letters(16, "\xC3\x84")}) {
        dlg.SetFieldText(bad);
        EXPECT_FALSE(dlg.OnOK() || dlg.Name() != "Ann") << bad; // a refused name is not taken
    }
    EXPECT_EQ(CNameDlg::MaxCharsMessage(), "Please enter no more than 15 characters.");
}

} // namespace
