#include "store/TemplateRows.h"

namespace store {
namespace {

constexpr const char* kColumns = R"(rowid, "序号", "名称", "内容", "拼音", "分类", "排序", "查询")";

QString select(const char* rest) {
  return QStringLiteral("SELECT %1 FROM \"个人模板\" %2").arg(QString::fromUtf8(kColumns), QString::fromUtf8(rest));
}

void bindRow(SQLite::Statement& q, const TemplateRow& row) {
  bindText(q, 1, row.key);
  bindText(q, 2, row.name);
  bindText(q, 3, row.content);
  bindText(q, 4, row.initials);
  bindText(q, 5, row.kind);
  bindText(q, 6, row.order);
  bindText(q, 7, row.searchKey);
}

}  // namespace

QList<TemplateRow> TemplateRows::rows(SQLite::Statement& query) {
  QList<TemplateRow> out;
  while (query.executeStep()) {
    TemplateRow r;
    r.rowid = query.getColumn(0).getInt64();
    r.key = columnText(query, 1);
    r.name = columnText(query, 2);
    r.content = columnText(query, 3);
    r.initials = columnText(query, 4);
    r.kind = columnText(query, 5);
    r.order = columnText(query, 6);
    r.searchKey = columnText(query, 7);
    out << r;
  }
  return out;
}

QList<TemplateRow> TemplateRows::ofKind(const QString& kind) {
  SQLite::Statement q(db_.sql(), select(R"(WHERE "分类" = ? ORDER BY "排序", rowid)").toStdString());
  bindText(q, 1, kind);
  return rows(q);
}

QList<TemplateRow> TemplateRows::ofKindByName(const QString& kind) {
  SQLite::Statement q(db_.sql(),
                      select(R"(WHERE "分类" = ? ORDER BY "名称" COLLATE )").toStdString() + kNameCollation + ", rowid");
  bindText(q, 1, kind);
  return rows(q);
}

QList<TemplateRow> TemplateRows::searchKind(const QString& kind, const QString& text) {
  SQLite::Statement q(db_.sql(),
                      select(R"(WHERE "分类" = ? AND instr(lower(ifnull("查询", '')), lower(ifnull(?, ''))) > 0 ORDER BY "排序", rowid)")
                          .toStdString());
  bindText(q, 1, kind);
  bindText(q, 2, text);
  return rows(q);
}

long long TemplateRows::count(const QString& kind) {
  SQLite::Statement q(db_.sql(), R"(SELECT count(*) FROM "个人模板" WHERE "分类" = ?)");
  bindText(q, 1, kind);
  q.executeStep();
  return q.getColumn(0).getInt64();
}

std::optional<TemplateRow> TemplateRows::first(SQLite::Statement& query) {
  const QList<TemplateRow> found = rows(query);
  if (found.isEmpty()) return std::nullopt;
  return found.first();
}

std::optional<TemplateRow> TemplateRows::byRowid(long long rowid) {
  SQLite::Statement q(db_.sql(), select("WHERE rowid = ?").toStdString());
  q.bind(1, static_cast<int64_t>(rowid));
  return first(q);
}

std::optional<TemplateRow> TemplateRows::byKey(const QString& key, const QString& kind) {
  SQLite::Statement q(db_.sql(), select(R"(WHERE "序号" = ? AND "分类" = ? ORDER BY rowid LIMIT 1)").toStdString());
  bindText(q, 1, key);
  bindText(q, 2, kind);
  return first(q);
}

std::optional<TemplateRow> TemplateRows::byName(const QString& name, const QString& kind) {
  SQLite::Statement q(db_.sql(), select(R"(WHERE "名称" = ? AND "分类" = ? ORDER BY rowid LIMIT 1)").toStdString());
  bindText(q, 1, name);
  bindText(q, 2, kind);
  return first(q);
}

long long TemplateRows::insert(const TemplateRow& row) {
  SQLite::Statement q(db_.sql(),
                      R"(INSERT INTO "个人模板" ("序号", "名称", "内容", "拼音", "分类", "排序", "查询") VALUES (?, ?, ?, ?, ?, ?, ?))");
  bindRow(q, row);
  q.exec();
  return db_.sql().getLastInsertRowid();
}

void TemplateRows::update(const TemplateRow& row) {
  SQLite::Statement q(db_.sql(), R"(UPDATE "个人模板" SET "序号" = ?, "名称" = ?, "内容" = ?, "拼音" = ?, "分类" = ?,
                                   "排序" = ?, "查询" = ? WHERE rowid = ?)");
  bindRow(q, row);
  q.bind(8, static_cast<int64_t>(row.rowid));
  q.exec();
}

bool TemplateRows::remove(long long rowid) {
  SQLite::Statement q(db_.sql(), R"(DELETE FROM "个人模板" WHERE rowid = ?)");
  q.bind(1, static_cast<int64_t>(rowid));
  return q.exec() > 0;
}

}  // namespace store
