#include "controls/header_drag_wnd.h"

#include <QPainter>
#include <QPixmap>

#include "controls/flat_header_ctrl.h"

CFHDragWnd::CFHDragWnd(const QRect& rect, CFlatHeaderCtrl* header, int item)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      m_pHeader(header),
      m_iItem(item) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(rect);
}

void CFHDragWnd::paintEvent(QPaintEvent*) {
  // Drawn off-screen first and copied in one piece, so the image never flickers.
  QPixmap surface(size());
  {
    QPainter painter(&surface);
    const QRect client = rect();
    painter.fillRect(client, m_pHeader->FaceColour());
    painter.setPen(m_pHeader->HighlightColour());
    painter.drawLine(client.topLeft(), client.topRight());
    painter.drawLine(client.topLeft(), client.bottomLeft());
    painter.setPen(m_pHeader->ShadowColour());
    painter.drawLine(client.bottomLeft(), client.bottomRight());
    painter.drawLine(client.topRight(), client.bottomRight());
    painter.setFont(m_pHeader->font());
    painter.setPen(m_pHeader->TextColour());
    const int spacing = m_pHeader->Spacing();
    m_pHeader->DrawHeaderItem(painter, client.adjusted(spacing, 0, -spacing, 0), m_pHeader->HotItemRecord());
  }
  QPainter(this).drawPixmap(0, 0, surface);
}
