#include "compose.h"

#include <QLinearGradient>

namespace art {

QImage roundButton(const Glyph& g, bool hover, int size, double glyphShare) {
  const double s = size / 64.0;
  QImage img = blank(size, size);
  QPainter p;
  begin(p, img);
  const double c = size / 2.0, r = 29.5 * s;
  if (hover) {
    p.setPen(Qt::NoPen);
    p.setBrush(pal::green);
    p.drawEllipse(QPointF(c, c), r, r);
    p.setPen(QPen(pal::line, 2.2 * s));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(c, c), r - 1.1 * s, r - 1.1 * s);
  } else {
    p.setPen(QPen(lighter(pal::line, 0.35), 1.4 * s));
    p.setBrush(pal::mint);
    p.drawEllipse(QPointF(c, c), r - 0.7 * s, r - 0.7 * s);
  }
  const double gs = glyphShare * size;
  QRectF box(c - gs / 2, c - gs / 2, gs, gs);
  const QColor ink = hover ? QColor(Qt::white) : pal::green;
  QImage layer = glyphLayer(g, img.size(), box, {ink, hover ? lighter(pal::line, 0.2) : pal::line});
  p.drawImage(0, 0, layer);
  p.end();
  return img;
}

QImage tile(const Glyph& g, const QColor& colour, bool hover) {
  QImage img = blank(192, 192);
  QPainter p;
  begin(p, img);
  const QRectF card(12, 8, 168, 168);
  QPainterPath cardPath;
  cardPath.addRoundedRect(card, 34, 34);

  QImage shape = blank(192, 192);
  {
    QPainter sp;
    begin(sp, shape);
    sp.fillPath(cardPath, Qt::black);
  }
  shadow(p, shape, 0, hover ? 7 : 4, hover ? 14 : 9, QColor(20, 40, 30, hover ? 120 : 80));

  const QColor base = hover ? lighter(colour, 0.12) : colour;
  QLinearGradient grad(card.topLeft(), card.bottomLeft());
  grad.setColorAt(0, lighter(base, 0.16));
  grad.setColorAt(1, base);
  p.fillPath(cardPath, grad);

  p.save();
  p.setClipPath(cardPath);
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(Qt::white, 26));
  p.drawEllipse(QPointF(160, 26), 70, 70);
  p.setBrush(withAlpha(Qt::black, 14));
  p.drawEllipse(QPointF(30, 176), 56, 56);
  p.restore();

  const double gs = hover ? 112 : 104;
  QRectF box(96 - gs / 2, 92 - gs / 2, gs, gs);
  const Ink ink{Qt::white, pal::gold};
  QImage layer = glyphLayer(g, img.size(), box, ink);
  QImage glyphShadow = blur(tint(layer, withAlpha(darker(colour, 0.45), 150)), 6);
  p.save();
  p.setClipPath(cardPath);
  p.drawImage(QPointF(0, 4), glyphShadow);
  p.restore();
  p.drawImage(0, 0, layer);

  if (hover) {
    p.setPen(QPen(pal::line, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(-1, -1, 1, 1), 35, 35);
    p.setPen(QPen(withAlpha(Qt::white, 150), 2));
    p.drawRoundedRect(card.adjusted(3.5, 3.5, -3.5, -3.5), 31, 31);
  }
  p.end();
  return img;
}

QImage listIcon(const Glyph& g, const QColor& colour, int size) {
  const double s = size / 96.0;
  QImage img = blank(size, size);
  QPainter p;
  begin(p, img);
  const QRectF sq(3 * s, 3 * s, 90 * s, 90 * s);
  QPainterPath sqPath;
  sqPath.addRoundedRect(sq, 22 * s, 22 * s);
  QLinearGradient grad(sq.topLeft(), sq.bottomLeft());
  grad.setColorAt(0, lighter(colour, 0.14));
  grad.setColorAt(1, colour);
  p.fillPath(sqPath, grad);

  const double gs = 64 * s;
  QRectF box(48 * s - gs / 2, 48 * s - gs / 2, gs, gs);
  QImage layer = glyphLayer(g, img.size(), box, {Qt::white, Qt::white});
  QImage glyphShadow = blur(tint(layer, withAlpha(darker(colour, 0.5), 120)), int(4 * s));
  p.save();
  p.setClipPath(sqPath);
  p.drawImage(QPointF(0, 2.5 * s), glyphShadow);
  p.restore();
  p.drawImage(0, 0, layer);
  p.end();
  return img;
}

}  // namespace art
