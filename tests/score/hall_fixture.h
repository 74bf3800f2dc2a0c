// A hall of fame on a private profile file in a temporary directory.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/cue.h"
#include "engine/manual_timers.h"
#include "engine/settings.h"
#include "platform/profile.h"
#include "score/hiscore_list.h"
#include "score/name_dlg.h"
#include "score/score_keeper.h"

using Lines = std::vector<std::string>;

// A score panel on a table, without a board or a display.
struct CPanel : CMoveExpiry {
    CPanel(CHiscoreList& list, CNameDlgHost* names)
        : m_keeper(*this, m_timers, list, names, m_display) {
        m_keeper.Init();
    }
    void MoveExpired() override {}
    CManualTimers m_timers;
    CScoreDisplay m_display;
    CScoreKeeper m_keeper;
};

class HallTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/marbix-hall-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        SetProfilePath((m_dir / "marbix.INI").string());
        g_lastName.clear();
    }
    void TearDown() override {
        SetProfilePath("");
        g_lastName.clear();
        std::filesystem::remove_all(m_dir);
    }

    // Stores these results in the profile, slots from the top, the rest
    // vacant, and loads the table from it.
    static void Fill(CHiscoreList& list, const std::vector<std::pair<std::string, unsigned>>& all) {
        ASSERT_TRUE(EditProfile([&all](CProfileFile& file) {
            for (std::size_t i = 0; i < CHiscoreList::kStored; ++i) {
                const bool filled = i < all.size();
                file.WriteString("HISCORES", "PLAYER" + std::to_string(i),
                                 filled ? all[i].first : "");
                file.WriteInt("HISCORES", "SCORE" + std::to_string(i),
                              filled ? static_cast<int>(all[i].second) : 0);
            }
        }));
        list.LoadTable();
    }
    // Twenty results: P1 with 200 down to P20 with 10.
    static void FillFull(CHiscoreList& list) {
        std::vector<std::pair<std::string, unsigned>> all;
        for (unsigned i = 0; i < CHiscoreList::kStored; ++i)
            all.emplace_back("P" + std::to_string(i + 1), 200 - 10 * i);
        Fill(list, all);
    }

    std::string Contents() const {
        std::stringstream all;
        all << std::ifstream(m_dir / "marbix.INI", std::ios::binary).rdbuf();
        return all.str();
    }
    bool Holds(const std::string& text) const { return Contents().find(text) != std::string::npos; }

    std::filesystem::path m_dir;
    // Answers for the name dialog; what it shows is noted.
    Lines m_shown;
    CQueuedNameAnswers m_answers{[this](const std::string& line) { m_shown.push_back(line); }};
};

// The same, with sound on and every cue noted.
class CuedHallTest : public HallTest {
protected:
    struct CCueLog : CCuePlayer {
        void PlaySound(unsigned id, bool) override { m_ids.push_back(id); }
        std::vector<unsigned> m_ids;
    };

    void SetUp() override {
        HallTest::SetUp();
        SetCuePlayer(&m_cues);
        g_soundOn = 1;
    }
    void TearDown() override {
        SetCuePlayer(nullptr);
        g_soundOn = 0;
        HallTest::TearDown();
    }

    CCueLog m_cues;
};
