#pragma once
// An item's budget turned into its total over a 52-week budget year, and the
// recomputation of every item's stored total.
#include <optional>

#include "core/dates.h"

namespace pk {

class TdmData;

struct ItemBudget {
  int frequency = 0;  // 1..9; anything else means none
  double amount = 0;  // per period
  std::optional<DayNumber> start, last;
};

// How many times a budget of the given frequency falls due between from and to,
// counting as the annual total does: whole days + 1 for "Daily"; whole weeks or
// whole months in steps of the frequency, one more for a part step or for a last
// step that ends before to; once for "Annually - One off". 0 when from is not
// earlier than to, or for no frequency.
int PeriodsInSpan(int frequency, DayNumber from, DayNumber to);

// The budget over the year starting at yearStart (to yearStart + 52 weeks), with
// the item's own start and last dates clipping the span. An empty start means the
// year's start; an empty last means the item's start + 52 weeks.
double AnnualBudgetTotal(const ItemBudget& budget, DayNumber yearStart);

// Recomputes and stores budgetTotal of every item, in name order, each saved
// through the item rules, all in one engine transaction. Stops at an item whose
// save is refused (the refusal has been shown).
void RecalcBudgetTotals(TdmData& data, DayNumber start);

}  // namespace pk
