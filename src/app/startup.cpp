#include "app/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/commands.h"
#include "app/programlayout.h"
#include "app/qtprompter.h"
#include "app/tfrabasframe.h"
#include "app/tfrmmain.h"
#include "app/tfrmopenpassword.h"
#include "app/tfrmsplash.h"

namespace pk {

QString ApplicationTitle(bool passwordAsked) {
  return passwordAsked ? QStringLiteral("Pursekeep  v0811") : QStringLiteral("Pursekeep ");
}

GateOutcome RunOpenPasswordGate(const ProgramFolder& folder, const Clock& clock, Prompter& prompter) {
  auto gateData = std::make_unique<TdmData>(prompter, clock);
  bool asks = false;
  try {
    gateData->OpenDatabase(folder.dataFile());
    asks = gateData->UsesPassword();
  } catch (const DbError& e) {
    prompter.message(MessageKind::Error, e.text());
    return {GateResult::Failed, QString()};
  }
  if (!asks) return {GateResult::Open, ApplicationTitle(false)};

  TfrmOpenPassword gate(std::move(gateData), prompter);
  if (gate.exec() == QDialog::Accepted) return {GateResult::Open, ApplicationTitle(true)};
  return {GateResult::Cancelled, QString()};
}

namespace {

void useProgramFonts(QApplication& app) {
  // Liberation Sans stands in for Arial and DejaVu Sans for Verdana.
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  app.setFont(font);
}

// Shows the main window at a page, grabs it into a picture and ends.
int takeScreenshot(const ProgramFolder& folder, int page, const QString& file) {
  Clock clock = Clock::fromEnvironment();
  ScriptedPrompter prompter;
  prompter.echo = true;
  std::unique_ptr<TfrmMain> main;
  try {
    main = std::make_unique<TfrmMain>(clock, prompter, folder);
  } catch (const DbError& e) {
    std::fprintf(stderr, "%s\n", qPrintable(e.text()));
    return 1;
  }
  main->CurrentPage = page;
  main->show();
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 400) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  if (!main->grab().save(file)) {
    std::fprintf(stderr, "Could not write %s\n", qPrintable(file));
    return 1;
  }
  return 0;
}

int runProgram(QApplication& app, const ProgramFolder& folder, int startPage) {
  Clock clock = Clock::fromEnvironment();
  QtPrompter prompter;

  const GateOutcome gate = RunOpenPasswordGate(folder, clock, prompter);
  if (gate.result == GateResult::Failed) return 1;
  if (gate.result == GateResult::Cancelled) return 0;

  auto splash = std::make_unique<TfrmSplash>();
  splash->show();
  splash->repaint();
  QCoreApplication::processEvents();
  app.setProperty("applicationTitle", gate.title);

  std::unique_ptr<TfrmMain> main;
  try {
    main = std::make_unique<TfrmMain>(clock, prompter, folder);
  } catch (const DbError& e) {
    splash.reset();
    prompter.message(MessageKind::Error, e.text());
    return 1;
  }
  prompter.setParentWindow(main.get());
  while (!splash->CloseQuery()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
  splash.reset();

  main->CurrentPage = startPage;
  main->show();
  return app.exec();
}

bool wantsOffscreen(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    if (a == "--screenshot" || a == "init" || a == "backup" || a == "restore" || a == "export" ||
        a == "--help" || a == "-h" || a == "--version" || a == "-v") {
      return true;
    }
  }
  return false;
}

}  // namespace

int RunPursekeep(int argc, char** argv) {
  if (wantsOffscreen(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pursekeep"));
  QApplication::setApplicationVersion(QStringLiteral("0.8.14"));
  useProgramFonts(app);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Pursekeep, household budgeting.\n\n"
      "Commands:\n"
      "  init DIR                 lay out a program folder (data file, pictures, manual)\n"
      "  backup [ARCHIVE]         back the data file up into a password zip archive\n"
      "  restore ARCHIVE          restore the data file from a backup archive\n"
      "  export annual-budget FILE.pdf   write the annual budget report as PDF\n\n"
      "Environment:\n"
      "  PURSEKEEP_HOME           the program folder (instead of the executable's)\n"
      "  PURSEKEEP_TODAY          today's date as YYYY-MM-DD, for demonstrations and tests"));
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Use DIR as the program folder."),
                          QStringLiteral("DIR"));
  QCommandLineOption page(QStringLiteral("page"), QStringLiteral("Open at page N (0-14)."),
                          QStringLiteral("N"));
  QCommandLineOption shot(QStringLiteral("screenshot"),
                          QStringLiteral("Save a picture of the window at --page and end."),
                          QStringLiteral("FILE.png"));
  parser.addOption(home);
  parser.addOption(page);
  parser.addOption(shot);
  parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("init, backup, restore or export"));
  parser.process(app);

  const ProgramFolder folder =
      ProgramFolder::resolve(parser.value(home), QCoreApplication::applicationDirPath());
  QStringList args = parser.positionalArguments();

  if (!args.isEmpty()) {
    const QString command = args.takeFirst();
    CommandEnv env{folder, Clock::fromEnvironment()};
    if (command == QStringLiteral("init")) {
      if (args.size() != 1) {
        std::fprintf(stderr, "usage: pursekeep init DIR\n");
        return 2;
      }
      QString error;
      if (!LayOutProgramFolder(args.first(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
      }
      return 0;
    }
    if (command == QStringLiteral("backup")) return RunBackupCommand(args, env);
    if (command == QStringLiteral("restore")) return RunRestoreCommand(args, env);
    if (command == QStringLiteral("export")) return RunExportCommand(args, env);
    std::fprintf(stderr, "unknown command %s (see --help)\n", qPrintable(command));
    return 2;
  }

  int startPage = 0;
  if (parser.isSet(page)) {
    bool ok = false;
    startPage = parser.value(page).toInt(&ok);
    if (!ok || startPage < 0 || startPage > 14) {
      std::fprintf(stderr, "--page takes a number from 0 to 14\n");
      return 2;
    }
  }
  if (parser.isSet(shot)) return takeScreenshot(folder, startPage, parser.value(shot));
  return runProgram(app, folder, startPage);
}

}  // namespace pk
