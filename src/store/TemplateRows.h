// The rows of [个人模板] as the templates and medical-record windows read and write them.
// Every list keeps each row's rowid, so a pick, an open or a delete acts on the row the
// user saw, whatever another workstation stored meanwhile.
#pragma once

#include "store/Database.h"

#include <QList>
#include <QString>

#include <optional>

namespace store {

struct TemplateRow {
  long long rowid = 0;
  QString key;        // 序号: the TimestampKey taken when the entry was started
  QString name;       // 名称
  QString content;    // 内容
  QString initials;   // 拼音
  QString kind;       // 分类
  QString order;      // 排序
  QString searchKey;  // 查询
};

class TemplateRows {
 public:
  explicit TemplateRows(Database& db) : db_(db) {}

  // The rows of a kind in order-text order (rowid within equal order texts).
  QList<TemplateRow> ofKind(const QString& kind);
  // The rows of a kind by name, in the name collation.
  QList<TemplateRow> ofKindByName(const QString& kind);
  // The rows of a kind whose search key holds `text` literally, in order-text order.
  QList<TemplateRow> searchKind(const QString& kind, const QString& text);
  long long count(const QString& kind);

  std::optional<TemplateRow> byRowid(long long rowid);
  std::optional<TemplateRow> byKey(const QString& key, const QString& kind);
  std::optional<TemplateRow> byName(const QString& name, const QString& kind);

  // Inserts the row and returns its rowid.
  long long insert(const TemplateRow& row);
  // Writes every column of the row with row.rowid.
  void update(const TemplateRow& row);
  // True when a row was deleted.
  bool remove(long long rowid);

 private:
  QList<TemplateRow> rows(SQLite::Statement& query);
  // The first row the query gives, if any.
  std::optional<TemplateRow> first(SQLite::Statement& query);
  Database& db_;
};

}  // namespace store
