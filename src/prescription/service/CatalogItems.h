// The entries of the drug list: one per catalogue row (its text, and its twin with the
// default usage) or per template, each remembering the row it stands for.
#pragma once

#include <QString>

#include <optional>

namespace prescription {

// The catalogue columns a list entry is made of, as stored; nullopt is a column without a
// value (NULL), which is not the same as an empty text.
struct CatalogRow {
  std::optional<QString> name;   // 名称, brackets stored as braces
  std::optional<QString> dose;   // 常用量
  std::optional<QString> unit;   // 单位
  std::optional<QString> usage;  // 用法
};

// The entry in the drug list (List1): the name with brackets, and the usual dose with its
// unit unless the dose already ends in it ("阿莫西林胶囊 0.5g"). nullopt for a row
// without a name, which is never listed.
std::optional<QString> CatalogListItem(const CatalogRow& row);

// Its twin (List6): the same followed by "\" and the default usage when the row has a usage.
std::optional<QString> CatalogUsageItem(const CatalogRow& row);

// A listed catalogue row: both texts, which are all that a pick of it needs.
struct CatalogEntry {
  QString item;
  QString usageItem;
};
std::optional<CatalogEntry> catalogEntry(const CatalogRow& row);

// A listed template (herbal formula or personal set): its key 序号, by which a pick reads
// its content, and its title 名称 as stored.
struct TemplateEntry {
  QString key;
  QString title;
};
// nullopt for a template without a title, which is never listed.
std::optional<TemplateEntry> templateEntry(const QString& key, const std::optional<QString>& title);

}  // namespace prescription
