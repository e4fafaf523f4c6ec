#include "core/store/balances.h"

#include <cmath>

#include "core/money.h"
#include "core/store/tdmdata.h"

namespace pk {

namespace {
// A date written into a query stands for midnight at the start of its day.
double midnight(DayNumber d) { return std::floor(d); }

// Income less outgoings of the selected transactions, in stored ten-thousandths.
const QString kSignedAmount = QStringLiteral(
    "CASE items.type WHEN 2 THEN transactions.amount WHEN 3 THEN -transactions.amount ELSE 0 END");

double sumInitialBalances(Stmt& s) {
  double sum = 0;
  while (s.next()) sum += s.real(0);
  return sum;
}
}  // namespace

double AllAccountsBalanceBefore(TdmData& data, DayNumber date) {
  const double day = midnight(date);
  // "+trnDate" keeps the date index out: the balance is usually asked for a recent
  // day, when reading the table straight through is much faster.
  Stmt t = data.db().prepare(QStringLiteral("SELECT SUM(%1) FROM transactions, items "
                                            "WHERE transactions.itemID = items.itemID "
                                            "AND +transactions.trnDate < :day").arg(kSignedAmount));
  t.bind(":day", day);
  const qint64 moved = t.next() ? t.integer(0) : 0;
  Stmt a = data.db().prepare(QStringLiteral("SELECT initialBalance FROM accounts WHERE balanceDate < :day"));
  a.bind(":day", day);
  return fromTenThousandths(moved) + sumInitialBalances(a);
}

double OpeningBalancesBetween(TdmData& data, DayNumber first, DayNumber last) {
  Stmt a = data.db().prepare(
      QStringLiteral("SELECT initialBalance FROM accounts WHERE balanceDate BETWEEN :first AND :after"));
  a.bind(":first", midnight(first)).bind(":after", midnight(last) + 1);
  return sumInitialBalances(a);
}

DayNumber GetAccountBalanceDate(TdmData& data, int accID) {
  Stmt s = data.db().prepare(QStringLiteral("SELECT balanceDate FROM accounts WHERE accID = :accID"));
  s.bind(":accID", accID);
  return s.next() ? s.real(0) : 0;
}

bool AccountHasTransactions(TdmData& data, int accID) {
  Stmt s = data.db().prepare(QStringLiteral("SELECT 1 FROM transactions WHERE accID = :accID LIMIT 1"));
  s.bind(":accID", accID);
  return s.next();
}

void RecalcAccountBalance(TdmData& data, int accID) {
  Stmt sum = data.db().prepare(QStringLiteral("SELECT SUM(%1) FROM transactions, items "
                                              "WHERE transactions.itemID = items.itemID "
                                              "AND transactions.accID = :accID").arg(kSignedAmount));
  sum.bind(":accID", accID);
  const qint64 moved = sum.next() ? sum.integer(0) : 0;
  data.db()
      .prepare(QStringLiteral("UPDATE accounts SET currentBalance = COALESCE(initialBalance, 0) + :moved WHERE accID = :accID"))
      .bind(":moved", fromTenThousandths(moved))
      .bind(":accID", accID)
      .execute();
}

std::pair<double, double> GetAccountBalances(TdmData& data, int accID) {
  Stmt s = data.db().prepare(
      QStringLiteral("SELECT initialBalance, currentBalance FROM accounts WHERE accID = :accID"));
  s.bind(":accID", accID);
  if (!s.next()) return {0.0, 0.0};
  return {s.real(0), s.real(1)};
}

void FinishPendingEdits(TdmData& data, bool commit) {
  BulkWrite bulk(data.db());
  data.db().prepare(QStringLiteral("DELETE FROM transactions WHERE saved = :ID")).bind(":ID", commit ? 2 : 1).execute();
  data.db()
      .prepare(QStringLiteral("UPDATE transactions SET saved = 0 WHERE saved = :ID"))
      .bind(":ID", commit ? 1 : 2)
      .execute();
}

int FindLearnedImportItem(TdmData& data, const QString& description, int type, int importItemA,
                          int importItemB) {
  // The last imported transaction with this description whose item qualifies decides.
  Stmt s = data.db().prepare(QStringLiteral(
      "SELECT items.itemID FROM transactions, items WHERE transactions.itemID = items.itemID "
      "AND transactions.description = :description AND transactions.isImport <> 0 "
      "AND items.type = :type AND items.itemID <> :a AND items.itemID <> :b "
      "ORDER BY transactions.trnID DESC LIMIT 1"));
  s.bind(":description", description).bind(":type", type).bind(":a", importItemA).bind(":b", importItemB);
  return s.next() ? int(s.integer(0)) : 0;
}

}  // namespace pk
