// Budget frequencies, the calendar arithmetic every budget figure uses, the annual
// total of one item and the recomputation of all stored totals.
#include <QtTest>

#include "core/budget/budgettotals.h"
#include "core/budget/calendar.h"
#include "core/budget/frequency.h"
#include "core/store/records.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {
DayNumber day(int y, int m, int d) { return dayNumber(QDate(y, m, d)); }
const double kNoDate = -1;  // a table value meaning "column empty"
std::optional<DayNumber> maybe(double v) { return v == kNoDate ? std::nullopt : std::optional<DayNumber>(v); }
}  // namespace

class TestBudget : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { pk::test::useTestLocale(); }

  void frequencyNamesAndCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    const char* names[] = {"Daily",   "Weekly",    "Fortnightly", "3 Weekly",          "Monthly",
                           "2 Monthly", "Quarterly", "Half Yearly", "Annually - One off"};
    for (int code = 1; code <= 9; ++code) {
      QTest::addRow("%d", code) << code << QString::fromLatin1(names[code - 1]);
    }
  }
  void frequencyNamesAndCodes() {
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(FrequencyName(code), name);
    QCOMPARE(FrequencyCode(name), code);
  }

  void noFrequency() {
    for (int code : {0, -1, 10, 100}) QCOMPARE(FrequencyName(code), QString());
    QCOMPARE(FrequencyCode(QStringLiteral("monthly")), -1);  // letter case counts
    QCOMPARE(FrequencyCode(QStringLiteral("Monthly ")), -1);
    QCOMPARE(FrequencyCode(QString()), -1);
  }

  void wholeUnitsBetween_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("weeks");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("years");
    const double p = kPickerStart;
    QTest::newRow("same instant") << p << p << 0 << 0 << 0 << 0;
    QTest::newRow("half a day") << p << p + 0.5 << 0 << 0 << 0 << 0;
    QTest::newRow("a week, picker time both ends") << p << p + 7 << 7 << 1 << 0 << 0;
    QTest::newRow("reversed order") << p + 7 << p << 7 << 1 << 0 << 0;
    QTest::newRow("6.99 days") << p << p + 6.99 << 6 << 0 << 0 << 0;
    QTest::newRow("31 Jan to 28 Feb") << day(2011, 1, 31) << day(2011, 2, 28) << 28 << 4 << 0 << 0;
    QTest::newRow("30.4375 days") << 40000.0 << 40030.4375 << 30 << 4 << 1 << 0;
    QTest::newRow("a day short of average month") << 40000.0 << 40030.0 << 30 << 4 << 0 << 0;
    QTest::newRow("budget year") << day(2009, 1, 5) << day(2010, 1, 4) << 364 << 52 << 11 << 0;
    QTest::newRow("365.25 days") << 40000.0 << 40365.25 << 365 << 52 << 12 << 1;
    QTest::newRow("365 days") << 40000.0 << 40365.0 << 365 << 52 << 11 << 0;
  }
  void wholeUnitsBetween() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, days);
    QFETCH(int, weeks);
    QFETCH(int, months);
    QFETCH(int, years);
    QCOMPARE(WholeDaysBetween(a, b), days);
    QCOMPARE(WholeWeeksBetween(a, b), weeks);
    QCOMPARE(WholeMonthsBetween(a, b), months);
    QCOMPARE(WholeYearsBetween(a, b), years);
  }

  void addMonthsClampsAndKeepsTime_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("n");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("31 Jan + 1") << QDate(2011, 1, 31) << 1 << QDate(2011, 2, 28);
    QTest::newRow("31 Jan + 1, leap year") << QDate(2012, 1, 31) << 1 << QDate(2012, 2, 29);
    QTest::newRow("31 Mar - 1") << QDate(2011, 3, 31) << -1 << QDate(2011, 2, 28);
    QTest::newRow("15 Jan - 1") << QDate(2011, 1, 15) << -1 << QDate(2010, 12, 15);
    QTest::newRow("31 Aug + 13") << QDate(2010, 8, 31) << 13 << QDate(2011, 9, 30);
    QTest::newRow("0") << QDate(2011, 1, 31) << 0 << QDate(2011, 1, 31);
  }
  void addMonthsClampsAndKeepsTime() {
    QFETCH(QDate, from);
    QFETCH(int, n);
    QFETCH(QDate, expected);
    const DayNumber result = AddMonths(withDate(kPickerStart, from), n);
    QCOMPARE(dateOf(result), expected);
    QCOMPARE(result, withDate(kPickerStart, expected));
    QCOMPARE(dateOf(AddYears(dayNumber(QDate(2008, 2, 29)), 1)), QDate(2009, 2, 28));
    QCOMPARE(AddDays(40000.25, -3), 39997.25);
    QCOMPARE(AddWeeks(40000.25, 2), 40014.25);
  }

  void addPeriod_data() {
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("years");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("31 Jan + 1 month") << 0 << 1 << 0 << QDate(2011, 1, 31) << QDate(2011, 2, 28);
    QTest::newRow("15 Jan - 1 month") << 0 << -1 << 0 << QDate(2011, 1, 15) << QDate(2010, 12, 15);
    QTest::newRow("12 months from 29 Feb") << 0 << 12 << 0 << QDate(2008, 2, 29) << QDate(2009, 2, 28);
    QTest::newRow("-13 months") << 0 << -13 << 0 << QDate(2011, 3, 15) << QDate(2010, 2, 15);
    QTest::newRow("+14 months into next-but-one year") << 0 << 14 << 0 << QDate(2010, 11, 15) << QDate(2012, 1, 15);
    QTest::newRow("days after clamping") << 3 << 1 << 0 << QDate(2011, 1, 31) << QDate(2011, 3, 3);
    QTest::newRow("years and months") << 0 << 2 << 1 << QDate(2009, 12, 31) << QDate(2011, 2, 28);
  }
  void addPeriod() {
    QFETCH(int, days);
    QFETCH(int, months);
    QFETCH(int, years);
    QFETCH(QDate, from);
    QFETCH(QDate, expected);
    QCOMPARE(AddPeriod(days, months, years, withDate(kPickerStart, from)), withDate(kPickerStart, expected));
  }

  void mondays_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("monday");
    QTest::addColumn<QDate>("next");
    QTest::addColumn<QDate>("budgetStart");  // DefaultBudgetStart when this is today
    QTest::newRow("Monday") << QDate(2009, 1, 5) << true << QDate(2009, 1, 5) << QDate(2009, 1, 5);
    QTest::newRow("Tuesday") << QDate(2009, 1, 6) << false << QDate(2009, 1, 12) << QDate(2009, 1, 5);
    QTest::newRow("Sunday") << QDate(2009, 1, 11) << false << QDate(2009, 1, 12) << QDate(2009, 1, 5);
    QTest::newRow("Wednesday across a year") << QDate(2009, 12, 30) << false << QDate(2010, 1, 4)
                                             << QDate(2009, 12, 28);
  }
  void mondays() {
    QFETCH(QDate, date);
    QFETCH(bool, monday);
    QFETCH(QDate, next);
    QFETCH(QDate, budgetStart);
    const DayNumber d = withDate(kPickerStart, date);
    QCOMPARE(IsMonday(d), monday);
    QCOMPARE(NextMonday(d), withDate(kPickerStart, next));  // time of day kept
    QCOMPARE(DefaultBudgetStart(Clock(date)), dayNumber(budgetStart));  // midnight
  }

  void budgetStartFromOptionsOrToday() {
    Fixture f(QDate(2010, 3, 10));
    QCOMPARE(BudgetStart(f.data()), day(2010, 3, 8));
    f.data().SetStartBudget(day(2009, 1, 5));
    QCOMPARE(BudgetStart(f.data()), day(2009, 1, 5));
    QCOMPARE(BudgetYearEnd(day(2009, 1, 5)), day(2010, 1, 3));
  }

  // Budget year from Monday 5 January 2009; amounts of 100.
  void annualBudgetTotal_data() {
    QTest::addColumn<int>("frequency");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("last");
    QTest::addColumn<double>("expected");
    const double y = day(2009, 1, 5);
    const double full[] = {36500, 5200, 2600, 1800, 1200, 600, 400, 200, 100};
    const double half[] = {18300, 2600, 1300, 900, 600, 300, 200, 100, 100};
    for (int code = 1; code <= 9; ++code) {
      QTest::addRow("full year, %d", code) << code << y << day(2010, 1, 5) << full[code - 1];
      QTest::addRow("from 6 July, %d", code) << code << day(2009, 7, 6) << day(2009, 7, 6) + 364 << half[code - 1];
      QTest::addRow("ends before the year, %d", code) << code << day(2008, 1, 7) << day(2009, 1, 4) << 0.0;
      QTest::addRow("starts at the year's end, %d", code) << code << day(2010, 1, 4) << day(2010, 6, 1) << 0.0;
      QTest::addRow("no dates, %d", code) << code << kNoDate << kNoDate << full[code - 1];
    }
    QTest::newRow("one-off, equal dates") << 9 << day(2009, 3, 2) << day(2009, 3, 2) << 0.0;
    QTest::newRow("one-off, one day") << 9 << day(2009, 3, 2) << day(2009, 3, 3) << 100.0;
    QTest::newRow("monthly, 20 days before the end") << 5 << day(2009, 12, 15) << kNoDate << 100.0;
    QTest::newRow("fortnightly, 14 days") << 3 << day(2009, 3, 2) << day(2009, 3, 16) << 100.0;
    QTest::newRow("fortnightly, 15 days") << 3 << day(2009, 3, 2) << day(2009, 3, 17) << 200.0;
    QTest::newRow("monthly, 31 Jan to 28 Feb") << 5 << day(2009, 1, 31) << day(2009, 2, 28) << 100.0;
    QTest::newRow("weekly, picker times, 14 days") << 2 << day(2009, 3, 2) + kPickerTimeOfDay
                                                   << day(2009, 3, 16) + kPickerTimeOfDay << 200.0;
    QTest::newRow("3 weekly, 21 days") << 4 << day(2009, 3, 2) << day(2009, 3, 23) << 100.0;
    QTest::newRow("3 weekly, 22 days") << 4 << day(2009, 3, 2) << day(2009, 3, 24) << 200.0;
    QTest::newRow("quarterly, start only, before the year") << 7 << day(2008, 6, 2) << kNoDate << 200.0;
    QTest::newRow("no frequency") << 0 << y << kNoDate << 0.0;
    QTest::newRow("frequency -1") << -1 << y << kNoDate << 0.0;
    QTest::newRow("frequency 10") << 10 << y << kNoDate << 0.0;
  }
  void annualBudgetTotal() {
    QFETCH(int, frequency);
    QFETCH(double, start);
    QFETCH(double, last);
    QFETCH(double, expected);
    ItemBudget b;
    b.frequency = frequency;
    b.amount = 100;
    b.start = maybe(start);
    b.last = maybe(last);
    QCOMPARE(AnnualBudgetTotal(b, day(2009, 1, 5)), expected);
  }

  void recalcStoresEveryTotal() {
    Fixture f;
    const DayNumber y = day(2009, 1, 5);
    auto item = [&](const QString& name, std::optional<int> frequency, std::optional<double> amount) -> int {
      ItemRecord r = *LoadItem(f.data(), f.addItem(name, 3));
      r.budgetFrequency = frequency;
      r.budgetAmount = amount;
      r.budgetTotal = 999;
      return SaveItem(f.data(), r) == SaveResult::Saved ? r.itemID : 0;
    };
    const int weekly = item(QStringLiteral("Groceries"), 2, 50.0);
    const int none = item(QStringLiteral("Rent"), std::nullopt, 700.0);
    const int noAmount = item(QStringLiteral("Water"), 5, std::nullopt);
    RecalcBudgetTotals(f.data(), y);
    QCOMPARE(LoadItem(f.data(), weekly)->budgetTotal, std::optional<double>(2600));
    QCOMPARE(LoadItem(f.data(), none)->budgetTotal, std::optional<double>(0));
    QCOMPARE(LoadItem(f.data(), noAmount)->budgetTotal, std::optional<double>(0));
    QVERIFY(!f.db().inTransaction());
    QVERIFY(f.prompter().records().empty());
  }

  void recalcStopsAtARefusedItem() {
    // "Bills" and "Phone" share a category named "Bills": saving "Phone" would give
    // it a second item of that name, which is refused. Items after it in name order
    // keep their old totals.
    Fixture f;
    const int cat = f.addCategory(QStringLiteral("Bills"), 3);
    const int bills = f.addItem(QStringLiteral("Bills"), 3, cat);
    const int phone = f.addItem(QStringLiteral("Phone"), 3, cat);
    const int water = f.addItem(QStringLiteral("Water"), 3);
    f.db().exec(QStringLiteral("UPDATE items SET budgetFrequency = 9, budgetAmount = 10, budgetTotal = 5"));
    RecalcBudgetTotals(f.data(), day(2009, 1, 5));
    QCOMPARE(f.prompter().texts(), QStringList{QStringLiteral("Item already exists, please select another one.")});
    QCOMPARE(f.prompter().records().front().kind, MessageKind::Error);
    QCOMPARE(LoadItem(f.data(), bills)->budgetTotal, std::optional<double>(10));
    QCOMPARE(LoadItem(f.data(), phone)->budgetTotal, std::optional<double>(5));
    QCOMPARE(LoadItem(f.data(), phone)->name, QStringLiteral("Phone"));
    QCOMPARE(LoadItem(f.data(), water)->budgetTotal, std::optional<double>(5));
    QVERIFY(!f.db().inTransaction());
  }
};

QTEST_GUILESS_MAIN(TestBudget)
#include "test_budget.moc"
