// Backup archives: the proposed names, the checks on typed names, the archive's
// format as Info-ZIP reads it, and restores that never leave a broken data file.
#include <QDir>
#include <algorithm>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sqlcipher/sqlite3.h>
#include <sys/resource.h>
#include <zip.h>

#include "core/backup/backup.h"
#include "fixture.h"

using namespace pk;
using pk::test::Fixture;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

void setModified(const QString& path, const QDateTime& when) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::ReadWrite));
  QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
}

QString tool(const char* name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }

// Runs a program in a folder; returns its exit code, with its output in *out.
int run(const QString& program, const QStringList& args, const QString& folder = {}, QByteArray* out = nullptr) {
  QProcess p;
  if (!folder.isEmpty()) p.setWorkingDirectory(folder);
  p.start(program, args);
  if (!p.waitForFinished(60000)) return -1;
  if (out) *out = p.readAllStandardOutput();
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

qint64 accounts(TdmData& data) { return data.db().scalar(QStringLiteral("SELECT count(*) FROM accounts")); }

// The files of a folder other than the data file and its archives: a restore
// leaves no temporary file behind.
QStringList leftovers(const QString& folder) {
  QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
  names.removeAll(QStringLiteral("data.mdb"));
  return names.filter(QStringLiteral("data.mdb"));
}

}  // namespace

class TestBackup : public QObject {
  Q_OBJECT
 private slots:
  void proposedNames() {
    QCOMPARE(DefaultBackupName(QDate(2010, 3, 7)), QStringLiteral("vorn-03-07-2010.zip"));
    QCOMPARE(DefaultBackupName(QDate(2011, 12, 25)), QStringLiteral("vorn-12-25-2011.zip"));
    QCOMPARE(DefaultBackupFolder(QStringLiteral("/home/ann/pk/data.mdb")), QStringLiteral("/home/ann/pk/backup/"));
    // A chosen folder and the name meet with exactly one separator.
    QCOMPARE(JoinBackupPath(QStringLiteral("/"), QStringLiteral("vorn-03-07-2010.zip")),
             QStringLiteral("/vorn-03-07-2010.zip"));
    QCOMPARE(JoinBackupPath(QStringLiteral("/mnt/usb"), QStringLiteral("a.zip")), QStringLiteral("/mnt/usb/a.zip"));
  }

  void crc32KnownValuesAndPieces() {
    QCOMPARE(Crc32(0, "", 0), 0u);
    QCOMPARE(Crc32(0, "a", 1), 0xE8B7BE43u);
    QCOMPARE(Crc32(0, "123456789", 9), 0xCBF43926u);
    // Continued over uneven pieces it gives the CRC of the whole.
    QByteArray bytes(1000, Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i) bytes[i] = char(i * 7 + i / 13);
    const quint32 whole = Crc32(0, bytes.constData(), bytes.size());
    quint32 pieces = 0;
    for (int at = 0, n = 1; at < bytes.size(); at += n, n = n * 3 % 17 + 1) {
      pieces = Crc32(pieces, bytes.constData() + at, qMin<qint64>(n, bytes.size() - at));
    }
    QCOMPARE(pieces, whole);
  }

  void typedNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("after");
    const int none = int(ArchiveNameProblem::None), empty = int(ArchiveNameProblem::Empty),
              notZip = int(ArchiveNameProblem::NotZip);
    QTest::newRow("empty") << QString() << empty << QString();
    QTest::newRow("blanks") << QStringLiteral("   ") << empty << QStringLiteral("   ");
    QTest::newRow("no extension") << QStringLiteral("/b/mine") << none << QStringLiteral("/b/mine.zip");
    QTest::newRow("dot in folder only") << QStringLiteral("/b.old/mine") << none << QStringLiteral("/b.old/mine.zip");
    QTest::newRow("upper case") << QStringLiteral("/b/MINE.ZIP") << none << QStringLiteral("/b/MINE.ZIP");
    QTest::newRow("other extension") << QStringLiteral("/b/mine.rar") << notZip << QStringLiteral("/b/mine.rar");
    QTest::newRow("zip not last") << QStringLiteral("/b/mine.zip.bak") << notZip << QStringLiteral("/b/mine.zip.bak");
  }
  void typedNames() {
    QFETCH(QString, typed);
    QFETCH(int, problem);
    QFETCH(QString, after);
    QCOMPARE(int(CheckArchiveName(typed)), problem);
    QCOMPARE(typed, after);
  }

  void latestBackupByModificationTime() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/backup/");
    QCOMPARE(ProposeLatestBackup(folder), std::nullopt);  // no folder to search
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(ProposeLatestBackup(folder), std::optional<QString>(folder));  // nothing found

    // In name order the times are 5 January, 1 February, 10 January: the dates in the
    // names play no part.
    const struct { const char* name; QDate modified; } files[] = {
        {"vorn-01-01-2010.zip", QDate(2010, 1, 5)},
        {"vorn-01-02-2010.zip", QDate(2010, 2, 1)},
        {"vorn-12-31-2010.zip", QDate(2010, 1, 10)},
        {"other.zip", QDate(2011, 1, 1)},  // not matched by vorn*
    };
    for (const auto& f : files) {
      writeFile(folder + QLatin1String(f.name), "x");
      setModified(folder + QLatin1String(f.name), QDateTime(f.modified, QTime(12, 0)));
    }
    QVERIFY(QDir().mkpath(folder + QStringLiteral("vorn-sub")));
    QCOMPARE(ProposeLatestBackup(folder), std::optional<QString>(folder + QStringLiteral("vorn-01-02-2010.zip")));

    // Equal times: the first in name order wins.
    setModified(folder + QStringLiteral("vorn-01-01-2010.zip"), QDateTime(QDate(2010, 2, 1), QTime(12, 0)));
    QCOMPARE(ProposeLatestBackup(folder), std::optional<QString>(folder + QStringLiteral("vorn-01-01-2010.zip")));
  }

  void archiveFormat() {
    Fixture f;
    const QString archive = f.dir() + QStringLiteral("/a.zip");
    BackupDatabase(f.data(), archive);

    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &code);
    QVERIFY(z);
    QCOMPARE(zip_get_num_entries(z, 0), zip_int64_t(1));
    zip_stat_t st;
    QCOMPARE(zip_stat_index(z, 0, 0, &st), 0);
    QCOMPARE(QByteArray(st.name), QByteArray("data.mdb"));
    QCOMPARE(int(st.encryption_method), ZIP_EM_TRAD_PKWARE);
    QCOMPARE(int(st.comp_method), ZIP_CM_DEFLATE);
    QCOMPARE(qint64(st.size), QFileInfo(f.dataFile()).size());
    zip_discard(z);

    // The raw headers: encrypted, no UTF-8 name flag, no Zip64 records or fields.
    const QByteArray bytes = readAll(archive);
    QVERIFY(bytes.startsWith("PK\x03\x04"));
    const quint16 flags = quint8(bytes[6]) | quint8(bytes[7]) << 8;
    QVERIFY(flags & 0x0001);
    QVERIFY(!(flags & 0x0800));
    QVERIFY(!bytes.contains(QByteArray("PK\x06\x06", 4)));
    QVERIFY(!bytes.contains(QByteArray("PK\x06\x07", 4)));
    const int nameLength = quint8(bytes[26]) | quint8(bytes[27]) << 8;
    const int extraLength = quint8(bytes[28]) | quint8(bytes[29]) << 8;
    QCOMPARE(bytes.mid(30, nameLength), QByteArray("data.mdb"));
    for (int at = 30 + nameLength; at + 4 <= 30 + nameLength + extraLength;) {
      const int id = quint8(bytes[at]) | quint8(bytes[at + 1]) << 8;
      QVERIFY(id != 0x0001);
      at += 4 + (quint8(bytes[at + 2]) | quint8(bytes[at + 3]) << 8);
    }
  }

  void infoZipReadsOurArchive() {
    if (tool("unzip").isEmpty()) QSKIP("unzip is not installed");
    Fixture f;
    f.addAccount(QStringLiteral("Current"), 10);
    const QString archive = f.dir() + QStringLiteral("/ours.zip");
    BackupDatabase(f.data(), archive);
    QCOMPARE(run(tool("unzip"), {QStringLiteral("-tqq"), QStringLiteral("-P"), QStringLiteral("qelvat"), archive}), 0);
    QByteArray extracted;
    QCOMPARE(run(tool("unzip"), {QStringLiteral("-p"), QStringLiteral("-P"), QStringLiteral("qelvat"), archive,
                                 QStringLiteral("data.mdb")}, {}, &extracted), 0);
    QCOMPARE(extracted, readAll(f.dataFile()));
    // Another password does not open it.
    QVERIFY(run(tool("unzip"), {QStringLiteral("-tqq"), QStringLiteral("-P"), QStringLiteral("qelvaT"), archive}) != 0);
  }

  void restoresAnInfoZipArchive() {
    if (tool("zip").isEmpty()) QSKIP("zip is not installed");
    Fixture f;
    f.addAccount(QStringLiteral("Kept in the archive"));
    const QString archive = f.dir() + QStringLiteral("/backup/theirs.zip");
    QVERIFY(QDir().mkpath(f.dir() + QStringLiteral("/backup")));
    QCOMPARE(run(tool("zip"), {QStringLiteral("-q9"), QStringLiteral("-P"), QStringLiteral("qelvat"), archive,
                               QStringLiteral("data.mdb")}, f.dir()), 0);
    const QByteArray archived = readAll(f.dataFile());
    f.db().exec(QStringLiteral("DELETE FROM accounts"));
    f.data().SetPassword(QStringLiteral("later"));

    RestoreDatabase(f.data(), archive);
    QVERIFY(f.data().isOpen());
    QCOMPARE(readAll(f.dataFile()), archived);
    QCOMPARE(accounts(f.data()), qint64(1));
    QVERIFY(!f.data().UsesPassword());  // the options are the archive's too
    QVERIFY(leftovers(f.dir()).isEmpty());
  }

  void roundTripKeepsEveryTable() {
    Fixture f;
    const int acc = f.addAccount(QStringLiteral("Current"), 100);
    const int item = f.addItem(QStringLiteral("Salary"), 2);
    f.addTransaction(acc, item, 1234.5678, 40300);
    f.data().MarkStartDateSelected();
    const QString archive = f.dir() + QStringLiteral("/backup.zip");
    BackupDatabase(f.data(), archive);
    f.db().exec(QStringLiteral("DELETE FROM transactions; DELETE FROM items; UPDATE options SET selectdate = 0"));

    RestoreDatabase(f.data(), archive);
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT amount FROM transactions")), qint64(12345678));
    QCOMPARE(f.db().scalar(QStringLiteral("SELECT count(*) FROM items")), qint64(1));
    QVERIFY(f.data().IsStartDateSelected());
  }

  // Each damaged or foreign archive fails with the archiver's message and leaves the
  // data file byte for byte as it was, with the program still connected to it.
  void failedRestoreLeavesDataFileAlone_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("wrong password") << QStringLiteral("password");
    QTest::newRow("no data.mdb entry") << QStringLiteral("entry");
    QTest::newRow("truncated") << QStringLiteral("truncated");
    QTest::newRow("damaged data") << QStringLiteral("flipped");
    QTest::newRow("not a data file") << QStringLiteral("foreign");
    QTest::newRow("not a zip") << QStringLiteral("garbage");
  }
  void failedRestoreLeavesDataFileAlone() {
    QFETCH(QString, damage);
    Fixture f;
    f.addAccount(QStringLiteral("Current"));
    const QString archive = f.dir() + QStringLiteral("/bad.zip");
    const QString work = f.dir() + QStringLiteral("/work");
    QVERIFY(QDir().mkpath(work));
    if (damage == QStringLiteral("password") || damage == QStringLiteral("entry") ||
        damage == QStringLiteral("foreign")) {
      if (tool("zip").isEmpty()) QSKIP("zip is not installed");
      QString entry = QStringLiteral("data.mdb");
      QString password = QStringLiteral("qelvat");
      if (damage == QStringLiteral("password")) {
        QVERIFY(QFile::copy(f.dataFile(), work + QStringLiteral("/data.mdb")));
        password = QStringLiteral("another");
      } else if (damage == QStringLiteral("entry")) {
        QVERIFY(QFile::copy(f.dataFile(), work + QStringLiteral("/other.mdb")));
        entry = QStringLiteral("other.mdb");
      } else {
        writeFile(work + QStringLiteral("/data.mdb"), QByteArray(8192, 'x'));
      }
      QCOMPARE(run(tool("zip"), {QStringLiteral("-q9"), QStringLiteral("-P"), password, archive, entry}, work), 0);
    } else if (damage == QStringLiteral("garbage")) {
      writeFile(archive, QByteArray("PK this is no archive"));
    } else {
      f.db().exec(QStringLiteral("CREATE TABLE filler (b BLOB); INSERT INTO filler VALUES (randomblob(200000));"));
      BackupDatabase(f.data(), archive);
      QByteArray bytes = readAll(archive);
      if (damage == QStringLiteral("truncated")) {
        bytes.truncate(bytes.size() / 2);
      } else {
        bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x55);
      }
      writeFile(archive, bytes);
    }
    f.db().exec(QStringLiteral("INSERT INTO accounts (name) VALUES ('After the backup')"));
    const QByteArray before = readAll(f.dataFile());

    QString message;
    try {
      RestoreDatabase(f.data(), archive);
    } catch (const ArchiveError& e) {
      message = e.text();
    }
    QVERIFY2(!message.isEmpty(), "the restore must fail");
    if (damage == QStringLiteral("password")) QCOMPARE(message, QStringLiteral("Wrong password provided"));
    QCOMPARE(readAll(f.dataFile()), before);
    QVERIFY(f.data().isOpen());
    QCOMPARE(accounts(f.data()), qint64(2));
    QVERIFY2(leftovers(f.dir()).isEmpty(), qPrintable(leftovers(f.dir()).join(QLatin1Char(' '))));
  }

  // A disk that fills up half way through: the file size limit stands in for it.
  void noRoomToWriteLeavesDataFileAlone() {
    Fixture f;
    f.db().exec(QStringLiteral("CREATE TABLE filler (b BLOB); INSERT INTO filler VALUES (randomblob(400000));"));
    const QString archive = f.dir() + QStringLiteral("/a.zip");
    BackupDatabase(f.data(), archive);
    f.addAccount(QStringLiteral("After the backup"));
    const QByteArray before = readAll(f.dataFile());

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100000;
    setrlimit(RLIMIT_FSIZE, &small);
    QString message;
    try {
      RestoreDatabase(f.data(), archive);
    } catch (const ArchiveError& e) {
      message = e.text();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    // The system's own reason reaches the user.
    QVERIFY2(message.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(message));
    QCOMPARE(readAll(f.dataFile()), before);
    QVERIFY(f.data().isOpen());
    QCOMPARE(accounts(f.data()), qint64(1));
    QVERIFY(leftovers(f.dir()).isEmpty());
  }

  // The data file is copied as one consistent database: a write transaction of our
  // own is settled first, and no other connection can write while the file is read.
  void backupReadsAConsistentFile() {
    Fixture f;
    f.db().begin();
    f.db().exec(QStringLiteral("CREATE TABLE filler (b BLOB);"));
    for (int i = 0; i < 40; ++i) f.db().exec(QStringLiteral("INSERT INTO filler VALUES (randomblob(100000));"));
    f.addAccount(QStringLiteral("Written in the transaction"));

    bool probed = false;
    QString otherWriter;
    const QString archive = f.dir() + QStringLiteral("/a.zip");
    BackupDatabase(f.data(), archive, [&](int) {
      if (probed) return;
      probed = true;
      Db other;
      other.open(f.dataFile(), databaseKey());
      sqlite3_busy_timeout(other.handle(), 0);
      try {
        other.exec(QStringLiteral("INSERT INTO accounts (name) VALUES ('meanwhile')"));
      } catch (const DbError& e) {
        otherWriter = e.text();
      }
    });
    QVERIFY(probed);
    QVERIFY2(otherWriter.contains(QStringLiteral("locked")), qPrintable(otherWriter));
    QVERIFY(!f.db().inTransaction());

    const QString copy = f.dir() + QStringLiteral("/copy/data.mdb");
    QVERIFY(QDir().mkpath(f.dir() + QStringLiteral("/copy")));
    RestoreDataFile(archive, copy);
    TdmData restored(f.prompter(), f.clock());
    restored.OpenDatabase(copy);
    QCOMPARE(accounts(restored), qint64(1));
    QCOMPARE(restored.db().scalar(QStringLiteral("SELECT count(*) FROM filler")), qint64(40));
  }

  void progressMovesAndEndsAtHundred() {
    Fixture f;
    f.db().exec(QStringLiteral("CREATE TABLE filler (b BLOB);"));
    for (int i = 0; i < 20; ++i) f.db().exec(QStringLiteral("INSERT INTO filler VALUES (randomblob(100000));"));
    const QString archive = f.dir() + QStringLiteral("/a.zip");
    for (bool restore : {false, true}) {
      QList<int> seen;
      const ArchiveProgress note = [&seen](int p) { seen << p; };
      if (restore) RestoreDatabase(f.data(), archive, note); else BackupDatabase(f.data(), archive, note);
      QVERIFY2(seen.size() > 5, restore ? "restore" : "backup");
      QCOMPARE(seen.last(), 100);
      QVERIFY(std::is_sorted(seen.begin(), seen.end()));
    }
  }

  void restoreCreatesAMissingDataFile() {
    // Restoring is how a lost data file comes back: the file in place need not exist.
    Fixture f;
    f.addAccount(QStringLiteral("Current"));
    const QString archive = f.dir() + QStringLiteral("/a.zip");
    BackupDatabase(f.data(), archive);
    QTemporaryDir other;
    const QString lost = other.path() + QStringLiteral("/data.mdb");
    RestoreDataFile(archive, lost);
    QCOMPARE(readAll(lost), readAll(f.dataFile()));
  }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "test_backup.moc"
