// A hall of fame on a private profile file in a temporary directory.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/profile.h"
#include "score/hiscore_list.h"

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
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

    // Fills slots from the top; the rest stay vacant.
    static void Fill(CHiscoreList& list,
                     const std::vector<std::pair<std::string, unsigned>>& entries) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            std::tie(list.m_names[i], list.m_scores[i]) = entries[i];
    }
    // Twenty results: P1 with 200 down to P20 with 10.
    static void FillFull(CHiscoreList& list) {
        for (unsigned i = 0; i < CHiscoreList::kStored; ++i) {
            list.m_names[i] = "P" + std::to_string(i + 1);
            list.m_scores[i] = 200 - 10 * i;
        }
    }

    std::string Contents() const {
        std::ifstream in(m_dir / "marbix.INI", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path m_dir;
};
