#pragma once
// The rows of a result list: an image index and cell texts per row. Rows may
// be appended from any thread and are there at once for counting; the view
// hears of them in batches, on a short timer or before anything reads or
// reorders the rows, since one view update per row does not scale.

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>
#include <QTimer>

#include <mutex>
#include <string>
#include <vector>

#include "controls/list_compare.h"

class ResultListModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  struct Column {
    QString title;
    int width;
  };
  // Cells are kept as the UTF-8 text the workers give, and made into
  // QStrings only for what is drawn.
  struct Row {
    int image = -1;
    std::vector<std::string> cells;
  };

  explicit ResultListModel(QObject* parent = nullptr);

  // Any thread.
  void AppendRow(int image, std::vector<std::string> cells);
  int TotalRowCount() const;

  // User-interface thread.
  void FlushPendingRows();
  void DeleteAllRows();
  void RemoveRow(int row);
  QString CellText(int row, int column) const;
  const std::string& CellUtf8(int row, int column) const;
  int RowImage(int row) const;
  void SortByColumn(int column, bool ascending);

  void InsertColumn(int index, const QString& title, int width);
  void RemoveColumn(int index);
  const std::vector<Column>& Columns() const { return columns_; }
  void SetImages(std::vector<QIcon> images);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  static constexpr int kFlushIntervalMs = 50;

 private:
  void ScheduleFlush();

  // Rows the view knows of: user-interface thread only.
  std::vector<Row> rows_;
  // Rows appended and not yet shown, and the count of all rows, under the lock.
  mutable std::mutex mutex_;
  std::vector<Row> pending_;
  int total_ = 0;
  std::vector<Column> columns_;
  std::vector<QIcon> images_;
  QTimer flushTimer_;
};
