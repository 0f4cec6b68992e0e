#include "prescription/service/CatalogListing.h"

#include "prescription/service/CatalogItems.h"
#include "store/Catalogue.h"
#include "store/PersonalTemplates.h"

#include <QFile>

#include <sys/stat.h>

#include <algorithm>
#include <deque>
#include <cstdint>
#include <string_view>

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

// Text with the ASCII letters in lower case: the form in which a search key or category
// is compared, as the store compares them (other characters exactly as they are).
void appendFolded(QByteArray& out, std::string_view text) {
  for (const char c : text) out.append(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
}
QByteArray folded(const QString& text) {
  QByteArray out;
  appendFolded(out, text.toUtf8().toStdString());
  return out;
}

// A catalogue row ready for the search, in one block of UTF-8: its search key and
// category folded, then its key, name, dose, unit and usage as stored. Its list entry is
// made when it is first listed.
class SearchableRow {
 public:
  enum Field { kKey, kCategory, kId, kName, kDose, kUnit, kUsage, kFieldCount };

  explicit SearchableRow(const store::CatalogueSearchFields& row) : rowid_(row.rowid) {
    const std::optional<std::string_view> fields[kFieldCount] = {row.searchKey, row.category, row.id,  row.name,
                                                                 row.dose,      row.unit,     row.usage};
    qsizetype size = 0;
    for (const auto& f : fields) size += f ? static_cast<qsizetype>(f->size()) : 0;
    bytes_.reserve(size);
    for (int f = 0; f < kFieldCount; ++f) {
      start_[f] = static_cast<int>(bytes_.size());
      if (!fields[f]) continue;
      present_ |= 1u << f;
      if (f == kKey || f == kCategory) {
        appendFolded(bytes_, *fields[f]);
      } else {
        bytes_.append(fields[f]->data(), static_cast<qsizetype>(fields[f]->size()));
      }
    }
    start_[kFieldCount] = static_cast<int>(bytes_.size());
  }
  SearchableRow(SearchableRow&&) noexcept = default;
  SearchableRow& operator=(SearchableRow&&) noexcept = default;

  std::int64_t rowid() const { return rowid_; }
  bool has(Field f) const { return present_ & (1u << f); }
  std::string_view field(Field f) const {
    return std::string_view(bytes_.constData() + start_[f], static_cast<size_t>(start_[f + 1] - start_[f]));
  }

  const ListEntry& listEntry() {
    if (!entry_) {
      const auto text = [this](Field f) {
        return has(f) ? std::optional<QString>(QString::fromUtf8(field(f).data(), static_cast<qsizetype>(field(f).size())))
                      : std::nullopt;
      };
      const std::optional<CatalogEntry> texts = catalogEntry({text(kName), text(kDose), text(kUnit), text(kUsage)});
      entry_ = ListEntry{texts->item, texts->usageItem, text(kId).value_or(QString(""))};
    }
    return *entry_;
  }

 private:
  std::int64_t rowid_;
  QByteArray bytes_;
  int start_[kFieldCount + 1] = {};
  unsigned present_ = 0;
  std::optional<ListEntry> entry_;
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
  std::deque<SearchableRow> stored;  // grows without moving its rows
  std::vector<std::int64_t> storedIds;
  const std::vector<std::int64_t> order = store::Catalogue(db).searchRows([&](const store::CatalogueSearchFields& row) {
    if (!row.name) return;  // a row without a name is never listed
    stored.emplace_back(row);
    storedIds.push_back(row.rowid);
  });
  // The rows came in rowid order; each rowid of the name order finds its row by halving.
  std::vector<SearchableRow> rows;
  rows.reserve(stored.size());
  for (const std::int64_t rowid : order) {
    const auto found = std::lower_bound(storedIds.begin(), storedIds.end(), rowid);
    if (found != storedIds.end() && *found == rowid) rows.push_back(std::move(stored[found - storedIds.begin()]));
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

bool categoryMatches(const SearchableRow& row, CatalogQuery::Match match, std::string_view asked) {
  if (!row.has(SearchableRow::kCategory)) return false;  // a row without a category matches no test
  const std::string_view category = row.field(SearchableRow::kCategory);
  switch (match) {
    case CatalogQuery::Match::EndsWith: return category.ends_with(asked);
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
  const std::string_view textView(text.constData(), static_cast<size_t>(text.size()));
  const std::string_view categoryView(category.constData(), static_cast<size_t>(category.size()));
  for (SearchableRow& row : catalogueRows(mainDbPath)) {
    // A row without a search key is never listed, not even for an empty search.
    if (!row.has(SearchableRow::kKey) || row.field(SearchableRow::kKey).find(textView) == std::string_view::npos)
      continue;
    if (categoryMatches(row, query.match, categoryView)) entries.push_back(row.listEntry());
  }
  return entries;
}

std::optional<QString> readTemplateContent(const QString& mainDbPath, const QString& key) {
  store::Database db(mainDbPath, store::Database::Mode::ReadOnly);
  return store::PersonalTemplates(db).content(key);
}

}  // namespace prescription
