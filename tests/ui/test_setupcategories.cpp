// The category box of the item dialog: matching typed names, creating a typed
// category, renaming through "Edit Category" and deleting.
#include <QLineEdit>
#include <QtTest>

#include "core/store/records.h"
#include "setup/tfeditcategory.h"
#include "setup/tfrmitemdlg.h"
#include "test_setuphelpers.h"

using namespace pk;
using pk::test::PageEnv;
using pk::test::ScriptedDialogs;

class TestSetupCategories : public QObject {
  Q_OBJECT

  std::unique_ptr<PageEnv> env;
  ItemRecord item;
  std::unique_ptr<TfrmIncomeDlg> dlg;
  int salary = 0, wages = 0;

  // Opens the income dialog on a new item in the category Salary, or on the saved
  // item Wages.
  void open(bool existing) {
    if (existing) {
      item = *LoadItem(env->f.data(), env->f.addItem(QStringLiteral("Wages"), 2, wages));
    } else {
      item = NewItem(env->f.data());
      item.type = 2;
      item.name = QStringLiteral("Salary");
      item.catID = salary;
    }
    dlg = std::make_unique<TfrmIncomeDlg>(env->ctx, item, existing);
    dlg->show();
  }
  QStringList boxNames() const {
    QStringList out;
    for (int i = 0; i < dlg->cbCategories->count(); ++i) out << dlg->cbCategories->itemText(i);
    return out;
  }
  void type(const QString& text) { dlg->cbCategories->setEditText(text); }
  QStringList names(const QString& sql) {
    QStringList out;
    Stmt s = env->f.db().prepare(sql);
    while (s.next()) out << s.text(0);
    return out;
  }

 private slots:
  void init() {
    env = std::make_unique<PageEnv>();
    salary = env->f.addCategory(QStringLiteral("Salary"), 2);
    wages = env->f.addCategory(QStringLiteral("Wages"), 2);
    env->f.addCategory(QStringLiteral("Rent"), 3);
    env->f.addCategory(QStringLiteral("Unallocated Split Income"), 2, true);
    env->f.addCategory(QStringLiteral("bonus"), 2);
  }
  void cleanup() {
    dlg.reset();
    env.reset();
  }

  void theBoxListsTheTypesCategoriesByName() {
    open(false);
    QCOMPARE(boxNames(), (QStringList{QStringLiteral("bonus"), QStringLiteral("Salary"),
                                      QStringLiteral("Unallocated Split Income"), QStringLiteral("Wages")}));
    QCOMPARE(dlg->categoryText(), QStringLiteral("Salary"));
    QCOMPARE(env->f.data().newCategoryType, QStringLiteral("2"));
  }

  void typedNamesMatchWholeButIgnoringCase_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("selected");  // empty: no match, buttons off
    QTest::newRow("lower case") << QStringLiteral("salary") << QStringLiteral("Salary");
    QTest::newRow("upper case") << QStringLiteral("WAGES") << QStringLiteral("Wages");
    QTest::newRow("part of a name") << QStringLiteral("Sal") << QString();
    QTest::newRow("longer than a name") << QStringLiteral("Salary #2") << QString();
    QTest::newRow("empty") << QString() << QString();
  }
  void typedNamesMatchWholeButIgnoringCase() {
    QFETCH(QString, typed);
    QFETCH(QString, selected);
    open(false);
    type(typed);
    QCOMPARE(dlg->btnEdit->isEnabled(), !selected.isEmpty());
    QCOMPARE(dlg->btnCategories->isEnabled(), !selected.isEmpty());
    if (!selected.isEmpty()) {
      QCOMPARE(dlg->categoryText(), selected);
      QCOMPARE(dlg->cbCategories->currentText(), selected);
    }
    // Matching alone creates nothing.
    QVERIFY(dlg->AddTypedCategory() || selected.isEmpty());
    if (!selected.isEmpty()) QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM categories")), qint64(5));
  }

  void enterCreatesTheCategoryAndSavesTheItem() {
    open(false);
    type(QStringLiteral("Pocket Money"));
    QTest::keyClick(dlg->cbCategories->lineEdit(), Qt::Key_Return);
    QVERIFY(!dlg->isVisible());
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    const int pocket = int(env->count(QStringLiteral("SELECT catID FROM categories WHERE name = 'Pocket Money' AND type = 2")));
    QVERIFY(pocket > 0);
    QCOMPARE(env->f.data().NewCategoryID, pocket);
    QVERIFY(item.itemID > 0);
    const std::optional<ItemRecord> saved = LoadItem(env->f.data(), item.itemID);
    QCOMPARE(saved->name, QStringLiteral("Pocket Money"));
    QCOMPARE(saved->catID, pocket);
  }

  void okNeedsACategoryThatCanBeHad_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("blank") << QStringLiteral("  ")
                           << QStringLiteral("Please choose a category or type the name of a new one.");
    QTest::newRow("name of an outgoing category")
        << QStringLiteral("Rent") << QStringLiteral("Category already exists, please type another one.");
  }
  void okNeedsACategoryThatCanBeHad() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    open(false);
    type(typed);
    dlg->btnOK->click();
    QVERIFY(dlg->isVisible());
    QCOMPARE(env->f.prompter().texts(), QStringList{message});
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM items")), qint64(0));
    QCOMPARE(env->count(QStringLiteral("SELECT count(*) FROM categories")), qint64(5));
  }

  void renaming_data() {
    QTest::addColumn<QString>("newName");  // empty: the dialog is cancelled
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("categoryName");
    QTest::newRow("new name") << QStringLiteral("Earnings") << QStringList() << QStringLiteral("Earnings");
    QTest::newRow("unchanged") << QStringLiteral("Wages")
                               << QStringList{QStringLiteral("Category with that name already Exist")}
                               << QStringLiteral("Wages");
    QTest::newRow("another income category") << QStringLiteral("BONUS")
                                             << QStringList{QStringLiteral("Category with that name already Exist")}
                                             << QStringLiteral("Wages");
    QTest::newRow("an outgoing category's name")
        << QStringLiteral("Rent") << QStringList{QStringLiteral("Category already exists, please type another one.")}
        << QStringLiteral("Wages");
    QTest::newRow("cancelled") << QString() << QStringList() << QStringLiteral("Wages");
  }
  void renaming() {
    QFETCH(QString, newName);
    QFETCH(QStringList, messages);
    QFETCH(QString, categoryName);
    open(true);
    QCOMPARE(dlg->categoryText(), QStringLiteral("Wages"));
    QString filterWhileOpen;
    ScriptedDialogs dialogs([&](QDialog& d) {
      auto* edit = qobject_cast<Tfeditcategory*>(&d);
      QVERIFY(edit);
      QCOMPARE(edit->windowTitle(), QStringLiteral("Edit Category"));
      QCOMPARE(edit->Edit1->text(), QStringLiteral("Wages"));
      filterWhileOpen = env->f.data().categoryFilter;
      if (newName.isEmpty()) {
        edit->Button2->click();
      } else {
        edit->Edit1->setText(newName);
        edit->Button1->click();
      }
    });
    dlg->btnEdit->click();
    QCOMPARE(dialogs.shown, 1);
    QCOMPARE(filterWhileOpen, QStringLiteral("type = 2"));
    QVERIFY(env->f.data().categoryFilter.isEmpty());
    QCOMPARE(env->f.prompter().texts(), messages);
    if (newName == QLatin1String("Wages")) QCOMPARE(env->f.prompter().records().front().kind, MessageKind::Plain);
    QCOMPARE(LoadCategory(env->f.data(), wages)->name, categoryName);
    // The saved item carries its category's name at once, before any OK.
    QCOMPARE(LoadItem(env->f.data(), item.itemID)->name, categoryName);
    QCOMPARE(dlg->categoryText(), categoryName);
    QStringList sorted = boxNames();
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
      return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(boxNames(), sorted);
  }

  void deleting_data() {
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("deleted");
    const QString ask = QStringLiteral("Are you sure you want to delete this category?");
    QTest::newRow("used by a saved item")
        << true << int(Answer::Yes)
        << QStringList{ask, QStringLiteral("The category cannot deleted because it is being used in item(s)")} << false;
    QTest::newRow("only the new item's") << false << int(Answer::Yes) << QStringList{ask} << true;
    QTest::newRow("answered no") << false << int(Answer::No) << QStringList{ask} << false;
  }
  void deleting() {
    QFETCH(bool, existing);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(bool, deleted);
    open(existing);
    const int catID = existing ? wages : salary;
    env->f.prompter().queueAnswer(Answer(answer));
    dlg->btnCategories->click();
    QCOMPARE(env->f.prompter().texts(), messages);
    QCOMPARE(env->f.prompter().records().front().kind, MessageKind::Warning);
    QCOMPARE(bool(LoadCategory(env->f.data(), catID)), !deleted);
    if (!deleted) return;
    // The box selects its first entry, which the new item receives on OK.
    QCOMPARE(boxNames(), (QStringList{QStringLiteral("bonus"), QStringLiteral("Unallocated Split Income"),
                                      QStringLiteral("Wages")}));
    QCOMPARE(dlg->categoryText(), QStringLiteral("bonus"));
    dlg->btnOK->click();
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(LoadItem(env->f.data(), item.itemID)->name, QStringLiteral("bonus"));
  }
};

QTEST_MAIN(TestSetupCategories)
#include "test_setupcategories.moc"
