#pragma once
// A result list read as rows of cell texts, for the CSV export.

#include "main_window/csv_export.h"

class CSortListCtrl;

class ListRowSource final : public RowSource {
 public:
  // Rows still on their way to the view are taken in first, once.
  explicit ListRowSource(CSortListCtrl& list);
  int RowCount() const override;
  std::string CellText(int row, int column) const override;

 private:
  CSortListCtrl& list_;
};
