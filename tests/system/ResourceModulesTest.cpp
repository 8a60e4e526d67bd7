#include "system/ResourceModules.h"

#include "system/FileUserModule.h"
#include "system/KernelUserModule.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Sets VELMORA_RESOURCES for one test and puts back whatever was there before.
class ResourcesVariable : public TempDirTest {
protected:
  void SetUp() override {
    TempDirTest::SetUp();
    if (const char* value = std::getenv(kName)) Saved = value;
  }
  void TearDown() override {
    if (Saved)
      setenv(kName, Saved->c_str(), 1);
    else
      unsetenv(kName);
    TempDirTest::TearDown();
  }

  static constexpr const char* kName = "VELMORA_RESOURCES";
  std::optional<std::string> Saved;
};

TEST_F(ResourcesVariable, UnsetMeansTheKernelCounters) {
  unsetenv(kName);
  const auto module = sys::MakeResourceModule();
  EXPECT_NE(dynamic_cast<sys::KernelUserModule*>(module.get()), nullptr);
}

TEST_F(ResourcesVariable, SetMeansTheFileEvenWhenItCannotBeOpened) {
  const auto file = Write("resources", "85 80 90\n");
  setenv(kName, file.c_str(), 1);
  auto module = sys::MakeResourceModule();
  const auto handle = module->Load("user.exe");
  const auto address = module->Lookup(handle, "GetFreeSystemResources");
  ASSERT_NE(address, 0u);
  EXPECT_EQ(module->Call(address, 1), 80);

  for (const std::string& name : {std::string(), (Dir / "missing").string()}) {
    SCOPED_TRACE("\"" + name + "\"");
    setenv(kName, name.c_str(), 1);
    module = sys::MakeResourceModule();
    EXPECT_NE(dynamic_cast<sys::FileUserModule*>(module.get()), nullptr);
    EXPECT_LT(module->Load("user.exe"), 32);
  }
}

} // namespace
