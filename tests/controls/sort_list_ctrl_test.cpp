#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "controls/sort_list_ctrl.h"
#include "resources/command_ids.h"

namespace {

using Column = std::vector<std::string>;

class SortListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list.resize(600, 400);
    list.show();
  }

  void Columns(std::vector<std::pair<const char*, int>> columns) {
    for (std::size_t i = 0; i < columns.size(); ++i)
      list.InsertColumn(static_cast<int>(i), columns[i].first, columns[i].second);
  }
  void Fill(const std::vector<std::vector<std::string>>& rows) {
    for (const auto& row : rows) list.AppendRow(0, row);
    list.Rows()->FlushPendingRows();
  }
  Column ColumnText(int column) {
    Column texts;
    for (int r = 0; r < list.GetItemCount(); ++r) texts.push_back(list.GetItemText(r, column).toStdString());
    return texts;
  }
  QPoint HeaderCentre(int logical) {
    CFlatHeaderCtrl* h = list.FlatHeader();
    return QPoint(h->sectionViewportPosition(logical) + h->sectionSize(logical) / 2, h->height() / 2);
  }
  void ClickHeader(int logical, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(list.FlatHeader()->viewport(), button, {}, HeaderCentre(logical));
  }

  CSortListCtrl list;
};

std::vector<std::vector<std::string>> PingRows() {
  const char* hosts[] = {"192.168.1.20", "10.0.0.1",  "Failed in ping specified host, GetLastError returns: 10060",
                         "192.168.1.3",  "8.8.8.8",   "172.16.0.1", "9.9.9.9", "1.1.1.1", "127.0.0.1", "2.2.2.2",
                         "3.3.3.3",      "100.64.0.1"};
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < 12; ++i) rows.push_back({std::to_string(i + 1), hosts[i], std::to_string((i * 7) % 13)});
  return rows;
}

TEST_F(SortListTest, RequestColumnSortsAsTextAndFlips) {
  Columns({{"Request", 60}, {"Host", 170}, {"Reply in ms", 130}});
  Fill(PingRows());
  ClickHeader(0);
  EXPECT_EQ(ColumnText(0), (Column{"1", "10", "11", "12", "2", "3", "4", "5", "6", "7", "8", "9"}));
  ClickHeader(0);
  EXPECT_EQ(ColumnText(0), (Column{"9", "8", "7", "6", "5", "4", "3", "2", "12", "11", "10", "1"}));
}

TEST_F(SortListTest, HostColumnSortsByTheLeadingNumber) {
  Columns({{"Request", 60}, {"Host", 170}, {"Reply in ms", 130}});
  Fill(PingRows());
  ClickHeader(1);
  const Column hosts = ColumnText(1);
  EXPECT_EQ(hosts.front(), "Failed in ping specified host, GetLastError returns: 10060") << "reads as 0";
  EXPECT_EQ(hosts[1], "1.1.1.1");
  EXPECT_EQ(hosts[hosts.size() - 2], "192.168.1.20") << "both 192.168: kept in their earlier order";
  EXPECT_EQ(hosts.back(), "192.168.1.3");
}

TEST_F(SortListTest, TraceColumnsMinAsNumberAvgAsText) {
  Columns({{"Node", 39}, {"Min RTT", 39}, {"Avg RTT", 40}, {"Max RTT", 42}, {"Name", 100}, {"Address", 100}});
  Fill({{"1", "100", "100", "100", "a", "[10.0.0.1]"},
        {"2", "20", "20", "20", "b", "[10.0.0.2]"},
        {"3", "3", "3", "3", "c", "[10.0.0.3]"}});
  ClickHeader(1);
  EXPECT_EQ(ColumnText(1), (Column{"3", "20", "100"}));
  ClickHeader(2);
  EXPECT_EQ(ColumnText(2), (Column{"100", "20", "3"})) << "text: 100 before 20";
}

TEST_F(SortListTest, DirectionRulesAndRightClick) {
  Columns({{"Node", 39}, {"Min RTT", 39}});
  Fill({{"b", "2"}, {"a", "1"}, {"c", "3"}});
  ClickHeader(0);
  EXPECT_TRUE(list.SortAscending());
  ClickHeader(1);
  EXPECT_TRUE(list.SortAscending());
  ClickHeader(0);
  EXPECT_TRUE(list.SortAscending()) << "A, B, A: ascending each time";
  EXPECT_EQ(ColumnText(0), (Column{"a", "b", "c"}));
  ClickHeader(0);
  EXPECT_FALSE(list.SortAscending()) << "A, A: ascending, then descending";
  EXPECT_EQ(ColumnText(0), (Column{"c", "b", "a"}));
  ClickHeader(1, Qt::RightButton);
  EXPECT_EQ(list.SortColumn(), 0) << "a right click does not sort";
  EXPECT_EQ(ColumnText(0), (Column{"c", "b", "a"}));
}

TEST_F(SortListTest, TenThousandEqualNumbersSortInPlace) {
  Columns({{"Node", 39}, {"Min RTT", 39}});
  for (int i = 0; i < 10000; ++i) list.AppendRow(0, {std::to_string(i), "5"});
  ClickHeader(1);
  ClickHeader(1);
  for (int r = 0; r < 10000; r += 997) EXPECT_EQ(list.GetItemText(r, 0).toInt(), r);
}

TEST_F(SortListTest, ContextMenuInsideOnlyAndClearListGoesToTheWindow) {
  Columns({{"Node", 39}});
  Fill({{"1"}});
  QSignalSpy commands(&list, &CSortListCtrl::commandForWindow);
  bool menuShown = false;
  QTimer::singleShot(0, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      menuShown = true;
      ASSERT_EQ(menu->actions().size(), 1);
      EXPECT_EQ(menu->actions()[0]->text(), "Clear List");
      menu->actions()[0]->trigger();
      menu->close();
    }
  });
  const QPoint inside = list.viewport()->mapToGlobal(QPoint(10, 10));
  QContextMenuEvent mouse(QContextMenuEvent::Mouse, list.viewport()->mapFromGlobal(inside), inside);
  QApplication::sendEvent(list.viewport(), &mouse);
  EXPECT_TRUE(menuShown);
  ASSERT_EQ(commands.size(), 1);
  EXPECT_EQ(commands[0][0].toInt(), cmd::kClearList);
  EXPECT_EQ(list.GetItemCount(), 1) << "the list itself deletes nothing";

  QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, QPoint(5, 5), list.viewport()->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(list.viewport(), &keyboard);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(commands.size(), 1);
}

TEST_F(SortListTest, DeleteRemovesTheFirstSelectedRowOnly) {
  Columns({{"Request", 60}, {"Host", 170}, {"Reply in ms", 130}});
  Fill(PingRows());
  Fill({{"13", "x", "1"}});
  list.setFocus();
  list.selectionModel()->clearSelection();
  for (int row : {7, 2, 9})
    list.selectionModel()->select(list.Rows()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(list.GetItemCount(), 12);
  EXPECT_EQ(ColumnText(0)[2], "4") << "row 3 went";
  EXPECT_EQ(list.columnWidth(1), 170) << "12 rows: width kept";
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(list.GetItemCount(), 11);
  EXPECT_EQ(list.columnWidth(1), 315);
  list.selectionModel()->clearSelection();
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(list.GetItemCount(), 11) << "nothing selected: nothing deleted";
}

TEST_F(SortListTest, DoubleClickAsksForWhoisOnlyWithASelection) {
  Columns({{"Node", 39}});
  Fill({{"1"}, {"2"}});
  QSignalSpy whois(&list, &CSortListCtrl::whoisRequested);
  const QPoint below(10, list.viewport()->height() - 5);
  list.selectionModel()->clearSelection();
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, below);
  EXPECT_EQ(whois.size(), 0);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.Rows()->index(1, 0)).center());
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.Rows()->index(1, 0)).center());
  EXPECT_EQ(whois.size(), 1);
}

TEST_F(SortListTest, DraggingColumnZeroBehindColumnTwo) {
  Columns({{"Node", 80}, {"Min RTT", 80}, {"Avg RTT", 80}});
  Fill({{"b", "1", "z"}, {"a", "2", "y"}});
  CFlatHeaderCtrl* header = list.FlatHeader();
  QWidget* surface = header->viewport();
  const QPoint start = HeaderCentre(0);
  const QPoint overRightHalf(header->sectionViewportPosition(2) + 70, header->height() / 2);
  QTest::mousePress(surface, Qt::LeftButton, {}, start);
  QTest::mouseMove(surface, start + QPoint(QApplication::startDragDistance() + 2, 0));
  EXPECT_TRUE(header->IsDragging());
  QTest::mouseMove(surface, overRightHalf);
  EXPECT_EQ(header->DropPosition(), 3);
  QTest::mouseRelease(surface, Qt::LeftButton, {}, overRightHalf);
  EXPECT_FALSE(header->IsDragging());
  EXPECT_EQ(header->logicalIndex(0), 1);
  EXPECT_EQ(header->logicalIndex(1), 2);
  EXPECT_EQ(header->logicalIndex(2), 0);
  EXPECT_EQ(list.SortColumn(), -1) << "a drop is no click";

  ClickHeader(0);  // "Node", now shown last: still sorted as column 0 (text)
  EXPECT_EQ(list.SortColumn(), 0);
  EXPECT_EQ(ColumnText(0), (Column{"a", "b"}));
  ClickHeader(1);
  EXPECT_EQ(list.SortColumn(), 1) << "the next click works: the base view's press was ended";

  const QRect firstRow = list.visualRect(list.Rows()->index(0, 1));
  EXPECT_EQ(list.CellFromPoint(QPoint(5, firstRow.center().y())), std::make_pair(0, 1));
  EXPECT_EQ(list.CellFromPoint(QPoint(85, firstRow.center().y())), std::make_pair(0, 2));
  EXPECT_EQ(list.CellFromPoint(QPoint(165, firstRow.center().y())), std::make_pair(0, 0));
  EXPECT_EQ(list.CellFromPoint(QPoint(400, firstRow.center().y())).first, -1) << "beyond the last column";
  EXPECT_EQ(list.CellFromPoint(QPoint(5, list.viewport()->height() - 2)).first, -1) << "below the rows";
}

TEST_F(SortListTest, DropsThatLeaveTheColumnInPlaceShowNoMarker) {
  Columns({{"A", 80}, {"B", 80}, {"C", 80}});
  CFlatHeaderCtrl* header = list.FlatHeader();
  QWidget* surface = header->viewport();
  const int y = header->height() / 2;
  struct Case {
    int dragged;
    int x;
    int drop;
  };
  const Case cases[] = {
      {1, 100, -1},  // over its own item
      {1, 70, -1},   // right half of the column before it
      {1, 170, -1},  // left half of the column after it
      {2, 10, 0},    // left half of the first column: to the front
      {0, 230, 3},   // right half of the last column: to the end
  };
  for (const auto& c : cases) {
    const QPoint start = HeaderCentre(c.dragged);
    QTest::mousePress(surface, Qt::LeftButton, {}, start);
    QTest::mouseMove(surface, QPoint(start.x(), y + 1) + QPoint(0, QApplication::startDragDistance() + 1));
    QTest::mouseMove(surface, QPoint(c.x, y));
    EXPECT_EQ(header->DropPosition(), c.drop) << c.dragged << " at " << c.x;
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(c.x, y));
    list.FlatHeader()->reset();
    for (int v = 0; v < 3; ++v) header->moveSection(header->visualIndex(v), v);
  }
}

TEST_F(SortListTest, MarkerTrianglesAreRedWhereTheDropWouldGo) {
  Columns({{"A", 80}, {"B", 80}, {"C", 80}});
  CFlatHeaderCtrl* header = list.FlatHeader();
  QWidget* surface = header->viewport();
  const QPoint start = HeaderCentre(2);
  QTest::mousePress(surface, Qt::LeftButton, {}, start);
  QTest::mouseMove(surface, start - QPoint(QApplication::startDragDistance() + 2, 0));
  QTest::mouseMove(surface, QPoint(130, start.y()));  // right half of B: before C, which is C itself
  EXPECT_EQ(header->DropPosition(), -1);
  QTest::mouseMove(surface, QPoint(90, start.y()));  // left half of B: drop before B, marker at x = 79
  ASSERT_EQ(header->DropPosition(), 1);
  const QImage image = surface->grab().toImage();
  const int h = header->height();
  const QColor red(255, 0, 0);
  EXPECT_EQ(image.pixelColor(79, 0), red);
  EXPECT_EQ(image.pixelColor(79, 3), red) << "downward tip";
  EXPECT_EQ(image.pixelColor(75, 0), red);
  EXPECT_EQ(image.pixelColor(79, h - 1), red);
  EXPECT_EQ(image.pixelColor(79, h - 4), red) << "upward tip";
  EXPECT_NE(image.pixelColor(79, h / 2), red) << "only the two triangles";
  EXPECT_NE(image.pixelColor(70, 0), red);
  // The dragged item is drawn pressed: inverted face.
  const QColor face = header->FaceColour();
  const QColor pressed = image.pixelColor(header->sectionViewportPosition(2) + 75, h / 2);
  EXPECT_EQ(pressed, QColor(255 - face.red(), 255 - face.green(), 255 - face.blue()));
  EXPECT_EQ(header->DropPosition(), 1) << "painting keeps the drag";
  EXPECT_TRUE(header->IsDragging());
  QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(90, start.y()));
  EXPECT_EQ(header->logicalIndex(1), 2) << "C moved before B";
}

TEST(SortListFocus, ScrollingTakesTheFocus) {
  QWidget window;
  auto* other = new QLineEdit(&window);
  auto* list = new CSortListCtrl(&window);
  list->setGeometry(0, 30, 300, 120);
  list->InsertColumn(0, "Node", 60);
  for (int i = 0; i < 100; ++i) list->AppendRow(0, {std::to_string(i)});
  list->Rows()->FlushPendingRows();
  window.resize(300, 160);
  window.show();
  other->setFocus();
  ASSERT_EQ(window.focusWidget(), other);
  list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(window.focusWidget(), list);
}

TEST_F(SortListTest, PressOnARowSelectsAndFocusesItWithoutTouchingTheOthers) {
  Columns({{"Node", 60}});
  Fill({{"1"}, {"2"}, {"3"}});
  list.selectRow(0);
  const QPoint third = list.visualRect(list.Rows()->index(2, 0)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, third);
  EXPECT_EQ(list.selectionModel()->currentIndex().row(), 2);
  EXPECT_TRUE(list.selectionModel()->isRowSelected(2, {}));
  EXPECT_TRUE(list.selectionModel()->isRowSelected(0, {})) << "the other row stays selected";
  EXPECT_EQ(list.FirstSelectedRow(), 0);
}

}  // namespace
