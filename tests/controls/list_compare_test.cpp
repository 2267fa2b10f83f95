#include <gtest/gtest.h>

#include "controls/list_compare.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(ListCompare, KindFollowsTheColumnIndex) {
  const SortKind expected[] = {SortKind::kText,   SortKind::kNumber, SortKind::kText, SortKind::kText,
                               SortKind::kNumber, SortKind::kText,   SortKind::kNumber, SortKind::kText,
                               SortKind::kNumber, SortKind::kNumber};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(KindOfColumn(i), expected[i]) << i;
}

TEST(ListCompare, LeadingNumber) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"192.168.1.20", 192.168}, {"***", 0},       {"[10.0.0.1]", 0}, {"  42ms", 42},   {"-3.5", -3.5},
      {"1e3", 1000},             {"1e", 1},         {"1e+", 1},        {".5", 0.5},     {".", 0},
      {"+", 0},                  {"", 0},           {"0x10", 0},       {"inf", 0},      {"12abc", 12},
      {"Failed in ping specified host, GetLastError returns: 10060", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(ListCompare, CompareCells) {
  struct Case {
    const char* a;
    const char* b;
    int parameter;
    int sign;
  };
  const Case cases[] = {
      {"10", "9", 2, -1},                // text: "10" before "9"
      {"10", "9", -2, 1},
      {"Alpha", "alpha", 2, 0},          // ASCII letters fold
      {"ALPHA", "beta", 2, -1},
      {"a", "ab", 2, -1},
      {"\xC3\xA9", "z", 2, 1},           // bytes beyond ASCII compare as unsigned
      {"10", "9", 4, 1},                 // number
      {"10", "9", -4, -1},
      {"192.168.1.20", "192.168.1.3", 4, 0},  // both read as 192.168: equal, not "greater"
      {"***", "[10.0.0.1]", 4, 0},
      {"5", "5", 4, 0},
      {"5", "5", -4, 0},
      {"x", "y", 3, 0},                  // unknown kind
  };
  for (const auto& c : cases)
    EXPECT_EQ(Sign(CompareCells(c.a, c.b, c.parameter)), c.sign) << c.a << " vs " << c.b << " p=" << c.parameter;
}

TEST(ListCompare, EqualKeysKeepTheirOrderAndTheSortEnds) {
  const std::vector<std::string> same(10000, "7");
  for (SortKind kind : {SortKind::kNumber, SortKind::kText}) {
    for (bool ascending : {true, false}) {
      const std::vector<int> order = SortedOrder(same, kind, ascending);
      for (int i = 0; i < 10000; ++i) ASSERT_EQ(order[static_cast<std::size_t>(i)], i);
    }
  }
  const std::vector<std::string> mixed = {"2", "1", "2", "1"};
  EXPECT_EQ(SortedOrder(mixed, SortKind::kNumber, true), (std::vector<int>{1, 3, 0, 2}));
  EXPECT_EQ(SortedOrder(mixed, SortKind::kNumber, false), (std::vector<int>{0, 2, 1, 3}));
}

}  // namespace
