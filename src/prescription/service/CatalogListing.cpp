#include "prescription/service/CatalogListing.h"

#include "prescription/service/CatalogItems.h"
#include "store/Catalogue.h"
#include "store/PersonalTemplates.h"

namespace prescription {
namespace {

store::CategoryMatch storeMatch(CatalogQuery::Match match) {
  switch (match) {
    case CatalogQuery::Match::EndsWith: return store::CategoryMatch::EndsWith;
    case CatalogQuery::Match::Equals: return store::CategoryMatch::Equals;
    case CatalogQuery::Match::NotEquals: return store::CategoryMatch::NotEquals;
  }
  return store::CategoryMatch::Equals;
}

}  // namespace

std::vector<ListEntry> runListing(const QString& mainDbPath, const CatalogQuery& query) {
  store::Database db(mainDbPath, store::Database::Mode::ReadOnly);
  std::vector<ListEntry> entries;
  if (query.table == CatalogQuery::Table::Templates) {
    for (const store::TemplateListRow& row : store::PersonalTemplates(db).search(query.keyContains, query.category))
      if (const auto entry = templateEntry(row.key, row.title)) entries.push_back({entry->title, QString(), entry->key});
    return entries;
  }
  const auto rows = store::Catalogue(db).search(query.keyContains, storeMatch(query.match), query.category);
  entries.reserve(rows.size());
  for (const store::CatalogueListRow& row : rows)
    if (const auto entry = catalogEntry({row.name, row.dose, row.unit, row.usage}))
      entries.push_back({entry->item, entry->usageItem, row.id});
  return entries;
}

std::optional<QString> readTemplateContent(const QString& mainDbPath, const QString& key) {
  store::Database db(mainDbPath, store::Database::Mode::ReadOnly);
  return store::PersonalTemplates(db).content(key);
}

}  // namespace prescription
