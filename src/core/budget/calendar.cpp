#include "core/budget/calendar.h"

#include <cmath>
#include <cstdlib>

#include "core/store/tdmdata.h"

namespace pk {

namespace {
// Spans are measured in whole milliseconds, so that a span of exactly n days
// between two dates carrying the same time of day counts n, not n - 1 through a
// rounding error in the fraction.
constexpr qint64 kMsPerDay = 86400000;

qint64 spanMs(DayNumber a, DayNumber b) {
  const qint64 ma = std::llround(a * double(kMsPerDay));
  const qint64 mb = std::llround(b * double(kMsPerDay));
  return std::llabs(mb - ma);
}
}  // namespace

int WholeDaysBetween(DayNumber a, DayNumber b) { return int(spanMs(a, b) / kMsPerDay); }

int WholeWeeksBetween(DayNumber a, DayNumber b) { return int(spanMs(a, b) / (7 * kMsPerDay)); }

int WholeMonthsBetween(DayNumber a, DayNumber b) {
  // 30.4375 days = 2 629 800 000 ms exactly.
  return int(spanMs(a, b) / (kMsPerDay * 304375 / 10000));
}

int WholeYearsBetween(DayNumber a, DayNumber b) {
  // 365.25 days = 31 557 600 000 ms exactly.
  return int(spanMs(a, b) / (kMsPerDay * 36525 / 100));
}

DayNumber AddDays(DayNumber d, int n) { return d + n; }

DayNumber AddWeeks(DayNumber d, int n) { return d + 7.0 * n; }

DayNumber AddMonths(DayNumber d, int n) {
  // QDate::addMonths keeps the day of the month, clamped to the target month's length.
  return withDate(d, dateOf(d).addMonths(n));
}

DayNumber AddYears(DayNumber d, int n) { return AddMonths(d, 12 * n); }

bool IsMonday(DayNumber d) { return dateOf(d).dayOfWeek() == Qt::Monday; }

DayNumber NextMonday(DayNumber d) {
  const int dow = dateOf(d).dayOfWeek();  // 1 Monday .. 7 Sunday
  return dow == Qt::Monday ? d : d + (8 - dow);
}

DayNumber DefaultBudgetStart(const Clock& clock) {
  const QDate today = clock.today();
  return dayNumber(today.addDays(-(today.dayOfWeek() - Qt::Monday)));
}

DayNumber AddPeriod(int days, int months, int years, DayNumber d) {
  const QDate date = dateOf(d);
  int year = date.year() + years + months / 12;  // C++ division truncates toward zero
  int month = date.month() + months % 12;
  if (month < 1) {
    month += 12;
    year -= 1;
  } else if (month > 12) {
    month -= 12;
    year += 1;
  }
  const int last = QDate(year, month, 1).daysInMonth();
  const QDate result(year, month, qMin(date.day(), last));
  return dayNumber(result) + days + timeOfDay(d);
}

DayNumber BudgetStart(TdmData& data) {
  if (const auto start = data.StartBudget()) return *start;
  return DefaultBudgetStart(data.clock());
}

DayNumber BudgetYearEnd(DayNumber start) { return AddDays(AddWeeks(start, 52), -1); }

}  // namespace pk
