#include <cstdio>

#include "app/commands.h"

namespace pk {

int RunExportCommand(const QStringList&, const CommandEnv&) {
  std::fprintf(stderr, "export is not available in this build\n");
  return 2;
}

}  // namespace pk
