// The data store: opening and closing, refusing files it cannot use, the option
// accessors, and the delivered data file.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "core/dates.h"
#include "core/store/datafile.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

class TestStore : public QObject {
  Q_OBJECT
 private slots:
  void opensDeliveredFileWithSixTables() {
    Fixture f;
    QCOMPARE(f.data().DatabasePath, f.dataFile());
    for (const char* t : {"accounts", "categories", "items", "transactions", "defaults", "options"}) {
      QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='%1'")
                                 .arg(QLatin1String(t))),
               qint64(1));
    }
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM options")), qint64(1));
    QVERIFY(f.db().scalar(QStringLiteral("SELECT count(*) FROM defaults WHERE type=1")) >= 6);
    QVERIFY(f.db().scalar(QStringLiteral("SELECT count(*) FROM defaults WHERE type=2")) >= 12);
    QVERIFY(f.db().scalar(QStringLiteral("SELECT count(*) FROM defaults WHERE type=3")) >= 30);
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM defaults WHERE defaultID IN (100,101)")), qint64(2));
    // The import presets are not offered in the catalogues.
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM defaults WHERE defaultID IN (100,101) AND type IN (1,2,3)")), qint64(0));
    f.data().CloseDatabase();
    QVERIFY(!f.data().isOpen());
  }

  void refusesFilesItCannotUse_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("not a database") << QByteArray(4096, 'x') << true;
    QTest::newRow("empty file") << QByteArray() << true;
  }
  void refusesFilesItCannotUse() {
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.mdb"));
    if (create) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    }
    Clock clock(QDate(2010, 1, 1));
    ScriptedPrompter prompter;
    TdmData data(prompter, clock);
    bool thrown = false;
    try {
      data.OpenDatabase(path);
    } catch (const DbError& e) {
      thrown = true;
      QVERIFY(!e.text().isEmpty());
    }
    QVERIFY(thrown);
    QVERIFY(!data.isOpen());
    // Opening never creates a file.
    QCOMPARE(QFile::exists(path), create);
  }

  void refusesWrongKey() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.mdb"));
    {
      Db db;
      db.create(path, QByteArrayLiteral("another key"));
      db.exec(QStringLiteral("CREATE TABLE options (usepassword INTEGER)"));
    }
    Clock clock(QDate(2010, 1, 1));
    ScriptedPrompter prompter;
    TdmData data(prompter, clock);
    QVERIFY_THROWS_EXCEPTION(DbError, data.OpenDatabase(path));
  }

  void createNeverWritesOverAFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.mdb"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("mine");
    file.close();
    QString error;
    QVERIFY(!CreateDataFile(path, &error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("mine"));
  }

  void passwordOptions() {
    Fixture f;
    QVERIFY(!f.data().UsesPassword());
    QVERIFY(!f.data().PasswordMatches(QString()));
    f.data().SetPassword(QStringLiteral(" Secret"));
    QVERIFY(f.data().UsesPassword());
    QVERIFY(f.data().PasswordMatches(QStringLiteral(" Secret")));
    QVERIFY(!f.data().PasswordMatches(QStringLiteral("Secret")));     // the leading blank counts
    QVERIFY(!f.data().PasswordMatches(QStringLiteral(" secret")));    // so does letter case
    QVERIFY(!f.data().PasswordMatches(QStringLiteral(" Secret ")));   // and an added blank
    // The stored form is not the typed text.
    Stmt s = f.db().prepare(QStringLiteral("SELECT userPassword FROM options"));
    QVERIFY(s.next());
    QVERIFY(!s.text(0).contains(QStringLiteral("Secret")));
    // Turning protection off keeps the stored password.
    f.data().SetUsePassword(false);
    QVERIFY(!f.data().UsesPassword());
    QVERIFY(f.data().PasswordMatches(QStringLiteral(" Secret")));
  }

  void startDateOptions() {
    Fixture f;
    QVERIFY(!f.data().IsStartDateSelected());
    QVERIFY(!f.data().StartBudget().has_value());
    f.data().MarkStartDateSelected();
    f.data().SetStartBudget(dayNumber(QDate(2010, 3, 8)));
    QVERIFY(f.data().IsStartDateSelected());
    QCOMPARE(*f.data().StartBudget(), dayNumber(QDate(2010, 3, 8)));
  }

  void namesAreUniqueWithoutRegardToCase() {
    Fixture f;
    f.addCategory(QStringLiteral("Salary"), 2);
    QVERIFY_THROWS_EXCEPTION(DbError, f.addCategory(QStringLiteral("salary"), 2));
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM categories WHERE name = 'SALARY'")), qint64(1));
  }

  void datesRoundTrip() {
    QCOMPARE(dayNumber(QDate(1899, 12, 30)), 0.0);
    QCOMPARE(dayNumber(QDate(2009, 7, 16)), 40010.0);
    const QDateTime picker = dateTimeOf(kPickerStart);
    QCOMPARE(picker.date(), QDate(2009, 7, 16));
    QCOMPARE(picker.time(), QTime(20, 16, 0, 308));
    QCOMPARE(usDate(dayNumber(QDate(2011, 2, 3))), QStringLiteral("02/03/2011"));
    QVERIFY(qAbs(withDate(kPickerStart, QDate(2010, 1, 5)) - (dayNumber(QDate(2010, 1, 5)) + kPickerTimeOfDay)) < 1e-9);
  }

  void sqlcipherShellReadsTheFile() {
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
    if (shell.isEmpty()) QSKIP("the sqlcipher shell is not installed");
    Fixture f;
    f.data().CloseDatabase();
    QProcess p;
    p.start(shell, {f.dataFile()});
    QVERIFY(p.waitForStarted());
    p.write("PRAGMA key='K4T7P2M6R5D1F8';\nSELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' ORDER BY name;\n.quit\n");
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished());
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* t : {"accounts", "categories", "defaults", "items", "options", "transactions"}) {
      QVERIFY2(out.contains(QLatin1String(t)), qPrintable(out));
    }
  }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
