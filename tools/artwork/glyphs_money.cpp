// Glyphs of the account kinds and the income items.
#include "glyphs.h"

namespace art {

static QPainterPath rounded(const QPainterPath& p, double r) { return p.united(strokeOf(p, 2 * r)); }

void piggyShape(G& g) {
  g.stroke(arc(12, 50, 6, 250, -250), 4.5);
  g.fill(rounded(poly({{24, 42}, {26, 22}, {42, 32}}), 3));
  g.fill(ellipse(46, 56, 34, 27));
  g.fill(rrect(72, 46, 18, 20, 7));
  g.fill(rrect(24, 70, 13, 22, 5));
  g.fill(rrect(56, 70, 13, 22, 5));
  g.cut(circle(64, 48, 3.8));
  g.cut(rrect(38, 33, 22, 5.5, 2.75));
  g.cutLine({{74, 50}, {74, 62}}, 3);
}

void giftShape(G& g) {
  g.fill(ellipse(36, 22, 15, 9));
  g.fill(ellipse(64, 22, 15, 9));
  g.cut(ellipse(37, 22, 6, 3.5));
  g.cut(ellipse(63, 22, 6, 3.5));
  g.fill(rrect(12, 32, 76, 16, 4));
  g.fill(rrect(18, 50, 64, 40, 4));
  g.cutLine({{42, 30}, {42, 92}}, 4);
  g.cutLine({{58, 30}, {58, 92}}, 4);
}

void carShape(G& g) {
  QPainterPath cabin = rounded(poly({{24, 46}, {34, 24}, {66, 24}, {78, 46}}), 4);
  g.fill(cabin.united(rrect(6, 42, 88, 28, 10)));
  g.cut(rounded(poly({{31, 42}, {38, 29}, {47, 29}, {47, 42}}), 1.5));
  g.cut(rounded(poly({{53, 29}, {63, 29}, {71, 42}, {53, 42}}), 1.5));
  for (double x : {28.0, 72.0}) {
    g.cut(circle(x, 72, 15));
    g.fill(circle(x, 72, 11));
    g.cut(circle(x, 72, 3.5));
  }
}

// ---- accounts ----

void gCheque(G& g) {
  g.fill(rrect(6, 24, 88, 54, 8));
  g.cutLine({{17, 40}, {46, 40}}, 5);
  g.cutLine({{17, 53}, {34, 53}}, 5);
  g.cutStroke(rrect(57, 34, 27, 12, 3), 4);
  QPainterPath sig;
  sig.moveTo(44, 66);
  sig.cubicTo(50, 54, 56, 72, 62, 62);
  sig.cubicTo(66, 56, 70, 68, 84, 62);
  g.cutStroke(sig, 4);
}

void gPiggy(G& g) {
  piggyShape(g);
  g.cut(circle(49, 14, 14));
  coin(g, 49, 14, 10, true);
}

void gCreditCard(G& g) {
  g.fill(rrect(6, 20, 88, 62, 9));
  g.cut(rrect(6, 33, 88, 11, 0));
  g.cut(rrect(16, 53, 18, 15, 3.5));
  g.cutLine({{44, 66}, {56, 66}}, 4.5);
  g.cutLine({{64, 66}, {82, 66}}, 4.5);
}

void gCash(G& g) {
  g.soft(rrect(16, 16, 80, 48, 7), 140);
  g.cut(rrect(0, 30, 90, 58, 10));
  g.fill(rrect(4, 34, 82, 50, 7));
  g.cut(ring(45, 59, 11, 5.5));
  g.cut(circle(15, 45, 4));
  g.cut(circle(75, 73, 4));
}

void gSafe(G& g) {
  g.fill(rrect(8, 10, 84, 72, 9));
  g.fill(rrect(18, 80, 14, 10, 3));
  g.fill(rrect(68, 80, 14, 10, 3));
  g.cutStroke(rrect(17, 19, 66, 54, 5), 4);
  g.cut(ring(46, 46, 13, 6));
  g.cut(circle(46, 46, 3.5));
  g.cutLine({{70, 36}, {70, 56}}, 5.5);
}

void gMortgage(G& g) {
  {
    Sub s(g, -6, -2, 0.94);
    g.fill(housePath());
    g.cut(rrect(42, 62, 16, 40, 4));
  }
  badge(g, 73, 73, 20, symPercent);
}

void gLoan(G& g) {
  QPainterPath bag;
  bag.moveTo(40, 32);
  bag.cubicTo(14, 46, 8, 92, 50, 92);
  bag.cubicTo(92, 92, 86, 46, 60, 32);
  bag.closeSubpath();
  g.fill(bag);
  g.fill(rounded(poly({{34, 8}, {66, 8}, {58, 24}, {42, 24}}), 3));
  g.cut(rrect(34, 25, 32, 5, 2));
  Sub s(g, 23, 38, 0.54);
  symPercent(g);
}

void gInvestment(G& g) {
  g.fill(rrect(10, 64, 18, 26, 4));
  g.fill(rrect(36, 50, 18, 40, 4));
  g.fill(rrect(62, 36, 18, 54, 4));
  QPainterPath l = polyline({{8, 48}, {30, 30}, {48, 40}, {80, 12}});
  g.cut(strokeOf(l, 20));
  g.stroke(polyline({{8, 48}, {30, 30}, {48, 40}, {76, 16}}), 8);
  arrowLine(g, {62, 28}, {86, 8}, 8, 15);
}

// ---- income ----

void gSalary(G& g) {
  g.accent(rrect(20, 8, 60, 48, 4));
  g.cut(circle(50, 25, 7));
  g.cut(rrect(2, 30, 96, 66, 11));
  g.fill(rrect(6, 34, 88, 58, 8));
  g.cutLine({{10, 40}, {50, 66}, {90, 40}}, 5.5);
}

void gWages(G& g) {
  g.fill(ring(44, 44, 31, 11));
  g.line({{44, 26}, {44, 45}, {58, 53}}, 7);
  badge(g, 76, 76, 19, symCoin);
}

void gBonus(G& g) {
  g.fill(rounded(starPath(46, 56, 40, 18, 5), 4));
  g.fill(rounded(starPath(84, 16, 13, 4, 4), 1));
}

void gCommission(G& g) {
  Sub s(g, 0, 0, 1, -40);
  g.fill(rounded(poly({{8, 30}, {62, 30}, {90, 50}, {62, 70}, {8, 70}}), 5));
  g.cut(circle(70, 50, 6));
  Sub t(g, 2, 20, 0.6, 40);
  symPercent(g);
}

void gInterest(G& g) {
  g.fill(circle(50, 50, 42));
  Sub s(g, 4, 4, 0.92);
  symPercent(g);
}

void gDividends(G& g) {
  g.fill(sector(44, 56, 40, 90, 270));
  g.cutLine({{44, 56}, {44 - 40 * 0.866, 56 + 40 * 0.5}}, 5);
  g.accent(sector(52, 48, 40, 0, 90));
}

void gRentalIncome(G& g) {
  Sub s(g, 0, 0, 1, -40);
  g.fill(circle(28, 50, 21));
  g.cut(circle(22, 50, 7.5));
  g.fill(rrect(44, 44, 50, 12, 3));
  g.fill(rrect(70, 52, 8, 16, 2));
  g.fill(rrect(82, 52, 8, 20, 2));
}

void gPension(G& g) {
  QPainterPath nest;
  nest.moveTo(6, 56);
  nest.cubicTo(10, 94, 90, 94, 94, 56);
  nest.closeSubpath();
  g.fill(nest);
  g.cutStroke(polyline({{18, 68}, {38, 74}, {58, 68}, {80, 74}}), 4);
  g.cut(ellipse(50, 36, 24, 30));
  g.accent(ellipse(50, 36, 19, 25));
}

void gChildBenefit(G& g) {
  g.fill(ellipse(50, 14, 7, 10));
  g.fill(rrect(40, 18, 20, 12, 4));
  g.fill(rrect(33, 28, 34, 11, 3));
  g.fill(rrect(35, 41, 30, 51, 10));
  g.cutLine({{33, 40}, {67, 40}}, 3);
  for (double y : {55.0, 66.0, 77.0}) g.cutLine({{35, y}, {46, y}}, 4);
}

void gTaxRefund(G& g) {
  QPainterPath r = poly({{18, 8}, {76, 8}, {76, 90}, {66.5, 83}, {57, 90}, {47, 83}, {37, 90}, {27.5, 83}, {18, 90}});
  g.fill(rounded(r, 3));
  g.cutLine({{29, 24}, {65, 24}}, 5);
  g.cutLine({{29, 37}, {56, 37}}, 5);
  g.cutLine({{29, 50}, {46, 50}}, 5);
  gReturnBadge(g, 72, 70, 21);
}

void gGiftsReceived(G& g) {
  {
    Sub s(g, 16, -4, 0.68);
    giftShape(g);
  }
  g.cut(strokeOf(polyline({{8, 66}, {8, 90}, {92, 90}, {92, 66}}), 20));
  g.line({{8, 68}, {8, 90}, {92, 90}, {92, 68}}, 9);
}

void gBusiness(G& g) {
  g.stroke(rrect(34, 14, 32, 24, 6), 8);
  g.fill(rrect(6, 30, 88, 60, 10));
  g.cutLine({{6, 55}, {94, 55}}, 5);
  g.cut(rrect(40, 47, 20, 16, 4));
  g.fill(rrect(44, 51, 12, 8, 2));
}

void gSideJobs(G& g) {
  g.fill(rrect(16, 16, 68, 50, 6));
  g.cut(rrect(23, 23, 54, 36, 2));
  g.soft(rrect(23, 23, 54, 36, 2), 90);
  g.fill(rounded(poly({{10, 72}, {90, 72}, {96, 84}, {4, 84}}), 3));
  g.cutLine({{42, 78}, {58, 78}}, 3.5);
}

void gOtherIncome(G& g) {
  for (double y : {72.0, 55.0, 38.0}) {
    g.cut(rrect(3, y - 3, 62, 22, 11));
    g.fill(rrect(6, y, 56, 16, 8));
  }
  badge(g, 76, 26, 20, symPlus);
}

void gImportedIncome(G& g) {
  g.fill(documentPath());
  g.cutLine({{57, 8}, {57, 30}, {78, 30}}, 5);
  for (double y : {38.0, 50.0}) g.cutLine({{33, y}, {50, y}}, 5.5);
  badge(g, 70, 72, 21, symArrowDown);
}

void gImportedOutgoings(G& g) {
  g.fill(documentPath());
  g.cutLine({{57, 8}, {57, 30}, {78, 30}}, 5);
  for (double y : {38.0, 50.0}) g.cutLine({{33, y}, {50, y}}, 5.5);
  badge(g, 70, 72, 21, symArrowUp);
}

}  // namespace art
