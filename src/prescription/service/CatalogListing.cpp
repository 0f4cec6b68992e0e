#include "prescription/service/CatalogListing.h"

#include "prescription/service/CatalogItems.h"
#include "store/Catalogue.h"
#include "store/CatalogueVersion.h"
#include "store/KeptConnection.h"
#include "store/NameOrder.h"
#include "store/PersonalTemplates.h"

#include <SQLiteCpp/Transaction.h>

#include <QFile>

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <string_view>
#include <unordered_map>

namespace prescription {
namespace {

// Which catalogue the kept rows are: which file, and the catalogue's version in it. The
// version stands still while other tables are written (a prescription saved, a phrase
// added, a stock updated), so those writes keep the rows. On a file without a version
// (an old file on a share where it could not be added) the file's size, time and the
// change counter that SQLite raises in its header with every write stand in for it (a
// data file is never in WAL mode, where the counter would stand still).
struct CatalogueStamp {
  dev_t device = 0;
  ino_t inode = 0;
  std::optional<std::int64_t> version;
  off_t size = 0;
  timespec modified{};
  QByteArray changeCounter;

  bool sameFile(const CatalogueStamp& o) const { return device == o.device && inode == o.inode; }
  bool operator==(const CatalogueStamp& o) const {
    if (!sameFile(o) || version != o.version) return false;
    return version || (size == o.size && modified.tv_sec == o.modified.tv_sec &&
                       modified.tv_nsec == o.modified.tv_nsec && changeCounter == o.changeCounter);
  }
};

// `info` is the file as it was before `db` was opened on it: a file put in its place in
// between is another file at the next listing, and is read again then.
std::optional<CatalogueStamp> stampOf(const QString& path, const struct stat& info, store::Database& db) {
  CatalogueStamp stamp{info.st_dev, info.st_ino, store::catalogueVersion(db), 0, {}, {}};
  if (stamp.version) return stamp;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || !file.seek(24)) return std::nullopt;
  stamp.size = info.st_size;
  stamp.modified = info.st_mtim;
  stamp.changeCounter = file.read(4);
  if (stamp.changeCounter.size() != 4) return std::nullopt;
  return stamp;
}

// Text with the ASCII letters in lower case: the form in which a search key or category
// is compared, as the store compares them (other characters exactly as they are).
void appendFolded(std::string& out, std::string_view text) {
  for (const char c : text) out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
}
std::string folded(const QString& text) {
  std::string out;
  const QByteArray utf8 = text.toUtf8();
  appendFolded(out, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
  return out;
}

// Lengths and numbers in the block: seven bits a byte, low bits first, the high bit set
// on every byte but the last.
void putNumber(std::string& out, std::size_t n) {
  while (n >= 0x80) {
    out.push_back(static_cast<char>((n & 0x7f) | 0x80));
    n >>= 7;
  }
  out.push_back(static_cast<char>(n));
}
std::size_t takeNumber(const char*& p) {
  std::size_t n = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*p++);
    n |= static_cast<std::size_t>(byte & 0x7f) << shift;
    if (!(byte & 0x80)) return n;
  }
}

std::optional<QString> textOf(bool present, std::string_view utf8) {
  if (!present) return std::nullopt;
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::atomic<std::uint64_t> catalogueReads{0};
std::atomic<std::uint64_t> changeReads{0};

}  // namespace

// The listable catalogue rows of the main file, in name order, each kept as a few bytes
// of UTF-8 in one block: a mark of which columns have a value, the category as a number
// in the table of folded categories, then the folded search key, the key, name, dose,
// unit and usage, each after its length. The name is most often where its search key
// begins: it is then kept as its length alone (the mark's high bit says so). Units and
// usages repeat from row to row: each is kept once, in a table, and a row holds its
// number there. A row's list texts are made only when a list asks for them.
class CatalogueCopy {
 public:
  enum Field { kCategory, kKey, kId, kName, kDose, kUnit, kUsage, kFieldCount };
  struct Row {
    std::int64_t rowid;
    std::size_t offset;  // of its fields in the block
  };
  struct Fields {
    unsigned present = 0;
    std::size_t category = 0;
    std::string_view text[kFieldCount];
    std::size_t size = 0;  // bytes in the block
    bool has(Field f) const { return present & (1u << f); }
  };

  std::vector<Row> rows;  // in name order: the collation's, equal names by rowid

  Row add(const store::CatalogueSearchFields& row) {
    const std::optional<std::string_view> fields[kFieldCount] = {row.category, row.searchKey, row.id,   row.name,
                                                                 row.dose,     row.unit,      row.usage};
    const Row added{row.rowid, bytes_.size()};
    unsigned present = 0;
    for (int f = 0; f < kFieldCount; ++f)
      if (fields[f]) present |= 1u << f;
    const std::size_t mark = bytes_.size();
    bytes_.push_back(static_cast<char>(present));
    if (row.category) putNumber(bytes_, categoryNumber(*row.category));
    std::size_t keyAt = 0;
    for (int f = kKey; f < kFieldCount; ++f) {
      if (!fields[f]) continue;
      if (f == kUnit || f == kUsage) {
        putNumber(bytes_, repeatedNumber(*fields[f]));
        continue;
      }
      putNumber(bytes_, fields[f]->size());
      if (f == kKey) {
        keyAt = bytes_.size();
        appendFolded(bytes_, *fields[f]);
      } else if (f == kName && fields[kKey] &&
                 std::string_view(bytes_).substr(keyAt, fields[kKey]->size()).starts_with(*fields[f])) {
        bytes_[mark] = static_cast<char>(present | kNameInKey);
      } else {
        bytes_.append(*fields[f]);
      }
    }
    return added;
  }

  Fields fields(const Row& row) const {
    Fields out;
    const char* const start = bytes_.data() + row.offset;
    const char* p = start;
    const auto mark = static_cast<unsigned char>(*p++);
    out.present = mark & ~kNameInKey;
    if (out.has(kCategory)) out.category = takeNumber(p);
    for (int f = kKey; f < kFieldCount; ++f) {
      if (!out.has(static_cast<Field>(f))) continue;
      if (f == kUnit || f == kUsage) {
        out.text[f] = repeated_[takeNumber(p)];
        continue;
      }
      const std::size_t length = takeNumber(p);
      if (f == kName && (mark & kNameInKey)) {
        out.text[f] = out.text[kKey].substr(0, length);
        continue;
      }
      out.text[f] = std::string_view(p, length);
      p += length;
    }
    out.size = static_cast<std::size_t>(p - start);
    return out;
  }

  // The folded search key of a row, nullopt without one; `category` is its category's
  // number, or -1 without one.
  std::optional<std::string_view> searchKey(const Row& row, std::ptrdiff_t& category) const {
    const char* p = bytes_.data() + row.offset;
    const auto present = static_cast<unsigned char>(*p++);
    category = present & (1u << kCategory) ? static_cast<std::ptrdiff_t>(takeNumber(p)) : -1;
    if (!(present & (1u << kKey))) return std::nullopt;
    const std::size_t length = takeNumber(p);
    return std::string_view(p, length);
  }

  const std::vector<std::string>& categories() const { return categories_; }

  CatalogRow shown(const Row& row) const {
    const Fields f = fields(row);
    return {textOf(f.has(kName), f.text[kName]), textOf(f.has(kDose), f.text[kDose]),
            textOf(f.has(kUnit), f.text[kUnit]), textOf(f.has(kUsage), f.text[kUsage])};
  }
  ListEntry entry(const Row& row) const {
    const std::optional<CatalogEntry> texts = catalogEntry(shown(row));
    const Fields f = fields(row);
    return {texts->item, texts->usageItem, textOf(f.has(kId), f.text[kId]).value_or(QString(""))};
  }
  QString item(const Row& row) const { return *CatalogListItem(shown(row)); }
  QString name(const Row& row) const {
    const Fields f = fields(row);
    return *textOf(true, f.text[kName]);
  }

  // Rows taken out leave their bytes behind until the block is laid out again.
  void forget(const Row& row) { unused_ += fields(row).size; }

  // The block laid out again in list order: a search reads it from front to back.
  void compact() {
    std::string laidOut;
    laidOut.reserve(bytes_.size() - unused_);
    for (Row& row : rows) {
      const std::size_t size = fields(row).size;
      const std::size_t offset = laidOut.size();
      laidOut.append(bytes_, row.offset, size);
      row.offset = offset;
    }
    bytes_ = std::move(laidOut);
    unused_ = 0;
  }
  bool wasteful() const { return unused_ > bytes_.size() / 2; }

 private:
  std::size_t categoryNumber(std::string_view category) {
    std::string key;
    appendFolded(key, category);
    const auto [at, added] = categoryNumbers_.try_emplace(key, categories_.size());
    if (added) categories_.push_back(std::move(key));
    return at->second;
  }

  std::size_t repeatedNumber(std::string_view text) {
    const auto [at, added] = repeatedNumbers_.try_emplace(std::string(text), repeated_.size());
    if (added) repeated_.emplace_back(text);
    return at->second;
  }

  // The mark's bit for a name kept as where its search key begins.
  static constexpr unsigned kNameInKey = 0x80;

  std::string bytes_;
  std::size_t unused_ = 0;
  std::vector<std::string> categories_;
  std::unordered_map<std::string, std::size_t> categoryNumbers_;
  // The units and usages, each once.
  std::vector<std::string> repeated_;
  std::unordered_map<std::string, std::size_t> repeatedNumbers_;
};

namespace {

// The catalogue as this process keeps it: which file and state the copy is, and the
// number of the last change in the file's change log that it holds (nullopt when the file
// has no log).
struct KeptCatalogue {
  QString path;
  std::optional<CatalogueStamp> stamp;
  std::optional<std::int64_t> lastChange;
  std::shared_ptr<CatalogueCopy> copy;
};

// A log with more new entries than this is not read: the whole catalogue is.
constexpr std::int64_t kMostChangedEntries = 2000;

std::shared_ptr<CatalogueCopy> readWholeCatalogue(store::Database& db) {
  ++catalogueReads;
  auto copy = std::make_shared<CatalogueCopy>();
  std::vector<CatalogueCopy::Row> stored;  // in rowid order
  const std::vector<std::int64_t> order = store::Catalogue(db).searchRows([&](const store::CatalogueSearchFields& row) {
    if (row.name) stored.push_back(copy->add(row));  // a row without a name is never listed
  });
  // Each rowid of the name order finds its row by halving.
  copy->rows.reserve(stored.size());
  for (const std::int64_t rowid : order) {
    const auto found = std::lower_bound(stored.begin(), stored.end(), rowid,
                                        [](const CatalogueCopy::Row& r, std::int64_t id) { return r.rowid < id; });
    if (found != stored.end() && found->rowid == rowid) copy->rows.push_back(*found);
  }
  copy->compact();
  return copy;
}

// A row as read from the file, owning its texts until it joins the copy.
struct ChangedRow {
  std::int64_t rowid;
  std::optional<std::string> fields[7];
  store::CatalogueSearchFields view() const {
    const auto v = [](const std::optional<std::string>& s) -> std::optional<std::string_view> {
      if (!s) return std::nullopt;
      return std::string_view(*s);
    };
    return {rowid, v(fields[0]), v(fields[1]), v(fields[2]), v(fields[3]), v(fields[4]), v(fields[5]), v(fields[6])};
  }
};

// Brings the kept copy up to the file's state from the rows changed since it was taken;
// false when the changes cannot be told from the log (the copy is then left as it was).
bool readChanges(store::Database& db, KeptCatalogue& kept) {
  std::int64_t version = 0;
  std::int64_t last = 0;
  std::vector<std::int64_t> changed;
  std::vector<ChangedRow> rows;
  {
    // The version, the log and the rows from one state of the file.
    SQLite::Transaction snapshot(db.sql(), SQLite::TransactionBehavior::DEFERRED);
    const std::optional<std::int64_t> nowVersion = store::catalogueVersion(db);
    const std::optional<std::int64_t> nowLast = store::lastCatalogueChange(db);
    if (!nowVersion || !nowLast || *nowLast < *kept.lastChange) return false;
    version = *nowVersion;
    last = *nowLast;
    // More entries than rows worth reading one by one are not even read.
    if (last - *kept.lastChange > kMostChangedEntries) return false;
    std::optional<std::vector<std::int64_t>> logged = store::catalogueRowsChangedAfter(db, *kept.lastChange);
    // A version raised without a logged change was raised by a writer the log missed.
    if (!logged || logged->empty()) return false;
    changed = std::move(*logged);
    store::Catalogue(db).searchRowsWithIds(changed, [&](const store::CatalogueSearchFields& row) {
      if (!row.name) return;
      ChangedRow owned{row.rowid, {}};
      const std::optional<std::string_view> fields[7] = {row.id,    row.name,      row.dose,    row.unit,
                                                         row.usage, row.searchKey, row.category};
      for (int f = 0; f < 7; ++f)
        if (fields[f]) owned.fields[f] = std::string(*fields[f]);
      rows.push_back(std::move(owned));
    });
    snapshot.commit();
  }
  ++changeReads;
  // A listing made earlier keeps the copy it was made from.
  if (kept.copy.use_count() > 1) kept.copy = std::make_shared<CatalogueCopy>(*kept.copy);
  CatalogueCopy& copy = *kept.copy;
  std::erase_if(copy.rows, [&](const CatalogueCopy::Row& row) {
    if (!std::binary_search(changed.begin(), changed.end(), row.rowid)) return false;
    copy.forget(row);
    return true;
  });
  for (const ChangedRow& row : rows) {
    const CatalogueCopy::Row added = copy.add(row.view());
    const QString name = copy.name(added);
    // Where the name-order index has it: by the name collation, equal names by rowid.
    const auto before = [&](const CatalogueCopy::Row& r, const CatalogueCopy::Row& a) {
      const int order = store::compareNames(copy.name(r), name);
      return order < 0 || (order == 0 && r.rowid < a.rowid);
    };
    const auto at = std::lower_bound(copy.rows.begin(), copy.rows.end(), added, before);
    copy.rows.insert(at, added);
  }
  if (copy.wasteful()) copy.compact();
  kept.stamp->version = version;
  kept.lastChange = last;
  return true;
}

std::shared_ptr<const CatalogueCopy> catalogueRows(const QString& path, store::Database& db) {
  static KeptCatalogue kept;
  struct stat info {};
  const bool known = ::stat(QFile::encodeName(path).constData(), &info) == 0;
  // The log's last change is read before the version and the rows: a change in between is
  // read again later, never missed.
  const std::optional<std::int64_t> lastChange = store::lastCatalogueChange(db);
  const std::optional<CatalogueStamp> stamp = known ? stampOf(path, info, db) : std::nullopt;
  if (stamp && kept.copy && kept.path == path && kept.stamp) {
    if (*kept.stamp == *stamp) return kept.copy;
    if (kept.stamp->sameFile(*stamp) && kept.stamp->version && stamp->version && kept.lastChange &&
        *stamp->version > *kept.stamp->version && readChanges(db, kept))
      return kept.copy;
  }
  kept = {};
  kept.copy = readWholeCatalogue(db);
  // A file whose state cannot be told is read again for every listing.
  if (stamp) {
    kept.path = path;
    kept.stamp = stamp;
    kept.lastChange = lastChange;
  }
  return kept.copy;
}

}  // namespace

DrugListing::DrugListing() = default;
DrugListing::~DrugListing() = default;
DrugListing::DrugListing(DrugListing&&) noexcept = default;
DrugListing& DrugListing::operator=(DrugListing&&) noexcept = default;

std::size_t DrugListing::size() const { return rows_ ? listed_.size() : templates_.size(); }

ListEntry DrugListing::operator[](std::size_t index) const {
  return rows_ ? rows_->entry(rows_->rows[listed_[index]]) : templates_[index];
}

QString DrugListing::item(std::size_t index) const {
  return rows_ ? rows_->item(rows_->rows[listed_[index]]) : templates_[index].item;
}

DrugListing runListing(store::KeptConnection& main, const CatalogQuery& query) {
  DrugListing listing;
  if (query.table == CatalogQuery::Table::Templates) {
    main.use([&](store::Database& db) {
      for (const store::TemplateListRow& row : store::PersonalTemplates(db).search(query.keyContains, query.category))
        if (const auto entry = templateEntry(row.key, row.title))
          listing.templates_.push_back({entry->title, QString(), entry->key});
    });
    return listing;
  }
  listing.rows_ = main.use([&](store::Database& db) { return catalogueRows(main.path(), db); });
  const CatalogueCopy& copy = *listing.rows_;
  const std::string text = folded(query.keyContains);
  const std::string category = folded(query.category);
  // Which of the copy's categories the query takes; a row without a category matches no test.
  std::vector<char> takes;
  for (const std::string& c : copy.categories()) {
    const std::string_view known(c);
    switch (query.match) {
      case CatalogQuery::Match::EndsWith: takes.push_back(known.ends_with(category)); break;
      case CatalogQuery::Match::Equals: takes.push_back(known == category); break;
      case CatalogQuery::Match::NotEquals: takes.push_back(known != category); break;
    }
  }
  for (std::size_t i = 0; i < copy.rows.size(); ++i) {
    std::ptrdiff_t rowCategory = -1;
    // A row without a search key is never listed, not even for an empty search.
    const std::optional<std::string_view> key = copy.searchKey(copy.rows[i], rowCategory);
    if (rowCategory < 0 || !takes[static_cast<std::size_t>(rowCategory)] || !key) continue;
    if (key->find(text) != std::string_view::npos) listing.listed_.push_back(static_cast<std::uint32_t>(i));
  }
  return listing;
}

DrugListing runListing(const QString& mainDbPath, const CatalogQuery& query) {
  store::KeptConnection main(mainDbPath, store::Database::Mode::ReadOnly);
  return runListing(main, query);
}

std::uint64_t catalogueReadCount() { return catalogueReads; }
std::uint64_t catalogueChangeReadCount() { return changeReads; }

std::optional<QString> readTemplateContent(store::KeptConnection& main, const QString& key) {
  return main.use([&](store::Database& db) { return store::PersonalTemplates(db).content(key); });
}

std::optional<QString> readTemplateContent(const QString& mainDbPath, const QString& key) {
  store::KeptConnection main(mainDbPath, store::Database::Mode::ReadOnly);
  return readTemplateContent(main, key);
}

}  // namespace prescription
