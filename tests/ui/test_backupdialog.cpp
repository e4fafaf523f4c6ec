// The backup and restore dialog: what it proposes, the refusals and questions, the
// progress bars, and the main window working on the restored data afterwards.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>

#include "app/commands.h"
#include "app/helpwindow.h"
#include "app/tfrastart.h"
#include "app/tfrmmain.h"
#include "backup/tfrmbackup.h"
#include "core/backup/backup.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A dialog over the fixture's data module, shown (which runs its show handler).
struct Dialog {
  explicit Dialog(Fixture& f)
      : ctx{f.data(), f.clock(), f.prompter(), f.folder(), nullptr}, dialog(ctx) {
    dialog.show();
  }
  AppContext ctx;
  TfrmBackup dialog;
};

qint64 accounts(Fixture& f) { return f.db().scalar(QStringLiteral("SELECT count(*) FROM accounts")); }

}  // namespace

class TestBackupDialog : public QObject {
  Q_OBJECT
 private slots:
  void showingProposesTodaysArchiveAndMakesTheFolder() {
    Fixture f(QDate(2010, 3, 7));
    const QString folder = f.dir() + QStringLiteral("/backup/");
    QVERIFY(!QDir(folder).exists());
    Dialog d(f);
    QVERIFY(QDir(folder).exists());
    QCOMPARE(d.dialog.edtbackup->text(), folder + QStringLiteral("vorn-03-07-2010.zip"));
    QCOMPARE(d.dialog.edtRestore->text(), folder);  // nothing to restore yet
    QCOMPARE(d.dialog.windowTitle(), QStringLiteral("VORN - Backup/Restore"));
  }

  void backupNameRules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("written");  // relative to the program folder; "" = none
    QTest::newRow("empty") << QStringLiteral("  ") << QStringLiteral("Please Fill filename.") << QString();
    QTest::newRow("no extension") << QStringLiteral("mine") << QStringLiteral("Backup Successfull")
                                  << QStringLiteral("mine.zip");
    QTest::newRow("upper case") << QStringLiteral("MINE.ZIP") << QStringLiteral("Backup Successfull")
                                << QStringLiteral("MINE.ZIP");
    QTest::newRow("rar") << QStringLiteral("mine.rar") << QStringLiteral("File extension must be in zip file")
                         << QString();
  }
  void backupNameRules() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, written);
    Fixture f;
    Dialog d(f);
    const QString field = typed.trimmed().isEmpty() ? typed : f.dir() + QLatin1Char('/') + typed;
    d.dialog.edtbackup->setText(field);
    d.dialog.BitBtn2Click();
    QCOMPARE(f.prompter().texts(), QStringList{message});
    if (!written.isEmpty()) {
      QVERIFY(QFile::exists(f.dir() + QLatin1Char('/') + written));
      QCOMPARE(d.dialog.edtbackup->text(), f.dir() + QLatin1Char('/') + written);
      QCOMPARE(d.dialog.ProgressBar1->value(), 0);
    }
    QCOMPARE(QDir(f.dir()).entryList({QStringLiteral("*.zip"), QStringLiteral("*.ZIP"), QStringLiteral("*.rar")},
                                     QDir::Files).size(),
             written.isEmpty() ? 0 : 1);
  }

  void secondBackupOfTheDayAsksBeforeOverwriting() {
    Fixture f;
    Dialog d(f);
    const QString archive = d.dialog.edtbackup->text();
    d.dialog.BitBtn2Click();
    QCOMPARE(d.dialog.edtRestore->text(), archive);  // the new archive is proposed for a restore
    const QByteArray first = readAll(archive);
    f.addAccount(QStringLiteral("Later"));
    const QString question = QStringLiteral("A back up file of the same name exists, do you want to overwrite?");

    f.prompter().clear();
    f.prompter().queueAnswer(Answer::No);
    d.dialog.BitBtn2Click();
    QCOMPARE(f.prompter().texts(), QStringList{question});
    QCOMPARE(readAll(archive), first);

    f.prompter().clear();
    f.prompter().queueAnswer(Answer::Yes);
    d.dialog.BitBtn2Click();
    QCOMPARE(f.prompter().texts(), (QStringList{question, QStringLiteral("Backup Successfull")}));
    QVERIFY(readAll(archive) != first);
  }

  void browsingForAFolderKeepsTodaysName_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected");
    QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/vorn-03-10-2010.zip");
    QTest::newRow("folder") << QStringLiteral("/mnt/usb") << QStringLiteral("/mnt/usb/vorn-03-10-2010.zip");
    QTest::newRow("cancelled") << QString() << QString();
  }
  void browsingForAFolderKeepsTodaysName() {
    QFETCH(QString, chosen);
    QFETCH(QString, expected);
    Fixture f;
    Dialog d(f);
    const QString before = d.dialog.edtbackup->text();
    f.prompter().queueFile(chosen);
    d.dialog.BitBtn1Click();
    QCOMPARE(d.dialog.edtbackup->text(), expected.isEmpty() ? before : expected);
  }

  void restoreRefusals_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QString() << QStringLiteral("Please Fill filename.");
    QTest::newRow("rar") << QStringLiteral("/tmp/x.rar") << QStringLiteral("File extension must be in zip file");
    QTest::newRow("missing") << QStringLiteral("/nowhere/vorn-01-01-2010") << QStringLiteral("File not Exist");
  }
  void restoreRefusals() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Fixture f;
    Dialog d(f);
    d.dialog.edtRestore->setText(typed);
    d.dialog.BitBtn4Click();
    QCOMPARE(f.prompter().texts(), QStringList{message});
    QVERIFY(!d.dialog.restored());
    if (message == QStringLiteral("File not Exist")) QCOMPARE(d.dialog.edtRestore->text(), typed + QStringLiteral(".zip"));
  }

  void restoreAsksThenReplacesTheData() {
    Fixture f;
    f.addAccount(QStringLiteral("In the archive"));
    Dialog d(f);
    d.dialog.BitBtn2Click();
    f.db().exec(QStringLiteral("DELETE FROM accounts"));
    const QString question = QStringLiteral(
        "You are about to restore a backup of your data which will overwrite your current data \u2013 do you want "
        "to continue Y/N?");

    f.prompter().clear();
    f.prompter().queueAnswer(Answer::No);
    d.dialog.BitBtn4Click();
    QCOMPARE(f.prompter().texts(), QStringList{question});
    QCOMPARE(accounts(f), qint64(0));

    f.prompter().clear();
    f.prompter().queueAnswer(Answer::Yes);
    d.dialog.BitBtn4Click();
    QCOMPARE(f.prompter().texts(), (QStringList{question, QStringLiteral("Restore Successfull")}));
    QVERIFY(d.dialog.restored());
    QVERIFY(f.data().isOpen());
    QCOMPARE(accounts(f), qint64(1));
    QCOMPARE(d.dialog.ProgressBar2->value(), 0);
  }

  void failedRestoreShowsTheArchiversMessage() {
    Fixture f;
    f.addAccount(QStringLiteral("Current"));
    Dialog d(f);
    const QString archive = f.dir() + QStringLiteral("/backup/vorn-broken.zip");
    QFile file(archive);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not an archive at all");
    file.close();
    const QByteArray before = readAll(f.dataFile());
    d.dialog.edtRestore->setText(archive);
    d.dialog.BitBtn4Click();
    QCOMPARE(f.prompter().lastText(), QStringLiteral("Not a zip archive"));
    QVERIFY(!d.dialog.restored());
    QCOMPARE(readAll(f.dataFile()), before);
    QCOMPARE(accounts(f), qint64(1));
  }

  void progressBarMovesAndTheWindowRepaints() {
    Fixture f;
    f.db().exec(QStringLiteral("CREATE TABLE filler (b BLOB);"));
    for (int i = 0; i < 30; ++i) f.db().exec(QStringLiteral("INSERT INTO filler VALUES (randomblob(100000));"));
    Dialog d(f);
    QList<int> values;
    connect(d.dialog.ProgressBar1, &QProgressBar::valueChanged, this, [&](int v) { values << v; });
    // Pending events run while the work goes on: a queued call lands before the end.
    bool ranDuring = false;
    QTimer::singleShot(0, this, [&] { ranDuring = d.dialog.busy(); });
    d.dialog.BitBtn2Click();
    QVERIFY(ranDuring);
    QVERIFY2(std::count_if(values.begin(), values.end(), [](int v) { return v > 0 && v < 100; }) >= 3,
             qPrintable(QString::number(values.size())));
    QCOMPARE(d.dialog.ProgressBar1->value(), 0);
  }

  void helpOpensItsContext() {
    Fixture f;
    TfrmMain main(f.clock(), f.prompter(), f.folder());
    TfrmBackup dialog(main.context(), &main);
    dialog.btnHelpClick();
    HelpWindow* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* h = qobject_cast<HelpWindow*>(w)) help = h;
    }
    QVERIFY(help);
    QCOMPARE(help->lastContext(), 1025);
  }

  // From the start page's button: after a restore the main window is connected to the
  // restored file and the page is built afresh from it.
  void restoreFromTheStartPageRebuildsThePage() {
    Fixture f;
    TfrmMain main(f.clock(), f.prompter(), f.folder());
    main.ShowPage(0);
    auto* start = qobject_cast<TfraStart*>(main.currentPage());
    QVERIFY(start);
    QVERIFY(!start->btnBackup->isHidden());
    QVERIFY(!start->lbReminder2->text().isEmpty());

    // An archive of a complete setup.
    Fixture complete;
    complete.addAccount(QStringLiteral("Current"));
    for (int type : {2, 3}) {
      const int item = complete.addItem(type == 2 ? QStringLiteral("Salary") : QStringLiteral("Food"), type);
      complete.db().prepare(QStringLiteral("UPDATE items SET budgetFrequency = 2, budgetStartDate = 40000, "
                                           "budgetAmount = 10 WHERE itemID = :i")).bind(":i", item).execute();
    }
    const QString archive = f.dir() + QStringLiteral("/complete.zip");
    BackupDatabase(complete.data(), archive);

    const int serial = start->instanceSerial();
    f.prompter().queueAnswer(Answer::Yes);
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<TfrmBackup*>(QApplication::activeModalWidget());
      if (!dialog) return;
      driven = true;
      dialog->edtRestore->setText(archive);
      dialog->BitBtn4Click();
      dialog->BitBtn5->click();
    });
    start->btnBackup->click();
    QVERIFY(driven);
    QVERIFY(main.dmData().isOpen());
    QCOMPARE(main.dmData().db().scalar(QStringLiteral("SELECT count(*) FROM accounts")), qint64(1));
    auto* fresh = qobject_cast<TfraStart*>(main.currentPage());
    QVERIFY(fresh);
    QVERIFY(fresh->instanceSerial() != serial);
    QVERIFY(fresh->lbReminder2->text().isEmpty());
  }

  void commandLine() {
    Fixture f(QDate(2010, 3, 7));
    f.addAccount(QStringLiteral("Current"));
    const CommandEnv env{f.folder(), f.clock()};
    QCOMPARE(RunBackupCommand({}, env), 0);
    const QString archive = f.dir() + QStringLiteral("/backup/vorn-03-07-2010.zip");
    QVERIFY(QFile::exists(archive));
    QCOMPARE(RunBackupCommand({f.dir() + QStringLiteral("/x.rar")}, env), 1);
    QCOMPARE(RunBackupCommand({QStringLiteral("a"), QStringLiteral("b")}, env), 2);

    f.db().exec(QStringLiteral("DELETE FROM accounts"));
    QCOMPARE(RunRestoreCommand({f.dir() + QStringLiteral("/missing.zip")}, env), 1);
    QCOMPARE(RunRestoreCommand({}, env), 2);
    QCOMPARE(accounts(f), qint64(0));
    QCOMPARE(RunRestoreCommand({archive}, env), 0);
    // The fixture's connection still has the replaced file open; a new one sees the restore.
    TdmData fresh(f.prompter(), f.clock());
    fresh.OpenDatabase(f.dataFile());
    QCOMPARE(fresh.db().scalar(QStringLiteral("SELECT count(*) FROM accounts")), qint64(1));
  }
};

QTEST_MAIN(TestBackupDialog)
#include "test_backupdialog.moc"
