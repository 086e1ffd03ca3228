#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace korvix {

namespace {

// Drawn on a grid of 24 by 24: the sheet waiting at the top, the body with
// its slot and lamp, and the printed sheet coming out at the bottom.
QPixmap DrawPrinter(QSize size, qreal ratio) {
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size.width() / 24.0, size.height() / 24.0);
  const QColor outline(60, 60, 60);
  painter.setPen(QPen(outline, 1.0));

  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(6.5, 2.5, 11, 7));

  QPainterPath body;
  body.addRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
  painter.setBrush(QColor(170, 174, 180));
  painter.drawPath(body);
  painter.setBrush(QColor(90, 90, 96));
  painter.drawRect(QRectF(5.5, 14.5, 13, 1.5));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 170, 60));
  painter.drawEllipse(QRectF(17, 10.5, 2, 2));

  painter.setPen(QPen(outline, 1.0));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(6.5, 15.5, 11, 6));
  painter.setPen(QPen(QColor(120, 120, 120), 1.0));
  for (const qreal y : {17.5, 19.5}) painter.drawLine(QPointF(8.5, y), QPointF(15.5, y));
  return pixmap;
}

}  // namespace

QIcon PrinterIcon(QSize size) {
  QIcon icon;
  for (const qreal ratio : {1.0, 2.0}) icon.addPixmap(DrawPrinter(size, ratio));
  return icon;
}

}  // namespace korvix
