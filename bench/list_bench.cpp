// A trace list of 100 000 rows: appended one at a time from a worker thread
// through the window's row sink while the event loop runs, then sorted by a
// number and a text column, repainted, and a row deleted.

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>

#include <cstdio>
#include <memory>
#include <thread>

#include "controls/sort_list_ctrl.h"
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

  std::printf("%-44s %12s\n", "list of 100 000 trace rows", "figure");
  std::printf("%-44s %12.0f\n", "rows appended per second (worker sink path)", kRows / (appendMs / 1000.0));
  std::printf("%-44s %12.1f\n", "sort by Min RTT (number), ms", numberSortMs);
  std::printf("%-44s %12.1f\n", "sort by Avg RTT (text), ms", textSortMs);
  std::printf("%-44s %12.1f\n", "repaint, ms", repaintMs);
  std::printf("%-44s %12.1f\n", "delete first selected row, ms", deleteMs);
  return list.GetItemCount() == kRows - 1 ? 0 : 1;
}
