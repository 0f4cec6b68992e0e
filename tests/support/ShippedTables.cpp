#include "support/ShippedTables.h"

#include "startup/Main.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QStringList>

#include <map>

namespace testing_support {
namespace {

struct StrokeTable {
  QString text;
  bool fromTemplate = false;
};

QString tableFromData() {
  QFile file(QStringLiteral(TAVORIN_SOURCE_DIR "/data/stroke-dictionary.tsv"));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  std::map<int, QString> rows;  // 序号 -> character & strokes & "&"
  const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
  for (qsizetype i = 1; i < lines.size(); ++i) {  // line 0 names the columns
    const QStringList f = lines[i].trimmed().split(u'\t');
    if (f.size() >= 4) rows[f[0].toInt()] = f[1] + f[3] + u'&';
  }
  QString table;
  for (const auto& [key, row] : rows) table += row;
  return table;
}

const StrokeTable& strokeTable() {
  static const StrokeTable table = [] {
    TempFolder folder;
    ScriptedDialogs dialogs;
    startup::StartupEnvironment env;
    env.drives = folder.drives();
    env.stationCode = "T1";
    StrokeTable t;
    t.text = startup::Main(env, dialogs).StrokeCodeTable;
    t.fromTemplate = !t.text.isEmpty();
    if (!t.fromTemplate) t.text = tableFromData();
    return t;
  }();
  return table;
}

}  // namespace

const QString& shippedStrokeCodeTable() { return strokeTable().text; }

bool strokeTableFromTemplate() { return strokeTable().fromTemplate; }

}  // namespace testing_support
