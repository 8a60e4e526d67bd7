#include "settings/IniFile.h"

#include "TempDir.h"
#include "system/FileProfile.h"
#include "ui/Exception.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
  void SetUp() override { sys::SetProfiles(&profile); }
  void TearDown() override { sys::SetProfiles(nullptr); }

  TempDir dir;
  sys::FileProfile profile;
  TIniFile ini{dir.File("gravlin.ini")};
};

TEST_F(IniFileTest, WritesIntegersAndBooleansAsPlainDecimalText) {
  const std::pair<std::int32_t, const char*> integers[] = {
      {0, "0"}, {250, "250"}, {-5, "-5"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
  for (const auto& [value, text] : integers) {
    ini.WriteInteger("Indication", "Interval", value);
    EXPECT_EQ(ini.ReadString("Indication", "Interval", ""), text);
    EXPECT_EQ(ini.ReadInteger("Indication", "Interval", 7), value);
  }
  ini.WriteBool("Condition", "Beep", true);
  EXPECT_EQ(ini.ReadString("Condition", "Beep", ""), "1");
  ini.WriteBool("Condition", "Beep", false);
  EXPECT_EQ(ini.ReadString("Condition", "Beep", ""), "0");
}

TEST_F(IniFileTest, ReadsIntegersAndBooleansByTheIntegerRule) {
  WriteBytes(ini.FileName(), "[Indication]\nHex=0x1F4\nUnit=250ms\nEmpty=\n"
                             "Two=2\nMinus=-1\nZero=0\nYes=yes\n");
  EXPECT_EQ(ini.ReadInteger("Indication", "Hex", 7), 500);
  EXPECT_EQ(ini.ReadInteger("Indication", "Unit", 7), 7);
  EXPECT_EQ(ini.ReadInteger("Indication", "Empty", 7), 7);
  EXPECT_EQ(ini.ReadInteger("Indication", "Missing", 7), 7);

  const std::tuple<const char*, bool, bool> booleans[] = {
      {"Two", false, true},     {"Minus", false, true}, {"Zero", true, false},
      {"Yes", false, false},    {"Yes", true, true},    {"Missing", true, true},
      {"Missing", false, false}};
  for (const auto& [key, defaultValue, expected] : booleans) {
    SCOPED_TRACE(std::string(key) + (defaultValue ? " default true" : " default false"));
    EXPECT_EQ(ini.ReadBool("Indication", key, defaultValue), expected);
  }
}

TEST_F(IniFileTest, ARefusedWriteNamesThePath) {
  TIniFile nowhere(dir.File("missing/gravlin.ini"));
  try {
    nowhere.WriteInteger("Indication", "Interval", 250);
    FAIL() << "the write should have been refused";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), dir.File("missing/gravlin.ini") + " に書き込めません");
  }
}

} // namespace
