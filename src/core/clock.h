#pragma once
// Today's date for the whole program. PURSEKEEP_TODAY=YYYY-MM-DD fixes it for
// demonstrations and tests; nothing else asks the system for the date.
#include <QDate>

#include "core/dates.h"

namespace pk {

class Clock {
 public:
  Clock() = default;
  explicit Clock(const QDate& fixed) : fixed_(fixed) {}
  static Clock fromEnvironment();

  QDate today() const;
  DayNumber todayNumber() const { return dayNumber(today()); }
  void setToday(const QDate& date) { fixed_ = date; }

 private:
  QDate fixed_;
};

}  // namespace pk
