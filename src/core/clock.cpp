#include "core/clock.h"

#include <QDateTime>

namespace pk {

Clock Clock::fromEnvironment() {
  const QByteArray value = qgetenv("PURSEKEEP_TODAY");
  if (!value.isEmpty()) {
    const QDate date = QDate::fromString(QString::fromLatin1(value), Qt::ISODate);
    if (date.isValid()) return Clock(date);
  }
  return Clock();
}

QDate Clock::today() const {
  return fixed_.isValid() ? fixed_ : QDate::currentDate();
}

}  // namespace pk
