#include "store/Database.h"

#include <QCollator>
#include <QLocale>

#include <sqlite3.h>

namespace store {
namespace {

// Digits, Latin letters and other ASCII sort before Chinese; within a run of one class
// the zh_CN collator decides (pinyin order for Chinese).
bool isAsciiClass(QChar c) { return c.unicode() < 0x80; }

int compareRuns(const QCollator& collator, QStringView a, QStringView b) {
  qsizetype i = 0;
  qsizetype j = 0;
  while (i < a.size() && j < b.size()) {
    const bool asciiA = isAsciiClass(a[i]);
    const bool asciiB = isAsciiClass(b[j]);
    if (asciiA != asciiB) return asciiA ? -1 : 1;
    qsizetype endA = i;
    while (endA < a.size() && isAsciiClass(a[endA]) == asciiA) ++endA;
    qsizetype endB = j;
    while (endB < b.size() && isAsciiClass(b[endB]) == asciiB) ++endB;
    const int order = collator.compare(a.mid(i, endA - i), b.mid(j, endB - j));
    if (order != 0) return order;
    i = endA;
    j = endB;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

int compareNames(void* context, int leftLength, const void* left, int rightLength, const void* right) {
  const auto* collator = static_cast<const QCollator*>(context);
  const QString a = QString::fromUtf8(static_cast<const char*>(left), leftLength);
  const QString b = QString::fromUtf8(static_cast<const char*>(right), rightLength);
  return compareRuns(*collator, a, b);
}

QCollator* nameCollator() {
  // One collator for the process: the program has one thread.
  static QCollator collator{QLocale(QLocale::Chinese, QLocale::China)};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(false);
  return &collator;
}

int openFlags(Database::Mode mode) {
  switch (mode) {
    case Database::Mode::ReadOnly:
      return SQLite::OPEN_READONLY;
    case Database::Mode::Create:
      return SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE;
    case Database::Mode::ReadWrite:
      break;
  }
  return SQLite::OPEN_READWRITE;
}

int gBusyTimeoutMs = 5000;

}  // namespace

int busyTimeoutMs() { return gBusyTimeoutMs; }
void setBusyTimeoutMs(int milliseconds) { gBusyTimeoutMs = milliseconds; }

void registerNameCollation(SQLite::Database& db) {
  const int result =
      sqlite3_create_collation(db.getHandle(), kNameCollation, SQLITE_UTF8, nameCollator(), compareNames);
  if (result != SQLITE_OK) throw SQLite::Exception(db.getHandle(), result);
}

Database::Database(const QString& path, Mode mode)
    : path_(path),
      db_(std::make_unique<SQLite::Database>(path.toStdString(), openFlags(mode), gBusyTimeoutMs)) {
  // The files may live on a network share: no WAL, no shared memory.
  db_->exec("PRAGMA journal_mode = DELETE");
  db_->exec("PRAGMA foreign_keys = OFF");
  registerNameCollation(*db_);
}

void Database::exec(const QString& statement) { db_->exec(statement.toStdString()); }

void bindText(SQLite::Statement& statement, int index, const QString& value) {
  if (value.isNull()) {
    statement.bind(index);
  } else {
    statement.bind(index, value.toStdString());
  }
}

QString columnText(const SQLite::Statement& statement, int index) {
  const SQLite::Column column = statement.getColumn(index);
  if (column.isNull()) return QString();
  if (column.getBytes() == 0) return QStringLiteral("");  // empty, not null
  return QString::fromUtf8(column.getText(), column.getBytes());
}

}  // namespace store
