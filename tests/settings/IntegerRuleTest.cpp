#include "settings/IniFile.h"

#include <climits>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct Case {
  const char* text;
  std::optional<std::int32_t> value; // nothing when the text is not an integer
};

const Case kCases[] = {
    {"0x1F4", 500},
    {"0X1f4", 500},
    {"$1f4", 500},
    {"0x10", 16},
    {"  42", 42},
    {"+7", 7},
    {"-1", -1},
    {"00012", 12},
    {"0xFFFFFFFF", -1},
    {"$80000000", INT_MIN},
    {"$7FFFFFFF", INT_MAX},
    {"$FFFFFFFFF", std::nullopt}, // a ninth digit after a full word
    {"0x", std::nullopt},
    {"$", std::nullopt},
    {"-$5", std::nullopt},
    {"  0x10", std::nullopt}, // "0x" counts only as the first two characters
    {"\t5", std::nullopt},
    {"5 ", std::nullopt},
    {"250ms", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"1.5", std::nullopt},
    {"-", std::nullopt},
    {"x1", std::nullopt},
    {"2147483647", INT_MAX},
    {"2147483648", std::nullopt},
    {"2147483649", std::nullopt}, // passes the digit guard, caught by the range
    {"2147483650", std::nullopt},
    {"21474836470", std::nullopt},
    {"-2147483648", INT_MIN},
    {"-2147483649", std::nullopt},
};

TEST(IntegerRule, ConvertsOrRefusesEachText) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    std::int32_t value = 0;
    bool ok = TryStrToInt(c.text, value);
    EXPECT_EQ(ok, c.value.has_value());
    if (c.value) {
      EXPECT_EQ(value, *c.value);
      EXPECT_EQ(StrToIntDef(c.text, 99), *c.value);
    } else {
      EXPECT_EQ(StrToIntDef(c.text, 99), 99);
    }
  }
}

} // namespace
