// Tests on a profile file in a private temporary folder, removed after them.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/profile.h"

class TempProfileTest : public testing::Test {
protected:
    TempProfileTest() : m_dir(NewFolder()), m_file(m_dir + "/marbix.INI"), m_profile(m_file) {}
    ~TempProfileTest() override { std::filesystem::remove_all(m_dir); }
    void SetUp() override { ASSERT_FALSE(m_dir.empty()); }

    void Put(const std::string& text) const { std::ofstream(m_file, std::ios::binary) << text; }
    static std::string Contents(const std::string& path) {
        std::stringstream all;
        all << std::ifstream(path, std::ios::binary).rdbuf();
        return all.str();
    }
    std::string Contents() const { return Contents(m_file); }

    const std::string m_dir, m_file;
    CProfile m_profile;

private:
    static std::string NewFolder() {
        char pattern[] = "/tmp/marbix-test-XXXXXX";
        return mkdtemp(pattern) ? pattern : "";
    }
};
