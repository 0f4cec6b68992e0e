#include "clinical/service/TemplateLibrary.h"

namespace clinical {

QList<TemplateRow> TemplateLibrary::ofKind(const QString& kind) {
  store::Database db(mainPath_);
  return store::TemplateRows(db).ofKind(kind);
}

QList<TemplateRow> TemplateLibrary::ofKindByName(const QString& kind) {
  store::Database db(mainPath_);
  return store::TemplateRows(db).ofKindByName(kind);
}

QList<TemplateRow> TemplateLibrary::search(const QString& kind, const QString& text) {
  store::Database db(mainPath_);
  return store::TemplateRows(db).searchKind(kind, text);
}

std::optional<TemplateRow> TemplateLibrary::row(long long rowid) {
  store::Database db(mainPath_);
  return store::TemplateRows(db).byRowid(rowid);
}

bool TemplateLibrary::remove(long long rowid) {
  store::Database db(mainPath_);
  return store::TemplateRows(db).remove(rowid);
}

TemplateEntry TemplateLibrary::newEntry(const QString& kind, text::SerialSource& serials) {
  store::Database db(mainPath_);
  return newTemplateEntry(db, kind, serials);
}

TemplateSaveResult TemplateLibrary::save(TemplateEntry& entry, text::SerialSource& serials,
                                         const text::StrokeCoder& strokes) {
  store::Database db(mainPath_);
  return saveTemplateEntry(db, entry, serials, strokes);
}

bool TemplateLibrary::remove(const TemplateEntry& entry) {
  store::Database db(mainPath_);
  return deleteTemplateEntry(db, entry);
}

RecordTemplateSave TemplateLibrary::saveRecordTemplate(const QString& name,
                                                       const RecordSections& sections,
                                                       text::SerialSource& serials, const text::StrokeCoder& strokes) {
  store::Database db(mainPath_);
  return clinical::saveRecordTemplate(db, name, sections, serials, strokes);
}

}  // namespace clinical
