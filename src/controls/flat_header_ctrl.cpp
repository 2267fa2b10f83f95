#include "controls/flat_header_ctrl.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>

#include "controls/header_drag_wnd.h"

namespace {
constexpr int kMaxItemText = 79;  // an 80-byte buffer with its terminating zero
}  // namespace

CFlatHeaderCtrl::CFlatHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(true);
  setSectionsMovable(false);  // the drag below is our own
  setHighlightSections(false);
  setStretchLastSection(false);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setMouseTracking(true);
  ReadColours();
}

CFlatHeaderCtrl::~CFlatHeaderCtrl() {
  if (m_pDragWnd) m_pDragWnd->close();
}

void CFlatHeaderCtrl::ReadColours() {
  const QPalette& p = palette();
  m_crHighlight = p.color(QPalette::Light);
  m_crShadow = p.color(QPalette::Dark);
  m_crFace = p.color(QPalette::Button);
  m_crText = p.color(QPalette::ButtonText);
}

void CFlatHeaderCtrl::changeEvent(QEvent* event) {
  QHeaderView::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) ReadColours();
}

QRect CFlatHeaderCtrl::ItemRect(int logical) const {
  return QRect(sectionViewportPosition(logical), 0, sectionSize(logical), height());
}

CFlatHeaderCtrl::HitRecord CFlatHeaderCtrl::HitTest(const QPoint& point) const {
  HitRecord hit{point, kNowhere, -1};
  if (point.y() < 0 || point.y() >= height()) return hit;
  const int visual = visualIndexAt(point.x());
  if (visual < 0) return hit;
  const int logical = logicalIndex(visual);
  const QRect item = ItemRect(logical);
  // The same margin the base view uses to start a resize.
  const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
  int previous = -1;
  for (int v = visual - 1; v >= 0 && previous < 0; --v)
    if (!isSectionHidden(logicalIndex(v))) previous = logicalIndex(v);
  if (point.x() < item.left() + grip && previous >= 0) {
    hit.flags = kOnDivider;
    hit.item = previous;
  } else if (point.x() > item.left() + item.width() - grip) {
    hit.flags = kOnDivider;
    hit.item = logical;
  } else {
    hit.flags = kOnHeader;
    hit.item = logical;
  }
  return hit;
}

void CFlatHeaderCtrl::TrackHit(const QPoint& point) {
  m_hit = HitTest(point);
  m_iHotIndex = m_hit.item;
  if (m_iHotIndex >= 0) m_iHotOrder = visualIndex(m_iHotIndex);
}

void CFlatHeaderCtrl::DrawHeaderItem(QPainter& painter, const QRect& rect, const ItemRecord& item) const {
  if (rect.width() <= 0 || item.text.isEmpty()) return;
  const QString text = painter.fontMetrics().elidedText(item.text, Qt::ElideRight, rect.width());
  painter.drawText(rect, static_cast<int>((item.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter), text);
}

void CFlatHeaderCtrl::paintEvent(QPaintEvent*) {
  // Painted off-screen and copied in one piece, so the header never flickers.
  QImage surface(viewport()->size(), QImage::Format_RGB32);
  {
    QPainter painter(&surface);
    PaintHeader(painter);
  }
  QPainter(viewport()).drawImage(0, 0, surface);
}

void CFlatHeaderCtrl::PaintHeader(QPainter& painter) {
  const int h = height();
  painter.fillRect(QRect(0, 0, painter.device()->width(), h), m_crFace);
  painter.setFont(font());

  int lastVisual = count() - 1;
  while (lastVisual >= 0 && isSectionHidden(logicalIndex(lastVisual))) --lastVisual;
  int total = 0;
  for (int visual = 0; visual <= lastVisual; ++visual) {
    const int logical = logicalIndex(visual);
    if (isSectionHidden(logical)) continue;
    const QRect rect = ItemRect(logical);
    ItemRecord item;
    item.text = model() ? model()->headerData(logical, Qt::Horizontal).toString().left(kMaxItemText) : QString();
    item.alignment = defaultAlignment();
    painter.setPen(m_crText);
    DrawHeaderItem(painter, rect.adjusted(m_iSpacing, 0, -m_iSpacing, 0), item);
    if (m_bLeftDown && logical == m_iHotIndex && m_hit.flags == kOnHeader) {
      painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      painter.fillRect(rect, Qt::white);
      painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (visual != lastVisual) {
      const int right = rect.left() + rect.width();
      painter.setPen(m_crShadow);
      painter.drawLine(right - 1, 2, right - 1, h - 3);
      painter.setPen(m_crHighlight);
      painter.drawLine(right, 2, right, h - 3);
    }
    total += rect.width();
  }
  if (total > 0) {
    // A raised frame whose right edge lies at x = total.
    const int left = -offset();
    painter.setPen(m_crHighlight);
    painter.drawLine(left, 0, left + total - 1, 0);
    painter.drawLine(left, 0, left, h - 2);
    painter.setPen(m_crShadow);
    painter.drawLine(left, h - 1, left + total, h - 1);
    painter.drawLine(left + total, 0, left + total, h - 1);
  }
  if (m_iDropPos >= 0 && lastVisual >= 0) {
    const int x = m_iDropPos <= lastVisual
                      ? sectionViewportPosition(logicalIndex(m_iDropPos)) - 1
                      : sectionViewportPosition(logicalIndex(lastVisual)) + sectionSize(logicalIndex(lastVisual));
    DrawDropMarker(painter, x);
  }
}

void CFlatHeaderCtrl::DrawDropMarker(QPainter& painter, int x) const {
  const int bottom = height();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(m_crDropMarker);
  painter.setBrush(m_crDropMarker);
  painter.drawPolygon(QPolygon({QPoint(x - 4, bottom - 1), QPoint(x, bottom - 5), QPoint(x + 4, bottom - 1)}));
  painter.drawPolygon(QPolygon({QPoint(x - 4, 0), QPoint(x, 4), QPoint(x + 4, 0)}));
  painter.setBrush(Qt::NoBrush);
}

void CFlatHeaderCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    m_bLeftDown = true;
    m_clickPoint = event->position().toPoint();
    TrackHit(m_clickPoint);
    if (m_iHotIndex >= 0) {
      m_hotItemRecord.width = sectionSize(m_iHotIndex);
      m_hotItemRecord.text = model() ? model()->headerData(m_iHotIndex, Qt::Horizontal).toString().left(kMaxItemText)
                                     : QString();
      m_hotItemRecord.alignment = defaultAlignment();
      m_hotItemRecord.order = m_iHotOrder;
      if (m_hit.flags == kOnHeader) viewport()->update(ItemRect(m_iHotIndex));
      if (m_hit.flags == kOnDivider) m_bResizing = true;
    }
  }
  QHeaderView::mousePressEvent(event);
}

void CFlatHeaderCtrl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (!m_bLeftDown) {
    // No button held: the move is a hover, which only updates the hot item
    // (and lets the base view show the divider cursor).
    TrackHit(point);
    QHeaderView::mouseMoveEvent(event);
    return;
  }
  if (m_iHotIndex < 0) return;
  if (m_bResizing) {
    QHeaderView::mouseMoveEvent(event);
    return;
  }
  if (m_hit.flags != kOnHeader) return;
  if (m_bDragging) {
    if (!m_pDragWnd) return;
    const QPoint global = event->globalPosition().toPoint();
    // The window stays on top by its flags; showing it never activates it.
    m_pDragWnd->move(global.x() - m_pDragWnd->width() / 2, global.y() - m_pDragWnd->height() / 2);
    m_pDragWnd->show();
    const int drop = DropPositionAt(point);
    if (drop != m_iDropPos) {
      m_iDropPos = drop;
      viewport()->update();
    }
    return;
  }
  if (!m_bDragDropStyle) return;
  const int dx = QApplication::startDragDistance();
  const QRect still(m_clickPoint.x() - dx, m_clickPoint.y() - dx, 2 * dx, 2 * dx);
  if (!still.contains(point)) StartDrag();
}

int CFlatHeaderCtrl::DropPositionAt(const QPoint& point) const {
  const HitRecord hit = HitTest(point);
  if (hit.item < 0) return -1;
  const QRect item = ItemRect(hit.item);
  int drop = visualIndex(hit.item);
  if (point.x() > (item.left() + item.left() + item.width()) / 2) ++drop;
  if (drop == m_iHotOrder || drop == m_iHotOrder + 1) return -1;  // the column would stay where it is
  return drop;
}

void CFlatHeaderCtrl::StartDrag() {
  bool refuse = false;
  emit beginDrag(m_iHotIndex, &refuse);
  if (!refuse) {
    const QRect item = ItemRect(m_iHotIndex);
    m_pDragWnd = new CFHDragWnd(QRect(viewport()->mapToGlobal(item.topLeft()), item.size()), this, m_iHotIndex);
  }
  m_bDragging = true;
}

void CFlatHeaderCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QHeaderView::mouseReleaseEvent(event);
    return;
  }
  m_bLeftDown = false;
  m_clickPoint = event->position().toPoint();
  if (m_iHotIndex < 0) {
    QHeaderView::mouseReleaseEvent(event);
    return;
  }
  m_bResizing = false;
  if (m_hit.flags != kOnHeader) {
    QHeaderView::mouseReleaseEvent(event);
    return;
  }
  if (m_bDragging) {
    FinishDrag();
    EndBasePress();
    return;
  }
  viewport()->update(ItemRect(m_iHotIndex));
  QHeaderView::mouseReleaseEvent(event);
}

void CFlatHeaderCtrl::FinishDrag() {
  bool refuse = false;
  emit endDrag(m_iHotIndex, &refuse);
  if (!refuse && m_iDropPos >= 0) {
    const int from = m_iHotOrder;
    moveSection(from, from < m_iDropPos ? m_iDropPos - 1 : m_iDropPos);
  }
  if (m_pDragWnd) m_pDragWnd->close();
  m_bDragging = false;
  m_iDropPos = -1;
  viewport()->update();
}

void CFlatHeaderCtrl::EndBasePress() {
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), QPointF(-1, -1), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QHeaderView::mouseReleaseEvent(&release);
}
