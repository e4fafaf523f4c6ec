// Times backing up and restoring the data file of a large household, side by side
// with Info-ZIP's zip -9 -P and unzip -P on the same file, in one run.
//
//   bench_backup [DIR] [RUNS]   DIR: a program folder written by generate_household;
//                               without it one is generated in a temporary folder.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <sys/resource.h>
#include <functional>
#include <vector>

#include "core/backup/backup.h"
#include "core/clock.h"
#include "core/programfolder.h"
#include "core/prompter.h"
#include "core/store/tdmdata.h"

using namespace pk;

namespace {

QTextStream& out() {
  static QTextStream s(stdout);
  return s;
}

struct Times {
  double wall = 0, cpu = 0;
};

// Processor time of this process and of its finished children, in milliseconds.
double cpuMs() {
  rusage self{}, children{};
  getrusage(RUSAGE_SELF, &self);
  getrusage(RUSAGE_CHILDREN, &children);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(self.ru_utime) + ms(self.ru_stime) + ms(children.ru_utime) + ms(children.ru_stime);
}

Times timed(const std::function<void()>& work) {
  QElapsedTimer t;
  const double c = cpuMs();
  t.start();
  work();
  return {double(t.nsecsElapsed()) / 1e6, cpuMs() - c};
}

double median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

// Runs ours and theirs in turn (so a busy machine weighs on both alike) and prints
// the median wall-clock and processor times and their ratios.
void compare(const QString& what, int runs, const std::function<void()>& ours,
             const std::function<void()>& theirs) {
  std::vector<double> wallA, wallB, cpuA, cpuB;
  for (int i = 0; i < runs; ++i) {
    const Times a = timed(ours), b = timed(theirs);
    wallA.push_back(a.wall);
    cpuA.push_back(a.cpu);
    wallB.push_back(b.wall);
    cpuB.push_back(b.cpu);
  }
  const double x = median(wallA), y = median(wallB), cx = median(cpuA), cy = median(cpuB);
  out() << qSetFieldWidth(27) << Qt::left << what << qSetFieldWidth(0) << " wall: Pursekeep "
        << QString::number(x, 'f', 1) << " ms, Info-ZIP " << QString::number(y, 'f', 1) << " ms, ratio "
        << QString::number(x / y, 'f', 2) << "; processor: " << QString::number(cx, 'f', 1) << " / "
        << QString::number(cy, 'f', 1) << " ms, ratio " << QString::number(cx / cy, 'f', 2) << "\n";
  out().flush();
}

void runTool(const QString& program, const QStringList& args, const QString& folder) {
  QProcess p;
  p.setWorkingDirectory(folder);
  p.start(program, args);
  if (!p.waitForFinished(-1) || p.exitCode() != 0) {
    throw ArchiveError(QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(p.readAllStandardError())));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString zip = QStandardPaths::findExecutable(QStringLiteral("zip"));
  const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
  if (zip.isEmpty() || unzip.isEmpty()) {
    QTextStream(stderr) << "zip and unzip (Info-ZIP) are needed for the comparison\n";
    return 1;
  }
  QTemporaryDir tmp;
  QString dir = app.arguments().value(1);
  const int runs = std::max(1, app.arguments().value(2, QStringLiteral("7")).toInt());
  if (dir.isEmpty()) {
    dir = tmp.filePath(QStringLiteral("household"));
    const QString generator = QDir(app.applicationDirPath()).filePath(QStringLiteral("generate_household"));
    out() << "Generating 1 000 items and 60 000 transactions...\n";
    out().flush();
    if (QProcess::execute(generator, {dir, QStringLiteral("--items"), QStringLiteral("1000"),
                                      QStringLiteral("--transactions"), QStringLiteral("60000"),
                                      QStringLiteral("--today"), QStringLiteral("2010-03-10")}) != 0) {
      QTextStream(stderr) << "generate_household failed (build it with ninja -C build generate_household)\n";
      return 1;
    }
  }

  // Both tools work on copies in a scratch folder, so the household is left as it was.
  const ProgramFolder folder(tmp.filePath(QStringLiteral("work")));
  QDir().mkpath(folder.root());
  QFile::remove(folder.dataFile());
  if (!QFile::copy(ProgramFolder(dir).dataFile(), folder.dataFile())) {
    QTextStream(stderr) << "no data file in " << dir << "\n";
    return 1;
  }
  const QString ours = tmp.filePath(QStringLiteral("ours.zip"));
  const QString theirs = tmp.filePath(QStringLiteral("theirs.zip"));
  const QString unpacked = tmp.filePath(QStringLiteral("unpacked"));
  QDir().mkpath(unpacked);

  ScriptedPrompter prompter;
  const Clock clock(QDate(2010, 3, 10));
  TdmData data(prompter, clock);
  try {
    data.OpenDatabase(folder.dataFile());
    out() << "data file " << QString::number(QFileInfo(folder.dataFile()).size() / 1048576.0, 'f', 1) << " MB, "
          << runs << " runs each, median times\n";
    const auto zipIt = [&] {
      QFile::remove(theirs);
      runTool(zip, {QStringLiteral("-q9j"), QStringLiteral("-P"), BackupPassword(), theirs, folder.dataFile()},
              folder.root());
    };
    const auto unzipIt = [&] {
      runTool(unzip, {QStringLiteral("-qo"), QStringLiteral("-P"), BackupPassword(), theirs, QStringLiteral("-d"),
                      unpacked},
              folder.root());
    };
    compare(QStringLiteral("backup"), runs, [&] { BackupDatabase(data, ours); }, zipIt);
    out() << "archives: Pursekeep " << QFileInfo(ours).size() << " bytes, Info-ZIP " << QFileInfo(theirs).size()
          << " bytes\n";
    // The archive's part of a restore: extract, check the CRC and the key, replace.
    data.CloseDatabase();
    compare(QStringLiteral("restore (the data file)"), runs, [&] { RestoreDataFile(ours, folder.dataFile()); },
            unzipIt);
    // As the dialog does it, closing and reconnecting the data module around it.
    data.OpenDatabase(folder.dataFile());
    compare(QStringLiteral("restore with reconnecting"), runs, [&] { RestoreDatabase(data, ours); }, unzipIt);
  } catch (const DbError& e) {
    QTextStream(stderr) << e.text() << "\n";
    return 1;
  } catch (const ArchiveError& e) {
    QTextStream(stderr) << e.text() << "\n";
    return 1;
  }
  return 0;
}
