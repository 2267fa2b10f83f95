#pragma once
// The trace list as comma-separated text, and the export file it goes to.

#include <string>

// What the export reads of the trace list.
class RowSource {
 public:
  virtual ~RowSource() = default;
  virtual int RowCount() const = 0;
  virtual std::string CellText(int row, int column) const = 0;
};

// Header chosen by the names flag (1, and only 1, means names), one line per
// row in the list's order; cells as they are, CRLF after every line.
std::string TraceListCsv(const RowSource& rows, int resolveNames);

// "vantorel.csv" in the given directory (the executable's); empty when no
// path can be built from it.
std::string ExportFilePath(const std::string& executableDirectory);

// Writes the whole text or nothing: a failed export leaves the older file
// as it was. False when the file cannot be written.
bool WriteExportFile(const std::string& path, const std::string& text);

inline constexpr const char* kExportFailedMessage = "Could not export information from Vantorel";
