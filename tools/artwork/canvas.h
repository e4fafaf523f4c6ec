#pragma once
// Drawing helpers shared by every picture: the palette, a glyph pen that draws
// in a 100 by 100 unit box, layers with cut-outs, soft shadows and saving.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

namespace art {

// The program's colours and a few friendly accents.
namespace pal {
inline const QColor green(32, 91, 71);      // the program's green
inline const QColor line(166, 190, 78);     // line / accent green
inline const QColor mint(232, 242, 226);    // light tint of the greens
inline const QColor paper(255, 255, 255);
inline const QColor ink(40, 48, 52);        // dark text
inline const QColor grey(140, 150, 156);
inline const QColor teal(28, 138, 140);
inline const QColor blue(47, 114, 190);
inline const QColor indigo(78, 92, 178);
inline const QColor leaf(96, 150, 48);
inline const QColor orange(234, 128, 52);
inline const QColor coral(222, 88, 78);
inline const QColor amber(232, 170, 40);
inline const QColor purple(122, 90, 176);
inline const QColor gold(255, 206, 84);
inline const QColor magenta(255, 0, 255);
}  // namespace pal

QColor mix(const QColor& a, const QColor& b, double t);  // t = 0 gives a, 1 gives b
QColor lighter(const QColor& c, double t);               // towards white
QColor darker(const QColor& c, double t);                // towards black
QColor withAlpha(const QColor& c, int alpha);

// Shapes in the caller's coordinates.
QPainterPath rrect(double x, double y, double w, double h, double r);
QPainterPath circle(double cx, double cy, double r);
QPainterPath ellipse(double cx, double cy, double rx, double ry);
QPainterPath poly(std::initializer_list<QPointF> pts, bool closed = true);
QPainterPath polyline(std::initializer_list<QPointF> pts);
QPainterPath ring(double cx, double cy, double r, double width);
// A pie slice / arc sector, angles in degrees counter-clockwise from 3 o'clock.
QPainterPath sector(double cx, double cy, double r, double startDeg, double spanDeg);
QPainterPath arc(double cx, double cy, double r, double startDeg, double spanDeg);
QPainterPath strokeOf(const QPainterPath& p, double width,
                      Qt::PenCapStyle cap = Qt::RoundCap, Qt::PenJoinStyle join = Qt::RoundJoin);
QPainterPath textPath(const QString& text, const QString& family, double pixelSize, bool bold,
                      double x, double baseline);

// The two colours a glyph is drawn with.
struct Ink {
  QColor main;
  QColor accent;
};

// Draws one glyph in a 100 by 100 unit box on a transparent layer. "Cut"
// operations punch holes into what was drawn so far, so details show the
// background whatever it is.
class G {
 public:
  G(QPainter& p, const Ink& ink) : p_(p), ink_(ink) {}
  void fill(const QPainterPath& path) { paint(path, ink_.main); }
  void accent(const QPainterPath& path) { paint(path, ink_.accent); }
  void soft(const QPainterPath& path, int alpha = 110) { paint(path, withAlpha(ink_.main, alpha)); }
  void line(std::initializer_list<QPointF> pts, double w) { fill(strokeOf(polyline(pts), w)); }
  void stroke(const QPainterPath& path, double w) { fill(strokeOf(path, w)); }
  void accentStroke(const QPainterPath& path, double w) { accent(strokeOf(path, w)); }
  void cut(const QPainterPath& path);
  void cutLine(std::initializer_list<QPointF> pts, double w) { cut(strokeOf(polyline(pts), w)); }
  void cutStroke(const QPainterPath& path, double w) { cut(strokeOf(path, w)); }
  // Text centred on (cx, baseline).
  void text(const QString& t, double cx, double baseline, double size, bool accentColour = false);
  void cutText(const QString& t, double cx, double baseline, double size);
  QPainter& painter() { return p_; }
  const Ink& ink() const { return ink_; }

 private:
  void paint(const QPainterPath& path, const QColor& c);
  QPainter& p_;
  Ink ink_;
};

using Glyph = std::function<void(G&)>;

// A transparent image of the given size.
QImage blank(int w, int h);
// Starts antialiased painting on an image.
void begin(QPainter& p, QImage& img);
// Renders a glyph so that its 100-unit box fills the square `box` of a new
// transparent layer of the given size.
QImage glyphLayer(const Glyph& g, QSize size, const QRectF& box, const Ink& ink);
// A copy of the layer with every pixel in the given colour (alpha kept, scaled by alpha/255).
QImage tint(const QImage& layer, const QColor& c);
// A soft blurred copy (alpha-weighted box blur, three passes).
QImage blur(const QImage& img, int radius);
// Paints a soft shadow of `shape` (a layer) onto p, offset by (dx, dy).
void shadow(QPainter& p, const QImage& shape, double dx, double dy, int radius, const QColor& c);

bool save(const QImage& img, const QString& path);  // creates the folder; RGB when opaque

}  // namespace art
