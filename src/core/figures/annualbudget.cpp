#include "core/figures/annualbudget.h"

#include <algorithm>

#include "core/budget/budgettotals.h"
#include "core/budget/calendar.h"
#include "core/budget/frequency.h"
#include "core/store/tdmdata.h"

namespace pk {

QString FillAllBudgetMessage() { return QStringLiteral("Please fill all your budget."); }

int AnnualReportPeriods(int frequency, DayNumber p, DayNumber q) {
  if (p > q) return 0;
  switch (frequency) {
    case kDaily:
      return WholeDaysBetween(p, q);
    case kAnnuallyOneOff:
      return 1;
    default:
      // The stepped counts match the annual budget total; an empty span counts nothing.
      return IsFrequency(frequency) && p < q ? PeriodsInSpan(frequency, p, q) : 0;
  }
}

double AnnualReportItemTotal(int frequency, double amount, std::optional<DayNumber> start,
                             std::optional<DayNumber> last, DayNumber yearStart) {
  const DayNumber p = std::max(start.value_or(0), yearStart);
  const DayNumber q = std::min(last.value_or(0), AddWeeks(yearStart, 52));
  return AnnualReportPeriods(frequency, p, q) * amount;
}

AnnualBudget PrepareAnnualItems(TdmData& data, AnnualBudgetSource source) {
  AnnualBudget result;
  result.start = BudgetStart(data);
  result.today = data.clock().todayNumber();
  const bool viewPage = source == AnnualBudgetSource::ViewPage;
  // Items of the same type come in the order they were made in the print host.
  Stmt s = data.db().prepare(viewPage ? QStringLiteral("SELECT * FROM items ORDER BY type, name")
                                      : QStringLiteral("SELECT * FROM items ORDER BY type, itemID"));
  auto optionalDay = [&s](const char* column) -> std::optional<DayNumber> {
    if (s.isNull(column)) return std::nullopt;
    return s.real(column);
  };
  while (s.next()) {
    AnnualBudgetRow row;
    row.itemID = int(s.integer("itemID"));
    row.name = s.text("name");
    row.type = int(s.integer("type"));
    const bool noFrequency = s.isNull("budgetFrequency");
    const int frequency = noFrequency ? 0 : int(s.integer("budgetFrequency"));
    row.frequencyName = FrequencyName(frequency);
    if (viewPage ? (noFrequency || frequency <= 0) : noFrequency) result.missingFrequency = true;
    row.start = optionalDay("budgetStartDate");
    row.last = optionalDay("budgetLastDate");
    row.amount = s.isNull("budgetAmount") ? 0 : s.real("budgetAmount");
    row.budgetTotal = s.isNull("budgetTotal") ? 0 : s.real("budgetTotal");

    const double total = AnnualReportItemTotal(frequency, row.amount, row.start, row.last, result.start);
    if (row.name.startsWith(QLatin1String("Unallocated Split")) && total == 0) continue;
    if (row.type == 2) {
      result.incomeSubtotal += row.budgetTotal;
      result.income.push_back(std::move(row));
    } else if (row.type == 3) {
      result.outgoingSubtotal += row.budgetTotal;
      result.outgoing.push_back(std::move(row));
    }
  }
  result.grandTotal = result.incomeSubtotal - result.outgoingSubtotal;
  return result;
}

}  // namespace pk
