#pragma once
// Glyphs: each draws one symbol in a 100 by 100 unit box with a G pen. The
// toolbar, the tiles and the list icons all draw from this one set, which
// keeps the artwork in one style.
#include "canvas.h"

namespace art {

// Moves, scales (and optionally rotates) the pen's box for the lifetime of the object.
class Sub {
 public:
  Sub(G& g, double x, double y, double scale, double rotateDeg = 0);
  ~Sub();
  Sub(const Sub&) = delete;
  Sub& operator=(const Sub&) = delete;

 private:
  QPainter& p_;
};

// Shared shapes (unit box coordinates).
QPainterPath housePath();          // a house filling most of the box
QPainterPath shieldPath();
QPainterPath heartPath();
QPainterPath gearPath(double cx, double cy, double r, int teeth);
QPainterPath documentPath();       // a page with a folded corner
QPainterPath starPath(double cx, double cy, double outer, double inner, int points);
// A round badge at (cx, cy) with a gap around it; `inner` draws its symbol
// (normally with cuts) in a box scaled to the badge.
void badge(G& g, double cx, double cy, double r, const Glyph& inner, bool accent = false);
void coin(G& g, double cx, double cy, double r, bool accent = false);
void arrowLine(G& g, QPointF from, QPointF to, double w, double head);
void cutArrowLine(G& g, QPointF from, QPointF to, double w, double head);
void carShape(G& g);
void piggyShape(G& g);
void giftShape(G& g);
// An arc (angles in degrees, counter-clockwise from 3 o'clock) with an arrowhead at its end.
void arcArrow(G& g, double cx, double cy, double r, double startDeg, double spanDeg, double w, double head,
              bool cutIt);
void pencilShape(G& g, QPointF tip, double angleDeg, double length, double width);

// Badge symbols (drawn as cuts into a filled badge circle).
void symPercent(G& g);
void symArrowDown(G& g);
void symArrowUp(G& g);
void symArrowRight(G& g);
void symShield(G& g);
void symCoin(G& g);
void symPlus(G& g);

// Program glyphs (toolbar, tiles, navigation).
void gBackup(G& g);
void gPadlockOpen(G& g);
void gPadlockClosed(G& g);
void gHelp(G& g);
void gInfo(G& g);
void gTrash(G& g);
void gGear(G& g);
void gGears(G& g);
void gLedgerPencil(G& g);
void gBarChart(G& g);
void gHome(G& g);
void gArrowBack(G& g);
void gArrowForward(G& g);
void gPrinter(G& g);
void gImport(G& g);
void gSearch(G& g);
void gBank(G& g);
void gIncome(G& g);
void gOutgoing(G& g);
void gCalendar(G& g);
void gClipboard(G& g);
void gTable(G& g);
void gLineChart(G& g);
void gPie(G& g);
void gPieIncoming(G& g);
void gForecast(G& g);
void gShieldLock(G& g);
void gAttention(G& g);
void gTag(G& g);
void gLeafPurse(G& g);
void gReports(G& g);
void gSplit(G& g);
// A badge with a curved return arrow.
void gReturnBadge(G& g, double cx, double cy, double r);

// Accounts.
void gCheque(G& g);
void gPiggy(G& g);
void gCreditCard(G& g);
void gCash(G& g);
void gSafe(G& g);
void gMortgage(G& g);
void gLoan(G& g);
void gInvestment(G& g);

// Income.
void gSalary(G& g);
void gWages(G& g);
void gBonus(G& g);
void gCommission(G& g);
void gInterest(G& g);
void gDividends(G& g);
void gRentalIncome(G& g);
void gPension(G& g);
void gChildBenefit(G& g);
void gTaxRefund(G& g);
void gGiftsReceived(G& g);
void gBusiness(G& g);
void gSideJobs(G& g);
void gOtherIncome(G& g);
void gImportedIncome(G& g);

// Outgoings.
void gRent(G& g);
void gMortgagePayment(G& g);
void gGroceries(G& g);
void gElectricity(G& g);
void gGas(G& g);
void gWater(G& g);
void gPhone(G& g);
void gInternet(G& g);
void gMobile(G& g);
void gCarLoan(G& g);
void gFuel(G& g);
void gCarInsurance(G& g);
void gCarMaintenance(G& g);
void gBus(G& g);
void gHomeInsurance(G& g);
void gHealthInsurance(G& g);
void gMedical(G& g);
void gDentist(G& g);
void gClothing(G& g);
void gDining(G& g);
void gEntertainment(G& g);
void gHolidays(G& g);
void gGifts(G& g);
void gEducation(G& g);
void gChildcare(G& g);
void gPets(G& g);
void gGym(G& g);
void gSubscriptions(G& g);
void gCouncilTax(G& g);
void gCharity(G& g);
void gHousehold(G& g);
void gSavingsTransfer(G& g);
void gImportedOutgoings(G& g);

}  // namespace art
