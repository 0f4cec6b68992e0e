#include "clinical/service/RecordEditing.h"

#include "clinical/service/TemplateTexts.h"
#include "store/TemplateRows.h"
#include "text/Blank.h"
#include "text/SearchKeys.h"

#include <SQLiteCpp/Transaction.h>

namespace clinical {

QString recordTitle(const QString& unitName) {
  QString title = unitName;
  title.remove(QStringLiteral("处方笺"));
  return title + QStringLiteral("门诊病历");
}

QString visitTimeCaption(const QString& serial) {
  return QStringLiteral("就诊时间：") + serial.mid(0, 4) + QStringLiteral("年") + serial.mid(4, 2) + QStringLiteral("月") +
         serial.mid(6, 2) + QStringLiteral("日") + serial.mid(8, 2) + QStringLiteral("时") + serial.mid(10, 2) +
         QStringLiteral("分");
}

QStringList prescriptionLines(const QString& prescriptionText) {
  QStringList lines;
  for (const QString& line : prescriptionText.split(QStringLiteral("\r\n")))
    if (!line.isEmpty()) lines << line;
  return lines;
}

EditedText insertLines(const QString& text, int selectionStart, int selectionLength, const QStringList& lines,
                       const QString& lineBreak) {
  EditedText out{text, qBound(0, selectionStart, int(text.size()))};
  int removing = qBound(0, selectionLength, int(text.size()) - out.caret);
  for (const QString& line : lines) {
    const QString piece = lineBreak + line;
    out.text.replace(out.caret, removing, piece);
    out.caret += piece.size();
    removing = 0;
  }
  return out;
}

QString joinRecordTemplate(const RecordSections& sections) {
  QString text;
  for (const QString& section : sections) text += section + kRecordTemplateMark;
  return text;
}

RecordTemplateSave saveRecordTemplate(store::Database& db, const QString& name,
                                      const RecordSections& sections, text::SerialSource& serials,
                                      const text::StrokeCoder& strokes) {
  for (const QString& section : sections)
    if (section.contains(kRecordTemplateMark)) return RecordTemplateSave::MarkInSection;

  store::TemplateRows rows(db);
  SQLite::Transaction transaction(db.sql());
  const auto existing = rows.byName(name, kRecordTemplateKind);
  if (!existing && (text::trimBlanks(sections[0]).isEmpty() || text::trimBlanks(sections[1]).isEmpty()))
    return RecordTemplateSave::ComplaintMissing;

  store::TemplateRow row;
  row.key = serials.TimestampKey();
  row.name = name;
  row.content = joinRecordTemplate(sections);
  row.kind = kRecordTemplateKind;
  row.initials = QString(QLatin1String(""));
  row.order = QString(QLatin1String(""));
  // A full key: an empty one would make the main window's closing rebuild every key.
  row.searchKey = text::TemplateSearchKey(name, strokes);
  if (existing) {
    row.rowid = existing->rowid;
    rows.update(row);
  } else {
    rows.insert(row);
  }
  transaction.commit();
  return RecordTemplateSave::Saved;
}

}  // namespace clinical
