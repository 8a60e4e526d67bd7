#include "system/FileUserModule.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using sys::FileUserModule;

namespace {

constexpr std::uint32_t kAddress = FileUserModule::kGetFreeSystemResources;

class ResourceFile : public TempDirTest {
protected:
  void SetUp() override {
    TempDirTest::SetUp();
    File = Dir / "resources";
  }

  void Save(const std::string& text) { Write("resources", text); }

  std::array<std::uint16_t, 3> ReadAll(FileUserModule& module) {
    return {module.Call(kAddress, 0), module.Call(kAddress, 1), module.Call(kAddress, 2)};
  }

  std::filesystem::path File;
};

using Values = std::array<std::uint16_t, 3>;

TEST_F(ResourceFile, ValuesComeBackExactlyAsWritten) {
  struct Case {
    std::string text;
    Values values;
  };
  const Case cases[] = {
      {"85 80 90", {85, 80, 90}},
      {"0 65535 7", {0, 65535, 7}},
      {"\t1\n2\r\n3\n", {1, 2, 3}},
      {"007 100 101", {7, 100, 101}},
      // The longest file taken: 256 bytes.
      {std::string(251, ' ') + "1 2 3", {1, 2, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    Save(c.text);
    FileUserModule module(File);
    const auto handle = module.Load("user.exe");
    ASSERT_EQ(handle, FileUserModule::kUserHandle);
    module.Release(handle);
    ASSERT_EQ(module.Lookup(handle, "GetFreeSystemResources"), kAddress);
    EXPECT_EQ(ReadAll(module), c.values);
  }
}

TEST_F(ResourceFile, EveryCallRereadsTheFile) {
  Save("85 80 90");
  FileUserModule module(File);
  EXPECT_EQ(ReadAll(module), (Values{85, 80, 90}));
  Save("10 20 30\n");
  EXPECT_EQ(ReadAll(module), (Values{10, 20, 30}));
}

TEST_F(ResourceFile, MalformedFileFailsLookupAndCallsKeepTheLastGoodValues) {
  const std::string cases[] = {
      "",
      "   \n",
      "1 2",
      "1 2 3 4",
      "1 2 x",
      "1 2 3x",
      "1,2,3",
      "70000 1 2",
      "65536 1 2",
      "-1 2 3",
      "+1 2 3",
      std::string(252, ' ') + "1 2 3",
      std::string(295, ' ') + "1 2 3",
  };
  for (const auto& text : cases) {
    SCOPED_TRACE("\"" + text + "\"");
    Save("85 80 90");
    FileUserModule module(File);
    const auto handle = module.Load("user.exe");
    ASSERT_EQ(module.Lookup(handle, "GetFreeSystemResources"), kAddress);
    ASSERT_EQ(ReadAll(module), (Values{85, 80, 90}));

    Save(text);
    EXPECT_EQ(module.Load("user.exe"), FileUserModule::kUserHandle);
    EXPECT_EQ(module.Lookup(handle, "GetFreeSystemResources"), 0u);
    EXPECT_EQ(ReadAll(module), (Values{85, 80, 90}));
  }
}

TEST_F(ResourceFile, MissingFileFailsLoadAndCallsKeepTheLastGoodValues) {
  FileUserModule module(File);
  EXPECT_LT(module.Load("user.exe"), 32);
  // Nothing read yet: all free rather than a false warning.
  EXPECT_EQ(ReadAll(module), (Values{100, 100, 100}));

  Save("5 6 7");
  EXPECT_EQ(ReadAll(module), (Values{5, 6, 7}));
  std::filesystem::remove(File);
  EXPECT_EQ(ReadAll(module), (Values{5, 6, 7}));

  EXPECT_LT(FileUserModule("").Load("user.exe"), 32);
}

TEST_F(ResourceFile, OnlyUserExeAndGetFreeSystemResourcesAnswer) {
  Save("85 80 90");
  FileUserModule module(File);
  EXPECT_EQ(module.Load("krnl386.exe"), 2);
  const auto handle = module.Load("user.exe");
  EXPECT_EQ(module.Lookup(handle + 1, "GetFreeSystemResources"), 0u);
  EXPECT_EQ(module.Lookup(handle, "GetFreeSpace"), 0u);
  EXPECT_EQ(module.Call(kAddress + 1, 1), 0);
  EXPECT_EQ(module.Call(kAddress, 3), 0);
}

} // namespace
