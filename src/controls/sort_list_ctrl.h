#pragma once
// A result list: a report view over ResultListModel with grid lines and
// full-row selection, sorted by a left click on a column header, a one-item
// context menu, Delete removing the first selected row, and a double click
// asking the window for a whois lookup.

#include <QTableView>

#include <string>
#include <utility>
#include <vector>

#include "controls/flat_header_ctrl.h"
#include "controls/result_list_model.h"

class CSortListCtrl : public QTableView {
  Q_OBJECT

 public:
  explicit CSortListCtrl(QWidget* parent = nullptr);

  // The plain operations of the workers' rows, the export and printing.
  void DeleteAllItems();
  int GetItemCount();  // also the rows that have not been shown yet
  void AppendRow(int image, const std::vector<std::string>& cells);  // any thread
  QString GetItemText(int row, int column);
  ResultListModel* Rows() { return &m_model; }

  void InsertColumn(int index, const QString& title, int width);
  void DeleteColumn(int index);
  int ColumnCount() const { return m_model.columnCount(); }
  void SetImageList(std::vector<QIcon> images) { m_model.SetImages(std::move(images)); }

  // The first selected row (lowest index), or -1.
  int FirstSelectedRow() const;

  // The row under a point of the viewport and the column of the cell there
  // (0 when there is none); row -1 when no cell is there.
  std::pair<int, int> CellFromPoint(const QPoint& point) const;

  // Sorts as a left click on the header item of `column` does.
  void SortOnHeaderClick(int column);
  int SortColumn() const { return m_nSortColumn; }
  bool SortAscending() const { return m_bSortAscending; }

  CFlatHeaderCtrl* FlatHeader() const { return m_pHeader; }

  // Pixels added to the font height for a row.
  static constexpr int kRowPadding = 4;

 signals:
  // A command for the window, as the list passes "Clear List" on.
  void commandForWindow(int command);
  // A double click while the list has a selected row.
  void whoisRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void ShowContextMenu(const QPoint& globalPoint);
  void SelectAndFocus(int row);

  ResultListModel m_model;
  CFlatHeaderCtrl* m_pHeader;
  int m_nSortColumn = -1;
  bool m_bSortAscending = true;
  int m_nLastClickedRow = -1;
};
