// Shared shapes and the glyphs of the program's own buttons and tiles.
#include <QtMath>

#include "glyphs.h"

namespace art {

Sub::Sub(G& g, double x, double y, double scale, double rotateDeg) : p_(g.painter()) {
  p_.save();
  p_.translate(x, y);
  p_.scale(scale, scale);
  if (rotateDeg != 0) {
    p_.translate(50, 50);
    p_.rotate(rotateDeg);
    p_.translate(-50, -50);
  }
}
Sub::~Sub() { p_.restore(); }

static QPainterPath rounded(const QPainterPath& p, double r) { return p.united(strokeOf(p, 2 * r)); }

QPainterPath housePath() {
  QPainterPath roof = poly({{50, 14}, {88, 46}, {12, 46}});
  QPainterPath walls = rrect(22, 40, 56, 46, 2);
  QPainterPath chimney = rrect(64, 18, 10, 22, 1);
  return rounded(roof.united(walls).united(chimney), 4);
}

QPainterPath shieldPath() {
  QPainterPath p;
  p.moveTo(50, 6);
  p.cubicTo(62, 14, 74, 17, 86, 18);
  p.lineTo(86, 46);
  p.cubicTo(86, 70, 70, 86, 50, 95);
  p.cubicTo(30, 86, 14, 70, 14, 46);
  p.lineTo(14, 18);
  p.cubicTo(26, 17, 38, 14, 50, 6);
  p.closeSubpath();
  return p;
}

QPainterPath heartPath() {
  QPainterPath p;
  p.moveTo(50, 90);
  p.cubicTo(26, 72, 6, 56, 8, 34);
  p.cubicTo(10, 16, 26, 10, 36, 12);
  p.cubicTo(44, 13, 48, 18, 50, 24);
  p.cubicTo(52, 18, 56, 13, 64, 12);
  p.cubicTo(74, 10, 90, 16, 92, 34);
  p.cubicTo(94, 56, 74, 72, 50, 90);
  p.closeSubpath();
  return p;
}

QPainterPath gearPath(double cx, double cy, double r, int teeth) {
  QPainterPath p = circle(cx, cy, r * 0.76);
  const double tw = r * 0.36;
  for (int i = 0; i < teeth; ++i) {
    QPainterPath t = rrect(-tw / 2, -r, tw, r * 0.5, tw * 0.22);
    QTransform m;
    m.translate(cx, cy);
    m.rotate(360.0 * i / teeth);
    p = p.united(m.map(t));
  }
  return p;
}

QPainterPath documentPath() {
  return rounded(poly({{23, 11}, {57, 11}, {75, 29}, {75, 89}, {23, 89}}), 4);
}

QPainterPath starPath(double cx, double cy, double outer, double inner, int points) {
  QPainterPath p;
  for (int i = 0; i < points * 2; ++i) {
    double a = qDegreesToRadians(-90.0 + 180.0 * i / points);
    double r = (i % 2 == 0) ? outer : inner;
    QPointF pt(cx + r * std::cos(a), cy + r * std::sin(a));
    if (i == 0) p.moveTo(pt);
    else p.lineTo(pt);
  }
  p.closeSubpath();
  return p;
}

void badge(G& g, double cx, double cy, double r, const Glyph& inner, bool accentColour) {
  g.cut(circle(cx, cy, r + r * 0.3));
  if (accentColour) g.accent(circle(cx, cy, r));
  else g.fill(circle(cx, cy, r));
  Sub s(g, cx - r, cy - r, 2 * r / 100.0);
  inner(g);
}

void coin(G& g, double cx, double cy, double r, bool accentColour) {
  if (accentColour) g.accent(circle(cx, cy, r));
  else g.fill(circle(cx, cy, r));
  g.cut(ring(cx, cy, r * 0.68, r * 0.16));
}

static void arrowPaths(QPointF from, QPointF to, double w, double head, QPainterPath& out) {
  QPointF d = to - from;
  double len = std::hypot(d.x(), d.y());
  d /= len;
  QPointF n(-d.y(), d.x());
  out = strokeOf(polyline({from, to}), w).united(
      strokeOf(polyline({to - d * head + n * head, to, to - d * head - n * head}), w));
}

void arrowLine(G& g, QPointF from, QPointF to, double w, double head) {
  QPainterPath p;
  arrowPaths(from, to, w, head, p);
  g.fill(p);
}

void cutArrowLine(G& g, QPointF from, QPointF to, double w, double head) {
  QPainterPath p;
  arrowPaths(from, to, w, head, p);
  g.cut(p);
}

// An arc with an arrowhead at its end; drawn or cut.
void arcArrow(G& g, double cx, double cy, double r, double startDeg, double spanDeg, double w,
                     double head, bool cutIt) {
  QPainterPath a = strokeOf(arc(cx, cy, r, startDeg, spanDeg), w, Qt::FlatCap);
  double e = qDegreesToRadians(startDeg + spanDeg);
  QPointF end(cx + r * std::cos(e), cy - r * std::sin(e));
  double sgn = spanDeg > 0 ? 1 : -1;
  QPointF dir(-std::sin(e) * sgn, -std::cos(e) * sgn);
  QPointF n(-dir.y(), dir.x());
  QPainterPath tip = poly({end + dir * head, end + n * head, end - n * head});
  a = a.united(rounded(tip, 1.5));
  if (cutIt) g.cut(a);
  else g.fill(a);
}

void symPercent(G& g) {
  g.cut(circle(35, 35, 9));
  g.cut(circle(65, 65, 9));
  g.cutLine({{67, 29}, {33, 71}}, 8);
}
void symArrowDown(G& g) { cutArrowLine(g, {50, 24}, {50, 74}, 10, 17); }
void symArrowUp(G& g) { cutArrowLine(g, {50, 76}, {50, 26}, 10, 17); }
void symArrowRight(G& g) { cutArrowLine(g, {24, 50}, {74, 50}, 10, 17); }
void symShield(G& g) {
  Sub s(g, 23, 22, 0.54);
  g.cut(shieldPath());
}
void symCoin(G& g) {
  g.cut(ring(50, 50, 22, 8));
  g.cut(rrect(45, 38, 10, 24, 3));
}
void symPlus(G& g) {
  g.cutLine({{50, 28}, {50, 72}}, 12);
  g.cutLine({{28, 50}, {72, 50}}, 12);
}
static void symReturn(G& g) { arcArrow(g, 50, 50, 20, 300, -250, 8, 11, true); }

void pencilShape(G& g, QPointF tip, double angleDeg, double length, double width) {
  QTransform m;
  m.translate(tip.x(), tip.y());
  m.rotate(angleDeg);
  const double t = length * 0.24, h = width / 2;
  QPainterPath body = rounded(poly({{t, -h + 1.5}, {length - 1.5, -h + 1.5}, {length - 1.5, h - 1.5}, {t, h - 1.5}}), 1.5);
  QPainterPath cone = rounded(poly({{2, 0}, {t, -h + 1.5}, {t, h - 1.5}}), 1.5);
  QPainterPath whole = body.united(cone);
  g.cut(m.map(strokeOf(whole, 10)));
  g.accent(m.map(whole));
  g.cut(m.map(strokeOf(polyline({{t, -h}, {t, h}}), 3.5)));
  g.cut(m.map(strokeOf(polyline({{length - t * 0.8, -h}, {length - t * 0.8, h}}), 3.5)));
}

void gBackup(G& g) {
  auto ell = [](double cy) { return ellipse(40, cy, 28, 10); };
  QPainterPath body = ell(20).united(ell(74)).united(rrect(12, 20, 56, 54, 0));
  g.fill(body);
  auto lowerHalf = [](double cy) {
    QPainterPath p;
    QRectF r(12, cy - 10, 56, 20);
    p.arcMoveTo(r, 180);
    p.arcTo(r, 180, 180);
    return p;
  };
  g.cutStroke(lowerHalf(20), 4.5);
  g.cutStroke(lowerHalf(38), 4.5);
  g.cutStroke(lowerHalf(56), 4.5);
  g.cut(circle(73, 71, 29));
  g.fill(circle(73, 71, 23));
  Sub s(g, 50, 48, 0.46);
  arcArrow(g, 50, 50, 25, 110, 270, 15, 17, true);
}

static void padlockBody(G& g) {
  g.fill(rrect(20, 44, 60, 48, 9));
  g.cut(circle(50, 63, 7.5));
  g.cut(poly({{46, 65}, {54, 65}, {56, 80}, {44, 80}}));
}

void gPadlockOpen(G& g) {
  QPainterPath s;
  s.moveTo(68, 48);
  s.lineTo(68, 26);
  s.arcTo(QRectF(32, 8, 36, 36), 0, 180);
  s.lineTo(32, 32);
  g.stroke(s, 10);
  padlockBody(g);
}

void gPadlockClosed(G& g) {
  QPainterPath s;
  s.moveTo(32, 48);
  s.lineTo(32, 32);
  s.arcTo(QRectF(32, 14, 36, 36), 180, -180);
  s.lineTo(68, 48);
  g.stroke(s, 10);
  padlockBody(g);
}

void gHelp(G& g) { g.text(QStringLiteral("?"), 50, 86, 92); }

void gInfo(G& g) {
  g.fill(circle(50, 19, 10));
  g.fill(rrect(40, 36, 20, 54, 6));
}

void gTrash(G& g) {
  g.line({{38, 22}, {38, 12}, {62, 12}, {62, 22}}, 7);
  g.fill(rrect(14, 20, 72, 11, 4));
  g.fill(rounded(poly({{24, 37}, {76, 37}, {70, 88}, {30, 88}}), 3));
  for (double x : {39.0, 50.0, 61.0}) g.cutLine({{x, 47}, {x, 78}}, 5);
}

void gGear(G& g) {
  g.fill(gearPath(50, 50, 44, 8));
  g.cut(circle(50, 50, 15));
}

void gGears(G& g) {
  g.fill(gearPath(40, 40, 38, 8));
  g.cut(circle(40, 40, 13));
  g.cut(circle(74, 74, 28));
  g.accent(gearPath(74, 74, 24, 8));
  g.cut(circle(74, 74, 8));
}

void gLedgerPencil(G& g) {
  g.fill(rrect(12, 8, 58, 82, 7));
  g.cut(rrect(20, 8, 4, 82, 0));
  for (double y : {28.0, 42.0}) g.cutLine({{34, y}, {60, y}}, 5.5);
  g.cutLine({{34, 56}, {48, 56}}, 5.5);
  pencilShape(g, {44, 92}, -45, 66, 17);
}

void gBarChart(G& g) {
  g.fill(rrect(12, 52, 20, 36, 4));
  g.fill(rrect(40, 32, 20, 56, 4));
  g.fill(rrect(68, 12, 20, 76, 4));
  g.line({{6, 93}, {94, 93}}, 6);
}

void gHome(G& g) {
  g.fill(housePath());
  g.cut(rrect(42, 62, 16, 40, 4));
}

void gArrowBack(G& g) { arrowLine(g, {84, 50}, {18, 50}, 13, 30); }
void gArrowForward(G& g) { arrowLine(g, {16, 50}, {82, 50}, 13, 30); }

void gPrinter(G& g) {
  g.fill(rrect(26, 8, 48, 30, 3));
  g.fill(rrect(8, 32, 84, 42, 10));
  g.cut(rrect(20, 54, 60, 50, 2));
  g.fill(rrect(26, 59, 48, 33, 3));
  g.cutLine({{34, 70}, {66, 70}}, 4.5);
  g.cutLine({{34, 80}, {56, 80}}, 4.5);
  g.cut(circle(78, 44, 4.5));
}

void gImport(G& g) {
  g.fill(documentPath());
  g.cutLine({{57, 8}, {57, 30}, {78, 30}}, 5);
  for (double y : {38.0, 50.0}) g.cutLine({{33, y}, {50, y}}, 5.5);
  badge(g, 70, 72, 21, symArrowDown);
}

void gSearch(G& g) {
  g.fill(ring(41, 41, 25, 11));
  g.line({{60, 60}, {86, 86}}, 15);
}

static void columnsBuilding(G& g, double top) {
  g.fill(rounded(poly({{50, top}, {90, top + 22}, {10, top + 22}}), 3));
  for (double x : {17.0, 35.0, 53.0, 71.0}) g.fill(rrect(x, top + 30, 12, 48 - top, 2));
  g.fill(rrect(8, 80, 84, 12, 3));
}

void gBank(G& g) {
  columnsBuilding(g, 8);
  g.cut(circle(50, 21, 5));
}

void gCouncilTax(G& g) {
  g.line({{50, 22}, {50, 4}}, 4);
  g.fill(rounded(poly({{50, 4}, {66, 9}, {50, 14}}), 1));
  g.fill(sector(50, 30, 13, 0, 180));
  columnsBuilding(g, 26);
}

void gIncome(G& g) {
  for (double y : {74.0, 57.0, 40.0}) {
    g.cut(rrect(5, y - 3, 60, 22, 11));
    g.fill(rrect(8, y, 54, 16, 8));
  }
  g.cut(strokeOf(polyline({{80, 90}, {80, 12}}), 22));
  QPainterPath a;
  arrowPaths({80, 90}, {80, 14}, 11, 20, a);
  g.accent(a);
}

void gOutgoing(G& g) {
  g.line({{6, 20}, {18, 20}, {30, 66}, {82, 66}}, 8);
  g.fill(rounded(poly({{24, 30}, {90, 30}, {82, 56}, {32, 56}}), 3));
  for (double x : {46.0, 60.0, 74.0}) g.cutLine({{x, 36}, {x - 2, 50}}, 4);
  g.fill(circle(38, 82, 8));
  g.fill(circle(74, 82, 8));
  g.cut(circle(60, 14, 15));
  coin(g, 60, 14, 11, true);
}

void gCalendar(G& g) {
  g.fill(rrect(10, 16, 80, 76, 10));
  g.cut(rrect(10, 34, 80, 5, 0));
  const double xs[] = {20, 36, 52, 68}, ys[] = {46, 60, 74};
  for (double y : ys)
    for (double x : xs) g.cut(rrect(x, y, 11, 10, 2));
  g.accent(rrect(52, 60, 11, 10, 2));
  for (double x : {29.0, 64.0}) {
    g.cut(rrect(x - 3, 2, 13, 26, 6));
    g.fill(rrect(x, 5, 7, 20, 3.5));
  }
}

void gClipboard(G& g) {
  g.fill(rrect(14, 12, 72, 82, 9));
  g.cut(rrect(33, 4, 34, 20, 6));
  g.fill(rrect(37, 7, 26, 14, 4));
  for (double y : {40.0, 57.0, 74.0}) {
    g.cut(circle(31, y, 5));
    g.cutLine({{44, y}, {72, y}}, 5.5);
  }
  g.accent(circle(31, 40, 5));
  g.accent(circle(31, 57, 5));
}

void gTable(G& g) {
  g.fill(rrect(8, 14, 84, 74, 9));
  g.accent(rrect(8, 14, 84, 20, 9).united(rrect(8, 24, 84, 10, 0)));
  g.cut(rrect(8, 34, 84, 4, 0));
  for (double x : {36.0, 64.0}) g.cutLine({{x, 38}, {x, 90}}, 4);
  for (double y : {55.0, 71.0}) g.cutLine({{6, y}, {94, y}}, 4);
}

void gLineChart(G& g) {
  g.line({{10, 8}, {10, 90}, {94, 90}}, 7);
  g.soft(rrect(24, 62, 12, 22, 3));
  g.soft(rrect(46, 54, 12, 30, 3));
  g.soft(rrect(68, 44, 12, 40, 3));
  QPainterPath l = polyline({{24, 62}, {44, 38}, {62, 50}, {86, 20}});
  g.cut(strokeOf(l, 20));
  g.accentStroke(l, 8);
  for (QPointF pt : {QPointF(24, 62), QPointF(44, 38), QPointF(62, 50), QPointF(86, 20)})
    g.accent(circle(pt.x(), pt.y(), 7));
}

void gPie(G& g) {
  g.fill(sector(46, 54, 40, 90, 270));
  g.cutLine({{46, 54}, {46 - 40 * 0.866, 54 + 40 * 0.5}}, 5);
  g.cutLine({{46, 54}, {46 + 40 * 0.5, 54 + 40 * 0.866}}, 5);
  g.accent(sector(54, 46, 40, 0, 90));
}

void gPieIncoming(G& g) {
  {
    Sub s(g, 0, 0, 0.86);
    gPie(g);
  }
  badge(g, 76, 76, 18, symArrowDown, true);
}

void gForecast(G& g) {
  g.line({{10, 8}, {10, 90}, {94, 90}}, 7);
  g.line({{22, 76}, {34, 60}, {46, 68}, {56, 54}}, 9);
  const QPointF a(56, 54), b(76, 28);
  for (double t : {0.18, 0.62}) {
    QPointF s = a + (b - a) * t, e = a + (b - a) * (t + 0.26);
    g.accent(strokeOf(polyline({s, e}), 9, Qt::FlatCap));
  }
  g.accent(ring(83, 19, 11, 6));
  g.accent(circle(83, 19, 4.5));
}

void gShieldLock(G& g) {
  g.fill(shieldPath());
  Sub s(g, 27, 22, 0.46);
  QPainterPath sh;
  sh.moveTo(32, 50);
  sh.lineTo(32, 32);
  sh.arcTo(QRectF(32, 14, 36, 36), 180, -180);
  sh.lineTo(68, 50);
  g.cut(strokeOf(sh, 11));
  g.cut(rrect(18, 44, 64, 50, 10));
  g.fill(circle(50, 64, 8));
  g.fill(poly({{46, 66}, {54, 66}, {57, 82}, {43, 82}}));
}

void gAttention(G& g) {
  g.fill(rounded(poly({{50, 12}, {90, 84}, {10, 84}}), 6));
  g.cut(rrect(44, 34, 12, 30, 6));
  g.cut(circle(50, 74, 6.5));
}

void gTag(G& g) {
  g.fill(rounded(poly({{14, 14}, {50, 14}, {88, 52}, {52, 88}, {14, 50}}), 5));
  g.cut(circle(33, 33, 8));
}

void gLeafPurse(G& g) {
  g.stroke(arc(50, 40, 24, 0, 180), 7);
  g.fill(rrect(8, 34, 84, 58, 18));
  g.cut(rrect(8, 44, 84, 4, 0));
  QPainterPath leaf;
  leaf.moveTo(30, 84);
  leaf.cubicTo(28, 64, 44, 52, 72, 52);
  leaf.cubicTo(72, 72, 58, 86, 30, 84);
  g.cut(strokeOf(leaf, 9));
  g.cut(leaf);
  g.accent(leaf);
  g.cutStroke(polyline({{34, 80}, {60, 62}}), 3.5);
}

void gReports(G& g) {
  gBarChart(g);
  QPainterPath l = polyline({{10, 44}, {34, 30}, {52, 38}, {84, 12}});
  g.cut(strokeOf(l, 20));
  g.accentStroke(polyline({{10, 44}, {34, 30}, {52, 38}, {76, 18}}), 8);
  QPainterPath head;
  arrowPaths({60, 31}, {86, 10}, 8, 14, head);
  g.accent(head);
}

void gSplit(G& g) {
  QPainterPath fork;
  fork.moveTo(50, 92);
  fork.lineTo(50, 58);
  fork.cubicTo(50, 44, 30, 40, 24, 22);
  fork.moveTo(50, 58);
  fork.cubicTo(50, 44, 70, 40, 76, 22);
  g.stroke(fork, 11);
  g.line({{10, 28}, {22, 14}, {36, 24}}, 11);
  g.line({{64, 24}, {78, 14}, {90, 28}}, 11);
}

void gReturnBadge(G& g, double cx, double cy, double r) { badge(g, cx, cy, r, symReturn); }

}  // namespace art
