#include "store/PersonalTemplates.h"

#include "store/LikePattern.h"

namespace store {

std::vector<TemplateListRow> PersonalTemplates::search(const QString& keyContains, const QString& category) {
  SQLite::Statement q(db_.sql(), R"(SELECT "序号", "名称" FROM "个人模板" WHERE "查询" LIKE ? ESCAPE '\' )"
                                 R"(AND "分类" = ? ORDER BY "排序", rowid)");
  bindText(q, 1, containsPattern(keyContains));
  bindText(q, 2, category);
  std::vector<TemplateListRow> rows;
  while (q.executeStep()) {
    const QString title = columnText(q, 1);
    rows.push_back({columnText(q, 0), title.isNull() ? std::nullopt : std::optional<QString>(title)});
  }
  return rows;
}

std::optional<QString> PersonalTemplates::content(const QString& key) {
  SQLite::Statement q(db_.sql(), R"(SELECT "内容" FROM "个人模板" WHERE "序号" = ? ORDER BY rowid LIMIT 1)");
  bindText(q, 1, key);
  if (!q.executeStep()) return std::nullopt;
  const QString text = columnText(q, 0);
  return text.isNull() ? QString() : text;
}

}  // namespace store
