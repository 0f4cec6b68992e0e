// The personal templates of the main file as the templates and medical-record windows
// use them: each call opens the file for itself, and throws as the store does when the
// file cannot be used.
#pragma once

#include "clinical/service/RecordEditing.h"
#include "clinical/service/TemplateEntry.h"
#include "store/TemplateRows.h"

#include <QList>
#include <QString>

#include <optional>

namespace clinical {

// A stored template, with the row it stands in.
using TemplateRow = store::TemplateRow;

class TemplateLibrary {
 public:
  explicit TemplateLibrary(QString mainPath) : mainPath_(std::move(mainPath)) {}

  // The templates of a kind in their order.
  QList<TemplateRow> ofKind(const QString& kind);
  // The templates of a kind by name.
  QList<TemplateRow> ofKindByName(const QString& kind);
  // The templates of a kind whose search key holds `text` literally, in their order.
  QList<TemplateRow> search(const QString& kind, const QString& text);
  // The template in that row; nullopt when it is gone.
  std::optional<TemplateRow> row(long long rowid);
  // Deletes the template in that row; false when it was gone already.
  bool remove(long long rowid);

  TemplateEntry newEntry(const QString& kind, text::SerialSource& serials);
  TemplateSaveResult save(TemplateEntry& entry, text::SerialSource& serials, const text::StrokeCoder& strokes);
  bool remove(const TemplateEntry& entry);
  RecordTemplateSave saveRecordTemplate(const QString& name, const RecordSections& sections,
                                        text::SerialSource& serials, const text::StrokeCoder& strokes);

 private:
  QString mainPath_;
};

}  // namespace clinical
