#include "prescription/service/CatalogListing.h"

#include "prescription/service/CatalogItems.h"
#include "store/Catalogue.h"
#include "store/PersonalTemplates.h"

#include <QFile>

#include <sys/stat.h>

#include <cstring>

namespace prescription {
namespace {

// What the main file was when the catalogue was read from it: which file, its size and
// time, and the change counter that SQLite raises in the file's header with every write
// (a data file is never in WAL mode, where the counter would stand still).
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  QByteArray changeCounter;

  bool operator==(const FileStamp& o) const {
    return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec && changeCounter == o.changeCounter;
  }
};

std::optional<FileStamp> stampOf(const QString& path) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || !file.seek(24)) return std::nullopt;
  FileStamp stamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, file.read(4)};
  if (stamp.changeCounter.size() != 4) return std::nullopt;
  return stamp;
}

// UTF-8 with the ASCII letters in lower case: the form in which a search key or category
// is compared, as the store compares them (other characters exactly as they are).
QByteArray folded(const QString& text) {
  QByteArray bytes = text.toUtf8();
  if (bytes.isNull()) bytes = QByteArray("");  // an empty value is not a missing one
  for (char& c : bytes)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return bytes;
}
QByteArray folded(const std::optional<QString>& text) { return text ? folded(*text) : QByteArray(); }

// A catalogue row ready for the search: its key and category folded (null without a
// value, which no search lists), its columns, and its entry once it has been listed.
struct SearchableRow {
  QByteArray key;
  QByteArray category;
  QString id;
  CatalogRow columns;
  std::optional<ListEntry> entry;

  const ListEntry& listEntry() {
    if (!entry) {
      const std::optional<CatalogEntry> texts = catalogEntry(columns);
      entry = ListEntry{texts->item, texts->usageItem, id};
    }
    return *entry;
  }
};

// The listable rows of the main file last read, in name order. The stamp is taken before
// the rows are read: a write in between changes the file again, so the copy is never
// taken for newer than it is, and any write since it was read makes the next listing
// read the rows again.
struct CatalogueCopy {
  QString path;
  FileStamp stamp;
  std::vector<SearchableRow> rows;
};

std::vector<SearchableRow> readSearchableRows(const QString& mainDbPath) {
  store::Database db(mainDbPath, store::Database::Mode::ReadOnly);
  std::vector<store::CatalogueSearchRow> stored = store::Catalogue(db).searchRows();
  std::vector<SearchableRow> rows;
  rows.reserve(stored.size());
  for (store::CatalogueSearchRow& row : stored) {
    if (!row.name) continue;  // a row without a name is never listed
    rows.push_back({folded(row.searchKey), folded(row.category), std::move(row.id),
                    {std::move(row.name), std::move(row.dose), std::move(row.unit), std::move(row.usage)},
                    std::nullopt});
  }
  return rows;
}

std::vector<SearchableRow>& catalogueRows(const QString& mainDbPath) {
  static CatalogueCopy copy;
  const std::optional<FileStamp> stamp = stampOf(mainDbPath);
  if (stamp && copy.path == mainDbPath && copy.stamp == *stamp) return copy.rows;
  copy = {};
  copy.rows = readSearchableRows(mainDbPath);
  // A file whose state cannot be told is read again for every listing.
  if (stamp) {
    copy.path = mainDbPath;
    copy.stamp = *stamp;
  }
  return copy.rows;
}

bool categoryMatches(const QByteArray& category, CatalogQuery::Match match, const QByteArray& asked) {
  if (category.isNull()) return false;  // a row without a category matches no test
  switch (match) {
    case CatalogQuery::Match::EndsWith: return category.endsWith(asked);
    case CatalogQuery::Match::Equals: return category == asked;
    case CatalogQuery::Match::NotEquals: return category != asked;
  }
  return false;
}

}  // namespace

std::vector<ListEntry> runListing(const QString& mainDbPath, const CatalogQuery& query) {
  std::vector<ListEntry> entries;
  if (query.table == CatalogQuery::Table::Templates) {
    store::Database db(mainDbPath, store::Database::Mode::ReadOnly);
    for (const store::TemplateListRow& row : store::PersonalTemplates(db).search(query.keyContains, query.category))
      if (const auto entry = templateEntry(row.key, row.title)) entries.push_back({entry->title, QString(), entry->key});
    return entries;
  }
  const QByteArray text = folded(query.keyContains);
  const QByteArray category = folded(query.category);
  for (SearchableRow& row : catalogueRows(mainDbPath)) {
    // A row without a search key is never listed, not even for an empty search.
    if (row.key.isNull() || !row.key.contains(text)) continue;
    if (categoryMatches(row.category, query.match, category)) entries.push_back(row.listEntry());
  }
  return entries;
}

std::optional<QString> readTemplateContent(const QString& mainDbPath, const QString& key) {
  store::Database db(mainDbPath, store::Database::Mode::ReadOnly);
  return store::PersonalTemplates(db).content(key);
}

}  // namespace prescription
