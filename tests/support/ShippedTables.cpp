#include "support/ShippedTables.h"

#include "startup/Main.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace testing_support {

const QString& shippedStrokeCodeTable() {
  static const QString table = [] {
    TempFolder folder;
    ScriptedDialogs dialogs;
    startup::StartupEnvironment env;
    env.drives = folder.drives();
    env.stationCode = "T1";
    return startup::Main(env, dialogs).value().strokeCodeTable;
  }();
  return table;
}

}  // namespace testing_support
