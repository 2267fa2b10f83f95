// A window with both result lists filled, for looking at the controls by
// eye (run under Xvfb and take a screenshot). With --drag it starts
// dragging the trace list's "Node" column over "Avg RTT" and stays so.

#include <QApplication>
#include <QHBoxLayout>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "controls/sort_list_ctrl.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Result lists");
  auto* layout = new QHBoxLayout(&window);
  auto* ping = new CSortListCtrl;
  auto* trace = new CSortListCtrl;
  layout->addWidget(ping);
  layout->addWidget(trace);
  const std::pair<const char*, int> pingColumns[] = {{"Request", 60}, {"Host", 170}, {"Reply in ms", 130}};
  const std::pair<const char*, int> traceColumns[] = {{"Node", 39}, {"Min RTT", 39}, {"Avg RTT", 40},
                                                      {"Max RTT", 42}, {"Name", 100}, {"Address", 100}};
  for (int i = 0; i < 3; ++i) ping->InsertColumn(i, pingColumns[i].first, pingColumns[i].second);
  for (int i = 0; i < 6; ++i) trace->InsertColumn(i, traceColumns[i].first, traceColumns[i].second);
  for (int i = 1; i <= 10; ++i) ping->AppendRow(2, {std::to_string(i), "198.18.4.2 [dest.lab]", std::to_string(19 + i % 3)});
  const char* names[] = {"r1.lab", "***", "***", "r4.lab", "dest.lab"};
  for (int i = 1; i <= 5; ++i)
    trace->AppendRow(0, {std::to_string(i), std::to_string(4 * i), std::to_string(4 * i + 1), std::to_string(4 * i + 2),
                         names[i - 1], "[198.18." + std::to_string(i - 1) + ".2]"});
  ping->selectRow(2);
  window.resize(1000, 320);
  window.show();
  if (app.arguments().contains("--drag")) {
    QTimer::singleShot(300, [trace] {
      QWidget* header = trace->FlatHeader()->viewport();
      const QPoint start(20, header->height() / 2);
      QTest::mousePress(header, Qt::LeftButton, {}, start);
      QTest::mouseMove(header, start + QPoint(10, 0));
      QTest::mouseMove(header, QPoint(100, header->height() / 2));
    });
  }
  return app.exec();
}
