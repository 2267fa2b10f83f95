// A trace list of 100 000 rows: appended one at a time from a worker thread
// through the window's row sink while the event loop runs, then sorted by a
// number and a text column, repainted, and a row deleted.

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <thread>

#include "bench_table.h"
#include "controls/sort_list_ctrl.h"
#include "main_window/list_row_source.h"
#include "main_window/window_sinks.h"

namespace {

constexpr int kRows = 100'000;

double Milliseconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  CSortListCtrl list;
  const std::pair<const char*, int> columns[] = {{"Node", 39}, {"Min RTT", 39}, {"Avg RTT", 40},
                                                 {"Max RTT", 42}, {"Name", 100},  {"Address", 100}};
  for (int i = 0; i < 6; ++i) list.InsertColumn(i, columns[i].first, columns[i].second);
  list.resize(500, 600);
  list.show();

  auto gui = std::make_shared<GuiThreadCaller>(&list);
  ListRowSink sink(&list, gui);
  QElapsedTimer timer;
  timer.start();
  std::thread worker([&] {
    for (int i = 0; i < kRows; ++i) {
      const int n = sink.RowCount() + 1;
      sink.AppendRow(0, {std::to_string(n), std::to_string(i % 97), std::to_string((i * 7) % 101),
                         std::to_string(i % 89), "hop-" + std::to_string(i % 255) + ".example",
                         "[198.18." + std::to_string(i % 256) + "." + std::to_string(i % 251) + "]"});
    }
  });
  // Until the view has been told of every row.
  while (list.Rows()->rowCount() < kRows) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  const double appendMs = Milliseconds(timer);
  worker.join();

  timer.restart();
  list.SortOnHeaderClick(1);
  const double numberSortMs = Milliseconds(timer);
  timer.restart();
  list.SortOnHeaderClick(2);
  const double textSortMs = Milliseconds(timer);
  timer.restart();
  list.repaint();
  const double repaintMs = Milliseconds(timer);
  list.selectRow(0);
  timer.restart();
  QTest::keyClick(&list, Qt::Key_Delete);
  const double deleteMs = Milliseconds(timer);

  // Export through the same reading of the list that File > Export uses.
  const std::string path = "/tmp/vantorel-list-bench-" + std::to_string(::getpid()) + ".csv";
  timer.restart();
  const bool exported = WriteExportFile(path, TraceListCsv(ListRowSource(list), 1));
  const double exportMs = Milliseconds(timer);
  std::remove(path.c_str());

  const double rate = kRows / (appendMs / 1000.0);
  PrintBenchRow({"rows appended per second through the worker sink", rate, "rows/s", 0, ">= 50 000", rate >= 50'000});
  PrintBenchRow({"sort 100 000 rows by Min RTT (number)", numberSortMs, "ms", 0, "< 150 ms", numberSortMs < 150});
  PrintBenchRow({"sort 100 000 rows by Avg RTT (text)", textSortMs, "ms", 0, "< 150 ms", textSortMs < 150});
  PrintBenchRow({"repaint of the list", repaintMs, "ms", 0, "-", true});
  PrintBenchRow({"delete the first selected row", deleteMs, "ms", 0, "-", true});
  PrintBenchRow({"CSV export of 100 000 rows", exportMs, "ms", 0, "< 100 ms", exported && exportMs < 100});
  return list.GetItemCount() == kRows - 1 ? 0 : 1;
}
