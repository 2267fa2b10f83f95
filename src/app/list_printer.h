#pragma once
// Prints a result list as a framed table under a title: a title box, a grey
// header row and one framed row per list row, breaking pages as the rows
// reach the bottom. Columns go in the order they were created.

#include <QFont>
#include <QSize>
#include <QString>

#include <vector>

class CSortListCtrl;
class QPainter;
class QPrinter;
class QWidget;

class CListPrinter {
 public:
  virtual ~CListPrinter() = default;

  // Asks for a printer, then prints. False for an empty list (nothing is
  // shown at all) or when the print dialog was cancelled.
  bool Print(CSortListCtrl& list, const QString& title, QWidget* parent = nullptr);
  // Prints on a printer already chosen (a PDF file, in tests).
  bool PrintTo(QPrinter& printer, CSortListCtrl& list, const QString& title);

  static constexpr const char* kDocumentName = "Periodical List";

 private:
  int ColumnWidth(CSortListCtrl& list, int column);
  void PrintHeader(QPainter& painter, CSortListCtrl& list, const QString& title);
  void PrintRows(QPainter& painter, QPrinter& printer, CSortListCtrl& list);
  void MeasureText(const QFont& font, const QString& text);

  int m_nPageHeight = 0;
  QSize m_textExtent;
  QFont m_titleFont;
  QFont m_bodyFont;
  QFont m_labelFont;
  int m_y = 0;
  int m_nPadding = 5;
  std::vector<int> m_columnWidths;
  const QPaintDevice* m_device = nullptr;
};
