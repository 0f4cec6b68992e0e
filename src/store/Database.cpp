#include "store/Database.h"

#include "store/NameOrder.h"

#include <QStringDecoder>
#include <QVarLengthArray>

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace store {
namespace {

// The UTF-8 bytes of a name as UTF-16 in `out` (never more units than bytes), decoded as
// QString::fromUtf8 does: a byte order mark kept, a bad or cut-off sequence as U+FFFD.
QStringView decoded(const void* bytes, int length, QChar* out) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
  const QChar* end = decoder.appendToBuffer(out, QByteArrayView(static_cast<const char*>(bytes), length));
  return QStringView(out, end - out);
}

// Runs for every step of an index walk and every pair a sort compares: the same name
// needs no collator, and the texts are decoded on the stack.
int compareNamesOf(void*, int leftLength, const void* left, int rightLength, const void* right) {
  if (leftLength == rightLength && std::memcmp(left, right, size_t(leftLength)) == 0) return 0;
  QVarLengthArray<QChar, 256> a(leftLength);
  QVarLengthArray<QChar, 256> b(rightLength);
  return compareNames(decoded(left, leftLength, a.data()), decoded(right, rightLength, b.data()));
}

// Each name's place in the name order; equal names share one.
struct NameRanks {
  std::unordered_map<std::string_view, std::uint32_t> rankOf;
};

int compareRankedNames(void* ranks, int leftLength, const void* left, int rightLength, const void* right) {
  const auto& rankOf = static_cast<const NameRanks*>(ranks)->rankOf;
  const auto a = rankOf.find(std::string_view(static_cast<const char*>(left), size_t(leftLength)));
  const auto b = rankOf.find(std::string_view(static_cast<const char*>(right), size_t(rightLength)));
  if (a == rankOf.end() || b == rankOf.end()) return compareNamesOf(nullptr, leftLength, left, rightLength, right);
  return a->second < b->second ? -1 : a->second > b->second ? 1 : 0;
}

void forgetRanks(void* ranks) { delete static_cast<NameRanks*>(ranks); }

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
      sqlite3_create_collation(db.getHandle(), kNameCollation, SQLITE_UTF8, nullptr, compareNamesOf);
  if (result != SQLITE_OK) throw SQLite::Exception(db.getHandle(), result);
}

RankedNameCollation::RankedNameCollation(SQLite::Database& db, const std::vector<std::string>& names) : db_(db) {
  auto ranks = std::make_unique<NameRanks>();
  ranks->rankOf.reserve(names.size());
  std::vector<std::string_view> distinct;
  for (const std::string& name : names)
    if (ranks->rankOf.emplace(name, 0).second) distinct.emplace_back(name);
  // The texts as the collation reads them, and their sort keys.
  std::vector<QString> texts;
  std::vector<NameSortKey> keys;
  texts.reserve(distinct.size());
  keys.reserve(distinct.size());
  QVarLengthArray<QChar, 256> buffer;
  for (const std::string_view name : distinct) {
    buffer.resize(qsizetype(name.size()));
    texts.push_back(decoded(name.data(), int(name.size()), buffer.data()).toString());
    keys.emplace_back(texts.back());
  }
  std::vector<std::uint32_t> order(distinct.size());
  for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
  // Neighbours in key order must be in the collation's order (or equal where their keys
  // are): then every pair is, and the places stand in for the collation.
  std::uint32_t rank = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i > 0) {
      const bool sameKey = keys[order[i - 1]].compare(keys[order[i]]) == 0;
      const int byCollation = compareNames(texts[order[i - 1]], texts[order[i]]);
      if (sameKey ? byCollation != 0 : byCollation >= 0) return;
      if (!sameKey) ++rank;
    }
    ranks->rankOf[distinct[order[i]]] = rank;
  }
  // SQLite owns the ranks from here and lets them go when the collation is replaced.
  NameRanks* owned = ranks.release();
  active_ = sqlite3_create_collation_v2(db.getHandle(), kNameCollation, SQLITE_UTF8, owned, compareRankedNames,
                                        forgetRanks) == SQLITE_OK;
  if (!active_) delete owned;  // not taken: SQLite calls no destructor on a failed call
}

RankedNameCollation::~RankedNameCollation() {
  if (!active_) return;
  // Should this fail, the ranks stay registered: they still give the name order.
  sqlite3_create_collation(db_.getHandle(), kNameCollation, SQLITE_UTF8, nullptr, compareNamesOf);
}

Database::Database(const QString& path, Mode mode)
    : path_(path),
      db_(std::make_unique<SQLite::Database>(path.toStdString(), openFlags(mode), gBusyTimeoutMs)) {
  // The files may live on a network share: no WAL, no shared memory.
  db_->exec("PRAGMA journal_mode = DELETE");
  db_->exec("PRAGMA foreign_keys = OFF");
  // Statement journals and sort scratch in memory: every row a statement writes into the
  // catalogue fires the catalogue-version trigger, and a statement journal on disk per
  // inserted row would double the time of an import.
  db_->exec("PRAGMA temp_store = MEMORY");
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
