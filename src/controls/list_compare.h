#pragma once
// How result list cells compare when a column is sorted: as text (ASCII
// letters folded) or as the decimal number the text starts with. The kind
// is fixed by the column's index, not by where the column is shown.

#include <string>
#include <string_view>
#include <vector>

enum class SortKind { kText = 2, kNumber = 4 };

SortKind KindOfColumn(int columnIndex);

// The longest leading decimal number of the text (white space skipped;
// sign, digits, point, exponent); 0 when the text does not start with one.
double LeadingNumber(std::string_view text);

// Negative, zero or positive as a sorts before, with or after b. The
// parameter is the kind for an ascending sort, its negative for descending.
// Equal numbers compare equal, so that this is a valid ordering.
int CompareCells(std::string_view a, std::string_view b, int sortParameter);

// The order of rows (indexes into keys) after a stable sort: rows with
// equal keys keep the order they had.
std::vector<int> SortedOrder(const std::vector<std::string>& keys, SortKind kind, bool ascending);
