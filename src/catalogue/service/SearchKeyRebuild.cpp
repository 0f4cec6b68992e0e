#include "catalogue/service/SearchKeyRebuild.h"

#include "store/Catalogue.h"
#include "store/DataFile.h"
#include "store/PersonalTemplates.h"
#include "text/SearchKeys.h"

#include <functional>

namespace catalogue {
namespace {

using KeyOf = std::function<QString(const QString& name)>;

// Rebuilds one table's keys if its first key asks for it; returns the keys written.
int rebuildColumn(store::SearchKeyColumn keys, const KeyOf& keyOf, int& refused) {
  const std::optional<std::optional<QString>> first = keys.firstKey();
  // An empty table, a first key with no value, or one that ends in "$": nothing to do.
  if (!first || !*first || (*first)->endsWith(u'$')) return 0;
  return keys.rebuildAll(keyOf, refused);
}

}  // namespace

KeyRebuild rebuildSearchKeys(const QString& mainDbPath, const text::StrokeCoder& strokes) {
  KeyRebuild result;
  // Keys made without stroke codes would be marked done and never made again.
  if (strokes.isEmpty()) {
    result.reason = kNoStrokeTable;
    return result;
  }
  try {
    std::optional<store::Database> db = store::openIfPresent(mainDbPath);
    if (!db) {
      result.reason = store::kFileMissing;
      return result;
    }
    const auto table = [&](store::SearchKeyColumn keys, const KeyOf& keyOf) {
      try {
        return rebuildColumn(keys, keyOf, result.refused);
      } catch (const std::exception& e) {
        // This table cannot be read or is locked: the next close tries again.
        result.reason = store::failureReason(e);
        return 0;
      }
    };
    store::Catalogue catalogue(*db);
    store::PersonalTemplates templates(*db);
    result.catalogueKeys =
        table(catalogue.searchKeys(), [&](const QString& name) { return text::CatalogSearchKey(name, strokes); });
    result.templateKeys =
        table(templates.searchKeys(), [&](const QString& name) { return text::TemplateSearchKey(name, strokes); });
  } catch (const std::exception& e) {
    result = KeyRebuild{};
    result.reason = store::failureReason(e);
  }
  return result;
}

}  // namespace catalogue
