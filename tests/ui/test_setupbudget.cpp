// The budget page driven as a user would: cells chosen with the mouse and Tab,
// entries typed into the real editors, and what the items then hold.
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QtTest>

#include "app/tfrmmain.h"
#include "fixture.h"
#include "report/printtarget.h"
#include "setup/budgetgrid.h"
#include "setup/budgetgridmodel.h"
#include "setup/tfrasetupbudget.h"

using namespace pk;

namespace {

DayNumber day(int y, int m, int d) { return dayNumber(QDate(y, m, d)); }

constexpr int Freq = 3, Start = 4, Last = 5, Annual = 8;

}  // namespace

class TestSetupBudget : public QObject {
  Q_OBJECT

  std::unique_ptr<test::Fixture> f;
  std::unique_ptr<AppContext> ctx;
  std::unique_ptr<TfraSetupBudget> page;

  // Today is Wednesday 10 March 2010; the budget year starts on Monday 8 March.
  void openPage() {
    ctx.reset(new AppContext{f->data(), f->clock(), f->prompter(), f->folder(), nullptr});
    page = std::make_unique<TfraSetupBudget>(*ctx);
    page->resize(944, 615);
    page->InitPage();
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
  }
  void budget(int itemID, int frequency, double amount, double start, double last) {
    f->db().prepare(QStringLiteral(
                        "UPDATE items SET budgetFrequency = :f, budgetAmount = :a, budgetStartDate = :s, "
                        "budgetLastDate = :l WHERE itemID = :id"))
        .bind(":f", frequency).bind(":a", amount).bind(":s", start).bind(":l", last).bind(":id", itemID)
        .execute();
  }
  QVariant stored(int itemID, const char* column) {
    Stmt q = f->db().prepare(QStringLiteral("SELECT * FROM items WHERE itemID = :id"));
    q.bind(":id", itemID);
    return q.next() ? q.value(column) : QVariant();
  }
  static QModelIndex cell(BudgetGrid* grid, int row, int column) { return grid->model()->index(row, column); }
  static void click(BudgetGrid* grid, int row, int column) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell(grid, row, column)).center());
  }
  template <typename Editor>
  static Editor* editorOf(BudgetGrid* grid) {
    // Closed editors linger hidden until the event loop deletes them.
    for (Editor* e : grid->viewport()->findChildren<Editor*>(QString(), Qt::FindDirectChildrenOnly))
      if (e->isVisible()) return e;
    return nullptr;
  }
  // Enter hands in an entry through the event loop.
  static void key(Qt::Key k) {
    QTest::keyClick(QApplication::focusWidget(), k);
    QCoreApplication::processEvents();
  }
  // Types into whatever has the focus, one key at a time, as a user would.
  static void type(const QString& text) {
    for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
  }

 private slots:
  void init() {
    f = std::make_unique<test::Fixture>();
    f->data().SetStartBudget(day(2010, 3, 8));
  }
  void cleanup() {
    test::useTestLocale();
    page.reset();
    ctx.reset();
    f.reset();
  }

  void withoutStoredStartEveryRowIsSavedOnce() {
    f->db().exec(QStringLiteral("UPDATE options SET startBudget = NULL"));
    f->addItem(QStringLiteral("Wages"), 2);
    f->addItem(QStringLiteral("Unallocated Split Income"), 2,
               f->addCategory(QStringLiteral("Unallocated Split Income"), 2, true));
    const int rent = f->addItem(QStringLiteral("Rent"), 3);
    budget(rent, 5, 500, day(2010, 3, 8), day(2011, 3, 8));
    openPage();
    QCOMPARE(*f->data().StartBudget(), day(2010, 3, 8));
    QCOMPARE(page->edBalanceDate->date(), QDate(2010, 3, 8));
    QVERIFY(page->edBalanceDate->isHidden());
    QCOMPARE(page->grdIncome->model()->rowCount(), 2);
    QCOMPARE(f->db().scalar(QStringLiteral(
                 "SELECT count(*) FROM items WHERE type = 2 AND budgetFrequency = -1 AND budgetStartDate = 40245")),
             qint64(2));
    QCOMPARE(stored(rent, "budgetTotal").toDouble(), 6000.0);
    QCOMPARE(page->lbSubTotal2->text(), QStringLiteral("$6,000.00"));
    QCOMPARE(page->lbGrandTotal->text(), QStringLiteral("($6,000.00)"));

    // The next visit leaves the system item out and writes nothing.
    f->db().exec(QStringLiteral("UPDATE items SET budgetFrequency = NULL WHERE type = 2"));
    openPage();
    QCOMPARE(page->grdIncome->model()->rowCount(), 1);
    QCOMPARE(f->db().scalar(QStringLiteral("SELECT count(*) FROM items WHERE budgetFrequency IS NULL")), qint64(2));
    QVERIFY(f->prompter().texts().isEmpty());
  }

  void cellsThatCannotBeChosen() {
    f->addItem(QStringLiteral("Salary"), 2);
    openPage();
    BudgetGrid* grid = page->grdIncome;
    click(grid, 0, Freq);
    QCOMPARE(grid->currentIndex(), cell(grid, 0, Freq));
    for (int col : {Start, Last}) {
      f->prompter().clear();
      click(grid, 0, col);
      QCOMPARE(f->prompter().texts(), QStringList{QStringLiteral("Please select a frequency first")});
      QCOMPARE(grid->currentIndex(), cell(grid, 0, Freq));
    }
    f->prompter().clear();
    for (int col : {1, 2, 7, Annual}) click(grid, 0, col);
    QVERIFY(f->prompter().texts().isEmpty());
    QCOMPARE(grid->currentIndex(), cell(grid, 0, Freq));
  }

  void frequencyThenAmountAsTyped() {
    const int gas = f->addItem(QStringLiteral("Gas"), 3);
    openPage();
    BudgetGrid* grid = page->grdOutgoings;
    click(grid, 0, Freq);
    auto* combo = editorOf<QComboBox>(grid);
    QVERIFY(combo);
    QCOMPARE(combo->count(), 9);
    QCOMPARE(combo->itemText(8), QStringLiteral("Annually - One off"));
    combo->setCurrentIndex(4);
    emit combo->activated(4);
    QCOMPARE(stored(gas, "budgetFrequency").toInt(), 5);
    QCOMPARE(stored(gas, "budgetStartDate").toDouble(), day(2010, 3, 8));
    QCOMPARE(stored(gas, "budgetLastDate").toDouble(), day(2011, 3, 8));

    // Tab walks start date, last date, amount; typing there replaces the cell.
    key(Qt::Key_Tab);
    QCOMPARE(grid->currentIndex(), cell(grid, 0, Start));
    QVERIFY(editorOf<QDateEdit>(grid));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(grid->currentIndex(), cell(grid, 0, 7));
    auto* amount = editorOf<QLineEdit>(grid);
    QVERIFY(amount);
    type(QStringLiteral("75.5"));
    key(Qt::Key_Tab);
    QCOMPARE(stored(gas, "budgetAmount").toDouble(), 75.5);
    QCOMPARE(stored(gas, "budgetTotal").toDouble(), 906.0);
    QCOMPARE(cell(grid, 0, Annual).data().toString(), QStringLiteral("$906.00"));
    QCOMPARE(page->lbSubTotal2->text(), QStringLiteral("$906.00"));

    // Letters read as 0.
    click(grid, 0, 7);
    type(QStringLiteral("abc"));
    key(Qt::Key_Return);
    QCOMPARE(stored(gas, "budgetAmount").toDouble(), 0.0);
    QCOMPARE(stored(gas, "budgetTotal").toDouble(), 0.0);
    QCOMPARE(cell(grid, 0, 7).data().toString(), QStringLiteral("$0.00"));
    QCOMPARE(cell(grid, 0, 7).data(Qt::BackgroundRole).value<QColor>(), kBudgetEmptyCell);
    QVERIFY(f->prompter().texts().isEmpty());
  }

  void amountWithoutFrequencyStoresNone() {
    const int gift = f->addItem(QStringLiteral("Gifts"), 2);
    openPage();
    BudgetGrid* grid = page->grdIncome;
    click(grid, 0, 6);
    type(QStringLiteral("250"));
    key(Qt::Key_Tab);
    QCOMPARE(stored(gift, "budgetFrequency").toInt(), -1);
    QCOMPARE(stored(gift, "budgetAmount").toDouble(), 250.0);
    QCOMPARE(stored(gift, "budgetTotal").toDouble(), 0.0);
    QCOMPARE(cell(grid, 0, Freq).data(Qt::BackgroundRole).value<QColor>(), kBudgetEmptyCell);
    QCOMPARE(cell(grid, 0, 6).data(Qt::BackgroundRole).value<QColor>(), kBudgetFilledCell);
  }

  void datesEnteredInTheirEditors() {
    const int rent = f->addItem(QStringLiteral("Rent"), 3);
    budget(rent, 5, 100, day(2010, 3, 8), day(2010, 12, 31));
    openPage();
    BudgetGrid* grid = page->grdOutgoings;

    // A last date before the start is refused and the cell keeps its date.
    click(grid, 0, Last);
    editorOf<QDateEdit>(grid)->setDate(QDate(2010, 3, 1));
    key(Qt::Key_Tab);
    QCOMPARE(f->prompter().texts(), QStringList{QStringLiteral("Last date must bigger than start date.")});
    QCOMPARE(stored(rent, "budgetLastDate").toDouble(), day(2010, 12, 31));
    QCOMPARE(cell(grid, 0, Last).data().toString(), QStringLiteral("12/31/2010"));

    // Passing through a start date changes nothing; a new one moves the last date.
    click(grid, 0, Start);
    key(Qt::Key_Tab);
    QCOMPARE(stored(rent, "budgetLastDate").toDouble(), day(2010, 12, 31));
    click(grid, 0, Start);
    editorOf<QDateEdit>(grid)->setDate(QDate(2010, 9, 6));
    key(Qt::Key_Tab);
    QCOMPARE(stored(rent, "budgetStartDate").toDouble(), day(2010, 9, 6));
    QCOMPARE(stored(rent, "budgetLastDate").toDouble(), day(2011, 9, 5));
    QCOMPARE(stored(rent, "budgetTotal").toDouble(), 600.0);
    QCOMPARE(cell(grid, 0, Last).data().toString(), QStringLiteral("9/5/2011"));
  }

  void tabAndEnterMoveAsEachGridWants() {
    const int a = f->addItem(QStringLiteral("Bonus"), 2);
    f->addItem(QStringLiteral("Pension"), 2);
    budget(a, 2, 10, day(2010, 3, 8), day(2011, 3, 8));
    const int out = f->addItem(QStringLiteral("Water"), 3);
    budget(out, 2, 10, day(2010, 3, 8), day(2011, 3, 8));
    openPage();
    BudgetGrid* grid = page->grdIncome;
    click(grid, 0, 6);
    // Tab goes on to the next row, passing over the dates of a row without a frequency.
    const int path[][2] = {{1, Freq}, {1, 6}};
    for (const auto& p : path) {
      key(Qt::Key_Tab);
      QCOMPARE(grid->currentIndex(), cell(grid, p[0], p[1]));
    }
    key(Qt::Key_Backtab);
    key(Qt::Key_Backtab);
    QCOMPARE(grid->currentIndex(), cell(grid, 0, 6));
    // Enter moves on in the income grid ...
    key(Qt::Key_Return);
    QCOMPARE(grid->currentIndex(), cell(grid, 1, Freq));
    // Tab past the last cell goes on into the outgoing grid.
    BudgetGrid* outGrid = page->grdOutgoings;
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(outGrid->currentIndex(), cell(outGrid, 0, Freq));
    QVERIFY(editorOf<QComboBox>(outGrid));
    QCOMPARE(QApplication::focusWidget(), editorOf<QComboBox>(outGrid));
    // Enter stays in the outgoing grid, where typing opens the editor again.
    click(outGrid, 0, 7);
    key(Qt::Key_Return);
    QCOMPARE(outGrid->currentIndex(), cell(outGrid, 0, 7));
    type(QStringLiteral("42"));
    key(Qt::Key_Return);
    QCOMPARE(stored(out, "budgetAmount").toDouble(), 42.0);
  }

  void amountEditorInACommaLocale() {
    const int rates = f->addItem(QStringLiteral("Rates"), 3);
    budget(rates, 5, 1234.5, day(2010, 3, 8), day(2011, 3, 8));
    f->db().exec(QStringLiteral("UPDATE items SET budgetTotal = 99"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    openPage();
    BudgetGrid* grid = page->grdOutgoings;
    QCOMPARE(cell(grid, 0, Start).data().toString(), QStringLiteral("08.03.2010"));
    // What the editor shows reads back as the same amount: passing through stores nothing.
    click(grid, 0, 7);
    QCOMPARE(editorOf<QLineEdit>(grid)->text(), QStringLiteral("1234,50"));
    key(Qt::Key_Tab);
    QCOMPARE(stored(rates, "budgetTotal").toDouble(), 99.0);
    click(grid, 0, 7);
    type(QStringLiteral("12,5"));
    key(Qt::Key_Tab);
    test::useTestLocale();
    QCOMPARE(stored(rates, "budgetAmount").toDouble(), 12.5);
    QCOMPARE(stored(rates, "budgetTotal").toDouble(), 150.0);
  }

  void printAndUpdateAccountsButtons() {
    f->addItem(QStringLiteral("Salary"), 2);
    f->data().CloseDatabase();
    TfrmMain main(f->clock(), f->prompter(), f->folder());
    report::RecordingPrintTarget printer;
    main.context().printTarget = &printer;
    main.ShowPage(5);
    auto* budgetPage = qobject_cast<TfraSetupBudget*>(main.currentPage());
    QVERIFY(budgetPage);
    QVERIFY(budgetPage->btnPrint->isVisibleTo(budgetPage));
    QVERIFY(!budgetPage->btnTrash->isVisibleTo(budgetPage));
    QVERIFY(!budgetPage->btnInfo->isVisibleTo(budgetPage));
    budgetPage->btnPrint->click();
    QCOMPARE(printer.printed.size(), size_t(1));
    QCOMPARE(budgetPage->JvImage1->toolTip(), QStringLiteral("Update accounts"));
    budgetPage->JvImage1->click();
    QCOMPARE(main.CurrentPage, 6);
  }
};

QTEST_MAIN(TestSetupBudget)
#include "test_setupbudget.moc"
