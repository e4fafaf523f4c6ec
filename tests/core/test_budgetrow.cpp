// The budget page's row rules without a window: annual amounts of one row, what
// an entry stores in the item, which entries are refused, and the totals.
#include <QtTest>

#include "core/budget/budgetrow.h"
#include "core/budget/frequency.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {

DayNumber day(int y, int m, int d) { return dayNumber(QDate(y, m, d)); }
// The budget year starts on Monday 5 January 2009 and ends on Monday 4 January 2010.
DayNumber yearStart() { return day(2009, 1, 5); }

struct StoredBudget {
  bool frequencyNull;
  int frequency;
  double amount, total, start, last;
};

StoredBudget stored(Fixture& f, int itemID) {
  Stmt q = f.db().prepare(QStringLiteral("SELECT * FROM items WHERE itemID = :id"));
  q.bind(":id", itemID);
  if (!q.next()) return {true, 0, 0, 0, 0, 0};
  return {q.isNull("budgetFrequency"), int(q.integer("budgetFrequency")), q.real("budgetAmount"),
          q.real("budgetTotal"), q.real("budgetStartDate"), q.real("budgetLastDate")};
}

}  // namespace

class TestBudgetRow : public QObject {
  Q_OBJECT
 private slots:
  void annualAmountOfOneRow_data() {
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("last");  // invalid: the last date follows from the start
    QTest::addColumn<double>("annual");

    // The whole year, as a first entry leaves a row: 5 January 2009 to 5 January 2010.
    const double fullYear[] = {36500, 5200, 2600, 1800, 1200, 600, 400, 200, 100};
    // From Monday 6 July 2009, the last date 364 days later.
    const double halfYear[] = {18300, 2600, 1300, 900, 600, 300, 200, 100, 100};
    for (int code = 1; code <= 9; ++code) {
      const QByteArray name = FrequencyName(code).toUtf8();
      QTest::newRow(("full year, " + name).constData())
          << code << QDate(2009, 1, 5) << QDate(2010, 1, 5) << fullYear[code - 1];
      QTest::newRow(("from July, " + name).constData())
          << code << QDate(2009, 7, 6) << QDate() << halfYear[code - 1];
    }
    QTest::newRow("ends before the year") << 2 << QDate(2008, 1, 1) << QDate(2009, 1, 4) << 0.0;
    QTest::newRow("starts on the year's end") << 9 << QDate(2010, 1, 4) << QDate(2010, 6, 1) << 0.0;
    QTest::newRow("one day, one-off") << 9 << QDate(2009, 3, 2) << QDate(2009, 3, 2) << 0.0;
    QTest::newRow("one day, daily") << 1 << QDate(2009, 3, 2) << QDate(2009, 3, 2) << 0.0;
    QTest::newRow("no frequency") << -1 << QDate(2009, 1, 5) << QDate(2010, 1, 5) << 0.0;
    QTest::newRow("starts before the year") << 5 << QDate(2008, 6, 1) << QDate(2009, 3, 5) << 200.0;
  }
  void annualAmountOfOneRow() {
    QFETCH(int, frequency);
    QFETCH(QDate, start);
    QFETCH(QDate, last);
    QFETCH(double, annual);
    BudgetRow row;
    row.frequency = frequency;
    row.amount = 100;
    row.start = dayNumber(start);
    if (last.isValid()) row.last = dayNumber(last);
    QVERIFY(RecalcBudgetRow(row, yearStart(), !last.isValid()));
    QCOMPARE(row.annual.value_or(-1), annual);
    // The last date cell keeps the unclipped date.
    QCOMPARE(dateOf(*row.last), last.isValid() ? last : start.addDays(364));
  }

  void rowWithoutStartIsLeftAlone() {
    BudgetRow row;
    row.frequency = 5;
    row.amount = 100;
    row.annual = 7;
    QVERIFY(!RecalcBudgetRow(row, yearStart(), true));
    QCOMPARE(*row.annual, 7.0);
    QVERIFY(!row.last);
  }

  void selectingAndEditingCells_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("hasFrequency");
    QTest::addColumn<int>("selection");  // BudgetSheet::Selection
    using S = BudgetSheet::Selection;
    for (int col = 0; col < BudgetColumns::kCount; ++col) {
      for (int type : {2, 3}) {
        const BudgetColumns c = BudgetColumnsFor(type);
        for (bool freq : {false, true}) {
          S s = S::Refused;
          if (col == c.frequency || col == c.amount) s = S::Allowed;
          if (col == c.startDate || col == c.lastDate) s = freq ? S::Allowed : S::NeedsFrequency;
          QTest::addRow("type %d col %d %s", type, col, freq ? "with frequency" : "no frequency")
              << type << col << freq << int(s);
        }
      }
    }
  }
  void selectingAndEditingCells() {
    QFETCH(int, type);
    QFETCH(int, column);
    QFETCH(bool, hasFrequency);
    QFETCH(int, selection);
    // The rules read only the cells; no data file is needed.
    ScriptedPrompter prompter;
    Clock clock(QDate(2010, 3, 10));
    TdmData data(prompter, clock);
    BudgetSheet sheet(data);
    BudgetRow row;
    row.frequency = hasFrequency ? 2 : -1;
    sheet.rows(type) = {row};
    QCOMPARE(int(sheet.CanSelectCell(type, column, 0)), selection);
    QCOMPARE(sheet.CanEditCell(type, column, 0), selection == int(BudgetSheet::Selection::Allowed));
    QCOMPARE(int(sheet.CanSelectCell(type, BudgetColumnsFor(type).frequency, 1)),
             int(BudgetSheet::Selection::Refused));
    // Only an allowed selection of the start date arms the new-start rule.
    sheet.recalcLastDate = true;
    sheet.SelectCell(type, column, 0);
    if (selection == int(BudgetSheet::Selection::Allowed))
      QCOMPARE(sheet.recalcLastDate, column == BudgetColumnsFor(type).startDate);
    else
      QVERIFY(sheet.recalcLastDate);
  }

  void firstEntryFillsTheYearAndStoresEverything() {
    Fixture f;
    const int rent = f.addItem(QStringLiteral("Rent"), 3);
    BudgetSheet sheet(f.data());
    sheet.budgetStart = yearStart();
    sheet.LoadBudgetGrid(3);
    const BudgetColumns c = BudgetColumnsFor(3);

    sheet.SelectCell(3, c.frequency, 0);
    QCOMPARE(sheet.CellValidate(3, c.frequency, 0, QStringLiteral("Monthly")).result, BudgetEntry::Accepted);
    StoredBudget s = stored(f, rent);
    QCOMPARE(s.frequency, 5);
    QCOMPARE(s.start, yearStart());
    QCOMPARE(dateOf(s.last), QDate(2010, 1, 5));
    QCOMPARE(s.amount, 0.0);

    sheet.SelectCell(3, c.amount, 0);
    QCOMPARE(sheet.CellValidate(3, c.amount, 0, QStringLiteral("100")).result, BudgetEntry::Accepted);
    s = stored(f, rent);
    QCOMPARE(s.amount, 100.0);
    QCOMPARE(s.total, 1200.0);
    QCOMPARE(*sheet.rows(3)[0].annual, 1200.0);

    // The same value again is no entry; a new start date moves the last date.
    QCOMPARE(sheet.CellValidate(3, c.amount, 0, QStringLiteral("100.00")).result, BudgetEntry::Unchanged);
    sheet.SelectCell(3, c.startDate, 0);
    QCOMPARE(sheet.CellValidate(3, c.startDate, 0, QDate(2009, 7, 6)).result, BudgetEntry::Accepted);
    s = stored(f, rent);
    QCOMPARE(dateOf(s.start), QDate(2009, 7, 6));
    QCOMPARE(dateOf(s.last), QDate(2010, 7, 5));
    QCOMPARE(s.total, 600.0);
    QVERIFY(!sheet.recalcLastDate);

    // A start date chosen but left as it was does not move the last date of a
    // later entry elsewhere.
    sheet.SelectCell(3, c.lastDate, 0);
    sheet.CellValidate(3, c.lastDate, 0, QDate(2010, 6, 30));
    sheet.SelectCell(3, c.startDate, 0);
    QCOMPARE(sheet.CellValidate(3, c.startDate, 0, QDate(2009, 7, 6)).result, BudgetEntry::Unchanged);
    sheet.CellValidate(3, c.amount, 0, QStringLiteral("200"));
    QCOMPARE(dateOf(stored(f, rent).last), QDate(2010, 6, 30));
    QCOMPARE(stored(f, rent).total, 1200.0);
  }

  void firstEntryWithAnAmountAlreadyThere() {
    // A row that had an amount gets its annual amount as soon as a frequency is chosen.
    Fixture f;
    const int pay = f.addItem(QStringLiteral("Salary"), 2);
    f.db().exec(QStringLiteral("UPDATE items SET budgetAmount = 1000"));
    BudgetSheet sheet(f.data());
    sheet.budgetStart = yearStart();
    sheet.LoadBudgetGrid(2);
    sheet.CellValidate(2, 3, 0, QStringLiteral("Fortnightly"));
    QCOMPARE(stored(f, pay).total, 26000.0);
    QCOMPARE(sheet.incomeSubtotal, 26000.0);
  }

  void amountEntriesStoreWhatTheyRead_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("storedFrequency");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("total");
    QTest::newRow("no frequency") << QString() << QStringLiteral("250") << -1 << 250.0 << 0.0;
    QTest::newRow("letters") << QStringLiteral("Weekly") << QStringLiteral("abc") << 2 << 0.0 << 0.0;
    QTest::newRow("empty") << QStringLiteral("Weekly") << QString() << 2 << 0.0 << 0.0;
    QTest::newRow("currency text") << QStringLiteral("Quarterly") << QStringLiteral("$1,234.50") << 7
                                   << 1234.5 << 4938.0;
  }
  void amountEntriesStoreWhatTheyRead() {
    QFETCH(QString, frequency);
    QFETCH(QString, text);
    QFETCH(int, storedFrequency);
    QFETCH(double, amount);
    QFETCH(double, total);
    Fixture f;
    const int item = f.addItem(QStringLiteral("Gas"), 3);
    f.db().exec(QStringLiteral("UPDATE items SET budgetAmount = 9, budgetTotal = 99"));
    BudgetSheet sheet(f.data());
    sheet.budgetStart = yearStart();
    sheet.LoadBudgetGrid(3);
    const BudgetColumns c = BudgetColumnsFor(3);
    if (!frequency.isEmpty()) sheet.CellValidate(3, c.frequency, 0, frequency);
    QCOMPARE(sheet.CellValidate(3, c.amount, 0, text).result, BudgetEntry::Accepted);
    const StoredBudget s = stored(f, item);
    QVERIFY(!s.frequencyNull);
    QCOMPARE(s.frequency, storedFrequency);
    QCOMPARE(s.amount, amount);
    QCOMPARE(s.total, total);
    QCOMPARE(*sheet.rows(3)[0].amount, amount);
  }

  void amountsInACommaLocale() {
    Fixture f;
    const int item = f.addItem(QStringLiteral("Rates"), 3);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    BudgetSheet sheet(f.data());
    sheet.budgetStart = yearStart();
    sheet.LoadBudgetGrid(3);
    sheet.CellValidate(3, 3, 0, QStringLiteral("Monthly"));
    sheet.CellValidate(3, 7, 0, QStringLiteral("1.234,5"));
    const StoredBudget s = stored(f, item);
    pk::test::useTestLocale();
    QCOMPARE(s.amount, 1234.5);
    QCOMPARE(s.total, 12 * 1234.5);
  }

  void lastDateEntries_data() {
    QTest::addColumn<bool>("hasStart");
    QTest::addColumn<QDate>("entered");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QDate>("kept");
    const QString before = QStringLiteral("Last date must bigger than start date.");
    QTest::newRow("before the start") << true << QDate(2009, 2, 1) << before << QDate(2009, 12, 31);
    QTest::newRow("equal to the start") << true << QDate(2009, 3, 2) << QString() << QDate(2009, 3, 2);
    QTest::newRow("after the start") << true << QDate(2009, 6, 1) << QString() << QDate(2009, 6, 1);
    QTest::newRow("no start")
        << false << QDate(2009, 6, 1) << QStringLiteral("Start Date Must be Filled First.") << QDate(2009, 12, 31);
  }
  void lastDateEntries() {
    QFETCH(bool, hasStart);
    QFETCH(QDate, entered);
    QFETCH(QString, message);
    QFETCH(QDate, kept);
    Fixture f;
    const int item = f.addItem(QStringLiteral("Phone"), 3);
    f.db().prepare(QStringLiteral("UPDATE items SET budgetFrequency = 5, budgetAmount = 10, "
                                  "budgetStartDate = :s, budgetLastDate = :l"))
        .bind(":s", hasStart ? QVariant(day(2009, 3, 2)) : QVariant())
        .bind(":l", day(2009, 12, 31))
        .execute();
    BudgetSheet sheet(f.data());
    sheet.budgetStart = yearStart();
    sheet.LoadBudgetGrid(3);
    sheet.SelectCell(3, 5, 0);
    const BudgetEntry e = sheet.CellValidate(3, 5, 0, entered);
    QCOMPARE(e.message, message);
    QCOMPARE(e.result, message.isEmpty() ? BudgetEntry::Accepted : BudgetEntry::Refused);
    QCOMPARE(dateOf(*sheet.rows(3)[0].last), kept);
    QCOMPARE(dateOf(stored(f, item).last), kept);
  }

  void gridsLeaveOutSystemItemsUntilReloaded() {
    Fixture f;
    f.addItem(QStringLiteral("Wages"), 2);
    f.addItem(QStringLiteral("Unallocated Split Income"), 2,
              f.addCategory(QStringLiteral("Unallocated Split Income"), 2, true));
    f.addItem(QStringLiteral("Food"), 3);
    BudgetSheet sheet(f.data());
    sheet.LoadBudgetGrid(2);
    QCOMPARE(sheet.rows(2).size(), 1);
    QCOMPARE(sheet.rows(2)[0].name, QStringLiteral("Wages"));
    QVERIFY(sheet.rows(3).isEmpty());

    // Reloading saves every row: no frequency becomes -1 and the year is filled in.
    sheet.budgetStart = yearStart();
    sheet.ReloadBudgetGrid(2);
    QCOMPARE(sheet.rows(2).size(), 2);
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM items WHERE type = 2 AND budgetFrequency = -1 "
                                          "AND budgetStartDate IS NOT NULL AND budgetLastDate IS NOT NULL")),
             qint64(2));
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM items WHERE type = 3 AND budgetFrequency IS NULL")),
             qint64(1));
  }

  void vanishedItemIsNotSaved() {
    Fixture f;
    const int item = f.addItem(QStringLiteral("Bus"), 3);
    BudgetSheet sheet(f.data());
    sheet.budgetStart = yearStart();
    sheet.LoadBudgetGrid(3);
    f.db().prepare(QStringLiteral("DELETE FROM items WHERE itemID = :id")).bind(":id", item).execute();
    QCOMPARE(sheet.CellValidate(3, 3, 0, QStringLiteral("Weekly")).result, BudgetEntry::Accepted);
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM items")), qint64(0));
    QCOMPARE(SaveBudgetRow(f.data(), sheet.rows(3)[0], yearStart()), BudgetSave::ItemMissing);
  }

  void totalsFollowTheAnnualAmounts() {
    Fixture f;
    f.addItem(QStringLiteral("Salary"), 2);
    f.addItem(QStringLiteral("Rent"), 3);
    f.addItem(QStringLiteral("Food"), 3);
    BudgetSheet sheet(f.data());
    sheet.budgetStart = yearStart();
    sheet.LoadBudgetGrid(2);
    sheet.LoadBudgetGrid(3);
    const struct { int type, row; const char* frequency; const char* amount; } entries[] = {
        {2, 0, "Monthly", "1000"}, {3, 0, "Monthly", "800"}, {3, 1, "Weekly", "100"}};
    for (const auto& e : entries) {
      const BudgetColumns c = BudgetColumnsFor(e.type);
      sheet.CellValidate(e.type, c.frequency, e.row, QString::fromLatin1(e.frequency));
      sheet.CellValidate(e.type, c.amount, e.row, QString::fromLatin1(e.amount));
    }
    QCOMPARE(sheet.incomeSubtotal, 12000.0);
    QCOMPARE(sheet.outgoingSubtotal, 9600.0 + 5200.0);
    QCOMPARE(sheet.grandTotal, 12000.0 - 14800.0);
  }
};

QTEST_GUILESS_MAIN(TestBudgetRow)
#include "test_budgetrow.moc"
