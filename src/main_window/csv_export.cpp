#include "main_window/csv_export.h"

#include <unistd.h>

#include <climits>

#include "platform/atomic_file.h"

std::string TraceListCsv(const RowSource& rows, int resolveNames) {
  const bool names = resolveNames == 1;
  std::string text = names ? "Node,Min RTT,Avg RTT,Max RTT,Name,Address\r\n" : "Node,Min RTT,Avg RTT,Max RTT,Address\r\n";
  const int columns = names ? 6 : 5;
  text.reserve(text.size() + static_cast<std::size_t>(rows.RowCount()) * 48);
  for (int row = 0; row < rows.RowCount(); ++row) {
    for (int column = 0; column < columns; ++column) {
      if (column) text += ',';
      text += rows.CellText(row, column);
    }
    text += "\r\n";
  }
  return text;
}

std::string ExportFilePath(const std::string& executableDirectory) {
  if (executableDirectory.empty()) return {};
  std::string path = executableDirectory;
  if (path.back() != '/') path += '/';
  path += "vantorel.csv";
  return path.size() < PATH_MAX ? path : std::string{};
}

bool WriteExportFile(const std::string& path, const std::string& text) {
  if (path.empty()) return false;
  // Replacing the file by rename would get past its write protection.
  if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return false;
  return WriteFileAtomically(path, text);
}
