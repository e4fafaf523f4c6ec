#include "core/budget/budgettotals.h"

#include "core/budget/calendar.h"
#include "core/budget/frequency.h"
#include "core/store/records.h"
#include "core/store/tdmdata.h"

namespace pk {

namespace {
// Whole steps of k units, plus one for a part step, or for a last whole step that
// still ends before to.
template <typename Add>
int stepped(int units, int k, DayNumber from, DayNumber to, Add add) {
  int n = units / k;
  if (units % k != 0) {
    ++n;
  } else if (add(from, units) < to) {
    ++n;
  }
  return n;
}
}  // namespace

int PeriodsInSpan(int frequency, DayNumber from, DayNumber to) {
  if (!(from < to)) return 0;
  switch (frequency) {
    case kDaily:
      return WholeDaysBetween(from, to) + 1;
    case kWeekly:
    case kFortnightly:
    case kThreeWeekly:
      return stepped(WholeWeeksBetween(from, to), frequency - kWeekly + 1, from, to, AddWeeks);
    case kMonthly:
      return stepped(WholeMonthsBetween(from, to), 1, from, to, AddMonths);
    case kTwoMonthly:
      return stepped(WholeMonthsBetween(from, to), 2, from, to, AddMonths);
    case kQuarterly:
      return stepped(WholeMonthsBetween(from, to), 3, from, to, AddMonths);
    case kHalfYearly:
      return stepped(WholeMonthsBetween(from, to), 6, from, to, AddMonths);
    case kAnnuallyOneOff:
      return 1;
    default:
      return 0;
  }
}

double AnnualBudgetTotal(const ItemBudget& budget, DayNumber yearStart) {
  DayNumber from = yearStart;
  DayNumber to = AddWeeks(from, 52);
  const DayNumber itemStart = budget.start.value_or(from);
  const DayNumber itemLast = budget.last.value_or(AddWeeks(itemStart, 52));
  if (itemStart > from) from = itemStart;
  if (itemLast < to) to = itemLast;
  return PeriodsInSpan(budget.frequency, from, to) * budget.amount;
}

void RecalcBudgetTotals(TdmData& data, DayNumber start) {
  // All items are read before the first is written, so that writing never
  // disturbs the reading order.
  std::vector<ItemRecord> items = LoadAllItems(data);
  BulkWrite bulk(data.db());
  for (ItemRecord& item : items) {
    ItemBudget budget;
    budget.frequency = item.budgetFrequency.value_or(0);
    budget.amount = item.budgetAmount.value_or(0);
    budget.start = item.budgetStartDate;
    budget.last = item.budgetLastDate;
    item.budgetTotal = AnnualBudgetTotal(budget, start);
    if (SaveItem(data, item) == SaveResult::Refused) return;
  }
}

}  // namespace pk
