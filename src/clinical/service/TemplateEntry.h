// The entry of the templates window as data, and its save and delete on [个人模板].
#pragma once

#include "store/Database.h"
#include "text/Serials.h"
#include "text/StrokeCode.h"

#include <QString>

namespace clinical {

inline const QString kNameMissingMessage = QStringLiteral("请输入药物名称！");

struct TemplateEntry {
  QString key;       // 序号, taken when the entry was started
  QString kind;      // 分类
  QString name;      // 名称
  QString order;     // 排序
  QString initials;  // 拼音
  QString content;   // 内容
  // True until the entry has been saved or was opened from the list: a stored row with
  // the same key and kind then belongs to someone else.
  bool isNew = true;
};

// A new entry of `kind`: a fresh key and the proposed order text.
TemplateEntry newTemplateEntry(store::Database& db, const QString& kind, text::SerialSource& serials);

struct TemplateSaveResult {
  bool saved = false;
  int caret = -1;  // where the caret goes in the content box after a formula layout; -1: unchanged
};

// Saves the entry: the content is stripped (and for a formula laid out) and written back
// into the entry; then the row with the entry's key and kind is updated, or a new row is
// added. A name that is empty once blanks are trimmed is refused (nothing is written).
// A new entry whose key another row already holds takes a fresh key, so no other entry is
// overwritten. The search key is name, initials, stroke code and "$".
TemplateSaveResult saveTemplateEntry(store::Database& db, TemplateEntry& entry, text::SerialSource& serials,
                                     const text::StrokeCoder& strokes);

// Deletes the stored row of the entry (its key and kind); false when there was none.
bool deleteTemplateEntry(store::Database& db, const TemplateEntry& entry);

}  // namespace clinical
