#pragma once
// The figures of the annual budget report: every income and outgoing item with
// its budget (frequency, dates, amount per period and stored annual amount), a
// subtotal per group and the grand total of income minus outgoings.
#include <QString>
#include <optional>
#include <vector>

#include "core/dates.h"

namespace pk {

class TdmData;

// The report is read in two places that differ slightly.
enum class AnnualBudgetSource {
  ViewPage,   // items by type and name; a frequency that is empty, 0 or negative is missing
  PrintHost,  // items by type (in the order they were made); only an empty frequency is missing
};

struct AnnualBudgetRow {
  int itemID = 0;
  QString name;
  int type = 0;
  QString frequencyName;  // "" when there is none or the code is outside 1..9
  std::optional<DayNumber> start, last;
  double amount = 0;       // per period; 0 when empty
  double budgetTotal = 0;  // the stored annual amount; 0 when empty
};

struct AnnualBudget {
  DayNumber start = 0;  // the first day of the budget year
  DayNumber today = 0;
  std::vector<AnnualBudgetRow> income;    // type 2
  std::vector<AnnualBudgetRow> outgoing;  // type 3
  double incomeSubtotal = 0;
  double outgoingSubtotal = 0;
  double grandTotal = 0;          // income subtotal minus outgoing subtotal
  bool missingFrequency = false;  // the user is asked to fill the whole budget
};

// Shown when some item has no frequency.
QString FillAllBudgetMessage();

// How often the report counts an item's budget between p and q: nothing when p is
// after q, whole days for "Daily" (no day added), once for "Annually - One off",
// and otherwise the steps of the annual budget total.
int AnnualReportPeriods(int frequency, DayNumber p, DayNumber q);

// The item's budget over the year that starts at yearStart, clipped by its own
// dates; an empty date counts as day zero. It only decides whether an
// "Unallocated Split" item without a budget is left out.
double AnnualReportItemTotal(int frequency, double amount, std::optional<DayNumber> start,
                             std::optional<DayNumber> last, DayNumber yearStart);

// Reads the items and computes the report's figures. "Unallocated Split" items
// whose total is 0 are left out; every other item is listed with its stored
// annual amount, which is what the subtotals and the grand total add up.
AnnualBudget PrepareAnnualItems(TdmData& data, AnnualBudgetSource source);

}  // namespace pk
