#include <cstdio>

#include "app/commands.h"

namespace pk {

int RunBackupCommand(const QStringList&, const CommandEnv&) {
  std::fprintf(stderr, "backup is not available in this build\n");
  return 2;
}

int RunRestoreCommand(const QStringList&, const CommandEnv&) {
  std::fprintf(stderr, "restore is not available in this build\n");
  return 2;
}

}  // namespace pk
