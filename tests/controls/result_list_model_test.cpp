#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <thread>

#include "controls/result_list_model.h"

namespace {

TEST(ResultListModel, EveryChangeKeepsTheModelConsistent) {
  ResultListModel model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.InsertColumn(0, "Node", 39);
  model.InsertColumn(1, "Min RTT", 39);
  for (int i = 0; i < 50; ++i) model.AppendRow(0, {std::to_string(50 - i), std::to_string(i % 7)});
  model.FlushPendingRows();
  model.SortByColumn(1, true);
  model.SortByColumn(0, false);
  model.RemoveRow(0);
  model.RemoveRow(48);
  model.InsertColumn(1, "Name", 100);
  model.RemoveColumn(1);
  model.DeleteAllRows();
  EXPECT_EQ(model.rowCount(), 0);
}

TEST(ResultListModel, RowsFromAnotherThreadCountAtOnceAndShowInBatches) {
  ResultListModel model;
  model.InsertColumn(0, "Node", 39);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  std::thread worker([&] {
    for (int i = 0; i < 1000; ++i) {
      ASSERT_EQ(model.TotalRowCount(), i) << "counted as soon as appended";
      model.AppendRow(0, {std::to_string(i)});
    }
  });
  worker.join();
  EXPECT_EQ(model.rowCount(), 0) << "the view has not been told yet";
  ASSERT_TRUE(QTest::qWaitFor([&] { return model.rowCount() == 1000; }));
  EXPECT_LT(inserted.size(), 10) << "in batches, not one by one";
  EXPECT_EQ(model.CellText(999, 0), "999");
}

TEST(ResultListModel, SortKeepsSelectionWithItsRows) {
  ResultListModel model;
  model.InsertColumn(0, "Node", 39);
  for (const char* n : {"3", "1", "2"}) model.AppendRow(0, {n});
  model.FlushPendingRows();
  const QPersistentModelIndex one = model.index(1, 0);
  model.SortByColumn(0, true);
  EXPECT_EQ(one.row(), 0);
  EXPECT_EQ(one.data().toString(), "1");
}

}  // namespace
