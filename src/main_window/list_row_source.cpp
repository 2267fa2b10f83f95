#include "main_window/list_row_source.h"

#include "controls/sort_list_ctrl.h"

ListRowSource::ListRowSource(CSortListCtrl& list) : list_(list) { list_.Rows()->FlushPendingRows(); }

int ListRowSource::RowCount() const { return list_.GetItemCount(); }

std::string ListRowSource::CellText(int row, int column) const {
  return list_.Rows()->CellUtf8(row, column);
}
