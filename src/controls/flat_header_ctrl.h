#pragma once
// The flat column header of the result lists: painted flat in the desktop's
// button colours, the pressed item inverted, and a column drag of its own
// with a floating image and red triangles marking where it would land.

#include <QColor>
#include <QHeaderView>
#include <QPointer>
#include <QString>

class CFHDragWnd;

class CFlatHeaderCtrl : public QHeaderView {
  Q_OBJECT

 public:
  enum HitFlags { kNowhere = 0, kOnHeader = 1, kOnDivider = 2 };

  struct HitRecord {
    QPoint point;
    int flags = kNowhere;
    int item = -1;
  };

  // The item as read at the last left press: what a drag shows.
  struct ItemRecord {
    int width = 0;
    QString text;  // at most 79 characters
    Qt::Alignment alignment = Qt::AlignLeft;
    int order = -1;
  };

  explicit CFlatHeaderCtrl(QWidget* parent = nullptr);
  ~CFlatHeaderCtrl() override;

  // Draws one item's content (its text, elided) into the rectangle.
  void DrawHeaderItem(QPainter& painter, const QRect& rect, const ItemRecord& item) const;

  int Spacing() const { return m_iSpacing; }
  QColor FaceColour() const { return m_crFace; }
  QColor TextColour() const { return m_crText; }
  QColor HighlightColour() const { return m_crHighlight; }
  QColor ShadowColour() const { return m_crShadow; }
  const ItemRecord& HotItemRecord() const { return m_hotItemRecord; }

  int DropPosition() const { return m_iDropPos; }
  bool IsDragging() const { return m_bDragging; }
  HitRecord HitTest(const QPoint& point) const;
  // Reads the four colours again (also done on a palette change).
  void ReadColours();
  // With false, the header behaves as one without the drag-and-drop style.
  void SetDragDropStyle(bool on) { m_bDragDropStyle = on; }

 signals:
  // The drag notifications; a slot may refuse by setting *refuse.
  void beginDrag(int item, bool* refuse);
  void endDrag(int item, bool* refuse);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QRect ItemRect(int logical) const;
  void TrackHit(const QPoint& point);
  void PaintHeader(QPainter& painter);
  void DrawDropMarker(QPainter& painter, int x) const;
  int DropPositionAt(const QPoint& point) const;
  void StartDrag();
  void FinishDrag();
  // The base view was given the press; tell it the button is up again
  // without a click on any section.
  void EndBasePress();

  int m_iSpacing = 6;
  int m_iHotIndex = -1;
  int m_iHotOrder = -1;
  HitRecord m_hit;
  ItemRecord m_hotItemRecord;
  bool m_bResizing = false;
  int m_iDropPos = -1;
  QColor m_crDropMarker{255, 0, 0};
  bool m_bDragging = false;
  QPointer<CFHDragWnd> m_pDragWnd;
  bool m_bLeftDown = false;
  QPoint m_clickPoint;
  bool m_bDragDropStyle = true;
  QColor m_crHighlight, m_crShadow, m_crFace, m_crText;
};
