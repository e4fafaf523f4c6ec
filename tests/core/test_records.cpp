// The rules that run when rows are added or saved: defaults of new rows, items
// carrying their category's name, refused saves, guarded deletions.
#include <QtTest>

#include "core/store/records.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {
const QString kItemRefused = QStringLiteral("Item already exists, please select another one.");
const QString kCategoryRefused = QStringLiteral("Category already exists, please type another one.");

QString itemName(Fixture& f, int itemID) { return LoadItem(f.data(), itemID)->name; }
}  // namespace

class TestRecords : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { pk::test::useTestLocale(); }

  void newRowsTakeTheirDefaults() {
    Fixture f(QDate(2010, 3, 10));
    f.data().CurrentAccountID = 7;
    const TransactionRecord t = NewTransaction(f.data());
    QCOMPARE(t.trnDate, dayNumber(QDate(2010, 3, 10)));  // midnight
    QCOMPARE(t.amount, 0.0);
    QCOMPARE(t.accID, 7);
    QCOMPARE(t.trnID, 0);
    f.data().newCategoryType = QStringLiteral("3");
    QCOMPARE(NewCategory(f.data()).type, 3);
    f.data().newCategoryType = QStringLiteral("2");
    QCOMPARE(NewCategory(f.data()).type, 2);
  }

  void recordsRoundTrip() {
    Fixture f;
    AccountRecord a = NewAccount(f.data());
    a.name = QStringLiteral("Cheque");
    a.initialBalance = 12.5;
    a.balanceDate = kPickerStart;
    SaveAccount(f.data(), a);
    QVERIFY(a.accID > 0);
    QCOMPARE(LoadAccount(f.data(), a.accID)->balanceDate, std::optional<DayNumber>(kPickerStart));
    a.balanceDate.reset();
    SaveAccount(f.data(), a);
    QCOMPARE(LoadAccount(f.data(), a.accID)->balanceDate, std::nullopt);
    QVERIFY(!LoadAccount(f.data(), a.accID + 1));

    TransactionRecord t = NewTransaction(f.data());
    t.accID = a.accID;
    t.itemID = 3;
    t.amount = 1234.5678;
    t.description = QStringLiteral("Weekly shop");
    t.parentID = 1;
    t.sortNum = 2;
    t.secondaryID = QStringLiteral("x");
    SaveTransaction(f.data(), t);
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT amount FROM transactions")), qint64(12345678));
    const TransactionRecord back = *LoadTransaction(f.data(), t.trnID);
    QCOMPARE(back.amount, 1234.5678);
    QCOMPARE(back.parentID, std::optional<int>(1));
    QCOMPARE(back.sortNum, std::optional<int>(2));
    QCOMPARE(back.trnYear, std::nullopt);
    QCOMPARE(back.secondaryID, std::optional<QString>(QStringLiteral("x")));
    QCOMPARE(back.description, t.description);
  }

  void savingACategoryRenamesAllItsItems() {
    Fixture f;
    f.data().newCategoryType = QStringLiteral("3");
    CategoryRecord c = NewCategory(f.data());
    c.name = QStringLiteral("Power");
    QVERIFY(SaveCategory(f.data(), c) == SaveResult::Saved);
    QVERIFY(c.catID > 0);
    QCOMPARE(f.data().NewCategoryID, c.catID);
    // Items written behind the lists' backs, one of them with another name.
    const int a = f.addItem(QStringLiteral("Power"), 3, c.catID);
    const int other = f.addItem(QStringLiteral("Water"), 3);
    f.db().exec(QStringLiteral("UPDATE items SET catID = %1, type = 2 WHERE itemID = %2").arg(c.catID).arg(other));
    f.db().exec(QStringLiteral("UPDATE items SET name = 'Stale' WHERE itemID = %1").arg(other));
    f.db().exec(QStringLiteral("DELETE FROM items WHERE itemID = %1").arg(a));
    c.name = QStringLiteral("Electricity");
    f.data().NewCategoryID = 0;
    QVERIFY(SaveCategory(f.data(), c) == SaveResult::Saved);
    QCOMPARE(f.data().NewCategoryID, 0);  // set on insert only
    QCOMPARE(itemName(f, other), QStringLiteral("Electricity"));
    QCOMPARE(LoadCategory(f.data(), c.catID)->name, QStringLiteral("Electricity"));
  }

  void savingAnItemTakesItsCategorysName() {
    Fixture f;
    const int power = f.addCategory(QStringLiteral("Power"), 3);
    const int water = f.addCategory(QStringLiteral("Water"), 3);
    ItemRecord item = NewItem(f.data());
    item.name = QStringLiteral("Typed in the dialog");
    item.type = 3;
    item.catID = power;
    QVERIFY(SaveItem(f.data(), item) == SaveResult::Saved);
    QVERIFY(item.itemID > 0);
    QCOMPARE(item.name, QStringLiteral("Power"));
    QCOMPARE(itemName(f, item.itemID), QStringLiteral("Power"));
    item.catID = water;
    QVERIFY(SaveItem(f.data(), item) == SaveResult::Saved);
    QCOMPARE(itemName(f, item.itemID), QStringLiteral("Water"));
  }

  void categoryOutsideTheFilterLeavesTheName() {
    Fixture f;
    const int income = f.addCategory(QStringLiteral("Bonus"), 2);
    const int outgoing = f.addCategory(QStringLiteral("Rent"), 3);
    f.data().categoryFilter = QStringLiteral("type = 3");
    ItemRecord item = NewItem(f.data());
    item.name = QStringLiteral("As typed");
    item.catID = income;
    QVERIFY(SaveItem(f.data(), item) == SaveResult::Saved);
    QCOMPARE(itemName(f, item.itemID), QStringLiteral("As typed"));
    item.catID = outgoing;
    QVERIFY(SaveItem(f.data(), item) == SaveResult::Saved);
    QCOMPARE(itemName(f, item.itemID), QStringLiteral("Rent"));
  }

  void refusedCategorySave_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("insert");
    QTest::newRow("new, same name") << "Groceries" << true;
    QTest::newRow("new, other case") << "GROCERIES" << true;
    QTest::newRow("new, too long") << QString(33, QLatin1Char('x')) << true;
    QTest::newRow("renamed onto another") << "Groceries" << false;
  }
  void refusedCategorySave() {
    QFETCH(QString, name);
    QFETCH(bool, insert);
    Fixture f;
    f.addItem(QStringLiteral("Groceries"), 3);
    const int rentCat = f.addCategory(QStringLiteral("Rent"), 3);
    const int rent = f.addItem(QStringLiteral("Rent"), 3, rentCat);
    f.data().NewCategoryID = -5;
    CategoryRecord c = insert ? NewCategory(f.data()) : *LoadCategory(f.data(), rentCat);
    c.name = name;
    const CategoryRecord before = c;
    QVERIFY(SaveCategory(f.data(), c) == SaveResult::Refused);
    QCOMPARE(f.prompter().texts(), QStringList{kCategoryRefused});
    QCOMPARE(f.prompter().records().front().kind, MessageKind::Error);
    QCOMPARE(c.catID, before.catID);
    QCOMPARE(f.data().NewCategoryID, -5);
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM categories")), qint64(2));
    QCOMPARE(LoadCategory(f.data(), rentCat)->name, QStringLiteral("Rent"));
    QCOMPARE(itemName(f, rent), QStringLiteral("Rent"));
    QVERIFY(!f.db().inTransaction());
  }

  void refusedRenameOfItemsUndoesTheCategory() {
    // Two items of one category cannot both carry its new name: the whole save is
    // refused, so items and category keep agreeing.
    Fixture f;
    const int cat = f.addCategory(QStringLiteral("Bills"), 3);
    const int a = f.addItem(QStringLiteral("Bills"), 3, cat);
    f.addItem(QStringLiteral("Phone"), 3, cat);
    CategoryRecord c = *LoadCategory(f.data(), cat);
    c.name = QStringLiteral("Utilities");
    QVERIFY(SaveCategory(f.data(), c) == SaveResult::Refused);
    QCOMPARE(f.prompter().lastText(), kCategoryRefused);
    QCOMPARE(LoadCategory(f.data(), cat)->name, QStringLiteral("Bills"));
    QCOMPARE(itemName(f, a), QStringLiteral("Bills"));
  }

  void refusedItemSave() {
    Fixture f;
    const int groceries = f.addItem(QStringLiteral("Groceries"), 3);
    const int groceriesCat = LoadItem(f.data(), groceries)->catID;
    const int rent = f.addItem(QStringLiteral("Rent"), 3);
    // A second item of the Groceries category, new or moved there.
    ItemRecord fresh = NewItem(f.data());
    fresh.catID = groceriesCat;
    QVERIFY(SaveItem(f.data(), fresh) == SaveResult::Refused);
    QCOMPARE(fresh.itemID, 0);
    ItemRecord moved = *LoadItem(f.data(), rent);
    moved.catID = groceriesCat;
    moved.budgetAmount = 55;
    QVERIFY(SaveItem(f.data(), moved) == SaveResult::Refused);
    QCOMPARE(moved.name, QStringLiteral("Rent"));  // the record is left as it was
    QCOMPARE(f.prompter().texts(), (QStringList{kItemRefused, kItemRefused}));
    QCOMPARE(f.prompter().records().back().kind, MessageKind::Error);
    const ItemRecord stored = *LoadItem(f.data(), rent);
    QCOMPARE(stored.name, QStringLiteral("Rent"));
    QCOMPARE(stored.budgetAmount, std::nullopt);
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM items")), qint64(2));
  }

  void fillCategoryList() {
    Fixture f;
    f.addCategory(QStringLiteral("salary"), 2);
    f.addCategory(QStringLiteral("Rent"), 3);
    const int system = f.addCategory(QStringLiteral("Unallocated Split Income"), 2, true);
    const int bonus = f.addCategory(QStringLiteral("Bonus"), 2);
    const auto list = FillCategoryList(f.data(), QStringLiteral("2"));
    QCOMPARE(list.size(), 3);
    QCOMPARE(list.at(0), qMakePair(QStringLiteral("Bonus"), bonus));
    QCOMPARE(list.at(1).first, QStringLiteral("salary"));  // name order without regard to case
    QCOMPARE(list.at(2), qMakePair(QStringLiteral("Unallocated Split Income"), system));
    QCOMPARE(FillCategoryList(f.data(), QStringLiteral("3")).size(), 1);
    QVERIFY(FillCategoryList(f.data(), QStringLiteral("2 OR 1=1")).isEmpty());
  }

  void deleteAccount() {
    Fixture f;
    const int used = f.addAccount(QStringLiteral("Cheque"));
    const int unused = f.addAccount(QStringLiteral("Cash"));
    f.addTransaction(used, f.addItem(QStringLiteral("Rent"), 3), 10, 40000);
    QVERIFY(!DeleteAccount(f.data(), used));
    QCOMPARE(f.prompter().texts(),
             QStringList{QStringLiteral("The Account cannot deleted because it is being used in 1 transaction(s)")});
    QCOMPARE(f.prompter().records().front().kind, MessageKind::Warning);
    QVERIFY(LoadAccount(f.data(), used));
    QVERIFY(DeleteAccount(f.data(), unused));
    QVERIFY(!LoadAccount(f.data(), unused));
    QCOMPARE(f.prompter().records().size(), std::size_t(1));
  }

  void deleteItem_data() {
    QTest::addColumn<bool>("system");
    QTest::addColumn<int>("uses");
    QTest::addColumn<QString>("warning");  // empty: deleted
    QTest::newRow("plain, unused") << false << 0 << "";
    QTest::newRow("plain, used twice") << false << 2
                                       << "The Item cannot deleted because it is being used in 2 transaction(s)";
    QTest::newRow("system, unused") << true << 0 << "The Item cannot deleted because it is use by system";
    QTest::newRow("system, used") << true << 1
                                  << "The Item cannot deleted because it is being used in 1 transaction(s)";
  }
  void deleteItem() {
    QFETCH(bool, system);
    QFETCH(int, uses);
    QFETCH(QString, warning);
    Fixture f;
    const int cat = f.addCategory(QStringLiteral("Unallocated Split Outgoing"), 3, system);
    const int item = f.addItem(QStringLiteral("Unallocated Split Outgoing"), 3, cat);
    const int acc = f.addAccount(QStringLiteral("Cheque"));
    for (int i = 0; i < uses; ++i) f.addTransaction(acc, item, 1, 40000);
    QCOMPARE(IsSystemItem(f.data(), item), system);
    QCOMPARE(DeleteItem(f.data(), item), warning.isEmpty());
    QCOMPARE(f.prompter().texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
    if (!warning.isEmpty()) QCOMPARE(f.prompter().records().front().kind, MessageKind::Warning);
    QCOMPARE(bool(LoadItem(f.data(), item)), !warning.isEmpty());
    QVERIFY(LoadCategory(f.data(), cat));  // the category stays
  }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
