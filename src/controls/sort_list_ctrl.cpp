#include "controls/sort_list_ctrl.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

#include "resources/command_ids.h"
#include "resources/menus.h"

namespace {
constexpr int kNarrowListRows = 11;
constexpr int kNarrowListHostWidth = 315;
}  // namespace

CSortListCtrl::CSortListCtrl(QWidget* parent) : QTableView(parent), m_pHeader(new CFlatHeaderCtrl(this)) {
  setHorizontalHeader(m_pHeader);
  setModel(&m_model);
  setShowGrid(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setIconSize(QSize(16, 16));
  setFrameShape(QFrame::StyledPanel);
  verticalHeader()->hide();
  // Fixed row heights keep a list of 100 000 rows quick to lay out.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height(), 16) + kRowPadding);
  m_pHeader->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_pHeader, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& point) { ShowContextMenu(m_pHeader->mapToGlobal(point)); });
  connect(m_pHeader, &QHeaderView::sectionClicked, this, &CSortListCtrl::SortOnHeaderClick);
  // Scrolling takes the focus, as a press on the scroll bar would on its own.
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()})
    connect(bar, &QAbstractSlider::actionTriggered, this, [this] {
      if (!hasFocus()) setFocus(Qt::MouseFocusReason);
    });
}

void CSortListCtrl::DeleteAllItems() { m_model.DeleteAllRows(); }

int CSortListCtrl::GetItemCount() { return m_model.TotalRowCount(); }

void CSortListCtrl::AppendRow(int image, const std::vector<std::string>& cells) { m_model.AppendRow(image, cells); }

QString CSortListCtrl::GetItemText(int row, int column) {
  m_model.FlushPendingRows();
  return m_model.CellText(row, column);
}

void CSortListCtrl::InsertColumn(int index, const QString& title, int width) {
  m_model.InsertColumn(index, title, width);
  m_pHeader->resizeSection(index, width);
}

void CSortListCtrl::DeleteColumn(int index) { m_model.RemoveColumn(index); }

int CSortListCtrl::FirstSelectedRow() const {
  int first = -1;
  for (const QModelIndex& index : selectionModel()->selectedRows())
    if (first < 0 || index.row() < first) first = index.row();
  return first;
}

void CSortListCtrl::SortOnHeaderClick(int column) {
  m_bSortAscending = column == m_nSortColumn ? !m_bSortAscending : true;
  m_nSortColumn = column;
  m_model.SortByColumn(column, m_bSortAscending);
}

std::pair<int, int> CSortListCtrl::CellFromPoint(const QPoint& point) const {
  const int count = m_model.rowCount();
  const int top = rowAt(0);
  if (top < 0) return {-1, 0};
  const int perPage = viewport()->height() / std::max(1, rowHeight(top));
  const int last = std::min(top + perPage, count - 1);
  for (int row = top; row <= last; ++row) {
    const int y = rowViewportPosition(row);
    if (point.y() < y || point.y() >= y + rowHeight(row)) continue;
    int left = -horizontalOffset();
    for (int visual = 0; visual < m_pHeader->count(); ++visual) {
      const int column = m_pHeader->logicalIndex(visual);
      if (m_pHeader->isSectionHidden(column)) continue;
      const int width = columnWidth(column);
      if (point.x() >= left && point.x() <= left + width) return {row, column};
      left += width;
    }
  }
  return {-1, 0};
}

void CSortListCtrl::SelectAndFocus(int row) {
  const QModelIndex index = m_model.index(row, 0);
  selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void CSortListCtrl::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const int row = CellFromPoint(event->position().toPoint()).first;
  if (row < 0) return;
  const bool focused = selectionModel()->currentIndex().row() == row;
  if (focused && row != m_nLastClickedRow) {
    m_nLastClickedRow = row;
    SelectAndFocus(row);
  } else if (!focused) {
    SelectAndFocus(row);
  }
}

void CSortListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
  if (FirstSelectedRow() >= 0) emit whoisRequested();
  QTableView::mouseDoubleClickEvent(event);
}

void CSortListCtrl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    const int row = FirstSelectedRow();
    if (row >= 0) {
      m_model.RemoveRow(row);
      if (m_model.rowCount() <= kNarrowListRows) setColumnWidth(1, kNarrowListHostWidth);
    }
    return;
  }
  // Tab, Enter and Escape pressed in a list stay with the list.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

bool CSortListCtrl::focusNextPrevChild(bool) { return false; }

void CSortListCtrl::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() == QContextMenuEvent::Keyboard || !rect().contains(mapFromGlobal(event->globalPos()))) {
    QTableView::contextMenuEvent(event);
    return;
  }
  ShowContextMenu(event->globalPos());
}

void CSortListCtrl::ShowContextMenu(const QPoint& globalPoint) {
  QMenu menu(this);
  FillMenu(&menu, ListContextMenu().submenus[0], [this](int command) {
    if (command == cmd::kClearList) emit commandForWindow(command);
  });
  menu.exec(globalPoint);
}
