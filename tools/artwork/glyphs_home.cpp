// Glyphs of the outgoing items around the home, its utilities and travel.
#include "glyphs.h"

namespace art {

static QPainterPath rounded(const QPainterPath& p, double r) { return p.united(strokeOf(p, 2 * r)); }

static void houseWithBadge(G& g, const Glyph& sym) {
  {
    Sub s(g, -6, -2, 0.94);
    g.fill(housePath());
    g.cut(rrect(42, 62, 16, 40, 4));
  }
  badge(g, 73, 73, 20, sym);
}

static void carWithBadge(G& g, const Glyph& sym) {
  {
    Sub s(g, 0, 12, 0.84);
    carShape(g);
  }
  badge(g, 78, 20, 17, sym);
}

void gRent(G& g) {
  g.fill(rrect(18, 6, 64, 88, 7));
  for (double y : {16.0, 32.0, 48.0})
    for (double x : {28.0, 45.0, 62.0}) g.cut(rrect(x, y, 10, 10, 2));
  g.cut(rrect(41, 68, 18, 30, 3));
}

void gMortgagePayment(G& g) { houseWithBadge(g, symCoin); }
void gHomeInsurance(G& g) { houseWithBadge(g, symShield); }

void gGroceries(G& g) {
  g.stroke(arc(50, 46, 28, 10, 160), 8);
  g.fill(rounded(poly({{8, 42}, {92, 42}, {82, 88}, {18, 88}}), 4));
  g.cutLine({{8, 54}, {92, 54}}, 4.5);
  for (double x : {34.0, 50.0, 66.0}) g.cutLine({{x, 63}, {x, 79}}, 5);
}

void gElectricity(G& g) {
  g.fill(rounded(poly({{60, 6}, {20, 56}, {46, 56}, {38, 94}, {80, 40}, {54, 40}, {66, 6}}), 3));
}

void gGas(G& g) {
  QPainterPath f;
  f.moveTo(50, 6);
  f.cubicTo(60, 26, 84, 40, 82, 64);
  f.cubicTo(80, 84, 66, 94, 50, 94);
  f.cubicTo(34, 94, 18, 84, 18, 64);
  f.cubicTo(18, 48, 28, 40, 34, 28);
  f.cubicTo(40, 36, 42, 42, 46, 44);
  f.cubicTo(46, 30, 44, 18, 50, 6);
  f.closeSubpath();
  g.fill(f);
  QPainterPath in;
  in.moveTo(50, 52);
  in.cubicTo(56, 62, 64, 70, 63, 78);
  in.cubicTo(62, 88, 38, 88, 37, 78);
  in.cubicTo(36, 70, 44, 62, 50, 52);
  in.closeSubpath();
  g.cut(in);
}

void gWater(G& g) {
  QPainterPath d;
  d.moveTo(50, 6);
  d.cubicTo(60, 26, 82, 46, 82, 64);
  d.cubicTo(82, 82, 68, 94, 50, 94);
  d.cubicTo(32, 94, 18, 82, 18, 64);
  d.cubicTo(18, 46, 40, 26, 50, 6);
  d.closeSubpath();
  g.fill(d);
  g.cutStroke(arc(50, 64, 20, 195, 55), 5.5);
}

void gPhone(G& g) {
  g.fill(rounded(poly({{28, 48}, {72, 48}, {86, 88}, {14, 88}}), 5));
  g.cut(ring(50, 68, 10, 5.5));
  QPainterPath hs = strokeOf(arc(50, 54, 34, 28, 124), 12, Qt::FlatCap);
  QTransform l, r;
  l.translate(19, 38);
  l.rotate(-28);
  r.translate(81, 38);
  r.rotate(28);
  hs = hs.united(l.map(rrect(-12, -7, 24, 14, 5))).united(r.map(rrect(-12, -7, 24, 14, 5)));
  g.cut(strokeOf(hs, 9));
  g.fill(hs);
}

void gInternet(G& g) {
  g.fill(circle(50, 50, 41));
  g.cutStroke(ellipse(50, 50, 16, 41), 5);
  g.cutLine({{8, 50}, {92, 50}}, 5);
  g.cutLine({{16, 30}, {84, 30}}, 4.5);
  g.cutLine({{16, 70}, {84, 70}}, 4.5);
}

void gMobile(G& g) {
  g.fill(rrect(24, 4, 52, 92, 11));
  g.cut(rrect(31, 15, 38, 60, 4));
  g.soft(rrect(31, 15, 38, 60, 4), 90);
  g.cut(circle(50, 85, 4.5));
}

void gCarLoan(G& g) { carWithBadge(g, symPercent); }
void gCarInsurance(G& g) { carWithBadge(g, symShield); }

void gCarMaintenance(G& g) {
  Sub s(g, 0, 0, 1, 45);
  g.fill(rrect(43, 36, 14, 58, 7));
  g.fill(circle(50, 24, 21));
  g.cut(rrect(43, -2, 14, 26, 3));
}

void gFuel(G& g) {
  g.fill(rrect(12, 10, 46, 76, 7));
  g.fill(rrect(6, 84, 58, 10, 3));
  g.cut(rrect(20, 19, 30, 20, 3));
  QPainterPath hose;
  hose.moveTo(58, 40);
  hose.lineTo(70, 40);
  hose.quadTo(80, 40, 80, 50);
  hose.lineTo(80, 72);
  hose.quadTo(80, 80, 86, 80);
  hose.quadTo(92, 80, 92, 72);
  hose.lineTo(92, 36);
  g.stroke(hose, 6);
  g.fill(rounded(poly({{84, 14}, {92, 14}, {96, 36}, {88, 36}}), 2));
}

void gBus(G& g) {
  g.fill(rrect(6, 20, 6, 18, 3));
  g.fill(rrect(88, 20, 6, 18, 3));
  g.fill(rrect(14, 6, 72, 76, 12));
  g.cut(rrect(22, 16, 56, 32, 5));
  g.cut(circle(28, 66, 5.5));
  g.cut(circle(72, 66, 5.5));
  g.cutLine({{42, 66}, {58, 66}}, 5);
  g.fill(rrect(20, 80, 16, 12, 4));
  g.fill(rrect(64, 80, 16, 12, 4));
}

void gHealthInsurance(G& g) {
  g.fill(shieldPath());
  g.cutLine({{50, 30}, {50, 70}}, 13);
  g.cutLine({{30, 50}, {70, 50}}, 13);
}

void gMedical(G& g) {
  Sub s(g, 0, 0, 1, -45);
  g.fill(rrect(8, 30, 84, 40, 20));
  g.cutLine({{50, 26}, {50, 74}}, 5);
  g.cut(rrect(57, 38, 27, 24, 12));
}

void gDentist(G& g) {
  QPainterPath t;
  t.moveTo(50, 20);
  t.cubicTo(40, 10, 12, 10, 12, 34);
  t.cubicTo(12, 52, 24, 58, 26, 76);
  t.cubicTo(28, 94, 42, 96, 43, 78);
  t.cubicTo(44, 66, 56, 66, 57, 78);
  t.cubicTo(58, 96, 72, 94, 74, 76);
  t.cubicTo(76, 58, 88, 52, 88, 34);
  t.cubicTo(88, 10, 60, 10, 50, 20);
  t.closeSubpath();
  g.fill(t);
  QPainterPath h;
  h.moveTo(26, 40);
  h.quadTo(26, 26, 38, 25);
  g.cutStroke(h, 5);
}

}  // namespace art
