#include "views/reportformat.h"

namespace pk {

QString ReportDate(DayNumber day, const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return locale.toString(dateOf(day), format);
}

QString ReportMoney(double value, const QLocale& locale) {
  // A sum that rounds to zero shows as zero, never as a negative zero.
  if (qAbs(value) < 0.005) value = 0;
  return locale.toCurrencyString(value, locale.currencySymbol(), 2);
}

}  // namespace pk
