// The setup hub: the start date always lands on a Monday, is stored with
// selectdate, and every change recomputes the items' budget totals.
#include <QApplication>
#include <QtTest>

#include "app/art.h"
#include "app/tfrmmain.h"
#include "backup/tfrmpasswordsetting.h"
#include "core/budget/budgettotals.h"
#include "fixture.h"
#include "setup/tfrasetup.h"

using namespace pk;
using pk::test::Fixture;

namespace {

struct Hub {
  explicit Hub(Fixture& f) : ctx{f.data(), f.clock(), f.prompter(), f.folder(), nullptr}, page(ctx) {}
  AppContext ctx;
  TfraSetup page;
};

DayNumber day(int y, int m, int d) { return dayNumber(QDate(y, m, d)); }

double storedTotal(Fixture& f, int item) {
  Stmt s = f.db().prepare(QStringLiteral("SELECT budgetTotal FROM items WHERE itemID = :i"));
  s.bind(":i", item);
  return s.next() ? s.real(0) : -1;
}

int budgetedItem(Fixture& f, const QString& name, const ItemBudget& b) {
  const int item = f.addItem(name, 3);
  f.db().prepare(QStringLiteral("UPDATE items SET budgetFrequency = :f, budgetAmount = :a, budgetStartDate = :s, "
                                "budgetLastDate = :l WHERE itemID = :i"))
      .bind(":f", b.frequency).bind(":a", b.amount).bind(":s", *b.start).bind(":l", *b.last).bind(":i", item)
      .execute();
  return item;
}

bool samePicture(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

}  // namespace

class TestSetupHub : public QObject {
  Q_OBJECT
 private slots:
  void firstShowingTakesThisWeeksMonday() {
    Fixture f(QDate(2010, 3, 10));  // a Wednesday
    QVERIFY(!f.data().IsStartDateSelected());
    Hub h(f);
    QVERIFY(h.page.lblStartDate->font().bold());
    h.page.InitPage();
    QCOMPARE(h.page.lbTitle->text(), QStringLiteral("Setup"));
    QCOMPARE(h.page.edBalanceDate->date(), QDate(2010, 3, 8));
    QCOMPARE(f.data().StartBudget(), std::optional<DayNumber>(day(2010, 3, 8)));
    QVERIFY(f.data().IsStartDateSelected());
    QVERIFY(!h.page.lblStartDate->font().bold());
    QVERIFY(!h.page.Timer2->isActive());
  }

  void laterShowingKeepsTheChosenDate() {
    Fixture f(QDate(2010, 3, 10));
    f.data().SetStartBudget(day(2009, 11, 2));
    f.data().MarkStartDateSelected();
    Hub h(f);
    h.page.InitPage();
    QCOMPARE(h.page.edBalanceDate->date(), QDate(2009, 11, 2));
    QCOMPARE(f.data().StartBudget(), std::optional<DayNumber>(day(2009, 11, 2)));
    QVERIFY(!h.page.lblStartDate->font().bold());
  }

  void pickedDaySnapsToAMonday_data() {
    QTest::addColumn<QDate>("picked");
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<bool>("resnap");
    QTest::newRow("Saturday") << QDate(2010, 3, 13) << QDate(2010, 3, 15) << true;
    QTest::newRow("Sunday") << QDate(2010, 3, 14) << QDate(2010, 3, 15) << true;
    QTest::newRow("Tuesday across a year") << QDate(2009, 12, 29) << QDate(2010, 1, 4) << true;
    QTest::newRow("Monday") << QDate(2010, 3, 22) << QDate(2010, 3, 22) << false;
  }
  void pickedDaySnapsToAMonday() {
    QFETCH(QDate, picked);
    QFETCH(QDate, stored);
    QFETCH(bool, resnap);
    Fixture f(QDate(2010, 3, 10));
    Hub h(f);
    h.page.InitPage();
    h.page.edBalanceDate->setDate(picked);  // as the user picks it
    QCOMPARE(h.page.edBalanceDate->date(), stored);
    QCOMPARE(f.data().StartBudget(), std::optional<DayNumber>(dayNumber(stored)));
    QCOMPARE(h.page.Timer2->isActive(), resnap);
    if (resnap) {
      QTRY_VERIFY(!h.page.Timer2->isActive());
      QCOMPARE(h.page.edBalanceDate->date(), stored);
    }
  }

  void everyChangeRecomputesTheTotals() {
    Fixture f(QDate(2010, 3, 10));
    const ItemBudget weekly{2, 10, day(2010, 3, 8), day(2010, 9, 27)};
    const ItemBudget past{5, 100, day(2008, 1, 7), day(2008, 6, 30)};
    const int a = budgetedItem(f, QStringLiteral("Food"), weekly);
    const int b = budgetedItem(f, QStringLiteral("Rent"), past);
    f.db().exec(QStringLiteral("UPDATE items SET budgetTotal = -1"));

    Hub h(f);
    h.page.InitPage();  // every showing recomputes
    QCOMPARE(storedTotal(f, a), AnnualBudgetTotal(weekly, day(2010, 3, 8)));
    QVERIFY(storedTotal(f, a) > 0);
    QCOMPARE(storedTotal(f, b), 0.0);  // wholly outside the budget year

    h.page.edBalanceDate->setDate(QDate(2010, 6, 5));  // a Saturday: the year starts 7 June
    QCOMPARE(storedTotal(f, a), AnnualBudgetTotal(weekly, day(2010, 6, 7)));
    QVERIFY(storedTotal(f, a) < AnnualBudgetTotal(weekly, day(2010, 3, 8)));
  }

  void budgetTileNeedsAChosenDate() {
    Fixture f(QDate(2010, 3, 10));
    TfrmMain main(f.clock(), f.prompter(), f.folder());
    main.ShowPage(1);
    auto* hub = qobject_cast<TfraSetup*>(main.currentPage());
    QVERIFY(hub);
    f.db().exec(QStringLiteral("UPDATE options SET selectdate = 0"));
    hub->btnBudget->click();
    QCOMPARE(f.prompter().texts(), QStringList{QStringLiteral("Please Select Start Date First")});
    QCOMPARE(main.CurrentPage, 1);
    f.data().MarkStartDateSelected();
    hub->btnBudget->click();
    QCOMPARE(main.CurrentPage, 5);
  }

  void tilesLeadToTheSetupPages() {
    Fixture f(QDate(2010, 3, 10));
    TfrmMain main(f.clock(), f.prompter(), f.folder());
    for (int n : {2, 3, 4}) {
      main.ShowPage(1);
      auto* hub = qobject_cast<TfraSetup*>(main.currentPage());
      QVERIFY(hub);
      ImageButton* tiles[] = {hub->btnAccounts, hub->btnIncome, hub->btnOutgoing};
      tiles[n - 2]->click();
      QCOMPARE(main.CurrentPage, n);
    }
    main.ShowPage(1);
    qobject_cast<TfraSetup*>(main.currentPage())->Image5->click();
    QCOMPARE(main.CurrentPage, 0);
  }

  // The lock button opens the password setting and then shows the stored state.
  void lockPictureFollowsThePassword() {
    if (samePicture(toolbarImage(2), toolbarImage(26))) QSKIP("the toolbar pictures are not in place");
    Fixture f(QDate(2010, 3, 10));
    TfrmMain main(f.clock(), f.prompter(), f.folder());
    main.ShowPage(1);
    auto* hub = qobject_cast<TfraSetup*>(main.currentPage());
    QVERIFY(hub);
    QVERIFY(!hub->btnUnlock->isHidden());
    QVERIFY(samePicture(hub->btnUnlock->shownPicture(), toolbarImage(2)));

    for (bool on : {true, false}) {
      bool driven = false;
      QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<TfrmPasswordSetting*>(QApplication::activeModalWidget());
        if (!dialog) return;
        driven = true;
        dialog->Label2Click();
        dialog->edtPassword->setText(QStringLiteral("pw"));
        dialog->edtConfirm->setText(QStringLiteral("pw"));
        dialog->BitBtn1->click();
      });
      hub->btnUnlock->click();
      QVERIFY(driven);
      QCOMPARE(f.data().UsesPassword(), on);
      QVERIFY(samePicture(hub->btnUnlock->shownPicture(), toolbarImage(on ? 26 : 2)));
    }
  }
};

QTEST_MAIN(TestSetupHub)
#include "test_setuphub.moc"
