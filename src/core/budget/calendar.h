#pragma once
// The calendar arithmetic that every budget figure uses. All work on day numbers
// and keep the time of day. The "between" counts have no sign: a and b may come
// in either order.
#include "core/clock.h"
#include "core/dates.h"

namespace pk {

class TdmData;

int WholeDaysBetween(DayNumber a, DayNumber b);    // trunc(|b - a|)
int WholeWeeksBetween(DayNumber a, DayNumber b);   // trunc(|b - a| / 7)
int WholeMonthsBetween(DayNumber a, DayNumber b);  // trunc(|b - a| / 30.4375), an average month
int WholeYearsBetween(DayNumber a, DayNumber b);   // trunc(|b - a| / 365.25)

DayNumber AddDays(DayNumber d, int n);    // d + n
DayNumber AddWeeks(DayNumber d, int n);   // d + 7n
// The same day of the month n calendar months later (earlier for negative n); a day
// past the end of the target month becomes its last day.
DayNumber AddMonths(DayNumber d, int n);
DayNumber AddYears(DayNumber d, int n);   // AddMonths(d, 12n)

bool IsMonday(DayNumber d);
// d itself when it is a Monday, otherwise the first Monday after d.
DayNumber NextMonday(DayNumber d);

// Today (midnight) when today is a Monday, otherwise the last Monday before today.
DayNumber DefaultBudgetStart(const Clock& clock);

// Years and months added to d's calendar date (the day clamped to the month's
// length), then days added; d's time of day is kept.
DayNumber AddPeriod(int days, int months, int years, DayNumber d);

// The first day of the budget year: options.startBudget, or DefaultBudgetStart
// while none has been chosen.
DayNumber BudgetStart(TdmData& data);

// The last day of the budget year that starts on start: 52 weeks less one day.
DayNumber BudgetYearEnd(DayNumber start);

}  // namespace pk
