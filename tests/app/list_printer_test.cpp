#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "app/list_printer.h"
#include "controls/sort_list_ctrl.h"

namespace {

std::string Output(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string out;
  char chunk[4096];
  std::size_t got;
  while (pipe && (got = std::fread(chunk, 1, sizeof chunk, pipe.get())) > 0) out.append(chunk, got);
  return out;
}

class PrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::pair<const char*, int> columns[] = {{"Node", 39}, {"Min RTT", 39}, {"Avg RTT", 40},
                                                   {"Max RTT", 42}, {"Name", 100}, {"Address", 100}};
    for (int i = 0; i < 6; ++i) list.InsertColumn(i, columns[i].first, columns[i].second);
  }
  void AddRows(int count) {
    for (int i = 1; i <= count; ++i)
      list.AppendRow(0, {std::to_string(i), "5", "6", "7", i % 2 ? "***" : "hop" + std::to_string(i) + ".lab",
                         "[198.18.0." + std::to_string(i % 250) + "]"});
  }
  bool PrintToPdf() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return CListPrinter().PrintTo(printer, list, "Vantorel");
  }
  std::string PageText(int page) {
    return Output("pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf + "' -");
  }
  int Pages() {
    const std::string info = Output("pdfinfo '" + pdf + "'");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
  }

  QTemporaryDir dir;
  std::string pdf = dir.filePath("list.pdf").toStdString();
  CSortListCtrl list;
};

TEST_F(PrinterTest, ThreeRowsOnOnePageInCreationOrder) {
  AddRows(3);
  list.FlatHeader()->moveSection(0, 5);  // the user's column order does not matter
  ASSERT_TRUE(PrintToPdf());
  EXPECT_EQ(Pages(), 1);
  const std::string text = PageText(1);
  EXPECT_NE(text.find("Vantorel"), std::string::npos) << text;
  const std::size_t node = text.find("Node"), min = text.find("Min RTT"), avg = text.find("Avg RTT"),
                    max = text.find("Max RTT"), name = text.find("Name"), address = text.find("Address");
  ASSERT_NE(address, std::string::npos) << text;
  EXPECT_LT(node, min);
  EXPECT_LT(min, avg);
  EXPECT_LT(avg, max);
  EXPECT_LT(max, name);
  EXPECT_LT(name, address);
  EXPECT_NE(text.find("hop2.lab"), std::string::npos);
  EXPECT_NE(text.find("[198.18.0.3]"), std::string::npos);
  EXPECT_LT(text.find("Vantorel"), node) << "the title above the header";
}

TEST_F(PrinterTest, LongListsBreakPagesWithoutRepeatingTheHeader) {
  AddRows(200);
  ASSERT_TRUE(PrintToPdf());
  const int pages = Pages();
  ASSERT_GT(pages, 1);
  const std::string first = PageText(1);
  const std::string second = PageText(2);
  EXPECT_EQ(second.find("Node"), std::string::npos) << "later pages have no header";
  EXPECT_EQ(second.find("Vantorel"), std::string::npos) << "and no title";
  // The second page starts with the row after the last one on the first.
  int lastOnFirst = 0;
  for (int row = 1; row <= 200; ++row)
    if (first.find("[198.18.0." + std::to_string(row % 250) + "]") != std::string::npos) lastOnFirst = row;
  const std::string next = "[198.18.0." + std::to_string((lastOnFirst + 1) % 250) + "]";
  const std::size_t firstLineEnd = second.find_first_not_of(" \n");
  ASSERT_NE(firstLineEnd, std::string::npos);
  EXPECT_EQ(second.substr(0, second.find('\n', firstLineEnd)).find(next) != std::string::npos, true)
      << "expected " << next << " first on page 2:\n" << second.substr(0, 300);
  EXPECT_NE(PageText(pages).find("[198.18.0.200]"), std::string::npos);
}

TEST_F(PrinterTest, AnEmptyListPrintsNothingAtAll) {
  EXPECT_FALSE(PrintToPdf());
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_FALSE(CListPrinter().Print(list, "Vantorel")) << "no dialog for an empty list";
}

}  // namespace
