#include "app/list_printer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "controls/sort_list_ctrl.h"

namespace {

// All distances are printer dots; only the fonts scale with the resolution.
constexpr int kLeft = 50;
constexpr int kTop = 130;
constexpr int kTitleTop = 150;
constexpr int kColumnSlack = 30;
constexpr int kMaxCellChars = 254;
const QColor kHeaderFill(220, 220, 220);
const QColor kHeaderText(114, 106, 16);

QFont ArialAt(int points, int dotsPerInchY) {
  QFont font("Arial");
  font.setPixelSize(points * dotsPerInchY / 72);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

bool CListPrinter::Print(CSortListCtrl& list, const QString& title, QWidget* parent) {
  if (list.GetItemCount() == 0) return false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setFromTo(1, 1);
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, 1);
  if (dialog.exec() != QDialog::Accepted) return false;
  return PrintTo(printer, list, title);
}

bool CListPrinter::PrintTo(QPrinter& printer, CSortListCtrl& list, const QString& title) {
  if (list.GetItemCount() == 0) return false;
  list.Rows()->FlushPendingRows();  // once; the cells are then read straight from the rows
  printer.setDocName(kDocumentName);
  m_y = kTop;
  m_nPadding = 5;
  const int dpiY = printer.logicalDpiY();
  m_titleFont = ArialAt(18, dpiY);
  m_bodyFont = ArialAt(10, dpiY);
  m_labelFont = ArialAt(12, dpiY);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  m_device = &printer;
  m_nPageHeight = printer.height();
  PrintHeader(painter, list, title);
  PrintRows(painter, printer, list);
  painter.end();
  m_device = nullptr;
  return true;
}

void CListPrinter::MeasureText(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font, m_device);
  m_textExtent = QSize(metrics.horizontalAdvance(text), metrics.height());
}

int CListPrinter::ColumnWidth(CSortListCtrl& list, int column) {
  MeasureText(m_labelFont, list.Rows()->Columns()[static_cast<std::size_t>(column)].title);
  int widest = std::max(m_textExtent.width(), 0);
  for (int row = 0; row < list.GetItemCount(); ++row) {
    const QString cell = list.Rows()->CellText(row, column).left(kMaxCellChars);
    MeasureText(m_bodyFont, cell.isEmpty() ? QString("E") : cell);
    widest = std::max(widest, m_textExtent.width());
  }
  return widest + kColumnSlack;
}

void CListPrinter::PrintHeader(QPainter& painter, CSortListCtrl& list, const QString& title) {
  const int p = m_nPadding;
  MeasureText(m_titleFont, "Width");
  const int h1 = m_textExtent.height();
  MeasureText(m_labelFont, "Width");
  const int h2 = m_textExtent.height();
  const int headerHeight = kTop + h1 + p + h2 + 2 * p;
  m_y = headerHeight + 3 * p;

  int x = kLeft;
  const int columns = list.ColumnCount();
  m_columnWidths.assign(static_cast<std::size_t>(columns), 0);
  int cellHeight = 0;
  for (int c = 0; c < columns; ++c) {
    const int w = ColumnWidth(list, c);
    m_columnWidths[static_cast<std::size_t>(c)] = w;
    const int h = m_textExtent.height();
    cellHeight = 4 * p + h;
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(x, m_y, w + 2 * p, cellHeight);
    painter.fillRect(QRect(QPoint(x + 2, m_y + 2), QPoint(x + w + 2 * p - 3, m_y + cellHeight - 3)), kHeaderFill);
    painter.setFont(m_bodyFont);
    painter.setPen(kHeaderText);
    painter.drawText(QRect(x + p, m_y + p, w, p + h), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     list.Rows()->Columns()[static_cast<std::size_t>(c)].title);
    x += w + 2 * p;
  }
  m_y += cellHeight;
  const int right = x;

  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(kLeft, kTop, right - kLeft, headerHeight - kTop);
  MeasureText(m_titleFont, title);
  const int t = m_textExtent.height();
  painter.setFont(m_titleFont);
  painter.setPen(QColor(0, 0, 255));
  painter.drawText(QRect(kLeft, kTitleTop + p, right - kLeft, t), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                   title);
}

void CListPrinter::PrintRows(QPainter& painter, QPrinter& printer, CSortListCtrl& list) {
  const int p = m_nPadding;
  const int t = m_textExtent.height();  // the title's line height, as the title left it
  painter.setFont(m_bodyFont);
  for (int row = 0; row < list.GetItemCount(); ++row) {
    if (m_y + 4 * p + t > m_nPageHeight) {
      printer.newPage();
      m_y = kTop;
    }
    int x = kLeft;
    for (int c = 0; c < static_cast<int>(m_columnWidths.size()); ++c) {
      const int w = m_columnWidths[static_cast<std::size_t>(c)];
      painter.setPen(Qt::black);
      painter.setBrush(Qt::white);
      painter.drawRect(x, m_y, w + 2 * p, 4 * p + t);
      painter.drawText(QRect(x + p, m_y + p, w, p + t), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                       list.Rows()->CellText(row, c));
      x += w + 2 * p;
    }
    m_y += 4 * p + t;
  }
}
