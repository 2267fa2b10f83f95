#include "controls/result_list_model.h"

#include <QMetaObject>
#include <QThread>

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(kFlushIntervalMs);
  connect(&flushTimer_, &QTimer::timeout, this, &ResultListModel::FlushPendingRows);
}

void ResultListModel::AppendRow(int image, std::vector<std::string> cells) {
  bool first = false;
  {
    std::lock_guard lock(mutex_);
    first = pending_.empty();
    pending_.push_back({image, std::move(cells)});
    ++total_;
  }
  if (first) ScheduleFlush();
}

void ResultListModel::ScheduleFlush() {
  if (QThread::currentThread() == thread()) {
    if (!flushTimer_.isActive()) flushTimer_.start();
    return;
  }
  QMetaObject::invokeMethod(
      this, [this] { if (!flushTimer_.isActive()) flushTimer_.start(); }, Qt::QueuedConnection);
}

int ResultListModel::TotalRowCount() const {
  std::lock_guard lock(mutex_);
  return total_;
}

void ResultListModel::FlushPendingRows() {
  std::vector<Row> arrived;
  {
    std::lock_guard lock(mutex_);
    arrived.swap(pending_);
  }
  if (arrived.empty()) return;
  const int first = static_cast<int>(rows_.size());
  beginInsertRows({}, first, first + static_cast<int>(arrived.size()) - 1);
  rows_.insert(rows_.end(), std::make_move_iterator(arrived.begin()), std::make_move_iterator(arrived.end()));
  endInsertRows();
}

void ResultListModel::DeleteAllRows() {
  {
    std::lock_guard lock(mutex_);
    pending_.clear();
    total_ = 0;
  }
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void ResultListModel::RemoveRow(int row) {
  FlushPendingRows();
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  {
    std::lock_guard lock(mutex_);
    --total_;
  }
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

const std::string& ResultListModel::CellUtf8(int row, int column) const {
  static const std::string kEmpty;
  if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0) return kEmpty;
  const auto& cells = rows_[static_cast<std::size_t>(row)].cells;
  return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : kEmpty;
}

QString ResultListModel::CellText(int row, int column) const { return QString::fromStdString(CellUtf8(row, column)); }

int ResultListModel::RowImage(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)].image : -1;
}

void ResultListModel::SortByColumn(int column, bool ascending) {
  FlushPendingRows();
  if (rows_.empty()) return;
  std::vector<std::string> keys;
  keys.reserve(rows_.size());
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) keys.push_back(CellUtf8(r, column));
  const std::vector<int> order = SortedOrder(keys, KindOfColumn(column), ascending);

  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> newRowOf(order.size());
  std::vector<Row> sorted;
  sorted.reserve(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    newRowOf[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    sorted.push_back(std::move(rows_[static_cast<std::size_t>(order[i])]));
  }
  rows_ = std::move(sorted);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& index : before)
    after.push_back(this->index(newRowOf[static_cast<std::size_t>(index.row())], index.column()));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Cells move with their columns, as in a list view: a new column starts
// empty and a removed column takes its cells along.
void ResultListModel::InsertColumn(int index, const QString& title, int width) {
  FlushPendingRows();
  index = std::clamp(index, 0, static_cast<int>(columns_.size()));
  beginInsertColumns({}, index, index);
  columns_.insert(columns_.begin() + index, {title, width});
  for (Row& row : rows_)
    if (static_cast<int>(row.cells.size()) > index) row.cells.insert(row.cells.begin() + index, std::string());
  endInsertColumns();
}

void ResultListModel::RemoveColumn(int index) {
  if (index < 0 || index >= static_cast<int>(columns_.size())) return;
  FlushPendingRows();
  beginRemoveColumns({}, index, index);
  columns_.erase(columns_.begin() + index);
  for (Row& row : rows_)
    if (static_cast<int>(row.cells.size()) > index) row.cells.erase(row.cells.begin() + index);
  endRemoveColumns();
}

void ResultListModel::SetImages(std::vector<QIcon> images) {
  images_ = std::move(images);
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, 0), {Qt::DecorationRole});
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return CellText(index.row(), index.column());
  if (role == Qt::DecorationRole && index.column() == 0) {
    const int image = RowImage(index.row());
    if (image >= 0 && image < static_cast<int>(images_.size())) return images_[static_cast<std::size_t>(image)];
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns_.size())) return {};
  if (role == Qt::DisplayRole) return columns_[static_cast<std::size_t>(section)].title;
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}
