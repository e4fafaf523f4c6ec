// The catalogue and list queries, free names for new accounts and items, the
// category look-ups, and where a chosen picture is kept.
#include <QDir>
#include <QFile>
#include <QtTest>

#include "core/store/catalogue.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}
QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class TestCatalogue : public QObject {
  Q_OBJECT
 private slots:
  void accountNamesCountUpFromTwo_data() {
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringList() << QStringLiteral("Savings");
    QTest::newRow("one") << QStringList{QStringLiteral("Savings")} << QStringLiteral("Savings #2");
    QTest::newRow("two") << QStringList{QStringLiteral("Savings"), QStringLiteral("Savings #2")}
                         << QStringLiteral("Savings #3");
    QTest::newRow("first gap wins") << QStringList{QStringLiteral("Savings"), QStringLiteral("Savings #3")}
                                    << QStringLiteral("Savings #2");
    QTest::newRow("letter case ignored") << QStringList{QStringLiteral("SAVINGS")} << QStringLiteral("Savings #2");
    QTest::newRow("other names") << QStringList{QStringLiteral("Savings plan")} << QStringLiteral("Savings");
  }
  void accountNamesCountUpFromTwo() {
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    Fixture f;
    for (const QString& name : existing) f.addAccount(name);
    QCOMPARE(FreeAccountName(f.data(), QStringLiteral("Savings")), expected);
  }

  void itemNamesAvoidEveryClash_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expected");
    // setup: "item:T" an item Interest of type T; "cat:T" a category Interest of type T without items.
    QTest::newRow("free") << QString() << QStringLiteral("Interest");
    QTest::newRow("item of the type") << QStringLiteral("item:2") << QStringLiteral("Interest #2");
    QTest::newRow("item of the other type") << QStringLiteral("item:3") << QStringLiteral("Interest #2");
    QTest::newRow("category of the other type") << QStringLiteral("cat:3") << QStringLiteral("Interest #2");
    QTest::newRow("empty category of the type is reused") << QStringLiteral("cat:2") << QStringLiteral("Interest");
  }
  void itemNamesAvoidEveryClash() {
    QFETCH(QString, setup);
    QFETCH(QString, expected);
    Fixture f;
    const int type = setup.section(QLatin1Char(':'), 1).toInt();
    if (setup.startsWith(QLatin1String("item"))) f.addItem(QStringLiteral("Interest"), type);
    if (setup.startsWith(QLatin1String("cat"))) f.addCategory(QStringLiteral("Interest"), type);
    QCOMPARE(FreeItemName(f.data(), QStringLiteral("Interest"), 2), expected);
  }

  void categoryLookUpsKeepToTheirType() {
    Fixture f;
    const int salary = f.addCategory(QStringLiteral("Salary"), 2);
    f.addCategory(QStringLiteral("Rent"), 3);
    QCOMPARE(CategoryByName(f.data(), QStringLiteral("salary"), 2), std::optional<int>(salary));
    QCOMPARE(CategoryByName(f.data(), QStringLiteral("Rent"), 2), std::nullopt);
    QVERIFY(CategoryNameTaken(f.data(), QStringLiteral("SALARY"), 2));
    QVERIFY(!CategoryNameTaken(f.data(), QStringLiteral("Rent"), 2));
    QCOMPARE(CategoryItemCount(f.data(), salary), 0);
    f.addItem(QStringLiteral("Salary"), 2, salary);
    QCOMPARE(CategoryItemCount(f.data(), salary), 1);
  }

  void presetsComeInSortOrder() {
    Fixture f;
    f.db().exec(QStringLiteral("DELETE FROM defaults WHERE type = 1"));
    f.db().exec(QStringLiteral(
        "INSERT INTO defaults (defaultID, name, type, icon, sortNum) VALUES "
        "(501, 'Alpha', 1, 'Account\\a.png', 3), (502, 'Beta', 1, NULL, 1), (503, 'Gamma', 1, '', 2)"));
    const QList<CatalogueEntry> entries = DefaultsEntries(f.data(), QStringLiteral("1"));
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0].caption, QStringLiteral("Beta"));
    QCOMPARE(entries[1].caption, QStringLiteral("Gamma"));
    QCOMPARE(entries[2].caption, QStringLiteral("Alpha"));
    QCOMPARE(entries[2].key, 501);
    // A path stored with "\" is read with "/".
    QCOMPARE(entries[2].icon, QStringLiteral("Account/a.png"));
    QVERIFY(entries[0].icon.isEmpty());
  }

  void itemsOfSystemCategoriesAreNotListed() {
    Fixture f;
    f.addItem(QStringLiteral("Wages"), 2);
    f.addItem(QStringLiteral("Unallocated Split Income"), 2, f.addCategory(QStringLiteral("Unallocated Split Income"), 2, true));
    f.addItem(QStringLiteral("Rent"), 3);
    const QList<CatalogueEntry> income = QueryEntries(f.data(), ItemsListSql(2));
    QCOMPARE(income.size(), 1);
    QCOMPARE(income[0].caption, QStringLiteral("Wages"));
    f.addAccount(QStringLiteral("b"));
    f.addAccount(QStringLiteral("A"));
    const QList<CatalogueEntry> accounts = QueryEntries(f.data(), AccountsListSql());
    QCOMPARE(accounts.size(), 2);
    QCOMPARE(accounts[0].caption, QStringLiteral("A"));
  }

  void chosenPicturesAreKeptUnderImages_data() {
    QTest::addColumn<QString>("chosen");    // relative to the test folder
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("copied");
    QTest::newRow("outside file") << QStringLiteral("elsewhere/pic.png") << QStringLiteral("_custom/pic.png") << true;
    QTest::newRow("images/Account") << QStringLiteral("images/Account/pic.png") << QStringLiteral("_custom/pic.png")
                                    << true;
    QTest::newRow("images itself") << QStringLiteral("images/pic.png") << QStringLiteral("pic.png") << false;
    QTest::newRow("already in _custom") << QStringLiteral("images/_custom/pic.png")
                                        << QStringLiteral("_custom/pic.png") << false;
  }
  void chosenPicturesAreKeptUnderImages() {
    QFETCH(QString, chosen);
    QFETCH(QString, icon);
    QFETCH(bool, copied);
    Fixture f;
    const QString source = f.dir() + QLatin1Char('/') + chosen;
    writeFile(source, "picture bytes");
    const QString custom = f.folder().imagesDir() + QStringLiteral("_custom/pic.png");
    const bool wasThere = QFile::exists(custom);
    const StoredPicture stored = StoreChosenPicture(f.folder().imagesDir(), source);
    QVERIFY2(stored.error.isEmpty(), qPrintable(stored.error));
    QCOMPARE(stored.icon, icon);
    QVERIFY(QDir(f.folder().imagesDir() + QStringLiteral("_custom")).exists());
    if (copied) QCOMPARE(readFile(custom), QByteArray("picture bytes"));
    if (!copied && !wasThere) QCOMPARE(QFile::exists(custom), chosen.contains(QLatin1String("_custom")));
    QVERIFY(QFile::exists(source));  // the chosen file stays where it was
  }

  void anExistingCustomPictureOfThatNameIsKept() {
    Fixture f;
    const QString custom = f.folder().imagesDir() + QStringLiteral("_custom/pic.png");
    writeFile(custom, "the first one");
    writeFile(f.dir() + QStringLiteral("/elsewhere/pic.png"), "another one");
    const StoredPicture stored = StoreChosenPicture(f.folder().imagesDir(), f.dir() + QStringLiteral("/elsewhere/pic.png"));
    QCOMPARE(stored.icon, QStringLiteral("_custom/pic.png"));
    QCOMPARE(readFile(custom), QByteArray("the first one"));
  }

  void aPictureThatCannotBeKeptIsReported() {
    Fixture f;
    const StoredPicture missing = StoreChosenPicture(f.folder().imagesDir(), f.dir() + QStringLiteral("/nothing.png"));
    QVERIFY(missing.icon.isEmpty());
    QVERIFY(!missing.error.isEmpty());
    // _custom cannot be made when a file stands in its place.
    writeFile(f.folder().imagesDir() + QStringLiteral("_custom"), "a file, not a folder");
    writeFile(f.dir() + QStringLiteral("/elsewhere/pic.png"), "x");
    const StoredPicture blocked = StoreChosenPicture(f.folder().imagesDir(), f.dir() + QStringLiteral("/elsewhere/pic.png"));
    QVERIFY(blocked.icon.isEmpty());
    QVERIFY(blocked.error.contains(QLatin1String("_custom")));
  }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
