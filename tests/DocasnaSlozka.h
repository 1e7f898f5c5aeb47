#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fixture with an empty folder of its own for each test (inside TMPDIR, which the build points into the
// build tree), removed afterwards, and the reading and writing of whole files in it.
class DocasnaSlozka : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        slozka_ = std::filesystem::temp_directory_path() / "tervik_testy" / test->test_suite_name() / test->name();
        std::filesystem::remove_all(slozka_);
        std::filesystem::create_directories(slozka_);
    }
    void TearDown() override {
        std::error_code e;
        std::filesystem::permissions(slozka_, std::filesystem::perms::owner_all, e);
        std::filesystem::remove_all(slozka_, e);
    }
    std::string Obsah(const std::filesystem::path& jmeno) const {
        std::ifstream f(slozka_ / jmeno, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    // Writes the file and gives its full path.
    std::wstring Zapsat(const std::filesystem::path& jmeno, const std::string& bajty) const {
        std::ofstream(slozka_ / jmeno, std::ios::binary) << bajty;
        return (slozka_ / jmeno).wstring();
    }

    std::filesystem::path slozka_;
};
