// The income and outgoing items pages: drops that create categories and items,
// the item dialog's outcomes, system items, deletion and pictures.
#include <QtTest>

#include "core/store/records.h"
#include "setup/tfrasetupincome.h"
#include "setup/tfrasetupoutgoings.h"
#include "setup/tfrmitemdlg.h"
#include "test_setuphelpers.h"

using namespace pk;
using pk::test::PageEnv;
using pk::test::ScriptedDialogs;

namespace {

TfrmItemDlg& itemDialog(QDialog& d) {
  auto* dlg = qobject_cast<TfrmItemDlg*>(&d);
  if (!dlg) qFatal("not an item dialog");
  return *dlg;
}
void pressOk(QDialog& d) { itemDialog(d).btnOK->click(); }
void pressCancel(QDialog& d) { itemDialog(d).btnCancel->click(); }

}  // namespace

class TestSetupItems : public QObject {
  Q_OBJECT

  std::unique_ptr<PageEnv> env;
  std::unique_ptr<TfraSetupItems> page;

  void showPage(int type) {
    page.reset();
    if (type == 2) {
      page = std::make_unique<TfraSetupIncome>(env->ctx);
    } else {
      page = std::make_unique<TfraSetupOutgoings>(env->ctx);
    }
    page->resize(944, 615);
    page->InitPage();
  }
  DraggedEntry suggestion(const QString& name) {
    const int key = int(env->count(
        QStringLiteral("SELECT defaultID FROM defaults WHERE type = %1 AND name = '%2'").arg(page->type()).arg(name)));
    return DraggedEntry{QStringLiteral("lvLeft"), key, name};
  }
  QStringList rightCaptions() const {
    QStringList out;
    for (int r = 0; r < page->rightList->rowCount(); ++r) out << page->rightList->caption(r);
    return out;
  }
  // "name:type" of every category, or of every item with its category's name, in name order.
  QStringList rows(const QString& sql) {
    QStringList out;
    Stmt s = env->f.db().prepare(sql);
    while (s.next()) out << s.text(0);
    return out;
  }
  QStringList categories() { return rows(QStringLiteral("SELECT name || ':' || type FROM categories ORDER BY name")); }
  QStringList items() {
    return rows(QStringLiteral("SELECT items.name || ':' || items.type || ':' || categories.name FROM items "
                               "LEFT JOIN categories ON items.catID = categories.catID ORDER BY items.name"));
  }

 private slots:
  void init() {
    env = std::make_unique<PageEnv>();
    showPage(2);
  }
  void cleanup() {
    page.reset();
    env.reset();
  }

  void theTwoPagesDifferOnlyByTheirTable_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("income") << 2
                            << QStringList{QStringLiteral("Income Items Setup"), QStringLiteral("Income Items Selection"),
                                           QStringLiteral("My Income Items"), QStringLiteral("Salary"),
                                           QStringLiteral("Income Details"), QStringLiteral("My Income Item")};
    QTest::newRow("outgoing") << 3
                              << QStringList{QStringLiteral("Outgoing Items Setup"),
                                             QStringLiteral("Outgoing Items Selection"),
                                             QStringLiteral("My Outgoing Items"), QStringLiteral("Groceries"),
                                             QStringLiteral("Outgoing Details"), QStringLiteral("My Outgoing Item")};
  }
  void theTwoPagesDifferOnlyByTheirTable() {
    QFETCH(int, type);
    QFETCH(QStringList, texts);
    showPage(type);
    QCOMPARE(page->lbTitle->text(), texts[0]);
    QCOMPARE(page->lbLeftTitle->text(), texts[1]);
    QCOMPARE(page->lbRightTitle->text(), texts[2]);
    QCOMPARE(page->leftList->rowCount(),
             int(env->count(QStringLiteral("SELECT count(*) FROM defaults WHERE type = %1").arg(type))));
    ScriptedDialogs dialogs([&](QDialog& d) {
      QCOMPARE(d.windowTitle(), texts[4]);
      QCOMPARE(itemDialog(d).lbCategory->text(), texts[5]);
      QCOMPARE(itemDialog(d).categoryText(), texts[3]);
      pressOk(d);
    });
    test::dropOn(page->lvRight, suggestion(texts[3]));
    const QString t = QString::number(type);
    QCOMPARE(categories(), QStringList{texts[3] + QLatin1Char(':') + t});
    QCOMPARE(items(), QStringList{texts[3] + QLatin1Char(':') + t + QLatin1Char(':') + texts[3]});
    QCOMPARE(rightCaptions(), QStringList{texts[3]});
  }

  void dropsMakeACategoryAndAnItemEachTime() {
    ScriptedDialogs dialogs(pressOk);
    test::dropOn(page->lvRight, suggestion(QStringLiteral("Salary")));
    test::dropOn(page->lvRight, suggestion(QStringLiteral("Salary")));
    QCOMPARE(categories(), (QStringList{QStringLiteral("Salary:2"), QStringLiteral("Salary #2:2")}));
    QCOMPARE(items(), (QStringList{QStringLiteral("Salary:2:Salary"), QStringLiteral("Salary #2:2:Salary #2")}));
    QCOMPARE(rightCaptions(), (QStringList{QStringLiteral("Salary"), QStringLiteral("Salary #2")}));
    const std::optional<ItemRecord> item = LoadItem(env->f.data(), page->rightList->key(0));
    QCOMPARE(item->icon, QStringLiteral("incoming/salary.png"));
  }

  void aCancelledDropKeepsItsNewCategory() {
    ScriptedDialogs dialogs(pressCancel);
    test::dropOn(page->lvRight, suggestion(QStringLiteral("Bonus")));
    QCOMPARE(dialogs.shown, 1);
    QCOMPARE(categories(), QStringList{QStringLiteral("Bonus:2")});
    QVERIFY(items().isEmpty());
    QCOMPARE(page->rightList->rowCount(), 0);
    // The next drop finds that category and uses it.
    ScriptedDialogs ok(pressOk);
    test::dropOn(page->lvRight, suggestion(QStringLiteral("Bonus")));
    QCOMPARE(categories(), QStringList{QStringLiteral("Bonus:2")});
    QCOMPARE(items(), QStringList{QStringLiteral("Bonus:2:Bonus")});
  }

  void aNameTakenByTheOtherTypeIsNumbered() {
    env->f.addItem(QStringLiteral("Interest"), 3);
    ScriptedDialogs dialogs(pressOk);
    test::dropOn(page->lvRight, suggestion(QStringLiteral("Interest")));
    QCOMPARE(categories(), (QStringList{QStringLiteral("Interest:3"), QStringLiteral("Interest #2:2")}));
    QCOMPARE(rightCaptions(), QStringList{QStringLiteral("Interest #2")});
  }

  void choosingAnotherCategoryRenamesTheItem() {
    env->f.addCategory(QStringLiteral("Wages"), 2);
    ScriptedDialogs dialogs([](QDialog& d) {
      auto& dlg = itemDialog(d);
      dlg.cbCategories->setCurrentIndex(dlg.cbCategories->findText(QStringLiteral("Wages")));
      pressOk(d);
    });
    test::dropOn(page->lvRight, suggestion(QStringLiteral("Salary")));
    QCOMPARE(items(), QStringList{QStringLiteral("Wages:2:Wages")});
    QCOMPARE(rightCaptions(), QStringList{QStringLiteral("Wages")});
    // The category the drop made stays.
    QVERIFY(categories().contains(QStringLiteral("Salary:2")));
  }

  void aRefusedItemLeavesEverythingAsItWas() {
    const int wages = env->f.addItem(QStringLiteral("Wages"), 2);
    env->f.addItem(QStringLiteral("Bonus"), 2);
    showPage(2);
    page->lvRight->selectRow(page->rightList->rowOfKey(wages));
    bool closedCancelled = false;
    ScriptedDialogs dialogs([&](QDialog& d) {
      auto& dlg = itemDialog(d);
      dlg.cbCategories->setCurrentIndex(dlg.cbCategories->findText(QStringLiteral("Bonus")));
      pressOk(d);
      closedCancelled = !d.isVisible() && d.result() == QDialog::Rejected;
    });
    emit page->lvRight->entryActivated();
    QVERIFY(closedCancelled);
    QCOMPARE(env->f.prompter().texts(), QStringList{QStringLiteral("Item already exists, please select another one.")});
    QCOMPARE(items(), (QStringList{QStringLiteral("Bonus:2:Bonus"), QStringLiteral("Wages:2:Wages")}));
    QCOMPARE(rightCaptions(), (QStringList{QStringLiteral("Bonus"), QStringLiteral("Wages")}));
  }

  void editingKeepsANewPicture() {
    const int wages = env->f.addItem(QStringLiteral("Wages"), 2);
    showPage(2);
    const QString picture = env->f.dir() + QStringLiteral("/elsewhere/coins.png");
    test::writePicture(picture, QSize(30, 30), Qt::darkYellow);
    env->f.prompter().queueFile(picture);
    page->lvRight->selectRow(0);
    ScriptedDialogs dialogs([](QDialog& d) {
      itemDialog(d).lbChangeIconClick();
      pressOk(d);
    });
    emit page->lvRight->rightClicked();
    QVERIFY(env->f.prompter().lastFolder.endsWith(QLatin1String("images/incoming")));
    QCOMPARE(LoadItem(env->f.data(), wages)->icon, QStringLiteral("_custom/coins.png"));
    QVERIFY(page->rightList->picture(0) > 0);
    QCOMPARE(QColor(page->rightList->images().at(page->rightList->picture(0)).toImage().pixel(20, 20)),
             QColor(Qt::darkYellow));
  }

  void systemItemsAreNeitherListedNorEdited() {
    env->f.addItem(QStringLiteral("Unallocated Split Income"), 2,
                   env->f.addCategory(QStringLiteral("Unallocated Split Income"), 2, true));
    const int wages = env->f.addItem(QStringLiteral("Wages"), 2);
    showPage(2);
    QCOMPARE(rightCaptions(), QStringList{QStringLiteral("Wages")});
    // Its category becomes a system category while the page is shown.
    env->f.db().exec(QStringLiteral("UPDATE categories SET catSystem = 1 WHERE name = 'Wages'"));
    page->lvRight->selectRow(0);
    ScriptedDialogs dialogs(pressOk);
    emit page->lvRight->rightClicked();
    QCOMPARE(dialogs.shown, 0);
    QCOMPARE(env->f.prompter().texts(), QStringList{QStringLiteral("The Item cannot edited because it is use by system")});
    QCOMPARE(env->f.prompter().records().front().kind, MessageKind::Warning);
    QVERIFY(LoadItem(env->f.data(), wages));
  }

  void theRecycleBinDeletesOnlyFreeItems_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("texts");
    const QString ask = QStringLiteral("Are you sure you want to delete this %1 (Rent)?");
    QTest::newRow("free income item") << 2 << QStringLiteral("free")
                                      << QStringList{ask.arg(QStringLiteral("Income item"))};
    QTest::newRow("free outgoing item") << 3 << QStringLiteral("free")
                                        << QStringList{ask.arg(QStringLiteral("Outgoing item"))};
    QTest::newRow("used") << 3 << QStringLiteral("used")
                          << QStringList{ask.arg(QStringLiteral("Outgoing item")),
                                         QStringLiteral("The Item cannot deleted because it is being used in 2 transaction(s)")};
    QTest::newRow("system") << 3 << QStringLiteral("system")
                            << QStringList{ask.arg(QStringLiteral("Outgoing item")),
                                           QStringLiteral("The Item cannot deleted because it is use by system")};
  }
  void theRecycleBinDeletesOnlyFreeItems() {
    QFETCH(int, type);
    QFETCH(QString, state);
    QFETCH(QStringList, texts);
    const int rent = env->f.addItem(QStringLiteral("Rent"), type);
    if (state == QLatin1String("used")) {
      const int acc = env->f.addAccount(QStringLiteral("Cash"));
      env->f.addTransaction(acc, rent, 1, 40100);
      env->f.addTransaction(acc, rent, 2, 40101);
    }
    showPage(type);
    if (state == QLatin1String("system")) env->f.db().exec(QStringLiteral("UPDATE categories SET catSystem = 1"));
    env->f.prompter().queueAnswer(Answer::Yes);
    test::dropOn(page->btnTrash, DraggedEntry{QStringLiteral("lvRight"), rent, QStringLiteral("Rent")});
    QCOMPARE(env->f.prompter().texts(), texts);
    const bool deleted = state == QLatin1String("free");
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM items")), qint64(deleted ? 0 : 1));
    QCOMPARE(page->rightList->rowCount(), deleted ? 0 : 1);
    // The category stays in every case.
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM categories")), qint64(1));
  }

  void clickingTheRecycleBinOnlyShowsItsHint() {
    page->btnTrash->click();
    QCOMPARE(env->f.prompter().texts(),
             QStringList{QStringLiteral(
                 "Delete items on this page by high-lighting or dragging the item onto  the recycle bin")});
    QCOMPARE(page->btnDelete->toolTip(), QStringLiteral("Drag and drop one of your income items here to delete it"));
  }
};

QTEST_MAIN(TestSetupItems)
#include "test_setupitems.moc"
