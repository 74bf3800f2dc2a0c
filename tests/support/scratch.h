// A private temporary folder that goes with the test; tests on a profile file
// in one, and the hall of fame written into it by hand.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/profile.h"

using Table = std::vector<std::pair<std::string, unsigned>>;

// Twenty results: P1 with top down to P20 with top - 190.
inline Table FullHall(unsigned top) {
    Table all;
    for (unsigned i = 0; i < 20; ++i) all.emplace_back("P" + std::to_string(i + 1), top - 10 * i);
    return all;
}

struct CScratchFolder {
    CScratchFolder() : m_dir(NewFolder()) {}
    ~CScratchFolder() { std::filesystem::remove_all(m_dir); }
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    // Writes the file name with these bytes: its path.
    template <class Bytes> std::string Write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(m_dir + "/" + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return m_dir + "/" + name;
    }
    static std::string Contents(const std::string& path) {
        std::stringstream all;
        all << std::ifstream(path, std::ios::binary).rdbuf();
        return all.str();
    }

    const std::string m_dir; // empty when none could be made

private:
    static std::string NewFolder() {
        char pattern[] = "/tmp/marbix-test-XXXXXX";
        return mkdtemp(pattern) ? pattern : "";
    }
};

class TempProfileTest : public testing::Test, protected CScratchFolder {
protected:
    TempProfileTest() : m_file(m_dir + "/marbix.INI"), m_profile(m_file) {}
    void SetUp() override { ASSERT_FALSE(m_dir.empty()); }

    void Put(const std::string& text) const { Write("marbix.INI", text); }
    using CScratchFolder::Contents;
    std::string Contents() const { return Contents(m_file); }

    // Stores these results in the hall of fame from slot 0 down.
    void StoreHall(const Table& all) const {
        ASSERT_TRUE(m_profile.Edit([&all](CProfileFile& file) {
            for (std::size_t i = 0; i < all.size(); ++i) {
                file.WriteString("HISCORES", "PLAYER" + std::to_string(i), all[i].first);
                file.WriteInt("HISCORES", "SCORE" + std::to_string(i), int(all[i].second));
            }
        }));
    }

    // The twenty slots as stored.
    Table StoredHall() const {
        const CProfileFile file = m_profile.Read();
        Table table;
        for (int i = 0; i < 20; ++i)
            table.emplace_back(file.GetString("HISCORES", "PLAYER" + std::to_string(i)),
                               file.GetInt("HISCORES", "SCORE" + std::to_string(i), 0));
        return table;
    }

    const std::string m_file;
    CProfile m_profile;
};
