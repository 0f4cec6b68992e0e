// What the medical-record window works out without a window: its header captions, the
// prescription lines it takes over into 处理, and the record templates it keeps in
// [个人模板].
#pragma once

#include "clinical/service/MedicalRecordText.h"
#include "store/Database.h"
#include "text/Serials.h"
#include "text/StrokeCode.h"

#include <QString>
#include <QStringList>

namespace clinical {

inline const QString kRecordTemplateMark = QStringLiteral("ほ");
inline const QString kComplaintMissingMessage = QStringLiteral("请输入主诉及现病史内容！");
inline const QString kTemplateMarkMessage = QStringLiteral("病历内容中含有“ほ”字符，不能保存为病历模板，请删除后再保存！");

// The record's title: the unit name without "处方笺", then "门诊病历".
QString recordTitle(const QString& unitName);
// "就诊时间：" and the creation time that begins the prescription number:
// "202403051430..." gives "就诊时间：2024年03月05日14时30分".
QString visitTimeCaption(const QString& prescriptionSerial);

// The lines of the prescription text (CR LF between lines) that are not empty, in order;
// a line of blanks counts as a line.
QStringList prescriptionLines(const QString& prescriptionText);

struct EditedText {
  QString text;
  int caret = 0;
};
// Inserts each line, preceded by `lineBreak`, at the caret of a box holding `text` with the
// selection [selectionStart, selectionStart + selectionLength): the first insertion
// replaces the selection; each leaves the caret after it.
EditedText insertLines(const QString& text, int selectionStart, int selectionLength, const QStringList& lines,
                       const QString& lineBreak);

// The nine sections each followed by "ほ", as a record template stores them.
QString joinRecordTemplate(const RecordSections& sections);

enum class RecordTemplateSave { Saved, ComplaintMissing, MarkInSection };

// Stores the sections as the record template `name` (kind 病史模板): a template of that name
// is overwritten; a new one needs 主诉 and 现病史. A section holding "ほ" would split the
// template when it is read back, so it is refused. The row takes a fresh key and the
// name's search key, with empty initials and order.
RecordTemplateSave saveRecordTemplate(store::Database& db, const QString& name,
                                      const RecordSections& sections, text::SerialSource& serials,
                                      const text::StrokeCoder& strokes);

}  // namespace clinical
