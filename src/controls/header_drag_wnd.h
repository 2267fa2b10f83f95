#pragma once
// The floating image of a header item while its column is dragged. It never
// takes the focus or any input, and deletes itself when it closes.

#include <QWidget>

class CFlatHeaderCtrl;

class CFHDragWnd final : public QWidget {
  Q_OBJECT

 public:
  // A window over `rect` (screen coordinates), hidden until the header
  // first moves it.
  CFHDragWnd(const QRect& rect, CFlatHeaderCtrl* header, int item);

  int Item() const { return m_iItem; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CFlatHeaderCtrl* m_pHeader;
  int m_iItem;
};
