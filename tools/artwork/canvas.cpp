#include "canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace art {

QColor mix(const QColor& a, const QColor& b, double t) {
  auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
                m(a.alpha(), b.alpha()));
}
QColor lighter(const QColor& c, double t) { return mix(c, QColor(255, 255, 255, c.alpha()), t); }
QColor darker(const QColor& c, double t) { return mix(c, QColor(0, 0, 0, c.alpha()), t); }
QColor withAlpha(const QColor& c, int alpha) {
  QColor r = c;
  r.setAlpha(alpha);
  return r;
}

QPainterPath rrect(double x, double y, double w, double h, double r) {
  QPainterPath p;
  p.addRoundedRect(QRectF(x, y, w, h), r, r);
  return p;
}
QPainterPath circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }
QPainterPath ellipse(double cx, double cy, double rx, double ry) {
  QPainterPath p;
  p.addEllipse(QPointF(cx, cy), rx, ry);
  return p;
}
QPainterPath poly(std::initializer_list<QPointF> pts, bool closed) {
  QPainterPath p;
  bool first = true;
  for (const QPointF& pt : pts) {
    if (first) p.moveTo(pt);
    else p.lineTo(pt);
    first = false;
  }
  if (closed) p.closeSubpath();
  return p;
}
QPainterPath polyline(std::initializer_list<QPointF> pts) { return poly(pts, false); }
QPainterPath ring(double cx, double cy, double r, double width) {
  QPainterPath p = circle(cx, cy, r + width / 2);
  p.addEllipse(QPointF(cx, cy), r - width / 2, r - width / 2);
  p.setFillRule(Qt::OddEvenFill);
  return p;
}
QPainterPath sector(double cx, double cy, double r, double startDeg, double spanDeg) {
  QPainterPath p;
  p.moveTo(cx, cy);
  p.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), startDeg, spanDeg);
  p.closeSubpath();
  return p;
}
QPainterPath arc(double cx, double cy, double r, double startDeg, double spanDeg) {
  QPainterPath p;
  p.arcMoveTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), startDeg);
  p.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), startDeg, spanDeg);
  return p;
}
QPainterPath strokeOf(const QPainterPath& p, double width, Qt::PenCapStyle cap, Qt::PenJoinStyle join) {
  QPainterPathStroker s;
  s.setWidth(width);
  s.setCapStyle(cap);
  s.setJoinStyle(join);
  return s.createStroke(p).simplified();
}

static QFont artFont(const QString& family, bool bold) {
  QFont f(family);
  f.setPixelSize(200);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferOutline);
  return f;
}

QPainterPath textPath(const QString& text, const QString& family, double pixelSize, bool bold, double x,
                      double baseline) {
  QPainterPath raw;
  raw.addText(0, 0, artFont(family, bold), text);
  QTransform t;
  t.translate(x, baseline);
  t.scale(pixelSize / 200.0, pixelSize / 200.0);
  return t.map(raw);
}

static QPainterPath centredText(const QString& t, double cx, double baseline, double size) {
  QPainterPath p = textPath(t, QStringLiteral("DejaVu Sans"), size, true, 0, baseline);
  p.translate(cx - p.boundingRect().center().x(), 0);
  return p;
}

void G::paint(const QPainterPath& path, const QColor& c) {
  p_.setPen(Qt::NoPen);
  p_.setBrush(c);
  p_.drawPath(path);
}

void G::cut(const QPainterPath& path) {
  p_.save();
  p_.setCompositionMode(QPainter::CompositionMode_DestinationOut);
  p_.setPen(Qt::NoPen);
  p_.setBrush(Qt::black);
  p_.drawPath(path);
  p_.restore();
}

void G::text(const QString& t, double cx, double baseline, double size, bool accentColour) {
  paint(centredText(t, cx, baseline, size), accentColour ? ink_.accent : ink_.main);
}

void G::cutText(const QString& t, double cx, double baseline, double size) { cut(centredText(t, cx, baseline, size)); }

QImage blank(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

void begin(QPainter& p, QImage& img) {
  p.begin(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
}

QImage glyphLayer(const Glyph& g, QSize size, const QRectF& box, const Ink& ink) {
  QImage img = blank(size.width(), size.height());
  QPainter p;
  begin(p, img);
  p.translate(box.topLeft());
  p.scale(box.width() / 100.0, box.height() / 100.0);
  G pen(p, ink);
  g(pen);
  p.end();
  return img;
}

QImage tint(const QImage& layer, const QColor& c) {
  QImage out = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&out);
  p.setCompositionMode(QPainter::CompositionMode_SourceIn);
  p.fillRect(out.rect(), c);
  return out;
}

static void boxPass(std::vector<double>& ch, int w, int h, int r, bool horizontal) {
  std::vector<double> tmp(ch.size());
  const int n = horizontal ? w : h, lines = horizontal ? h : w;
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> double& { return horizontal ? ch[size_t(l * w + i)] : ch[size_t(i * w + l)]; };
    auto out = [&](int i) -> double& { return horizontal ? tmp[size_t(l * w + i)] : tmp[size_t(i * w + l)]; };
    double sum = 0;
    for (int i = -r; i <= r; ++i) sum += (i >= 0 && i < n) ? at(i) : 0;
    for (int i = 0; i < n; ++i) {
      out(i) = sum / (2 * r + 1);
      int add = i + r + 1, sub = i - r;
      if (add < n) sum += at(add);
      if (sub >= 0) sum -= at(sub);
    }
  }
  ch.swap(tmp);
}

QImage blur(const QImage& src, int radius) {
  QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int w = img.width(), h = img.height();
  std::vector<double> c[4];
  for (auto& v : c) v.resize(size_t(w * h));
  for (int y = 0; y < h; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      c[0][size_t(y * w + x)] = qAlpha(row[x]);
      c[1][size_t(y * w + x)] = qRed(row[x]);
      c[2][size_t(y * w + x)] = qGreen(row[x]);
      c[3][size_t(y * w + x)] = qBlue(row[x]);
    }
  }
  const int r = std::max(1, radius / 2);
  for (auto& v : c)
    for (int pass = 0; pass < 3; ++pass) {
      boxPass(v, w, h, r, true);
      boxPass(v, w, h, r, false);
    }
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      auto q = [&](int k) { return std::clamp(int(std::lround(c[k][size_t(y * w + x)])), 0, 255); };
      int a = q(0);
      row[x] = qRgba(std::min(q(1), a), std::min(q(2), a), std::min(q(3), a), a);
    }
  }
  return img;
}

void shadow(QPainter& p, const QImage& shape, double dx, double dy, int radius, const QColor& c) {
  QImage s = blur(tint(shape, c), radius);
  p.drawImage(QPointF(dx, dy), s);
}

bool save(const QImage& img, const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QImage out = img;
  bool opaque = true;
  const QImage a = img.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < a.height() && opaque; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    for (int x = 0; x < a.width(); ++x)
      if (qAlpha(row[x]) != 255) {
        opaque = false;
        break;
      }
  }
  out = opaque ? a.convertToFormat(QImage::Format_RGB888) : a;
  return out.save(path, "PNG", 0);
}

}  // namespace art
