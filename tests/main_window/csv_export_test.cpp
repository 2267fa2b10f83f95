#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/temp_config_dir.h"
#include "main_window/csv_export.h"
#include "platform/atomic_file.h"

namespace {

class TableRows final : public RowSource {
 public:
  explicit TableRows(std::vector<std::vector<std::string>> rows) : rows_(std::move(rows)) {}
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::string CellText(int row, int column) const override {
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : "";
  }

 private:
  std::vector<std::vector<std::string>> rows_;
};

TEST(CsvExport, TextByNamesFlag) {
  const TableRows named({{"1", "0", "0", "1", "***", "[10.0.0.1]"}, {"2", "5", "6", "7", "r,1", "[10.0.0.2]"}});
  EXPECT_EQ(TraceListCsv(named, 1),
            "Node,Min RTT,Avg RTT,Max RTT,Name,Address\r\n1,0,0,1,***,[10.0.0.1]\r\n2,5,6,7,r,1,[10.0.0.2]\r\n");
  const TableRows unnamed({{"1", "0", "0", "1", "[10.0.0.1]"}});
  for (int flag : {0, 2, -1})
    EXPECT_EQ(TraceListCsv(unnamed, flag), "Node,Min RTT,Avg RTT,Max RTT,Address\r\n1,0,0,1,[10.0.0.1]\r\n") << flag;
  EXPECT_EQ(TraceListCsv(TableRows({}), 1), "Node,Min RTT,Avg RTT,Max RTT,Name,Address\r\n");
  EXPECT_EQ(TraceListCsv(TableRows({{"1", "", "\"q\"", "a\nb", "", ""}}), 1),
            "Node,Min RTT,Avg RTT,Max RTT,Name,Address\r\n1,,\"q\",a\nb,,\r\n")
      << "cells go in as they are";
}

TEST(CsvExport, PathBesideTheExecutable) {
  EXPECT_EQ(ExportFilePath("/opt/vantorel/bin"), "/opt/vantorel/bin/vantorel.csv");
  EXPECT_EQ(ExportFilePath("/"), "/vantorel.csv");
  EXPECT_EQ(ExportFilePath(""), "");
  EXPECT_EQ(ExportFilePath("/" + std::string(5000, 'd')), "");
}

TEST(CsvExport, FileIsReplacedWholeOrNotAtAll) {
  TempConfigDir dir;
  const std::string path = ExportFilePath(dir.Base());
  ASSERT_TRUE(WriteExportFile(path, "first,longer,text\r\n"));
  ASSERT_TRUE(WriteExportFile(path, "short\r\n"));
  EXPECT_EQ(ReadWholeFile(path), "short\r\n");

  atomic_file_seam::SetBeforeRename([](const std::string&) { return false; });
  EXPECT_FALSE(WriteExportFile(path, "never"));
  atomic_file_seam::SetBeforeRename(nullptr);
  EXPECT_EQ(ReadWholeFile(path), "short\r\n");
  EXPECT_FALSE(WriteExportFile(dir.Base() + "/no/such/dir/vantorel.csv", "x"));
  EXPECT_FALSE(WriteExportFile("", "x"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Base()), {}), 1) << "no temporary left behind";
}

}  // namespace
