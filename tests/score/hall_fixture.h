// A hall of fame on a private profile file in a temporary directory.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/profile.h"
#include "score/hiscore_list.h"
#include "score/name_dlg.h"

using Lines = std::vector<std::string>;

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

    // Fills slots from the top; the rest stay vacant.
    static void Fill(CHiscoreList& list, const std::vector<std::pair<std::string, unsigned>>& all) {
        for (std::size_t i = 0; i < all.size(); ++i)
            std::tie(list.m_names[i], list.m_scores[i]) = all[i];
    }
    // Twenty results: P1 with 200 down to P20 with 10.
    static void FillFull(CHiscoreList& list) {
        for (unsigned i = 0; i < CHiscoreList::kStored; ++i)
            std::tie(list.m_names[i], list.m_scores[i]) =
                std::pair("P" + std::to_string(i + 1), 200 - 10 * i);
    }

    // The same twenty in the profile file, loaded into list.
    static void StoreFull(CHiscoreList& list) {
        FillFull(list);
        ASSERT_TRUE(EditProfile([&list](CProfileFile& file) {
            for (int i = 0; i < CHiscoreList::kStored; ++i) {
                file.WriteString("HISCORES", "PLAYER" + std::to_string(i), list.m_names[i]);
                file.WriteInt("HISCORES", "SCORE" + std::to_string(i), list.m_scores[i]);
            }
        }));
        list.LoadTable();
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
