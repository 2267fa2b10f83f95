#include "app/static_link.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

#include "app/shell_open.h"

const QCursor* SharedLinkCursor() {
  static const QCursor cursor(Qt::PointingHandCursor);
  return &cursor;
}

CStaticLink::CStaticLink(QLabel* attachTo, const QString& target)
    : QLabel(attachTo->text(), attachTo->parentWidget()), m_strTarget(target) {
  // Takes the place of the template's label, at its position and in its tab order.
  setGeometry(attachTo->geometry());
  stackUnder(attachTo);
  delete attachTo;
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  setTextFormat(Qt::PlainText);
  ApplyColour();
}

void CStaticLink::ApplyColour() {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, m_colour);
  setPalette(p);
}

void CStaticLink::enterEvent(QEnterEvent* event) {
  setCursor(*SharedLinkCursor());
  QLabel::enterEvent(event);
}

void CStaticLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QString target = m_strTarget.isEmpty() ? text() : m_strTarget;
  if (target.isEmpty()) return;
  if (ShellOpen(target)) {
    m_colour = kVisited;
    ApplyColour();
    update();
  } else {
    QApplication::beep();
  }
}
