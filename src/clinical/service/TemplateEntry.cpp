#include "clinical/service/TemplateEntry.h"

#include "clinical/service/TemplateTexts.h"
#include "store/TemplateRows.h"
#include "text/Blank.h"

#include <SQLiteCpp/Transaction.h>

namespace clinical {

TemplateEntry newTemplateEntry(store::Database& db, const QString& kind, text::SerialSource& serials) {
  TemplateEntry entry;
  entry.kind = kind;
  entry.key = serials.TimestampKey();
  entry.order = newOrderText(store::TemplateRows(db).count(kind));
  return entry;
}

TemplateSaveResult saveTemplateEntry(store::Database& db, TemplateEntry& entry, text::SerialSource& serials,
                                     const text::StrokeCoder& strokes) {
  TemplateSaveResult result;
  QString content = stripTrailingBreaks(entry.content);
  if (entry.kind == kFormulaKind) {
    const auto laid = FormulaLayout(content);
    content = laid.text;
    result.caret = laid.caret;
  }
  entry.content = content;
  if (text::trimBlanks(entry.name).isEmpty()) return result;

  store::TemplateRows rows(db);
  SQLite::Transaction transaction(db.sql());
  std::optional<store::TemplateRow> existing = rows.byKey(entry.key, entry.kind);
  if (entry.isNew) {
    while (existing) {
      entry.key = serials.TimestampKey();
      existing = rows.byKey(entry.key, entry.kind);
    }
  }
  store::TemplateRow row;
  row.key = entry.key;
  row.name = entry.name;
  row.initials = entry.initials;
  row.content = entry.content;
  row.kind = entry.kind;
  row.searchKey = entry.name + entry.initials + strokes.StrokeCode(entry.name) + QLatin1Char('$');
  row.order = entry.order;
  if (existing) {
    row.rowid = existing->rowid;
    rows.update(row);
  } else {
    rows.insert(row);
  }
  transaction.commit();
  entry.isNew = false;
  result.saved = true;
  return result;
}

bool deleteTemplateEntry(store::Database& db, const TemplateEntry& entry) {
  store::TemplateRows rows(db);
  const auto existing = rows.byKey(entry.key, entry.kind);
  return existing && rows.remove(existing->rowid);
}

}  // namespace clinical
