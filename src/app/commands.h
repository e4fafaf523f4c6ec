#pragma once
// Subcommands of the program's command line. Each returns the exit code and
// prints failures on stderr.
#include <QStringList>

#include "core/clock.h"
#include "core/programfolder.h"

namespace pk {

struct CommandEnv {
  ProgramFolder folder;
  Clock clock;
};

int RunBackupCommand(const QStringList& args, const CommandEnv& env);   // backup [ARCHIVE]
int RunRestoreCommand(const QStringList& args, const CommandEnv& env);  // restore ARCHIVE
int RunExportCommand(const QStringList& args, const CommandEnv& env);   // export WHAT FILE

}  // namespace pk
