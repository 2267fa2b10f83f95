#include "resources/icons.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

namespace {

void DrawGlobe(QPainter& p, const QRectF& r) {
  QRadialGradient sea(r.center() - QPointF(r.width() / 6, r.height() / 6), r.width() / 1.6);
  sea.setColorAt(0, QColor(110, 170, 255));
  sea.setColorAt(1, QColor(20, 70, 180));
  p.setPen(QPen(QColor(10, 40, 110), std::max(1.0, r.width() / 32)));
  p.setBrush(sea);
  p.drawEllipse(r);
  // Two green land masses, clipped to the globe.
  QPainterPath globe;
  globe.addEllipse(r);
  p.save();
  p.setClipPath(globe);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 160, 60));
  const double w = r.width(), h = r.height();
  p.drawEllipse(QRectF(r.left() + w * 0.12, r.top() + h * 0.18, w * 0.38, h * 0.30));
  p.drawEllipse(QRectF(r.left() + w * 0.45, r.top() + h * 0.50, w * 0.40, h * 0.35));
  p.restore();
  // Meridian and equator.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(200, 225, 255, 160), std::max(1.0, w / 48)));
  p.drawEllipse(QRectF(r.left() + w * 0.3, r.top(), w * 0.4, h));
  p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
}

void DrawMagnifier(QPainter& p, const QRectF& r) {
  const double w = r.width();
  const QRectF lens(r.left() + w * 0.42, r.top() + w * 0.42, w * 0.36, w * 0.36);
  p.setPen(QPen(QColor(90, 60, 30), w * 0.09, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(lens.center() + QPointF(w * 0.13, w * 0.13), QPointF(r.right() - w * 0.02, r.bottom() - w * 0.02));
  p.setPen(QPen(QColor(60, 60, 60), w * 0.05));
  p.setBrush(QColor(230, 240, 255, 150));
  p.drawEllipse(lens);
}

QPixmap Canvas(int w, int h, QColor fill = Qt::transparent) {
  QPixmap pixmap(w, h);
  pixmap.fill(fill);
  return pixmap;
}

void DrawComputer(QPainter& p, const QRectF& r) {
  p.setPen(QColor(40, 40, 40));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(r.adjusted(0, 0, 0, -r.height() * 0.3));
  p.setBrush(QColor(60, 120, 200));
  p.drawRect(r.adjusted(1, 1, -1, -r.height() * 0.3 - 1));
  p.setBrush(QColor(160, 160, 160));
  p.drawRect(QRectF(r.left(), r.bottom() - r.height() * 0.2, r.width(), r.height() * 0.2));
}

// The six toolbar pictures, each in a 24 x 24 cell.
void DrawToolbarPicture(QPainter& p, int index) {
  p.setRenderHint(QPainter::Antialiasing);
  switch (index) {
    case 0:  // a red pushpin
      p.setPen(QPen(QColor(90, 90, 90), 2));
      p.drawLine(QPointF(12, 14), QPointF(6, 22));
      p.setPen(QPen(QColor(120, 0, 0), 1));
      p.setBrush(QColor(220, 30, 30));
      p.drawEllipse(QRectF(8, 2, 12, 8));
      p.drawRect(QRectF(11, 9, 6, 5));
      p.drawEllipse(QRectF(7, 12, 14, 5));
      break;
    case 1: {  // a green check mark
      QPainterPath tick;
      tick.moveTo(3, 13);
      tick.lineTo(9, 20);
      tick.lineTo(21, 4);
      p.setPen(QPen(QColor(20, 150, 40), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPath(tick);
      break;
    }
    case 2: {  // a spreadsheet page with an arrow
      p.setPen(QColor(60, 60, 60));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(3, 2, 14, 19));
      p.setPen(QColor(60, 140, 60));
      for (int y = 6; y < 20; y += 4) p.drawLine(QPointF(4, y), QPointF(16, y));
      p.drawLine(QPointF(9, 3), QPointF(9, 20));
      p.setPen(QPen(QColor(30, 90, 200), 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(12, 15), QPointF(21, 15));
      p.drawLine(QPointF(21, 15), QPointF(17, 11));
      p.drawLine(QPointF(21, 15), QPointF(17, 19));
      break;
    }
    case 3:  // a red circle with a white cross
      p.setPen(QPen(QColor(140, 0, 0), 1));
      p.setBrush(QColor(220, 30, 30));
      p.drawEllipse(QRectF(2, 2, 20, 20));
      p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(8, 8), QPointF(16, 16));
      p.drawLine(QPointF(16, 8), QPointF(8, 16));
      break;
    case 4: {  // a green arrow over a gear
      p.setPen(QPen(QColor(70, 70, 70), 1));
      p.setBrush(QColor(150, 150, 160));
      QPainterPath gear;
      for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(12, 15);
        p.rotate(i * 45);
        p.drawRect(QRectF(-1.5, -9, 3, 4));
        p.restore();
      }
      p.drawEllipse(QRectF(5, 8, 14, 14));
      p.setBrush(QColor(235, 235, 235));
      p.drawEllipse(QRectF(9.5, 12.5, 5, 5));
      p.setPen(QPen(QColor(20, 150, 40), 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(4, 6), QPointF(18, 6));
      p.drawLine(QPointF(18, 6), QPointF(14, 2));
      p.drawLine(QPointF(18, 6), QPointF(14, 10));
      break;
    }
    case 5: {  // a page with a blue question mark
      p.setPen(QColor(60, 60, 60));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4, 2, 16, 20));
      QFont font("Sans");
      font.setPixelSize(16);
      font.setBold(true);
      p.setFont(font);
      p.setPen(QColor(30, 70, 210));
      p.drawText(QRectF(4, 2, 16, 20), Qt::AlignCenter, "?");
      break;
    }
    default: break;
  }
}

}  // namespace

QPixmap ApplicationIconPixmap(int size) {
  QPixmap pixmap = Canvas(size, size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  DrawGlobe(p, QRectF(size * 0.04, size * 0.04, size * 0.72, size * 0.72));
  DrawMagnifier(p, QRectF(0, 0, size, size));
  return pixmap;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(ApplicationIconPixmap(size));
  return icon;
}

QPixmap ListImage(int resourceId) {
  QPixmap pixmap = Canvas(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (resourceId == 140) {
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawLine(QPointF(4, 5), QPointF(12, 5));
    p.drawLine(QPointF(4, 5), QPointF(8, 12));
    p.drawLine(QPointF(12, 5), QPointF(8, 12));
    DrawComputer(p, QRectF(0.5, 0.5, 6, 6));
    DrawComputer(p, QRectF(9.5, 0.5, 6, 6));
    DrawComputer(p, QRectF(5, 9.5, 6, 6));
    return pixmap;
  }
  DrawGlobe(p, QRectF(1, 1, 14, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 220, 200));
  p.drawEllipse(QRectF(3, 3, 6, 6));  // the light disc
  return pixmap;
}

QImage ToolbarStrip(int) {
  // Bitmaps 132 and 133 hold the same pictures: the hot look is the same image.
  QImage strip(6 * 24, 24, QImage::Format_RGB32);
  strip.fill(kTransparentKey);
  QPainter p(&strip);
  for (int i = 0; i < 6; ++i) {
    p.save();
    p.translate(i * 24, 0);
    p.setClipRect(0, 0, 24, 24);
    DrawToolbarPicture(p, i);
    p.restore();
  }
  return strip;
}

QPixmap ToolbarImage(const QImage& strip, int index) {
  QPixmap picture = QPixmap::fromImage(strip.copy(index * 24, 0, 24, 24));
  picture.setMask(QBitmap::fromImage(strip.copy(index * 24, 0, 24, 24).createMaskFromColor(kTransparentKey, Qt::MaskInColor)));
  return picture;
}
