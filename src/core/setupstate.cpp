#include "core/setupstate.h"

#include "core/store/db.h"

namespace pk {

QString SetupReminderText() {
  return QStringLiteral(
      "Setup is not complete yet. Please click to Setup icon in order to manage categories, incoming and "
      "outgoing items and various other settings.");
}

QString SetupReminderReason(Db& db) {
  QString reason;
  const QString missing = QStringLiteral("You have to setup at least one account, income and outgoing item.");
  for (const char* sql : {"SELECT count(*) as total FROM accounts",
                          "SELECT count(*) as total FROM items WHERE type = 2",
                          "SELECT count(*) as total FROM items WHERE type = 3"}) {
    if (db.scalar(QString::fromLatin1(sql)) <= 0) reason = missing;
  }
  // Items of the system categories have no budget of their own and are left out here.
  const qint64 incomplete = db.scalar(QStringLiteral(
      "SELECT count(*) as total FROM items, categories WHERE ((budgetFrequency IS NULL) OR "
      "(budgetStartDate IS NULL) OR (budgetAmount IS NULL) OR (budgetAmount = 0)) AND "
      "(items.catID = categories.catID AND categories.catSystem = 0)"));
  if (incomplete > 0) reason = QStringLiteral("Budget Annual Setup is not complete.");
  return reason;
}

}  // namespace pk
