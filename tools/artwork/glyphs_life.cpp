// Glyphs of the outgoing items of daily life.
#include "glyphs.h"

namespace art {

static QPainterPath rounded(const QPainterPath& p, double r) { return p.united(strokeOf(p, 2 * r)); }

void gClothing(G& g) {
  QPainterPath t;
  t.moveTo(34, 10);
  t.quadTo(50, 26, 66, 10);
  t.lineTo(82, 16);
  t.lineTo(96, 36);
  t.lineTo(82, 48);
  t.lineTo(75, 42);
  t.lineTo(75, 90);
  t.lineTo(25, 90);
  t.lineTo(25, 42);
  t.lineTo(18, 48);
  t.lineTo(4, 36);
  t.lineTo(18, 16);
  t.closeSubpath();
  g.fill(rounded(t, 3));
}

void gDining(G& g) {
  for (double x : {18.0, 28.0, 38.0}) g.fill(rrect(x, 6, 6, 30, 3));
  g.fill(rrect(18, 28, 26, 16, 7));
  g.fill(rrect(26, 36, 10, 58, 5));
  QPainterPath blade;
  blade.moveTo(62, 6);
  blade.cubicTo(82, 12, 84, 40, 80, 56);
  blade.lineTo(62, 56);
  blade.closeSubpath();
  g.fill(rounded(blade, 2));
  g.fill(rrect(62, 52, 12, 42, 6));
}

void gEntertainment(G& g) {
  g.fill(rrect(10, 42, 80, 50, 7));
  QPainterPath bar = rounded(poly({{11, 30}, {84, 12}, {87, 24}, {14, 42}}), 2);
  g.cut(strokeOf(bar, 8));
  g.fill(bar);
  for (double x : {30.0, 50.0, 70.0}) g.cutLine({{x, 22 - (x - 30) * 0.24}, {x - 8, 36 - (x - 30) * 0.24}}, 5);
  g.cut(rounded(poly({{42, 56}, {42, 80}, {62, 68}}), 2));
}

void gHolidays(G& g) {
  Sub s(g, 0, 0, 1, 45);
  g.fill(rrect(44, 4, 12, 86, 6));
  g.fill(rounded(poly({{50, 34}, {92, 58}, {92, 64}, {50, 52}, {8, 64}, {8, 58}}), 3));
  g.fill(rounded(poly({{50, 76}, {68, 88}, {68, 92}, {50, 88}, {32, 92}, {32, 88}}), 2));
}

void gGifts(G& g) { giftShape(g); }

void gEducation(G& g) {
  QPainterPath base;
  base.moveTo(24, 44);
  base.lineTo(24, 66);
  base.cubicTo(24, 82, 76, 82, 76, 66);
  base.lineTo(76, 44);
  base.closeSubpath();
  g.fill(base);
  QPainterPath top = rounded(poly({{50, 12}, {94, 34}, {50, 56}, {6, 34}}), 2);
  g.cut(strokeOf(top, 10));
  g.fill(top);
  g.cut(strokeOf(polyline({{50, 34}, {86, 40}, {86, 64}}), 12));
  g.line({{50, 34}, {86, 40}, {86, 64}}, 4.5);
  g.fill(rrect(81, 62, 10, 18, 4));
}

void gChildcare(G& g) {
  g.fill(ellipse(50, 82, 26, 16));
  g.cut(circle(50, 42, 31));
  g.fill(circle(27, 22, 12));
  g.fill(circle(73, 22, 12));
  g.cut(circle(27, 22, 5));
  g.cut(circle(73, 22, 5));
  g.fill(circle(50, 42, 26));
  g.cut(circle(40, 36, 4.5));
  g.cut(circle(60, 36, 4.5));
  g.cut(ellipse(50, 53, 11, 8.5));
  g.fill(ellipse(50, 50, 4.5, 3.5));
}

void gPets(G& g) {
  QPainterPath pad;
  pad.moveTo(50, 48);
  pad.cubicTo(66, 48, 80, 68, 76, 80);
  pad.cubicTo(72, 92, 60, 86, 50, 86);
  pad.cubicTo(40, 86, 28, 92, 24, 80);
  pad.cubicTo(20, 68, 34, 48, 50, 48);
  pad.closeSubpath();
  g.fill(pad);
  const struct { double x, y, a; } toes[] = {{18, 44, -20}, {37, 24, -6}, {63, 24, 6}, {82, 44, 20}};
  for (const auto& t : toes) {
    QTransform r;
    r.translate(t.x, t.y);
    r.rotate(t.a);
    g.fill(r.map(ellipse(0, 0, 9.5, 12.5)));
  }
}

void gGym(G& g) {
  Sub s(g, 0, 0, 1, -30);
  g.fill(rrect(20, 44, 60, 12, 4));
  g.fill(rrect(14, 26, 14, 48, 5));
  g.fill(rrect(72, 26, 14, 48, 5));
  g.fill(rrect(3, 35, 10, 30, 4));
  g.fill(rrect(87, 35, 10, 30, 4));
}

void gSubscriptions(G& g) {
  g.fill(rounded(poly({{41, 35}, {41, 65}, {66, 50}}), 3));
  arcArrow(g, 50, 50, 36, 110, 118, 9, 12, false);
  arcArrow(g, 50, 50, 36, 290, 118, 9, 12, false);
}

void gCharity(G& g) {
  {
    Sub s(g, 26, 0, 0.48);
    g.fill(heartPath());
  }
  g.fill(rrect(10, 52, 80, 40, 7));
  g.cut(rrect(28, 60, 44, 7, 3.5));
}

void gHousehold(G& g) {
  g.fill(rrect(18, 24, 64, 38, 9));
  g.cut(rrect(20, 54, 60, 26, 4));
  g.fill(rrect(24, 58, 52, 20, 4));
  for (double x : {6.0, 74.0}) {
    g.cut(rrect(x - 3, 39, 26, 44, 10));
    g.fill(rrect(x, 42, 20, 38, 8));
  }
  g.fill(rrect(12, 80, 8, 12, 2));
  g.fill(rrect(80, 80, 8, 12, 2));
}

void gSavingsTransfer(G& g) {
  {
    Sub s(g, -2, 10, 0.86);
    piggyShape(g);
  }
  badge(g, 76, 22, 18, symArrowDown);
}

}  // namespace art
