// The personal templates [个人模板]: sets, herbal formulas, record phrases and record
// templates, each with its search key (title, initials, strokes, "$").
#pragma once

#include "store/SearchKeyColumn.h"

#include <optional>
#include <vector>

namespace store {

struct TemplateListRow {
  QString key;                   // 序号
  std::optional<QString> title;  // 名称
};

class PersonalTemplates {
 public:
  explicit PersonalTemplates(Database& db) : db_(db) {}

  SearchKeyColumn searchKeys() { return SearchKeyColumn(db_, "个人模板"); }

  // The templates of `category` (中药方剂, 个人组套, ...) whose search key holds
  // `keyContains` literally, in their order (排序).
  std::vector<TemplateListRow> search(const QString& keyContains, const QString& category);

  // The content (内容) of the template whose key (序号) is `key`; nullopt when there is
  // no such template any more. A template without content reads as "".
  std::optional<QString> content(const QString& key);

 private:
  Database& db_;
};

}  // namespace store
