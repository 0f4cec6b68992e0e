#include "store/CatalogueSearch.h"

namespace store {
namespace {

std::optional<QString> optionalText(const SQLite::Statement& q, int column) {
  const QString value = columnText(q, column);
  if (value.isNull()) return std::nullopt;
  return value;
}

QString escapedForLike(const QString& text) {
  QString escaped;
  escaped.reserve(text.size() + 4);
  for (const QChar c : text) {
    if (c == u'%' || c == u'_' || c == u'\\') escaped += u'\\';
    escaped += c;
  }
  return escaped;
}

}  // namespace

QString containsPattern(const QString& text) { return u'%' + escapedForLike(text) + u'%'; }

std::vector<CatalogueListRow> searchCatalogue(Database& db, const QString& keyContains, CategoryMatch match,
                                              const QString& category) {
  QString categoryTest;
  QString categoryValue = category;
  switch (match) {
    case CategoryMatch::EndsWith:
      categoryTest = QStringLiteral(R"("分类" LIKE ? ESCAPE '\')");
      categoryValue = u'%' + escapedForLike(category);
      break;
    case CategoryMatch::Equals:
      categoryTest = QStringLiteral(R"("分类" = ?)");
      break;
    case CategoryMatch::NotEquals:
      categoryTest = QStringLiteral(R"("分类" <> ?)");
      break;
  }
  const QString sql = QStringLiteral(R"(SELECT "ID号", "名称", "常用量", "单位", "用法" FROM "商品" )"
                                     R"(WHERE "查询" LIKE ? ESCAPE '\' AND %1 ORDER BY "名称" COLLATE %2, rowid)")
                          .arg(categoryTest, QString::fromLatin1(kNameCollation));
  SQLite::Statement q(db.sql(), sql.toStdString());
  bindText(q, 1, containsPattern(keyContains));
  bindText(q, 2, categoryValue);
  std::vector<CatalogueListRow> rows;
  while (q.executeStep())
    rows.push_back({columnText(q, 0), optionalText(q, 1), optionalText(q, 2), optionalText(q, 3), optionalText(q, 4)});
  return rows;
}

std::vector<TemplateListRow> searchTemplates(Database& db, const QString& keyContains, const QString& category) {
  SQLite::Statement q(db.sql(), R"(SELECT "序号", "名称" FROM "个人模板" WHERE "查询" LIKE ? ESCAPE '\' )"
                                R"(AND "分类" = ? ORDER BY "排序", rowid)");
  bindText(q, 1, containsPattern(keyContains));
  bindText(q, 2, category);
  std::vector<TemplateListRow> rows;
  while (q.executeStep()) rows.push_back({columnText(q, 0), optionalText(q, 1)});
  return rows;
}

std::optional<QString> templateContent(Database& db, const QString& key) {
  SQLite::Statement q(db.sql(), R"(SELECT "内容" FROM "个人模板" WHERE "序号" = ? ORDER BY rowid LIMIT 1)");
  bindText(q, 1, key);
  if (!q.executeStep()) return std::nullopt;
  const QString content = columnText(q, 0);
  return content.isNull() ? QString() : content;
}

}  // namespace store
