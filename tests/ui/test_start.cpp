// The start page: the setup reminder and where the tiles lead.
#include <QtTest>

#include "app/tfrastart.h"
#include "app/tfrmmain.h"
#include "core/setupstate.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {

const QString kMissing = QStringLiteral("You have to setup at least one account, income and outgoing item.");
const QString kBudget = QStringLiteral("Budget Annual Setup is not complete.");

// An item with a complete budget, or with one part of it changed.
int budgetedItem(Fixture& f, const QString& name, int type, const QString& change = {}, bool system = false) {
  const int cat = f.addCategory(name, type, system);
  const int item = f.addItem(name, type, cat);
  f.db().prepare(QStringLiteral("UPDATE items SET budgetFrequency = 2, budgetStartDate = 40000, "
                                "budgetAmount = 25 WHERE itemID = :i")).bind(":i", item).execute();
  if (!change.isEmpty()) {
    f.db().prepare(QStringLiteral("UPDATE items SET %1 WHERE itemID = :i").arg(change)).bind(":i", item).execute();
  }
  return item;
}

}  // namespace

class TestStart : public QObject {
  Q_OBJECT
 private slots:
  // Each row builds a data file: whether there is an account, the income and
  // outgoing items (a change to one budget, or a system item), and the reason shown.
  void reminderReason_data() {
    QTest::addColumn<bool>("account");
    QTest::addColumn<QString>("income");    // "" none, "ok", or a change to its budget
    QTest::addColumn<QString>("outgoing");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty data file") << false << QString() << QString() << kMissing;
    QTest::newRow("complete") << true << QStringLiteral("ok") << QStringLiteral("ok") << QString();
    QTest::newRow("no account") << false << QStringLiteral("ok") << QStringLiteral("ok") << kMissing;
    QTest::newRow("no outgoing item") << true << QStringLiteral("ok") << QString() << kMissing;
    QTest::newRow("no frequency") << true << QStringLiteral("budgetFrequency = NULL") << QStringLiteral("ok") << kBudget;
    QTest::newRow("no start date") << true << QStringLiteral("ok") << QStringLiteral("budgetStartDate = NULL") << kBudget;
    QTest::newRow("no amount") << true << QStringLiteral("budgetAmount = NULL") << QStringLiteral("ok") << kBudget;
    QTest::newRow("amount 0") << true << QStringLiteral("ok") << QStringLiteral("budgetAmount = 0") << kBudget;
    QTest::newRow("frequency 0 is set") << true << QStringLiteral("budgetFrequency = 0") << QStringLiteral("ok") << QString();
    QTest::newRow("budget wins over no account") << false << QStringLiteral("budgetAmount = 0") << QString() << kBudget;
    // A system item counts as an item but its missing budget does not.
    QTest::newRow("system income item") << true << QStringLiteral("system") << QStringLiteral("ok") << QString();
  }
  void reminderReason() {
    QFETCH(bool, account);
    QFETCH(QString, income);
    QFETCH(QString, outgoing);
    QFETCH(QString, reason);
    Fixture f;
    if (account) f.addAccount(QStringLiteral("Current"));
    for (auto [state, type, name] : {std::tuple{income, 2, QStringLiteral("Salary")},
                                    std::tuple{outgoing, 3, QStringLiteral("Food")}}) {
      if (state.isEmpty()) continue;
      if (state == QStringLiteral("system")) {
        budgetedItem(f, name, type, QStringLiteral("budgetFrequency = NULL, budgetAmount = NULL"), true);
      } else {
        budgetedItem(f, name, type, state == QStringLiteral("ok") ? QString() : state);
      }
    }
    QCOMPARE(SetupReminderReason(f.db()), reason);

    // The page shows the reason with the fixed text, the picture and the pointer.
    AppContext ctx{f.data(), f.clock(), f.prompter(), f.folder(), nullptr};
    TfraStart page(ctx);
    page.InitPage();
    QCOMPARE(page.lbReminder2->text(), reason);
    const bool shown = !reason.isEmpty();
    for (QWidget* w : {static_cast<QWidget*>(page.lbReminder1), static_cast<QWidget*>(page.lbReminder2),
                       static_cast<QWidget*>(page.imgReminder), static_cast<QWidget*>(page.starthere)}) {
      QCOMPARE(!w->isHidden(), shown);
    }
    QCOMPARE(page.lbReminder1->text(),
             QStringLiteral("Setup is not complete yet. Please click to Setup icon in order to manage categories, "
                            "incoming and outgoing items and various other settings."));
  }

  void tilesLeadToTheThreeAreas_data() {
    QTest::addColumn<int>("tile");
    QTest::addColumn<int>("page");
    QTest::newRow("Set-up") << 0 << 1;
    QTest::newRow("Update accounts") << 1 << 6;
    QTest::newRow("View") << 2 << 8;
  }
  void tilesLeadToTheThreeAreas() {
    QFETCH(int, tile);
    QFETCH(int, page);
    Fixture f;
    TfrmMain main(f.clock(), f.prompter(), f.folder());
    main.ShowPage(0);
    auto* start = qobject_cast<TfraStart*>(main.currentPage());
    QVERIFY(start);
    QCOMPARE(start->lbTitle->text(), QStringLiteral("Pursekeep"));
    ImageButton* tiles[] = {start->btnSetup, start->btnEnterInfo, start->btnView};
    tiles[tile]->click();
    QCOMPARE(main.CurrentPage, page);
  }

  void toolbarAndLayout() {
    Fixture f;
    TfrmMain main(f.clock(), f.prompter(), f.folder());
    main.show();
    main.ShowPage(0);
    auto* start = qobject_cast<TfraStart*>(main.currentPage());
    QVERIFY(start);
    QVERIFY(start->btnInfo->isHidden());
    QVERIFY(start->btnTrash->isHidden());
    QVERIFY(!start->btnBackup->isHidden());
    QVERIFY(start->btnHome->isHighlighted());
    // Tiles in one row, each caption centred under its tile, nothing outside the page.
    const QRect area = start->content()->rect();
    for (auto [tile, label] : {std::pair{start->btnSetup, start->Label1}, std::pair{start->btnEnterInfo, start->Label2},
                               std::pair{start->btnView, start->Label3}}) {
      QCOMPARE(tile->y(), start->btnSetup->y());
      QCOMPARE(label->geometry().center().x(), tile->geometry().center().x());
      QVERIFY(label->y() >= tile->geometry().bottom());
      QVERIFY(area.contains(tile->geometry()));
    }
    QVERIFY(area.contains(start->lbReminder2->geometry()));
    QVERIFY(!start->lbReminder1->geometry().intersects(start->Label2->geometry()));
  }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
