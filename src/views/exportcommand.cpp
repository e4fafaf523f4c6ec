#include <QFileInfo>
#include <cstdio>

#include "app/commands.h"
#include "core/store/tdmdata.h"
#include "views/annualbudgetreport.h"

namespace pk {

namespace {

// Messages the report would show go to stderr; they do not stop the export.
class StderrPrompter : public ScriptedPrompter {
 public:
  StderrPrompter() { echo = true; }
};

int usage() {
  std::fprintf(stderr, "usage: pursekeep export annual-budget FILE.pdf\n");
  return 2;
}

}  // namespace

int RunExportCommand(const QStringList& args, const CommandEnv& env) {
  if (args.size() != 2) return usage();
  const QString what = args.at(0);
  const QString file = args.at(1);
  if (what != QStringLiteral("annual-budget")) {
    std::fprintf(stderr, "unknown report %s (known: annual-budget)\n", qPrintable(what));
    return 2;
  }
  if (QFileInfo(file).isDir()) {
    std::fprintf(stderr, "%s is a folder, not a file name\n", qPrintable(file));
    return 1;
  }
  StderrPrompter prompter;
  TdmData data(prompter, env.clock);
  try {
    data.OpenDatabase(env.folder.dataFile());
    const report::Document document = PrepareAnnualBudgetDocument(data, prompter, AnnualBudgetSource::ViewPage);
    QString error;
    if (!document.writePdf(file, &error)) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return 1;
    }
  } catch (const DbError& e) {
    std::fprintf(stderr, "%s\n", qPrintable(e.text()));
    return 1;
  }
  return 0;
}

}  // namespace pk
