#include "ui/Checked.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>

namespace {

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

TEST(CheckedTest, ConversionsAndArithmeticRaiseExactlyAtTheBoundaries) {
  enum class Raises { Nothing, Range, Overflow };
  struct Case {
    const char* name;
    std::function<std::int64_t()> run;
    Raises raises;
    std::int64_t value;
  };
  const Case cases[] = {
      {"CheckedRange<uint32_t>(-1)", [] { return CheckedRange<std::uint32_t>(-1); }, Raises::Range,
       0},
      {"CheckedRange<uint32_t>(0)", [] { return CheckedRange<std::uint32_t>(0); }, Raises::Nothing,
       0},
      {"CheckedRange<uint32_t>(INT32_MAX)", [] { return CheckedRange<std::uint32_t>(Max); },
       Raises::Nothing, Max},
      {"CheckedAdd(INT32_MAX, 1)", [] { return CheckedAdd(Max, 1); }, Raises::Overflow, 0},
      {"CheckedAdd(INT32_MAX, 0)", [] { return CheckedAdd(Max, 0); }, Raises::Nothing, Max},
      {"CheckedSub(INT32_MIN, 1)", [] { return CheckedSub(Min, 1); }, Raises::Overflow, 0},
      {"CheckedSub(INT32_MIN, 0)", [] { return CheckedSub(Min, 0); }, Raises::Nothing, Min},
      {"CheckedSub(0, INT32_MIN)", [] { return CheckedSub(0, Min); }, Raises::Overflow, 0},
      {"CheckedSub(-1, INT32_MAX)", [] { return CheckedSub(-1, Max); }, Raises::Nothing, Min},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      std::int64_t value = c.run();
      EXPECT_EQ(c.raises, Raises::Nothing) << "returned " << value;
      EXPECT_EQ(value, c.value);
    } catch (const ERangeError& e) {
      EXPECT_EQ(c.raises, Raises::Range);
      EXPECT_EQ(e.Message(), "範囲ﾁｪｯｸｴﾗｰ");
    } catch (const EIntOverflow& e) {
      EXPECT_EQ(c.raises, Raises::Overflow);
      EXPECT_EQ(e.Message(), "整数のｵｰﾊﾞｰﾌﾛｰ");
    }
  }
}

} // namespace
