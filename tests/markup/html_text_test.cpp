#include "markup/html_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/support/qt_printers.h"

namespace penwick {
namespace {

TEST(HtmlTextTest, HeadingLevelIsComparedAsText) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "1"},   {"3", "3"},   {"6", "6"},  {"9", "6"},  {"0", "1"},  {"", "1"},  {" 3", "1"},
      {"10", "10"}, {"5x", "5x"}, {"60", "6"}, {"6a", "6"}, {"-2", "1"}, {"a", "6"}, {"1.5", "1.5"},
  };
  for (const auto& [answer, level] : cases) {
    EXPECT_EQ(HeadingLevel(QString::fromLatin1(answer)), QString::fromLatin1(level)) << "answer " << answer;
  }
}

TEST(HtmlTextTest, CountsAreReadLeniently) {
  const int big = std::numeric_limits<int>::max();
  // clang-format off
  const std::pair<const char*, int> cases[] = {
      {"3", 3}, {"  12", 12}, {"\t4", 4}, {"+2", 2}, {"-1", -1},
      {"2x", 2}, {"abc", 0}, {"", 0}, {"+", 0}, {"- 3", 0},
      {"3 4", 3}, {"007", 7}, {"1e3", 1}, {"99999999999999999999", big},
      {"-99999999999999999999", std::numeric_limits<int>::min()},
  };
  // clang-format on
  for (const auto& [answer, count] : cases) {
    EXPECT_EQ(ReadCount(QString::fromLatin1(answer)), count) << "answer \"" << answer << "\"";
  }
}

}  // namespace
}  // namespace penwick
