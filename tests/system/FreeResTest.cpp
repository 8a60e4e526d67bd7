#include "monitor/FreeRes.h"

#include "system/Module16.h"
#include "ui/Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

// Answers as configured and writes down every call it receives, in order.
class RecordingModules : public sys::Module16 {
public:
  std::int32_t Load(const std::string& fileName) override {
    Log.push_back("Load " + fileName);
    return Handle;
  }
  void Release(std::int32_t handle) override { Log.push_back("Release " + std::to_string(handle)); }
  std::uint32_t Lookup(std::int32_t handle, const std::string& name) override {
    Log.push_back("Lookup " + std::to_string(handle) + " " + name);
    return Address;
  }
  std::uint16_t Call(std::uint32_t address, std::uint16_t argument) override {
    Log.push_back("Call " + std::to_string(address) + " " + std::to_string(argument));
    return Result;
  }

  std::int32_t Handle = 0x1F07;
  std::uint32_t Address = 0x1F070112;
  std::uint16_t Result = 77;
  std::vector<std::string> Log;
};

class FreeResProbe : public testing::Test {
protected:
  void SetUp() override {
    ModuleHandle16 = 0;
    ProcAddress16 = 0;
    sys::SetModules16(&Modules);
  }
  void TearDown() override { sys::SetModules16(nullptr); }

  // The calls one complete reading makes with the fake's current answers.
  std::vector<std::string> Reading(std::uint16_t kind) const {
    const auto handle = std::to_string(Modules.Handle);
    return {"Load user.exe", "Release " + handle, "Lookup " + handle + " GetFreeSystemResources",
            "Call " + std::to_string(Modules.Address) + " " + std::to_string(kind)};
  }

  std::string FailureOf(std::uint16_t kind) {
    try {
      FreeResourcePercent(kind);
    } catch (const Exception& e) {
      return e.Message();
    }
    return "no exception";
  }

  RecordingModules Modules;
};

TEST_F(FreeResProbe, EveryReadingLoadsReleasesLooksUpAndCalls) {
  EXPECT_EQ(FreeResourcePercent(1), 77);
  EXPECT_EQ(ModuleHandle16, 0x1F07);
  EXPECT_EQ(ProcAddress16, 0x1F070112u);

  Modules.Handle = 32;
  Modules.Address = 0x00010002;
  Modules.Result = 12;
  EXPECT_EQ(FreeResourcePercent(2), 12);
  EXPECT_EQ(ModuleHandle16, 32);
  EXPECT_EQ(ProcAddress16, 0x00010002u);

  auto expected = std::vector<std::string>{
      "Load user.exe", "Release 7943", "Lookup 7943 GetFreeSystemResources", "Call 520552722 1"};
  for (const auto& call : Reading(2))
    expected.push_back(call);
  EXPECT_EQ(Modules.Log, expected);
}

TEST_F(FreeResProbe, KindAndResultPassUnchanged) {
  const std::uint16_t values[] = {0, 1, 2, 3, 100, 101, 0x8000, 0xFFFF};
  for (const auto kind : values) {
    for (const auto result : values) {
      Modules.Log.clear();
      Modules.Result = result;
      EXPECT_EQ(FreeResourcePercent(kind), result);
      EXPECT_EQ(Modules.Log, Reading(kind));
    }
  }
}

TEST_F(FreeResProbe, HandleBelow32FailsTheLoadWithoutRelease) {
  const std::int32_t handles[] = {31, 2, 0, -1, -32768, std::numeric_limits<std::int32_t>::min()};
  for (const auto handle : handles) {
    SCOPED_TRACE(handle);
    ProcAddress16 = 0x12345678;
    Modules.Log.clear();
    Modules.Handle = handle;
    EXPECT_EQ(FailureOf(0), "Cannot load USER.EXE");
    EXPECT_EQ(Modules.Log, std::vector<std::string>{"Load user.exe"});
    EXPECT_EQ(ModuleHandle16, handle);
    EXPECT_EQ(ProcAddress16, 0x12345678u);
  }
}

TEST_F(FreeResProbe, AddressZeroFailsTheLookupAfterTheRelease) {
  FreeResourcePercent(0);
  Modules.Log.clear();
  Modules.Handle = 0x2222;
  Modules.Address = 0;
  EXPECT_EQ(FailureOf(1), "Cannot get address of GetFreeSystemResources");
  EXPECT_EQ(Modules.Log, (std::vector<std::string>{"Load user.exe", "Release 8738",
                                                   "Lookup 8738 GetFreeSystemResources"}));
  EXPECT_EQ(ModuleHandle16, 0x2222);
  EXPECT_EQ(ProcAddress16, 0u);
}

TEST_F(FreeResProbe, NextReadingAfterAFailureOverwritesBoth) {
  Modules.Handle = 5;
  EXPECT_EQ(FailureOf(0), "Cannot load USER.EXE");
  Modules.Handle = 0x3333;
  Modules.Address = 0;
  EXPECT_EQ(FailureOf(0), "Cannot get address of GetFreeSystemResources");
  EXPECT_EQ(ModuleHandle16, 0x3333);

  Modules.Handle = 0x4444;
  Modules.Address = 0x44440010;
  Modules.Log.clear();
  EXPECT_EQ(FreeResourcePercent(0), 77);
  EXPECT_EQ(ModuleHandle16, 0x4444);
  EXPECT_EQ(ProcAddress16, 0x44440010u);
  EXPECT_EQ(Modules.Log, Reading(0));
}

} // namespace
