// Scratch folders for the tests of the program's files, removed with the fixture.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

inline void writeBytes(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("velmir-datafiles-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

private:
    std::filesystem::path folder_;
};

// The scratch folder as the working directory: the program opens its files
// by names relative to it.
class ScratchWorkingFolder : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        before_ = std::filesystem::current_path();
        std::filesystem::current_path(path(""));
    }
    void TearDown() override {
        std::filesystem::current_path(before_);
        ScratchFolder::TearDown();
    }

private:
    std::filesystem::path before_;
};
