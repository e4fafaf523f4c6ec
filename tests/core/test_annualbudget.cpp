// The annual budget report's figures: which items are listed and in which order,
// the stored annual amounts summed into subtotals and the grand total, the
// "Unallocated Split" exclusion and the missing-frequency check of each source.
#include <QtTest>

#include "core/budget/calendar.h"
#include "core/figures/annualbudget.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {

constexpr DayNumber kStart = 40182;  // Monday 4 January 2010

struct Budget {
  QVariant frequency;  // null for none
  double amount = 0;
  QVariant start, last, total;
};

int addBudgetedItem(Fixture& f, const QString& name, int type, const Budget& b) {
  const int id = f.addItem(name, type);
  f.db().prepare(QStringLiteral("UPDATE items SET budgetFrequency = :f, budgetAmount = :a, budgetStartDate = :s, "
                                "budgetLastDate = :l, budgetTotal = :t WHERE itemID = :id"))
      .bind(":f", b.frequency).bind(":a", b.amount).bind(":s", b.start).bind(":l", b.last)
      .bind(":t", b.total).bind(":id", id).execute();
  return id;
}

Budget yearly(int frequency, double amount, double total) {
  return {frequency, amount, kStart, kStart + 364, total};
}

QStringList names(const std::vector<AnnualBudgetRow>& rows) {
  QStringList n;
  for (const auto& r : rows) n << r.name;
  return n;
}

}  // namespace

class TestAnnualBudget : public QObject {
  Q_OBJECT
 private slots:
  void periodsOfTheReport_data() {
    QTest::addColumn<int>("frequency");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("q");
    QTest::addColumn<int>("periods");
    QTest::newRow("daily, no day added") << 1 << kStart << kStart + 10 << 10;
    QTest::newRow("daily, under a day") << 1 << kStart << kStart + 0.5 << 0;
    QTest::newRow("monthly, whole year") << 5 << kStart << AddWeeks(kStart, 52) << 12;
    QTest::newRow("fortnightly, 15 days") << 3 << kStart << kStart + 15 << 2;
    QTest::newRow("one off, empty span") << 9 << kStart << kStart << 1;
    QTest::newRow("weekly, empty span") << 2 << kStart << kStart << 0;
    QTest::newRow("one off, reversed") << 9 << kStart + 1 << kStart << 0;
    QTest::newRow("no frequency") << -1 << kStart << kStart + 100 << 0;
    QTest::newRow("code above 9") << 12 << kStart << kStart + 100 << 0;
  }
  void periodsOfTheReport() {
    QFETCH(int, frequency);
    QFETCH(double, p);
    QFETCH(double, q);
    QFETCH(int, periods);
    QCOMPARE(AnnualReportPeriods(frequency, p, q), periods);
  }

  void listsItemsWithStoredTotalsAndSums() {
    Fixture f;
    f.data().SetStartBudget(kStart);
    addBudgetedItem(f, QStringLiteral("Salary"), 2, yearly(5, 100, 1200));
    addBudgetedItem(f, QStringLiteral("Bonus"), 2, yearly(8, 300, 600));
    addBudgetedItem(f, QStringLiteral("Rent"), 3, yearly(9, 500, 500));
    // Without a budget the split item is left out; with one it is listed.
    addBudgetedItem(f, QStringLiteral("Unallocated Split Outgoing"), 3, {});
    addBudgetedItem(f, QStringLiteral("Unallocated Split Income"), 2, yearly(5, 10, 120));
    // Wholly outside the budget year: still listed with what is stored.
    addBudgetedItem(f, QStringLiteral("Old loan"), 3, {5, 40.0, kStart - 400, kStart - 100, 80.0});
    // A stored total that no longer matches its budget is shown as stored.
    addBudgetedItem(f, QStringLiteral("Gym"), 3, yearly(5, 30, 0));

    const AnnualBudget b = PrepareAnnualItems(f.data(), AnnualBudgetSource::ViewPage);
    QCOMPARE(b.start, kStart);
    QCOMPARE(b.today, dayNumber(QDate(2010, 3, 10)));
    QCOMPARE(names(b.income), (QStringList{QStringLiteral("Bonus"), QStringLiteral("Salary"),
                                           QStringLiteral("Unallocated Split Income")}));
    QCOMPARE(names(b.outgoing), (QStringList{QStringLiteral("Gym"), QStringLiteral("Old loan"), QStringLiteral("Rent")}));
    QCOMPARE(b.incomeSubtotal, 1920.0);
    QCOMPARE(b.outgoingSubtotal, 580.0);
    QCOMPARE(b.grandTotal, 1340.0);
    QVERIFY(b.missingFrequency);  // the unbudgeted split item has no frequency

    const AnnualBudgetRow& salary = b.income[1];
    QCOMPARE(salary.frequencyName, QStringLiteral("Monthly"));
    QCOMPARE(salary.amount, 100.0);
    QCOMPARE(*salary.start, kStart);
    QCOMPARE(*salary.last, kStart + 364);
  }

  void splitItemIsLeftOutOnlyWhenItsTotalIsZero_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("last");
    QTest::addColumn<bool>("listed");
    QTest::newRow("split, budget in the year") << QStringLiteral("Unallocated Split Outgoing") << QVariant(kStart + 364) << true;
    QTest::newRow("split, budget before the year") << QStringLiteral("Unallocated Split Outgoing") << QVariant(kStart - 1) << false;
    QTest::newRow("split, no last date") << QStringLiteral("Unallocated Split Outgoing") << QVariant() << false;
    QTest::newRow("other name, budget before the year") << QStringLiteral("Unallocated") << QVariant(kStart - 1) << true;
    QTest::newRow("letter case counts") << QStringLiteral("unallocated split x") << QVariant(kStart - 1) << true;
  }
  void splitItemIsLeftOutOnlyWhenItsTotalIsZero() {
    QFETCH(QString, name);
    QFETCH(QVariant, last);
    QFETCH(bool, listed);
    Fixture f;
    f.data().SetStartBudget(kStart);
    addBudgetedItem(f, name, 3, {2, 25.0, kStart - 700, last, 75.0});
    const AnnualBudget b = PrepareAnnualItems(f.data(), AnnualBudgetSource::ViewPage);
    QCOMPARE(b.outgoing.size(), size_t(listed ? 1 : 0));
    QCOMPARE(b.grandTotal, listed ? -75.0 : 0.0);
  }

  void eachSourceHasItsOrderAndMissingTest_data() {
    QTest::addColumn<QVariant>("frequency");
    QTest::addColumn<bool>("missingOnPage");
    QTest::addColumn<bool>("missingInPrint");
    QTest::addColumn<QString>("shownName");
    QTest::newRow("empty") << QVariant() << true << true << QString();
    QTest::newRow("-1 from the budget grid") << QVariant(-1) << true << false << QString();
    QTest::newRow("0") << QVariant(0) << true << false << QString();
    QTest::newRow("above 9") << QVariant(10) << false << false << QString();
    QTest::newRow("weekly") << QVariant(2) << false << false << QStringLiteral("Weekly");
  }
  void eachSourceHasItsOrderAndMissingTest() {
    QFETCH(QVariant, frequency);
    QFETCH(bool, missingOnPage);
    QFETCH(bool, missingInPrint);
    QFETCH(QString, shownName);
    Fixture f;
    f.data().SetStartBudget(kStart);
    addBudgetedItem(f, QStringLiteral("water"), 3, yearly(5, 20, 240));
    addBudgetedItem(f, QStringLiteral("Car"), 3, {frequency, 10.0, kStart, kStart + 364, 0.0});
    addBudgetedItem(f, QStringLiteral("Wages"), 2, yearly(5, 2000, 24000));

    const AnnualBudget page = PrepareAnnualItems(f.data(), AnnualBudgetSource::ViewPage);
    const AnnualBudget print = PrepareAnnualItems(f.data(), AnnualBudgetSource::PrintHost);
    QCOMPARE(page.missingFrequency, missingOnPage);
    QCOMPARE(print.missingFrequency, missingInPrint);
    QCOMPARE(names(page.outgoing), (QStringList{QStringLiteral("Car"), QStringLiteral("water")}));
    QCOMPARE(names(print.outgoing), (QStringList{QStringLiteral("water"), QStringLiteral("Car")}));
    QCOMPARE(page.outgoing[0].frequencyName, shownName);
    QCOMPARE(print.grandTotal, page.grandTotal);
    QCOMPARE(page.grandTotal, 24000.0 - 240.0);
  }

  void withoutStoredStartTheYearBeginsOnTheLastMonday() {
    Fixture f(QDate(2010, 3, 10));  // a Wednesday
    const AnnualBudget b = PrepareAnnualItems(f.data(), AnnualBudgetSource::ViewPage);
    QCOMPARE(dateOf(b.start), QDate(2010, 3, 8));
    QVERIFY(b.income.empty() && b.outgoing.empty());
    QCOMPARE(b.grandTotal, 0.0);
    QVERIFY(!b.missingFrequency);
  }
};

QTEST_GUILESS_MAIN(TestAnnualBudget)
#include "test_annualbudget.moc"
