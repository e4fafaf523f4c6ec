// The view hub and the frame of the view pages, and the annual budget in its three
// places: page 9's preview and Print, the print host, and the PDF export.
#include <QProcess>
#include <QtTest>

#include "app/tfrmmain.h"
#include "fixture.h"
#include "pdftext.h"
#include "report/preview.h"
#include "report/printtarget.h"
#include "views/annualbudgetprint.h"
#include "views/annualbudgetreport.h"
#include "views/reportformat.h"
#include "views/tfraview.h"
#include "views/tfraviewbudgetannual.h"
#include "views/viewstrip.h"

using namespace pk;

namespace {

constexpr DayNumber kStart = 40182;  // Monday 4 January 2010

void addBudget(test::Fixture& f, const QString& name, int type, const QVariant& frequency, double amount,
               double total) {
  const int id = f.addItem(name, type);
  f.db().prepare(QStringLiteral("UPDATE items SET budgetFrequency = :f, budgetAmount = :a, budgetStartDate = :s, "
                                "budgetLastDate = :l, budgetTotal = :t WHERE itemID = :id"))
      .bind(":f", frequency).bind(":a", amount).bind(":s", kStart).bind(":l", kStart + 364)
      .bind(":t", total).bind(":id", id).execute();
}

// Income 1,200 + 600, outgoing 500; the unbudgeted split item is left out.
void fillBudget(test::Fixture& f) {
  f.data().SetStartBudget(kStart);
  addBudget(f, QStringLiteral("Wages"), 2, 5, 100, 1200);
  addBudget(f, QStringLiteral("Bonus"), 2, 8, 300, 600);
  addBudget(f, QStringLiteral("Rent"), 3, 9, 500, 500);
  f.addItem(QStringLiteral("Unallocated Split Outgoing"), 3);
}

QString allText(const report::Document& doc) {
  QStringList texts;
  for (int i = 0; i < doc.pageCount(); ++i) texts << doc.pageTexts(i);
  return texts.join(QLatin1Char('|'));
}

// What the report must show for fillBudget, in this order.
const QStringList kExpected = {
    QStringLiteral("Budget - Annual report"),
    QStringLiteral("For 52 weeks, starting Monday 1/4/2010 :: Today's date 3/10/2010"),
    QStringLiteral("Income"), QStringLiteral("Bonus"), QStringLiteral("Wages"), QStringLiteral("SubTotal :"),
    QStringLiteral("$1,800.00"), QStringLiteral("Outgoing"), QStringLiteral("Rent"), QStringLiteral("($500.00)"),
    QStringLiteral("SubTotal :"), QStringLiteral("($500.00)"), QStringLiteral("Grand Total :"),
    QStringLiteral("$1,300.00"), QStringLiteral("1 of 1 :: 3/10/2010 :: https://pursekeep.example :: Pursekeep")};

void verifyInOrder(const QString& text, const QStringList& expected) {
  qsizetype at = 0;
  for (const QString& e : expected) {
    const qsizetype found = text.indexOf(e, at);
    QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing after %1: %2\n%3").arg(at).arg(e, text)));
    at = found + e.size();
  }
}

}  // namespace

class TestViewPages : public QObject {
  Q_OBJECT

  std::unique_ptr<test::Fixture> f;
  std::unique_ptr<TfrmMain> main;
  report::RecordingPrintTarget printer;

  void openMain() {
    main = std::make_unique<TfrmMain>(f->clock(), f->prompter(), f->folder());
    main->context().printTarget = &printer;
    main->show();
  }
  template <class Page>
  Page* show(int n) {
    main->ShowPage(n);
    auto* p = qobject_cast<Page*>(main->currentPage());
    if (!p) qFatal("page %d is not of the expected class", n);
    return p;
  }

 private slots:
  void init() {
    f = std::make_unique<test::Fixture>();
    printer = report::RecordingPrintTarget();
  }
  void cleanup() {
    main.reset();
    f.reset();
  }

  void hubTilesLeadToTheirPages_data() {
    QTest::addColumn<int>("tile");
    QTest::addColumn<int>("page");
    QTest::newRow("Annual budget") << 0 << 9;
    QTest::newRow("Year to date table") << 1 << 13;
    QTest::newRow("Year to date graphs") << 2 << 14;
    QTest::newRow("Charts") << 3 << 12;
    QTest::newRow("Forecast year end") << 4 << 10;
  }
  void hubTilesLeadToTheirPages() {
    QFETCH(int, tile);
    QFETCH(int, page);
    openMain();
    auto* hub = show<TfraView>(8);
    QCOMPARE(hub->lbTitle->text(), QStringLiteral("View"));
    const ImageButton* tiles[] = {hub->btnSetup, hub->btnViewYear1, hub->btnViewYear2, hub->btnPieChart1,
                                  hub->btnForecast};
    QVERIFY(tiles[tile]->isVisible());
    QTest::mouseClick(const_cast<ImageButton*>(tiles[tile]), Qt::LeftButton);
    QCOMPARE(main->CurrentPage, page);
    // Every view page's back picture returns to the hub.
    auto* strip = main->currentPage()->findChild<ViewStrip*>();
    QVERIFY(strip);
    QTest::mouseClick(strip->imgBack, Qt::LeftButton);
    QCOMPARE(main->CurrentPage, 8);
  }

  void hubOffersNoIncomeChartAndLeadsHome() {
    openMain();
    auto* hub = show<TfraView>(8);
    QVERIFY(!hub->btnPieChart2->isVisible());
    QVERIFY(!hub->lbPieChart2->isVisible());
    QVERIFY(!hub->btnBudget->isVisible());
    QVERIFY(!hub->btnInfo->isVisible() && !hub->btnTrash->isVisible());
    QVERIFY(hub->btnSmallView->isHighlighted());
    QTest::mouseClick(hub->Panel3->imgBack, Qt::LeftButton);
    QCOMPARE(main->CurrentPage, 0);
  }

  void viewPagesShowPrintExceptPage11_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("print");
    for (int n = 9; n <= 14; ++n) QTest::addRow("page %d", n) << n << (n != 11);
  }
  void viewPagesShowPrintExceptPage11() {
    QFETCH(int, page);
    QFETCH(bool, print);
    openMain();
    main->ShowPage(page);
    TfraBasFrame* p = main->currentPage();
    QCOMPARE(p->btnPrint->isVisible(), print);
    QCOMPARE(p->btnInfo->isVisible(), !print);
    QCOMPARE(p->btnSmallView->isHighlighted(), print);
    QVERIFY(p->findChild<report::ReportPreview*>());
  }

  void annualPageShowsAndPrintsTheSameReport() {
    fillBudget(*f);
    openMain();
    auto* page = show<TfraViewBudgetAnnual>(9);
    QCOMPARE(page->lbTitle->text(), QStringLiteral("Budget Annual"));
    // The unbudgeted split item has no frequency.
    QCOMPARE(f->prompter().texts(), QStringList{QStringLiteral("Please fill all your budget.")});
    const report::Document& shown = page->frxPreview1->document();
    verifyInOrder(allText(shown), kExpected);
    QVERIFY(!allText(shown).contains(QStringLiteral("Unallocated")));
    // An income row shows its amount under Income and zero under Outgoing; an outgoing row the reverse.
    QCOMPARE(shown.findCell(0, QStringLiteral("mIncome"))->text, QStringLiteral("$300.00"));
    QCOMPARE(shown.findCell(0, QStringLiteral("mOutgoing"))->text, QStringLiteral("$0.00"));

    // The page takes the focus into its preview.
    QTRY_VERIFY(page->frxPreview1->hasFocus() || page->frxPreview1->focusProxy()->hasFocus());
    // A wheel turn over the page, outside the preview, scrolls the preview.
    const int top = page->frxPreview1->scrollPosition();
    QWheelEvent wheel(QPointF(300, 40), page->Panel3->mapToGlobal(QPointF(300, 40)), QPoint(), QPoint(0, -240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(page, &wheel);
    QVERIFY(page->frxPreview1->scrollPosition() > top);

    QTest::mouseClick(page->btnPrint, Qt::LeftButton);
    QCOMPARE(printer.printed.size(), size_t(1));
    QCOMPARE(allText(printer.printed[0]), allText(shown));
    QCOMPARE(f->prompter().texts().size(), 1);  // printing asks nothing more
  }

  void printHostPrintsAtOnceInItsOwnOrder() {
    fillBudget(*f);
    // Frequency -1, as the budget grid stores an empty cell: only page 9 complains.
    f->db().exec(QStringLiteral("UPDATE items SET budgetFrequency = -1 WHERE name = 'Unallocated Split Outgoing'"));
    openMain();
    ShowAnnualBudgetPrint(main->context());
    QCOMPARE(printer.printed.size(), size_t(1));
    QVERIFY(f->prompter().texts().isEmpty());
    QStringList expected = kExpected;
    expected.swapItemsAt(3, 4);  // the print host lists items in the order they were made
    verifyInOrder(allText(printer.printed[0]), expected);
    // Every press prints again.
    ShowAnnualBudgetPrint(main->context());
    QCOMPARE(printer.printed.size(), size_t(2));

    show<TfraViewBudgetAnnual>(9);
    QCOMPARE(f->prompter().texts(), QStringList{QStringLiteral("Please fill all your budget.")});
  }

  void groupsAreNamedByTypeNotByPosition() {
    // With no income items the outgoing group is still "Outgoing", in parentheses,
    // and the grand total is negative.
    AnnualBudget b;
    b.start = kStart;
    b.today = kStart + 65;
    AnnualBudgetRow rent;
    rent.name = QStringLiteral("Rent");
    rent.type = 3;
    rent.amount = 500;
    rent.budgetTotal = 6000;
    b.outgoing = {rent};
    b.outgoingSubtotal = 6000;
    b.grandTotal = -6000;
    const report::Document doc = report::Document::prepare(BuildAnnualBudgetReport(b));
    QCOMPARE(doc.findCell(0, QStringLiteral("Memo3"))->text, QStringLiteral("Outgoing"));
    QCOMPARE(doc.findCell(0, QStringLiteral("mBalance"))->text, QStringLiteral("($6,000.00)"));
    QCOMPARE(doc.findCell(0, QStringLiteral("mSum"))->text, QStringLiteral("($6,000.00)"));
    QCOMPARE(doc.findCell(0, QStringLiteral("mGrand"))->text, QStringLiteral("($6,000.00)"));
    // Zero is written in the locale's currency format.
    QCOMPARE(doc.findCell(0, QStringLiteral("mIncome"))->text, ReportMoney(0, QLocale()));
    QCOMPARE(ReportMoney(0, QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("0,00\u00a0\u20ac"));
  }

  void exportWritesThePdf() {
    if (!test::havePdfToText()) QSKIP("pdftotext is not installed");
    fillBudget(*f);
    const QString bin = qEnvironmentVariable("PURSEKEEP_BIN");
    if (bin.isEmpty()) QSKIP("PURSEKEEP_BIN is not set");
    auto run = [&](const QStringList& args, QString* err = nullptr) {
      QProcess p;
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert(QStringLiteral("PURSEKEEP_TODAY"), QStringLiteral("2010-03-10"));
      env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
      env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
      p.setProcessEnvironment(env);
      p.start(bin, QStringList{QStringLiteral("--home"), f->dir(), QStringLiteral("export")} + args);
      p.waitForFinished(60000);
      if (err) *err = QString::fromUtf8(p.readAllStandardError());
      return p.exitCode();
    };
    const QString pdf = f->dir() + QStringLiteral("/budget.pdf");
    QString err;
    QCOMPARE(run({QStringLiteral("annual-budget"), pdf}, &err), 0);
    QVERIFY(err.contains(QStringLiteral("Please fill all your budget.")));
    const QStringList pages = test::pdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QStringList expected = kExpected;
    expected.removeLast();  // pdftotext spaces the footer's words out
    verifyInOrder(test::squeezed(pages[0]), expected);
    QVERIFY(test::squeezed(pages[0]).contains(QStringLiteral("1 of 1 :: 3/10/2010 :: https://pursekeep.example")));

    QVERIFY(run({QStringLiteral("annual-budget"), f->dir() + QStringLiteral("/no/such/folder/x.pdf")}, &err) != 0);
    QVERIFY(!err.trimmed().isEmpty());
    QCOMPARE(run({QStringLiteral("annual-budget")}), 2);
    QCOMPARE(run({QStringLiteral("forecast"), pdf}), 2);
  }
};

QTEST_MAIN(TestViewPages)
#include "test_viewpages.moc"
