#include "controls/list_compare.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <numeric>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Sign(double a, double b) { return a < b ? -1 : (b < a ? 1 : 0); }

// Only ASCII letters fold, whatever the locale.
unsigned char AsciiLower(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

int CompareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int x = AsciiLower(a[i]);
    const int y = AsciiLower(b[i]);
    if (x != y) return x - y;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::string Folded(const std::string& text) {
  std::string folded(text.size(), '\0');
  std::transform(text.begin(), text.end(), folded.begin(), [](char c) { return static_cast<char>(AsciiLower(c)); });
  return folded;
}

}  // namespace

SortKind KindOfColumn(int columnIndex) {
  switch (columnIndex) {
    case 0:
    case 2:
    case 3:
    case 5:
    case 7: return SortKind::kText;
    default: return SortKind::kNumber;
  }
}

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return std::strtod(std::string(text.substr(start, i - start)).c_str(), nullptr);
}

int CompareCells(std::string_view a, std::string_view b, int sortParameter) {
  const int direction = sortParameter >= 0 ? 1 : -1;
  switch (std::abs(sortParameter)) {
    case static_cast<int>(SortKind::kText): return direction * CompareFolded(a, b);
    case static_cast<int>(SortKind::kNumber): return direction * Sign(LeadingNumber(a), LeadingNumber(b));
    default: return 0;
  }
}

std::vector<int> SortedOrder(const std::vector<std::string>& keys, SortKind kind, bool ascending) {
  std::vector<int> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  // Keys are converted once, then compared from the cache.
  if (kind == SortKind::kNumber) {
    std::vector<double> numbers(keys.size());
    std::transform(keys.begin(), keys.end(), numbers.begin(), [](const std::string& k) { return LeadingNumber(k); });
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
      return ascending ? numbers[x] < numbers[y] : numbers[y] < numbers[x];
    });
  } else {
    std::vector<std::string> folded(keys.size());
    std::transform(keys.begin(), keys.end(), folded.begin(), Folded);
    // std::string compares its bytes as unsigned, as the folded comparison does.
    std::stable_sort(order.begin(), order.end(),
                     [&](int x, int y) { return ascending ? folded[x] < folded[y] : folded[y] < folded[x]; });
  }
  return order;
}
