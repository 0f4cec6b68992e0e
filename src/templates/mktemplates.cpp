// Build-time generator of the three template database files that the program carries:
// the schema from src/templates/*.sql, the shipped rows from the SQL and from data/.
//
//   tavorin-mktemplates <templates source dir> <data dir> <output dir>
#include "store/Database.h"
#include "store/RecordNameIndex.h"
#include "templates/ShippedRows.h"

#include <SQLiteCpp/Transaction.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <stdexcept>

namespace {

QString readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
  return QString::fromUtf8(file.readAll());
}

void makeTemplate(const QString& sqlPath, const QString& outPath, templates::TemplateFile kind,
                  const QString& dataDir) {
  const QString temporary = outPath + ".tmp";
  QFile::remove(temporary);
  {
    store::Database db(temporary, store::Database::Mode::Create);
    db.exec("PRAGMA page_size = 4096");
    SQLite::Transaction transaction(db.sql());
    db.exec(readAll(sqlPath));
    templates::loadShippedRows(kind, db, dataDir);
    transaction.commit();
    // The history search's index, made as start-up makes it on a file that lacks it.
    if (kind == templates::TemplateFile::Main) store::ensureRecordNameIndex(db);
    db.exec("VACUUM");
  }
  QFile::remove(outPath);
  if (!QFile::rename(temporary, outPath)) throw std::runtime_error("cannot write " + outPath.toStdString());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: tavorin-mktemplates <templates dir> <data dir> <output dir>\n");
    return 2;
  }
  const QDir source(args[1]);
  const QString dataDir = args[2];
  const QDir out(args[3]);
  try {
    makeTemplate(source.filePath("main.sql"), out.filePath("main.dat"), templates::TemplateFile::Main, dataDir);
    makeTemplate(source.filePath("inventory.sql"), out.filePath("inventory.dat"),
                 templates::TemplateFile::Inventory, dataDir);
    makeTemplate(source.filePath("dictionary.sql"), out.filePath("dictionary.dat"),
                 templates::TemplateFile::Dictionary, dataDir);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tavorin-mktemplates: %s\n", e.what());
    return 1;
  }
  return 0;
}
