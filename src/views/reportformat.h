#pragma once
// How the printed views write dates and money.
#include <QLocale>
#include <QString>

#include "core/dates.h"

namespace pk {

// The locale's short date format, always with a four-digit year (3/10/2010).
QString ReportDate(DayNumber day, const QLocale& locale = QLocale());
// The locale's currency format with two decimals ($1,234.50; a negative value
// in the locale's negative form).
QString ReportMoney(double value, const QLocale& locale = QLocale());

}  // namespace pk
