// Balances of all accounts at a day, opening balances in a range, one account's
// stored balance, the settling of pending edits and the learned import item.
#include <QtTest>

#include "core/store/balances.h"
#include "core/store/records.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {
const DayNumber kDay = dayNumber(QDate(2010, 3, 10));  // midnight
const double kTime = kPickerTimeOfDay;
}  // namespace

class TestBalances : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { pk::test::useTestLocale(); }

  void emptyFileHasNoBalance() {
    Fixture f;
    QCOMPARE(AllAccountsBalanceBefore(f.data(), kDay), 0.0);
    QCOMPARE(OpeningBalancesBetween(f.data(), kDay - 100, kDay + 100), 0.0);
  }

  // One income transaction of 10 at the given moment; the balance at the start of
  // the asked day either counts it or not.
  void transactionsBeforeTheDay_data() {
    QTest::addColumn<double>("trnDate");
    QTest::addColumn<double>("asked");
    QTest::addColumn<double>("expected");
    QTest::newRow("same day, editor time") << kDay + kTime << kDay << 0.0;
    QTest::newRow("same day, midnight") << kDay << kDay << 0.0;
    QTest::newRow("next day counts it") << kDay + kTime << kDay + 1 << 10.0;
    QTest::newRow("time of the asked day plays no part") << kDay + 0.25 << kDay + 0.9 << 0.0;
    QTest::newRow("day before, late") << kDay - 1 + kTime << kDay << 10.0;
    QTest::newRow("just before midnight") << kDay - 0.0001 << kDay << 10.0;
  }
  void transactionsBeforeTheDay() {
    QFETCH(double, trnDate);
    QFETCH(double, asked);
    QFETCH(double, expected);
    Fixture f;
    const int acc = f.addAccount(QStringLiteral("Cheque"), 0, kDay + 500);
    f.addTransaction(acc, f.addItem(QStringLiteral("Salary"), 2), 10, trnDate);
    QCOMPARE(AllAccountsBalanceBefore(f.data(), asked), expected);
  }

  void openingBalancesCountFromTheirDay() {
    Fixture f;
    f.addAccount(QStringLiteral("On the day"), 100, kDay);
    f.addAccount(QStringLiteral("Day before, editor time"), 20, kDay - 1 + kTime);
    QCOMPARE(AllAccountsBalanceBefore(f.data(), kDay), 20.0);
    QCOMPARE(AllAccountsBalanceBefore(f.data(), kDay + 1), 120.0);
  }

  void onlyIncomeAndOutgoingsCount() {
    Fixture f;
    const int acc = f.addAccount(QStringLiteral("Cheque"), 1000, kDay - 10);
    f.addTransaction(acc, f.addItem(QStringLiteral("Salary"), 2), 300, kDay - 5);
    f.addTransaction(acc, f.addItem(QStringLiteral("Rent"), 3), 120.25, kDay - 4);
    f.addTransaction(acc, f.addItem(QStringLiteral("Odd"), 1), 5000, kDay - 3);
    const int gone = f.addItem(QStringLiteral("Gone"), 3);
    f.addTransaction(acc, gone, 7000, kDay - 3);
    f.db().exec(QStringLiteral("DELETE FROM items WHERE itemID = %1").arg(gone));
    QCOMPARE(AllAccountsBalanceBefore(f.data(), kDay), 1000 + 300 - 120.25);
    RecalcAccountBalance(f.data(), acc);
    QCOMPARE(GetAccountBalances(f.data(), acc).second, 1000 + 300 - 120.25);
  }

  void sumsAreExact() {
    Fixture f;
    const int acc = f.addAccount(QStringLiteral("Cash"), 0, kDay + 10);
    const int item = f.addItem(QStringLiteral("Interest"), 2);
    for (int i = 0; i < 10; ++i) f.addTransaction(acc, item, 0.1, kDay - 1);
    f.addTransaction(acc, f.addItem(QStringLiteral("Fees"), 3), 0.3, kDay - 1);
    QVERIFY(AllAccountsBalanceBefore(f.data(), kDay) == 0.7);
    RecalcAccountBalance(f.data(), acc);
    QVERIFY(GetAccountBalances(f.data(), acc).second == 0.7);
  }

  // Opening balances from first's midnight to the midnight after last, both ends in.
  void openingBalancesBetween_data() {
    QTest::addColumn<double>("balanceDate");
    QTest::addColumn<bool>("counted");
    const DayNumber first = kDay;
    const DayNumber last = kDay + 6;
    QTest::newRow("first, midnight") << first << true;
    QTest::newRow("first, editor time") << first + kTime << true;
    QTest::newRow("day before first, editor time") << first - 1 + kTime << false;
    QTest::newRow("last, editor time") << last + kTime << true;
    QTest::newRow("day after last, midnight") << last + 1 << true;
    QTest::newRow("day after last, editor time") << last + 1 + kTime << false;
  }
  void openingBalancesBetween() {
    QFETCH(double, balanceDate);
    QFETCH(bool, counted);
    Fixture f;
    f.addAccount(QStringLiteral("Savings"), 250, balanceDate);
    // The times of day of the arguments play no part.
    QCOMPARE(OpeningBalancesBetween(f.data(), kDay + 0.7, kDay + 6 + 0.3), counted ? 250.0 : 0.0);
  }

  void accountBalance() {
    Fixture f;
    const int acc = f.addAccount(QStringLiteral("Cheque"), 100, kDay + kTime);
    const int other = f.addAccount(QStringLiteral("Other"), 5, kDay);
    QCOMPARE(GetAccountBalanceDate(f.data(), acc), kDay + kTime);
    QVERIFY(!AccountHasTransactions(f.data(), acc));
    const int salary = f.addItem(QStringLiteral("Salary"), 2);
    f.addTransaction(acc, salary, 50, kDay - 400);  // long before the balance date
    f.addTransaction(acc, salary, 25, kDay + 400);
    f.addTransaction(acc, f.addItem(QStringLiteral("Rent"), 3), 30, kDay + kTime);
    f.addTransaction(other, salary, 1000, kDay);
    QVERIFY(AccountHasTransactions(f.data(), acc));
    QCOMPARE(GetAccountBalances(f.data(), acc), std::make_pair(100.0, 100.0));  // as stored
    RecalcAccountBalance(f.data(), acc);
    QCOMPARE(GetAccountBalances(f.data(), acc), std::make_pair(100.0, 145.0));
    QCOMPARE(GetAccountBalances(f.data(), other), std::make_pair(5.0, 5.0));
  }

  void unknownAccount() {
    Fixture f;
    QCOMPARE(GetAccountBalanceDate(f.data(), 42), 0.0);
    QVERIFY(!AccountHasTransactions(f.data(), 42));
    QCOMPARE(GetAccountBalances(f.data(), 42), std::make_pair(0.0, 0.0));
    RecalcAccountBalance(f.data(), 42);
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM accounts")), qint64(0));
    QVERIFY(f.prompter().records().empty());
  }

  void finishPendingEdits_data() {
    QTest::addColumn<bool>("commit");
    QTest::addColumn<QString>("left");  // "trn:saved" of the rows left, in key order
    // Rows 1, 2, 3 are saved 0, 1, 2.
    QTest::newRow("commit") << true << "1:0 2:0";
    QTest::newRow("cancel") << false << "1:0 3:0";
  }
  void finishPendingEdits() {
    QFETCH(bool, commit);
    QFETCH(QString, left);
    Fixture f;
    const int acc = f.addAccount(QStringLiteral("Cheque"));
    const int item = f.addItem(QStringLiteral("Rent"), 3);
    for (int saved = 0; saved <= 2; ++saved) {
      const int trn = f.addTransaction(acc, item, 1, kDay);
      f.db().exec(QStringLiteral("UPDATE transactions SET saved = %1 WHERE trnID = %2").arg(saved).arg(trn));
    }
    FinishPendingEdits(f.data(), commit);
    QStringList rows;
    Stmt s = f.db().prepare(QStringLiteral("SELECT trnID, saved FROM transactions ORDER BY trnID"));
    while (s.next()) rows << QStringLiteral("%1:%2").arg(s.integer(0)).arg(s.integer(1));
    QCOMPARE(rows.join(QLatin1Char(' ')), left);
    FinishPendingEdits(f.data(), !commit);
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM transactions WHERE saved <> 0")), qint64(0));
  }

  void learnedImportItem() {
    Fixture f;
    const int acc = f.addAccount(QStringLiteral("Cheque"));
    const int importIn = f.addItem(QStringLiteral("Imported Income"), 2);
    const int importOut = f.addItem(QStringLiteral("Imported Outgoings"), 3);
    const int groceries = f.addItem(QStringLiteral("Groceries"), 3);
    const int petrol = f.addItem(QStringLiteral("Petrol"), 3);
    const int refunds = f.addItem(QStringLiteral("Refunds"), 2);
    auto imported = [&](int item, const QString& description, bool isImport = true) {
      const int trn = f.addTransaction(acc, item, 10, kDay);
      f.db().prepare(QStringLiteral("UPDATE transactions SET description = :d, isImport = :i WHERE trnID = :t"))
          .bind(":d", description).bind(":i", isImport ? 1 : 0).bind(":t", trn).execute();
    };
    const QString shop = QStringLiteral("GREENGATE MARKET 1234");
    imported(importOut, shop);
    QCOMPARE(FindLearnedImportItem(f.data(), shop, 3, importIn, importOut), 0);
    imported(refunds, shop);  // the other type is never learned
    QCOMPARE(FindLearnedImportItem(f.data(), shop, 3, importIn, importOut), 0);
    QCOMPARE(FindLearnedImportItem(f.data(), shop, 2, importIn, importOut), refunds);
    imported(petrol, shop, false);  // typed by hand, not imported
    QCOMPARE(FindLearnedImportItem(f.data(), shop, 3, importIn, importOut), 0);
    imported(groceries, shop);
    imported(petrol, shop.toLower());  // descriptions compare without regard to case
    imported(importOut, shop);
    QCOMPARE(FindLearnedImportItem(f.data(), shop, 3, importIn, importOut), petrol);  // the last one decides
    QCOMPARE(FindLearnedImportItem(f.data(), QStringLiteral("OTHER"), 3, importIn, importOut), 0);
  }
};

QTEST_GUILESS_MAIN(TestBalances)
#include "test_balances.moc"
