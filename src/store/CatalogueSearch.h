// The drug list's look-ups: catalogue rows (商品) and templates (个人模板) whose search key
// holds a typed text, and a template's content read by its key.
#pragma once

#include "store/Database.h"

#include <QString>

#include <optional>
#include <vector>

namespace store {

// How a row's category (分类) is compared with the category asked for.
enum class CategoryMatch { EndsWith, Equals, NotEquals };

// The columns a drug list entry is made of; nullopt is a column without a value.
struct CatalogueListRow {
  QString id;  // ID号, the row's key
  std::optional<QString> name, dose, unit, usage;
};

// Catalogue rows whose search key (查询) holds `keyContains` literally ("%", "_" and "\"
// are plain characters; ASCII letter case does not matter) and whose category matches,
// ordered by name with the name collation. A row without a search key is never listed.
std::vector<CatalogueListRow> searchCatalogue(Database& db, const QString& keyContains, CategoryMatch match,
                                              const QString& category);

struct TemplateListRow {
  QString key;                  // 序号
  std::optional<QString> title; // 名称
};

// Templates of `category` (中药方剂, 个人组套, ...) whose search key holds `keyContains`
// literally, in their order (排序).
std::vector<TemplateListRow> searchTemplates(Database& db, const QString& keyContains, const QString& category);

// The content (内容) of the template whose key (序号) is `key`; nullopt when there is no
// such template any more. A template without content reads as "".
std::optional<QString> templateContent(Database& db, const QString& key);

// `text` as a LIKE pattern that matches it anywhere, with "\" as the escape character.
QString containsPattern(const QString& text);

}  // namespace store
