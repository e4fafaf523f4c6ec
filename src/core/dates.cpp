#include "core/dates.h"

#include <cmath>

namespace pk {

namespace {
// Julian day of 30 December 1899, day 0. A plain number, so that other files'
// constants may use these functions during static initialisation.
constexpr qint64 kEpochJulianDay = 2415019;
constexpr double kMsPerDay = 86400000.0;
}

DayNumber dayNumber(const QDate& date) { return double(date.toJulianDay() - kEpochJulianDay); }

DayNumber dayNumber(const QDateTime& dateTime) {
  const QTime t = dateTime.time();
  return dayNumber(dateTime.date()) + t.msecsSinceStartOfDay() / kMsPerDay;
}

DayNumber wholeDay(DayNumber day) { return std::floor(day); }

double timeOfDay(DayNumber day) { return day - std::floor(day); }

QDate dateOf(DayNumber day) { return QDate::fromJulianDay(kEpochJulianDay + qint64(std::floor(day))); }

QDateTime dateTimeOf(DayNumber day) {
  const int ms = int(std::llround(timeOfDay(day) * kMsPerDay));
  QDateTime result(dateOf(day), QTime(0, 0));
  return result.addMSecs(ms);
}

DayNumber withDate(DayNumber keepTime, const QDate& date) {
  return dayNumber(date) + timeOfDay(keepTime);
}

QString usDate(DayNumber day) {
  return dateOf(day).toString(QStringLiteral("MM/dd/yyyy"));
}

}  // namespace pk
