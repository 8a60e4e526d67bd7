#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// A fresh directory per test, removed afterwards, with a helper to write files into it.
class TempDirTest : public testing::Test {
protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("velmora-") + test->test_suite_name() + "-" + test->name() +
                       "-" + std::to_string(getpid());
    for (char& c : name)
      if (c == '/') c = '_';
    Dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(Dir);
    std::filesystem::create_directories(Dir);
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  // Writes text to the file at relative, creating directories on the way.
  std::filesystem::path Write(const std::filesystem::path& relative, const std::string& text) {
    const auto path = Dir / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
  }
  void Remove(const std::filesystem::path& relative) { std::filesystem::remove(Dir / relative); }

  std::filesystem::path Dir;
};
